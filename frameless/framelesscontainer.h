#ifndef ZEV_ORER_FRAMELESSCONTAINER_H
#define ZEV_ORER_FRAMELESSCONTAINER_H

#include <QWidget>

/// The four looks of a frameless container, shown to style sheets as the "windowState" property of its frame,
/// title bar and buttons.
enum class FrameLook {
    ActivedNormal = 0,    ///< "Actived-Normal": application active, window not maximised.
    ActivedMaximum = 1,   ///< "Actived-Maximum": application active, window maximised or full screen.
    DeactivedNormal = 2,  ///< "Deactived-Normal": application inactive, window not maximised.
    DeactivedMaximum = 3, ///< "Deactived-Maximum": application inactive, window maximised or full screen.
};

template <typename T> class FramelessState;

/// The frameless, translucent outer window shared by the dialog and the main-window containers: resizing from
/// a 15-pixel band along its edges, maximise and restore, the active and inactive looks, and the system close
/// command. @p T is the derived container; it supplies the form widgets, the private record and the look
/// hook.
template <typename T> class VNFramelessContainerT : public QWidget
{
public:
    /// Makes the widget a frameless, translucent window with mouse tracking that watches every event of the
    /// application and follows the application's active state.
    explicit VNFramelessContainerT(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    ~VNFramelessContainerT() override;

    /// Follows the resize gesture through the application's mouse events; never consumes an event.
    bool eventFilter(QObject *watched, QEvent *event) override;

    /// Answers the system close command (Alt+F4, the window menu); does nothing unless a container overrides
    /// it.
    virtual void requestClose();

protected:
    /// Starts a resize when the press lands in the resize band, unless the window is maximised; on Wayland
    /// hands it to the compositor.
    void mousePressEvent(QMouseEvent *event) override;
    /// Ends a resize, unless the window is maximised.
    void mouseReleaseEvent(QMouseEvent *event) override;
    /// Swallows the second press of a double click, so that it starts no resize.
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    /// On Windows, fits a maximised window to the screen's available area and turns the system close
    /// command into requestClose(); elsewhere handled as by QWidget.
    bool nativeEvent(const QByteArray &eventType, void *message, long *result) override;
    /// Shows the restore or the maximise button, and the matching look, when the window state changes.
    void changeEvent(QEvent *event) override;
#ifndef Q_OS_WIN
    /// Turns the window manager's close request into requestClose(), run once the event has returned; a
    /// close() of the program's own closes as usual.
    void closeEvent(QCloseEvent *event) override;
#endif
};

#endif // ZEV_ORER_FRAMELESSCONTAINER_H

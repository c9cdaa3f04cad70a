#ifndef ZEV_ORER_DIALOGFRAMELESSCONTAINER_H
#define ZEV_ORER_DIALOGFRAMELESSCONTAINER_H

#include "frameless_export.h"
#include "framelesscontainer.h"

#include <functional>
#include <memory>

class QDialog;
class VNDialogFramelessContainer;

// The frame's behaviour is compiled once, into the library, for each container, and exported with it. MSVC
// exports the base of an exported class by itself, and exports no instantiation declared extern.
#ifndef _MSC_VER
extern template class FRAMELESS_EXPORT VNFramelessContainerT<VNDialogFramelessContainer>;
#endif

/// The frameless outer window of a dialog: a styled frame with a 40-pixel title bar (title, minimise,
/// maximise, restore and close buttons) around the dialog, without shadow until asked for one. The window
/// manager's close request is swallowed; only the close button ends the dialog, through the close callback.
class FRAMELESS_EXPORT VNDialogFramelessContainer : public VNFramelessContainerT<VNDialogFramelessContainer>
{
    Q_OBJECT

public:
    /// Builds the container as a top-level window, also when it has a @p parent; with @p minMaxButtons zero
    /// the minimise and maximise buttons stay hidden.
    explicit VNDialogFramelessContainer(int minMaxButtons, QWidget *parent = nullptr);
    ~VNDialogFramelessContainer() override;

    /// Puts @p dialog into the content area, takes its size (its position too when the application gave it
    /// one) and shows its window title from now on.
    void setDialog(QDialog *dialog);
    /// The dialog in the content area, or null before setDialog().
    QDialog *dialog() const;
    /// Makes the close button call @p callback; without one the close button closes the container.
    void setCloseCallback(std::function<void()> callback);
    /// The styled frame around title bar and content ("frame_widget").
    QWidget *frameWidget() const;

    /// One pixel between title bar and content when @p on, none otherwise.
    void setFrameSpacing(bool on);
    /// Turns the drop shadow and its transparent margin on or off.
    void setShadowEnabled(bool on);
    /// Sets or removes the "border" style property of the container, its frame and its title bar.
    void setBorderVisible(bool on);
    /// Sets or removes the "borderRadius" style property; rounded corners need the translucent background.
    void setBorderRadiusEnabled(bool on);
    /// Shows or hides the title bar's close button.
    void setCloseButtonVisible(bool visible);

    /// Remembers the geometry, then shows the container full screen.
    void showFullScreen();
    /// Leaves full screen and returns to the geometry remembered by showFullScreen().
    void showNormal();

signals:
    /// Emitted every time the container has been hidden.
    void willHide();

public slots:
    /// Shows or hides the container; hiding emits willHide() afterwards.
    void setVisible(bool visible) override;
    /// Shows @p text in the title bar and makes it the name screen readers give the window; the container's
    /// own window title is left as it is.
    void setWindowTitle(const QString &text);
    /// Accepts the dialog's icon; the dialog container has no place to show it.
    void setWindowIcon(const QIcon &ico);

private:
    friend class VNFramelessContainerT<VNDialogFramelessContainer>;
    friend class FramelessState<VNDialogFramelessContainer>;
    class FramelessContainerPrivate;

    void applyLookState(FrameLook look);

    std::unique_ptr<FramelessContainerPrivate> const d;
};

#endif // ZEV_ORER_DIALOGFRAMELESSCONTAINER_H

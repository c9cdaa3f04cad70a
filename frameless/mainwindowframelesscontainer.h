#ifndef ZEV_ORER_MAINWINDOWFRAMELESSCONTAINER_H
#define ZEV_ORER_MAINWINDOWFRAMELESSCONTAINER_H

#include "frameless_export.h"
#include "framelesscontainer.h"

#include <functional>
#include <memory>

class QLabel;
class QMainWindow;
class VNMainWindowFramelessContainer;

// The frame's behaviour is compiled once, into the library, for each container, and exported with it. MSVC
// exports the base of an exported class by itself, and exports no instantiation declared extern.
#ifndef _MSC_VER
extern template class FRAMELESS_EXPORT VNFramelessContainerT<VNMainWindowFramelessContainer>;
#endif

/// The frameless outer window of a main window: a drop-shadowed frame with a title bar (icon for the active
/// and the inactive application, title, extra widgets, minimise, restore, maximise and close buttons) around
/// the main window. A double click on the title bar maximises or restores; the close button and the window
/// manager's close request run the guarded close.
class FRAMELESS_EXPORT VNMainWindowFramelessContainer
    : public VNFramelessContainerT<VNMainWindowFramelessContainer>
{
    Q_OBJECT

public:
    /// Builds the container: a top-level window without @p parent, a child widget of @p parent otherwise.
    explicit VNMainWindowFramelessContainer(QWidget *parent = nullptr);
    ~VNMainWindowFramelessContainer() override;

    /// Puts @p window into the content area, takes its size (its position too when the application gave it
    /// one) and shows its window title from now on.
    void setMainWindow(QMainWindow *window);
    /// The main window in the content area, or null before setMainWindow().
    QMainWindow *mainWindow() const;
    /// Makes every close through the container ask @p guard first; false keeps the window open.
    void setCloseGuard(std::function<bool()> guard);

    /// The styled frame around title bar and content ("windowFrame").
    QWidget *frameWidget() const;
    /// The label that shows the window icon ("icon").
    QLabel *iconLabel() const;
    /// The label that shows the window title ("titleText").
    QLabel *titleLabel() const;
    /// Adds @p widget to the title bar, between the title and the buttons.
    void addTitleBarWidget(QWidget *widget);
    /// The first widget added with addTitleBarWidget(), or null when none was added.
    QWidget *titleBarWidget() const;
    /// Shows @p active while the application is active and @p inactive otherwise; a null @p inactive means
    /// @p active for both.
    void setWindowIcon(const QIcon &active, const QIcon &inactive);
    /// Fixes the icon label to @p size until the next icon refresh takes the main window's icon size again.
    void setIconSize(const QSize &size);

    /// The guarded close: unless the close guard refuses, emits closed() and closes the container.
    void requestClose() override;

signals:
    /// Emitted by the guarded close just before the container closes.
    void closed();

public slots:
    /// Shows @p text in the title bar and makes it the name screen readers give the window; the container's
    /// own window title is left as it is.
    void setWindowTitle(const QString &text);

private slots:
    void on_minimizeButton_clicked();
    void on_restoreButton_clicked();
    void on_maximizeButton_clicked();
    void on_closeButton_clicked();
    void on_windowTitlebar_doubleClicked();

private:
    friend class VNFramelessContainerT<VNMainWindowFramelessContainer>;
    friend class FramelessState<VNMainWindowFramelessContainer>;
    class FramelessContainerPrivate;

    void applyLookState(FrameLook look);

    std::unique_ptr<FramelessContainerPrivate> const d;
};

#endif // ZEV_ORER_MAINWINDOWFRAMELESSCONTAINER_H

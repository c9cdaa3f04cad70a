#ifndef ZEV_ORER_FRAMELESSMAINWINDOW_H
#define ZEV_ORER_FRAMELESSMAINWINDOW_H

#include "frameless_export.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class VNMainWindowFramelessContainer;
class VNMainWindowPrivate;

/// A main window that lives inside a frameless container: fill it with its central widget, menus, tool bars
/// and dock widgets as usual. The container is the real window, with the shadow, the title bar and its
/// buttons; the main window shows the container, follows its close and hands out its title-bar parts.
class FRAMELESS_EXPORT VNMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// Creates the container, a child of @p parent (a window of its own without one), and becomes its child
    /// with the window flags @p flags.
    explicit VNMainWindow(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    /// Deletes the container as well; safe also while the container or its parent is being destroyed.
    ~VNMainWindow() override;

    /// The container, never null.
    VNMainWindowFramelessContainer *container() const;
    /// Makes every close through the container (close button, window manager) ask @p guard first; false keeps
    /// the window open and emits no closed().
    void setCloseGuard(std::function<bool()> guard);

    /// The container's styled frame.
    QWidget *frameWidget() const;
    /// Adds @p widget to the container's title bar, between the title and the window buttons.
    void addTitleBarWidget(QWidget *widget);
    /// The first widget added with addTitleBarWidget(), or null.
    QWidget *titleBarWidget() const;
    using QMainWindow::setWindowIcon;
    /// Shows @p active in the title bar while the application is active and @p inactive otherwise; a null
    /// @p inactive means @p active for both.
    void setWindowIcon(const QIcon &active, const QIcon &inactive);
    /// The title bar's icon label.
    QLabel *iconLabel() const;
    /// The title bar's label that shows the window title.
    QLabel *titleLabel() const;

signals:
    /// The container is about to close through its close button or the window manager, the guard allowing.
    void closed();

public slots:
    /// Places the main window into the container on the first call, then shows the container; a container
    /// that is a window of its own first opens centred on the screen unless the application has positioned
    /// it.
    void show();

private:
    std::unique_ptr<VNMainWindowPrivate> const d;
};

#endif // ZEV_ORER_FRAMELESSMAINWINDOW_H

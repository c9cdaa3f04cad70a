#include "mainwindowframelesscontainer.h"

#include "framelesscontainer_p.h"
#include "ui_mainwindowframelesscontainer.h"

#include <QMainWindow>
#include <QPointer>

class VNMainWindowFramelessContainer::FramelessContainerPrivate
    : public FramelessState<VNMainWindowFramelessContainer>
{
public:
    using FramelessState::FramelessState;

    QToolButton *minimizeButton() const { return ui.minimizeButton; }
    QToolButton *maximizeButton() const { return ui.maximizeButton; }
    QToolButton *restoreButton() const { return ui.restoreButton; }
    QToolButton *closeButton() const { return ui.closeButton; }

    /// The icon for the application's current state.
    const QIcon &currentIcon() const
    {
        return QGuiApplication::applicationState() == Qt::ApplicationActive ? activeIcon : inactiveIcon;
    }

    /// Shows @p icon at the main window's icon size; nothing before a main window is set.
    void refreshIcon(const QIcon &icon)
    {
        if (!mainWindow)
            return;
        const QSize size = mainWindow->iconSize();
        ui.icon->setFixedSize(size);
        ui.icon->setPixmap(icon.pixmap(size));
    }

    void guardedClose()
    {
        // The guard may run an event loop and the receivers of closed() may delete the container.
        QPointer<VNMainWindowFramelessContainer> alive(q);
        if (closeGuard) {
            const std::function<bool()> guard = closeGuard;
            if (!guard() || !alive)
                return;
        }
        emit q->closed();
        if (alive)
            q->close();
    }

    Ui::MainWindowFramelessWindow ui;
    std::function<bool()> closeGuard;
    QPointer<QMainWindow> mainWindow;
};

VNMainWindowFramelessContainer::VNMainWindowFramelessContainer(QWidget *parent)
    : VNFramelessContainerT(parent)
    , d(std::make_unique<FramelessContainerPrivate>(this))
{
    d->ui.setupUi(this);
    d->labelButtons();
    d->ui.restoreButton->hide();
    d->applyFrameState(QGuiApplication::applicationState() == Qt::ApplicationActive, true);
}

VNMainWindowFramelessContainer::~VNMainWindowFramelessContainer() = default;

void VNMainWindowFramelessContainer::setMainWindow(QMainWindow *window)
{
    if (!window) {
        qWarning("VNMainWindowFramelessContainer::setMainWindow: no main window given");
        return;
    }
    d->mainWindow = window;
    d->refreshIcon(d->currentIcon());
    setWindowTitle(window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, this, &VNMainWindowFramelessContainer::setWindowTitle);
    // As for the dialog container: the main window's position only when the application gave it one.
    if (window->testAttribute(Qt::WA_Moved))
        setGeometry(window->geometry());
    else
        resize(window->size());
    d->ui.verticalLayout_3->addWidget(window);
    layout()->update();
}

QMainWindow *VNMainWindowFramelessContainer::mainWindow() const
{
    QLayoutItem *item = d->ui.verticalLayout_3->itemAt(0);
    return item ? qobject_cast<QMainWindow *>(item->widget()) : nullptr;
}

void VNMainWindowFramelessContainer::setCloseGuard(std::function<bool()> guard)
{
    d->closeGuard = std::move(guard);
}

QWidget *VNMainWindowFramelessContainer::frameWidget() const
{
    return d->ui.windowFrame;
}

QLabel *VNMainWindowFramelessContainer::iconLabel() const
{
    return d->ui.icon;
}

QLabel *VNMainWindowFramelessContainer::titleLabel() const
{
    return d->ui.titleText;
}

void VNMainWindowFramelessContainer::addTitleBarWidget(QWidget *widget)
{
    if (!widget) {
        qWarning("VNMainWindowFramelessContainer::addTitleBarWidget: no widget given");
        return;
    }
    d->ui.extran_verticalLayout->addWidget(widget);
}

QWidget *VNMainWindowFramelessContainer::titleBarWidget() const
{
    QLayoutItem *item = d->ui.extran_verticalLayout->itemAt(0);
    return item ? item->widget() : nullptr;
}

void VNMainWindowFramelessContainer::setWindowIcon(const QIcon &active, const QIcon &inactive)
{
    d->activeIcon = active;
    d->inactiveIcon = inactive.isNull() ? active : inactive;
    d->refreshIcon(d->currentIcon());
}

void VNMainWindowFramelessContainer::setIconSize(const QSize &size)
{
    d->ui.icon->setFixedSize(size);
}

void VNMainWindowFramelessContainer::requestClose()
{
    d->guardedClose();
}

void VNMainWindowFramelessContainer::setWindowTitle(const QString &text)
{
    d->ui.titleText->setText(text);
    // Screen readers name a window by its accessible name before its window title, which stays empty.
    setAccessibleName(text);
}

void VNMainWindowFramelessContainer::on_minimizeButton_clicked()
{
    setWindowState(Qt::WindowMinimized);
}

void VNMainWindowFramelessContainer::on_restoreButton_clicked()
{
    d->restore();
}

void VNMainWindowFramelessContainer::on_maximizeButton_clicked()
{
    d->maximize();
}

void VNMainWindowFramelessContainer::on_closeButton_clicked()
{
    d->guardedClose();
}

void VNMainWindowFramelessContainer::on_windowTitlebar_doubleClicked()
{
    const Qt::WindowStates state = windowState();
    if (state == Qt::WindowNoState)
        d->maximize();
    else if (state & Qt::WindowMaximized)
        d->restore();
}

void VNMainWindowFramelessContainer::applyLookState(FrameLook look)
{
    d->setWindowStateProperty(look, d->ui.windowTitlebar);
    d->setWindowStateProperty(look, d->ui.windowFrame);
    d->setWindowStateProperty(look, d->ui.titleText);
    d->setWindowStateProperty(look, d->ui.minimizeButton);
    d->setWindowStateProperty(look, d->ui.restoreButton);
    d->setWindowStateProperty(look, d->ui.maximizeButton);
    d->setWindowStateProperty(look, d->ui.closeButton);
    const bool active = look == FrameLook::ActivedNormal || look == FrameLook::ActivedMaximum;
    d->refreshIcon(active ? d->activeIcon : d->inactiveIcon);
}

// Instantiated after the private class is complete, which the template's members reach into.
template class VNFramelessContainerT<VNMainWindowFramelessContainer>;

#include "framelessmainwindow.h"

#include "mainwindowframelesscontainer.h"
#include "ownedcontainer_p.h"
#include "windowplacement_p.h"

class VNMainWindowPrivate
{
public:
    explicit VNMainWindowPrivate(VNMainWindowFramelessContainer *frame)
        : container(frame)
    {}

    OwnedContainer<VNMainWindowFramelessContainer> container;
};

VNMainWindow::VNMainWindow(QWidget *parent, Qt::WindowFlags flags)
    : QMainWindow(new VNMainWindowFramelessContainer(parent), flags)
    , d(std::make_unique<VNMainWindowPrivate>(qobject_cast<VNMainWindowFramelessContainer *>(parentWidget())))
{
    // Receivers see closed() while the container is still open.
    connect(d->container.get(), &VNMainWindowFramelessContainer::closed, this, &VNMainWindow::closed,
            Qt::DirectConnection);
}

VNMainWindow::~VNMainWindow()
{
    // Out of the container before the record deletes it, so that the container does not delete this window a
    // second time. A container that is already being destroyed is deleting this window as its descendant.
    if (d->container)
        setParent(nullptr);
}

VNMainWindowFramelessContainer *VNMainWindow::container() const
{
    return d->container.get();
}

void VNMainWindow::setCloseGuard(std::function<bool()> guard)
{
    d->container->setCloseGuard(std::move(guard));
}

QWidget *VNMainWindow::frameWidget() const
{
    return d->container->frameWidget();
}

void VNMainWindow::addTitleBarWidget(QWidget *widget)
{
    d->container->addTitleBarWidget(widget);
}

QWidget *VNMainWindow::titleBarWidget() const
{
    return d->container->titleBarWidget();
}

void VNMainWindow::setWindowIcon(const QIcon &active, const QIcon &inactive)
{
    d->container->setWindowIcon(active, inactive);
}

QLabel *VNMainWindow::iconLabel() const
{
    return d->container->iconLabel();
}

QLabel *VNMainWindow::titleLabel() const
{
    return d->container->titleLabel();
}

void VNMainWindow::show()
{
    if (d->container->mainWindow() != this)
        d->container->setMainWindow(this);
    WindowPlacement::place(d->container.get(), nullptr);
    d->container->show();
}

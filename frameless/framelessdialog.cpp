#include "framelessdialog.h"

#include "dialogframelesscontainer.h"
#include "ownedcontainer_p.h"
#include "windowplacement_p.h"

#include <QEventLoop>
#include <QPointer>

class VNDialogPrivate
{
public:
    VNDialogPrivate(VNDialog *dialog, VNDialogFramelessContainer *frame)
        : q(dialog)
        , container(frame)
    {}

    void init();
    /// Puts the dialog into the container on first use, then shows the container with @p show.
    void showContainer(void (VNDialogFramelessContainer::*show)());
    void centre();

    VNDialog *const q;
    OwnedContainer<VNDialogFramelessContainer> container;
    VNDialog::FrameOptions frameOptions = VNDialog::FrameOptions(0x5);
    QPointer<QEventLoop> eventLoop;
    std::function<bool(int)> doneGuard;
    bool centerOnParent = false;
};

void VNDialogPrivate::init()
{
    if (!container)
        return;
    container->setCloseCallback([this] { q->reject(); });
    // Whatever hides the container ends a running exec().
    QObject::connect(container.get(), &VNDialogFramelessContainer::willHide, q, [this] {
        if (eventLoop)
            eventLoop->exit(0);
    });
}

void VNDialogPrivate::showContainer(void (VNDialogFramelessContainer::*show)())
{
    if (container->dialog() != q)
        container->setDialog(q);
    // done() hides the dialog itself; shown again, the container would be empty. Shown first, the dialog
    // counts in the container's size.
    if (q->isHidden())
        q->setVisible(true);
    // Centred with its final size before the window exists; the dialog's first resize then finds it in place.
    if (centerOnParent && !container->isVisible()) {
        WindowPlacement::prepare(container.get());
        centre();
    }
    WindowPlacement::place(container.get(), container->parentWidget());
    (container.get()->*show)();
}

void VNDialogPrivate::centre()
{
    QRect frame = container->geometry();
    frame.moveCenter(
        WindowPlacement::centringArea(WindowPlacement::centringTarget(container->parentWidget())).center());
    container->setGeometry(frame);
}

VNDialog::VNDialog(QWidget *parent, Qt::WindowFlags f)
    : QDialog(f ? parent : new VNDialogFramelessContainer(0, parent), f)
    , d(std::make_unique<VNDialogPrivate>(
          this, f ? nullptr : qobject_cast<VNDialogFramelessContainer *>(parentWidget())))
{
    d->init();
}

VNDialog::~VNDialog()
{
    // exec() would otherwise go on waiting for a dialog that is gone.
    if (d->eventLoop)
        d->eventLoop->exit(0);
    // Out of the container before the record deletes it, so that the container does not delete this dialog a
    // second time. A container that is already being destroyed is deleting this dialog as its child.
    if (d->container)
        setParent(nullptr);
}

void VNDialog::show()
{
    if (!d->container) {
        QDialog::show();
        return;
    }
    setResult(0);
    d->showContainer(&VNDialogFramelessContainer::show);
}

bool VNDialog::isFullScreen() const
{
    return d->container ? d->container->isFullScreen() : QDialog::isFullScreen();
}

VNDialogFramelessContainer *VNDialog::container() const
{
    return d->container.get();
}

QWidget *VNDialog::frameWidget() const
{
    return d->container ? d->container->frameWidget() : nullptr;
}

VNDialog::FrameOptions VNDialog::frameOptions() const
{
    return d->frameOptions;
}

void VNDialog::setFrameOptions(FrameOptions options)
{
    d->frameOptions = options;
    if (!d->container)
        return;
    d->container->setFrameSpacing(options.testFlag(FrameSpacing));
    d->container->setShadowEnabled(options.testFlag(FrameShadow));
    d->container->setCloseButtonVisible(!options.testFlag(HideCloseButton));
    d->container->setBorderVisible(options.testFlag(FrameBorder));
    d->container->setBorderRadiusEnabled(options.testFlag(FrameBorderRadius));
}

void VNDialog::setDoneGuard(std::function<bool(int)> guard)
{
    d->doneGuard = std::move(guard);
}

void VNDialog::keepCenteredOnParent()
{
    if (!d->container) {
        qWarning("VNDialog::keepCenteredOnParent: a dialog with window flags has no container to centre");
        return;
    }
    d->centerOnParent = true;
    d->centre();
}

void VNDialog::open()
{
    if (!d->container) {
        QDialog::open();
        return;
    }
    if (windowModality() != Qt::WindowModal) {
        d->container->setWindowModality(Qt::WindowModal);
        d->container->setAttribute(Qt::WA_SetWindowModality, false);
    }
    setResult(0);
    d->showContainer(&VNDialogFramelessContainer::show);
}

int VNDialog::exec()
{
    if (!d->container)
        return QDialog::exec();
    if (d->eventLoop) {
        qWarning("QDialog::exec: Recursive call detected");
        return -1;
    }
    const bool deleteOnClose = testAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The container is the window that blocks the others; the dialog inside it is modal again afterwards.
    const bool modal = windowModality() != Qt::NonModal;
    if (modal) {
        setModal(false);
        d->container->setAttribute(Qt::WA_ShowModal, true);
    }
    setResult(0);
    d->showContainer(&VNDialogFramelessContainer::show);

    QPointer<VNDialog> alive(this);
    QEventLoop loop;
    d->eventLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    if (!alive)
        return QDialog::Rejected;
    d->eventLoop = nullptr;
    if (modal) {
        setModal(true);
        d->container->setAttribute(Qt::WA_ShowModal, false);
    }
    const int code = result();
    if (deleteOnClose)
        delete this;
    return code;
}

void VNDialog::showFullScreen()
{
    if (d->container)
        d->showContainer(&VNDialogFramelessContainer::showFullScreen);
    else
        QDialog::showFullScreen();
}

void VNDialog::showNormal()
{
    if (d->container)
        d->showContainer(&VNDialogFramelessContainer::showNormal);
    else
        QDialog::showNormal();
}

void VNDialog::done(int r)
{
    // The guard may run an event loop, and receivers of willHide() or of QDialog's signals may delete the
    // dialog.
    QPointer<VNDialog> alive(this);
    if (d->doneGuard) {
        const std::function<bool(int)> guard = d->doneGuard;
        if (!guard(r) || !alive)
            return;
    }
    if (d->container) {
        d->container->hide();
        if (!alive)
            return;
    }
    QDialog::done(r);
    if (alive && d->eventLoop)
        d->eventLoop->exit(r);
}

void VNDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (d->centerOnParent)
        d->centre();
}

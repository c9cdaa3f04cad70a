#include "dialogframelesscontainer.h"

#include "framelesscontainer_p.h"
#include "ui_dialogframelesscontainer.h"

#include <QDialog>
#include <QVBoxLayout>

namespace {
/// Hands the keys that the container's window receives itself, when nothing in the dialog takes the focus, to
/// the dialog: Escape and Enter are the dialog's all the same. A key the dialog leaves comes back to the
/// container no longer spontaneous, and is let through.
class KeyForwarder : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The type first: the filter also sees the events of the container's destruction.
        if (event->type() != QEvent::KeyPress || !event->spontaneous())
            return false;
        auto *container = static_cast<VNDialogFramelessContainer *>(watched);
        QDialog *held = container->dialog();
        if (!held || container->focusWidget())
            return false;
        QCoreApplication::sendEvent(held, event);
        return true;
    }
};
} // namespace

class VNDialogFramelessContainer::FramelessContainerPrivate
    : public FramelessState<VNDialogFramelessContainer>
{
public:
    using FramelessState::FramelessState;

    QToolButton *minimizeButton() const { return ui.minimize_toolButton; }
    QToolButton *maximizeButton() const { return ui.maximize_toolButton; }
    QToolButton *restoreButton() const { return ui.restore_toolButton; }
    QToolButton *closeButton() const { return ui.close_toolButton; }

    /// Sets or removes the style property @p name on the container, its frame and its title bar, then
    /// re-polishes the container.
    void setStyleFlag(const char *name, bool on)
    {
        const QVariant value = on ? QVariant(true) : QVariant();
        q->setProperty(name, value);
        ui.frame_widget->setProperty(name, value);
        ui.titlebar_widget->setProperty(name, value);
        q->style()->unpolish(q);
        q->style()->polish(q);
    }

    Ui::DialogFramelessContainer ui;
    QVBoxLayout *contentLayout = nullptr;
    QRect fullScreenGeometry;
    std::function<void()> closeCallback;
    bool borderRadiusEnabled = false;
};

VNDialogFramelessContainer::VNDialogFramelessContainer(int minMaxButtons, QWidget *parent)
    : VNFramelessContainerT(parent)
    , d(std::make_unique<FramelessContainerPrivate>(this))
{
    d->shadowEnabled = false;
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    d->ui.setupUi(this);
    d->labelButtons();
    installEventFilter(new KeyForwarder(this));
    d->contentLayout = new QVBoxLayout(d->ui.content_widget);
    d->contentLayout->setSpacing(0);
    d->contentLayout->setContentsMargins(0, 0, 0, 0);

    connect(d->ui.minimize_toolButton, &QToolButton::clicked, this,
            [this] { setWindowState(Qt::WindowMinimized); });
    connect(d->ui.maximize_toolButton, &QToolButton::clicked, this, [this] { d->maximize(); });
    connect(d->ui.restore_toolButton, &QToolButton::clicked, this, [this] { d->restore(); });
    connect(d->ui.close_toolButton, &QToolButton::clicked, this, [this] {
        if (d->closeCallback)
            d->closeCallback();
        else
            close();
    });

    if (minMaxButtons == 0) {
        d->ui.minimize_toolButton->hide();
        d->ui.maximize_toolButton->hide();
    }
    d->ui.restore_toolButton->hide();
    // Without shadow and without rounded corners nothing needs the translucent background or the margin.
    setAttribute(Qt::WA_TranslucentBackground, false);
    layout()->setContentsMargins(0, 0, 0, 0);
    d->applyFrameState(QGuiApplication::applicationState() == Qt::ApplicationActive, true);
}

VNDialogFramelessContainer::~VNDialogFramelessContainer() = default;

void VNDialogFramelessContainer::setDialog(QDialog *dialog)
{
    if (!dialog) {
        qWarning("VNDialogFramelessContainer::setDialog: no dialog given");
        return;
    }
    setWindowTitle(dialog->windowTitle());
    connect(dialog, &QWidget::windowIconChanged, this, &VNDialogFramelessContainer::setWindowIcon);
    connect(dialog, &QWidget::windowTitleChanged, this, &VNDialogFramelessContainer::setWindowTitle);
    // The dialog's position only when the application gave it one: a container nobody has positioned is
    // placed when it is first shown, and one the application moved keeps its place.
    if (dialog->testAttribute(Qt::WA_Moved))
        setGeometry(dialog->geometry());
    else
        resize(dialog->size());
    d->contentLayout->addWidget(dialog);
    layout()->update();
}

QDialog *VNDialogFramelessContainer::dialog() const
{
    QLayoutItem *item = d->contentLayout->itemAt(0);
    return item ? qobject_cast<QDialog *>(item->widget()) : nullptr;
}

void VNDialogFramelessContainer::setCloseCallback(std::function<void()> callback)
{
    d->closeCallback = std::move(callback);
}

QWidget *VNDialogFramelessContainer::frameWidget() const
{
    return d->ui.frame_widget;
}

void VNDialogFramelessContainer::setFrameSpacing(bool on)
{
    d->ui.verticalLayout_2->setSpacing(on ? 1 : 0);
}

void VNDialogFramelessContainer::setShadowEnabled(bool on)
{
    setAttribute(Qt::WA_TranslucentBackground, on || d->borderRadiusEnabled);
    const int margin = on ? 5 : 0;
    layout()->setContentsMargins(margin, margin, margin, margin);
    if (on == d->shadowEnabled)
        return;
    d->shadowEnabled = on;
    if (!on) {
        d->ui.frame_widget->setGraphicsEffect(nullptr);
        return;
    }
    d->applyFrameState(QGuiApplication::applicationState() == Qt::ApplicationActive,
                       !(windowState() & Qt::WindowFullScreen));
}

void VNDialogFramelessContainer::setBorderVisible(bool on)
{
    d->setStyleFlag("border", on);
}

void VNDialogFramelessContainer::setBorderRadiusEnabled(bool on)
{
    d->borderRadiusEnabled = on;
    setAttribute(Qt::WA_TranslucentBackground, on);
    d->setStyleFlag("borderRadius", on);
}

void VNDialogFramelessContainer::setCloseButtonVisible(bool visible)
{
    d->ui.close_toolButton->setVisible(visible);
}

void VNDialogFramelessContainer::showFullScreen()
{
    d->fullScreenGeometry = geometry();
    QWidget::showFullScreen();
}

void VNDialogFramelessContainer::showNormal()
{
    QWidget::showNormal();
    // Nothing to return to unless showFullScreen() remembered a geometry.
    if (!d->fullScreenGeometry.isNull())
        setGeometry(d->fullScreenGeometry);
}

void VNDialogFramelessContainer::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible)
        emit willHide();
}

void VNDialogFramelessContainer::setWindowTitle(const QString &text)
{
    d->ui.title_label->setText(text);
    // Screen readers name a window by its accessible name before its window title, which stays the form's.
    setAccessibleName(text);
}

void VNDialogFramelessContainer::setWindowIcon(const QIcon &) {}

void VNDialogFramelessContainer::applyLookState(FrameLook look)
{
    d->setWindowStateProperty(look, d->ui.titlebar_widget);
    d->setWindowStateProperty(look, d->ui.frame_widget);
}

// Instantiated after the private class is complete, which the template's members reach into.
template class VNFramelessContainerT<VNDialogFramelessContainer>;

#ifndef ZEV_ORER_FRAMELESSCONTAINER_P_H
#define ZEV_ORER_FRAMELESSCONTAINER_P_H

// The code shared by the frameless containers. Only the containers' own sources include this header; each of
// them instantiates the template for its class.

#include "framelesscontainer.h"
#include "framelessshadoweffect_p.h"
#include "nativewindowmessages.h"
#include "systemgesture_p.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopWidget>
#include <QIcon>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QVariant>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <memory>

/// The state and operations shared by the containers' private records. The record of container @p T derives
/// from it and adds the form and its own fields; it must offer minimizeButton(), maximizeButton(),
/// restoreButton() and closeButton().
template <typename T> class FramelessState
{
public:
    enum Edge { EdgeTop = 1, EdgeLeft = 2, EdgeRight = 4, EdgeBottom = 8 };
    static_assert(int(EdgeTop) == Qt::TopEdge && int(EdgeLeft) == Qt::LeftEdge &&
                      int(EdgeRight) == Qt::RightEdge && int(EdgeBottom) == Qt::BottomEdge,
                  "the edge bits are Qt's, so that they pass to the compositor as they are");
    /// Width of the resize band along the edges; also the transparent margin that carries the shadow.
    static constexpr int Band = 15;

    explicit FramelessState(T *owner)
        : q(owner)
    {}

    /// The edge bits at the global position @p globalPos; both ends of each band are included.
    int edgesAt(const QPoint &globalPos) const
    {
        const QRect g = q->geometry();
        int found = 0;
        if (g.x() <= globalPos.x() && globalPos.x() <= g.x() + Band)
            found |= EdgeLeft;
        else if (g.x() + g.width() - Band <= globalPos.x() && globalPos.x() <= g.x() + g.width())
            found |= EdgeRight;
        if (g.y() <= globalPos.y() && globalPos.y() <= g.y() + Band)
            return found | EdgeTop;
        if (g.y() + g.height() - Band <= globalPos.y() && globalPos.y() <= g.y() + g.height())
            found |= EdgeBottom;
        return found;
    }

    /// The cursor that shows a resize along @p edgeBits.
    static Qt::CursorShape cursorForEdges(int edgeBits)
    {
        switch (edgeBits) {
        case EdgeTop:
        case EdgeBottom:
            return Qt::SizeVerCursor;
        case EdgeLeft:
        case EdgeRight:
            return Qt::SizeHorCursor;
        case EdgeTop | EdgeLeft:
        case EdgeBottom | EdgeRight:
            return Qt::SizeFDiagCursor;
        case EdgeTop | EdgeRight:
        case EdgeBottom | EdgeLeft:
            return Qt::SizeBDiagCursor;
        default:
            return Qt::ArrowCursor;
        }
    }

    /// Sets the container's cursor unless it already has that shape: every setCursor reaches the platform.
    /// The cursor is the container's own, so the shape it set last is the one it has; asking the widget would
    /// copy its cursor on every mouse move of the application.
    void setCursorShape(Qt::CursorShape shape)
    {
        if (shape == cursorShape)
            return;
        cursorShape = shape;
        q->setCursor(shape);
    }

    /// A button went down at @p localPos on the container itself.
    void press(const QPoint &localPos)
    {
        pressed = true;
        pressGeometry = q->geometry();
        edges = edgesAt(q->mapToGlobal(localPos));
        setCursorShape(cursorForEdges(edges));
    }

    void release()
    {
        pressed = false;
        const int released = edges;
        edges = 0;
        if (released != 0)
            setCursorShape(Qt::ArrowCursor);
    }

    void move(const QPoint &globalPos)
    {
        if (pressed) {
            // A resize that the compositor runs follows the pointer without the window's help.
            if (!SystemGesture::handles(q))
                resizeTo(globalPos);
        } else {
            setCursorShape(cursorForEdges(edgesAt(globalPos)));
        }
    }

    /// The filter's part for the three mouse event types, out of line so that the filter's two tests for
    /// every other event stay small.
    Q_NEVER_INLINE void filterMouseEvent(QObject *watched, QEvent *event)
    {
        auto *mouse = dynamic_cast<QMouseEvent *>(event);
        if (!mouse)
            return;
        switch (event->type()) {
        case QEvent::MouseMove:
            move(mouse->globalPos());
            break;
        case QEvent::MouseButtonPress:
            // Only a press that reaches the container itself: on its margin, or passed on by a child that
            // ignored it.
            if (watched == q)
                press(mouse->pos());
            break;
        default:
            if (pressed)
                release();
            break;
        }
    }

    /// Resizes from the geometry at the press so that the pressed edges follow @p globalPos; a step that
    /// breaks its limit is dropped.
    void resizeTo(const QPoint &globalPos)
    {
        QScreen *primary = QGuiApplication::primaryScreen();
        QSize limits = primary->availableGeometry().size();
        if (primary->virtualSiblings().contains(primary))
            limits = QApplication::desktop()->size();
        const int w = limits.width();
        const int h = limits.height();
        const QRect &s = pressGeometry;
        const int left = globalPos.x();
        const int top = globalPos.y();
        const int width = globalPos.x() - s.x();
        const int height = globalPos.y() - s.y();

        QRect r = s;
        switch (edges) {
        case EdgeTop:
            if (top < 1 || top >= h - 50)
                return;
            r.setY(top);
            break;
        case EdgeLeft:
            if (left < 1 || left >= w - 50)
                return;
            r.setX(left);
            break;
        case EdgeTop | EdgeLeft:
            if (top < 1 || left < 1)
                return;
            r.setY(top);
            r.setX(left);
            break;
        case EdgeRight:
            if (width < 1)
                return;
            r.setWidth(width);
            break;
        case EdgeTop | EdgeRight:
            if (width < 1 || top < 1 || top >= h - 50)
                return;
            r.setWidth(width);
            r.setX(s.x());
            r.setY(top);
            break;
        case EdgeBottom:
            if (height < 1)
                return;
            r.setHeight(height);
            break;
        case EdgeBottom | EdgeLeft:
            if (height < 1 || left < 1)
                return;
            r.setX(left);
            r.setHeight(height);
            break;
        case EdgeBottom | EdgeRight:
            if (width < 1 || height < 1)
                return;
            r.setHeight(height);
            r.setWidth(width);
            break;
        default:
            return;
        }
        q->setGeometry(r);
    }

    /// Gives the container the normal or the maximised look for an active or inactive application; the normal
    /// look carries the shadow and its margin when the shadow is enabled.
    void applyFrameState(bool active, bool normal)
    {
        if (!normal) {
            applyMaximumLook(active ? FrameLook::ActivedMaximum : FrameLook::DeactivedMaximum);
            return;
        }
        q->applyLookState(active ? FrameLook::ActivedNormal : FrameLook::DeactivedNormal);
        if (!shadowEnabled)
            return;
        q->layout()->setContentsMargins(Band, Band, Band, Band);
        auto *shadow = new FramelessShadowEffect(q->frameWidget());
        shadow->setBlurRadius(9.0);
        shadow->setOffset(QPointF(0, 0));
        shadow->setColor(q->palette().color(active ? QPalette::Highlight : QPalette::Shadow));
        q->frameWidget()->setGraphicsEffect(shadow);
    }

    /// No margin, @p look, no shadow: how a maximised or full-screen container looks.
    void applyMaximumLook(FrameLook look)
    {
        q->layout()->setContentsMargins(0, 0, 0, 0);
        q->applyLookState(look);
        q->frameWidget()->setGraphicsEffect(nullptr);
    }

    /// Shows the restore button in place of the maximise button when @p maximized, and back.
    void showRestoreButton(bool maximized)
    {
        auto *record = q->d.get();
        if (maximized) {
            record->restoreButton()->show();
            record->maximizeButton()->hide();
        } else {
            record->restoreButton()->hide();
            record->maximizeButton()->show();
        }
    }

    /// Gives the image-only title-bar buttons their names, in the current language, as tool tips and for
    /// screen readers; like a system title bar's, they stay out of the focus chain, so that the keys go to
    /// the window's content.
    void labelButtons()
    {
        auto *record = q->d.get();
        const std::pair<QAbstractButton *, const char *> buttons[] = {
            {record->minimizeButton(), QT_TRANSLATE_NOOP("VNFramelessContainer", "Minimize")},
            {record->maximizeButton(), QT_TRANSLATE_NOOP("VNFramelessContainer", "Maximize")},
            {record->restoreButton(), QT_TRANSLATE_NOOP("VNFramelessContainer", "Restore")},
            {record->closeButton(), QT_TRANSLATE_NOOP("VNFramelessContainer", "Close")},
        };
        for (const auto &[button, text] : buttons) {
            const QString name = QCoreApplication::translate("VNFramelessContainer", text);
            button->setToolTip(name);
            button->setAccessibleName(name);
            button->setFocusPolicy(Qt::NoFocus);
        }
    }

    /// The screen of the container's window; the primary screen while the window has no native window yet.
    QScreen *screen() const
    {
        const QWindow *window = q->window()->windowHandle();
        return window ? window->screen() : QGuiApplication::primaryScreen();
    }

    /// The available area of the container's screen, in native pixels.
    QRect nativeAvailableGeometry() const
    {
        QScreen *screen = this->screen();
        return QHighDpi::toNativePixels(screen->availableGeometry(), screen);
    }

    void maximize()
    {
        const QRect available = nativeAvailableGeometry();
        savedGeometry = std::make_unique<QRect>(q->geometry());
        // Only a window at the origin or one at least as large as the area is given the area and remembered;
        // an ordinary smaller window is left to the platform.
        if (savedGeometry->topLeft() == QPoint(0, 0) || savedGeometry->width() >= available.width() ||
            savedGeometry->height() >= available.height())
            q->setGeometry(available);
        else
            savedGeometry.reset();
        q->setWindowState(Qt::WindowMaximized);
        q->showMaximized();
        showRestoreButton(true);
        applyMaximumLook(FrameLook::ActivedMaximum);
    }

    void restore()
    {
        if (savedGeometry) {
            q->setGeometry(*savedGeometry);
            savedGeometry.reset();
        }
        q->setWindowState(Qt::WindowNoState);
        showRestoreButton(false);
        applyFrameState(QGuiApplication::applicationState() == Qt::ApplicationActive, true);
    }

    void onApplicationStateChanged(Qt::ApplicationState state)
    {
        const Qt::WindowStates windowState = q->windowState();
        const bool active = state == Qt::ApplicationActive;
        if (windowState == Qt::WindowNoState)
            applyFrameState(active, true);
        else if (windowState & Qt::WindowFullScreen)
            applyMaximumLook(active ? FrameLook::ActivedMaximum : FrameLook::DeactivedMaximum);
        // A maximised window keeps the look it was given when it was maximised.
    }

    /// Shows @p look to style sheets through the "windowState" property of @p widget, re-polishing it only
    /// when the value changes.
    template <class W> static void setWindowStateProperty(FrameLook look, W *widget)
    {
        static const QString names[] = {QStringLiteral("Actived-Normal"), QStringLiteral("Actived-Maximum"),
                                        QStringLiteral("Deactived-Normal"),
                                        QStringLiteral("Deactived-Maximum")};
        const int code = int(look);
        if (code < 0 || code > 3)
            return;
        if (widget->property("windowState").toString() == names[code])
            return;
        widget->setProperty("windowState", names[code]);
        widget->style()->unpolish(widget);
        widget->style()->polish(widget);
    }

    T *const q;
    QRect pressGeometry;
    bool pressed = false;
    int edges = 0;
    bool shadowEnabled = true;
    QIcon activeIcon;
    QIcon inactiveIcon;
    std::unique_ptr<QRect> savedGeometry;
    /// The shape of the cursor set on the container; none before the first.
    Qt::CursorShape cursorShape = Qt::CustomCursor;
};

template <typename T>
VNFramelessContainerT<T>::VNFramelessContainerT(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    QObject::connect(
        qApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) { static_cast<T *>(this)->d->onApplicationStateChanged(state); });
    setAttribute(Qt::WA_MouseTracking);
    QCoreApplication::instance()->installEventFilter(this);
}

template <typename T> VNFramelessContainerT<T>::~VNFramelessContainerT() = default;

template <typename T> bool VNFramelessContainerT<T>::eventFilter(QObject *watched, QEvent *event)
{
    // Called for every event of the application: anything but the three mouse events returns after two tests.
    if (isMaximized())
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)
        static_cast<T *>(this)->d->filterMouseEvent(watched, event);
    return false;
}

template <typename T> void VNFramelessContainerT<T>::requestClose() {}

template <typename T> void VNFramelessContainerT<T>::mousePressEvent(QMouseEvent *event)
{
    if (isMaximized())
        return;
    auto *d = static_cast<T *>(this)->d.get();
    d->press(event->pos());
    // The application's filter has seen this press too; the compositor is asked once, from here.
    if (d->edges != 0 && SystemGesture::handles(this))
        SystemGesture::start(this, Qt::Edges(d->edges));
}

template <typename T> void VNFramelessContainerT<T>::mouseReleaseEvent(QMouseEvent *)
{
    if (!isMaximized())
        static_cast<T *>(this)->d->release();
}

template <typename T> void VNFramelessContainerT<T>::mouseDoubleClickEvent(QMouseEvent *)
{
    // Swallowed: the second press of a double click on the margin does not count as another press.
}

template <typename T>
bool VNFramelessContainerT<T>::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
#ifdef Q_OS_WIN
    if (eventType != "windows_generic_MSG")
        return false;
    using namespace NativeWindowMessages;
    switch (messageAction(message)) {
    case Action::SetMaxPlacement: {
        const auto *d = static_cast<T *>(this)->d.get();
        const QRect available = d->nativeAvailableGeometry();
        MaxPlacement placement =
            maxPlacement({available.x(), available.y(), available.width(), available.height()},
                         d->screen()->geometry().x());
        if (!(windowFlags() & Qt::FramelessWindowHint))
            placement = withFrameBorder(placement, systemFrameBorder());
        writeMaxPlacement(message, placement);
        *result = 0;
        return true;
    }
    case Action::RequestClose:
        requestClose();
        *result = 0;
        return true;
    case Action::PassOn:
        break;
    }
    return false;
#else
    return QWidget::nativeEvent(eventType, message, result);
#endif
}

template <typename T> void VNFramelessContainerT<T>::changeEvent(QEvent *event)
{
    event->accept();
    // The derived container is reached only for these two kinds: change events of other kinds also arrive
    // during the base construction, before the derived container exists.
    if (event->type() == QEvent::LanguageChange)
        static_cast<T *>(this)->d->labelButtons();
    if (event->type() != QEvent::WindowStateChange)
        return;
    auto *d = static_cast<T *>(this)->d.get();
    const Qt::WindowStates state = windowState();
    if (state == Qt::WindowNoState) {
        d->showRestoreButton(false);
        // The active look whatever the application's state.
        d->applyFrameState(true, true);
    } else if (state & Qt::WindowMaximized) {
        d->showRestoreButton(true);
        d->applyMaximumLook(FrameLook::ActivedMaximum);
    }
}

#ifndef Q_OS_WIN
template <typename T> void VNFramelessContainerT<T>::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        QWidget::closeEvent(event);
        return;
    }
    // Qt ignores a close() made while it delivers this event, so a close that requestClose() decides on has
    // to run once the event has returned.
    event->ignore();
    QMetaObject::invokeMethod(
        this, [this] { requestClose(); }, Qt::QueuedConnection);
}
#endif

#endif // ZEV_ORER_FRAMELESSCONTAINER_P_H

#ifndef ZEV_ORER_FRAMELESSTESTSUPPORT_H
#define ZEV_ORER_FRAMELESSTESTSUPPORT_H

// Shared by the frameless containers' tests: platform-like mouse and application-state events, buttons,
// looks.

#include "windowdragger.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QLayout>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolButton>
#include <qpa/qwindowsysteminterface.h>

/// Sends a mouse event of @p type at @p globalPos to @p receiver; for a move @p button is the button held.
inline void sendMouse(QWidget *receiver, QEvent::Type type, const QPoint &globalPos,
                      Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : button;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, receiver->mapFromGlobal(globalPos), globalPos, changed, held, Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
}

/// Makes the application active or inactive as the platform would, and delivers the change at once.
inline void setApplicationState(Qt::ApplicationState state)
{
    QWindowSystemInterface::handleApplicationStateChanged(state, true);
    QWindowSystemInterface::flushWindowSystemEvents();
}

/// Counts the spontaneous close events of the objects it filters.
struct EventCounter : QObject
{
    bool eventFilter(QObject *, QEvent *event) override
    {
        spontaneousCloses += event->type() == QEvent::Close && event->spontaneous();
        return false;
    }
    int spontaneousCloses = 0;
};

/// The container's title-bar button whose object name starts with @p role ("maximize", "close", ...).
inline QToolButton *button(const QWidget *container, const char *role)
{
    return container->findChildren<QToolButton *>(QRegularExpression(QLatin1Char('^') + QLatin1String(role)))
        .value(0);
}

/// The container's appearance in one line: the look of frame and title bar (both when they differ), the
/// margin, the palette role of the shadow's colour, and which of restore and maximise is shown.
inline QString appearance(const QWidget *container)
{
    const QWidget *frame = container->layout()->itemAt(0)->widget();
    QString look = frame->property("windowState").toString();
    const QString titleBarLook = container->findChild<WindowDragger *>()->property("windowState").toString();
    if (titleBarLook != look)
        look += '/' + titleBarLook;
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(frame->graphicsEffect());
    const QColor colour = effect ? effect->color() : QColor();
    const char *shadow = !effect                                                     ? "no"
                         : colour == container->palette().color(QPalette::Highlight) ? "Highlight"
                         : colour == container->palette().color(QPalette::Shadow)    ? "Shadow"
                                                                                     : "other";
    return QStringLiteral("%1, margin %2, %3 shadow%4%5")
        .arg(look)
        .arg(container->layout()->contentsMargins().left())
        .arg(QLatin1String(shadow), button(container, "restore")->isHidden() ? "" : ", restore",
             button(container, "maximize")->isHidden() ? "" : ", maximise");
}

#endif // ZEV_ORER_FRAMELESSTESTSUPPORT_H

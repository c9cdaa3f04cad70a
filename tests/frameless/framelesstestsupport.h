#ifndef ZEV_ORER_FRAMELESSTESTSUPPORT_H
#define ZEV_ORER_FRAMELESSTESTSUPPORT_H

// Shared by the frameless containers' tests: mouse events with explicit global positions, delivered through
// QApplication as the platform's own are, and the application state driven through the window-system
// interface.

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
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

/// The look that @p widget shows to style sheets.
inline QString lookOf(const QWidget *widget)
{
    return widget->property("windowState").toString();
}

/// The colour of the drop shadow on @p widget, or an invalid colour when it has none.
inline QColor shadowColourOf(const QWidget *widget)
{
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(widget->graphicsEffect());
    return shadow ? shadow->color() : QColor();
}

#endif // ZEV_ORER_FRAMELESSTESTSUPPORT_H

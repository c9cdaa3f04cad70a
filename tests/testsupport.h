#ifndef ZEV_ORER_TESTSUPPORT_H
#define ZEV_ORER_TESTSUPPORT_H

#include <QtTest>
#include <QtWidgets>

#include <functional>

/// Calls @p call once an event loop gets to it, unless @p context is gone by then.
inline void later(QObject *context, const std::function<void()> &call)
{
    auto *timer = new QTimer(context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, context, [timer, call] {
        timer->deleteLater();
        call();
    });
    timer->start(0);
}

/// Sends a mouse event of @p type at @p globalPos to @p receiver; for a move @p button is the button held.
inline void sendMouse(QWidget *receiver, QEvent::Type type, const QPoint &globalPos,
                      Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(type, receiver->mapFromGlobal(globalPos), globalPos,
                      type == QEvent::MouseMove ? Qt::NoButton : button,
                      type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : button, Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
}

/// Where two pictures of one size and 32-bit format first differ by more than 2 in a channel (as Qt's raster
/// engine may round an antialiased pixel on another processor), as "(x, y)"; empty where they do not.
inline QString firstDifference(const QImage &expected, const QImage &actual)
{
    for (int y = 0; y < expected.height(); ++y) {
        const uchar *e = expected.constScanLine(y);
        const uchar *a = actual.constScanLine(y);
        for (int x = 0; x < expected.width() * 4; ++x)
            if (qAbs(e[x] - a[x]) > 2)
                return QString("(%1, %2)").arg(x / 4).arg(y);
    }
    return QString();
}

#endif // ZEV_ORER_TESTSUPPORT_H

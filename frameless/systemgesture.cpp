#include "systemgesture_p.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {
SystemGesture::Handler &testHandler()
{
    static SystemGesture::Handler handler;
    return handler;
}
} // namespace

namespace SystemGesture {

bool handles(const QWidget *window)
{
    if (!window || !window->isWindow())
        return false;
    if (testHandler())
        return true;
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
#else
    return false;
#endif
}

void start(QWidget *window, Qt::Edges edges)
{
    if (testHandler()) {
        testHandler()(window, edges);
        return;
    }
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    // What the compositor answers does not matter: where it refuses, it would ignore a move of the window's
    // own as well.
    if (edges)
        handle->startSystemResize(edges);
    else
        handle->startSystemMove();
#else
    Q_UNUSED(window)
    Q_UNUSED(edges)
#endif
}

void setHandlerForTesting(Handler handler)
{
    testHandler() = std::move(handler);
}

} // namespace SystemGesture

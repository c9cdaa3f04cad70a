#include "windowplacement_p.h"

#include "framelessmainwindow.h"
#include "mainwindowframelesscontainer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace {

QScreen *screenAt(const QPoint &globalPos)
{
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    return screen ? screen : QGuiApplication::primaryScreen();
}

/// Centres @p window on @p anchor (the screen without one), inside the available area of that screen.
void centre(QWidget *window, const QWidget *anchor)
{
    const QRect area = WindowPlacement::centringArea(anchor);
    QRect frame(QPoint(), window->size());
    frame.moveCenter(area.center());
    if (QScreen *screen = screenAt(area.center())) {
        // Right and bottom edges first, so that a window larger than the area keeps its top-left corner in
        // it.
        const QRect available = screen->availableGeometry();
        frame.moveRight(qMin(frame.right(), available.right()));
        frame.moveLeft(qMax(frame.left(), available.left()));
        frame.moveBottom(qMin(frame.bottom(), available.bottom()));
        frame.moveTop(qMax(frame.top(), available.top()));
    }
    window->move(frame.topLeft());
}

} // namespace

namespace WindowPlacement {

QWidget *centringTarget(QWidget *parent)
{
    auto *mainWindow = qobject_cast<VNMainWindow *>(parent);
    return mainWindow && mainWindow->container() ? mainWindow->container() : parent;
}

QRect centringArea(const QWidget *target)
{
    if (target)
        return QRect(target->mapToGlobal(QPoint(0, 0)), target->size());
    QScreen *screen = screenAt(QCursor::pos());
    return screen ? screen->availableGeometry() : QRect();
}

void prepare(QWidget *window)
{
    window->ensurePolished();
    if (QLayout *layout = window->layout())
        layout->activate();
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
        // Still not the application's size: showing the window adjusts it again, as it would have.
        window->setAttribute(Qt::WA_Resized, false);
    }
}

void place(QWidget *window, QWidget *parent)
{
    if (!window->isWindow() || window->isVisible())
        return;
    prepare(window);
    // A position from an earlier show counts too: moving a window that exists but is not mapped is just the
    // request that a reparenting window manager can turn into a stale position.
    if (window->testAttribute(Qt::WA_Moved))
        return;
    // QDialog centres on the parent's window; a main window's container stands for the main window even when
    // it is a child widget itself.
    QWidget *target = centringTarget(parent);
    centre(window, target == parent && parent ? parent->window() : target);
}

} // namespace WindowPlacement

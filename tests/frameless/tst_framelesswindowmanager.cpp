// The frameless windows under a real X11 window manager (openbox on Xvfb): where they open, its close request
// to a dialog and a drag of the title bar with real pointer events.
#include "dialogframelesscontainer.h"
#include "framelessdialog.h"
#include "framelessmainwindow.h"
#include "mainwindowframelesscontainer.h"
#include "messagebox.h"

#include "framelesstestsupport.h"

#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace {

/// Where the X server has @p window, in Qt's device-independent pixels.
QRect serverGeometry(const QWidget *window)
{
    auto *connection = static_cast<xcb_connection_t *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("connection"));
    const xcb_window_t id = window->internalWinId();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, id, root, 0, 0),
                                        nullptr),
        &std::free);
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr), &std::free);
    if (!origin || !size)
        return QRect();
    return QHighDpi::fromNativePixels(QRect(origin->dst_x, origin->dst_y, size->width, size->height),
                                      window->windowHandle());
}

void showActive(QWidget *container)
{
    container->setGeometry(200, 150, 500, 350);
    container->show();
    container->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(container));
}

} // namespace

class tst_FramelessWindowManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X11 server with a window manager");
    }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void placement_data();
    void placement();
    void altF4ToDialogIgnored();
    void titleBarDrag();
};

void tst_FramelessWindowManager::placement_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<bool>("moved");
    const auto row = [](const char *window, const char *parent, bool moved) {
        QTest::addRow("%s on %s%s", window, *parent ? parent : "the screen", moved ? ", moved" : "")
            << QString(window) << QString(parent) << moved;
    };
    row("VnDialog", "", false);
    row("VnDialog2", "VnDialog", false);
    // Laid out to its size only when shown.
    row("VnMessageBox", "VnDialog", false);
    row("VnMessageBox", "VnDialog", true);
    row("VNDialog", "VnDialog", false);
    row("VNDialog", "VnDialog", true);
    row("VNDialog kept centred", "VNMainWindow", false);
    row("VNMainWindow", "", false);
    row("VNMainWindow", "", true);
}

void tst_FramelessWindowManager::placement()
{
    QFETCH(QString, window);
    QFETCH(QString, parent);
    QFETCH(bool, moved);
    std::unique_ptr<QWidget> owner;
    QWidget *anchor = nullptr;
    if (parent == "VnDialog") {
        owner = std::make_unique<VnDialog>();
        owner->setGeometry(150, 100, 500, 350);
        owner->show();
        anchor = owner.get();
    } else if (parent == "VNMainWindow") {
        auto *mainWindow = new VNMainWindow;
        owner.reset(mainWindow);
        mainWindow->resize(500, 350);
        mainWindow->container()->move(150, 100);
        mainWindow->show();
        anchor = mainWindow->container();
    }
    if (anchor)
        QVERIFY(QTest::qWaitForWindowExposed(anchor));

    std::unique_ptr<QWidget> opened;
    QWidget *shown = nullptr;
    if (window.startsWith("VNDialog")) {
        auto *dialog = new VNDialog(owner.get());
        opened.reset(dialog);
        dialog->resize(300, 200);
        shown = dialog->container();
        if (moved)
            shown->move(60, 40);
        if (window.endsWith("kept centred"))
            dialog->keepCenteredOnParent();
        dialog->show();
    } else if (window == "VNMainWindow") {
        auto *mainWindow = new VNMainWindow;
        opened.reset(mainWindow);
        mainWindow->resize(400, 300);
        if (moved)
            mainWindow->move(60, 40);
        shown = mainWindow->container();
        mainWindow->show();
    } else {
        opened.reset(window == "VnMessageBox" ? new VnMessageBox(0x400, "A message", QString(), owner.get())
                     : window == "VnDialog2"  ? new VnDialog2(owner.get())
                                              : new VnDialog(owner.get()));
        shown = opened.get();
        if (moved)
            shown->move(60, 40);
        shown->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    // Qt's idea of where the window is agrees with the X server's once the window manager has placed it.
    QTRY_COMPARE(serverGeometry(shown), shown->geometry());
    if (moved) {
        QCOMPARE(shown->pos(), QPoint(60, 40));
        return;
    }
    const QPoint centre = anchor ? serverGeometry(anchor).center()
                                 : shown->windowHandle()->screen()->availableGeometry().center();
    const QPoint offset = serverGeometry(shown).center() - centre;
    QVERIFY2(qAbs(offset.x()) <= 3 && qAbs(offset.y()) <= 3,
             qPrintable(QStringLiteral("%1 px, %2 px off centre").arg(offset.x()).arg(offset.y())));
}

void tst_FramelessWindowManager::altF4ToDialogIgnored()
{
    VNDialogFramelessContainer container(0);
    QSignalSpy willHide(&container, &VNDialogFramelessContainer::willHide);
    EventCounter closeEvents;
    container.installEventFilter(&closeEvents);
    showActive(&container);
    QCOMPARE(QProcess::execute("xdotool", {"key", "alt+F4"}), 0);
    QTRY_COMPARE(closeEvents.spontaneousCloses, 1);
    QCoreApplication::processEvents();
    QVERIFY(container.isVisible());
    QCOMPARE(willHide.count(), 0);
}

void tst_FramelessWindowManager::titleBarDrag()
{
    VNMainWindowFramelessContainer container;
    showActive(&container);
    // The cursor stays over the point of the title bar where the drag began; xdotool counts in the screen's
    // pixels.
    const qreal ratio = container.devicePixelRatioF();
    const QPoint grip = container.findChild<WindowDragger *>()->mapToGlobal(QPoint(120, 20)) * ratio;
    const auto moveTo = [grip](int dx, int dy) {
        return QStringList({"mousemove", QString::number(grip.x() + dx), QString::number(grip.y() + dy)});
    };
    const QStringList press({"mousedown", "1"}), release({"mouseup", "1"});
    QCOMPARE(QProcess::execute("xdotool", moveTo(0, 0) + press + moveTo(30, 10) + moveTo(90, 60) + release),
             0);
    QTRY_COMPARE(container.geometry(), QRect(QPoint(200, 150) + QPoint(90, 60) / ratio, QSize(500, 350)));
}

QTEST_MAIN(tst_FramelessWindowManager)
#include "tst_framelesswindowmanager.moc"

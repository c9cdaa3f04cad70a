// The frameless containers under a real X11 window manager (openbox on Xvfb): the window manager's close
// request, maximise and restore decided by the window manager, and drags of the title bar and of an edge with
// real pointer events, all made with xdotool or X11 client messages as a user or a task bar would.
#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QLayout>
#include <QMainWindow>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <qpa/qplatformnativeinterface.h>

#include <xcb/xcb.h>

namespace {

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, false, uint16_t(strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
}

// Asks the window manager to add or remove the maximised state, as a task bar does (_NET_WM_STATE).
void askWindowManagerToMaximise(QWidget *window, bool maximise)
{
    auto *connection = static_cast<xcb_connection_t *>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("connection"));
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = atom(connection, "_NET_WM_STATE");
    event.data.data32[0] = maximise ? 1 : 0;
    event.data.data32[1] = atom(connection, "_NET_WM_STATE_MAXIMIZED_VERT");
    event.data.data32[2] = atom(connection, "_NET_WM_STATE_MAXIMIZED_HORZ");
    event.data.data32[3] = 1; // from an application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, false, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

// Counts the close events a window receives from the platform.
class CloseEventCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close && event->spontaneous())
            ++count;
        return false;
    }
    int count = 0;
};

void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class tst_FramelessWindowManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void altF4SwallowedByDialogContainer();
    void altF4RunsGuardedClose_data();
    void altF4RunsGuardedClose();
    void windowManagerMaximisesAndRestores();
    void dragTitleBar();
    void dragRightEdge();
};

void tst_FramelessWindowManager::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X11 server with a window manager");
    QVERIFY2(xdotool({QStringLiteral("version")}), "xdotool is missing");
}

void tst_FramelessWindowManager::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_FramelessWindowManager::altF4SwallowedByDialogContainer()
{
    VNDialogFramelessContainer container(0);
    QSignalSpy willHide(&container, &VNDialogFramelessContainer::willHide);
    CloseEventCounter closes;
    container.installEventFilter(&closes);
    container.setGeometry(200, 150, 400, 300);
    showActive(&container);

    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")}));
    QTRY_COMPARE(closes.count, 1);
    QTest::qWait(100);
    QVERIFY(container.isVisible());
    QCOMPARE(willHide.count(), 0);
}

void tst_FramelessWindowManager::altF4RunsGuardedClose_data()
{
    QTest::addColumn<bool>("allow");
    QTest::newRow("guard allows") << true;
    QTest::newRow("guard refuses") << false;
}

void tst_FramelessWindowManager::altF4RunsGuardedClose()
{
    QFETCH(bool, allow);
    VNMainWindowFramelessContainer container;
    container.setMainWindow(new QMainWindow(&container));
    QSignalSpy closed(&container, &VNMainWindowFramelessContainer::closed);
    int asked = 0;
    container.setCloseGuard([&] {
        ++asked;
        return allow;
    });
    container.setGeometry(200, 150, 500, 350);
    showActive(&container);

    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")}));
    QTRY_COMPARE(asked, 1);
    QTRY_COMPARE(container.isVisible(), !allow);
    QCOMPARE(closed.count(), allow ? 1 : 0);
}

void tst_FramelessWindowManager::windowManagerMaximisesAndRestores()
{
    VNMainWindowFramelessContainer container;
    container.setMainWindow(new QMainWindow(&container));
    container.setGeometry(200, 150, 500, 350);
    showActive(&container);
    QWidget *frame = container.frameWidget();
    auto *restoreButton = container.findChild<QWidget *>(QStringLiteral("restoreButton"));
    QCOMPARE(lookOf(frame), QStringLiteral("Actived-Normal"));

    askWindowManagerToMaximise(&container, true);
    QTRY_VERIFY(container.isMaximized());
    QCOMPARE(lookOf(frame), QStringLiteral("Actived-Maximum"));
    QCOMPARE(frame->graphicsEffect(), nullptr);
    QCOMPARE(container.layout()->contentsMargins(), QMargins());
    QVERIFY(!restoreButton->isHidden());
    QTRY_COMPARE(container.geometry(), container.screen()->availableGeometry());

    askWindowManagerToMaximise(&container, false);
    QTRY_COMPARE(container.windowState(), Qt::WindowNoState);
    QCOMPARE(lookOf(frame), QStringLiteral("Actived-Normal"));
    QCOMPARE(container.layout()->contentsMargins(), QMargins(15, 15, 15, 15));
    QVERIFY(restoreButton->isHidden());
    QTRY_COMPARE(container.geometry(), QRect(200, 150, 500, 350));
}

void tst_FramelessWindowManager::dragTitleBar()
{
    VNMainWindowFramelessContainer container;
    container.setMainWindow(new QMainWindow(&container));
    container.setGeometry(200, 150, 500, 350);
    showActive(&container);
    QTRY_COMPARE(container.geometry(), QRect(200, 150, 500, 350));
    auto *titleBar = container.findChild<QWidget *>(QStringLiteral("windowTitlebar"));
    const QPoint grip = titleBar->mapToGlobal(QPoint(120, 20));
    const auto number = [](int value) { return QString::number(value); };

    QVERIFY(xdotool({QStringLiteral("mousemove"), number(grip.x()), number(grip.y())}));
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QVERIFY(xdotool({QStringLiteral("mousemove"), number(grip.x() + 30), number(grip.y() + 10)}));
    QVERIFY(xdotool({QStringLiteral("mousemove"), number(grip.x() + 90), number(grip.y() + 60)}));
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_COMPARE(container.geometry(), QRect(290, 210, 500, 350));
    // The cursor is still over the same point of the title bar.
    QCOMPARE(titleBar->mapToGlobal(QPoint(120, 20)), grip + QPoint(90, 60));
}

void tst_FramelessWindowManager::dragRightEdge()
{
    VNMainWindowFramelessContainer container;
    container.setMainWindow(new QMainWindow(&container));
    container.setGeometry(200, 150, 500, 350);
    showActive(&container);
    QTRY_COMPARE(container.geometry(), QRect(200, 150, 500, 350));
    // On the transparent shadow margin, 5 pixels inside the right side.
    const QPoint grip(694, 300);
    const auto number = [](int value) { return QString::number(value); };

    QVERIFY(xdotool({QStringLiteral("mousemove"), number(grip.x()), number(grip.y())}));
    QTRY_COMPARE(container.cursor().shape(), Qt::SizeHorCursor);
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QVERIFY(xdotool({QStringLiteral("mousemove"), number(grip.x() + 80), number(grip.y() + 20)}));
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_COMPARE(container.geometry(), QRect(200, 150, 574, 350));
    QTRY_COMPARE(container.cursor().shape(), Qt::ArrowCursor);
}

QTEST_MAIN(tst_FramelessWindowManager)
#include "tst_framelesswindowmanager.moc"

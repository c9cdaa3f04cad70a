// The frameless containers under a real X11 window manager (openbox on Xvfb): its close request, maximise and
// restore as it carries them out, and a drag of the title bar with real pointer events.
#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
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
    void altF4_data();
    void altF4();
    void maximiseRestoreAndDrag();
};

void tst_FramelessWindowManager::altF4_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<bool>("allow"); // what the main-window container's close guard answers
    QTest::newRow("dialog container swallows it") << true << true;
    QTest::newRow("guard allows") << false << true;
    QTest::newRow("guard refuses") << false << false;
}

void tst_FramelessWindowManager::altF4()
{
    QFETCH(bool, dialog);
    QFETCH(bool, allow);
    int asked = 0;
    VNDialogFramelessContainer dialogContainer(0);
    VNMainWindowFramelessContainer mainContainer;
    mainContainer.setCloseGuard([&] { return ++asked, allow; });
    QWidget *container = dialog ? static_cast<QWidget *>(&dialogContainer) : &mainContainer;
    QSignalSpy ended(container, dialog ? SIGNAL(willHide()) : SIGNAL(closed()));
    EventCounter closeEvents;
    container->installEventFilter(&closeEvents);
    showActive(container);

    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")}));
    QTRY_COMPARE(closeEvents.spontaneousCloses, 1);
    // The close that the container decides on runs once the window manager's event has returned.
    QCoreApplication::processEvents();
    QCOMPARE(asked, dialog ? 0 : 1);
    QCOMPARE(container->isVisible(), dialog || !allow);
    QCOMPARE(ended.count(), dialog || !allow ? 0 : 1);
}

void tst_FramelessWindowManager::maximiseRestoreAndDrag()
{
    VNMainWindowFramelessContainer container;
    showActive(&container);
    // The native window asks the window manager, as a task bar would; the widget learns of the new state
    // only from the window manager's answer.
    container.windowHandle()->setWindowStates(Qt::WindowMaximized);
    QCOMPARE(container.windowState(), Qt::WindowNoState);
    QTRY_VERIFY(container.isMaximized());
    QCOMPARE(appearance(&container), QStringLiteral("Actived-Maximum, margin 0, no shadow, restore"));
    QTRY_COMPARE(container.geometry(), container.screen()->availableGeometry());
    container.windowHandle()->setWindowStates(Qt::WindowNoState);
    QTRY_COMPARE(container.windowState(), Qt::WindowNoState);
    QCOMPARE(appearance(&container), QStringLiteral("Actived-Normal, margin 15, Highlight shadow, maximise"));
    QTRY_COMPARE(container.geometry(), QRect(200, 150, 500, 350));

    // The cursor stays over the point of the title bar where the drag began.
    const QPoint grip = container.findChild<WindowDragger *>()->mapToGlobal(QPoint(120, 20));
    const auto moveTo = [grip](int dx, int dy) {
        return QStringList({"mousemove", QString::number(grip.x() + dx), QString::number(grip.y() + dy)});
    };
    QVERIFY(xdotool(moveTo(0, 0) + QStringList({"mousedown", "1"}) + moveTo(30, 10) + moveTo(90, 60) +
                    QStringList({"mouseup", "1"})));
    QTRY_COMPARE(container.geometry(), QRect(290, 210, 500, 350));
}

QTEST_MAIN(tst_FramelessWindowManager)
#include "tst_framelesswindowmanager.moc"

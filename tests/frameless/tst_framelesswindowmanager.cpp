// The frameless containers under a real X11 window manager (openbox on Xvfb): its close request to a dialog
// and a drag of the title bar with real pointer events.
#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

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
    void altF4ToDialogIgnored();
    void titleBarDrag();
};

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
    // The cursor stays over the point of the title bar where the drag began.
    const QPoint grip = container.findChild<WindowDragger *>()->mapToGlobal(QPoint(120, 20));
    const auto moveTo = [grip](int dx, int dy) {
        return QStringList({"mousemove", QString::number(grip.x() + dx), QString::number(grip.y() + dy)});
    };
    const QStringList press({"mousedown", "1"}), release({"mouseup", "1"});
    QCOMPARE(QProcess::execute("xdotool", moveTo(0, 0) + press + moveTo(30, 10) + moveTo(90, 60) + release),
             0);
    QTRY_COMPARE(container.geometry(), QRect(290, 210, 500, 350));
}

QTEST_MAIN(tst_FramelessWindowManager)
#include "tst_framelesswindowmanager.moc"

#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QDesktopWidget>
#include <QDialog>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

void showAt(QWidget *container, const QRect &geometry)
{
    container->setGeometry(geometry);
    container->show();
    QVERIFY(QTest::qWaitForWindowExposed(container));
    setApplicationState(Qt::ApplicationActive);
}

} // namespace

class tst_FramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void hitTestAndResize_data();
    void hitTestAndResize();
    void maximiseRestoreAndLooks_data();
    void maximiseRestoreAndLooks();
    void badInput();
};

void tst_FramelessContainer::hitTestAndResize_data()
{
    // The window reaches beyond the bottom of the desktop, so that drags near its far side are possible. Its
    // edge bands are 15 pixels wide and include both ends; x = 500 is one beyond its right side.
    const QRect unchanged(100, 100, 400, 560);
    const int h = QApplication::desktop()->height();
    const int ver = Qt::SizeVerCursor, hor = Qt::SizeHorCursor, arrow = Qt::ArrowCursor;
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("top, 15 px inside")
        << QPoint(200, 115) << ver << QPoint(200, 50) << QRect(100, 50, 400, 610);
    QTest::newRow("16 px inside the top") << QPoint(200, 116) << arrow << QPoint(200, 50) << unchanged;
    QTest::newRow("top at 1") << QPoint(200, 100) << ver << QPoint(200, 1) << QRect(100, 1, 400, 659);
    QTest::newRow("top at 0") << QPoint(200, 100) << ver << QPoint(200, 0) << unchanged;
    QTest::newRow("top at H-50") << QPoint(200, 100) << ver << QPoint(200, h - 50) << unchanged;
    QTest::newRow("top-left at x 0") << QPoint(100, 100) << int(Qt::SizeFDiagCursor) << QPoint(0, 200)
                                     << unchanged;
    QTest::newRow("right, one beyond")
        << QPoint(500, 300) << hor << QPoint(600, 320) << QRect(100, 100, 500, 560);
    QTest::newRow("bottom onto the top side") << QPoint(300, 660) << ver << QPoint(300, 100) << unchanged;
}

void tst_FramelessContainer::hitTestAndResize()
{
    QFETCH(QPoint, press);
    QFETCH(int, cursor);
    QFETCH(QPoint, target);
    QFETCH(QRect, expected);
    const QRect start(100, 100, 400, 560);
    VNMainWindowFramelessContainer c;
    showAt(&c, start);
    // A move over any widget sets the cursor, off the edges an explicit arrow.
    sendMouse(c.frameWidget(), QEvent::MouseMove, press, Qt::NoButton);
    QVERIFY(c.testAttribute(Qt::WA_SetCursor));
    QCOMPARE(int(c.cursor().shape()), cursor);
    sendMouse(&c, QEvent::MouseButtonPress, press);
    sendMouse(&c, QEvent::MouseMove, target);
    QCOMPARE(c.geometry(), expected);
    // A release anywhere in the application ends the gesture.
    sendMouse(button(&c, "close"), QEvent::MouseButtonRelease, target);
    QCOMPARE(c.cursor().shape(), Qt::ArrowCursor);
    sendMouse(&c, QEvent::MouseMove, press);
    QCOMPARE(c.geometry(), expected);
}

void tst_FramelessContainer::maximiseRestoreAndLooks_data()
{
    QTest::addColumn<bool>("dialog");
    QTest::addColumn<QRect>("geometry");
    // A window at the origin is remembered and set back by restore, an ordinary one is left to the platform.
    QTest::newRow("dialog at the origin") << true << QRect(0, 0, 300, 200);
    QTest::newRow("main window, ordinary") << false << QRect(100, 80, 300, 200);
}

void tst_FramelessContainer::maximiseRestoreAndLooks()
{
    QFETCH(bool, dialog);
    QFETCH(QRect, geometry);
    const QString normal = QStringLiteral("Actived-Normal, margin 15, Highlight shadow, maximise");
    const QString inactive = QStringLiteral("Deactived-Normal, margin 15, Shadow shadow, maximise");
    VNDialogFramelessContainer dialogContainer(1);
    dialogContainer.setShadowEnabled(true); // so that both containers show the same normal look
    VNMainWindowFramelessContainer mainContainer;
    QWidget *c = dialog ? static_cast<QWidget *>(&dialogContainer) : &mainContainer;
    showAt(c, geometry);
    QCOMPARE(appearance(c), normal);
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(appearance(c), inactive);
    setApplicationState(Qt::ApplicationActive);
    // Presses on the edges of a maximised window do nothing.
    button(c, "maximize")->click();
    QTRY_COMPARE(c->geometry(), c->windowHandle()->screen()->availableGeometry());
    const QPoint edge = c->geometry().topLeft() + QPoint(5, 100);
    sendMouse(c, QEvent::MouseButtonPress, edge);
    sendMouse(c, QEvent::MouseMove, edge + QPoint(100, 0));
    QCOMPARE(c->geometry(), c->windowHandle()->screen()->availableGeometry());
    QVERIFY(!c->testAttribute(Qt::WA_SetCursor));
    // The maximised window keeps its look; restoring while inactive ends with the inactive look.
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(appearance(c), QStringLiteral("Actived-Maximum, margin 0, no shadow, restore"));
    button(c, "restore")->click();
    QTRY_COMPARE(c->geometry(), geometry);
    QCOMPARE(appearance(c), inactive);
}

void tst_FramelessContainer::badInput()
{
    VNDialogFramelessContainer dialogContainer(0);
    auto *dialog = new QDialog(&dialogContainer);
    dialogContainer.setDialog(dialog);
    QTest::ignoreMessage(QtWarningMsg, "VNDialogFramelessContainer::setDialog: no dialog given");
    dialogContainer.setDialog(nullptr);
    QCOMPARE(dialogContainer.dialog(), dialog);
}

QTEST_MAIN(tst_FramelessContainer)
#include "tst_framelesscontainer.moc"

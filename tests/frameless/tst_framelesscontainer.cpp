#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QDesktopWidget>
#include <QDialog>
#include <QMainWindow>
#include <QProxyStyle>
#include <QScreen>
#include <QTest>

namespace {

// Counts how often each widget is polished, to see the look's property re-polish a widget only on change.
struct CountingStyle : QProxyStyle
{
    using QProxyStyle::polish;
    void polish(QWidget *widget) override
    {
        ++polishes[widget];
        QProxyStyle::polish(widget);
    }
    QHash<const QWidget *, int> polishes;
};

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
    const int fDiag = Qt::SizeFDiagCursor, bDiag = Qt::SizeBDiagCursor;
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("top, 15 px inside")
        << QPoint(200, 115) << ver << QPoint(200, 50) << QRect(100, 50, 400, 610);
    QTest::newRow("16 px inside the top") << QPoint(200, 116) << arrow << QPoint(200, 50) << unchanged;
    QTest::newRow("top at 1") << QPoint(200, 100) << ver << QPoint(200, 1) << QRect(100, 1, 400, 659);
    QTest::newRow("top at 0") << QPoint(200, 100) << ver << QPoint(200, 0) << unchanged;
    QTest::newRow("top at H-51") << QPoint(200, 100) << ver << QPoint(200, h - 51)
                                 << QRect(100, h - 51, 400, 711 - h);
    QTest::newRow("top at H-50") << QPoint(200, 100) << ver << QPoint(200, h - 50) << unchanged;
    QTest::newRow("top-left at H-50")
        << QPoint(100, 100) << fDiag << QPoint(150, h - 50) << QRect(150, h - 50, 350, 710 - h);
    QTest::newRow("top-left at x 0") << QPoint(100, 100) << fDiag << QPoint(0, 200) << unchanged;
    QTest::newRow("left, 15 px inside")
        << QPoint(115, 300) << hor << QPoint(50, 300) << QRect(50, 100, 450, 560);
    QTest::newRow("16 px inside the left") << QPoint(116, 300) << arrow << QPoint(50, 300) << unchanged;
    QTest::newRow("left at W-50") << QPoint(100, 300) << hor
                                  << QPoint(QApplication::desktop()->width() - 50, 300) << unchanged;
    QTest::newRow("right, one beyond")
        << QPoint(500, 300) << hor << QPoint(600, 320) << QRect(100, 100, 500, 560);
    QTest::newRow("right, 15 px inside, onto the left side")
        << QPoint(485, 300) << hor << QPoint(100, 300) << unchanged;
    QTest::newRow("16 px inside the right") << QPoint(484, 300) << arrow << QPoint(600, 300) << unchanged;
    QTest::newRow("top-right") << QPoint(500, 100) << bDiag << QPoint(650, 60) << QRect(100, 60, 550, 600);
    QTest::newRow("top-right at H-50") << QPoint(500, 100) << bDiag << QPoint(650, h - 50) << unchanged;
    QTest::newRow("bottom onto the top side") << QPoint(300, 660) << ver << QPoint(300, 100) << unchanged;
    QTest::newRow("bottom-left") << QPoint(100, 660) << bDiag << QPoint(60, 500) << QRect(60, 100, 440, 400);
    QTest::newRow("bottom-right, 15 px inside")
        << QPoint(485, 645) << fDiag << QPoint(700, 700) << QRect(100, 100, 600, 600);
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
    EventCounter changes;
    c.installEventFilter(&changes);
    // A move over any widget sets the cursor (off the edges an explicit arrow) only when its shape changes.
    sendMouse(c.frameWidget(), QEvent::MouseMove, press, Qt::NoButton);
    QVERIFY(c.testAttribute(Qt::WA_SetCursor));
    QCOMPARE(int(c.cursor().shape()), cursor);
    const int changesOfOneSetting = changes.cursorChanges;
    QVERIFY(changesOfOneSetting > 0);
    sendMouse(&c, QEvent::MouseButtonPress, press);
    sendMouse(&c, QEvent::MouseMove, target);
    QCOMPARE(c.geometry(), expected);
    QCOMPARE(changes.cursorChanges, changesOfOneSetting);
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
    const int areaWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (const bool dialog : {true, false}) {
        // The first two are remembered and set back by restore, the ordinary window is left to the platform.
        const char *kind = dialog ? "dialog" : "main window";
        QTest::addRow("%s at the origin", kind) << dialog << QRect(0, 0, 300, 200);
        QTest::addRow("%s as wide as the area", kind) << dialog << QRect(30, 40, areaWidth, 200);
        QTest::addRow("%s ordinary", kind) << dialog << QRect(100, 80, 300, 200);
    }
}

void tst_FramelessContainer::maximiseRestoreAndLooks()
{
    QFETCH(bool, dialog);
    QFETCH(QRect, geometry);
    const QString normal = QStringLiteral("Actived-Normal, margin 15, Highlight shadow, maximise");
    const QString inactive = QStringLiteral("Deactived-Normal, margin 15, Shadow shadow, maximise");
    auto *style = new CountingStyle;
    QApplication::setStyle(style);
    VNDialogFramelessContainer dialogContainer(1);
    dialogContainer.setShadowEnabled(true); // so that both containers show the same normal look
    VNMainWindowFramelessContainer mainContainer;
    QWidget *c = dialog ? static_cast<QWidget *>(&dialogContainer) : &mainContainer;
    showAt(c, geometry);
    const QWidget *frame = c->layout()->itemAt(0)->widget();
    const int polishes = style->polishes.value(frame);
    QCOMPARE(appearance(c), normal);
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(appearance(c), inactive);
    setApplicationState(Qt::ApplicationActive);
    QCOMPARE(style->polishes.value(frame), polishes + 2);
    // Maximising sets the look twice but polishes once; presses on the edges do nothing then.
    button(c, "maximize")->click();
    QTRY_COMPARE(c->geometry(), c->screen()->availableGeometry());
    QCOMPARE(style->polishes.value(frame), polishes + 3);
    const QPoint edge = c->geometry().topLeft() + QPoint(5, 100);
    sendMouse(c, QEvent::MouseButtonPress, edge);
    sendMouse(c, QEvent::MouseMove, edge + QPoint(100, 0));
    QCOMPARE(c->geometry(), c->screen()->availableGeometry());
    QVERIFY(!c->testAttribute(Qt::WA_SetCursor));
    // The maximised window keeps its look; restoring while inactive ends with the inactive look.
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(appearance(c), QStringLiteral("Actived-Maximum, margin 0, no shadow, restore"));
    button(c, "restore")->click();
    QCOMPARE(c->windowState(), Qt::WindowNoState);
    QTRY_COMPARE(c->geometry(), geometry);
    QCOMPARE(appearance(c), inactive);
    // The press while maximised started no gesture: a move only changes the cursor.
    sendMouse(c, QEvent::MouseMove, geometry.topLeft() + QPoint(5, 100), Qt::NoButton);
    QCOMPARE(c->geometry(), geometry);
    QCOMPARE(c->cursor().shape(), Qt::SizeHorCursor);

    // Full screen takes the maximised look at the next change of the application's state.
    c->showFullScreen();
    QTRY_VERIFY(c->isFullScreen());
    QCOMPARE(appearance(c), inactive);
    setApplicationState(Qt::ApplicationActive);
    QCOMPARE(appearance(c), QStringLiteral("Actived-Maximum, margin 0, no shadow, maximise"));
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(appearance(c), QStringLiteral("Deactived-Maximum, margin 0, no shadow, maximise"));
}

void tst_FramelessContainer::badInput()
{
    VNDialogFramelessContainer dialogContainer(0);
    auto *dialog = new QDialog(&dialogContainer);
    dialogContainer.setDialog(dialog);
    QTest::ignoreMessage(QtWarningMsg, "VNDialogFramelessContainer::setDialog: no dialog given");
    dialogContainer.setDialog(nullptr);
    QCOMPARE(dialogContainer.dialog(), dialog);

    VNMainWindowFramelessContainer mainContainer;
    auto *window = new QMainWindow(&mainContainer);
    mainContainer.setMainWindow(window);
    auto *first = new QWidget;
    mainContainer.addTitleBarWidget(first);
    QTest::ignoreMessage(QtWarningMsg, "VNMainWindowFramelessContainer::setMainWindow: no main window given");
    mainContainer.setMainWindow(nullptr);
    QCOMPARE(mainContainer.mainWindow(), window);
    QTest::ignoreMessage(QtWarningMsg, "VNMainWindowFramelessContainer::addTitleBarWidget: no widget given");
    mainContainer.addTitleBarWidget(nullptr);
    QCOMPARE(mainContainer.titleBarWidget(), first);
}

QTEST_MAIN(tst_FramelessContainer)
#include "tst_framelesscontainer.moc"

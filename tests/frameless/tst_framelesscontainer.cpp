#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QDesktopWidget>
#include <QLayout>
#include <QProxyStyle>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// Counts how often each widget is polished, to see the look's property re-polish a widget only on change.
class CountingStyle : public QProxyStyle
{
public:
    using QProxyStyle::polish;
    void polish(QWidget *widget) override
    {
        ++polishes[widget];
        QProxyStyle::polish(widget);
    }
    QHash<const QWidget *, int> polishes;
};

CountingStyle *countingStyle = nullptr;

// Counts the cursor changes of the widget it watches: each setCursor() sends one and reaches the platform.
class CursorChangeCounter : public QObject
{
public:
    explicit CursorChangeCounter(int *count)
        : count(count)
    {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::CursorChange)
            ++*count;
        return false;
    }

private:
    int *count;
};

// Either container, with the shared parts found by their form names. The dialog container gets its shadow so
// that both show the same normal look.
struct Container
{
    explicit Container(const QByteArray &kind)
    {
        if (kind == "dialog") {
            auto *dialogContainer = new VNDialogFramelessContainer(1);
            dialogContainer->setShadowEnabled(true);
            dialogContainer->setCloseCallback([] {});
            widget.reset(dialogContainer);
            frame = dialogContainer->frameWidget();
            titleBar = widget->findChild<QWidget *>(QStringLiteral("titlebar_widget"));
            maximizeButton = widget->findChild<QToolButton *>(QStringLiteral("maximize_toolButton"));
            restoreButton = widget->findChild<QToolButton *>(QStringLiteral("restore_toolButton"));
        } else {
            auto *mainContainer = new VNMainWindowFramelessContainer;
            widget.reset(mainContainer);
            frame = mainContainer->frameWidget();
            titleBar = widget->findChild<QWidget *>(QStringLiteral("windowTitlebar"));
            maximizeButton = widget->findChild<QToolButton *>(QStringLiteral("maximizeButton"));
            restoreButton = widget->findChild<QToolButton *>(QStringLiteral("restoreButton"));
        }
    }
    void show(const QRect &geometry)
    {
        widget->setGeometry(geometry);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        setApplicationState(Qt::ApplicationActive);
    }
    int margin() const { return widget->layout()->contentsMargins().left(); }
    QColor highlight() const { return widget->palette().color(QPalette::Highlight); }
    QColor shadow() const { return widget->palette().color(QPalette::Shadow); }
    bool showsRestoreButton() const { return !restoreButton->isHidden() && maximizeButton->isHidden(); }

    std::unique_ptr<QWidget> widget;
    QWidget *frame = nullptr;
    QWidget *titleBar = nullptr;
    QToolButton *maximizeButton = nullptr;
    QToolButton *restoreButton = nullptr;
};

void addKinds()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::newRow("dialog") << QByteArray("dialog");
    QTest::newRow("main window") << QByteArray("main window");
}

// Resize limits as the containers find them: the whole desktop.
QSize limits()
{
    return QApplication::desktop()->size();
}

} // namespace

class tst_FramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void hitTest_data();
    void hitTest();
    void cursorSetOnlyOnChange();
    void pressAndReleaseSetTheCursor();
    void resize_data();
    void resize();
    void pressPassedOnByChildren();
    void nothingWhileMaximised();
    void looksFollowApplicationState_data();
    void looksFollowApplicationState();
    void fullScreenTakesLookAtNextChange();
    void lookRepolishesOnlyOnChange();
    void maximiseAndRestore_data();
    void maximiseAndRestore();
    void windowStateChanges();
};

void tst_FramelessContainer::initTestCase()
{
    countingStyle = new CountingStyle;
    QApplication::setStyle(countingStyle);
    setApplicationState(Qt::ApplicationActive);
}

void tst_FramelessContainer::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_FramelessContainer::hitTest_data()
{
    // Offsets from the geometry's top-left; the geometry is 400 x 300, so x = 400 is one beyond the right
    // side.
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<int>("cursor");
    QTest::newRow("left edge") << QPoint(0, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("15 px inside left") << QPoint(15, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("16 px inside left") << QPoint(16, 150) << int(Qt::ArrowCursor);
    QTest::newRow("one beyond right") << QPoint(400, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("15 px inside right") << QPoint(385, 150) << int(Qt::SizeHorCursor);
    QTest::newRow("16 px inside right") << QPoint(384, 150) << int(Qt::ArrowCursor);
    QTest::newRow("15 px inside top") << QPoint(200, 15) << int(Qt::SizeVerCursor);
    QTest::newRow("16 px inside top") << QPoint(200, 16) << int(Qt::ArrowCursor);
    QTest::newRow("one beyond bottom") << QPoint(200, 300) << int(Qt::SizeVerCursor);
    QTest::newRow("16 px inside bottom") << QPoint(200, 284) << int(Qt::ArrowCursor);
    QTest::newRow("top-left") << QPoint(0, 0) << int(Qt::SizeFDiagCursor);
    QTest::newRow("top-right") << QPoint(400, 0) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-left") << QPoint(15, 285) << int(Qt::SizeBDiagCursor);
    QTest::newRow("bottom-right") << QPoint(385, 285) << int(Qt::SizeFDiagCursor);
    QTest::newRow("inside") << QPoint(200, 150) << int(Qt::ArrowCursor);
    QTest::newRow("outside") << QPoint(500, 150) << int(Qt::ArrowCursor);
}

void tst_FramelessContainer::hitTest()
{
    QFETCH(QPoint, offset);
    QFETCH(int, cursor);
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    // Any widget's move reaches the container's filter.
    sendMouse(c.frame, QEvent::MouseMove, QPoint(100, 100) + offset, Qt::NoButton);
    QVERIFY(c.widget->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(int(c.widget->cursor().shape()), cursor);
}

void tst_FramelessContainer::cursorSetOnlyOnChange()
{
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    int changes = 0;
    CursorChangeCounter counter(&changes);
    c.widget->installEventFilter(&counter);
    const auto moveTo = [&](int x) { sendMouse(c.frame, QEvent::MouseMove, QPoint(x, 250), Qt::NoButton); };
    moveTo(101);
    const int perSetting = changes;
    QVERIFY(perSetting > 0);
    // Further moves on the left edge, then inside, then on the edge again: only the changes of shape count.
    moveTo(105);
    moveTo(110);
    QCOMPARE(changes, perSetting);
    moveTo(300);
    moveTo(310);
    QCOMPARE(changes, 2 * perSetting);
    moveTo(102);
    moveTo(103);
    QCOMPARE(changes, 3 * perSetting);
    QCOMPARE(c.widget->cursor().shape(), Qt::SizeHorCursor);
}

void tst_FramelessContainer::pressAndReleaseSetTheCursor()
{
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    sendMouse(c.widget.get(), QEvent::MouseButtonPress, QPoint(102, 398));
    QCOMPARE(c.widget->cursor().shape(), Qt::SizeBDiagCursor);
    // During the gesture the cursor stays, wherever the mouse goes.
    sendMouse(c.frame, QEvent::MouseMove, QPoint(80, 420));
    QCOMPARE(c.widget->cursor().shape(), Qt::SizeBDiagCursor);
    // Any release in the application ends it.
    sendMouse(c.titleBar, QEvent::MouseButtonRelease, QPoint(80, 420));
    QCOMPARE(c.widget->cursor().shape(), Qt::ArrowCursor);
    const QRect afterGesture = c.widget->geometry();
    sendMouse(c.frame, QEvent::MouseMove, QPoint(60, 440));
    QCOMPARE(c.widget->geometry(), afterGesture);
}

void tst_FramelessContainer::resize_data()
{
    // The window reaches beyond the bottom of the desktop, so that drags near its far side are possible.
    const QRect g(100, 100, 400, 560);
    const int h = limits().height();
    const int w = limits().width();
    const QRect unchanged = g;
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("top") << QPoint(200, 100) << QPoint(200, 50) << QRect(100, 50, 400, 610);
    QTest::newRow("top at 1") << QPoint(200, 100) << QPoint(200, 1) << QRect(100, 1, 400, 659);
    QTest::newRow("top at 0") << QPoint(200, 100) << QPoint(200, 0) << unchanged;
    QTest::newRow("top at H-51") << QPoint(200, 100) << QPoint(200, h - 51)
                                 << QRect(100, h - 51, 400, 711 - h);
    QTest::newRow("top at H-50") << QPoint(200, 100) << QPoint(200, h - 50) << unchanged;
    QTest::newRow("top-left at H-50")
        << QPoint(100, 100) << QPoint(150, h - 50) << QRect(150, h - 50, 350, 710 - h);
    QTest::newRow("top-left at x 0") << QPoint(100, 100) << QPoint(0, 200) << unchanged;
    QTest::newRow("top-left at y 0") << QPoint(100, 100) << QPoint(50, 0) << unchanged;
    QTest::newRow("left") << QPoint(100, 300) << QPoint(50, 300) << QRect(50, 100, 450, 560);
    QTest::newRow("left at 0") << QPoint(100, 300) << QPoint(0, 300) << unchanged;
    QTest::newRow("left at W-50") << QPoint(100, 300) << QPoint(w - 50, 300) << unchanged;
    QTest::newRow("right") << QPoint(500, 300) << QPoint(600, 320) << QRect(100, 100, 500, 560);
    QTest::newRow("right onto the left side") << QPoint(500, 300) << QPoint(100, 300) << unchanged;
    QTest::newRow("top-right") << QPoint(500, 100) << QPoint(650, 60) << QRect(100, 60, 550, 600);
    QTest::newRow("top-right at y 0") << QPoint(500, 100) << QPoint(650, 0) << unchanged;
    QTest::newRow("top-right at H-50") << QPoint(500, 100) << QPoint(650, h - 50) << unchanged;
    QTest::newRow("top-right onto the left side") << QPoint(500, 100) << QPoint(99, 60) << unchanged;
    QTest::newRow("bottom") << QPoint(300, 660) << QPoint(280, 500) << QRect(100, 100, 400, 400);
    QTest::newRow("bottom onto the top side") << QPoint(300, 660) << QPoint(300, 100) << unchanged;
    QTest::newRow("bottom-left") << QPoint(100, 660) << QPoint(60, 500) << QRect(60, 100, 440, 400);
    QTest::newRow("bottom-left at x 0") << QPoint(100, 660) << QPoint(0, 500) << unchanged;
    QTest::newRow("bottom-right") << QPoint(500, 660) << QPoint(700, 700) << QRect(100, 100, 600, 600);
    QTest::newRow("bottom-right onto the left side") << QPoint(500, 660) << QPoint(99, 700) << unchanged;
    QTest::newRow("no edge") << QPoint(300, 300) << QPoint(350, 350) << unchanged;
}

void tst_FramelessContainer::resize()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, target);
    QFETCH(QRect, expected);
    Container c("main window");
    c.show(QRect(100, 100, 400, 560));
    sendMouse(c.widget.get(), QEvent::MouseButtonPress, press);
    sendMouse(c.widget.get(), QEvent::MouseMove, target);
    QCOMPARE(c.widget->geometry(), expected);
    // Every step starts again from the geometry at the press.
    sendMouse(c.widget.get(), QEvent::MouseMove, press);
    QCOMPARE(c.widget->geometry(), QRect(100, 100, 400, 560));
    sendMouse(c.widget.get(), QEvent::MouseButtonRelease, press);
}

void tst_FramelessContainer::pressPassedOnByChildren()
{
    // Without shadow the band lies over the frame: a child that ignores the press passes it on to the
    // container, a button keeps it.
    VNDialogFramelessContainer container(1);
    container.setCloseCallback([] {});
    container.setGeometry(100, 100, 400, 300);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QCOMPARE(container.layout()->contentsMargins(), QMargins());

    auto *content = container.findChild<QWidget *>(QStringLiteral("content_widget"));
    sendMouse(content, QEvent::MouseButtonPress, QPoint(300, 395));
    sendMouse(content, QEvent::MouseMove, QPoint(300, 450));
    sendMouse(content, QEvent::MouseButtonRelease, QPoint(300, 450));
    QCOMPARE(container.geometry(), QRect(100, 100, 400, 350));

    auto *close = container.findChild<QToolButton *>(QStringLiteral("close_toolButton"));
    const QPoint onClose = close->mapToGlobal(QPoint(close->width() - 2, 2));
    QCOMPARE(container.cursor().shape(), Qt::ArrowCursor);
    sendMouse(close, QEvent::MouseMove, onClose, Qt::NoButton);
    QCOMPARE(container.cursor().shape(), Qt::SizeBDiagCursor);
    sendMouse(close, QEvent::MouseButtonPress, onClose);
    sendMouse(close, QEvent::MouseMove, onClose + QPoint(50, -50));
    sendMouse(close, QEvent::MouseButtonRelease, onClose + QPoint(50, -50));
    QCOMPARE(container.geometry(), QRect(100, 100, 400, 350));
}

void tst_FramelessContainer::nothingWhileMaximised()
{
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    c.maximizeButton->click();
    QVERIFY(c.widget->isMaximized());
    const QRect maximised = c.widget->geometry();
    const QPoint edge = maximised.topLeft() + QPoint(5, 100);
    sendMouse(c.widget.get(), QEvent::MouseMove, edge, Qt::NoButton);
    sendMouse(c.widget.get(), QEvent::MouseButtonPress, edge);
    sendMouse(c.widget.get(), QEvent::MouseMove, edge + QPoint(100, 0));
    QCOMPARE(c.widget->geometry(), maximised);
    QVERIFY(!c.widget->testAttribute(Qt::WA_SetCursor));

    // The press while maximised started nothing: after restoring, moves only change the cursor.
    c.restoreButton->click();
    const QRect restored = c.widget->geometry();
    sendMouse(c.widget.get(), QEvent::MouseMove, restored.topLeft() + QPoint(5, 100));
    QCOMPARE(c.widget->geometry(), restored);
    QCOMPARE(c.widget->cursor().shape(), Qt::SizeHorCursor);
}

void tst_FramelessContainer::looksFollowApplicationState_data()
{
    addKinds();
}

void tst_FramelessContainer::looksFollowApplicationState()
{
    QFETCH(QByteArray, kind);
    Container c(kind);
    c.show(QRect(100, 100, 400, 300));
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Normal"));
    QCOMPARE(lookOf(c.titleBar), QStringLiteral("Actived-Normal"));
    QCOMPARE(shadowColourOf(c.frame), c.highlight());
    QCOMPARE(c.margin(), 15);

    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(lookOf(c.frame), QStringLiteral("Deactived-Normal"));
    QCOMPARE(lookOf(c.titleBar), QStringLiteral("Deactived-Normal"));
    QCOMPARE(shadowColourOf(c.frame), c.shadow());

    setApplicationState(Qt::ApplicationActive);
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Normal"));
    QCOMPARE(shadowColourOf(c.frame), c.highlight());

    // A maximised window keeps the look it was maximised with.
    c.maximizeButton->click();
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Maximum"));
    QCOMPARE(c.frame->graphicsEffect(), nullptr);
    QCOMPARE(c.margin(), 0);
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Maximum"));
    QCOMPARE(lookOf(c.titleBar), QStringLiteral("Actived-Maximum"));
    QCOMPARE(c.frame->graphicsEffect(), nullptr);

    // Restoring while inactive ends with the inactive look.
    c.restoreButton->click();
    QCOMPARE(lookOf(c.frame), QStringLiteral("Deactived-Normal"));
    QCOMPARE(shadowColourOf(c.frame), c.shadow());
    QCOMPARE(c.margin(), 15);
}

void tst_FramelessContainer::fullScreenTakesLookAtNextChange()
{
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    c.widget->showFullScreen();
    QTRY_VERIFY(c.widget->isFullScreen());
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Normal"));
    QCOMPARE(c.margin(), 15);

    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(lookOf(c.frame), QStringLiteral("Deactived-Maximum"));
    QCOMPARE(c.frame->graphicsEffect(), nullptr);
    QCOMPARE(c.margin(), 0);
    setApplicationState(Qt::ApplicationActive);
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Maximum"));
}

void tst_FramelessContainer::lookRepolishesOnlyOnChange()
{
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    const int before = countingStyle->polishes.value(c.frame);
    setApplicationState(Qt::ApplicationActive);
    QCOMPARE(countingStyle->polishes.value(c.frame), before);
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(countingStyle->polishes.value(c.frame), before + 1);
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(countingStyle->polishes.value(c.frame), before + 1);
}

void tst_FramelessContainer::maximiseAndRestore_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QRect>("geometry");
    const int areaWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    for (const QByteArray &kind : {QByteArray("dialog"), QByteArray("main window")}) {
        // The first two are remembered and set back by restore, the ordinary window is left to the platform.
        QTest::newRow(kind + " at the origin") << kind << QRect(0, 0, 300, 200);
        QTest::newRow(kind + " as wide as the area") << kind << QRect(30, 40, areaWidth, 200);
        QTest::newRow(kind + " ordinary") << kind << QRect(100, 80, 300, 200);
    }
}

void tst_FramelessContainer::maximiseAndRestore()
{
    QFETCH(QByteArray, kind);
    QFETCH(QRect, geometry);
    Container c(kind);
    c.show(geometry);
    c.maximizeButton->click();
    QVERIFY(c.widget->isMaximized());
    QTRY_COMPARE(c.widget->geometry(), c.widget->screen()->availableGeometry());
    QVERIFY(c.showsRestoreButton());
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Maximum"));
    QCOMPARE(c.frame->graphicsEffect(), nullptr);
    QCOMPARE(c.margin(), 0);

    c.restoreButton->click();
    QCOMPARE(c.widget->windowState(), Qt::WindowNoState);
    QTRY_COMPARE(c.widget->geometry(), geometry);
    QVERIFY(!c.showsRestoreButton());
    QVERIFY(!c.maximizeButton->isHidden());
    QCOMPARE(lookOf(c.frame), QStringLiteral("Actived-Normal"));
    QCOMPARE(shadowColourOf(c.frame), c.highlight());
    QCOMPARE(c.margin(), 15);
}

void tst_FramelessContainer::windowStateChanges()
{
    Container c("main window");
    c.show(QRect(100, 100, 400, 300));
    c.widget->setWindowState(Qt::WindowMaximized);
    QVERIFY(c.showsRestoreButton());
    QCOMPARE(lookOf(c.titleBar), QStringLiteral("Actived-Maximum"));
    QCOMPARE(c.margin(), 0);

    // Back to normal from outside the container: the active look, whatever the application's state.
    setApplicationState(Qt::ApplicationInactive);
    c.widget->setWindowState(Qt::WindowNoState);
    QVERIFY(!c.showsRestoreButton());
    QCOMPARE(lookOf(c.titleBar), QStringLiteral("Actived-Normal"));
    QCOMPARE(shadowColourOf(c.frame), c.highlight());
    QCOMPARE(c.margin(), 15);

    c.widget->setWindowState(Qt::WindowMinimized);
    QCOMPARE(lookOf(c.titleBar), QStringLiteral("Actived-Normal"));
    QCOMPARE(c.margin(), 15);
}

QTEST_MAIN(tst_FramelessContainer)
#include "tst_framelesscontainer.moc"

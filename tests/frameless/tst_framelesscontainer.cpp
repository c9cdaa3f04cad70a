#include "dialogframelesscontainer.h"
#include "mainwindowframelesscontainer.h"
#include "nativewindowmessages.h"
#include "systemgesture_p.h"
#include "titlebardialog.h"
#include "windowdragger.h"

#include "testsupport.h"

#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>

using namespace NativeWindowMessages;
using Request = QPair<QWidget *, int>;

namespace {

/// Makes the application active or inactive as the platform would, and delivers the change at once.
void setApplicationState(Qt::ApplicationState state)
{
    QWindowSystemInterface::handleApplicationStateChanged(state, true);
    QWindowSystemInterface::flushWindowSystemEvents();
}

void showAt(QWidget *container, const QRect &geometry)
{
    container->setGeometry(geometry);
    container->show();
    QVERIFY(QTest::qWaitForWindowExposed(container));
    setApplicationState(Qt::ApplicationActive);
}

QToolButton *button(const QWidget *container, const char *role)
{
    return container->findChildren<QToolButton *>(QRegularExpression(QString('^') + role)).value(0);
}

/// The looks of frame and title bar (one if equal), the margin, the shadow colour's role, restore or
/// maximise.
QString appearance(const QWidget *container)
{
    const QWidget *frame = container->layout()->itemAt(0)->widget();
    QString look = frame->property("windowState").toString();
    const QString titleBarLook = container->findChild<WindowDragger *>()->property("windowState").toString();
    if (titleBarLook != look)
        look += '/' + titleBarLook;
    auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(frame->graphicsEffect());
    const QColor colour = effect ? effect->color() : QColor();
    const char *shadow = !effect                                                     ? "no"
                         : colour == container->palette().color(QPalette::Highlight) ? "Highlight"
                         : colour == container->palette().color(QPalette::Shadow)    ? "Shadow"
                                                                                     : "other";
    return QString::asprintf("%s, margin %d, %s shadow%s%s", qPrintable(look),
                             container->layout()->contentsMargins().left(), shadow,
                             button(container, "restore")->isHidden() ? "" : ", restore",
                             button(container, "maximize")->isHidden() ? "" : ", maximise");
}

} // namespace

class tst_FramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void hitTestAndResize_data()
    {
        // Reaching below the desktop for drags near its far side; 15-px edge bands, ends in; x 500 is out.
        const QRect unchanged(100, 100, 400, 560);
        const int h = QApplication::desktop()->height();
        const int ver = Qt::SizeVerCursor, hor = Qt::SizeHorCursor, diagonal = Qt::SizeFDiagCursor;
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QPoint>("target");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("15 px in") << QPoint(200, 115) << ver << QPoint(200, 50) << QRect(100, 50, 400, 610);
        QTest::newRow("16 px in") << QPoint(200, 116) << int(Qt::ArrowCursor) << QPoint(200, 50) << unchanged;
        QTest::newRow("top at 1") << QPoint(200, 100) << ver << QPoint(200, 1) << QRect(100, 1, 400, 659);
        QTest::newRow("top at 0") << QPoint(200, 100) << ver << QPoint(200, 0) << unchanged;
        QTest::newRow("top at H-50") << QPoint(200, 100) << ver << QPoint(200, h - 50) << unchanged;
        QTest::newRow("top-left at x 0") << QPoint(100, 100) << diagonal << QPoint(0, 200) << unchanged;
        QTest::newRow("right") << QPoint(500, 300) << hor << QPoint(600, 320) << QRect(100, 100, 500, 560);
        QTest::newRow("bottom onto the top side") << QPoint(300, 660) << ver << QPoint(300, 100) << unchanged;
    }

    void hitTestAndResize()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, target);
        QFETCH(QRect, expected);
        VNMainWindowFramelessContainer c;
        showAt(&c, QRect(100, 100, 400, 560));
        // A move over any widget sets the cursor, off the edges an explicit arrow.
        sendMouse(c.frameWidget(), QEvent::MouseMove, press, Qt::NoButton);
        QVERIFY(c.testAttribute(Qt::WA_SetCursor));
        QTEST(int(c.cursor().shape()), "cursor");
        sendMouse(&c, QEvent::MouseButtonPress, press);
        sendMouse(&c, QEvent::MouseMove, target);
        QCOMPARE(c.geometry(), expected);
        // A release anywhere in the application ends the gesture.
        sendMouse(button(&c, "close"), QEvent::MouseButtonRelease, target);
        QCOMPARE(c.cursor().shape(), Qt::ArrowCursor);
        sendMouse(&c, QEvent::MouseMove, press);
        QCOMPARE(c.geometry(), expected);
    }

    void maximiseRestoreAndLooks_data()
    {
        QTest::addColumn<bool>("dialog");
        QTest::addColumn<QRect>("geometry");
        // A window at the origin is remembered and restored; an ordinary one is left to the platform.
        QTest::newRow("dialog at the origin") << true << QRect(0, 0, 300, 200);
        QTest::newRow("main window, ordinary") << false << QRect(100, 80, 300, 200);
    }

    void maximiseRestoreAndLooks()
    {
        QFETCH(bool, dialog);
        QFETCH(QRect, geometry);
        const QString inactive("Deactived-Normal, margin 15, Shadow shadow, maximise");
        VNDialogFramelessContainer dialogContainer(1);
        dialogContainer.setShadowEnabled(true); // so that both containers show the same normal look
        VNMainWindowFramelessContainer mainContainer;
        QWidget *c = dialog ? static_cast<QWidget *>(&dialogContainer) : &mainContainer;
        showAt(c, geometry);
        QCOMPARE(appearance(c), QString("Actived-Normal, margin 15, Highlight shadow, maximise"));
        // What a screen reader says: the title as the window's name, the buttons' names, not "button".
        QMetaObject::invokeMethod(c, "setWindowTitle", Q_ARG(QString, "Title"));
        QStringList names{QAccessible::queryAccessibleInterface(c)->text(QAccessible::Name)};
        for (const char *role : {"minimize", "maximize", "restore", "close"})
            names << QAccessible::queryAccessibleInterface(button(c, role))->text(QAccessible::Name) + '/' +
                         button(c, role)->toolTip();
        QCOMPARE(names.join(", "),
                 QString("Title, Minimize/Minimize, Maximize/Maximize, Restore/Restore, Close/Close"));
        setApplicationState(Qt::ApplicationInactive);
        QCOMPARE(appearance(c), inactive);
        setApplicationState(Qt::ApplicationActive);
        // Presses on the edges of a maximised window do nothing.
        button(c, "maximize")->click();
        const QRect available = c->windowHandle()->screen()->availableGeometry();
        QTRY_COMPARE(c->geometry(), available);
        // Every native pixel of the area at every scale factor: the conversions of the size round-trip.
        QCOMPARE(c->windowHandle()->handle()->geometry(),
                 c->windowHandle()->screen()->handle()->availableGeometry());
        const QPoint edge = available.topLeft() + QPoint(5, 100);
        sendMouse(c, QEvent::MouseButtonPress, edge);
        sendMouse(c, QEvent::MouseMove, edge + QPoint(100, 0));
        QCOMPARE(c->geometry(), available);
        QVERIFY(!c->testAttribute(Qt::WA_SetCursor));
        // The maximised window keeps its look; restoring while inactive ends with the inactive look.
        setApplicationState(Qt::ApplicationInactive);
        QCOMPARE(appearance(c), QString("Actived-Maximum, margin 0, no shadow, restore"));
        button(c, "restore")->click();
        QTRY_COMPARE(c->geometry(), geometry);
        QCOMPARE(appearance(c), inactive);
        // No dialog given: the container keeps the one it holds.
        auto *held = new QDialog(&dialogContainer);
        dialogContainer.setDialog(held);
        QTest::ignoreMessage(QtWarningMsg, "VNDialogFramelessContainer::setDialog: no dialog given");
        dialogContainer.setDialog(nullptr);
        QCOMPARE(dialogContainer.dialog(), held);
    }

    // With the choice driven to the compositor: what a press on a title bar or an edge asks of it.
    void compositorGestures_data()
    {
        QTest::addColumn<bool>("vnDialog"); // a resizable VnDialog, else a main window's 400 x 300 container
        QTest::addColumn<QString>("pressed"); // the object name of the widget pressed, else the window
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("edges"); // 0: a move
        const int top = Qt::TopEdge, left = Qt::LeftEdge, right = Qt::RightEdge, bottom = Qt::BottomEdge;
        QTest::newRow("title bar") << false << "windowTitlebar" << QPoint(100, 10) << 0;
        // Two corners hold the four edge bits; the bands in between: hitTestAndResize.
        QTest::newRow("top left") << false << "" << QPoint(5, 5) << (top | left);
        QTest::newRow("bottom right") << false << "" << QPoint(395, 295) << (bottom | right);
        QTest::newRow("dialog title") << true << "title_label" << QPoint(20, 10) << 0;
        QTest::newRow("dialog left") << true << "left_edge_widget" << QPoint(1, 50) << left;
        QTest::newRow("dialog grip") << true << "corner_grip_widget" << QPoint(5, 1) << (bottom | right);
    }

    void compositorGestures()
    {
        QFETCH(bool, vnDialog);
        QFETCH(QString, pressed);
        QFETCH(int, edges);
        QVector<Request> requests;
        SystemGesture::setHandlerForTesting(
            [&requests](QWidget *w, Qt::Edges asked) { requests << Request(w, int(asked)); });
        const auto unset = qScopeGuard([] { SystemGesture::setHandlerForTesting({}); });
        VnDialog dialog(nullptr, true);
        VNMainWindowFramelessContainer container;
        QWidget *window = vnDialog ? static_cast<QWidget *>(&dialog) : &container;
        showAt(window, QRect(100, 100, 400, 300));
        const QRect geometry = window->geometry();
        QWidget *receiver = pressed.isEmpty() ? window : window->findChild<QWidget *>(pressed);
        QFETCH(QPoint, at);
        const QPoint press = receiver->mapToGlobal(at);
        sendMouse(receiver, QEvent::MouseButtonPress, press);
        sendMouse(receiver, QEvent::MouseMove, press + QPoint(40, 30));
        sendMouse(receiver, QEvent::MouseButtonRelease, press + QPoint(40, 30));
        // One request, in the press; the window leaves the gesture to the compositor.
        QCOMPARE(requests, QVector<Request>{Request(window, edges)});
        QCOMPARE(window->geometry(), geometry);
    }

    void iconFollowsApplicationState()
    {
        const auto filled = [](Qt::GlobalColor colour) {
            QPixmap pixmap(16, 16);
            pixmap.fill(colour);
            return QIcon(pixmap);
        };
        VNMainWindowFramelessContainer container;
        container.setMainWindow(new QMainWindow);
        container.setWindowIcon(filled(Qt::red), filled(Qt::blue));
        showAt(&container, QRect(100, 100, 400, 300));
        const auto shown = [&container] { return container.iconLabel()->grab().toImage().pixelColor(8, 8); };
        QCOMPARE(shown(), QColor(Qt::red));
        setApplicationState(Qt::ApplicationInactive);
        QCOMPARE(shown(), QColor(Qt::blue));
        // Without an inactive icon the active one serves both.
        container.setWindowIcon(filled(Qt::red), QIcon());
        QCOMPARE(shown(), QColor(Qt::red));
    }

    void nativeMessages()
    {
        QCOMPARE(actionFor(0x0024, 0), Action::SetMaxPlacement);   // WM_GETMINMAXINFO
        QCOMPARE(actionFor(0x0112, 0xF060), Action::RequestClose); // WM_SYSCOMMAND, SC_CLOSE
        // SC_CLOSE with the low bits the system may add is not SC_CLOSE exactly.
        QCOMPARE(actionFor(0x0112, 0xF062), Action::PassOn);
        // The maximised placement, then the framed one with its track size.
        const auto text = [](const MaxPlacement &p) {
            return QString::asprintf("%dx%d at %d,%d%s", p.maxWidth, p.maxHeight, p.maxX, p.maxY,
                                     p.trackSize ? " track" : "");
        };
        const MaxPlacement left = maxPlacement({62, 0, 1858, 1080}, 0);
        QCOMPARE(text(left) + "; " + text(withFrameBorder(left, frameBorder(1, 4))),
                 QString("1858x1080 at 62,0; 1872x1094 at 55,-7 track"));
        // Only the horizontal position is made relative to the screen.
        const MaxPlacement right = maxPlacement({1920, 40, 2560, 1400}, 1920);
        QCOMPARE(text(right) + "; " + text(withFrameBorder(right, frameBorder(0, 0))),
                 QString("2560x1400 at 0,40; 2564x1404 at -2,38 track"));
    }
};

QTEST_MAIN(tst_FramelessContainer)
#include "tst_framelesscontainer.moc"

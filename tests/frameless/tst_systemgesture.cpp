#include "mainwindowframelesscontainer.h"
#include "systemgesture_p.h"
#include "titlebardialog.h"

#include "testsupport.h"

using Request = QPair<QWidget *, int>;

// With the choice driven to the compositor: what a press on a title bar or an edge asks of it.
class tst_SystemGesture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void press_data()
    {
        QTest::addColumn<bool>("vnDialog"); // a resizable VnDialog, else a main window's 400 x 300 container
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<QString>("pressed"); // the object name of the widget pressed, else the window
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("edges"); // -1: no request, 0: a move
        const int top = Qt::TopEdge, left = Qt::LeftEdge, right = Qt::RightEdge, bottom = Qt::BottomEdge;
        QTest::newRow("title bar") << false << false << "windowTitlebar" << QPoint(100, 10) << 0;
        QTest::newRow("maximised title bar") << false << true << "windowTitlebar" << QPoint(100, 10) << -1;
        // Two corners hold the four edge bits; the bands in between: tst_framelesscontainer's hit test.
        QTest::newRow("top left") << false << false << "" << QPoint(5, 5) << (top | left);
        QTest::newRow("bottom right") << false << false << "" << QPoint(395, 295) << (bottom | right);
        QTest::newRow("dialog title") << true << false << "title_label" << QPoint(20, 10) << 0;
        QTest::newRow("dialog left") << true << false << "left_edge_widget" << QPoint(1, 50) << left;
        QTest::newRow("dialog grip") << true << false << "corner_grip_widget" << QPoint(5, 1)
                                     << (bottom | right);
    }

    void press()
    {
        QFETCH(bool, vnDialog);
        QFETCH(bool, maximised);
        QFETCH(QString, pressed);
        QFETCH(int, edges);
        QVector<Request> requests;
        SystemGesture::setHandlerForTesting(
            [&requests](QWidget *w, Qt::Edges asked) { requests << Request(w, int(asked)); });
        const auto unset = qScopeGuard([] { SystemGesture::setHandlerForTesting({}); });
        VnDialog dialog(nullptr, true);
        VNMainWindowFramelessContainer container;
        QWidget *window = vnDialog ? static_cast<QWidget *>(&dialog) : &container;
        window->setGeometry(100, 100, 400, 300);
        maximised ? window->showMaximized() : window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const QRect geometry = window->geometry();
        QWidget *receiver = pressed.isEmpty() ? window : window->findChild<QWidget *>(pressed);
        QFETCH(QPoint, at);
        const QPoint press = receiver->mapToGlobal(at);
        sendMouse(receiver, QEvent::MouseButtonPress, press);
        sendMouse(receiver, QEvent::MouseMove, press + QPoint(40, 30));
        sendMouse(receiver, QEvent::MouseButtonRelease, press + QPoint(40, 30));
        // One request, in the press; the window leaves the gesture to the compositor.
        QCOMPARE(requests, edges < 0 ? QVector<Request>() : QVector<Request>{Request(window, edges)});
        QCOMPARE(window->geometry(), geometry);
    }
};

QTEST_MAIN(tst_SystemGesture)
#include "tst_systemgesture.moc"

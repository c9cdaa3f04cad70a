#include "mainwindowframelesscontainer.h"
#include "systemgesture_p.h"
#include "titlebardialog.h"

#include "testsupport.h"

using Request = QPair<QWidget *, int>;

// With the choice driven to the compositor: what a press on a title bar or an edge asks of it.
class tst_SystemGesture : public QObject
{
    Q_OBJECT

    QVector<Request> requests;

private Q_SLOTS:
    void init()
    {
        requests.clear();
        SystemGesture::setHandlerForTesting(
            [this](QWidget *w, Qt::Edges edges) { requests << Request(w, int(edges)); });
    }

    void cleanup()
    {
        SystemGesture::setHandlerForTesting({});
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

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
        // 5 px inside each edge and corner of the container.
        for (int edges : {top, left, right, bottom, top | left, top | right, bottom | left, bottom | right}) {
            const int x = edges & left ? 5 : (edges & right ? 395 : 200);
            const int y = edges & top ? 5 : (edges & bottom ? 295 : 150);
            QTest::addRow("edges %d", edges) << false << false << "" << QPoint(x, y) << edges;
        }
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

#include "windowdragger.h"

#include "testsupport.h"

class tst_WindowDragger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void drag_data()
    {
        QTest::addColumn<int>("buttonCode");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("doubleClick");
        // Any button drags.
        QTest::newRow("middle") << int(Qt::MiddleButton) << false << false;
        QTest::newRow("maximised") << int(Qt::LeftButton) << true << false;
        QTest::newRow("after a double click") << int(Qt::LeftButton) << false << true;
    }

    void drag()
    {
        QFETCH(int, buttonCode);
        QFETCH(bool, maximised);
        QFETCH(bool, doubleClick);
        const auto button = Qt::MouseButton(buttonCode);
        // A window holding a frame that holds the dragger, as in the containers.
        QWidget window;
        QWidget frame(&window);
        WindowDragger dragger(&frame);
        window.setGeometry(100, 100, 300, 200);
        maximised ? window.showMaximized() : window.show();
        QTRY_COMPARE(window.isMaximized(), maximised);
        QSignalSpy doubleClicked(&dragger, &WindowDragger::doubleClicked);
        const QPoint start = window.pos();
        const QPoint press = dragger.mapToGlobal(QPoint(50, 10));
        const auto travelTo = [&](const QPoint &travel, Qt::MouseButton held) {
            sendMouse(&dragger, QEvent::MouseMove, press + travel, held);
            return window.pos() - start;
        };

        sendMouse(&dragger, QEvent::MouseButtonPress, press, button);
        if (doubleClick) { // its second press does not start a drag
            sendMouse(&dragger, QEvent::MouseButtonRelease, press, button);
            sendMouse(&dragger, QEvent::MouseButtonDblClick, press, button);
        }
        // The window keeps the cursor's offset from its origin at the press.
        const bool moves = !maximised && !doubleClick;
        QCOMPARE(travelTo(QPoint(40, 25), button), moves ? QPoint(40, 25) : QPoint());
        QCOMPARE(travelTo(QPoint(-30, 5), button), moves ? QPoint(-30, 5) : QPoint());
        sendMouse(&dragger, QEvent::MouseButtonRelease, press + QPoint(-30, 5), button);
        QCOMPARE(travelTo(QPoint(80, 80), Qt::NoButton), moves ? QPoint(-30, 5) : QPoint());
        QCOMPARE(doubleClicked.count(), doubleClick ? 1 : 0);
    }
};

QTEST_MAIN(tst_WindowDragger)
#include "tst_windowdragger.moc"

#include "windowdragger.h"

#include "framelesstestsupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A window holding a frame that holds the dragger, as in the containers.
struct DraggedWindow
{
    DraggedWindow()
    {
        auto *frame = new QWidget(&window);
        (new QVBoxLayout(&window))->addWidget(frame);
        dragger = new WindowDragger(frame);
        dragger->setObjectName(QStringLiteral("titlebar"));
        dragger->setFixedHeight(40);
        (new QVBoxLayout(frame))->addWidget(dragger);
        window.setGeometry(100, 100, 300, 200);
        window.show();
    }
    QPoint onDragger(int x = 50) const { return dragger->mapToGlobal(QPoint(x, 10)); }

    QWidget window;
    WindowDragger *dragger;
};

} // namespace

class tst_WindowDragger : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void dragKeepsCursorOffset_data();
    void dragKeepsCursorOffset();
    void maximisedWindowStays();
    void doubleClickIsReportedOnly();
    void noGrandparentMovesNothing();
    void styleSheetBackgroundIsPainted();
};

void tst_WindowDragger::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_WindowDragger::dragKeepsCursorOffset_data()
{
    QTest::addColumn<int>("buttonCode");
    QTest::newRow("left") << int(Qt::LeftButton);
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void tst_WindowDragger::dragKeepsCursorOffset()
{
    QFETCH(int, buttonCode);
    const auto button = Qt::MouseButton(buttonCode);
    DraggedWindow w;
    const QPoint start = w.window.pos();
    const QPoint press = w.onDragger();
    const QPoint offset = press - start;

    sendMouse(w.dragger, QEvent::MouseButtonPress, press, button);
    sendMouse(w.dragger, QEvent::MouseMove, press + QPoint(40, 25), button);
    QCOMPARE(w.window.pos(), start + QPoint(40, 25));
    sendMouse(w.dragger, QEvent::MouseMove, press + QPoint(-30, 5), button);
    QCOMPARE(w.window.pos(), start + QPoint(-30, 5));
    QCOMPARE(press + QPoint(-30, 5) - w.window.pos(), offset);

    sendMouse(w.dragger, QEvent::MouseButtonRelease, press + QPoint(-30, 5), button);
    sendMouse(w.dragger, QEvent::MouseMove, press + QPoint(80, 80), Qt::NoButton);
    QCOMPARE(w.window.pos(), start + QPoint(-30, 5));
}

void tst_WindowDragger::maximisedWindowStays()
{
    DraggedWindow w;
    w.window.showMaximized();
    QTRY_VERIFY(w.window.isMaximized());
    const QPoint start = w.window.pos();
    const QPoint press = w.onDragger();
    sendMouse(w.dragger, QEvent::MouseButtonPress, press);
    sendMouse(w.dragger, QEvent::MouseMove, press + QPoint(60, 60));
    QCOMPARE(w.window.pos(), start);
}

void tst_WindowDragger::doubleClickIsReportedOnly()
{
    DraggedWindow w;
    QSignalSpy doubleClicked(w.dragger, &WindowDragger::doubleClicked);
    const QPoint start = w.window.pos();
    const QPoint press = w.onDragger();
    sendMouse(w.dragger, QEvent::MouseButtonPress, press);
    sendMouse(w.dragger, QEvent::MouseButtonRelease, press);
    sendMouse(w.dragger, QEvent::MouseButtonDblClick, press);
    // The second press of the double click does not start a drag.
    sendMouse(w.dragger, QEvent::MouseMove, press + QPoint(30, 30));
    sendMouse(w.dragger, QEvent::MouseButtonRelease, press + QPoint(30, 30));
    QCOMPARE(doubleClicked.count(), 1);
    QCOMPARE(w.window.pos(), start);
}

void tst_WindowDragger::noGrandparentMovesNothing()
{
    QWidget parent;
    parent.setGeometry(50, 50, 200, 100);
    WindowDragger dragger(&parent);
    dragger.resize(200, 40);
    parent.show();
    const QPoint start = parent.pos();
    sendMouse(&dragger, QEvent::MouseButtonPress, QPoint(60, 60));
    sendMouse(&dragger, QEvent::MouseMove, QPoint(160, 90));
    QCOMPARE(parent.pos(), start);

    WindowDragger alone;
    alone.setGeometry(10, 10, 100, 40);
    sendMouse(&alone, QEvent::MouseButtonPress, QPoint(20, 20));
    sendMouse(&alone, QEvent::MouseMove, QPoint(70, 40));
    QCOMPARE(alone.pos(), QPoint(10, 10));
}

void tst_WindowDragger::styleSheetBackgroundIsPainted()
{
    qApp->setStyleSheet(QStringLiteral("#titlebar { background: rgb(20, 200, 40); }"));
    DraggedWindow w;
    const QImage picture = w.dragger->grab().toImage();
    qApp->setStyleSheet(QString());
    QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(20, 200, 40));
}

QTEST_MAIN(tst_WindowDragger)
#include "tst_windowdragger.moc"

#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QSignalSpy>
#include <QTest>

class tst_MainWindowFramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void guardedClose_data();
    void guardedClose();
};

void tst_MainWindowFramelessContainer::guardedClose_data()
{
    QTest::addColumn<QByteArray>("way");
    QTest::addColumn<int>("guard"); // -1 none, 0 refuses, 1 allows
    for (const char *way : {"close button", "requestClose", "window manager"}) {
        QTest::addRow("%s, no guard", way) << QByteArray(way) << -1;
        QTest::addRow("%s, refusing guard", way) << QByteArray(way) << 0;
        QTest::addRow("%s, allowing guard", way) << QByteArray(way) << 1;
    }
    // A direct close() is not guarded and emits nothing.
    QTest::newRow("close(), refusing guard") << QByteArray("close()") << 0;
}

void tst_MainWindowFramelessContainer::guardedClose()
{
    QFETCH(QByteArray, way);
    QFETCH(int, guard);
    VNMainWindowFramelessContainer container;
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QSignalSpy closed(&container, &VNMainWindowFramelessContainer::closed);
    bool visibleWhenClosedEmitted = false;
    connect(&container, &VNMainWindowFramelessContainer::closed, this,
            [&] { visibleWhenClosedEmitted = container.isVisible(); });
    int asked = 0;
    if (guard >= 0)
        container.setCloseGuard([&] { return ++asked, guard == 1; });

    if (way == "close button")
        button(&container, "close")->click();
    else if (way == "requestClose")
        container.requestClose();
    else if (way == "close()")
        container.close();
    else // spontaneous, as the window manager's
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            container.windowHandle());

    const bool guarded = way != "close()";
    const bool closes = guard != 0 || !guarded;
    QTRY_COMPARE(container.isVisible(), !closes);
    QCoreApplication::processEvents();
    QCOMPARE(asked, guarded && guard >= 0 ? 1 : 0);
    QCOMPARE(closed.count(), guarded && closes ? 1 : 0);
    QCOMPARE(visibleWhenClosedEmitted, guarded && closes);
}

QTEST_MAIN(tst_MainWindowFramelessContainer)
#include "tst_mainwindowframelesscontainer.moc"

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
    QTest::addColumn<bool>("request");
    QTest::newRow("requestClose, no guard") << true;
    // A direct close() is not guarded and emits nothing.
    QTest::newRow("close(), refusing guard") << false;
}

void tst_MainWindowFramelessContainer::guardedClose()
{
    QFETCH(bool, request);
    VNMainWindowFramelessContainer container;
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QSignalSpy closed(&container, &VNMainWindowFramelessContainer::closed);
    int asked = 0;
    if (request) {
        container.requestClose();
    } else {
        container.setCloseGuard([&] { return ++asked, false; });
        container.close();
    }
    QTRY_VERIFY(!container.isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(asked, 0);
    QCOMPARE(closed.count(), request ? 1 : 0);
}

QTEST_MAIN(tst_MainWindowFramelessContainer)
#include "tst_mainwindowframelesscontainer.moc"

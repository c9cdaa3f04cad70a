#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"

#include <QLabel>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTest>

class tst_MainWindowFramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void guardedClose()
    {
        VNMainWindowFramelessContainer container;
        QSignalSpy closed(&container, &VNMainWindowFramelessContainer::closed);
        int asked = 0;
        container.setCloseGuard([&asked] { return ++asked, false; });
        container.show();
        // A direct close() is not guarded and emits nothing.
        container.close();
        QVERIFY(!container.isVisible());
        QCOMPARE(asked, 0);
        container.show();
        container.requestClose();
        QCOMPARE(asked, 1);
        QVERIFY(container.isVisible());
        // With the guard taken away again, nothing is asked.
        container.setCloseGuard(nullptr);
        container.requestClose();
        QVERIFY(!container.isVisible());
        QCOMPARE(closed.count(), 1);
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
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        const auto shown = [&container] { return container.iconLabel()->grab().toImage().pixelColor(8, 8); };
        setApplicationState(Qt::ApplicationActive);
        QCOMPARE(shown(), QColor(Qt::red));
        setApplicationState(Qt::ApplicationInactive);
        QCOMPARE(shown(), QColor(Qt::blue));
        // Without an inactive icon the active one serves both.
        container.setWindowIcon(filled(Qt::red), QIcon());
        QCOMPARE(shown(), QColor(Qt::red));
    }
};

QTEST_MAIN(tst_MainWindowFramelessContainer)
#include "tst_mainwindowframelesscontainer.moc"

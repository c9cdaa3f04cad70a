#include "framelessmainwindow.h"

#include "framelessdialog.h"
#include "mainwindowframelesscontainer.h"

#include "testsupport.h"

class tst_FramelessMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void lifetime_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("gone");
        QTest::addColumn<bool>("vetoingGuard"); // else no guard
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("closed");
        for (const char *victim : {"main window", "container", "container's parent"})
            QTest::addRow("%s deleted", victim) << QString(victim) << true << true << 0 << 0;
        QTest::newRow("close button, no guard") << "close button" << true << false << 0 << 1;
        QTest::newRow("window manager, vetoing guard") << "alt+F4" << false << true << 1 << 0;
        // A direct close() is not guarded and emits nothing.
        QTest::newRow("close(), vetoing guard") << "close()" << true << true << 0 << 0;
    }

    void lifetime()
    {
        QFETCH(QString, end);
        QFETCH(bool, vetoingGuard);
        QFETCH(bool, gone);
        QPointer<QWidget> owner = new QWidget;
        auto *window = new VNMainWindow(end == "container's parent" ? owner.data() : nullptr);
        QPointer<VNMainWindowFramelessContainer> container = window->container();
        const auto tidy = qScopeGuard([&] { qDeleteAll(QWidgetList{container, owner}); });
        // Closed, the container goes away with everything in it, as an application's main window does.
        container->setAttribute(Qt::WA_DeleteOnClose);
        int asked = 0;
        if (vetoingGuard)
            window->setCloseGuard([&asked] { return ++asked, false; });
        int closed = 0; // counted only while the container is still open
        connect(window, &VNMainWindow::closed, this,
                [&] { closed += container->isVisible(); }); // clazy:exclude=lambda-in-connect
        const QPointer<VNMainWindow> alive = window;
        owner->show();
        window->show();
        window->show();
        QCOMPARE(window->parentWidget()->layout()->count(), 1);
        new VNDialog(window); // goes with the window, or cleanup() finds it left over

        if (end == "close button") {
            container->findChild<QToolButton *>("closeButton")->click();
        } else if (end == "close()") {
            container->close();
        } else if (end == "alt+F4") {
            container->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(container));
            // Through the X server's input, where the window manager's key binding takes it.
            QCOMPARE(QProcess::execute("xdotool", {"key", "alt+F4"}), 0);
            QTRY_COMPARE(asked, 1);
        } else {
            const QMap<QString, QWidget *> victims{
                {"main window", window}, {"container", container}, {"container's parent", owner}};
            delete victims.value(end);
        }
        QTRY_COMPARE(alive.isNull(), gone);
        QCOMPARE(container.isNull(), gone);
        QTEST(asked, "asked");
        QTEST(closed, "closed");
    }
};

QTEST_MAIN(tst_FramelessMainWindow)
#include "tst_framelessmainwindow.moc"

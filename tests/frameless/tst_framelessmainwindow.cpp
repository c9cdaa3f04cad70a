#include "framelessmainwindow.h"

#include "framelessdialog.h"
#include "mainwindowframelesscontainer.h"

#include <QApplication>
#include <QLayout>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class tst_FramelessMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void lifetime_data();
    void lifetime();
};

void tst_FramelessMainWindow::lifetime_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("closed");
    QTest::addColumn<bool>("gone");
    for (const char *row : {"main window deleted", "container deleted", "container's parent deleted"})
        QTest::newRow(row) << 0 << 0 << true;
    QTest::newRow("close button, allowing guard") << 1 << 1 << true;
    QTest::newRow("window manager, vetoing guard") << 1 << 0 << false;
}

void tst_FramelessMainWindow::lifetime()
{
    const QByteArray row = QTest::currentDataTag();
    QPointer<QWidget> owner = new QWidget;
    auto *window = new VNMainWindow(row.startsWith("container's parent") ? owner.data() : nullptr);
    QPointer<VNMainWindowFramelessContainer> container = window->container();
    const auto tidy = qScopeGuard([&] { qDeleteAll(QWidgetList{container, owner}); });
    // Closed, the container goes away with everything in it, as an application's main window does.
    container->setAttribute(Qt::WA_DeleteOnClose);
    int asked = 0;
    window->setCloseGuard([&asked, allow = !row.contains("vetoing")] {
        ++asked;
        return allow;
    });
    int closed = 0; // counted only while the container is still open
    connect(window, &VNMainWindow::closed, this,
            [&] { closed += container->isVisible(); }); // clazy:exclude=lambda-in-connect
    QSignalSpy windowGone(window, &QObject::destroyed);
    owner->show();
    window->show();
    window->show();
    QCOMPARE(window->parentWidget()->layout()->count(), 1);
    new VNDialog(window); // goes with the window, or cleanup() finds it left over

    if (row.startsWith("close button")) {
        container->findChild<QToolButton *>("closeButton")->click();
    } else if (row.startsWith("window manager")) {
        container->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(container));
        // Alt+F4 through the X server's input, where the window manager's key binding takes it.
        QCOMPARE(QProcess::execute("xdotool", {"key", "alt+F4"}), 0);
        QTRY_COMPARE(asked, 1);
    } else {
        delete (row.startsWith("main window")          ? window
                : row.startsWith("container's parent") ? owner.data()
                                                       : container.data());
    }
    QFETCH(bool, gone);
    QTRY_COMPARE(windowGone.count(), int(gone));
    QCOMPARE(container.isNull(), gone);
    QTEST(asked, "asked");
    QTEST(closed, "closed");
}

QTEST_MAIN(tst_FramelessMainWindow)
#include "tst_framelessmainwindow.moc"

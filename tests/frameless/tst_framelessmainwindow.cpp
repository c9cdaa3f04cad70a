#include "framelessmainwindow.h"

#include "dialogframelesscontainer.h"
#include "framelessdialog.h"
#include "mainwindowframelesscontainer.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {

QToolButton *closeButton(const VNMainWindow &window)
{
    return window.container()->findChild<QToolButton *>(QStringLiteral("closeButton"));
}

// Counts how often @p object announces its destruction.
void countDestruction(QObject *object, int *count)
{
    QObject::connect(object, &QObject::destroyed, [count] { ++*count; });
}

enum Guard { NoGuard, Vetoing, Allowing };
enum Victim { MainWindowItself, Container, ContainerParent };

// Installs the @p kind of guard on @p window, counting its calls in @p asked.
void installGuard(VNMainWindow &window, int kind, int *asked)
{
    if (kind == NoGuard)
        return;
    window.setCloseGuard([kind, asked] {
        ++*asked;
        return kind == Allowing;
    });
}

void addGuardRows()
{
    QTest::addColumn<int>("guard");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("closed");
    QTest::addColumn<bool>("open");
    QTest::newRow("no guard") << int(NoGuard) << 0 << 1 << false;
    QTest::newRow("vetoing guard") << int(Vetoing) << 1 << 0 << true;
    QTest::newRow("allowing guard") << int(Allowing) << 1 << 1 << false;
}

} // namespace

class tst_FramelessMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void construction();
    void showTwicePlacesOnce();
    void closeButton_data();
    void closeButton();
    void destructionOrder_data();
    void destructionOrder();
    void closingWithDialogsOpen();
    void windowManagerCloseAsksGuard_data();
    void windowManagerCloseAsksGuard();
};

void tst_FramelessMainWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_FramelessMainWindow::construction()
{
    VNMainWindow window;
    QVERIFY(window.container());
    QCOMPARE(window.parentWidget(), window.container());
    QVERIFY(window.container()->isWindow());
    QVERIFY(!window.container()->mainWindow());

    QWidget owner;
    auto *child = new VNMainWindow(&owner);
    // With a parent the container is a child widget of it.
    QCOMPARE(child->container()->parentWidget(), &owner);
    QVERIFY(!child->container()->isWindow());
}

void tst_FramelessMainWindow::showTwicePlacesOnce()
{
    VNMainWindow window;
    window.setWindowTitle(QStringLiteral("Editor"));
    window.show();
    window.show();
    VNMainWindowFramelessContainer *container = window.container();
    QCOMPARE(container->mainWindow(), &window);
    QCOMPARE(window.parentWidget()->layout()->count(), 1);
    QVERIFY(container->isVisible());
    QVERIFY(window.isVisible());
    QCOMPARE(window.titleLabel()->text(), QStringLiteral("Editor"));

    container->hide();
    window.show();
    QVERIFY(container->isVisible());
    QCOMPARE(window.parentWidget()->layout()->count(), 1);
}

void tst_FramelessMainWindow::closeButton_data()
{
    addGuardRows();
}

void tst_FramelessMainWindow::closeButton()
{
    QFETCH(int, guard);
    VNMainWindow window;
    int asked = 0;
    installGuard(window, guard, &asked);
    // Delivered inside the close, while the container is still open.
    int closed = 0;
    connect(&window, &VNMainWindow::closed, this, [&] { closed += window.container()->isVisible(); });
    window.show();
    ::closeButton(window)->click();
    QTEST(asked, "asked");
    QTEST(closed, "closed");
    QTEST(window.container()->isVisible(), "open");
}

void tst_FramelessMainWindow::destructionOrder_data()
{
    QTest::addColumn<int>("victim");
    QTest::addColumn<bool>("shown");
    QTest::newRow("main window") << int(MainWindowItself) << false;
    QTest::newRow("main window, shown") << int(MainWindowItself) << true;
    QTest::newRow("container") << int(Container) << false;
    QTest::newRow("container, shown") << int(Container) << true;
    QTest::newRow("container's parent") << int(ContainerParent) << false;
    QTest::newRow("container's parent, shown") << int(ContainerParent) << true;
}

void tst_FramelessMainWindow::destructionOrder()
{
    QFETCH(int, victim);
    QFETCH(bool, shown);

    auto *owner = new QWidget;
    auto *window = new VNMainWindow(owner);
    VNMainWindowFramelessContainer *container = window->container();
    int windowGone = 0;
    int containerGone = 0;
    countDestruction(window, &windowGone);
    countDestruction(container, &containerGone);
    if (shown) {
        owner->show();
        window->show();
    }

    switch (victim) {
    case MainWindowItself:
        delete window;
        break;
    case Container:
        delete container;
        break;
    case ContainerParent:
        delete owner;
        owner = nullptr;
        break;
    }
    QCOMPARE(windowGone, 1);
    QCOMPARE(containerGone, 1);
    delete owner;
}

void tst_FramelessMainWindow::closingWithDialogsOpen()
{
    // An application whose main window goes away when closed, with a dialog of its own still open.
    auto *window = new VNMainWindow;
    window->container()->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    auto *dialog = new VNDialog(window);
    dialog->show();
    int windowGone = 0;
    int dialogGone = 0;
    int dialogContainerGone = 0;
    countDestruction(window, &windowGone);
    countDestruction(dialog, &dialogGone);
    countDestruction(dialog->container(), &dialogContainerGone);

    ::closeButton(*window)->click();
    QTRY_COMPARE(windowGone, 1);
    QCOMPARE(dialogGone, 1);
    QCOMPARE(dialogContainerGone, 1);
}

void tst_FramelessMainWindow::windowManagerCloseAsksGuard_data()
{
    addGuardRows();
}

void tst_FramelessMainWindow::windowManagerCloseAsksGuard()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server with a window manager");
    const QString xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
    if (xdotool.isEmpty())
        QSKIP("needs xdotool");

    QFETCH(int, guard);
    VNMainWindow window;
    int asked = 0;
    installGuard(window, guard, &asked);
    QSignalSpy closed(&window, &VNMainWindow::closed);
    window.setGeometry(100, 100, 500, 360);
    window.show();
    window.container()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.container()));

    // Alt+F4 through the X server's input, where the window manager's key binding takes it.
    QProcess key;
    key.start(xdotool, {QStringLiteral("key"), QStringLiteral("alt+F4")});
    QVERIFY(key.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(key.state(), QProcess::NotRunning, 10000);
    QCOMPARE(key.exitCode(), 0);

    QFETCH(bool, open);
    if (open)
        QTRY_COMPARE(asked, 1);
    else
        QTRY_VERIFY(!window.container()->isVisible());
    QTEST(window.container()->isVisible(), "open");
    QTEST(asked, "asked");
    QTEST(closed.count(), "closed");
}

QTEST_MAIN(tst_FramelessMainWindow)
#include "tst_framelessmainwindow.moc"

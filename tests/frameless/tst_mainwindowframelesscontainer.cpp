#include "mainwindowframelesscontainer.h"

#include "framelesstestsupport.h"
#include "windowdragger.h"

#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {

template <class W = QWidget> W *child(const QWidget &container, const char *name)
{
    return container.findChild<W *>(QLatin1String(name));
}

QIcon solidIcon(const QColor &colour)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QColor iconColour(const QLabel *label)
{
    const QImage image = label->pixmap(Qt::ReturnByValue).toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

const char *const lookWidgets[] = {"windowTitlebar", "windowFrame",    "titleText",  "minimizeButton",
                                   "restoreButton",  "maximizeButton", "closeButton"};

// A shown container holding a main window, with the application active.
struct Shown
{
    Shown()
    {
        window = new QMainWindow(&container);
        window->setWindowTitle(QStringLiteral("Editor"));
        window->setGeometry(100, 100, 500, 350);
        container.setMainWindow(window);
        container.show();
        QVERIFY(QTest::qWaitForWindowExposed(&container));
        setApplicationState(Qt::ApplicationActive);
    }
    VNMainWindowFramelessContainer container;
    QMainWindow *window;
};

} // namespace

class tst_MainWindowFramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void formWidgets_data();
    void formWidgets();
    void titleBarOrder();
    void construction();
    void childContainer();
    void setMainWindow();
    void icons();
    void looksFollowApplicationState();
    void guardedClose_data();
    void guardedClose();
    void programmaticCloseIsNotGuarded();
    void titleBarDoubleClick();
    void minimizeButton();
    void titleBarWidgets();
};

void tst_MainWindowFramelessContainer::initTestCase()
{
    setApplicationState(Qt::ApplicationActive);
}

void tst_MainWindowFramelessContainer::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MainWindowFramelessContainer::formWidgets_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    QTest::addColumn<bool>("bold");
    const QSize none(0, 0);
    const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize button(48, 32);
    QTest::newRow("frame") << QByteArray("windowFrame") << QByteArray("QWidget") << none << unbounded
                           << false;
    QTest::newRow("title bar") << QByteArray("windowTitlebar") << QByteArray("WindowDragger") << QSize(0, 40)
                               << QSize(QWIDGETSIZE_MAX, 40) << false;
    QTest::newRow("spacer") << QByteArray("spacer") << QByteArray("QLabel") << QSize(4, 0)
                            << QSize(4, QWIDGETSIZE_MAX) << false;
    QTest::newRow("icon") << QByteArray("icon") << QByteArray("QLabel") << QSize(16, 16) << QSize(16, 16)
                          << false;
    QTest::newRow("title") << QByteArray("titleText") << QByteArray("QLabel") << none << unbounded << false;
    QTest::newRow("minimise") << QByteArray("minimizeButton") << QByteArray("QToolButton") << button << button
                              << true;
    QTest::newRow("restore") << QByteArray("restoreButton") << QByteArray("QToolButton") << button << button
                             << false;
    QTest::newRow("maximise") << QByteArray("maximizeButton") << QByteArray("QToolButton") << button << button
                              << false;
    QTest::newRow("close") << QByteArray("closeButton") << QByteArray("QToolButton") << button << button
                           << true;
    QTest::newRow("content") << QByteArray("windowContent") << QByteArray("QWidget") << none << unbounded
                             << false;
}

void tst_MainWindowFramelessContainer::formWidgets()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, className);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    QFETCH(bool, bold);
    VNMainWindowFramelessContainer container;
    QWidget *widget = child(container, name);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className.constData());
    QCOMPARE(widget->minimumSize(), minimum);
    QCOMPARE(widget->maximumSize(), maximum);
    QCOMPARE(widget->font().bold(), bold);
    if (bold)
        QCOMPARE(widget->font().weight(), 75);
    QVERIFY(!widget->autoFillBackground());
}

void tst_MainWindowFramelessContainer::titleBarOrder()
{
    VNMainWindowFramelessContainer container;
    auto *bar = qobject_cast<QHBoxLayout *>(child(container, "windowTitlebar")->layout());
    QStringList order;
    for (int i = 0; i < bar->count(); ++i) {
        QLayoutItem *item = bar->itemAt(i);
        order << (item->widget() ? item->widget()->objectName() : item->layout()->objectName());
        QCOMPARE(bar->stretch(i), i == 2 ? 1 : 0);
    }
    // Restore stands before maximise here.
    QCOMPARE(order, QStringList({"spacer", "icon", "titleText", "extran_verticalLayout", "minimizeButton",
                                 "restoreButton", "maximizeButton", "closeButton"}));
    QCOMPARE(bar->contentsMargins(), QMargins(0, 2, 0, 0));
    QCOMPARE(container.iconLabel()->contextMenuPolicy(), Qt::NoContextMenu);
    QCOMPARE(container.titleLabel()->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
}

void tst_MainWindowFramelessContainer::construction()
{
    VNMainWindowFramelessContainer container;
    QCOMPARE(container.objectName(), QStringLiteral("MainWindowFramelessWindow"));
    QCOMPARE(container.size(), QSize(560, 398));
    QVERIFY(container.windowTitle().isEmpty());
    const Qt::WindowFlags flags =
        Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    QCOMPARE(container.windowFlags() & flags, flags);
    QVERIFY(container.isWindow());
    QVERIFY(!container.isVisible());
    QVERIFY(container.testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(container.hasMouseTracking());
    QCOMPARE(container.layout()->contentsMargins(), QMargins(15, 15, 15, 15));
    QCOMPARE(shadowColourOf(container.frameWidget()), container.palette().color(QPalette::Highlight));
    QVERIFY(child(container, "restoreButton")->isHidden());
    QVERIFY(!child(container, "maximizeButton")->isHidden());
    for (const char *name : lookWidgets)
        QCOMPARE(lookOf(child(container, name)), QStringLiteral("Actived-Normal"));
    QCOMPARE(container.mainWindow(), nullptr);
    QCOMPARE(container.iconLabel()->size(), QSize(16, 16));
}

void tst_MainWindowFramelessContainer::childContainer()
{
    QWidget parent;
    VNMainWindowFramelessContainer container(&parent);
    QVERIFY(!container.isWindow());
    QCOMPARE(container.parentWidget(), &parent);
}

void tst_MainWindowFramelessContainer::setMainWindow()
{
    VNMainWindowFramelessContainer container;
    auto *window = new QMainWindow(&container);
    window->setWindowTitle(QStringLiteral("Editor"));
    window->setGeometry(80, 60, 500, 350);
    container.setMainWindow(window);
    QCOMPARE(container.mainWindow(), window);
    QCOMPARE(window->parentWidget(), child(container, "windowContent"));
    QCOMPARE(container.geometry(), QRect(80, 60, 500, 350));
    QCOMPARE(container.titleLabel()->text(), QStringLiteral("Editor"));
    QCOMPARE(container.iconLabel()->size(), window->iconSize());

    window->setWindowTitle(QStringLiteral("Renamed"));
    QCOMPARE(container.titleLabel()->text(), QStringLiteral("Renamed"));
    container.setWindowTitle(QStringLiteral("Slot"));
    QCOMPARE(container.titleLabel()->text(), QStringLiteral("Slot"));
    QVERIFY(container.windowTitle().isEmpty());

    QTest::ignoreMessage(QtWarningMsg, "VNMainWindowFramelessContainer::setMainWindow: no main window given");
    container.setMainWindow(nullptr);
    QCOMPARE(container.mainWindow(), window);
}

void tst_MainWindowFramelessContainer::icons()
{
    VNMainWindowFramelessContainer container;
    QLabel *icon = container.iconLabel();
    container.setWindowIcon(solidIcon(Qt::red), solidIcon(Qt::blue));
    // Nothing is shown before there is a main window.
    QCOMPARE(iconColour(icon), QColor());

    auto *window = new QMainWindow(&container);
    window->setIconSize(QSize(20, 20));
    container.setMainWindow(window);
    QCOMPARE(icon->size(), QSize(20, 20));
    QCOMPARE(iconColour(icon), QColor(Qt::red));
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(iconColour(icon), QColor(Qt::blue));

    // A null inactive icon means the active one for both.
    container.setWindowIcon(solidIcon(Qt::green), QIcon());
    QCOMPARE(iconColour(icon), QColor(Qt::green));
    setApplicationState(Qt::ApplicationActive);
    QCOMPARE(iconColour(icon), QColor(Qt::green));

    container.setIconSize(QSize(12, 12));
    QCOMPARE(icon->minimumSize(), QSize(12, 12));
    QCOMPARE(icon->maximumSize(), QSize(12, 12));
    // The next refresh takes the main window's icon size again.
    setApplicationState(Qt::ApplicationInactive);
    QCOMPARE(icon->maximumSize(), QSize(20, 20));
    setApplicationState(Qt::ApplicationActive);
}

void tst_MainWindowFramelessContainer::looksFollowApplicationState()
{
    Shown s;
    s.container.setWindowIcon(solidIcon(Qt::red), solidIcon(Qt::blue));
    setApplicationState(Qt::ApplicationInactive);
    for (const char *name : lookWidgets)
        QCOMPARE(lookOf(child(s.container, name)), QStringLiteral("Deactived-Normal"));
    QCOMPARE(iconColour(s.container.iconLabel()), QColor(Qt::blue));
    QCOMPARE(shadowColourOf(s.container.frameWidget()), s.container.palette().color(QPalette::Shadow));

    setApplicationState(Qt::ApplicationActive);
    for (const char *name : lookWidgets)
        QCOMPARE(lookOf(child(s.container, name)), QStringLiteral("Actived-Normal"));
    QCOMPARE(iconColour(s.container.iconLabel()), QColor(Qt::red));
    QCOMPARE(shadowColourOf(s.container.frameWidget()), s.container.palette().color(QPalette::Highlight));
}

void tst_MainWindowFramelessContainer::guardedClose_data()
{
    QTest::addColumn<QByteArray>("way");
    QTest::addColumn<int>("guard"); // -1 none, 0 refuses, 1 allows
    for (const char *way : {"close button", "requestClose", "window manager"}) {
        QTest::newRow(QByteArray(way).append(", no guard").constData()) << QByteArray(way) << -1;
        QTest::newRow(QByteArray(way).append(", refusing guard").constData()) << QByteArray(way) << 0;
        QTest::newRow(QByteArray(way).append(", allowing guard").constData()) << QByteArray(way) << 1;
    }
}

void tst_MainWindowFramelessContainer::guardedClose()
{
    QFETCH(QByteArray, way);
    QFETCH(int, guard);
    Shown s;
    QSignalSpy closed(&s.container, &VNMainWindowFramelessContainer::closed);
    int asked = 0;
    bool visibleWhenClosedEmitted = false;
    connect(&s.container, &VNMainWindowFramelessContainer::closed, this,
            [&] { visibleWhenClosedEmitted = s.container.isVisible(); });
    if (guard >= 0)
        s.container.setCloseGuard([&] {
            ++asked;
            return guard == 1;
        });

    if (way == "close button")
        child<QToolButton>(s.container, "closeButton")->click();
    else if (way == "requestClose")
        s.container.requestClose();
    else
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            s.container.windowHandle());

    const bool closes = guard != 0;
    if (guard >= 0)
        QTRY_COMPARE(asked, 1);
    QTRY_COMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(s.container.isVisible(), !closes);
    if (closes)
        QVERIFY(visibleWhenClosedEmitted);
    QCoreApplication::processEvents();
    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(asked, guard >= 0 ? 1 : 0);
}

void tst_MainWindowFramelessContainer::programmaticCloseIsNotGuarded()
{
    Shown s;
    QSignalSpy closed(&s.container, &VNMainWindowFramelessContainer::closed);
    int asked = 0;
    s.container.setCloseGuard([&] { return ++asked, false; });
    QVERIFY(s.container.close());
    QVERIFY(!s.container.isVisible());
    QCOMPARE(asked, 0);
    QCOMPARE(closed.count(), 0);
}

void tst_MainWindowFramelessContainer::titleBarDoubleClick()
{
    Shown s;
    auto *titleBar = child(s.container, "windowTitlebar");
    const QRect normal = s.container.geometry();
    QTest::mouseDClick(titleBar, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
    QVERIFY(s.container.isMaximized());
    QVERIFY(!child(s.container, "restoreButton")->isHidden());
    QVERIFY(child(s.container, "maximizeButton")->isHidden());
    QTest::mouseDClick(titleBar, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
    QCOMPARE(s.container.windowState(), Qt::WindowNoState);
    QTRY_COMPARE(s.container.geometry(), normal);

    // Neither minimised nor full screen without maximised changes by a double click.
    for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowFullScreen}) {
        s.container.setWindowState(state);
        QTest::mouseDClick(titleBar, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
        QCOMPARE(s.container.windowState(), state);
    }
}

void tst_MainWindowFramelessContainer::minimizeButton()
{
    Shown s;
    child<QToolButton>(s.container, "minimizeButton")->click();
    QCOMPARE(s.container.windowState(), Qt::WindowMinimized);
}

void tst_MainWindowFramelessContainer::titleBarWidgets()
{
    VNMainWindowFramelessContainer container;
    QCOMPARE(container.titleBarWidget(), nullptr);
    auto *first = new QLabel(QStringLiteral("first"));
    container.addTitleBarWidget(first);
    container.addTitleBarWidget(new QLabel(QStringLiteral("second")));
    QCOMPARE(container.titleBarWidget(), first);
    QCOMPARE(first->parentWidget(), child(container, "windowTitlebar"));

    QTest::ignoreMessage(QtWarningMsg, "VNMainWindowFramelessContainer::addTitleBarWidget: no widget given");
    container.addTitleBarWidget(nullptr);
    QCOMPARE(container.titleBarWidget(), first);
}

QTEST_MAIN(tst_MainWindowFramelessContainer)
#include "tst_mainwindowframelesscontainer.moc"

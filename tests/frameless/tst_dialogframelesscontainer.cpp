#include "dialogframelesscontainer.h"

#include "framelesstestsupport.h"
#include "windowdragger.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <class W = QWidget> W *child(const QWidget &container, const char *name)
{
    return container.findChild<W *>(QLatin1String(name));
}

} // namespace

class tst_DialogFramelessContainer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void formWidgets_data();
    void formWidgets();
    void titleBarOrder();
    void construction_data();
    void construction();
    void setDialog();
    void shadow();
    void styleProperties_data();
    void styleProperties();
    void frameSpacingAndCloseButton();
    void closeButton();
    void willHide();
    void fullScreenAndBack();
    void windowManagerCloseIsSwallowed();
    void titleBarDoubleClickDoesNothing();
};

void tst_DialogFramelessContainer::initTestCase()
{
    setApplicationState(Qt::ApplicationActive);
}

void tst_DialogFramelessContainer::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_DialogFramelessContainer::formWidgets_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");
    const QSize none(0, 0);
    const QSize unbounded(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QSize button(48, 32);
    QTest::newRow("frame") << QByteArray("frame_widget") << QByteArray("QWidget") << none << unbounded;
    QTest::newRow("title bar") << QByteArray("titlebar_widget") << QByteArray("WindowDragger") << QSize(0, 40)
                               << QSize(QWIDGETSIZE_MAX, 40);
    QTest::newRow("title") << QByteArray("title_label") << QByteArray("QLabel") << none << unbounded;
    QTest::newRow("minimise") << QByteArray("minimize_toolButton") << QByteArray("QToolButton") << button
                              << button;
    QTest::newRow("maximise") << QByteArray("maximize_toolButton") << QByteArray("QToolButton") << button
                              << button;
    QTest::newRow("restore") << QByteArray("restore_toolButton") << QByteArray("QToolButton") << button
                             << button;
    QTest::newRow("close") << QByteArray("close_toolButton") << QByteArray("QToolButton") << button << button;
    QTest::newRow("content") << QByteArray("content_widget") << QByteArray("QWidget") << none << unbounded;
}

void tst_DialogFramelessContainer::formWidgets()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, className);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);
    VNDialogFramelessContainer container(1);
    QWidget *widget = child(container, name);
    QVERIFY(widget);
    QCOMPARE(widget->metaObject()->className(), className.constData());
    QCOMPARE(widget->minimumSize(), minimum);
    QCOMPARE(widget->maximumSize(), maximum);
    if (auto *button = qobject_cast<QToolButton *>(widget))
        QVERIFY(button->text().isEmpty());
}

void tst_DialogFramelessContainer::titleBarOrder()
{
    VNDialogFramelessContainer container(1);
    QLayout *bar = child(container, "titlebar_widget")->layout();
    QStringList order;
    for (int i = 0; i < bar->count(); ++i)
        order << (bar->itemAt(i)->widget() ? bar->itemAt(i)->widget()->objectName()
                                           : QStringLiteral("spacer"));
    QCOMPARE(order, QStringList({"title_label", "spacer", "minimize_toolButton", "maximize_toolButton",
                                 "restore_toolButton", "close_toolButton"}));
    QCOMPARE(bar->contentsMargins(), QMargins(15, 2, 0, 0));
    QCOMPARE(container.frameWidget()->layout()->contentsMargins(), QMargins(1, 1, 1, 1));
}

void tst_DialogFramelessContainer::construction_data()
{
    QTest::addColumn<int>("minMaxButtons");
    QTest::addColumn<bool>("withParent");
    QTest::newRow("no min/max buttons") << 0 << false;
    QTest::newRow("min/max buttons") << 1 << false;
    QTest::newRow("with parent") << 0 << true;
}

void tst_DialogFramelessContainer::construction()
{
    QFETCH(int, minMaxButtons);
    QFETCH(bool, withParent);
    QWidget parent;
    VNDialogFramelessContainer container(minMaxButtons, withParent ? &parent : nullptr);
    QCOMPARE(container.objectName(), QStringLiteral("DialogFramelessContainer"));
    QCOMPARE(container.windowTitle(), QStringLiteral("Form"));
    QCOMPARE(container.size(), QSize(400, 300));
    QCOMPARE(container.windowFlags(), Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint);
    QVERIFY(container.isWindow());
    QVERIFY(!container.isVisible());
    QVERIFY(!container.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(container.layout()->contentsMargins(), QMargins());
    QCOMPARE(container.frameWidget(), child(container, "frame_widget"));
    QCOMPARE(container.frameWidget()->graphicsEffect(), nullptr);
    QCOMPARE(lookOf(container.frameWidget()), QStringLiteral("Actived-Normal"));
    QCOMPARE(lookOf(child(container, "titlebar_widget")), QStringLiteral("Actived-Normal"));
    QCOMPARE(container.dialog(), nullptr);
    QCOMPARE(child(container, "minimize_toolButton")->isHidden(), minMaxButtons == 0);
    QCOMPARE(child(container, "maximize_toolButton")->isHidden(), minMaxButtons == 0);
    QVERIFY(child(container, "restore_toolButton")->isHidden());
    QVERIFY(!child(container, "close_toolButton")->isHidden());
}

void tst_DialogFramelessContainer::setDialog()
{
    VNDialogFramelessContainer container(0);
    auto *dialog = new QDialog(&container);
    dialog->setWindowTitle(QStringLiteral("Options"));
    dialog->setGeometry(120, 90, 360, 240);
    container.setDialog(dialog);
    auto *title = child<QLabel>(container, "title_label");
    QCOMPARE(container.dialog(), dialog);
    QCOMPARE(title->text(), QStringLiteral("Options"));
    QCOMPARE(container.geometry(), QRect(120, 90, 360, 240));
    QCOMPARE(dialog->parentWidget(), child(container, "content_widget"));

    dialog->setWindowTitle(QStringLiteral("Renamed"));
    QCOMPARE(title->text(), QStringLiteral("Renamed"));
    container.setWindowTitle(QStringLiteral("Slot"));
    QCOMPARE(title->text(), QStringLiteral("Slot"));
    QCOMPARE(container.windowTitle(), QStringLiteral("Form"));

    QTest::ignoreMessage(QtWarningMsg, "VNDialogFramelessContainer::setDialog: no dialog given");
    container.setDialog(nullptr);
    QCOMPARE(container.dialog(), dialog);
}

void tst_DialogFramelessContainer::shadow()
{
    VNDialogFramelessContainer container(0);
    QWidget *frame = container.frameWidget();
    container.setShadowEnabled(true);
    QVERIFY(container.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(container.layout()->contentsMargins(), QMargins(15, 15, 15, 15));
    QCOMPARE(shadowColourOf(frame), container.palette().color(QPalette::Highlight));
    QGraphicsEffect *effect = frame->graphicsEffect();

    // Once more: only the margins go back to 5, the shadow stays.
    container.setShadowEnabled(true);
    QCOMPARE(container.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
    QCOMPARE(frame->graphicsEffect(), effect);

    container.setBorderRadiusEnabled(false);
    QVERIFY(!container.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(frame->graphicsEffect(), effect);
    container.setShadowEnabled(true);
    QVERIFY(container.testAttribute(Qt::WA_TranslucentBackground));

    container.setShadowEnabled(false);
    QVERIFY(!container.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(container.layout()->contentsMargins(), QMargins());
    QCOMPARE(frame->graphicsEffect(), nullptr);

    // Rounded corners keep the background translucent without shadow.
    container.setBorderRadiusEnabled(true);
    container.setShadowEnabled(false);
    QVERIFY(container.testAttribute(Qt::WA_TranslucentBackground));
}

void tst_DialogFramelessContainer::styleProperties_data()
{
    QTest::addColumn<QByteArray>("property");
    QTest::newRow("border") << QByteArray("border");
    QTest::newRow("borderRadius") << QByteArray("borderRadius");
}

void tst_DialogFramelessContainer::styleProperties()
{
    QFETCH(QByteArray, property);
    VNDialogFramelessContainer container(0);
    const auto set = [&](bool on) {
        if (property == "border")
            container.setBorderVisible(on);
        else
            container.setBorderRadiusEnabled(on);
    };
    const QList<QWidget *> widgets = {&container, container.frameWidget(),
                                      child(container, "titlebar_widget")};
    set(true);
    for (QWidget *widget : widgets)
        QCOMPARE(widget->property(property.constData()), QVariant(true));
    QCOMPARE(container.testAttribute(Qt::WA_TranslucentBackground), property == "borderRadius");
    set(false);
    for (QWidget *widget : widgets)
        QVERIFY(!widget->dynamicPropertyNames().contains(property));
    QVERIFY(!container.testAttribute(Qt::WA_TranslucentBackground));
}

void tst_DialogFramelessContainer::frameSpacingAndCloseButton()
{
    VNDialogFramelessContainer container(0);
    container.setFrameSpacing(false);
    QCOMPARE(container.frameWidget()->layout()->spacing(), 0);
    container.setFrameSpacing(true);
    QCOMPARE(container.frameWidget()->layout()->spacing(), 1);
    container.setCloseButtonVisible(false);
    QVERIFY(child(container, "close_toolButton")->isHidden());
    container.setCloseButtonVisible(true);
    QVERIFY(!child(container, "close_toolButton")->isHidden());
}

void tst_DialogFramelessContainer::closeButton()
{
    VNDialogFramelessContainer container(0);
    container.show();
    auto *close = child<QToolButton>(container, "close_toolButton");
    int calls = 0;
    container.setCloseCallback([&] { ++calls; });
    close->click();
    QCOMPARE(calls, 1);
    QVERIFY(container.isVisible());

    // Without a callback the button closes the container.
    container.setCloseCallback({});
    close->click();
    QCOMPARE(calls, 1);
    QVERIFY(!container.isVisible());
}

void tst_DialogFramelessContainer::willHide()
{
    VNDialogFramelessContainer container(0);
    QSignalSpy willHide(&container, &VNDialogFramelessContainer::willHide);
    bool hiddenWhenEmitted = false;
    connect(&container, &VNDialogFramelessContainer::willHide, this,
            [&] { hiddenWhenEmitted = !container.isVisible(); });
    container.show();
    QCOMPARE(willHide.count(), 0);
    container.hide();
    QCOMPARE(willHide.count(), 1);
    QVERIFY(hiddenWhenEmitted);
    container.show();
    container.close();
    QCOMPARE(willHide.count(), 2);
}

void tst_DialogFramelessContainer::fullScreenAndBack()
{
    VNDialogFramelessContainer container(0);
    container.setGeometry(140, 110, 320, 200);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    container.showFullScreen();
    QTRY_VERIFY(container.isFullScreen());
    QTRY_COMPARE(container.geometry(), container.screen()->geometry());
    container.showNormal();
    QVERIFY(!container.isFullScreen());
    QTRY_COMPARE(container.geometry(), QRect(140, 110, 320, 200));
}

void tst_DialogFramelessContainer::windowManagerCloseIsSwallowed()
{
    VNDialogFramelessContainer container(0);
    QSignalSpy willHide(&container, &VNDialogFramelessContainer::willHide);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    QVERIFY(!QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        container.windowHandle()));
    QCoreApplication::processEvents();
    QVERIFY(container.isVisible());
    QCOMPARE(willHide.count(), 0);

    QVERIFY(container.close());
    QVERIFY(!container.isVisible());
    QCOMPARE(willHide.count(), 1);
}

void tst_DialogFramelessContainer::titleBarDoubleClickDoesNothing()
{
    VNDialogFramelessContainer container(1);
    container.setGeometry(100, 100, 400, 300);
    container.show();
    QVERIFY(QTest::qWaitForWindowExposed(&container));
    auto *titleBar = child(container, "titlebar_widget");
    QTest::mouseDClick(titleBar, Qt::LeftButton, Qt::NoModifier, QPoint(100, 20));
    QCOMPARE(container.windowState(), Qt::WindowNoState);
    QCOMPARE(container.geometry(), QRect(100, 100, 400, 300));
}

QTEST_MAIN(tst_DialogFramelessContainer)
#include "tst_dialogframelesscontainer.moc"

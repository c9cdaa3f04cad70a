#include "titlebardialog.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
QWidget *overlayOf(const QWidget &dialog)
{
    return dialog.findChild<QWidget *>(QStringLiteral("overlay_widget"));
}
} // namespace

class TestVnDialog2 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void overlayCentresWidget_data();
    void overlayCentresWidget();
    void hideGivesWidgetBack();
    void secondShowDoesNothing();
    void destructionGivesWidgetBack();
    void widgetDeletedWhileShown();
    void parentDeletedWhileShown();
};

void TestVnDialog2::cleanup()
{
    const QWidgetList leaked = QApplication::topLevelWidgets();
    qDeleteAll(leaked);
    QVERIFY(leaked.isEmpty());
}

void TestVnDialog2::overlayCentresWidget_data()
{
    QTest::addColumn<QSize>("dialogSize");
    QTest::addColumn<QSize>("widgetSize");
    QTest::addColumn<QPoint>("expected");
    QTest::addColumn<QPoint>("expectedGrown");

    // The dialog then grows by 50 x 20.
    QTest::newRow("even") << QSize(400, 300) << QSize(100, 50) << QPoint(150, 125) << QPoint(175, 135);
    QTest::newRow("halves up") << QSize(401, 301) << QSize(100, 50) << QPoint(151, 126) << QPoint(176, 136);
    QTest::newRow("larger, halves away from zero")
        << QSize(300, 200) << QSize(303, 205) << QPoint(-2, -3) << QPoint(24, 8);
    QTest::newRow("larger by one") << QSize(300, 200) << QSize(301, 201) << QPoint(-1, -1) << QPoint(25, 10);
}

void TestVnDialog2::overlayCentresWidget()
{
    QFETCH(QSize, dialogSize);
    QFETCH(QSize, widgetSize);
    QFETCH(QPoint, expected);
    QFETCH(QPoint, expectedGrown);

    VnDialog2 dialog;
    dialog.resize(dialogSize);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget holder;
    auto panel = new QWidget(&holder);
    panel->resize(widgetSize);

    dialog.showOverlay(panel);
    QWidget *overlay = overlayOf(dialog);
    QVERIFY(overlay);
    QCOMPARE(overlay->geometry(), dialog.rect());
    QVERIFY(overlay->isVisible());
    QCOMPARE(panel->parentWidget(), &dialog);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), expected);
    // The overlay lies above the title row, the panel above the overlay.
    const QObjectList stack = dialog.children();
    QVERIFY(stack.indexOf(dialog.findChild<QPushButton *>(QStringLiteral("close_pushButton"))) <
            stack.indexOf(overlay));
    QVERIFY(stack.indexOf(overlay) < stack.indexOf(panel));

    const QSize grown = dialogSize + QSize(50, 20);
    dialog.resize(grown);
    QTRY_COMPARE(overlay->geometry(), QRect(QPoint(0, 0), grown));
    QCOMPARE(panel->pos(), expectedGrown);

    dialog.hideOverlay();
}

void TestVnDialog2::hideGivesWidgetBack()
{
    VnDialog2 dialog;
    dialog.showOverlay();
    QVERIFY(overlayOf(dialog));
    dialog.hideOverlay();
    QVERIFY(!overlayOf(dialog));

    QWidget holder;
    auto panel = new QWidget(&holder);
    holder.show();
    dialog.show();
    dialog.showOverlay(panel);
    dialog.hideOverlay();
    QVERIFY(!overlayOf(dialog));
    QCOMPARE(panel->parentWidget(), &holder);
    QVERIFY(panel->isHidden());

    // A widget that had no parent is a (hidden) window of its own again.
    QWidget loose;
    dialog.showOverlay(&loose);
    QCOMPARE(loose.parentWidget(), &dialog);
    dialog.hideOverlay();
    QVERIFY(loose.isWindow());
    QVERIFY(loose.isHidden());
}

void TestVnDialog2::secondShowDoesNothing()
{
    VnDialog2 dialog;
    QWidget holder;
    auto first = new QWidget(&holder);
    auto second = new QWidget(&holder);
    dialog.showOverlay(first);
    QWidget *overlay = overlayOf(dialog);
    dialog.showOverlay(second);
    QCOMPARE(dialog.findChildren<QWidget *>(QStringLiteral("overlay_widget")).size(), 1);
    QCOMPARE(overlayOf(dialog), overlay);
    QCOMPARE(second->parentWidget(), &holder);

    dialog.hideOverlay();
    QCOMPARE(first->parentWidget(), &holder);
}

void TestVnDialog2::destructionGivesWidgetBack()
{
    QWidget holder;
    QPointer<QWidget> panel = new QWidget(&holder);
    auto dialog = new VnDialog2;
    dialog->showOverlay(panel);
    delete dialog;
    QVERIFY(panel);
    QCOMPARE(panel->parentWidget(), &holder);
    QVERIFY(panel->isHidden());
}

void TestVnDialog2::widgetDeletedWhileShown()
{
    auto dialog = new VnDialog2;
    dialog->show();
    auto panel = new QWidget;
    dialog->showOverlay(panel);
    delete panel;
    dialog->resize(dialog->size() + QSize(10, 10));
    dialog->hideOverlay();
    QVERIFY(!overlayOf(*dialog));

    // Also when the dialog goes first.
    QWidget holder;
    auto other = new QWidget(&holder);
    dialog->showOverlay(other);
    delete other;
    delete dialog;
}

void TestVnDialog2::parentDeletedWhileShown()
{
    auto dialog = new VnDialog2;
    auto holder = new QWidget;
    QPointer<QWidget> panel = new QWidget(holder);
    dialog->showOverlay(panel);
    delete holder;
    dialog->hideOverlay();
    QVERIFY(panel);
    QCOMPARE(panel->parentWidget(), dialog);
    QVERIFY(panel->isHidden());
    delete dialog;
    QVERIFY(!panel);
}

QTEST_MAIN(TestVnDialog2)
#include "tst_vndialog2.moc"

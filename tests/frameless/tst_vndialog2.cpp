#include "titlebardialog.h"

#include <QApplication>
#include <QPointer>
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
    void widgetGoesBack();
    void deletionsWhileShown();
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
    QCOMPARE(overlay->geometry(), dialog.rect());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), expected);
    // Stacking: title row, then overlay, then panel.
    const QObjectList stack = dialog.children();
    QVERIFY(stack.indexOf(dialog.findChild<QWidget *>(QStringLiteral("close_pushButton"))) <
            stack.indexOf(overlay));
    QVERIFY(stack.indexOf(overlay) < stack.indexOf(panel));

    dialog.resize(dialogSize + QSize(50, 20));
    QTRY_COMPARE(overlay->geometry(), dialog.rect());
    QCOMPARE(panel->pos(), expectedGrown);
    dialog.hideOverlay();
}

void TestVnDialog2::widgetGoesBack()
{
    QWidget holder;
    auto first = new QWidget(&holder);
    QPointer<QWidget> second = new QWidget(&holder);
    QWidget loose;
    {
        VnDialog2 dialog;
        dialog.showOverlay(first);
        dialog.showOverlay(second); // ignored while shown
        QCOMPARE(dialog.findChildren<QWidget *>(QStringLiteral("overlay_widget")).size(), 1);
        QCOMPARE(second->parentWidget(), &holder);
        dialog.hideOverlay();
        QVERIFY(!overlayOf(dialog));
        QCOMPARE(first->parentWidget(), &holder);
        QVERIFY(first->isHidden());

        // A widget without a parent becomes a hidden window again.
        dialog.showOverlay(&loose);
        dialog.hideOverlay();
        QVERIFY(loose.isWindow() && loose.isHidden());

        dialog.showOverlay(second); // given back by the destructor
    }
    QVERIFY(second);
    QCOMPARE(second->parentWidget(), &holder);
    QVERIFY(second->isHidden());
}

void TestVnDialog2::deletionsWhileShown()
{
    auto dialog = new VnDialog2;
    dialog->show();
    auto panel = new QWidget;
    dialog->showOverlay(panel);
    delete panel;
    dialog->resize(dialog->size() + QSize(10, 10));
    dialog->hideOverlay();

    // With its former parent gone the widget stays with the dialog instead of becoming a window.
    auto holder = new QWidget;
    QPointer<QWidget> orphan = new QWidget(holder);
    dialog->showOverlay(orphan);
    delete holder;
    dialog->hideOverlay();
    QCOMPARE(orphan->parentWidget(), dialog);

    dialog->showOverlay(orphan);
    delete orphan;
    delete dialog;
}

QTEST_MAIN(TestVnDialog2)
#include "tst_vndialog2.moc"

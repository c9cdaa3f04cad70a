#include "titlebardialog.h"

#include <QApplication>
#include <QtTest>

class TestVnDialog2 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void overlayCentresWidget_data()
    {
        QTest::addColumn<QSize>("widgetSize");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QPoint>("expectedGrown");
        // On a dialog of 301 x 201 that then grows to 351 x 221; halves round away from zero.
        QTest::newRow("smaller") << QSize(100, 50) << QPoint(101, 76) << QPoint(126, 86);
        QTest::newRow("larger by one") << QSize(302, 202) << QPoint(-1, -1) << QPoint(25, 10);
    }

    void overlayCentresWidget()
    {
        QFETCH(QSize, widgetSize);
        QFETCH(QPoint, expected);
        QFETCH(QPoint, expectedGrown);
        QWidget panel;
        panel.resize(widgetSize);
        VnDialog2 dialog;
        dialog.resize(301, 201);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.showOverlay(&panel);
        auto overlay = dialog.findChild<QWidget *>(QStringLiteral("overlay_widget"));
        // Above the title row, the widget above the overlay.
        QCOMPARE(dialog.children().mid(dialog.children().size() - 2), (QObjectList{overlay, &panel}));
        QCOMPARE(panel.pos(), expected);
        dialog.resize(351, 221);
        QTRY_COMPARE(overlay->geometry(), dialog.rect());
        QCOMPARE(panel.pos(), expectedGrown);
        dialog.hideOverlay();
        // A widget without a parent becomes a hidden window again.
        QVERIFY(panel.isWindow() && panel.isHidden());
    }

    void widgetGoesBack()
    {
        auto holder = new QWidget;
        QWidget *first = new QWidget(holder), *second = new QWidget(holder);
        {
            VnDialog2 dialog;
            dialog.show();
            dialog.showOverlay(first);
            delete first; // by its owner, while shown
            dialog.resize(dialog.size() + QSize(10, 10));
            dialog.hideOverlay();
            dialog.showOverlay(second); // given back by the destructor
        }
        QCOMPARE(second->parentWidget(), holder);
        QVERIFY(second->isHidden());
        delete holder;
    }
};

QTEST_MAIN(TestVnDialog2)
#include "tst_vndialog2.moc"

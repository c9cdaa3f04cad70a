#include "titlebardialog.h"

#include "testsupport.h"

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
        // A widget of the dialog's own lies above the overlay: scripts/walkthrough.sh clicks one.
    }

    void overlayCentresWidget()
    {
        QFETCH(QSize, widgetSize);
        QWidget holder;
        VnDialog2 dialog;
        QWidget panel(&holder);
        panel.resize(widgetSize);
        dialog.resize(301, 201);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.showOverlay(&panel);
        QTEST(panel.pos(), "expected");
        dialog.resize(351, 221);
        QTRY_COMPARE(dialog.findChild<QWidget *>("overlay_widget")->geometry(), dialog.rect());
        QTEST(panel.pos(), "expectedGrown");
    }

    void widgetGoesBack()
    {
        QWidget holder;
        QWidget second(&holder);
        auto first = std::make_unique<QWidget>(&holder);
        {
            VnDialog2 dialog;
            dialog.show();
            dialog.showOverlay(first.get());
            first.reset(); // by its owner, while shown
            dialog.resize(dialog.size() + QSize(10, 10));
            dialog.hideOverlay();
            // Its former parent deleted while shown, the widget stays with the dialog, not a window.
            auto formerParent = std::make_unique<QWidget>();
            QWidget orphan(formerParent.get());
            dialog.showOverlay(&orphan);
            formerParent.reset();
            dialog.hideOverlay();
            QCOMPARE(orphan.parentWidget(), &dialog);
            dialog.showOverlay(&second); // given back by the destructor
        }
        QCOMPARE(second.parentWidget(), &holder);
        QVERIFY(second.isHidden());
    }
};

QTEST_MAIN(TestVnDialog2)
#include "tst_vndialog2.moc"

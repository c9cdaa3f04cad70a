#include "framelesstestsupport.h"
#include "messagebox.h"

#include <QFile>
#include <QtTest>

class TestVnDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        VnDialog::setStayTop(false);
        qApp->setStyleSheet(QString());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void frameGeometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("t");
        QTest::newRow("defaults") << QSize(400, 300) << 2 << 32;
        QTest::newRow("wide border") << QSize(250, 180) << 4 << 24;
        QTest::newRow("no border") << QSize(101, 77) << 0 << 20;
    }

    void frameGeometry()
    {
        QFETCH(QSize, size);
        QFETCH(int, b);
        QFETCH(int, t);
        VnDialog dialog;
        dialog.setBorderWidth(b);
        dialog.setTitleWidth(t);
        dialog.resize(size);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.contentsMargins(), QMargins(b, t + 2 * b, b, b));
        const int w = size.width(), h = size.height();
        QCOMPARE(dialog.findChild<QWidget *>("left_edge_widget")->geometry(), QRect(0, 0, b, h));
        QCOMPARE(dialog.findChild<QWidget *>("right_edge_widget")->geometry(), QRect(w - b, 0, b, h));
        QCOMPARE(dialog.findChild<QWidget *>("top_edge_widget")->geometry(), QRect(0, 0, w, b));
        QCOMPARE(dialog.findChild<QWidget *>("bottom_edge_widget")->geometry(), QRect(0, h - b, w - 10, b));
        QCOMPARE(dialog.findChild<QWidget *>("corner_grip_widget")->geometry(), QRect(w - 10, h - b, 10, b));
        QCOMPARE(dialog.findChild<QWidget *>("title_label")->geometry(), QRect(b, b, w - 2 * b - t, t));
        QCOMPARE(dialog.findChild<QWidget *>("close_pushButton")->geometry(), QRect(w - b - t, b, t, t));
        QCOMPARE(dialog.findChild<QWidget *>("title_separator_widget")->geometry(), QRect(0, b + t, w, b));
    }

    void dragAndResize_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("expected");
        // Rows name the piece and the size it is dragged to; the dialog at (0, 0, 300 x 250) may be 200 x 150
        // to 400 x 350, both limits excluded. The title's coordinates start 2 pixels inside.
        const QRect start(0, 0, 300, 250);
        QTest::newRow("left 201") << "left_edge_widget" << QPoint(99, 0) << QRect(99, 0, 201, 250);
        QTest::newRow("left 200") << "left_edge_widget" << QPoint(100, 0) << start;
        QTest::newRow("right 399") << "right_edge_widget" << QPoint(398, 0) << QRect(0, 0, 399, 250);
        QTest::newRow("right 400") << "right_edge_widget" << QPoint(399, 0) << start;
        QTest::newRow("top 151") << "top_edge_widget" << QPoint(0, 99) << QRect(0, 99, 300, 151);
        QTest::newRow("top 150") << "top_edge_widget" << QPoint(0, 100) << start;
        QTest::newRow("bottom 349") << "bottom_edge_widget" << QPoint(0, 348) << QRect(0, 0, 300, 349);
        QTest::newRow("bottom 350") << "bottom_edge_widget" << QPoint(0, 349) << start;
        QTest::newRow("grip 51 x 51") << "corner_grip_widget" << QPoint(50, 50) << QRect(0, 0, 200, 150);
        QTest::newRow("title") << "title_label" << QPoint(500, 400) << QRect(500, 400, 300, 250);
    }

    void dragAndResize()
    {
        QFETCH(QString, piece);
        QFETCH(QPoint, to);
        QFETCH(QRect, expected);
        VnDialog dialog(nullptr, true);
        dialog.setMinimumSize(200, 150);
        dialog.setMaximumSize(400, 350);
        dialog.setGeometry(0, 0, 300, 250);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget *strip = dialog.findChild<QWidget *>(piece);
        sendMouse(strip, QEvent::MouseButtonPress, strip->mapToGlobal(QPoint(0, 0)));
        sendMouse(strip, QEvent::MouseMove, to);
        QTRY_COMPARE(dialog.geometry(), expected);
    }

    void stayTop()
    {
        VnDialog before;
        VnDialog::setStayTop(true);
        QCOMPARE(int(VnDialog().windowFlags()),
                 int(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        // Only dialogs constructed afterwards.
        QCOMPARE(before.windowType(), Qt::Dialog);
        QVERIFY(!before.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void themeReplacesConstructorValues()
    {
        QFile sheet(QStringLiteral(":/stylesheet/zevorer.qss"));
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
        VnDialog plain;
        VnDialog2 overlaid;
        VnMessageBox box(VnMessageBox::Quit, QStringLiteral("Text"), QString());
        for (VnDialog *dialog : {&plain, static_cast<VnDialog *>(&overlaid), static_cast<VnDialog *>(&box)}) {
            // What a subclass's constructor might set; polishing replaces it.
            dialog->setBorderWidth(5);
            dialog->setTitleColor(Qt::green);
            dialog->setCloseBtnPixmap(QStringLiteral(":/nothing.png"));
            dialog->ensurePolished();
            QCOMPARE(dialog->borderWidth(), 2);
            QCOMPARE(dialog->titleWidth(), 32);
            QCOMPARE(dialog->borderColor(), QColor(20, 23, 27));
            QCOMPARE(dialog->titleColor(), QColor(64, 68, 80));
            QCOMPARE(dialog->closeBtnPixmap(), QStringLiteral(":/icon/btn_close_15x15_s1.png"));
            QCOMPARE(dialog->contentsMargins(), QMargins(2, 36, 2, 2));
            QCOMPARE(dialog->findChild<QWidget *>("left_edge_widget")->styleSheet(),
                     QStringLiteral("background: #14171b"));
        }
    }
};

QTEST_MAIN(TestVnDialog)
#include "tst_vndialog.moc"

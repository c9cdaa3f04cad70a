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

    void dragAndResize_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QRect>("expected");
        // Rows name the piece and the size it is dragged to; the dialog at (0, 0, 300 x 250) may be 200 x 150
        // to 400 x 350, both limits excluded.
        const QRect start(0, 0, 300, 250);
        QTest::newRow("left 201") << "left_edge_widget" << QPoint(99, 0) << QRect(99, 0, 201, 250);
        QTest::newRow("left 200") << "left_edge_widget" << QPoint(100, 0) << start;
        QTest::newRow("bottom 349") << "bottom_edge_widget" << QPoint(0, 348) << QRect(0, 0, 300, 349);
        QTest::newRow("bottom 350") << "bottom_edge_widget" << QPoint(0, 349) << start;
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
            QCOMPARE(dialog->borderColor(), QColor(20, 23, 27));
            QCOMPARE(dialog->titleColor(), QColor(64, 68, 80));
            QCOMPARE(dialog->closeBtnPixmap(), QStringLiteral(":/icon/btn_close_15x15_s1.png"));
            QCOMPARE(dialog->contentsMargins(), QMargins(2, 36, 2, 2));
        }
    }
};

QTEST_MAIN(TestVnDialog)
#include "tst_vndialog.moc"

#include "messagebox.h"

#include "testsupport.h"

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
        // The dialog at (100, 100, 300 x 250) may be 200 x 150 to 400 x 350, limits excluded on the edges.
        const QRect start(100, 100, 300, 250);
        QTest::newRow("left 201") << "left_edge_widget" << QPoint(199, 0) << QRect(199, 100, 201, 250);
        QTest::newRow("left 200") << "left_edge_widget" << QPoint(200, 0) << start;
        QTest::newRow("bottom 349") << "bottom_edge_widget" << QPoint(0, 448) << QRect(100, 100, 300, 349);
        QTest::newRow("bottom 350") << "bottom_edge_widget" << QPoint(0, 449) << start;
        QTest::newRow("top") << "top_edge_widget" << QPoint(0, 80) << QRect(100, 80, 300, 270);
        QTest::newRow("right") << "right_edge_widget" << QPoint(449, 0) << QRect(100, 100, 350, 250);
        // Not refused beyond the limits: the size is clamped to them.
        QTest::newRow("corner grip") << "corner_grip_widget" << QPoint(549, 499) << QRect(100, 100, 400, 350);
        // A title widget set in place of the label drags the dialog.
        QTest::newRow("title widget") << "own_title" << QPoint(150, 130) << QRect(150, 130, 300, 250);
    }

    void dragAndResize()
    {
        QFETCH(QString, piece);
        QFETCH(QPoint, to);
        QFETCH(QRect, expected);
        VnDialog dialog(nullptr, true);
        dialog.setTitleColor(QColor(1, 2, 3));
        const QPointer<QLabel> label(dialog.findChild<QLabel *>("title_label"));
        auto *title = new QLabel("own");
        title->setObjectName("own_title");
        dialog.setTitleWidget(title);
        dialog.setWindowTitle("changed");
        dialog.setMinimumSize(200, 150);
        dialog.setMaximumSize(400, 350);
        dialog.setGeometry(100, 100, 300, 250);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // The title widget took the label's place and colour, and does not follow the window title.
        QVERIFY(label.isNull() && title->text() == "own");
        QCOMPARE(title->geometry(), QRect(2, 2, 264, 32));
        QCOMPARE(title->grab().toImage().pixelColor(250, 2), QColor(1, 2, 3));
        auto *strip = dialog.findChild<QWidget *>(piece);
        sendMouse(strip, QEvent::MouseButtonPress, strip->mapToGlobal(QPoint(0, 0)));
        sendMouse(strip, QEvent::MouseMove, to);
        QTRY_COMPARE(dialog.geometry(), expected);
    }

    void artwork()
    {
        const qreal ratio = qApp->devicePixelRatio();
        if (ratio != std::ceil(ratio))
            QSKIP("drawn from the 2x artwork, scaled down to the screen");
        // As the program does: on a scaled screen images come from their "@2x" files.
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
        qApp->setStyleSheet("file:///:/stylesheet/dark_theme.qss");
        VnMessageBox box(0, "Text", ":/icon/error_40x40_s1.png");
        auto *check = new QCheckBox(&box);
        check->setChecked(true);
        box.layout()->addWidget(check);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QMap<QString, QWidget *> shownBy{
            {"btn_close_15x15", box.findChild<QWidget *>("close_pushButton")},
            {"error_40x40", box.findChild<QWidget *>("icon_label")},
            {"checkbox_checked_20x20", check}};
        for (auto it = shownBy.cbegin(); it != shownBy.cend(); ++it) {
            const QImage picture = it.value()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage art(":/icon/" + it.key() + (ratio > 1 ? "_s1@2x.png" : "_s1.png"));
            // The art, laid over the colour of the picture's bottom-right pixel, somewhere in the picture.
            QImage expected(art.size(), QImage::Format_ARGB32);
            expected.fill(picture.pixelColor(picture.width() - 1, picture.height() - 1));
            QPainter(&expected).drawImage(expected.rect(), art); // pixel for pixel, whatever the art's ratio
            bool shown = false;
            for (int y = 0; !shown && y + art.height() <= picture.height(); ++y)
                for (int x = 0; !shown && x + art.width() <= picture.width(); ++x)
                    shown =
                        firstDifference(expected, picture.copy(QRect(QPoint(x, y), art.size()))).isEmpty();
            QVERIFY2(shown, qPrintable(it.key()));
        }
    }

    void themeAndStayTop()
    {
        qApp->setStyleSheet("file:///:/stylesheet/zevorer.qss");
        VnDialog plain;
        VnDialog::setStayTop(true); // only for dialogs constructed afterwards
        QVERIFY(!plain.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(int(VnDialog().windowFlags()),
                 int(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
        VnDialog2 overlaid;
        VnMessageBox box(VnMessageBox::Quit, "Text", QString());
        for (VnDialog *dialog : {&plain, static_cast<VnDialog *>(&overlaid), static_cast<VnDialog *>(&box)}) {
            // What a subclass's constructor might set; polishing replaces it.
            dialog->setBorderWidth(5);
            dialog->setTitleColor(Qt::green);
            dialog->setCloseBtnPixmap(":/nothing.png");
            dialog->ensurePolished();
            QCOMPARE(dialog->borderColor(), QColor(20, 23, 27));
            QCOMPARE(dialog->titleColor(), QColor(64, 68, 80));
            QCOMPARE(dialog->closeBtnPixmap(), QString(":/icon/btn_close_15x15_s1.png"));
            QCOMPARE(dialog->contentsMargins(), QMargins(2, 36, 2, 2));
            // Screen readers name the image-only close button.
            auto *close = dialog->findChild<QPushButton *>("close_pushButton");
            QCOMPARE(QAccessible::queryAccessibleInterface(close)->text(QAccessible::Name), QString("Close"));
        }
    }
};

QTEST_MAIN(TestVnDialog)
#include "tst_vndialog.moc"

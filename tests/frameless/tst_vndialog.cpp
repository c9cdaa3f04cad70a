#include "messagebox.h"
#include "titlebardialog.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
QWidget *piece(const QWidget &dialog, const QString &name)
{
    return dialog.findChild<QWidget *>(name);
}

void sendMouse(QWidget *target, QEvent::Type type, const QPoint &globalPos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, target->mapFromGlobal(globalPos), globalPos, button, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class CloseTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        const bool close = qstrcmp(context, "VnDialog") == 0 && qstrcmp(text, "Close") == 0;
        return close ? QStringLiteral("关闭") : QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestVnDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!VnDialog::stayTop()); }
    void cleanup();
    void defaultLook();
    void frameGeometry_data();
    void frameGeometry();
    void dragByTitle();
    void resizeFromBorder_data();
    void resizeFromBorder();
    void stayTop();
    void closeButtonRejects();
    void closeToolTipFollowsLanguage();
    void themeReplacesConstructorValues_data();
    void themeReplacesConstructorValues();
};

void TestVnDialog::cleanup()
{
    VnDialog::setStayTop(false);
    qApp->setStyleSheet(QString());
    const QWidgetList leaked = QApplication::topLevelWidgets();
    qDeleteAll(leaked);
    QVERIFY(leaked.isEmpty());
}

void TestVnDialog::defaultLook()
{
    VnDialog dialog;
    QCOMPARE(dialog.contentsMargins(), QMargins(2, 36, 2, 2));
    QCOMPARE(piece(dialog, "corner_grip_widget")->styleSheet(), QStringLiteral("background: #000000"));
    QCOMPARE(piece(dialog, "corner_grip_widget")->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(piece(dialog, "close_pushButton")->styleSheet(),
             QStringLiteral("QPushButton{background-color:#000000;border:0px;}") +
                 QString(44, QLatin1Char(' ')) +
                 QStringLiteral("QPushButton:hover{background-color:rgb(140,0,0);}"));
    dialog.setWindowTitle(QStringLiteral("Title"));
    QCOMPARE(piece(dialog, "title_label")->property("text").toString(), QStringLiteral("Title"));
}

void TestVnDialog::frameGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("t");
    QTest::newRow("defaults") << QSize(400, 300) << 2 << 32;
    QTest::newRow("wide border") << QSize(250, 180) << 4 << 24;
    QTest::newRow("no border") << QSize(101, 77) << 0 << 20;
}

void TestVnDialog::frameGeometry()
{
    QFETCH(QSize, size);
    QFETCH(int, b);
    QFETCH(int, t);

    VnDialog dialog;
    dialog.resize(size);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The setters relayout a visible dialog at once, a resize relayouts it again.
    dialog.setBorderWidth(b);
    dialog.setTitleWidth(t);
    QCOMPARE(dialog.contentsMargins(), QMargins(b, t + 2 * b, b, b));
    for (const QSize &s : {size, size + QSize(13, 7)}) {
        dialog.resize(s);
        QTRY_COMPARE(dialog.size(), s);
        const int w = s.width(), h = s.height();
        QCOMPARE(piece(dialog, "left_edge_widget")->geometry(), QRect(0, 0, b, h));
        QCOMPARE(piece(dialog, "right_edge_widget")->geometry(), QRect(w - b, 0, b, h));
        QCOMPARE(piece(dialog, "top_edge_widget")->geometry(), QRect(0, 0, w, b));
        QCOMPARE(piece(dialog, "bottom_edge_widget")->geometry(), QRect(0, h - b, w - 10, b));
        QCOMPARE(piece(dialog, "corner_grip_widget")->geometry(), QRect(w - 10, h - b, 10, b));
        QCOMPARE(piece(dialog, "title_label")->geometry(), QRect(b, b, w - 2 * b - t, t));
        QCOMPARE(piece(dialog, "close_pushButton")->geometry(), QRect(w - b - t, b, t, t));
        QCOMPARE(piece(dialog, "title_separator_widget")->geometry(), QRect(0, b + t, w, b));
    }
}

void TestVnDialog::dragByTitle()
{
    VnDialog dialog;
    dialog.setGeometry(100, 100, 300, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *title = piece(dialog, "title_label");
    // The offset is taken in the title's coordinates, so the dialog lands 2 pixels off where it was grabbed.
    sendMouse(title, QEvent::MouseButtonPress, title->mapToGlobal(QPoint(30, 10)));
    sendMouse(title, QEvent::MouseMove, QPoint(500, 400));
    QTRY_COMPARE(dialog.pos(), QPoint(470, 390));

    // A replacement title widget drags too; the label is gone and title changes no longer show.
    auto custom = new QWidget;
    dialog.setTitleWidget(custom);
    QVERIFY(!piece(dialog, "title_label"));
    QCOMPARE(custom->styleSheet(), QStringLiteral("background: #000000"));
    sendMouse(custom, QEvent::MouseButtonPress, custom->mapToGlobal(QPoint(5, 5)));
    sendMouse(custom, QEvent::MouseMove, QPoint(600, 500));
    QTRY_COMPARE(dialog.pos(), QPoint(595, 495));
}

void TestVnDialog::resizeFromBorder_data()
{
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QRect>("expected");

    // The dialog starts at (100, 100, 300 x 250) and may be 200 x 150 to 400 x 350, both limits excluded.
    const QRect start(100, 100, 300, 250);
    QTest::newRow("left, width 201") << true << "left_edge_widget" << QPoint(199, 0)
                                     << QRect(199, 100, 201, 250);
    QTest::newRow("left, minimum width") << true << "left_edge_widget" << QPoint(200, 0) << start;
    QTest::newRow("left, width 399") << true << "left_edge_widget" << QPoint(1, 0) << QRect(1, 100, 399, 250);
    QTest::newRow("left, maximum width") << true << "left_edge_widget" << QPoint(0, 0) << start;
    QTest::newRow("right, width 201")
        << true << "right_edge_widget" << QPoint(300, 0) << QRect(100, 100, 201, 250);
    QTest::newRow("right, minimum width") << true << "right_edge_widget" << QPoint(299, 0) << start;
    QTest::newRow("top, height 151") << true << "top_edge_widget" << QPoint(0, 199)
                                     << QRect(100, 199, 300, 151);
    QTest::newRow("top, maximum height") << true << "top_edge_widget" << QPoint(0, 0) << start;
    QTest::newRow("bottom, height 349")
        << true << "bottom_edge_widget" << QPoint(0, 448) << QRect(100, 100, 300, 349);
    QTest::newRow("bottom, minimum height") << true << "bottom_edge_widget" << QPoint(0, 249) << start;
    QTest::newRow("grip") << true << "corner_grip_widget" << QPoint(450, 400) << QRect(100, 100, 351, 301);
    QTest::newRow("grip, clamped") << true << "corner_grip_widget" << QPoint(150, 150)
                                   << QRect(100, 100, 200, 150);
    QTest::newRow("fixed size, left") << false << "left_edge_widget" << QPoint(199, 0) << start;
    QTest::newRow("fixed size, grip") << false << "corner_grip_widget" << QPoint(450, 400) << start;
}

void TestVnDialog::resizeFromBorder()
{
    QFETCH(bool, resizable);
    QFETCH(QString, piece);
    QFETCH(QPoint, cursor);
    QFETCH(QRect, expected);

    VnDialog dialog(nullptr, resizable);
    dialog.setMinimumSize(200, 150);
    dialog.setMaximumSize(400, 350);
    dialog.setGeometry(100, 100, 300, 250);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *strip = ::piece(dialog, piece);
    QCOMPARE(strip->cursor().shape() != Qt::ArrowCursor, resizable);
    sendMouse(strip, QEvent::MouseButtonPress, strip->mapToGlobal(QPoint(0, 0)));
    sendMouse(strip, QEvent::MouseMove, cursor);
    QApplication::processEvents();
    QCOMPARE(dialog.geometry(), expected);
}

void TestVnDialog::stayTop()
{
    VnDialog before;
    VnDialog::setStayTop(true);
    VnDialog after;
    QCOMPARE(int(before.windowFlags() & (Qt::WindowType_Mask | Qt::WindowStaysOnTopHint)), int(Qt::Dialog));
    QCOMPARE(int(after.windowFlags()), int(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
}

void TestVnDialog::closeButtonRejects()
{
    VnDialog dialog;
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("close_pushButton")),
                          Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(finished.count(), 1);
}

void TestVnDialog::closeToolTipFollowsLanguage()
{
    VnDialog dialog;
    QWidget *close = piece(dialog, "close_pushButton");
    QCOMPARE(close->toolTip(), QStringLiteral("Close"));
    {
        CloseTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(close->toolTip(), QStringLiteral("关闭"));
    }
    QTRY_COMPARE(close->toolTip(), QStringLiteral("Close"));
}

void TestVnDialog::themeReplacesConstructorValues_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("VnDialog") << 0;
    QTest::newRow("VnDialog2") << 1;
    QTest::newRow("VnMessageBox") << 2;
}

void TestVnDialog::themeReplacesConstructorValues()
{
    QFETCH(int, kind);
    QFile sheet(QStringLiteral(":/stylesheet/zevorer.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));

    std::unique_ptr<VnDialog> dialog;
    if (kind == 0)
        dialog = std::make_unique<VnDialog>();
    else if (kind == 1)
        dialog = std::make_unique<VnDialog2>();
    else
        dialog = std::make_unique<VnMessageBox>(QMessageBox::Ok, QStringLiteral("Text"), QString());
    // What a subclass's constructor might set: polishing replaces all of it.
    dialog->setBorderWidth(5);
    dialog->setTitleWidth(20);
    dialog->setBorderColor(Qt::red);
    dialog->setTitleColor(Qt::green);
    dialog->setCloseBtnPixmap(QStringLiteral(":/nothing.png"));
    QCOMPARE(dialog->contentsMargins(), QMargins(5, 30, 5, 5));

    dialog->ensurePolished();
    QCOMPARE(dialog->borderWidth(), 2);
    QCOMPARE(dialog->titleWidth(), 32);
    QCOMPARE(dialog->borderColor(), QColor(20, 23, 27));
    QCOMPARE(dialog->titleColor(), QColor(64, 68, 80));
    QCOMPARE(dialog->closeBtnPixmap(), QStringLiteral(":/icon/btn_close_15x15_s1.png"));
    QCOMPARE(dialog->contentsMargins(), QMargins(2, 36, 2, 2));
    QCOMPARE(piece(*dialog, "left_edge_widget")->styleSheet(), QStringLiteral("background: #14171b"));
    QVERIFY(!dialog->findChild<QPushButton *>(QStringLiteral("close_pushButton"))->icon().isNull());
}

QTEST_MAIN(TestVnDialog)
#include "tst_vndialog.moc"

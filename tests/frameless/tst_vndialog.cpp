#include "messagebox.h"
#include "titlebardialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {
const char *const framePieces[] = {"left_edge_widget", "right_edge_widget", "top_edge_widget",
                                   "bottom_edge_widget", "corner_grip_widget"};

QWidget *piece(const QWidget &dialog, const char *name)
{
    return dialog.findChild<QWidget *>(QLatin1String(name));
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
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "VnDialog") == 0 && qstrcmp(sourceText, "Close") == 0)
            return QStringLiteral("关闭");
        return QString();
    }
    bool isEmpty() const override { return false; }
};
} // namespace

class TestVnDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void defaultLook();
    void frameGeometry_data();
    void frameGeometry();
    void styleSetters();
    void titleWidget();
    void dragByTitle_data();
    void dragByTitle();
    void resizeFromBorder_data();
    void resizeFromBorder();
    void stayTop();
    void closeButtonRejects();
    void closeToolTipFollowsLanguage();
    void themeReplacesConstructorValues_data();
    void themeReplacesConstructorValues();
};

void TestVnDialog::initTestCase()
{
    QVERIFY(!VnDialog::stayTop());
}

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
    QCOMPARE(dialog.closeBtnPixmap(), QString());
    QVERIFY(!dialog.borderColor().isValid());
    QVERIFY(!dialog.titleColor().isValid());
    QCOMPARE(dialog.borderWidth(), 2);
    QCOMPARE(dialog.titleWidth(), 32);
    QCOMPARE(dialog.contentsMargins(), QMargins(2, 36, 2, 2));
    QVERIFY(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(dialog.hasMouseTracking());

    for (const char *name : framePieces) {
        QCOMPARE(piece(dialog, name)->styleSheet(), QStringLiteral("background: #000000"));
        QCOMPARE(piece(dialog, name)->cursor().shape(), Qt::ArrowCursor);
    }
    QCOMPARE(piece(dialog, "title_separator_widget")->styleSheet(), QStringLiteral("background: #000000"));
    auto title = dialog.findChild<QLabel *>(QStringLiteral("title_label"));
    QCOMPARE(title->styleSheet(), QStringLiteral("background: #000000"));
    QCOMPARE(title->indent(), 9);
    auto close = dialog.findChild<QPushButton *>(QStringLiteral("close_pushButton"));
    QCOMPARE(close->styleSheet(), QStringLiteral("QPushButton{background-color:#000000;border:0px;}") +
                                      QString(44, QLatin1Char(' ')) +
                                      QStringLiteral("QPushButton:hover{background-color:rgb(140,0,0);}"));
    QCOMPARE(close->toolTip(), QStringLiteral("Close"));
    QCOMPARE(close->focusPolicy(), Qt::NoFocus);
}

void TestVnDialog::frameGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("title");

    QTest::newRow("defaults") << QSize(400, 300) << 2 << 32;
    QTest::newRow("wide border") << QSize(250, 180) << 4 << 24;
    QTest::newRow("no border") << QSize(101, 77) << 0 << 20;
    QTest::newRow("large") << QSize(640, 480) << 7 << 40;
}

void TestVnDialog::frameGeometry()
{
    QFETCH(QSize, size);
    QFETCH(int, border);
    QFETCH(int, title);

    VnDialog dialog(nullptr, true);
    dialog.resize(size);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The width setters relayout a visible dialog at once; a resize relayouts it again.
    dialog.setBorderWidth(border);
    dialog.setTitleWidth(title);
    QCOMPARE(dialog.contentsMargins(), QMargins(border, title + 2 * border, border, border));

    for (const QSize &s : {size, size + QSize(13, 7)}) {
        dialog.resize(s);
        QTRY_COMPARE(dialog.size(), s);
        const int w = s.width(), h = s.height(), b = border, t = title;
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

void TestVnDialog::styleSetters()
{
    VnDialog dialog;
    dialog.setBorderColor(QColor(20, 23, 27));
    dialog.setTitleColor(QColor(64, 68, 80));
    dialog.setCloseBtnPixmap(QStringLiteral(":/icon/btn_close_15x15_s1.png"));

    for (const char *name : framePieces)
        QCOMPARE(piece(dialog, name)->styleSheet(), QStringLiteral("background: #14171b"));
    QCOMPARE(piece(dialog, "title_label")->styleSheet(), QStringLiteral("background: #404450"));
    auto close = dialog.findChild<QPushButton *>(QStringLiteral("close_pushButton"));
    QVERIFY(close->styleSheet().startsWith(QLatin1String("QPushButton{background-color:#404450;")));
    QVERIFY(!close->icon().isNull());

    QTest::ignoreMessage(QtWarningMsg, "VnDialog::setBorderWidth: negative width -3 taken as 0");
    dialog.setBorderWidth(-3);
    QCOMPARE(dialog.borderWidth(), 0);
}

void TestVnDialog::titleWidget()
{
    VnDialog dialog;
    QPointer<QLabel> label = dialog.findChild<QLabel *>(QStringLiteral("title_label"));
    dialog.setWindowTitle(QStringLiteral("First"));
    QCOMPARE(label->text(), QStringLiteral("First"));

    QTest::ignoreMessage(QtWarningMsg, "VnDialog::setTitleWidget: null widget ignored");
    dialog.setTitleWidget(nullptr);
    QVERIFY(label);

    auto custom = new QWidget;
    dialog.setTitleWidget(custom);
    QVERIFY(!label);
    QCOMPARE(custom->parentWidget(), &dialog);
    QCOMPARE(custom->styleSheet(), QStringLiteral("background: #000000"));

    dialog.resize(300, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(custom->geometry(), QRect(2, 2, 300 - 4 - 32, 32));

    // The new widget drags the dialog as the label did.
    const QPoint start = dialog.pos();
    sendMouse(custom, QEvent::MouseButtonPress, custom->mapToGlobal(QPoint(5, 5)));
    sendMouse(custom, QEvent::MouseMove, custom->mapToGlobal(QPoint(45, 25)));
    QTRY_COMPARE(dialog.pos(), start + QPoint(42, 22));
}

void TestVnDialog::dragByTitle_data()
{
    QTest::addColumn<bool>("resizable");
    QTest::newRow("fixed size") << false;
    QTest::newRow("resizable") << true;
}

void TestVnDialog::dragByTitle()
{
    QFETCH(bool, resizable);

    VnDialog dialog(nullptr, resizable);
    dialog.setGeometry(100, 100, 300, 200);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QWidget *title = piece(dialog, "title_label");

    // The offset is kept in the title's coordinates, so the dialog lands with the title's origin (2, 2) away
    // from where it was grabbed.
    sendMouse(title, QEvent::MouseButtonPress, title->mapToGlobal(QPoint(30, 10)));
    sendMouse(title, QEvent::MouseMove, QPoint(500, 400));
    QTRY_COMPARE(dialog.pos(), QPoint(470, 390));
    sendMouse(title, QEvent::MouseButtonRelease, QPoint(500, 400));

    // A right-button press leaves the offset alone.
    QMouseEvent rightPress(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(471, 391), Qt::RightButton,
                           Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(title, &rightPress);
    sendMouse(title, QEvent::MouseMove, QPoint(530, 420));
    QTRY_COMPARE(dialog.pos(), QPoint(500, 410));
}

void TestVnDialog::resizeFromBorder_data()
{
    QTest::addColumn<bool>("resizable");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QRect>("expected");

    // The dialog starts at (100, 100, 300 x 250) and may be 200 x 150 to 400 x 350.
    const QRect start(100, 100, 300, 250);
    QTest::newRow("left, width 201") << true << "left_edge_widget" << QPoint(199, 0)
                                     << QRect(199, 100, 201, 250);
    QTest::newRow("left, width at minimum") << true << "left_edge_widget" << QPoint(200, 0) << start;
    QTest::newRow("left, width 399") << true << "left_edge_widget" << QPoint(1, 0) << QRect(1, 100, 399, 250);
    QTest::newRow("left, width at maximum") << true << "left_edge_widget" << QPoint(0, 0) << start;
    QTest::newRow("right, width 201")
        << true << "right_edge_widget" << QPoint(300, 0) << QRect(100, 100, 201, 250);
    QTest::newRow("right, width at minimum") << true << "right_edge_widget" << QPoint(299, 0) << start;
    QTest::newRow("right, width at maximum") << true << "right_edge_widget" << QPoint(499, 0) << start;
    QTest::newRow("top, height 151") << true << "top_edge_widget" << QPoint(0, 199)
                                     << QRect(100, 199, 300, 151);
    QTest::newRow("top, height at minimum") << true << "top_edge_widget" << QPoint(0, 200) << start;
    QTest::newRow("top, height at maximum") << true << "top_edge_widget" << QPoint(0, 0) << start;
    QTest::newRow("bottom, height 349")
        << true << "bottom_edge_widget" << QPoint(0, 448) << QRect(100, 100, 300, 349);
    QTest::newRow("bottom, height at maximum") << true << "bottom_edge_widget" << QPoint(0, 449) << start;
    QTest::newRow("bottom, height at minimum") << true << "bottom_edge_widget" << QPoint(0, 249) << start;
    QTest::newRow("grip") << true << "corner_grip_widget" << QPoint(450, 400) << QRect(100, 100, 351, 301);
    QTest::newRow("grip, clamped by the limits")
        << true << "corner_grip_widget" << QPoint(150, 150) << QRect(100, 100, 200, 150);
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
    QTRY_COMPARE(dialog.geometry(), QRect(100, 100, 300, 250));

    QWidget *strip = dialog.findChild<QWidget *>(piece);
    const Qt::CursorShape shape = strip->cursor().shape();
    QVERIFY(resizable ? shape != Qt::ArrowCursor : shape == Qt::ArrowCursor);
    sendMouse(strip, QEvent::MouseButtonPress, strip->mapToGlobal(QPoint(0, 0)));
    sendMouse(strip, QEvent::MouseMove, cursor);
    QApplication::processEvents();
    QCOMPARE(dialog.geometry(), expected);
}

void TestVnDialog::stayTop()
{
    VnDialog before;
    VnDialog::setStayTop(true);
    QVERIFY(VnDialog::stayTop());
    VnDialog after;

    QVERIFY(!before.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(before.windowType(), Qt::Dialog);
    QCOMPARE(int(after.windowFlags()), int(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
}

void TestVnDialog::closeButtonRejects()
{
    VnDialog dialog;
    QSignalSpy finished(&dialog, &QDialog::finished);
    QSignalSpy rejected(&dialog, &QDialog::rejected);
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("close_pushButton")),
                          Qt::LeftButton);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 0);
    QCOMPARE(rejected.count(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestVnDialog::closeToolTipFollowsLanguage()
{
    VnDialog dialog;
    auto close = dialog.findChild<QPushButton *>(QStringLiteral("close_pushButton"));
    {
        CloseTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(close->toolTip(), QStringLiteral("关闭"));
        VnDialog later;
        QCOMPARE(later.findChild<QPushButton *>(QStringLiteral("close_pushButton"))->toolTip(),
                 QStringLiteral("关闭"));
    }
    QTRY_COMPARE(close->toolTip(), QStringLiteral("Close"));
}

void TestVnDialog::themeReplacesConstructorValues_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("VnDialog") << "VnDialog";
    QTest::newRow("VnDialog2") << "VnDialog2";
    QTest::newRow("VnMessageBox") << "VnMessageBox";
}

void TestVnDialog::themeReplacesConstructorValues()
{
    QFETCH(QString, kind);

    QFile sheet(QStringLiteral(":/stylesheet/zevorer.qss"));
    QVERIFY(sheet.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));

    std::unique_ptr<VnDialog> dialog;
    if (kind == QLatin1String("VnDialog"))
        dialog = std::make_unique<VnDialog>();
    else if (kind == QLatin1String("VnDialog2"))
        dialog = std::make_unique<VnDialog2>();
    else
        dialog = std::make_unique<VnMessageBox>(QMessageBox::Ok, QStringLiteral("Text"), QString());
    // What a subclass's constructor might set: polishing replaces all of it.
    dialog->setBorderWidth(5);
    dialog->setTitleWidth(20);
    dialog->setBorderColor(Qt::red);
    dialog->setTitleColor(Qt::green);
    dialog->setCloseBtnPixmap(QStringLiteral(":/nothing.png"));
    QCOMPARE(dialog->borderWidth(), 5);
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

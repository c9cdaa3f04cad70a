#include "stylesheet.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryFile>
#include <QTest>

class tst_StyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void themeColours_data();
    void themeColours();
    void hoveredButton();
    void missingResourceKeepsDefaultLook();
    void endsAtZeroByte();

private:
    static QColor centreColour(QWidget &widget)
    {
        const QImage image = widget.grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

void tst_StyleSheet::cleanup()
{
    qApp->setStyleSheet(QString());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_StyleSheet::themeColours_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QColor>("background");

    QTest::newRow("push button") << "QPushButton" << QColor(78, 82, 98);
    QTest::newRow("line edit") << "QLineEdit" << QColor(20, 23, 27);
}

void tst_StyleSheet::themeColours()
{
    QFETCH(QString, kind);
    QFETCH(QColor, background);

    applyStyleSheetResource(*qApp, QStringLiteral(":/stylesheet/zevorer.qss"));
    QVERIFY(qApp->styleSheet().contains(QLatin1String("VnDialog")));

    std::unique_ptr<QWidget> widget;
    if (kind == QLatin1String("QPushButton"))
        widget = std::make_unique<QPushButton>();
    else if (kind == QLatin1String("QLineEdit"))
        widget = std::make_unique<QLineEdit>();
    else
        widget = std::make_unique<QWidget>();
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->resize(120, 40);
    QCOMPARE(centreColour(*widget), background);
}

void tst_StyleSheet::hoveredButton()
{
    applyStyleSheetResource(*qApp, QStringLiteral(":/stylesheet/zevorer.qss"));
    QPushButton button;
    button.resize(120, 40);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QCOMPARE(centreColour(button), QColor(78, 82, 98));

    QTest::mouseMove(&button, QPoint(60, 20));
    QTRY_VERIFY(button.underMouse());
    QCOMPARE(centreColour(button), QColor(63, 109, 169));

    QLabel label(QStringLiteral("text"));
    label.ensurePolished();
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(130, 134, 143));
}

void tst_StyleSheet::missingResourceKeepsDefaultLook()
{
    applyStyleSheetResource(*qApp, QStringLiteral(":/stylesheet/zevorer.qss"));
    QVERIFY(!qApp->styleSheet().isEmpty());

    // No message of any kind: an unreadable sheet simply empties the application's sheet.
    static int messages;
    messages = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) { ++messages; });
    applyStyleSheetResource(*qApp, QStringLiteral(":/stylesheet/absent.qss"));
    qInstallMessageHandler(previous);
    QCOMPARE(messages, 0);
    QCOMPARE(qApp->styleSheet(), QString());
}

void tst_StyleSheet::endsAtZeroByte()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(QByteArray("QLabel { color: #010203; }\0QLabel { color: red; }", 49));
    file.close();

    applyStyleSheetResource(*qApp, file.fileName());
    QCOMPARE(qApp->styleSheet(), QStringLiteral("QLabel { color: #010203; }"));
}

QTEST_MAIN(tst_StyleSheet)
#include "tst_stylesheet.moc"

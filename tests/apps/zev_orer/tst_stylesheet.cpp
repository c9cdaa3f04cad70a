#include "stylesheet.h"

#include "testsupport.h"

class tst_StyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qApp->setStyleSheet(QString());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void themeThenUnusableSheets()
    {
        applyStyleSheetResource(*qApp, ":/stylesheet/zevorer.qss");
        QPushButton button;
        button.resize(120, 40);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        const auto centre = [&button] { return button.grab().toImage().pixelColor(60, 20); };
        QCOMPARE(centre(), QColor(78, 82, 98));
        // Written "QPushButton::hover", read as the hover state.
        QTest::mouseMove(&button, QPoint(60, 20));
        QTRY_VERIFY(button.underMouse());
        QCOMPARE(centre(), QColor(63, 109, 169));
        // A sheet is read up to a zero byte.
        QTemporaryFile file;
        QVERIFY(file.open() && file.write("QLabel { color: #010203; }\0QLabel { color: red; }", 49) == 49);
        file.close();
        applyStyleSheetResource(*qApp, file.fileName());
        QCOMPARE(qApp->styleSheet(), QString("QLabel { color: #010203; }"));
        // No message of any kind: a sheet that cannot be read simply empties the application's sheet.
        static int messages = 0;
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &) { ++messages; });
        applyStyleSheetResource(*qApp, ":/stylesheet/absent.qss");
        qInstallMessageHandler(previous);
        QCOMPARE(messages, 0);
        QCOMPARE(qApp->styleSheet(), QString());
    }
};

QTEST_MAIN(tst_StyleSheet)
#include "tst_stylesheet.moc"

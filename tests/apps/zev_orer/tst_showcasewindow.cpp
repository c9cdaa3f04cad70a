#include "showcasewindow.h"
#include "testsupport.h"

class tst_ShowcaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void windowsAnswer_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("shown");
        QTest::newRow("message box") << "information" << QStringList{"ok_pushButton"} << "Last answer: OK";
        QTest::newRow("dialog") << "dialog" << QStringList{"close_toolButton"}
                                << "The frameless dialog was cancelled.";
        const QString next = "next_pushButton"; // through its three pages
        QTest::newRow("wizard") << "wizard" << QStringList{next, next, next} << "The wizard finished.";
    }

    void windowsAnswer()
    {
        QFETCH(QString, opener);
        QFETCH(QStringList, answers);
        ShowcaseWindow window;
        window.show();
        answerModal(answers);
        window.findChild<QPushButton *>(opener + "_pushButton")->click();
        QTEST(window.findChild<QLabel *>("result_label")->text(), "shown");
    }
};

QTEST_MAIN(tst_ShowcaseWindow)
#include "tst_showcasewindow.moc"

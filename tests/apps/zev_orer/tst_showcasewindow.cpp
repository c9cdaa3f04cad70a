#include "showcasewindow.h"
#include "stylesheet.h"
#include "testsupport.h"

class tst_ShowcaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyStyleSheetResource(*qApp, ":/stylesheet/zevorer.qss"); }
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
        // In the program's theme, at every scale factor, each text, the answer's too, has the room it asks
        // for.
        const QList<QWidget *> widgets = window.findChildren<QWidget *>();
        for (QWidget *w : widgets) {
            const auto *label = qobject_cast<QLabel *>(w);
            if (w->isVisible() && (label || qobject_cast<QAbstractButton *>(w)))
                QVERIFY2(label && label->wordWrap()
                             ? w->height() >= w->heightForWidth(w->width())
                             : w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                         qPrintable(w->objectName()));
        }
    }
};

QTEST_MAIN(tst_ShowcaseWindow)
#include "tst_showcasewindow.moc"

#include "showcasewindow.h"
#include "stylesheet.h"
#include "testsupport.h"

class tst_ShowcaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void nothingClipped()
    {
        // In the program's theme, at every scale factor, each text has the room it asks for.
        applyStyleSheetResource(*qApp, ":/stylesheet/zevorer.qss");
        ShowcaseWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (QWidget *w : window.findChildren<QWidget *>()) {
            const auto *label = qobject_cast<QLabel *>(w);
            if (w->isVisible() && (label || qobject_cast<QAbstractButton *>(w)))
                QVERIFY2(label && label->wordWrap()
                             ? w->height() >= w->heightForWidth(w->width())
                             : w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height(),
                         qPrintable(w->objectName()));
        }
        qApp->setStyleSheet(QString());
    }

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

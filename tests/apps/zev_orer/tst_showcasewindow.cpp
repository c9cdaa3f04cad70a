#include "logging.h"
#include "mainwindowframelesscontainer.h"
#include "showcasemainwindow.h"
#include "showcasewindow.h"
#include "testsupport.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

class tst_ShowcaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void namesLanguageAndLogFile()
    {
        QLocale::setDefault(QLocale(QLocale::English));
        ShowcaseWindow window;
        QCOMPARE(window.findChild<QLabel *>("language_value_label")->text(), QStringLiteral("English"));
        QCOMPARE(window.findChild<QLabel *>("logfile_value_label")->text(),
                 QDir::toNativeSeparators(logFilePath()));
        // Showing where the log goes creates nothing.
        QVERIFY(!QFile::exists(logFilePath()));
    }

    void modalWindowsAnswer_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("shown");
        QTest::newRow("message box") << "information_pushButton"
                                     << "ok_pushButton"
                                     << "Last answer: OK";
        QTest::newRow("dialog closed") << "dialog_pushButton"
                                       << "close_toolButton"
                                       << "The frameless dialog was cancelled.";
    }

    void modalWindowsAnswer()
    {
        QFETCH(QString, opener);
        QFETCH(QString, answer);
        ShowcaseWindow window;
        window.show();
        answerModal(answer);
        window.findChild<QPushButton *>(opener)->click();
        QTEST(window.findChild<QLabel *>("result_label")->text(), "shown");
    }

    void wizardFollowsItsPages()
    {
        ShowcaseWindow window;
        window.show();
        QList<int> heights;
        whenModal([&heights](QWidget *wizard) {
            auto *next = wizard->findChild<QPushButton *>("next_pushButton");
            QVERIFY(next);
            for (int page = 0; page < 3; ++page) {
                heights << wizard->height();
                next->click();
            }
        });
        window.findChild<QPushButton *>("wizard_pushButton")->click();
        // The details page is the largest; the window grows for it and shrinks again after it.
        QVERIFY(heights.size() == 3 && heights[1] > heights[0] && heights[2] < heights[1]);
        QCOMPARE(window.findChild<QLabel *>("result_label")->text(), QStringLiteral("The wizard finished."));
    }

    void framelessMainWindowAsksBeforeClosing()
    {
        ShowcaseWindow window;
        window.show();
        const auto openMainWindow = [&window] {
            window.findChild<QPushButton *>("mainWindow_pushButton")->click();
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget *top : windows) {
                if (auto *container = qobject_cast<VNMainWindowFramelessContainer *>(top))
                    return qobject_cast<ShowcaseMainWindow *>(container->mainWindow());
            }
            return static_cast<ShowcaseMainWindow *>(nullptr);
        };
        QPointer<ShowcaseMainWindow> mainWindow = openMainWindow();
        QVERIFY(mainWindow && mainWindow->container()->isVisible());
        // A second click shows the same window again.
        QCOMPARE(openMainWindow(), mainWindow.data());

        auto *close = mainWindow->container()->findChild<QToolButton *>("closeButton");
        answerModal(QStringLiteral("no_pushButton"));
        close->click();
        QVERIFY(mainWindow->container()->isVisible());
        answerModal(QStringLiteral("yes_pushButton"));
        close->click();
        QTRY_VERIFY(!mainWindow);
        QCOMPARE(window.findChild<QLabel *>("result_label")->text(),
                 QStringLiteral("The frameless main window was closed."));
    }
};

QTEST_MAIN(tst_ShowcaseWindow)
#include "tst_showcasewindow.moc"

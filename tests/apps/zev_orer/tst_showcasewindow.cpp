#include "logging.h"
#include "mainwindowframelesscontainer.h"
#include "pagestackwizard.h"
#include "showcasemainwindow.h"
#include "showcasewindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

class tst_ShowcaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void namesLanguageAndLogFile();
    void modalWindowsAnswer_data();
    void modalWindowsAnswer();
    void wizardFollowsItsPages();
    void framelessMainWindowAsksBeforeClosing();

private:
    // Runs @p act on the modal window once it is up (the caller is about to block in its event loop).
    static void whenModal(std::function<void(QWidget *)> act)
    {
        QTimer::singleShot(0, qApp, [act] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            act(QApplication::activeModalWidget());
        });
    }

    // Clicks the modal window's button with the object name or the text @p answer.
    static void answerModal(const QString &answer)
    {
        whenModal([answer](QWidget *modal) {
            const QList<QAbstractButton *> buttons = modal->findChildren<QAbstractButton *>();
            for (QAbstractButton *button : buttons) {
                if (button->objectName() == answer || button->text().remove(QLatin1Char('&')) == answer) {
                    button->click();
                    return;
                }
            }
            QFAIL(qPrintable(answer));
        });
    }
};

void tst_ShowcaseWindow::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ShowcaseWindow::namesLanguageAndLogFile()
{
    QLocale::setDefault(QLocale(QLocale::English));
    ShowcaseWindow window;
    QCOMPARE(window.findChild<QLabel *>("language_value_label")->text(), QStringLiteral("English"));
    QCOMPARE(window.findChild<QLabel *>("logfile_value_label")->text(),
             QDir::toNativeSeparators(logFilePath()));
    // Showing where the log goes creates nothing.
    QVERIFY(!QFile::exists(logFilePath()));
}

void tst_ShowcaseWindow::modalWindowsAnswer_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");

    // clang-format off
    QTest::newRow("information") << "information_pushButton" << "ok_pushButton" << "Last answer: OK";
    QTest::newRow("closed box") << "question_pushButton" << "close_pushButton"
                                << "Last answer: closed without a button";
    QTest::newRow("dialog closed") << "dialog_pushButton" << "close_toolButton"
                                   << "The frameless dialog was cancelled.";
    // clang-format on
}

void tst_ShowcaseWindow::modalWindowsAnswer()
{
    QFETCH(QString, opener);
    QFETCH(QString, answer);
    QFETCH(QString, shown);

    ShowcaseWindow window;
    window.show();
    answerModal(answer);
    window.findChild<QPushButton *>(opener)->click();
    QCOMPARE(window.findChild<QLabel *>("result_label")->text(), shown);
}

void tst_ShowcaseWindow::wizardFollowsItsPages()
{
    ShowcaseWindow window;
    window.show();
    QList<QSize> sizes;
    whenModal([&sizes](QWidget *modal) {
        auto *wizard = qobject_cast<PageStackWizard *>(modal);
        QVERIFY(wizard);
        auto *next = wizard->findChild<QPushButton *>("next_pushButton");
        for (int page = 0; page < 3; ++page) {
            QTRY_VERIFY(wizard->isVisible());
            sizes << wizard->size();
            next->click();
        }
    });
    window.findChild<QPushButton *>("wizard_pushButton")->click();

    QCOMPARE(sizes.size(), 3);
    // The details page is the largest; the window grows for it and shrinks again after it.
    QVERIFY(sizes[1].height() > sizes[0].height());
    QVERIFY(sizes[2].height() < sizes[1].height());
    QCOMPARE(window.findChild<QLabel *>("result_label")->text(), QStringLiteral("The wizard finished."));
}

namespace {

ShowcaseMainWindow *findMainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *top : windows)
        if (auto *container = qobject_cast<VNMainWindowFramelessContainer *>(top))
            return qobject_cast<ShowcaseMainWindow *>(container->mainWindow());
    return nullptr;
}

} // namespace

void tst_ShowcaseWindow::framelessMainWindowAsksBeforeClosing()
{
    ShowcaseWindow window;
    window.show();
    window.findChild<QPushButton *>("mainWindow_pushButton")->click();
    QPointer<ShowcaseMainWindow> mainWindow = findMainWindow();
    QVERIFY(mainWindow);
    QVERIFY(mainWindow->container()->isVisible());
    // A second click shows the same window again.
    window.findChild<QPushButton *>("mainWindow_pushButton")->click();
    QCOMPARE(findMainWindow(), mainWindow.data());

    auto *close = mainWindow->container()->findChild<QToolButton *>("closeButton");
    for (const char *answer : {"no_pushButton", "yes_pushButton"}) {
        answerModal(QLatin1String(answer));
        close->click();
        if (mainWindow)
            QVERIFY(mainWindow->container()->isVisible() == (qstrcmp(answer, "no_pushButton") == 0));
    }
    QTRY_VERIFY(!mainWindow);
    QCOMPARE(window.findChild<QLabel *>("result_label")->text(),
             QStringLiteral("The frameless main window was closed."));
}

QTEST_MAIN(tst_ShowcaseWindow)
#include "tst_showcasewindow.moc"

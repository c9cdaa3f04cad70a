#include "logging.h"
#include "messagebox.h"
#include "pagestackwizard.h"
#include "showcasewindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

class tst_ShowcaseWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void namesLanguageAndLogFile();
    void messageBoxAnswers_data();
    void messageBoxAnswers();
    void overlayComesAndGoes();
    void wizardFollowsItsPages();

private:
    // Runs @p act on the modal window once it is up (the caller is about to block in its event loop).
    static void whenModal(std::function<void(QWidget *)> act)
    {
        QTimer::singleShot(0, [act] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            act(QApplication::activeModalWidget());
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

void tst_ShowcaseWindow::messageBoxAnswers_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");

    QTest::newRow("information") << "information_pushButton"
                                 << "ok_pushButton"
                                 << "OK";
    QTest::newRow("question") << "question_pushButton"
                              << "no_pushButton"
                              << "No";
    QTest::newRow("warning") << "warning_pushButton"
                             << "discard_pushButton"
                             << "Discard";
    QTest::newRow("error") << "error_pushButton"
                           << "ignore_pushButton"
                           << "Ignore";
    QTest::newRow("closed") << "question_pushButton"
                            << "close_pushButton"
                            << "closed without a button";
}

void tst_ShowcaseWindow::messageBoxAnswers()
{
    QFETCH(QString, opener);
    QFETCH(QString, answer);
    QFETCH(QString, shown);

    ShowcaseWindow window;
    window.show();
    whenModal([answer](QWidget *box) {
        QVERIFY(qobject_cast<VnMessageBox *>(box));
        auto *button = box->findChild<QPushButton *>(answer);
        QVERIFY2(button, qPrintable(answer));
        button->click();
    });
    window.findChild<QPushButton *>(opener)->click();
    QCOMPARE(window.findChild<QLabel *>("result_label")->text(),
             QStringLiteral("Last answer: %1").arg(shown));
}

void tst_ShowcaseWindow::overlayComesAndGoes()
{
    ShowcaseWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QPushButton *>("overlay_pushButton")->click();
    auto *panel = window.findChild<QWidget *>("overlay_frame");
    QVERIFY(panel && panel->isVisible());
    QVERIFY(window.findChild<QWidget *>("overlay_widget")->isVisible());

    panel->findChild<QPushButton *>()->click();
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->parentWidget(), &window);
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

QTEST_MAIN(tst_ShowcaseWindow)
#include "tst_showcasewindow.moc"

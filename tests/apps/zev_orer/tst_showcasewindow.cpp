#include "dialogframelesscontainer.h"
#include "logging.h"
#include "mainwindowframelesscontainer.h"
#include "messagebox.h"
#include "pagestackwizard.h"
#include "showcasedialog.h"
#include "showcasemainwindow.h"
#include "showcasewindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

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
    void framelessDialogResult_data();
    void framelessDialogResult();
    void framelessMainWindowAsksBeforeClosing();
    void dialogCentredOnMainWindow();

private:
    // Runs @p act on the modal window once it is up (the caller is about to block in its event loop).
    static void whenModal(std::function<void(QWidget *)> act)
    {
        QTimer::singleShot(0, qApp, [act] {
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

void tst_ShowcaseWindow::framelessDialogResult_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ok") << "OK"
                        << "The frameless dialog was accepted.";
    QTest::newRow("cancel") << "Cancel"
                            << "The frameless dialog was cancelled.";
    QTest::newRow("title bar close") << "close_toolButton"
                                     << "The frameless dialog was cancelled.";
}

void tst_ShowcaseWindow::framelessDialogResult()
{
    QFETCH(QString, answer);
    QFETCH(QString, shown);

    ShowcaseWindow window;
    window.setGeometry(300, 200, 560, 420);
    window.show();
    whenModal([&window, answer](QWidget *modal) {
        // The container is the modal window; the dialog sits inside it, centred on the program window.
        auto *dialog = modal->findChild<ShowcaseDialog *>();
        QVERIFY(dialog);
        QCOMPARE(modal->geometry().center(), window.mapToGlobal(window.rect().center()));
        dialog->findChild<QCheckBox *>("shadow_checkBox")->click();
        QVERIFY(dialog->frameOptions().testFlag(VNDialog::FrameShadow));
        QVERIFY(dialog->frameWidget()->graphicsEffect());
        if (auto *button = modal->findChild<QToolButton *>(answer)) {
            button->click();
            return;
        }
        const QList<QPushButton *> buttons = dialog->findChildren<QPushButton *>();
        for (QPushButton *button : buttons)
            if (button->text().remove('&') == answer)
                button->click();
    });
    window.findChild<QPushButton *>("dialog_pushButton")->click();
    QCOMPARE(window.findChild<QLabel *>("result_label")->text(), shown);
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
    QVERIFY(!mainWindow->menuBar()->actions().isEmpty());
    QVERIFY(mainWindow->findChild<QToolBar *>());
    QVERIFY(mainWindow->statusBar()->isVisible());
    // A second click shows the same window again.
    window.findChild<QPushButton *>("mainWindow_pushButton")->click();
    QCOMPARE(findMainWindow(), mainWindow.data());

    auto *close = mainWindow->container()->findChild<QToolButton *>("closeButton");
    for (const char *answer : {"no_pushButton", "yes_pushButton"}) {
        whenModal([answer](QWidget *box) {
            QVERIFY(qobject_cast<VnMessageBox *>(box));
            box->findChild<QPushButton *>(answer)->click();
        });
        close->click();
        if (mainWindow)
            QVERIFY(mainWindow->container()->isVisible() == (qstrcmp(answer, "no_pushButton") == 0));
    }
    QTRY_VERIFY(!mainWindow);
    QCOMPARE(window.findChild<QLabel *>("result_label")->text(),
             QStringLiteral("The frameless main window was closed."));
}

void tst_ShowcaseWindow::dialogCentredOnMainWindow()
{
    ShowcaseWindow window;
    window.show();
    window.findChild<QPushButton *>("mainWindow_pushButton")->click();
    ShowcaseMainWindow *mainWindow = findMainWindow();
    mainWindow->findChild<QAction *>("centredDialog_action")->trigger();
    auto *dialog = mainWindow->findChild<ShowcaseDialog *>();
    QVERIFY(dialog);
    QVERIFY(dialog->container()->isVisible());
    VNMainWindowFramelessContainer *frame = mainWindow->container();
    const QPoint centre = frame->mapToGlobal(frame->rect().center());
    QTRY_COMPARE(dialog->container()->geometry().center(), centre);

    // A frame option that changes the container's margins keeps it centred.
    dialog->findChild<QCheckBox *>("shadow_checkBox")->click();
    dialog->container()->resize(dialog->container()->size() + QSize(60, 40));
    QTRY_COMPARE(dialog->container()->geometry().center(), centre);
}

QTEST_MAIN(tst_ShowcaseWindow)
#include "tst_showcasewindow.moc"

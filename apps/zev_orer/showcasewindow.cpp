#include "showcasewindow.h"
#include "ui_showcasewindow.h"

#include "logging.h"
#include "mainwindowframelesscontainer.h"
#include "messagebox.h"
#include "pagestackwizard.h"
#include "showcasedialog.h"
#include "showcasemainwindow.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

class ShowcaseWindowPrivate
{
public:
    explicit ShowcaseWindowPrivate(ShowcaseWindow *window)
        : q(window)
    {}
    // The main window is a window of its own, not a child of this one.
    ~ShowcaseWindowPrivate() { delete mainWindow; }

    void init();
    void buildOverlayPanel();
    void showMainWindow();
    void runDialog();
    void showAnswer(int button);
    QString buttonName(int button) const;

    ShowcaseWindow *const q;
    Ui::ShowcaseWindow ui;
    QFrame *overlayPanel = nullptr;
    QPointer<ShowcaseMainWindow> mainWindow;
};

void ShowcaseWindowPrivate::init()
{
    ui.setupUi(q);
    q->resize(560, q->sizeHint().height());

    const bool chinese = QLocale().language() == QLocale::Chinese;
    ui.language_value_label->setText(chinese ? ShowcaseWindow::tr("Chinese") : ShowcaseWindow::tr("English"));
    ui.logfile_value_label->setText(QDir::toNativeSeparators(logFilePath()));
    ui.result_label->setText(ShowcaseWindow::tr("Open a window to try it."));

    QObject::connect(ui.information_pushButton, &QPushButton::clicked, q, [this] {
        showAnswer(
            VnMessageBox::information(q, ShowcaseWindow::tr("Information"),
                                      ShowcaseWindow::tr("The theme and the translation are in place."),
                                      QMessageBox::Ok, QMessageBox::Ok));
    });
    QObject::connect(ui.question_pushButton, &QPushButton::clicked, q, [this] {
        showAnswer(VnMessageBox::question(
            q, ShowcaseWindow::tr("Question"), ShowcaseWindow::tr("Do you like <b>frameless</b> windows?"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes));
    });
    QObject::connect(ui.warning_pushButton, &QPushButton::clicked, q, [this] {
        showAnswer(VnMessageBox::warning(
            q, ShowcaseWindow::tr("Warning"), ShowcaseWindow::tr("The document has unsaved changes."),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save));
    });
    QObject::connect(ui.error_pushButton, &QPushButton::clicked, q, [this] {
        showAnswer(VnMessageBox::error(
            q, ShowcaseWindow::tr("Error"), ShowcaseWindow::tr("The device did not answer in time."),
            QMessageBox::Retry | QMessageBox::Ignore | QMessageBox::Abort, QMessageBox::Retry));
    });
    QObject::connect(ui.overlay_pushButton, &QPushButton::clicked, q,
                     [this] { q->showOverlay(overlayPanel); });
    QObject::connect(ui.wizard_pushButton, &QPushButton::clicked, q, [this] {
        PageStackWizard wizard(q);
        ui.result_label->setText(wizard.exec() == QDialog::Accepted
                                     ? ShowcaseWindow::tr("The wizard finished.")
                                     : ShowcaseWindow::tr("The wizard was cancelled."));
    });
    QObject::connect(ui.mainWindow_pushButton, &QPushButton::clicked, q, [this] { showMainWindow(); });
    QObject::connect(ui.dialog_pushButton, &QPushButton::clicked, q, [this] { runDialog(); });
    buildOverlayPanel();
}

// One frameless main window at a time; it deletes itself once closed.
void ShowcaseWindowPrivate::showMainWindow()
{
    if (!mainWindow) {
        mainWindow = new ShowcaseMainWindow;
        QObject::connect(mainWindow, &VNMainWindow::closed, q, [this] {
            ui.result_label->setText(ShowcaseWindow::tr("The frameless main window was closed."));
        });
    }
    mainWindow->show();
    mainWindow->container()->raise();
    // A Wayland compositor alone decides which window is active; Qt's Wayland platform only warns when asked.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        mainWindow->container()->activateWindow();
}

void ShowcaseWindowPrivate::runDialog()
{
    // On the heap: exec() deletes it, and so does this window should it go first.
    auto *dialog = new ShowcaseDialog(q);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setModal(true);
    dialog->keepCenteredOnParent();
    QPointer<ShowcaseWindow> alive(q);
    const int result = dialog->exec();
    if (!alive)
        return;
    ui.result_label->setText(result == QDialog::Accepted
                                 ? ShowcaseWindow::tr("The frameless dialog was accepted.")
                                 : ShowcaseWindow::tr("The frameless dialog was cancelled."));
}

// The panel that the overlay shows centred over the dimmed window.
void ShowcaseWindowPrivate::buildOverlayPanel()
{
    overlayPanel = new QFrame(q);
    overlayPanel->setObjectName(QStringLiteral("overlay_frame"));
    overlayPanel->setStyleSheet(QStringLiteral("#overlay_frame { background: rgb(64,68,80); }"));
    auto *layout = new QVBoxLayout(overlayPanel);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(14);
    auto *text =
        new QLabel(ShowcaseWindow::tr("The window is dimmed while this panel is shown."), overlayPanel);
    text->setStyleSheet(QStringLiteral("background: transparent; color: rgb(200,200,216);"));
    layout->addWidget(text);
    auto *close = new QPushButton(ShowcaseWindow::tr("Remove overlay"), overlayPanel);
    layout->addWidget(close);
    overlayPanel->adjustSize();
    overlayPanel->hide();
    QObject::connect(close, &QPushButton::clicked, q, [this] { q->hideOverlay(); });
}

void ShowcaseWindowPrivate::showAnswer(int button)
{
    ui.result_label->setText(ShowcaseWindow::tr("Last answer: %1").arg(buttonName(button)));
}

QString ShowcaseWindowPrivate::buttonName(int button) const
{
    switch (button) {
    case QMessageBox::Ok:
        return ShowcaseWindow::tr("OK");
    case QMessageBox::Yes:
        return ShowcaseWindow::tr("Yes");
    case QMessageBox::No:
        return ShowcaseWindow::tr("No");
    case QMessageBox::Cancel:
        return ShowcaseWindow::tr("Cancel");
    case QMessageBox::Save:
        return ShowcaseWindow::tr("Save");
    case QMessageBox::Discard:
        return ShowcaseWindow::tr("Discard");
    case QMessageBox::Retry:
        return ShowcaseWindow::tr("Retry");
    case QMessageBox::Ignore:
        return ShowcaseWindow::tr("Ignore");
    case QMessageBox::Abort:
        return ShowcaseWindow::tr("Abort");
    default:
        return ShowcaseWindow::tr("closed without a button");
    }
}

ShowcaseWindow::ShowcaseWindow(QWidget *parent)
    : VnDialog2(parent, true)
    , d(std::make_unique<ShowcaseWindowPrivate>(this))
{
    d->init();
}

ShowcaseWindow::~ShowcaseWindow() = default;

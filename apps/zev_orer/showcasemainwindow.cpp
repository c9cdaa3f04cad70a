#include "showcasemainwindow.h"
#include "ui_showcasemainwindow.h"

#include "containerlook.h"
#include "mainwindowframelesscontainer.h"
#include "messagebox.h"
#include "showcasedialog.h"

#include <QMessageBox>

class ShowcaseMainWindowPrivate
{
public:
    explicit ShowcaseMainWindowPrivate(ShowcaseMainWindow *window)
        : q(window)
    {}

    void init();
    void openCentredDialog();

    ShowcaseMainWindow *const q;
    Ui::ShowcaseMainWindow ui;
};

void ShowcaseMainWindowPrivate::init()
{
    ui.setupUi(q);
    q->container()->setAttribute(Qt::WA_DeleteOnClose);
    decorateFramelessContainer(q->container());
    q->setCloseGuard([this] {
        return VnMessageBox::question(q, ShowcaseMainWindow::tr("Close"),
                                      ShowcaseMainWindow::tr("Close the frameless main window?"),
                                      QMessageBox::Yes | QMessageBox::No,
                                      QMessageBox::No) == QMessageBox::Yes;
    });
    QObject::connect(ui.centredDialog_action, &QAction::triggered, q, [this] { openCentredDialog(); });
    // Through the container, so that the close guard is asked as for the title bar's close button.
    QObject::connect(ui.close_action, &QAction::triggered, q, [this] { q->container()->requestClose(); });
    ui.statusbar->showMessage(ShowcaseMainWindow::tr("Ready"));
}

void ShowcaseMainWindowPrivate::openCentredDialog()
{
    auto *dialog = new ShowcaseDialog(q);
    dialog->setWindowTitle(ShowcaseMainWindow::tr("Centred dialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    dialog->keepCenteredOnParent();
    ui.statusbar->showMessage(
        ShowcaseMainWindow::tr("The dialog stays centred on this window while its frame changes size."));
}

ShowcaseMainWindow::ShowcaseMainWindow()
    : d(std::make_unique<ShowcaseMainWindowPrivate>(this))
{
    d->init();
}

ShowcaseMainWindow::~ShowcaseMainWindow() = default;

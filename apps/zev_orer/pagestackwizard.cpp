#include "pagestackwizard.h"
#include "ui_pagestackwizard.h"

#include <QPushButton>

class PageStackWizardPrivate
{
public:
    explicit PageStackWizardPrivate(PageStackWizard *wizard)
        : q(wizard)
    {}

    void init();
    void updateButtons();

    PageStackWizard *const q;
    Ui::PageStackWizard ui;
};

void PageStackWizardPrivate::init()
{
    ui.setupUi(q);
    VNStackedWidget *pages = ui.pages_stackedWidget;
    // The stack follows the size a page has, so each page starts at its natural size.
    for (int i = 0; i < pages->count(); ++i) {
        QWidget *page = pages->widget(i);
        page->resize(page->sizeHint().expandedTo(page->minimumSizeHint()));
    }
    pages->setAutoAdjustSize(true);
    pages->setCurrentIndex(0);

    QObject::connect(ui.back_pushButton, &QPushButton::clicked, q, [this] {
        ui.pages_stackedWidget->setCurrentIndex(ui.pages_stackedWidget->currentIndex() - 1);
    });
    QObject::connect(ui.next_pushButton, &QPushButton::clicked, q, [this] {
        VNStackedWidget *pages = ui.pages_stackedWidget;
        if (pages->currentIndex() == pages->count() - 1)
            q->accept();
        else
            pages->setCurrentIndex(pages->currentIndex() + 1);
    });
    QObject::connect(ui.pages_stackedWidget, &VNStackedWidget::currentChanged, q,
                     [this] { updateButtons(); });
    updateButtons();
}

void PageStackWizardPrivate::updateButtons()
{
    const int index = ui.pages_stackedWidget->currentIndex();
    const bool last = index == ui.pages_stackedWidget->count() - 1;
    ui.back_pushButton->setEnabled(index > 0);
    ui.next_pushButton->setText(last ? PageStackWizard::tr("Finish") : PageStackWizard::tr("Next"));
}

PageStackWizard::PageStackWizard(QWidget *parent)
    : VnDialog(parent)
    , d(std::make_unique<PageStackWizardPrivate>(this))
{
    d->init();
}

PageStackWizard::~PageStackWizard() = default;

#ifndef ZEV_ORER_PAGESTACKWIZARD_H
#define ZEV_ORER_PAGESTACKWIZARD_H

#include "titlebardialog.h"

#include <memory>

class PageStackWizardPrivate;

/**
 * A three-page wizard on a VNStackedWidget that follows its current page, so the window grows and shrinks
 * from page to page. Accepted on the last page's Finish, rejected through the close button.
 */
class PageStackWizard : public VnDialog
{
    Q_OBJECT

public:
    /// Builds the wizard on its first page.
    explicit PageStackWizard(QWidget *parent = nullptr);
    ~PageStackWizard() override;

private:
    friend class PageStackWizardPrivate;
    std::unique_ptr<PageStackWizardPrivate> const d;
};

#endif // ZEV_ORER_PAGESTACKWIZARD_H

#ifndef ZEV_ORER_SHOWCASEDIALOG_H
#define ZEV_ORER_SHOWCASEDIALOG_H

#include "framelessdialog.h"

#include <memory>

class ShowcaseDialogPrivate;

/// A frameless dialog whose check boxes switch its frame options while it is shown; OK accepts, Cancel and
/// the title bar's close button reject.
class ShowcaseDialog : public VNDialog
{
    Q_OBJECT

public:
    /// Builds the dialog; its container is a window of its own, transient for @p parent's window.
    explicit ShowcaseDialog(QWidget *parent = nullptr);
    ~ShowcaseDialog() override;

private:
    std::unique_ptr<ShowcaseDialogPrivate> const d;
};

#endif // ZEV_ORER_SHOWCASEDIALOG_H

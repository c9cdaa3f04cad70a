#include "showcasedialog.h"
#include "ui_showcasedialog.h"

#include "containerlook.h"

#include <QCheckBox>

class ShowcaseDialogPrivate
{
public:
    explicit ShowcaseDialogPrivate(ShowcaseDialog *dialog)
        : q(dialog)
    {}

    void init();

    ShowcaseDialog *const q;
    Ui::ShowcaseDialog ui;
};

void ShowcaseDialogPrivate::init()
{
    // Built without window flags, the dialog's parent is its frameless container. Its look goes first: the
    // button box asks the style whether its buttons have icons when it creates them.
    decorateFramelessContainer(q->parentWidget());
    ui.setupUi(q);
    const std::pair<QCheckBox *, VNDialog::FrameOption> boxes[] = {
        {ui.spacing_checkBox, VNDialog::FrameSpacing},      {ui.shadow_checkBox, VNDialog::FrameShadow},
        {ui.border_checkBox, VNDialog::FrameBorder},        {ui.radius_checkBox, VNDialog::FrameBorderRadius},
        {ui.hideClose_checkBox, VNDialog::HideCloseButton},
    };
    for (const auto &[box, option] : boxes) {
        box->setChecked(q->frameOptions().testFlag(option));
        QObject::connect(box, &QCheckBox::toggled, q, [this, option = option](bool on) {
            VNDialog::FrameOptions options = q->frameOptions();
            options.setFlag(option, on);
            q->setFrameOptions(options);
        });
    }
}

ShowcaseDialog::ShowcaseDialog(QWidget *parent)
    : VNDialog(parent)
    , d(std::make_unique<ShowcaseDialogPrivate>(this))
{
    d->init();
}

ShowcaseDialog::~ShowcaseDialog() = default;

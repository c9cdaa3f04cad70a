#include "messagebox.h"

#include "ui_messagebox.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

namespace {
struct ButtonKind
{
    int value;
    const char *label;
};

// Left-to-right order of the button row; the values are those of QMessageBox::StandardButton.
const ButtonKind buttonKinds[] = {
    {0x400, QT_TRANSLATE_NOOP("VnMessageBox", "Ok")},
    {0x2000, QT_TRANSLATE_NOOP("VnMessageBox", "Open")},
    {0x800, QT_TRANSLATE_NOOP("VnMessageBox", "Save")},
    {0x400000, QT_TRANSLATE_NOOP("VnMessageBox", "Cancel")},
    {0x200000, QT_TRANSLATE_NOOP("VnMessageBox", "Close")},
    {0x800000, QT_TRANSLATE_NOOP("VnMessageBox", "Discard")},
    {0x2000000, QT_TRANSLATE_NOOP("VnMessageBox", "Apply")},
    {0x4000000, QT_TRANSLATE_NOOP("VnMessageBox", "Reset")},
    {0x8000000, QT_TRANSLATE_NOOP("VnMessageBox", "RestoreDefaults")},
    {0x1000000, QT_TRANSLATE_NOOP("VnMessageBox", "Help")},
    {0x1000, QT_TRANSLATE_NOOP("VnMessageBox", "SaveAll")},
    {0x4000, QT_TRANSLATE_NOOP("VnMessageBox", "Yes")},
    {0x8000, QT_TRANSLATE_NOOP("VnMessageBox", "YesToAll")},
    {0x10000, QT_TRANSLATE_NOOP("VnMessageBox", "No")},
    {0x20000, QT_TRANSLATE_NOOP("VnMessageBox", "NoToAll")},
    {0x40000, QT_TRANSLATE_NOOP("VnMessageBox", "Abort")},
    {0x80000, QT_TRANSLATE_NOOP("VnMessageBox", "Retry")},
    {0x100000, QT_TRANSLATE_NOOP("VnMessageBox", "Ignore")},
    {VnMessageBox::Quit, QT_TRANSLATE_NOOP("VnMessageBox", "Quit")},
};

const char errorIcon[] = "://icon/error_40x40_s1.png";
const char warningIcon[] = "://icon/warning_40x40_s1.png";

int runModal(QWidget *parent, const QString &title, const QString &text, int buttons, const QString &iconPath)
{
    // On the heap and guarded: deleting the parent during exec() deletes the box with it.
    QPointer<VnMessageBox> box = new VnMessageBox(buttons, text, iconPath, parent);
    box->setWindowTitle(title);
    // The result of exec() is always Rejected, as every way out goes through close().
    box->exec();
    if (!box)
        return 0;
    const int clicked = box->clickedButton();
    delete box;
    return clicked;
}
} // namespace

class VnMessageBoxPrivate
{
public:
    explicit VnMessageBoxPrivate(VnMessageBox *box)
        : q(box)
    {}

    void init(int buttons, const QString &text, const QString &iconPath);

    VnMessageBox *const q;
    Ui::VnMessageBox ui;
    int clickedButton = 0;
};

void VnMessageBoxPrivate::init(int buttons, const QString &text, const QString &iconPath)
{
    ui.setupUi(q);
    if (iconPath.isEmpty()) {
        ui.icon_label->hide();
    } else {
        // At the image's own size, from its "@2x" variant where the screen is scaled and one exists.
        const QSize size = QImageReader(iconPath).size();
        ui.icon_label->setPixmap(QIcon(iconPath).pixmap(static_cast<QWindow *>(nullptr), size));
    }
    ui.text_label->setText(QStringLiteral("<div style=\"line-height:24px;\">%1</div>").arg(text));

    for (const ButtonKind &kind : buttonKinds) {
        if (!(buttons & kind.value))
            continue;
        auto button = new QPushButton(VnMessageBox::tr(kind.label), q);
        button->setObjectName(QString::fromLatin1(kind.label).toLower() + QLatin1String("_pushButton"));
        button->setMinimumSize(100, 25);
        ui.button_layout->addWidget(button);
        const int value = kind.value;
        QObject::connect(
            button, &QPushButton::clicked, button,
            [this, value] {
                clickedButton = value;
                q->close();
            },
            Qt::DirectConnection);
    }
}

VnMessageBox::VnMessageBox(int buttons, const QString &text, const QString &iconPath, QWidget *parent)
    : VnDialog(parent, false)
    , d(new VnMessageBoxPrivate(this))
{
    d->init(buttons, text, iconPath);
}

VnMessageBox::~VnMessageBox() = default;

int VnMessageBox::clickedButton() const
{
    return d->clickedButton;
}

int VnMessageBox::error(QWidget *parent, const QString &title, const QString &text, int buttons,
                        int defaultButton)
{
    Q_UNUSED(defaultButton)
    return runModal(parent, title, text, buttons, QLatin1String(errorIcon));
}

int VnMessageBox::warning(QWidget *parent, const QString &title, const QString &text, int buttons,
                          int defaultButton)
{
    Q_UNUSED(defaultButton)
    return runModal(parent, title, text, buttons, QLatin1String(warningIcon));
}

int VnMessageBox::information(QWidget *parent, const QString &title, const QString &text, int buttons,
                              int defaultButton)
{
    Q_UNUSED(defaultButton)
    return runModal(parent, title, text, buttons, QString());
}

int VnMessageBox::question(QWidget *parent, const QString &title, const QString &text, int buttons,
                           int defaultButton)
{
    Q_UNUSED(defaultButton)
    return runModal(parent, title, text, buttons, QString());
}

#ifndef FRAMELESS_MESSAGEBOX_H
#define FRAMELESS_MESSAGEBOX_H

#include "frameless_export.h"
#include "titlebardialog.h"

#include <memory>

class VnMessageBoxPrivate;

/**
 * A themed message box on a VnDialog frame: an optional icon, a word-wrapped rich-text message and a row of
 * standard buttons. Button values are those of QMessageBox::StandardButton, plus VnMessageBox::Quit. Whatever
 * the order of the bits, the buttons stand from left to right as Ok, Open, Save, Cancel, Close, Discard,
 * Apply, Reset, RestoreDefaults, Help, SaveAll, Yes, YesToAll, No, NoToAll, Abort, Retry, Ignore, Quit.
 */
class FRAMELESS_EXPORT VnMessageBox : public VnDialog
{
    Q_OBJECT

public:
    /// The toolkit's own button value, above QMessageBox::LastButton.
    enum ExtraButton { Quit = 0x10000000 };

    /// Builds a box with one button for each set bit of @p buttons (unknown bits are ignored), the rich text
    /// @p text and the image at @p iconPath, or no icon column when the path is empty. The caller sets the
    /// title.
    VnMessageBox(int buttons, const QString &text, const QString &iconPath, QWidget *parent = nullptr);
    ~VnMessageBox() override;

    /// The value of the last button clicked, or 0 while none was (also when the box was closed otherwise).
    int clickedButton() const;

    /// Runs a modal box with the error icon and returns the clicked button's value, 0 if closed without one.
    /// @p defaultButton is accepted for QMessageBox compatibility; no button is made default.
    static int error(QWidget *parent, const QString &title, const QString &text, int buttons,
                     int defaultButton);
    /// Runs a modal box with the warning icon; otherwise as error().
    static int warning(QWidget *parent, const QString &title, const QString &text, int buttons,
                       int defaultButton);
    /// Runs a modal box without icon; otherwise as error().
    static int information(QWidget *parent, const QString &title, const QString &text, int buttons,
                           int defaultButton);
    /// Runs a modal box without icon, exactly as information().
    static int question(QWidget *parent, const QString &title, const QString &text, int buttons,
                        int defaultButton);

private:
    std::unique_ptr<VnMessageBoxPrivate> const d;
};

#endif // FRAMELESS_MESSAGEBOX_H

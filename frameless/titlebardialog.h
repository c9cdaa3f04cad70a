#ifndef FRAMELESS_TITLEBARDIALOG_H
#define FRAMELESS_TITLEBARDIALOG_H

#include "frameless_export.h"

#include <QColor>
#include <QDialog>
#include <QString>

#include <memory>

class VnDialogPrivate;
class VnDialog2Private;

/**
 * A frameless top-level dialog that draws its own frame out of child widgets: four border strips, a resize
 * grip in the bottom right corner, a title strip with the window title and a close button, and a separator
 * under the title. The frame's colours, widths and close-button image are properties meant to be set by a
 * stylesheet rule
 * (`VnDialog { qproperty-borderColor: ...; }`). The dialog moves when its title is dragged and, when
 * constructed resizable, resizes from its border strips and grip. Content belongs inside contentsMargins(),
 * which keep it clear of the frame.
 *
 * Frame widgets carry object names for stylesheets and tests: "left_edge_widget", "right_edge_widget",
 * "top_edge_widget", "bottom_edge_widget", "corner_grip_widget", "title_label", "close_pushButton" and
 * "title_separator_widget".
 */
class FRAMELESS_EXPORT VnDialog : public QDialog
{
    Q_OBJECT
    /// The close button's image, by resource path; see closeBtnPixmap().
    Q_PROPERTY(QString closeBtnPixmap READ closeBtnPixmap WRITE setCloseBtnPixmap)
    /// The colour of the border strips, grip and title separator; see borderColor().
    Q_PROPERTY(QColor borderColor READ borderColor WRITE setBorderColor)
    /// The colour of the title strip and close button; see titleColor().
    Q_PROPERTY(QColor titleColor READ titleColor WRITE setTitleColor)
    /// The thickness of the border strips; see borderWidth().
    Q_PROPERTY(int borderWidth READ borderWidth WRITE setBorderWidth)
    /// The height of the title strip; see titleWidth().
    Q_PROPERTY(int titleWidth READ titleWidth WRITE setTitleWidth)

public:
    /// Builds the frame with the default look (black, 2-pixel border, 32-pixel title, no close image). A
    /// dialog constructed while stayTop() is true becomes a tool window that stays on top of others.
    explicit VnDialog(QWidget *parent = nullptr, bool resizable = false);
    ~VnDialog() override;

    /// Resource path of the close button's image; empty by default.
    QString closeBtnPixmap() const;
    /// Sets the close button's image from the image file at @p path and restyles the frame.
    void setCloseBtnPixmap(const QString &path);

    /// Colour of the border strips, the grip and the title separator; invalid (drawn black) by default.
    QColor borderColor() const;
    /// Sets the colour of the border strips, the grip and the title separator.
    void setBorderColor(const QColor &color);

    /// Colour of the title strip and the close button; invalid (drawn black) by default.
    QColor titleColor() const;
    /// Sets the colour of the title strip and the close button.
    void setTitleColor(const QColor &color);

    /// Thickness in pixels of the border strips and the title separator; 2 by default.
    int borderWidth() const;
    /// Sets the border thickness, the contents margins and the frame layout; a negative width is taken as 0.
    void setBorderWidth(int width);

    /// Height in pixels of the title strip, also the side of the square close button; 32 by default.
    int titleWidth() const;
    /// Sets the title strip's height, the contents margins and the frame layout; a negative width is taken as
    /// 0.
    void setTitleWidth(int width);

    /// Replaces the title label by @p widget, which the dialog takes over and which drags the dialog; it gets
    /// the title colour and, at the next resize, its geometry, and does not follow the window title. Meant
    /// for use before the dialog is shown (a widget re-parented into a visible dialog stays hidden). Null is
    /// ignored.
    void setTitleWidget(QWidget *widget);

    /// Makes every VnDialog constructed afterwards a tool window that stays on top (or not),
    /// application-wide.
    static void setStayTop(bool on);
    /// Whether dialogs constructed now become tool windows that stay on top; false until setStayTop() is
    /// called.
    static bool stayTop();

    /// Shows the dialog at its final size, the first time centred on its parent's window (on the screen
    /// without a parent) within the screen's available area unless the application has positioned it; or
    /// hides it.
    void setVisible(bool visible) override;

protected:
    /// Moves the dialog while its title widget is dragged and, when resizable, resizes it from the border
    /// strip or grip under a mouse move (on Wayland the press hands the move or resize to the compositor);
    /// never consumes an event.
    bool eventFilter(QObject *watched, QEvent *event) override;
    /// Lays the frame widgets out again around the new size.
    void resizeEvent(QResizeEvent *event) override;
    /// Translates the close button's tool tip again when the application's language changes.
    void changeEvent(QEvent *event) override;

private:
    friend class VnDialogPrivate;
    std::unique_ptr<VnDialogPrivate> const d;
};

/**
 * A VnDialog that can dim its whole area, frame included, with an overlay and show one widget centred on top
 * of it, for instance a progress panel while the dialog waits. It has no meta-object of its own, so
 * stylesheet rules and translations address it as VnDialog.
 */
class FRAMELESS_EXPORT VnDialog2 : public VnDialog
{
public:
    /// Builds the dialog as VnDialog does, with the overlay hidden.
    explicit VnDialog2(QWidget *parent = nullptr, bool resizable = false);
    /// Hides the overlay first, so that the overlay widget survives and goes back to its former parent.
    ~VnDialog2() override;

    /// Covers the dialog with a dimming overlay and, if @p widget is given, shows it centred above the
    /// overlay; the widget is borrowed from its parent until hideOverlay(). Does nothing while the overlay is
    /// shown.
    void showOverlay(QWidget *widget = nullptr);
    /// Removes the overlay and gives the overlay widget back, hidden, to the parent it had before
    /// showOverlay(); if that parent has been deleted meanwhile, the widget stays a hidden child of this
    /// dialog.
    void hideOverlay();

protected:
    /// Keeps the overlay, while shown, covering the whole dialog with its widget centred.
    void resizeEvent(QResizeEvent *event) override;

private:
    std::unique_ptr<VnDialog2Private> const d;
};

#endif // FRAMELESS_TITLEBARDIALOG_H

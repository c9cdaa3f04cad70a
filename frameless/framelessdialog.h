#ifndef ZEV_ORER_FRAMELESSDIALOG_H
#define ZEV_ORER_FRAMELESSDIALOG_H

#include "frameless_export.h"

#include <QDialog>

#include <functional>
#include <memory>

class VNDialogFramelessContainer;
class VNDialogPrivate;

/// A dialog that lives inside a frameless container: derive from it and fill it like any QDialog. The
/// container is the real window and the dialog's entry points act on it, while result codes and the
/// finished(), accepted() and rejected() signals stay QDialog's. A dialog constructed with window flags gets
/// no container and is a plain QDialog throughout.
class FRAMELESS_EXPORT VNDialog : public QDialog
{
    Q_OBJECT

public:
    /// How the container's frame is drawn; the bits 0x04 and 0x08 have no effect.
    enum FrameOption {
        FrameSpacing = 0x01,      ///< One pixel between title bar and content.
        FrameShadow = 0x02,       ///< Drop shadow with its transparent margin.
        HideCloseButton = 0x10,   ///< No close button in the title bar.
        FrameBorderRadius = 0x20, ///< Rounded corners ("borderRadius" style property).
        FrameBorder = 0x40,       ///< Border ("border" style property).
    };
    Q_DECLARE_FLAGS(FrameOptions, FrameOption)
    Q_FLAG(FrameOptions)

    /// With empty @p f, creates the container as the dialog's parent (the container's own parent is
    /// @p parent) and lets its close button reject the dialog. With non-empty @p f, a QDialog of @p parent
    /// with those flags and no container.
    explicit VNDialog(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    /// Deletes the container as well; safe also while the container or its parent is being destroyed.
    ~VNDialog() override;

    /// Places the dialog into the container on first use and shows the container, without changing any
    /// modality. Unless the application has positioned it, the container first opens centred on the parent's
    /// window.
    void show();
    /// Whether the container (the dialog itself without container) is full screen.
    bool isFullScreen() const;

    /// The container, or null for a dialog constructed with window flags.
    VNDialogFramelessContainer *container() const;
    /// The container's styled frame, or null without container.
    QWidget *frameWidget() const;

    /// The options last set; 0x5 until setFrameOptions() is called, though nothing of it is applied before.
    FrameOptions frameOptions() const;
    /// Stores @p options and applies its five bits to the container.
    void setFrameOptions(FrameOptions options);

    /// Makes done() ask @p guard with the result first and do nothing when it returns false; an empty
    /// function removes the guard.
    void setDoneGuard(std::function<bool(int)> guard);

    /// Centres the container on its parent window now and after every resize of the dialog; on the parent's
    /// container when the parent is a VNMainWindow, on the screen's available area when there is no parent.
    void keepCenteredOnParent();

public slots:
    /// Shows the container window-modal and returns at once; the result is reset to 0.
    void open() override;
    /// Shows the container and runs a local event loop until the dialog is done or the container hidden;
    /// returns the result, 0 if the dialog was destroyed meanwhile and -1 for a call from inside a running
    /// exec() of the same dialog.
    int exec() override;
    /// Shows the container full screen, remembering its geometry.
    void showFullScreen();
    /// Returns the container from full screen to the geometry it had.
    void showNormal();
    /// Unless the done guard refuses @p r: hides the container and the dialog, sets the result to @p r, emits
    /// QDialog's signals and ends a running exec().
    void done(int r) override;

protected:
    /// Centres the container on its parent window again after the resize, once keepCenteredOnParent() was
    /// called.
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class VNDialogPrivate;
    std::unique_ptr<VNDialogPrivate> const d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(VNDialog::FrameOptions)

#endif // ZEV_ORER_FRAMELESSDIALOG_H

#ifndef ZEV_ORER_SHOWCASEWINDOW_H
#define ZEV_ORER_SHOWCASEWINDOW_H

#include "titlebardialog.h"

#include <memory>

class ShowcaseWindowPrivate;

/**
 * The program's top-level window: a themed title-bar dialog that names the program, shows the interface
 * language in effect and the log file's location, and opens each kind of window the toolkit offers.
 */
class ShowcaseWindow : public VnDialog2
{
    Q_OBJECT

public:
    /// Builds the window; its texts come out in the language whose translator is installed.
    explicit ShowcaseWindow(QWidget *parent = nullptr);
    ~ShowcaseWindow() override;

private:
    friend class ShowcaseWindowPrivate;
    std::unique_ptr<ShowcaseWindowPrivate> const d;
};

#endif // ZEV_ORER_SHOWCASEWINDOW_H

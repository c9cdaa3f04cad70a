#ifndef ZEV_ORER_SHOWCASEMAINWINDOW_H
#define ZEV_ORER_SHOWCASEMAINWINDOW_H

#include "framelessmainwindow.h"

#include <memory>

class ShowcaseMainWindowPrivate;

/// A frameless main window with a menu bar, a tool bar and a status bar. It opens dialogs that stay centred
/// on it, asks through a message box before it closes, and is deleted once closed.
class ShowcaseMainWindow : public VNMainWindow
{
    Q_OBJECT

public:
    /// Builds the window, a window of its own; show() puts it on screen.
    ShowcaseMainWindow();
    ~ShowcaseMainWindow() override;

private:
    std::unique_ptr<ShowcaseMainWindowPrivate> const d;
};

#endif // ZEV_ORER_SHOWCASEMAINWINDOW_H

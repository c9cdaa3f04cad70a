#ifndef ZEV_ORER_WINDOWPLACEMENT_P_H
#define ZEV_ORER_WINDOWPLACEMENT_P_H

// Shared by the frameless windows, which give themselves their size and position before they are first shown.
// A window manager that reparents a new window into a frame of its own may do so before Qt has read the
// answer to a move or resize made between the window's creation and its mapping; Qt then takes the new
// frame's position, still at the screen's origin, for the window's, and a frameless window never corrects it
// because it never moves inside its frame. A window created with its final geometry makes no such request.

#include <QRect>

class QWidget;

namespace WindowPlacement {

/// The widget that stands for @p parent when a window centres on it: the container that a VNMainWindow sits
/// in, else @p parent itself.
QWidget *centringTarget(QWidget *parent);

/// The global rectangle of @p target, or the available area of the screen under the cursor when @p target is
/// null.
QRect centringArea(const QWidget *target);

/// Gives the hidden window @p window the size it will be shown with: polished, laid out and, unless the
/// application sized it, at its natural size.
void prepare(QWidget *window);

/// To be called just before @p window is shown. A hidden top-level window is prepared and, unless it has a
/// position already (from the application, or from an earlier show), centred on the window of @p parent (on
/// a VNMainWindow's container; on the screen without a parent) and kept inside the available area of that
/// screen, as QDialog centres its dialogs.
void place(QWidget *window, QWidget *parent);

} // namespace WindowPlacement

#endif // ZEV_ORER_WINDOWPLACEMENT_P_H

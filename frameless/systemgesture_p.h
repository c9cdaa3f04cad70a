#ifndef ZEV_ORER_SYSTEMGESTURE_P_H
#define ZEV_ORER_SYSTEMGESTURE_P_H

// Shared by the title bars and the resize bands of the frameless windows. A Wayland compositor ignores a
// window's own move() and setGeometry(): there a press on a title bar or an edge hands the gesture to the
// compositor instead (Qt 5.15 and later; with an older Qt every platform keeps the manual gesture).

#include "frameless_export.h"

#include <qnamespace.h>

#include <functional>

class QWidget;

namespace SystemGesture {

/// Whether the moves and resizes of the top-level window @p window go to the compositor: true for a window
/// on a platform whose name starts with "wayland", or while a test handler is installed.
FRAMELESS_EXPORT bool handles(const QWidget *window);

/// Asks the compositor, during the press that is being delivered, to move @p window (with @p edges empty)
/// or to resize it along @p edges. Only for a window that handles() answers true for.
FRAMELESS_EXPORT void start(QWidget *window, Qt::Edges edges = Qt::Edges());

/// The function a test installs to see the requests of start() instead of the platform, and to drive
/// handles() to true on any platform; an empty one gives both back to the platform.
using Handler = std::function<void(QWidget *window, Qt::Edges edges)>;
FRAMELESS_EXPORT void setHandlerForTesting(Handler handler);

} // namespace SystemGesture

#endif // ZEV_ORER_SYSTEMGESTURE_P_H

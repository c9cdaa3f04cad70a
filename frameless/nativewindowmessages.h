#ifndef ZEV_ORER_NATIVEWINDOWMESSAGES_H
#define ZEV_ORER_NATIVEWINDOWMESSAGES_H

// The Windows messages a frameless container takes over, reduced to plain values so that the arithmetic
// builds and is tested on every platform. Only the last group of functions reads or writes Windows
// structures; it exists on Windows alone and lives in the one translation unit that includes windows.h.
// The header is the library's own; its functions are exported for the tests.

#include "frameless_export.h"

#include <cstdint>

namespace NativeWindowMessages {

constexpr unsigned GetMinMaxInfo = 0x0024;
constexpr unsigned SysCommand = 0x0112;
constexpr std::uintptr_t ScClose = 0xF060;
/// Size of NONCLIENTMETRICSA including iPaddedBorderWidth.
constexpr unsigned NonClientMetricsSize = 344;

/// What a container does with one native message.
enum class Action { PassOn, SetMaxPlacement, RequestClose };

/// A rectangle in native pixels.
struct Rect
{
    int x;
    int y;
    int width;
    int height;
};

/// The members of MINMAXINFO that a container writes; the track size only when @c trackSize is true.
struct MaxPlacement
{
    int maxWidth;
    int maxHeight;
    int maxX;
    int maxY;
    bool trackSize;
};

/// The container's action for a message with the number @p message and the word parameter @p wParam.
FRAMELESS_EXPORT Action actionFor(unsigned message, std::uintptr_t wParam);

/// The maximised size and position for the available area @p available of a screen whose geometry starts at
/// the horizontal coordinate @p screenX.
FRAMELESS_EXPORT MaxPlacement maxPlacement(const Rect &available, int screenX);

/// The border of a framed window from the system's border widths: @p borderWidth + @p paddedBorderWidth + 2.
FRAMELESS_EXPORT int frameBorder(int borderWidth, int paddedBorderWidth);

/// @p placement grown by @p border on every side, with the track size following the maximised size.
FRAMELESS_EXPORT MaxPlacement withFrameBorder(const MaxPlacement &placement, int border);

#ifdef _WIN32
/// The container's action for the MSG at @p message.
FRAMELESS_EXPORT Action messageAction(const void *message);

/// Writes @p placement into the MINMAXINFO that the WM_GETMINMAXINFO message at @p message points to; the
/// other members keep what the system put there.
FRAMELESS_EXPORT void writeMaxPlacement(const void *message, const MaxPlacement &placement);

/// The border of a framed window from the system's non-client metrics.
FRAMELESS_EXPORT int systemFrameBorder();
#endif

} // namespace NativeWindowMessages

#endif // ZEV_ORER_NATIVEWINDOWMESSAGES_H

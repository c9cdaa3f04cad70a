#include "nativewindowmessages.h"

namespace NativeWindowMessages {

Action actionFor(unsigned message, std::uintptr_t wParam)
{
    if (message == GetMinMaxInfo)
        return Action::SetMaxPlacement;
    if (message == SysCommand && wParam == ScClose)
        return Action::RequestClose;
    return Action::PassOn;
}

MaxPlacement maxPlacement(const Rect &available, int screenX)
{
    // The vertical position is taken as it is: only the horizontal one is made relative to the screen.
    return {available.width, available.height, available.x - screenX, available.y, false};
}

int frameBorder(int borderWidth, int paddedBorderWidth)
{
    return borderWidth + paddedBorderWidth + 2;
}

MaxPlacement withFrameBorder(const MaxPlacement &placement, int border)
{
    return {placement.maxWidth + 2 * border, placement.maxHeight + 2 * border, placement.maxX - border,
            placement.maxY - border, true};
}

} // namespace NativeWindowMessages

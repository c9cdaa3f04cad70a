#include "nativewindowmessages.h"

#include <windows.h>

namespace NativeWindowMessages {

static_assert(GetMinMaxInfo == WM_GETMINMAXINFO, "message number");
static_assert(SysCommand == WM_SYSCOMMAND, "message number");
static_assert(ScClose == SC_CLOSE, "system command");
static_assert(sizeof(NONCLIENTMETRICSA) == NonClientMetricsSize,
              "NONCLIENTMETRICSA without iPaddedBorderWidth");

Action messageAction(const void *message)
{
    const MSG *msg = static_cast<const MSG *>(message);
    return actionFor(msg->message, msg->wParam);
}

void writeMaxPlacement(const void *message, const MaxPlacement &placement)
{
    MINMAXINFO *info = reinterpret_cast<MINMAXINFO *>(static_cast<const MSG *>(message)->lParam);
    info->ptMaxSize.x = placement.maxWidth;
    info->ptMaxSize.y = placement.maxHeight;
    info->ptMaxPosition.x = placement.maxX;
    info->ptMaxPosition.y = placement.maxY;
    if (placement.trackSize)
        info->ptMaxTrackSize = info->ptMaxSize;
}

int systemFrameBorder()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = NonClientMetricsSize;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, NonClientMetricsSize, &metrics, 0);
    return frameBorder(metrics.iBorderWidth, metrics.iPaddedBorderWidth);
}

} // namespace NativeWindowMessages

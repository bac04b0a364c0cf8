#include "effects/OverlayPlacement.h"

namespace orvane {

OverlayBox OverlayPlacement(unsigned taskbarState, const WorkArea& workArea, int screenWidth,
                            int screenHeight) {
    if (taskbarState == kTaskbarAutoHide)
        return {workArea.left, workArea.top, workArea.right - workArea.left,
                workArea.bottom - workArea.top - 1};
    return {0, 0, screenWidth, screenHeight - 1};
}

} // namespace orvane

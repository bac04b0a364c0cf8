#include "background/HostPlacement.h"

namespace orvane {

OverlayBox BackgroundPlacement(unsigned taskbarState, const WorkArea& workArea) {
    const int shorter = taskbarState == kTaskbarAutoHide ? 2 : 1;
    return {workArea.left, workArea.top, workArea.right - workArea.left,
            workArea.bottom - workArea.top - shorter};
}

} // namespace orvane

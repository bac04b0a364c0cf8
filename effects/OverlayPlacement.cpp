#include "effects/OverlayPlacement.h"

namespace orvane {

OverlayBox OverlayPlacement(unsigned taskbarState, const MonitorArea& monitor) {
    const WorkArea& area = taskbarState == kTaskbarAutoHide ? monitor.work : monitor.bounds;
    return {area.left, area.top, area.right - area.left, area.bottom - area.top - 1};
}

} // namespace orvane

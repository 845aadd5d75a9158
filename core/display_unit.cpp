#include "core/display_unit.h"

namespace {

// One flag for the whole program: the unit of the window activated last.
bool gMetricDisplay = false;

} // namespace

bool MetricDisplay() {
    return gMetricDisplay;
}

void SetMetricDisplay(bool on) {
    gMetricDisplay = on;
}

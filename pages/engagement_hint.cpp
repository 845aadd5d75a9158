#include "pages/engagement_hint.h"

#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"

#include <exception>

std::string StandardEngagementText(const ParameterEntry& entry, bool metricDisplay) {
    // A scratch calculation with the standard engagement: the family's own rule
    // decides, so the hint cannot drift from what Calculate will use.
    ParameterEntry e = entry;
    e.customLOE = false;
    e.coated = false;
    TTInfo rec;
    if (!SetUpRecord(e, rec).message.empty()) return {};
    if (!FamilyAvailable(rec.ExtThd.TypeCode)) return {};
    try {
        rec.Calculate();
    } catch (const std::exception&) {
        return {};
    }
    const TThdInfo& m = rec.ExtThd;
    if (!rec.Refusal.empty() || m.LOE <= 0) return {};
    const ScopedDisplayUnit unit(metricDisplay);
    return DimText(m, 4, m.LOE) + " " + UnitText(metricDisplay);
}

#include "cli/inspect_output.h"

#include "cli/json_writer.h"
#include "cli/text_grid.h"
#include "pages/inspect_page.h"
#include "pages/iso1502_page.h"

#include <ostream>

namespace {

// One checked measurement: the judged pitch diameter, its verdict and margins.
void CheckJson(JsonWriter& j, const PDCheck& c) {
    j.Put({{"MeasuredPD", c.pd}});
    j.Put("Verdict", VerdictWord(c.verdict));
    j.Put({{"MarginToMax", c.marginToMax},
           {"MarginToMin", c.marginToMin},
           {"PercentOfTolerance", c.percentOfTolerance}});
}

// The fields of the "inspection" object of a measured plug.
void GaugeInspectionJson(JsonWriter& j, const InspectPageText& page) {
    j.Put("Gauge", page.gauge);
    j.Put("Verdict", Iso1502WearWord(page.overallWear));
    const Iso1502Gauge& g = page.limits;
    // Judged to the 0.0001 mm the limits are shown to.
    j.Put({{"PDMax", Iso1502Round(g.pdMax)},
           {"PDMin", Iso1502Round(g.pdMin)},
           {"WearLimit", Iso1502Round(g.wearLimit)},
           {"MarginToWearLimit", page.marginToWearLimit},
           {"Wire", page.wire}});
    j.Put("Text", page.verdict);
    j.Key("grid");
    j.Grid(page.grid);
    j.Key("readings");
    j.Open('[');
    for (std::size_t i = 0; i < page.wear.size(); ++i) {
        j.Open('{');
        j.Put({{"Reading", page.readings[i]}, {"MeasuredPD", Iso1502Round(page.measuredPDs[i])}});
        j.Put("Verdict", Iso1502WearWord(page.wear[i]));
        j.Close('}');
    }
    j.Close(']');
}

} // namespace

void PrintInspectText(const InspectPageText& page, std::ostream& out) {
    out << "\nInspect\n";
    PrintTextGrid(page.grid, out);
    out << page.verdict << '\n';
}

void InspectionJson(JsonWriter& j, const InspectPageText& page, const char* unit) {
    if (!page.gauge.empty()) {
        j.Key("inspection");
        j.Open('{');
        j.Put("unit", "mm");
        GaugeInspectionJson(j, page);
        j.Close('}');
        return;
    }
    const PDInspection& r = page.inspection;
    j.Key("inspection");
    j.Open('{');
    j.Put("unit", unit);
    j.Put({{"MeasuredPD", r.meanPD}});
    j.Put("Verdict", VerdictWord(r.overall));
    j.Put({{"MarginToMax", r.marginToMax},
           {"MarginToMin", r.marginToMin},
           {"PercentOfTolerance", r.percentOfTolerance},
           {"MinPD", r.minPD},
           {"MaxPD", r.maxPD},
           {"Spread", r.spread},
           {"Wire", page.wire}});
    j.Put("Text", page.verdict);
    j.Key("grid");
    j.Grid(page.grid);
    if (r.readings.size() > 1) {
        j.Key("readings");
        j.Open('[');
        for (std::size_t i = 0; i < r.readings.size(); ++i) {
            j.Open('{');
            j.Put({{"Reading", page.readings[i]}});
            CheckJson(j, r.readings[i]);
            j.Close('}');
        }
        j.Close(']');
    }
    j.Close('}');
}

#include "cli/iso1502_option.h"

#include "cli/cli_output.h"
#include "cli/json_writer.h"
#include "core/number_text.h"
#include "pages/inspect_page.h"
#include "pages/iso1502_page.h"

#include <ostream>
#include <string>
#include <vector>

void PrintIso1502Text(const Iso1502PageText& page, std::ostream& out)
{
    out << '\n' << page.caption << '\n';
    if (!page.note.empty()) {
        out << page.note << '\n';
        return;
    }
    out << page.unit << '\n';
    PrintTextGrid(page.grid, out);
    for (const std::string& line : page.lines) out << line << '\n';
}

void Iso1502Json(JsonWriter& j, const Iso1502PageText& page)
{
    j.Key("iso1502");
    j.Open('{');
    // The page gives each value by its key path ("GoPlug/PD/Max"), the values
    // of one object one after another.
    std::vector<std::string> open;
    for (const Iso1502JsonField& f : page.json) {
        std::vector<std::string> keys;
        for (std::size_t at = 0;;) {
            const std::size_t slash = f.path.find('/', at);
            keys.push_back(f.path.substr(at, slash - at));
            if (slash == std::string::npos) break;
            at = slash + 1;
        }
        std::size_t same = 0;
        while (same < open.size() && same + 1 < keys.size() && open[same] == keys[same]) ++same;
        for (; open.size() > same; open.pop_back()) j.Close('}');
        for (std::size_t k = same; k + 1 < keys.size(); ++k) {
            j.Key(keys[k]);
            j.Open('{');
            open.push_back(keys[k]);
        }
        j.Key(keys.back());
        double value = 0;
        if (f.number && ParseDecimal(f.text, value))
            j.Number(value);
        else
            j.String(f.text);
    }
    for (; !open.empty(); open.pop_back()) j.Close('}');
    j.Close('}');
}

void GaugeInspectionJson(JsonWriter& j, const InspectPageText& page)
{
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

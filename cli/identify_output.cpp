#include "cli/identify_output.h"

#include "cli/json_writer.h"
#include "cli/record_json.h"
#include "pages/identify.h"

#include <ostream>
#include <string>

void PrintIdentifyText(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const TextGrid& grid, bool metricDisplay, std::ostream& out) {
    out << IdentifyHeading(query, metricDisplay) << '\n';
    if (matches.empty()) {
        out << kNothingFits << '\n';
        return;
    }
    PrintTextGrid(grid, out);
}

void PrintIdentifyJson(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const TextGrid& grid, bool metricDisplay, std::ostream& out) {
    JsonWriter j(out);
    j.Open('{');
    // The rows are in the display unit; every number is inches.
    DocumentHead(j, metricDisplay ? "mm" : "in");
    j.Key("measured");
    j.Open('{');
    j.Put("unit", "in");
    j.Put("Diameter", MeasuredDiameterName(query));
    j.Put({{"Value", query.diameter}, {"Pitch", query.pitch}});
    j.Close('}');
    j.Put("message", matches.empty() ? std::string(kNothingFits) : std::string());
    j.Key("identify");
    j.Open('[');
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const IdentifyMatch& m = matches[i];
        j.Open('{');
        j.Put("unit", "in");
        j.Put("Designation", m.designation);
        j.Put("Family", m.family);
        j.Put({{"Closeness", m.offLimits},
               {"DiaMin", m.diaMin},
               {"DiaMax", m.diaMax},
               {"PDMin", m.pdMin},
               {"PDMax", m.pdMax}});
        j.Key("row");
        j.Open('[');
        for (const std::string& cell : grid[i + 1])
            j.String(cell);
        j.Close(']');
        j.Close('}');
    }
    j.Close(']');
    j.Close('}');
    out << '\n';
}

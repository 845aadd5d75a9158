#include "cli/inspect_option.h"

#include "pages/inspect_page.h"

#include <ostream>

namespace {

std::optional<std::string> Get(const OptionValues& values, const char* key) {
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

} // namespace

std::string InspectOptionProblem(const OptionValues& values) {
    const bool mow = values.contains("--measured-mow");
    const bool pd = values.contains("--measured-pd");
    if (mow && pd) return "--measured-mow and --measured-pd exclude each other";
    if (values.contains("--measured-wire") && !mow)
        return "--measured-wire is the wire size of --measured-mow";
    if (const auto g = Get(values, "--measured-gauge")) {
        if (!mow && !pd) return "--measured-gauge needs --measured-mow or --measured-pd";
        if (*g != "go-plug" && *g != "nogo-plug")
            return "--measured-gauge is go-plug or nogo-plug, not " + *g;
    }
    return {};
}

std::optional<InspectPageText> InspectFromOptions(const TTInfo& rec, const OptionValues& values,
                                                  bool metricDisplay) {
    const auto mow = Get(values, "--measured-mow");
    const auto pd = Get(values, "--measured-pd");
    if (!mow && !pd) return std::nullopt;
    InspectEntry entry;
    entry.overWires = mow.has_value();
    entry.valuesText = mow ? *mow : *pd;
    entry.wireText = Get(values, "--measured-wire").value_or("");
    if (const auto g = Get(values, "--measured-gauge"))
        entry.gauge = *g == "go-plug" ? InspectGauge::Iso1502GoPlug : InspectGauge::Iso1502NoGoPlug;
    return BuildInspectPage(rec, entry, metricDisplay);
}

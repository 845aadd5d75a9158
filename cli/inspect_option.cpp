#include "cli/inspect_option.h"

#include "cli/cli_output.h"
#include "pages/csv_text.h"
#include "pages/inspect_page.h"
#include "pages/result_pages.h"
#include "pipe/pipe_pages.h"

#include <ostream>

namespace {

std::optional<std::string> Get(const std::map<std::string, std::string>& values, const char* key)
{
    const auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

} // namespace

std::string InspectOptionProblem(const std::map<std::string, std::string>& values)
{
    const bool mow = values.contains("--measured-mow");
    const bool pd = values.contains("--measured-pd");
    if (mow && pd) return "--measured-mow and --measured-pd exclude each other";
    if (values.contains("--measured-wire") && !mow)
        return "--measured-wire is the wire size of --measured-mow";
    return {};
}

std::optional<InspectPageText> InspectFromOptions(const TTInfo& rec,
                                                  const std::map<std::string, std::string>& values,
                                                  bool metricDisplay)
{
    const auto mow = Get(values, "--measured-mow");
    const auto pd = Get(values, "--measured-pd");
    if (!mow && !pd) return std::nullopt;
    InspectEntry entry;
    entry.overWires = mow.has_value();
    entry.valuesText = mow ? *mow : *pd;
    entry.wireText = Get(values, "--measured-wire").value_or("");
    return BuildInspectPage(rec, entry, metricDisplay);
}

void PrintInspectText(const InspectPageText& page, std::ostream& out)
{
    out << "\nInspect\n";
    PrintTextGrid(page.grid, out);
    out << page.verdict << '\n';
}

void PrintPagesCsv(const ResultPagesText& pages,
                   const std::vector<std::pair<std::string, TextGrid>>& setting,
                   const InspectPageText* inspect, std::ostream& out)
{
    std::vector<std::pair<std::string, TextGrid>> blocks = {
        {"Thread Dim.", pages.thread},
        {"Tap Drills", pages.tapDrills},
        {pages.ring.caption, VisibleGaugeGrid(pages.ring)},
        {pages.setPlug.caption, VisibleGaugeGrid(pages.setPlug)},
        {pages.plug.caption, VisibleGaugeGrid(pages.plug)},
    };
    blocks.insert(blocks.end(), setting.begin(), setting.end());
    if (inspect) blocks.emplace_back("Inspect", inspect->grid);
    out << CsvBlocks(blocks);
}

void PrintPipeCsv(const PipePagesText& pages, std::ostream& out)
{
    out << CsvBlocks({{"Thread Dim.", pages.thread},
                      {"NPT Gages", pages.gages},
                      {"NPT Tolerances", pages.tols}});
}

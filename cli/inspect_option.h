#pragma once
// plcalc's inspection of measured readings (--measured-mow, --measured-wire,
// --measured-pd) and its CSV output (--csv).

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TTInfo;
struct InspectPageText;
struct ResultPagesText;
struct PipePagesText;
using TextGrid = std::vector<std::vector<std::string>>;

// Usage problem of the inspection options; empty when they are sound or absent.
std::string InspectOptionProblem(const std::map<std::string, std::string>& values);

// The inspection the options ask for, or nullopt when they ask for none. A
// refused value comes back as the page's message.
std::optional<InspectPageText> InspectFromOptions(const TTInfo& rec,
                                                  const std::map<std::string, std::string>& values,
                                                  bool metricDisplay);

// The "Inspect" block of the text output: its grid and the verdict line.
void PrintInspectText(const InspectPageText& page, std::ostream& out);

// Every page as CSV blocks: the gauge setting grids (GaugeSettingGrids)
// after the gauge pages, the inspection last when there is one.
void PrintPagesCsv(const ResultPagesText& pages,
                   const std::vector<std::pair<std::string, TextGrid>>& setting,
                   const InspectPageText* inspect, std::ostream& out);
void PrintPipeCsv(const PipePagesText& pages, std::ostream& out);

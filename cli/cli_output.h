#pragma once
// Printing a calculated record: aligned text pages or one JSON object.

#include <iosfwd>
#include <string>
#include <vector>
#include <string_view>

class TBallMic;
class TTInfo;
struct ResultPagesText;
struct PipePagesText;
struct GaugeSettingText;
struct IdentifyQuery;
struct IdentifyMatch;
struct InspectPageText;

// A thread calculated at the diameter a re-evaluation found (--new-pd).
struct ReevaluationText {
    std::string limit; // "ext-max" ...
    double target = 0; // in the record's unit
    std::string note;  // NewPDFit::note
};

// The re-evaluation's note follows the designation.
void PrintPagesText(const ResultPagesText& pages, std::ostream& out,
                    const ReevaluationText* reevaluation = nullptr);
// With an inspection, its key "inspection" besides the pages; with a
// re-evaluation, its key "reevaluation".
void PrintPagesJson(const TTInfo& rec, const ResultPagesText& pages, std::ostream& out,
                    const InspectPageText* inspect = nullptr,
                    const ReevaluationText* reevaluation = nullptr);
// A grid in aligned columns, as the text pages print theirs.
void PrintTextGrid(const std::vector<std::vector<std::string>>& grid, std::ostream& out);
// A pipe thread: its designation and pipe pages (always inches).
void PrintPipeText(const PipePagesText& pages, std::ostream& out);
void PrintPipeJson(const TTInfo& rec, const PipePagesText& pages, std::ostream& out);
// A ball micrometer calculation: its inputs and the setting page.
void PrintBallMicText(const std::string& caption, const TBallMic& bm, std::ostream& out);
void PrintBallMicJson(const std::string& caption, const TBallMic& bm, std::ostream& out);
// The Set Dim tool's gauge-setting page of one product thread: the point
// gauge and the functional roll gauge, with the record.
void PrintSettingJson(const TTInfo& rec, const std::string& name, bool external,
                      const GaugeSettingText& point, const GaugeSettingText& roll,
                      std::ostream& out);
// A JSON string: quoted, escaped, bytes that are no UTF-8 as U+FFFD.
void AppendJsonString(std::string& out, std::string_view s);
// plcalc --identify: the measured part and the threads it fits.
void PrintIdentifyText(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const std::vector<std::vector<std::string>>& grid, bool metricDisplay,
                       std::ostream& out);
void PrintIdentifyJson(const IdentifyQuery& query, const std::vector<IdentifyMatch>& matches,
                       const std::vector<std::vector<std::string>>& grid, std::ostream& out);

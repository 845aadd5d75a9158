#pragma once
// The "Inspect" page: measured readings over wires (or measured pitch
// diameters) of the external thread, judged against its pitch-diameter limits,
// as texts for the window, plcalc and the clipboard.

#include "gauges/inspect.h"
#include "gauges/iso1502.h"

#include <string>
#include <vector>

class TTInfo;
using TextGrid = std::vector<std::vector<std::string>>;

// What was measured: the external thread, or an ISO 1502 screw plug of an M thread.
enum class InspectGauge { Thread, Iso1502GoPlug, Iso1502NoGoPlug };

struct InspectEntry {
    InspectGauge gauge = InspectGauge::Thread;
    bool overWires = true;  // readings over wires; else measured pitch diameters
    std::string valuesText; // "0.2597, 0.2590": display unit, or each with mm/in
    std::string wireText;   // the wire size used; empty: the current wire
};

struct InspectPageText {
    std::string message;      // why the entry is refused; empty when it was checked
    TextGrid grid;            // row 0 the headings; the limits, each reading, the summary
    std::string verdict;      // the overall verdict as one line
    std::string readingsLine; // readings over wires: the lead-angle correction they carry
    // The values behind the texts, in the thread's units.
    std::vector<double> readings; // as entered (readings over wires or PDs)
    std::vector<double> measuredPDs;
    double wire = 0;
    PDInspection inspection;
    // A measured plug: its name ("ISO 1502 GO plug"; empty for the thread), its
    // limits, and the verdict of each reading and of the worst one. Millimetres.
    std::string gauge;
    Iso1502Gauge limits;
    std::vector<Iso1502Wear> wear;
    Iso1502Wear overallWear = Iso1502Wear::New;
    double marginToWearLimit = 0; // smallest PD - wear limit; negative: beyond it
};

// Reads a list of positive lengths separated by commas or semicolons, each in
// the display unit or with mm/in, into the external thread's units. False with
// the offending item in `bad` when one is not a number in MeasurementInRange
// (ReadingInRange for readings over wires).
bool ParseLengthList(const TTInfo& rec, const std::string& text, bool metricDisplay,
                     std::vector<double>& values, std::string& bad, bool readings = false);

// "Inside" or "Outside".
std::string VerdictWord(PDVerdict v);

InspectPageText BuildInspectPage(const TTInfo& rec, const InspectEntry& entry, bool metricDisplay);

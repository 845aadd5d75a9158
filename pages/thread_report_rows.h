#pragma once
// What the thread, gauge and ISO 1502 reports print of a calculation, as texts:
// the parameter block over them, the product limits side by side and the gauge
// blocks. The values are the cells of the result pages.

#include "pages/result_pages.h"

#include <string>
#include <utility>
#include <vector>

class TTInfo;

// Label and value.
using ReportRow = std::pair<std::string, std::string>;

// The line under a report's title: the unit of every dimension, and for a
// report that shows readings over wires the formula they follow
// ("Dimensions in inches  -  Wire readings: standard formula").
std::string ReportUnitLine(const TTInfo& rec, bool metricDisplay, bool readings);

// The ruled parameter block of a thread report. settingDim: a record of the
// Set Dim tool, whose diameter is the pitch diameter of the thread chosen by
// `internal`.
std::vector<ReportRow> ThreadInfoRows(const TTInfo& rec, bool metricDisplay, bool settingDim,
                                      bool internal);

struct LimitsRowText {
    std::string intLabel, intValue, extLabel, extValue;
};

struct LimitsText {
    // A plated thread heads its columns with its notes, one line each;
    // another with its designations under "INTERNAL" and "EXTERNAL".
    bool plated = false;
    std::string internal, external;
    std::vector<LimitsRowText> rows;
};

// The heading alone, without rows.
LimitsText LimitsHeading(TTInfo& rec);
// The heading and the limits of both product threads; only the pitch, major and minor
// diameter rows when diametersOnly.
LimitsText BuildLimitsText(TTInfo& rec, bool metricDisplay, bool diametersOnly);

struct GaugeReportBlock {
    std::string title;   // "RING GAGE" and the gauge class
    std::string leadTol; // empty where the gauge has none
    std::string halfAngle;
    bool tolerances = true; // false: the tolerance columns stay empty, `note` says why
    TextGrid rows;          // label, GO, tolerance, NOGO, tolerance
    std::string note;
};

struct GaugeReportText {
    // Left and right text of each heading line of the external and internal side.
    std::vector<ReportRow> externalHeading, internalHeading;
    GaugeReportBlock rings, setPlugs, plugs;
    // Which wire readings carry the helix correction; empty when none is shown.
    std::string compensationNote;
};

GaugeReportText BuildGaugeReport(TTInfo& rec, bool metricDisplay);

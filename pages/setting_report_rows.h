#pragma once
// What the gauge setting dimensions report prints, as texts: the point gauge
// and roll gauge rows of the product threads and the note on recalled rolls.

#include <string>
#include <utility>
#include <vector>

class TTInfo;

// Label and value.
using SettingReportRow = std::pair<std::string, std::string>;

struct SettingReportColumn {
    bool printed = false;
    std::vector<SettingReportRow> point;
    std::vector<SettingReportRow> roll;
    // Why a gauge shows NONE or N/A (the gauge-setting page's note); empty when it does not.
    std::string pointNote;
    std::string rollNote;
};

struct SettingReportText {
    // "Gage Setting Dimensions Report", or "Setting Dims Report" for a
    // setting dimension worked out from a given pitch diameter.
    std::string title;
    SettingReportColumn internal;
    SettingReportColumn external;
    // The product limits follow the tables (not for a given pitch diameter).
    bool limits = true;
    // The recalled thread rolls: the special note follows.
    bool rollNote = false;
};

// settingDim: the record holds one pitch diameter of the thread chosen by
// `internal`; only that thread is printed.
SettingReportText BuildSettingReport(const TTInfo& rec, bool settingDim, bool internal,
                                     bool metricDisplay);

// The special note's text after its bold "Special Note:", line by line.
const std::vector<std::string>& RecalledRollNote();

#pragma once
// The Set Dim tool without its widgets: the setting dimensions of the point
// and roll gauges for a thread known only by its type, its pitch and one
// pitch diameter.

#include <cstdint>
#include <string>
#include <vector>

class TTInfo;

struct SetDimTypeEntry {
    const char* caption;  // "UN Threads" ... "55 Degree Thread"
    const char* typeName; // what SetThreadType takes
    uint16_t typeCode;
};

// The twelve entries of the type list, in list order (index + 1 = type code).
const std::vector<SetDimTypeEntry>& SetDimTypes();
// "Thread Pitch in mm:" for the metric entries (M, MJ, 30-degree), else
// "Threads / Inch:".
std::string SetDimPitchCaption(int typeIndex);
// List index of a plcalc --type name ("UN", "30DEG", "BUTT" ...); -1 for none.
int SetDimTypeIndexOfName(const std::string& name);

struct SetDimEntry {
    int typeIndex = 0;
    std::string pitchText;
    std::string extPDText; // "External PD Max:"; empty when the internal one is chosen
    std::string intPDText; // "Internal PD Min:"
};

struct SetDimOutcome {
    std::string message;        // the error box; the record then stays incomplete
    bool internalOnly = false;  // only the internal PD was given
    bool metricDisplay = false; // M, MJ and 30-degree threads are shown in millimetres
    std::string name;           // the name panel: the designations
    std::string caption;        // its window: "Set Dim Tool - External PD 0.2164, 20 TPI"
};

// Builds the record (a fresh one) from the entries and runs the gauge-setting
// step on it; the refusals are "Can not Calculate! Invalid Pitch." and "Can
// not Calculate! No PD measurement entered", and for a pitch or pitch
// diameter beyond what a thread takes (Invalid Pitch / Invalid PD) with the range.
SetDimOutcome RunSetDim(const SetDimEntry& entry, TTInfo& rec);

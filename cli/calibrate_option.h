#pragma once
// plcalc's calibration of a plug or setting plug over wires (--calibrate and
// its inputs, or a .cal file) and the choice of the wire readings (--helix).

#include "cli/options.h"
#include <iosfwd>
#include <optional>
#include <string>

class TTInfo;
class JsonWriter;
struct CalibrationEntry;
struct CalibrationPageText;

// Usage problem of --helix and the calibration options; empty when they are
// sound or absent. calFile: a calibration file gives the inputs.
std::string CalibrateOptionProblem(const OptionValues& values, bool calFile);

// Whether the file is a calibration file by its name (.cal).
bool IsCalibrationFileName(const std::string& file);

// The calibration the options ask for (over the file's inputs when fromFile),
// or nullopt when they ask for none. A refused value comes back as the page's
// message.
// The Calibrate page's entries: the .cal file's, replaced by the options given;
// nullopt without --calibrate or a .cal file.
std::optional<CalibrationEntry> CalibrationEntryFromOptions(const OptionValues& values,
                                                            const CalibrationEntry* fromFile);
std::optional<CalibrationPageText> CalibrationFromOptions(const TTInfo& rec,
                                                          const OptionValues& values,
                                                          const CalibrationEntry* fromFile,
                                                          bool metricDisplay);

void PrintCalibrationText(const CalibrationPageText& page, std::ostream& out);
// The "calibration" object.
void PrintCalibrationJson(JsonWriter& j, const CalibrationPageText& page);

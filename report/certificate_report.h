#pragma once
// "Calibration Certificate": a plug or setting plug calibrated over wires, as
// the Calibrate page shows it; PrintReport runs it.

class TReportWorks;
class TTInfo;
struct CalibrationEntry;

// One copy, in the display unit given; false, printing nothing, when the
// page refuses the entries.
bool PrintCertificate(TReportWorks& rpt, const TTInfo& rec, const CalibrationEntry& entry,
                      bool metricDisplay);

#pragma once
// The Qt half of plcalc's reports: linking report_pdf_option.cpp gives
// WriteReportOption and WriteBallMicReportOption their PDF writers.

#include <functional>

// Runs `write` (a PDF writer) with the GUI application that fonts and the PDF
// writer need: offscreen unless the user chose a platform, Qt's own notes
// silenced but for errors. Returns what `write` returns.
bool WithReportGui(const std::function<bool()>& write);

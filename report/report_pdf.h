#pragma once
// A report of a calculation written straight to a PDF file, without a window.

#include <QString>

#include <cstdint>

class TTInfo;

// Writes the report of the kind (kReportThread, kReportGauge, or
// kReportPipe with its group 1 to 4) on Letter paper, portrait. Needs a
// QGuiApplication. False when the file cannot be written or the record has
// no such report.
bool WriteReportPdf(TTInfo& rec, uint8_t kind, const QString& fileName, bool metricDisplay,
                    int group = 0);

#pragma once
// A report of a calculation written straight to a PDF file, without a window.

#include <QString>

#include <cstdint>

class TTInfo;

// Writes the report of the kind (kReportThread or kReportGauge) on Letter
// paper, portrait. Needs a QGuiApplication. False when the file cannot be
// written or the kind has no report.
bool WriteReportPdf(TTInfo& rec, uint8_t kind, const QString& fileName, bool metricDisplay);

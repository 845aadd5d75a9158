#pragma once
// A report of a calculation written straight to a PDF file, without a window.

#include "report/report_kinds.h"

#include <QString>

#include <functional>
#include <string>

class TReportWorks;

// Writes the job's report on the paper of reports, portrait, for every report kind.
// Needs a QGuiApplication. False when the file cannot be written or the job
// has no such report; `error` then says why.
bool WriteReportPdf(TReportJob job, const QString& fileName, std::string* error = nullptr);

// Has `render` write the PDF into a temporary file beside `fileName` and puts
// it in place of that file only when it was written whole, so a full disk or a
// failed report leaves the file that was there. Writes through a symbolic link
// to its file; refuses a path that is no regular file (a device, a folder).
bool WritePdfFile(const QString& fileName, const std::function<bool(const QString&)>& render,
                  std::string* error);

// Sets up a report engine for a portrait PDF page of the paper of reports and has `print`
// fill it, through WritePdfFile.
bool WriteEnginePdf(const QString& fileName, const std::function<bool(TReportWorks&)>& print,
                    std::string* error);

#pragma once
// Where printer and file output of the report engine go: the selected printer,
// or a stand-in with a chosen page, resolution and printable offset.

#include "core/settings.h"

#include <QPageLayout>
#include <QPoint>
#include <QSize>
#include <QString>

#include <memory>

class QPageSize;
class QPaintDevice;
class QPdfWriter;
class QPrinter;

// The paper of reports: the user's choice, else the desktop locale's (A4
// unless the locale uses Letter).
PaperSize ReportPaper();
QPageSize PageSizeOf(PaperSize paper);

struct TPageGeometry {
    QSize page;    // physical page, device pixels
    QPoint offset; // top-left of the printable area on the page, device pixels
    int dpiX = 96; // device pixels per inch
    int dpiY = 96;
};

class TPrintTarget {
public:
    virtual ~TPrintTarget() = default;
    virtual TPageGeometry Geometry() const = 0;
    virtual void SetLandscape(bool landscape) = 0;
    // Prepares a job; outputFile empty prints to the device itself. Returns the
    // device of the first sheet, whose origin is the printable origin.
    virtual QPaintDevice* PrepareJob(const QString& title, const QString& outputFile) = 0;
    // Called with the painter still active on the previous sheet. Returns the
    // device of the new sheet (the same device for a printer).
    virtual QPaintDevice* NewSheet() = 0;
    // Called after the painter ended, also when the job could not start.
    virtual void FinishJob() = 0;
    // Name of the output for messages: the file or the printer.
    virtual QString OutputName() const = 0;
};

// A QPrinter; for file output its PDF writer, with the output put back afterwards.
class TPrinterTarget : public TPrintTarget {
public:
    explicit TPrinterTarget(QPrinter* printer) : printer_(printer) {}
    TPageGeometry Geometry() const override;
    void SetLandscape(bool landscape) override;
    QPaintDevice* PrepareJob(const QString& title, const QString& outputFile) override;
    QPaintDevice* NewSheet() override;
    void FinishJob() override;
    QString OutputName() const override;

private:
    QPrinter* printer_;
    bool replaced_ = false;
    int savedFormat_ = 0;
    QString savedFile_;
};

// A PDF file written without the printing system: the paper of reports without
// an unprintable border, at the resolution of a high-resolution printer.
class TPdfTarget : public TPrintTarget {
public:
    explicit TPdfTarget(PaperSize paper = ReportPaper());
    ~TPdfTarget() override;
    TPageGeometry Geometry() const override;
    void SetLandscape(bool landscape) override;
    QPaintDevice* PrepareJob(const QString& title, const QString& outputFile) override;
    QPaintDevice* NewSheet() override;
    void FinishJob() override;
    QString OutputName() const override { return file_; }

    static constexpr int kResolution = 1200;

private:
    QPageLayout layout_;
    QString file_;
    std::unique_ptr<QPdfWriter> writer_;
};

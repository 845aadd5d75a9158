#pragma once
// The print preview window and the print dispatch of a thread window.

#include "report/report_kinds.h"
#include "report/report_works.h"

#include <QDialog>
#include <QWidget>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class TTInfo;

// Shows the engine's preview page; paints it once it is more than 100 pixels high.
class TReportView : public QWidget {
    Q_OBJECT
public:
    explicit TReportView(TReportWorks& engine, QWidget* parent = nullptr);
    // Takes the size of the page after a preview run.
    void PageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TReportWorks& engine_;
};

class TfrmThdPrint : public QDialog {
    Q_OBJECT
public:
    explicit TfrmThdPrint(QWidget* parent = nullptr);
    ~TfrmThdPrint() override;

    // The engine, set up as the preview expects it.
    TReportWorks& Print1() { return print1_; }
    // The report last built and what it was built from.
    TReportJob& Job() { return job_; }
    QPrinter& Printer();

    // Builds the remembered report again for the printer after the print
    // dialog, then closes, also after Cancel.
    void btnPrintClick();
    void btnCloseClick();

    // The zoom at which the whole page fits the scroll box, and the report
    // built again at it (once the window is shown); the window opens so and
    // keeps fitting while the zoom list says "Fit page".
    int FitZoom() const;
    void FitToPage();
    // Builds the remembered report again at a zoom in percent.
    void ShowAtZoom(int percent);
    // Builds the remembered report again showing the page (1 .. PageTotal).
    void ShowPage(int page);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void cboZoomChange(int index);
    void ShowPageControls();

    QComboBox* cboZoom = nullptr;
    TReportWorks print1_;
    TReportJob job_;
    QPushButton* btnClose = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnPrevPage = nullptr;
    QPushButton* btnNextPage = nullptr;
    QLabel* lblPage = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    TReportView* view_ = nullptr;
};

// The printer every report goes to, chosen in the printer set-up dialog; it
// starts on the paper of reports.
QPrinter& SharedPrinter();
// The printer takes the paper of reports again (a changed preference).
void UseReportPaper();

// Runs the job's report after the print dialog (its copy count) on the
// printer, or in the preview; a failed print job is reported.
void ShowReport(QWidget* parent, const TReportJob& job, bool previewMode);

// The print command of a thread window: the report of the page shown
// (ReportKindOfPage), through ShowReport. A record of the Set Dim tool
// (settingDim) prints the setting dimensions of the one thread it was given
// (internal or external).
void PrintThread(QWidget* parent, TTInfo& rec, const QString& pageCaption, bool previewMode,
                 bool metricDisplay, bool settingDim = false, bool internal = false);

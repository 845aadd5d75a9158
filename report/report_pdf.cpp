#include "report/report_pdf.h"

#include "report/report_works.h"
#include "report/thread_reports.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

bool WriteReportPdf(TTInfo& rec, uint8_t kind, const QString& fileName, bool metricDisplay,
                    int group)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    // A PDF page has no unprintable border.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    TReportWorks rpt;
    rpt.SetPrinter(&printer);
    rpt.SetDestination(dFile);
    rpt.SetFileName(fileName);
    TReportJob job;
    job.kind = kind;
    job.group = kind == kReportPipe ? group : 0;
    job.record = &rec;
    job.metricDisplay = metricDisplay;
    SetupReportPage(rpt);
    if (!PrintRememberedReport(rpt, job)) return false;
    return !rpt.JobFailed();
}

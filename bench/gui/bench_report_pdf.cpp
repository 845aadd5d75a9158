// The thread report of 1/4-20 UNC-2 written to a PDF file, through the PDF
// writer the program uses and, side by side, through a PDF printer as the
// print dialog's "print to file" would: the printer loads the printing system
// and asks for its print server.
#include "core/settings.h"
#include "core/thread_record.h"
#include "report/report_page.h"
#include "report/report_pdf.h"
#include "report/report_works.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

const QString kFile = "/tmp/pl_bench_report.pdf";

std::unique_ptr<TTInfo> Calculated() {
    Settings().TableDataPath = PL_TABLES_DIR;
    auto rec = std::make_unique<TTInfo>();
    rec->SetNomDia(0.25);
    rec->NomDiaText = "1/4";
    rec->SetThreadType("UN");
    rec->SetTPI(20);
    rec->SetClass("2");
    rec->SetStarts(1);
    rec->SetCoating(0);
    rec->Calculate();
    return rec;
}

void BM_ThreadReport_PdfWriter(benchmark::State& state) {
    const auto rec = Calculated();
    for (auto _ : state)
        if (!WriteReportPdf(ThreadReportJob(ReportKind::Thread, *rec, false), kFile))
            state.SkipWithError("not written");
}
BENCHMARK(BM_ThreadReport_PdfWriter)->Unit(benchmark::kMillisecond);

void BM_ThreadReport_PdfPrinter(benchmark::State& state) {
    const auto rec = Calculated();
    for (auto _ : state) {
        const bool written = WritePdfFile(
            kFile,
            [&](const QString& file) {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
                TReportWorks rpt;
                rpt.SetPrinter(&printer);
                rpt.SetDestination(dFile);
                rpt.SetFileName(file);
                SetupReportPage(rpt);
                TReportJob job = ThreadReportJob(ReportKind::Thread, *rec, false);
                return PrintReport(rpt, job) && !rpt.JobFailed();
            },
            nullptr);
        if (!written) state.SkipWithError("not written");
    }
}
BENCHMARK(BM_ThreadReport_PdfPrinter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(kFile.toLocal8Bit().constData());
    return 0;
}

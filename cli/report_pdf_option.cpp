#include "cli/report_pdf_option.h"

#include "cli/report_option.h"
#include "pages/profile_geometry.h"
#include "report/profile_svg.h"
#include "report/report_kinds.h"
#include "report/report_pdf.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <optional>

namespace {

bool WriteJobPdf(const TReportJob& job, const std::string& file, std::string* reason) {
    return WithReportGui([&] { return WriteReportPdf(job, QString::fromStdString(file), reason); });
}

bool WriteThreadPdf(TTInfo& rec, const std::string& name, PipeReportGroup group,
                    const std::string& file, bool metricDisplay, std::string* reason) {
    const std::optional<ReportKind> kind = ReportKindNamed(name);
    return kind && WriteJobPdf(ThreadReportJob(*kind, rec, metricDisplay, group), file, reason);
}

bool WriteBallMicPdf(TBallMic& bm, const std::string& file, std::string* reason) {
    return WriteJobPdf(BallMicReportJob(bm), file, reason);
}

bool WriteProfileSvgFile(const ProfileGeometry& g, const std::string& file, std::string* reason) {
    return WithReportGui([&] { return WriteProfileSvg(g, file, reason); });
}

bool WriteSettingDimsPdf(TTInfo& rec, bool internal, const std::string& file, bool metricDisplay,
                         std::string* reason) {
    return WriteJobPdf(SettingDimsJob(rec, internal, metricDisplay), file, reason);
}

bool WriteCertificatePdf(TTInfo& rec, const CalibrationEntry& entry, const std::string& file,
                         bool metricDisplay, std::string* reason) {
    return WriteJobPdf(CertificateJob(rec, entry, metricDisplay), file, reason);
}

// An object file of its own, linked whole, so the writers are in place before main.
[[maybe_unused]] const bool kRegistered = [] {
    ReportWriters() = {&WriteThreadPdf, &WriteBallMicPdf, &WriteProfileSvgFile,
                       &WriteSettingDimsPdf, &WriteCertificatePdf};
    return true;
}();

} // namespace

bool WithReportGui(const std::function<bool()>& write) {
    // Qt's own notes (runtime directory, a painter that could not start) are
    // no use to a command line, which reports failures in its own words.
    const QtMessageHandler savedHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << msg.toStdString() << '\n';
        });
    // A command line has no display, so the offscreen platform serves unless
    // the user chose one.
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char arg0[] = "plcalc";
        static char* argv[] = {arg0, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const bool written = write();
    app.reset();
    qInstallMessageHandler(savedHandler);
    return written;
}

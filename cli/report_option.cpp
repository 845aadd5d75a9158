#include "cli/report_option.h"

#include "cli/run_cli.h"
#include "report/report_pdf.h"
#include "report/thread_reports.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <ostream>

bool IsReportName(const std::string& name)
{
    return name == "thread" || name == "gauge";
}

int WriteReportOption(TTInfo& rec, const std::string& name, const std::string& file,
                      bool metricDisplay, std::ostream& err)
{
    // Qt's own notes (runtime directory, a painter that could not start) are
    // no use to a command line, which reports failures in its own words.
    const QtMessageHandler savedHandler =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
            if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << msg.toStdString() << '\n';
        });
    // Fonts and the PDF writer need a GUI application; a command line has no
    // display, so the offscreen platform serves unless the user chose one.
    std::unique_ptr<QGuiApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char arg0[] = "plcalc";
        static char* argv[] = {arg0, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    const uint8_t kind = name == "gauge" ? kReportGauge : kReportThread;
    const bool written = WriteReportPdf(rec, kind, QString::fromStdString(file), metricDisplay);
    app.reset();
    qInstallMessageHandler(savedHandler);
    if (!written) {
        err << "Can not write the report file " << file << '\n';
        return kExitFileError;
    }
    return kExitOk;
}

#include "app/app_start.h"

#include "app/artwork.h"
#include "app/command_line.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/product.h"
#include "app/splash.h"
#include "gauges/gage_catalogue.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <exception>
#include <string>
#include <vector>

namespace {

// An error that escapes a command is reported and the frame keeps running,
// as the default handler of the original platform does.
class TApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowError(activeWindow(), QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};

const char* const kNoDisplay = "plwin: cannot open a display\n";

bool Asked(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i)
        if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// A window system named by the environment or by Qt's -platform option.
bool DisplayNamed(int argc, char** argv) {
    return Asked(argc, argv, "-platform") || Asked(argc, argv, "--platform") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt aborts when no window system answers; the user gets one line and exit 1.
QtMessageHandler qtHandler = nullptr;
void EndWithoutDisplay(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (type != QtFatalMsg) {
        if (qtHandler) qtHandler(type, context, msg);
        return;
    }
    std::fputs(kNoDisplay, stderr);
    std::_Exit(1);
}

} // namespace

int RunPlwin(int& argc, char** argv) {
    if (const int answered = AnswerInfoOption(argc, argv); answered >= 0) return answered;
    // The install check shows no window: it runs wherever it is asked, a display or not.
    if (Asked(argc, argv, "--check-install") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!DisplayNamed(argc, argv)) {
        std::fputs(kNoDisplay, stderr);
        return 1;
    }
    qtHandler = qInstallMessageHandler(EndWithoutDisplay);
    TApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    // The desktop entry's name, so that the desktop groups the windows under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pitchledger.PitchLedger"));
    QApplication::setApplicationName(AppTitle());
    QApplication::setApplicationVersion(FileVersionText());
    QApplication::setWindowIcon(AppIcon());
    app.setProperty("helpFile", QString(kHelpFileName));
    const PlwinCommandLine commandLine = ParsePlwinArguments(QApplication::arguments().mid(1));
    if (!commandLine.error.isEmpty()) {
        std::fputs(qPrintable(commandLine.error), stderr);
        return 64;
    }
    if (commandLine.checkInstall) {
        TMainForm frame(StandardFrameConfig());
        frame.btnNewClick();
        QTextStream out(stdout);
        if (!frame.SettingsError().empty())
            out << "settings: " << QString::fromStdString(frame.SettingsError()) << '\n';
        return CheckInstall(out) && frame.SettingsError().empty() ? 0 : 1;
    }

    TfrmSplash splash;
    splash.ShowNow();

    TMainForm frame(StandardFrameConfig());
    frame.SetSplash(&splash);
    frame.show();
    // The shipped tables must not stand in for the user's without a word.
    if (!frame.SettingsError().empty())
        ShowError(&frame, QString::fromStdString(
                              "The settings could not be read: " + frame.SettingsError() +
                              "\nThe shipped tables and an empty company name "
                              "are used until the file can be read."));
    // A catalogue file that is missing or malformed costs only the gauge
    // settings ("None Available"): limits are still calculated.
    const std::vector<std::string> catalogue = LoadGageCatalogue();
    if (!catalogue.empty()) {
        std::string text = "The gauge catalogue could not be read completely:";
        for (const std::string& m : catalogue)
            text += "\n" + m;
        ShowError(&frame, QString::fromStdString(text));
    }
    TfrmThread* first = frame.btnNewClick();
    for (const QString& file : commandLine.files) {
        TfrmThread* thread = first ? first : frame.btnNewClick();
        first = nullptr;
        if (thread->OpenThreadFile(file)) continue;
        // The window has already said why; an empty window left behind would only confuse.
        if (auto* sub = qobject_cast<QMdiSubWindow*>(thread->parentWidget())) sub->close();
    }
    // The splash stays in front of the frame until its time is up.
    splash.raise();
    return QApplication::exec();
}

#include "app/app_start.h"

#include "app/artwork.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/product.h"
#include "app/splash.h"
#include "gauges/gage_catalogue.h"
#include "ui/message_box.h"

#include <QApplication>

#include <exception>
#include <string>
#include <vector>

namespace {

// An error that escapes a command is reported and the frame keeps running,
// as the default handler of the original platform does.
class TApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowError(activeWindow(), QString::fromLocal8Bit(e.what()));
        }
        return false;
    }
};

} // namespace

int RunPlwin(int& argc, char** argv)
{
    TApplication app(argc, argv);
    QApplication::setApplicationName(AppTitle());
    QApplication::setApplicationVersion(FileVersionText());
    QApplication::setWindowIcon(AppIcon());
    app.setProperty("helpFile", QString(kHelpFileName));

    TfrmSplash splash;
    splash.ShowNow();

    TMainForm frame(StandardFrameConfig());
    frame.SetSplash(&splash);
    frame.show();
    // A catalogue file that is missing or malformed costs only the gauge
    // settings ("None Available"): limits are still calculated.
    const std::vector<std::string> catalogue = LoadGageCatalogue();
    if (!catalogue.empty()) {
        std::string text = "The gauge catalogue could not be read completely:";
        for (const std::string& m : catalogue) text += "\n" + m;
        ShowError(&frame, QString::fromStdString(text));
    }
    frame.btnNewClick();
    // The splash stays in front of the frame until its time is up.
    splash.raise();
    return QApplication::exec();
}

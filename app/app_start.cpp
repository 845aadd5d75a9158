#include "app/app_start.h"

#include "app/artwork.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/product.h"
#include "app/splash.h"
#include "ui/message_box.h"

#include <QApplication>

#include <exception>

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
    frame.btnNewClick();
    // The splash stays in front of the frame until its time is up.
    splash.raise();
    return QApplication::exec();
}

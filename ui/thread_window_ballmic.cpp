// Ball micrometer mode of the thread window: the calculation of the ball
// micrometer dialog or of a .bm file on the gauge-setting page. Changes the
// model's ball micrometer and file name, and replaces the tab set.
#include "core/display_unit.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"
#include "ui/ball_mic_page.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QFileInfo>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

void TfrmThread::UseBallMic(std::unique_ptr<TBallMic> bm) {
    if (!bm) return;
    // A window that showed no ball micrometer yet has no .bm file to save to.
    if (!BallMicMode()) model_.ForgetFileName();
    model_.ShowBallMic(std::move(bm));
    model_.BallMic()->Calculate();
    ShowBallMicSetting();
}

bool TfrmThread::OpenBallMicFile(const QString& fileName) {
    auto bm = std::make_unique<TBallMic>();
    std::string error;
    const BallMicFileStatus status = LoadBallMicFile(*bm, fileName.toStdString(), &error);
    if (status == BallMicFileStatus::NotBallMic) {
        ShowError(this, QStringLiteral("%1 is not a ball micrometer file: it has no [BALLMIC] "
                                       "section.")
                            .arg(QFileInfo(fileName).fileName()));
        return false;
    }
    // A file's values meet the dialog's checks, with its messages.
    if (status != BallMicFileStatus::Loaded) {
        ShowError(this, QString::fromStdString(error));
        return false;
    }
    model_.ShowBallMic(std::move(bm));
    model_.SetFileName(fileName);
    model_.MarkSaved();
    setWindowTitle(QString::fromStdString(BallMicCaption(FileName().toStdString())));
    ShowBallMicSetting();
    return true;
}

bool TfrmThread::SaveBallMicFile(const QString& fileName) {
    if (!BallMic()) {
        ShowError(this, QStringLiteral("There is no calculation to save yet."));
        return false;
    }
    std::string error;
    if (!BallMic()->Save(fileName.toStdString(), &error)) {
        ShowError(this, QString::fromStdString(error));
        return false;
    }
    model_.SetFileName(fileName);
    model_.MarkSaved();
    setWindowTitle(QString::fromStdString(BallMicCaption(FileName().toStdString())));
    return true;
}

void TfrmThread::ShowBallMicSetting() {
    if (model_.EnterBallMicMode()) {
        // The thread pages have nothing to say about a ball micrometer.
        ballMicPage_ = new TBallMicPage;
        Notebook1->addWidget(ballMicPage_);
        connect(ballMicPage_, &TBallMicPage::optExtClick, this, [this] { BallMicExtClick(); });
        connect(ballMicPage_, &TBallMicPage::btnCalcClick, this, [this] { BallMicCalcClick(); });
        lblOutOfDate->hide();
        // Its lengths are in the unit they were typed in: no display unit.
        SetMetricDisplay(false);
        emit metricFlagChanged(false);
        const QSignalBlocker block(TabSet1);
        while (TabSet1->count() > 0)
            TabSet1->removeTab(0);
        TabSet1->addTab(QStringLiteral("Orvalle"));
        setWindowTitle(QString::fromStdString(BallMicCaption(FileName().toStdString())));
        emit recordChanged();
    }
    Notebook1->setCurrentWidget(ballMicPage_);
    if (!BallMic()) return;
    const BallMicPageText text = BuildBallMicPage(*BallMic());
    lblName->setText(QString::fromStdString(text.name));
    ballMicPage_->Show(*BallMic());
}

bool TfrmThread::ChangeBallMic(const TBallMic& changed) {
    // Refused as the dialog refuses it: the page keeps the last good calculation.
    if (const std::string problem = BallMicEntryProblem(changed); !problem.empty()) {
        ShowError(this, QString::fromStdString(problem));
        ShowBallMicSetting();
        return false;
    }
    *model_.BallMic() = changed;
    model_.MarkChanged();
    model_.BallMic()->Calculate();
    ShowBallMicSetting();
    return true;
}

void TfrmThread::BallMicExtClick() {
    if (!BallMic()) return;
    TBallMic changed = *BallMic();
    changed.Internal = ballMicPage_->InternalChosen() ? -1 : 0;
    ChangeBallMic(changed);
}

void TfrmThread::BallMicCalcClick() {
    if (!BallMic()) return;
    const double dia = BallDiaEntry(ballMicPage_->BallDiaText().toStdString());
    if (!(dia > 0)) {
        ShowError(this, QStringLiteral("Invalid Ball Diameter!"));
        ShowBallMicSetting();
        return;
    }
    TBallMic changed = *BallMic();
    changed.BallDia = dia;
    ChangeBallMic(changed);
}

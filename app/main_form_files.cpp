// The frame's guard on unsaved work, its recent files and the commands that
// close: a thread window or the program asks before losing a calculation.
#include "app/app_hooks.h"
#include "app/help_window.h"
#include "app/main_form.h"
#include "app/window_position.h"
#include "core/settings.h"
#include "ui/message_box.h"
#include "ui/thread_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>

void TMainForm::FileClose() {
    if (QMdiSubWindow* sub = mdiArea_->currentSubWindow()) sub->close();
}

bool TMainForm::ConfirmClose(const QList<TfrmThread*>& threads) {
    QList<TfrmThread*> atRisk;
    for (TfrmThread* thread : threads)
        if (thread && thread->WorkAtRisk()) atRisk << thread;
    if (atRisk.isEmpty()) return true;
    QString text;
    if (atRisk.size() == 1) {
        text = QStringLiteral("\"%1\" has changes that are not saved.\n\nSave them before closing?")
                   .arg(atRisk.front()->windowTitle());
    } else {
        QStringList titles;
        for (const TfrmThread* thread : atRisk)
            titles << thread->windowTitle();
        text = QStringLiteral("These windows have changes that are not saved:\n\n%1\n\nSave them "
                              "before closing?")
                   .arg(titles.join('\n'));
    }
    const int answer = Hooks().askSave(this, text);
    if (answer == QMessageBox::Discard) return true;
    if (answer != QMessageBox::Save) return false;
    for (TfrmThread* thread : atRisk) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(thread->parentWidget()))
            mdiArea_->setActiveSubWindow(sub);
        if (!SaveThread(thread, false)) return false;
    }
    return true;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        auto* sub = qobject_cast<QMdiSubWindow*>(watched);
        auto* thread = sub ? qobject_cast<TfrmThread*>(sub->widget()) : nullptr;
        if (thread && !ConfirmClose({thread})) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    QList<TfrmThread*> threads;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        threads << qobject_cast<TfrmThread*>(sub->widget());
    if (!ConfirmClose(threads)) {
        event->ignore();
        return;
    }
    // The windows go without asking again.
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        sub->removeEventFilter(this);
    SaveWindowPos(*this, config_.plwinIni, PositionKey());
    if (help_) help_->close();
    if (splash_) splash_->hide();
    event->accept();
}

void TMainForm::RememberFile(const QString& path) {
    AddRecentFile(Settings(), QFileInfo(path).absoluteFilePath().toStdString());
    // The list holds for this run even when it cannot be kept.
    if (std::string error; !WriteSettings(Settings(), config_.plwinIni, config_.pluserIni, &error))
        statusBar()->showMessage(QString::fromStdString(error));
}

void TMainForm::OpenRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        ShowError(this, QStringLiteral("%1 is no longer there; it is taken off the recent files.")
                            .arg(QDir::toNativeSeparators(path)));
        DropRecentFile(Settings(), path.toStdString());
        if (std::string error;
            !WriteSettings(Settings(), config_.plwinIni, config_.pluserIni, &error))
            statusBar()->showMessage(QString::fromStdString(error));
        return;
    }
    OpenInNewWindow(path, false);
}

void TMainForm::UpdateRecentMenu() {
    recentMenu_->clear();
    const std::vector<std::string>& files = Settings().RecentFiles;
    recentMenu_->menuAction()->setEnabled(!files.empty());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString path = QString::fromStdString(files[i]);
        QAction* item = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QString(path).replace('&', "&&")));
        item->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        item->setStatusTip(QStringLiteral("Open %1").arg(path));
        connect(item, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
}

void TMainForm::HelpOnPage() {
    const TfrmThread* thread = ActiveThread();
    Help().ShowContents();
    Help().OpenTopic(thread ? thread->HelpTopic() : QStringLiteral("index.html"));
}

#pragma once
// The thread window's state without its widgets: the record shown and what
// made it (a calculation or thread file, the Set Dim tool, a ball micrometer),
// the file name, the display unit, the unsaved and out-of-date marks, the
// re-evaluation note and the metric classes the parameter page holds. The
// window's files change it through these functions only; the pages read it.

#include "pages/parameter_page.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>

class TBallMic;
class TTInfo;
struct MetricTolTexts;
struct RestoredPage;

class TThreadWindowModel {
public:
    TThreadWindowModel();
    ~TThreadWindowModel();

    // The record shown; null before the first Calculate.
    TTInfo* Record() const { return rec_.get(); }
    // A calculated thread, or one read from a file, replaces the record shown.
    void ShowThread(std::unique_ptr<TTInfo> rec);
    // The Set Dim tool's record: no thread file, nothing unsaved.
    void ShowSetDim(std::unique_ptr<TTInfo> rec, bool internalOnly);
    bool SetDimShown() const { return setDim_; }
    bool SetDimInternal() const { return setDimInternal_; }
    // A record the tools (new PD value, new wire size) can work on.
    bool HasThreadCalculation() const;
    bool PipeShown() const;
    // Pipe tables are inches only; a ball micrometer keeps the unit it was typed in.
    bool UnitSwitchable() const;

    // Ball micrometer mode, for the rest of the window's life.
    bool BallMicMode() const { return ballMicMode_; }
    TBallMic* BallMic() const { return ballMic_.get(); }
    void ShowBallMic(std::unique_ptr<TBallMic> bm);
    // True the first time: the window then gives its pages up for the ball micrometer's.
    bool EnterBallMicMode();

    QString FileName() const { return fileName_; }
    // The whole path of the file saved or opened; empty for an untitled window.
    QString FilePath() const { return filePath_; }
    // Keeps the file name of `path`, without its folder, and the path.
    void SetFileName(const QString& path);
    void ForgetFileName();
    bool Unsaved() const { return unsaved_; }
    void MarkSaved() { unsaved_ = changed_ = false; }
    void MarkChanged() { changed_ = true; }
    // A calculation made, changed or out of date since the last save or open:
    // closing the window would lose it.
    bool WorkAtRisk(const ParameterEntry& page) const;

    // The unit a thread is first shown in: its own for M and MJ, the
    // preferred one for an inch thread (pipe threads: inches only).
    bool MetricForNewRecord() const;
    // Millimetre display of this window.
    bool Metric() const { return metric_; }
    void SetMetric(bool metric) { metric_ = metric; }

    // The page as it stood when the record shown was calculated or opened.
    bool RecordIsNew() const { return rec_.get() != shownRecord_; }
    void RecordShown(const ParameterEntry& page);
    const ParameterEntry* ShownEntry() const;
    // True while `page` no longer describes the record shown.
    bool OutOfDate(const ParameterEntry& page) const;

    // A re-evaluation's note, shown with the record it made; `changed` when the
    // diameter moved, which leaves unsaved changes.
    void Reevaluated(const QString& note, bool changed);
    QString ReevaluationNote() const;

    // The metric classes of the parameter page: internal and external as
    // calculated (the engagement group's shift included), the external class
    // chosen for normal engagement, the group and what the page says about it.
    const std::string& IntTol() const { return intTol_; }
    const std::string& ExtTol() const { return extTol_; }
    const std::string& ChosenExtTol() const { return chosenExtTol_; }
    int MetricLOEGroup() const { return loeGroup_; }
    const std::string& MetricLOENotice() const { return loeNotice_; }
    // The external class for the group asked: the chosen one shifted.
    void ApplyMetricLOE(int asked);
    // The grade dialog's choice; ApplyMetricLOE shifts it for the group.
    void ChooseMetricTols(const MetricTolTexts& tols);
    // Type switches between M and MJ keep the M classes and give them back;
    // the group to apply again, or none when nothing was kept.
    void KeepMClasses();
    std::optional<int> RestoreMClasses();
    // The classes of a reopened metric record.
    void RestoreMetricClasses(const RestoredPage& page);

private:
    std::unique_ptr<TTInfo> rec_;
    bool setDim_ = false;
    bool setDimInternal_ = false; // the tool worked on the internal thread
    bool ballMicMode_ = false;
    std::unique_ptr<TBallMic> ballMic_;
    QString fileName_;
    QString filePath_;
    bool unsaved_ = false;
    bool changed_ = false; // a result not in its file
    bool metric_ = false;

    std::optional<ParameterEntry> shownEntry_;
    const TTInfo* shownRecord_ = nullptr;
    QString reevaluationNote_;
    const TTInfo* reevaluatedRecord_ = nullptr;

    std::string intTol_, extTol_, chosenExtTol_, loeNotice_;
    int loeGroup_ = 1;
    // The M classes and group, kept while the page shows MJ's one class.
    struct KeptMetricClasses {
        bool kept = false;
        std::string internal, chosenExternal;
        int group = 1;
    } keptM_;
};

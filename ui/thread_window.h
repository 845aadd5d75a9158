#pragma once
// The thread window "Thread Calculations": parameter page, Calculate, the
// result pages, thread files and the clipboard commands of one calculation.

#include <QString>
#include <QWidget>

#include <memory>

class TTInfo;

class TfrmThread : public QWidget {
    Q_OBJECT
public:
    explicit TfrmThread(QWidget* parent = nullptr);
    ~TfrmThread() override;

    // Frame commands. Each shows its own messages; false when it failed.
    bool OpenThreadFile(const QString& fileName);
    bool SaveThreadFile(const QString& fileName);
    void CopyCalCertData();
    void CopyThreadDims(bool internal);
    // Activation: publishes the window's display unit to the application.
    void FormActivate();
    // Millimetre display of this window; toggling redraws without recalculating.
    bool MetricFlag() const;
    void ToggleDisplayUnit();

    // The current record; null before the first Calculate.
    TTInfo* Record() const;
    QString FileName() const;

signals:
    // The display unit of this window changed (the frame updates its menu).
    void metricFlagChanged(bool metric);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

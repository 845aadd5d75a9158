#pragma once
// Application-wide display unit: the flag of the thread window activated last.
// The dimension texts read only this flag.

bool MetricDisplay();
void SetMetricDisplay(bool on);

// Sets the display unit for one scope and restores the previous one after it.
class ScopedDisplayUnit {
public:
    explicit ScopedDisplayUnit(bool metric) : saved_(MetricDisplay()) { SetMetricDisplay(metric); }
    ~ScopedDisplayUnit() { SetMetricDisplay(saved_); }
    ScopedDisplayUnit(const ScopedDisplayUnit&) = delete;
    ScopedDisplayUnit& operator=(const ScopedDisplayUnit&) = delete;

private:
    bool saved_;
};

constexpr double kMmPerInch = 25.4;

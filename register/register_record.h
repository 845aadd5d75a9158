#pragma once
// What the gauge register keeps: a gauge, each of its calibrations, and the
// checks a record passes before it is stored and after it is read back.
// Dates are calendar days, written ISO 8601 ("2025-03-01").

#include <cstdint>
#include <string>
#include <string_view>

// A calendar day: days since 1970-01-01.
struct Date {
    int days = 0;
    auto operator<=>(const Date&) const = default;
};

// "YYYY-MM-DD", a real calendar day of the years 1900 to 9999; false otherwise.
bool ParseIsoDate(std::string_view text, Date& date);
std::string IsoDateText(Date date);
// Today on this computer's calendar (local time).
Date Today();

// The gauge members as the thread's results and JSON name them.
enum class GaugeMember { GoPlug, NoGoPlug, GoRing, NoGoRing, GoSetPlug, NoGoSetPlug };
// "X", "W", "ISO 1502".
enum class GaugeClass { X, W, Iso1502 };
// "in use", "quarantined", "retired".
enum class GaugeStatus { InUse, Quarantined, Retired };
// "conforms", "does not conform", "not proven" (ISO 14253-1).
enum class CalVerdict { Conforms, DoesNotConform, NotProven };

const char* MemberName(GaugeMember m);
const char* ClassName(GaugeClass c);
const char* StatusName(GaugeStatus s);
const char* VerdictName(CalVerdict v);
// The names above, letter case ignored ("ISO1502" for ISO 1502 too): empty,
// or why `text` names none, listing the names.
std::string ReadMember(std::string_view text, GaugeMember& m);
std::string ReadClass(std::string_view text, GaugeClass& c);
std::string ReadStatus(std::string_view text, GaugeStatus& s);
std::string ReadVerdict(std::string_view text, CalVerdict& v);
// A calendar day as ParseIsoDate reads it: empty, or why `text` is none.
std::string ReadDate(std::string_view text, Date& date);
// The class the thread's gauge pages give a member: ISO 1502 for every gauge
// of an ISO metric (M) thread; else W for the setting plugs, X for plugs and rings.
GaugeClass DefaultClassOf(GaugeMember m, bool isoMetricThread = false);

constexpr int kMaxIntervalDays = 3650;

struct GaugeRecord {
    std::int64_t id = 0; // given by the register
    std::string serial;
    std::string description;
    std::string thread;     // the designation, "1/4-20 UNC-2A"
    std::string threadFile; // the thread file's text, so the gauge can be recalculated
    GaugeMember member = GaugeMember::GoPlug;
    GaugeClass gaugeClass = GaugeClass::X;
    std::string owner;
    std::string location;
    int intervalDays = 0;
    GaugeStatus status = GaugeStatus::InUse;
    bool operator==(const GaugeRecord&) const = default;
};

struct CalibrationRecord {
    std::int64_t id = 0; // given by the register
    Date date;
    std::string operatorName;
    std::string calInputs;   // the calibration file's text
    std::string unit = "in"; // of the measured PD and U: "in" or "mm"
    double measuredPD = 0;
    double expandedU = 0;
    double k = 2;
    CalVerdict verdict = CalVerdict::NotProven;
    std::string certificatePath;
    std::string certificatePdf;     // the certificate's bytes when stored; empty when not
    bool certificateStored = false; // set when read back without its bytes
    bool operator==(const CalibrationRecord&) const = default;
};

// Trims the one-line texts, then says why the record may not be stored;
// empty when it may.
std::string CheckGauge(GaugeRecord& g);
// The same for a calibration; its date may not lie after `today`.
std::string CheckCalibration(CalibrationRecord& c, Date today);

// The whole-number and decimal texts of the register's files: shortest
// round-trip, locale-free.
std::string NumberText(double value);
bool ParseWholeNumber(std::string_view text, long long& value);

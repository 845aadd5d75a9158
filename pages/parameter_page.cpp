#include "pages/parameter_page.h"

#include "core/diameter_entry.h"
#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "core/typed_value.h"
#include "pages/metric_tolerance.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The thread type list: the types the table gives a list caption, in code order.
const std::vector<ThreadTypeEntry>& TypeEntries() {
    static const std::vector<ThreadTypeEntry> entries = [] {
        std::vector<ThreadTypeEntry> list;
        for (const ThreadType& t : ThreadTypes())
            if (t.listCaption) list.push_back({t.listCaption, t.name, t.code});
        return list;
    }();
    return entries;
}

const ThreadType& TypeAt(int typeIndex) {
    const auto& entries = TypeEntries();
    return typeIndex >= 0 && typeIndex < static_cast<int>(entries.size())
               ? ThreadTypeOf(entries[static_cast<std::size_t>(typeIndex)].typeCode)
               : ThreadTypeOf(0);
}

// The nominal pipe sizes of ASME B1.20.1 and their size keys; each kind offers a
// contiguous run of this list.
struct PipeSize {
    const char* text;
    double key;
};
const PipeSize kPipeSizes[] = {
    {"1/16", 0.0625}, {"1/8", 0.125}, {"1/4", 0.25},   {"3/8", 0.375}, {"1/2", 0.5},
    {"3/4", 0.75},    {"1", 1},       {"1 1/4", 1.25}, {"1 1/2", 1.5}, {"2", 2},
    {"2 1/2", 2.5},   {"3", 3},       {"3 1/2", 3.5},  {"4", 4},       {"5", 5},
    {"6", 6},         {"8", 8},       {"10", 10},      {"12", 12},     {"14 OD", 14},
    {"16 OD", 16},    {"18 OD", 18},  {"20 OD", 20},   {"24 OD", 24},
};

// First master-list position and size count of NPT, NPSC, NPTR, NPSM, NPSL.
struct PipeRun {
    int first;
    int count;
};
const PipeRun kPipeRuns[] = {{0, 24}, {1, 13}, {4, 10}, {1, 15}, {1, 18}};

bool ValidKind(int kind) {
    return kind >= 0 && kind < static_cast<int>(std::size(kPipeRuns));
}

// The decimal value of a box; text that is not a number counts as 0.
double DecimalOf(const std::string& text) {
    double v = 0;
    return ParseDecimal(Trim(text), v) ? v : 0;
}

// Metric grade digit 3 .. 9 -> class codes 8 .. 14; anything else keeps the code.
void SetGradeCode(TThdInfo& member, const std::string& tol) {
    if (!tol.empty() && tol[0] >= '3' && tol[0] <= '9')
        member.ClassCode = static_cast<uint16_t>(8 + (tol[0] - '3'));
}

// "0.0003" for a coating box: the value without sign or trailing zeros.
std::string PlainDecimal(double v) {
    std::string t = Trim(FormatFixed(v, 0, 6));
    while (t.size() > 1 && t.back() == '0')
        t.pop_back();
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t;
}

SetUpResult SetUpInputs(const ParameterEntry& e, TTInfo& rec);

// The coated thread calculated once on a scratch record: the limits that
// decide whether the coating leaves a flank exist only after a calculation.
std::string CoatingCheck(const ParameterEntry& e) {
    TTInfo trial;
    SetUpInputs(e, trial);
    try {
        trial.Calculate();
    } catch (const TableError&) {
        return {};
    }
    const std::string coating = CoatingRefusal(trial);
    return coating.empty() ? trial.Refusal : coating;
}

} // namespace

const std::vector<ThreadTypeEntry>& ThreadTypeEntries() {
    return TypeEntries();
}

int TypeEntryIndex(uint16_t typeCode) {
    const auto& entries = TypeEntries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].typeCode == typeCode) return static_cast<int>(i);
    return -1;
}

std::string UnavailableTypeMessage(uint16_t typeCode, const std::string& typeName) {
    const int i = TypeEntryIndex(typeCode);
    if (i < 0) return "Unknown thread type: " + typeName;
    return std::string(TypeAt(i).listCaption) + " can not be calculated in this version.";
}

std::vector<ClassEntry> ClassEntries(int typeIndex) {
    std::vector<ClassEntry> entries;
    for (const ClassOffer& c : TypeAt(typeIndex).classes)
        entries.push_back({c.caption, c.text});
    return entries;
}

int DefaultClassEntry(int typeIndex) {
    return TypeAt(typeIndex).defaultClass;
}

std::string ClassRefusal(int typeIndex, const std::string& classText) {
    const auto& offers = TypeAt(typeIndex).classes;
    if (offers.empty()) return {};
    const std::string wanted = UpperCase(Trim(classText));
    std::string offered;
    for (const ClassOffer& c : offers) {
        if (c.text == wanted) return {};
        offered += (offered.empty() ? "" : ", ") + std::string(c.text);
    }
    return std::string(TypeAt(typeIndex).listCaption) + " have no class " + wanted +
           " (classes: " + offered + ")";
}

std::string PipeKindCaption(int kindIndex) {
    static const char* const kNames[] = {
        "NPT \u2014 taper pipe thread", "NPSC \u2014 straight coupling", "NPTR \u2014 railing",
        "NPSM \u2014 free-fitting mechanical", "NPSL \u2014 loose-fitting with lock nuts"};
    static_assert(std::size(kNames) == std::size(kPipeRuns));
    return ValidKind(kindIndex) ? kNames[kindIndex] : std::string();
}

std::vector<std::string> PipeSizeTexts(int kindIndex) {
    std::vector<std::string> texts;
    if (!ValidKind(kindIndex)) return texts;
    const PipeRun run = kPipeRuns[kindIndex];
    for (int i = 0; i < run.count; ++i)
        texts.emplace_back(kPipeSizes[run.first + i].text);
    return texts;
}

double PipeSizeKey(int kindIndex, int sizeIndex) {
    if (!ValidKind(kindIndex)) return 0;
    const PipeRun run = kPipeRuns[kindIndex];
    if (sizeIndex < 0 || sizeIndex >= run.count) return 0;
    return kPipeSizes[run.first + sizeIndex].key;
}

int PipeSizeIndex(int kindIndex, double key) {
    if (!ValidKind(kindIndex)) return -1;
    const PipeRun run = kPipeRuns[kindIndex];
    for (int i = 0; i < run.count; ++i)
        if (kPipeSizes[run.first + i].key == key) return i;
    return -1;
}

int PipeKindIndex(uint16_t classCode) {
    return classCode >= kPipeNPT && classCode <= kPipeNPSL ? classCode - kPipeNPT : -1;
}

namespace {

SetUpResult SetUpInputs(const ParameterEntry& e, TTInfo& rec) {
    SetUpResult r;
    r.diameterText = Trim(e.diameterText);
    r.pitchText = e.pitchText;
    double d = 0;
    if (e.pipe) {
        d = PipeSizeKey(e.pipeKind, e.pipeSize);
        rec.SetNomDia(d);
        // The tables give the real threads per inch; 1.0 only passes the check.
        r.pitchText = "1.0";
    } else {
        const DiameterEntry dia = ParseDiameterEntry(r.diameterText);
        d = dia.value;
        rec.SetNomDia(d);
        rec.NomDiaText = dia.text;
        if (dia.fraction && d < 0) {
            r.message = "Invalid Nominal Diameter";
            return r;
        }
    }
    if (!(d > 0)) {
        r.message = kInvalidDiameterMessage + DecimalPointHint(r.diameterText);
        return r;
    }

    if (e.typeIndex < 0 || e.typeIndex >= static_cast<int>(TypeEntries().size())) {
        r.message = "Unknown thread type: " + std::to_string(e.typeIndex);
        return r;
    }
    const ThreadType& type = TypeAt(e.typeIndex);
    const bool metric = type.metricByDefault;
    if (!DiameterInRange(d, metric)) {
        r.message = kInvalidDiameterMessage;
        return r;
    }
    rec.SetThreadType(type.name);
    if (rec.Pipe) rec.Pipe->SizeText = e.pipeSizeText;

    // Checked as a double: a float cannot hold every parseable value.
    const double pitch = DecimalOf(r.pitchText);
    if (!PitchInRange(pitch, metric)) {
        r.message = kInvalidPitchMessage + DecimalPointHint(r.pitchText);
        return r;
    }
    rec.SetTPI(static_cast<float>(pitch));
    if (std::string range = StandardRangeRefusal(rec.ExtThd.TypeCode, d, pitch); !range.empty()) {
        r.message = std::move(range);
        return r;
    }

    if (type.metricByDefault) {
        const TolClassCheck in = CheckTolClass(rec.ExtThd.TypeCode, e.intTolText, true);
        const TolClassCheck ex = CheckTolClass(rec.ExtThd.TypeCode, e.extTolText, false);
        for (const TolClassCheck* c : {&in, &ex})
            if (!c->message.empty()) {
                r.message = c->message;
                return r;
            }
        // MJ has no engagement groups, only the custom engagement below.
        const bool groups = type.engagement == Engagement::Group;
        SetMetricInputs(rec, in.text, ex.text, groups ? e.metricLOE : kNormalLOE, e.leftHand);
    } else {
        rec.SetClass(e.classText);
    }
    // A custom option left checked by a type chosen earlier does not count.
    if (e.customLOE && CustomLOEAllowed(type.code)) {
        // An empty or zero box would quietly tolerate the thread for no engagement.
        const double loe = DecimalOf(e.loeText);
        if (!LOEInRange(loe, d)) {
            r.message = kInvalidLOEMessage + DecimalPointHint(e.loeText);
            return r;
        }
        rec.SetLOE(loe);
    }
    // A pipe thread has one start and no coating, whatever the hidden boxes hold.
    if (e.pipe) return r;
    rec.SetStarts(static_cast<uint16_t>(e.startsIndex + 1));
    double coating = 0;
    if (e.coated && (!ParseDecimal(Trim(e.coatingText), coating) || coating < 0)) {
        r.message = kInvalidCoatingMessage + DecimalPointHint(e.coatingText);
        return r;
    }
    rec.SetCoating(coating);
    return r;
}

} // namespace

void SetMetricInputs(TTInfo& rec, const std::string& intTol, const std::string& extTol,
                     int loeGroup, bool leftHand) {
    SetGradeCode(rec.IntThd, intTol);
    SetGradeCode(rec.ExtThd, extTol);
    rec.IntThd.SetTolInfo(intTol);
    rec.ExtThd.SetTolInfo(extTol);
    rec.LOEText = MetricLOEText(loeGroup);
    rec.ExtThd.StdLOE = loeGroup == kNormalLOE ? 1 : 0;
    rec.LeftHand = leftHand ? 1 : 0;
}

bool DiameterInRange(double diameter, bool metric) {
    return diameter > 0 && diameter <= (metric ? kMaxDiameterMM : kMaxDiameterInch);
}

bool PitchInRange(double tpiOrPitch, bool metric) {
    return tpiOrPitch > 0 && tpiOrPitch <= (metric ? kMaxPitchMM : kMaxTPI);
}

int StartsOf(const std::string& text) {
    double v = 0;
    // The range first: converting 1e300 to int is undefined.
    if (!ParseDecimal(Trim(text), v) || !(v >= 1 && v <= 6) || v != std::trunc(v)) return 0;
    return static_cast<int>(v);
}

bool LOEInRange(double loe, double diameter) {
    return loe > 0 && loe <= kMaxLOEPerDiameter * diameter;
}

std::string StandardRangeRefusal(uint16_t typeCode, double diameter, double pitch) {
    if (!MetricByDefault(typeCode)) return {};
    // The pitch is held in single precision: 0.2 comes back as 0.2000000030.
    const double p = static_cast<float>(pitch);
    if (!(p >= static_cast<float>(kIsoMinPitchMM) && p <= static_cast<float>(kIsoMaxPitchMM)))
        return "Can not calculate. ISO 965-1 gives tolerances for pitches of 0.2 to 8 mm";
    if (!(diameter > kIsoMinDiameterMM && diameter <= kIsoMaxDiameterMM))
        return "Can not calculate. ISO 965-1 gives tolerances for diameters over 0.99 up to "
               "355 mm";
    return {};
}

bool MeasurementInRange(double value, bool mm) {
    return value >= (mm ? 0.001 : 0.0001) && value <= (mm ? kMaxDiameterMM : kMaxDiameterInch);
}

bool ReadingInRange(double value, bool mm) {
    return value >= (mm ? 0.001 : 0.0001) && value <= 2 * (mm ? kMaxDiameterMM : kMaxDiameterInch);
}

SetUpResult SetUpRecord(const ParameterEntry& e, TTInfo& rec) {
    SetUpResult r = SetUpInputs(e, rec);
    if (r.message.empty() && rec.Coating > 0) r.message = CoatingCheck(e);
    return r;
}

std::string CoatingRefusal(const TTInfo& rec) {
    if (!(rec.Coating > 0)) return {};
    // A limit of exactly 0 is no value (an internal major maximum, for one).
    if (rec.IntThd.PD.Max != 0 && rec.IntThd.Major.Min != 0 &&
        rec.IntThd.PD.Max >= rec.IntThd.Major.Min)
        return "Can not calculate. The coating is too thick: the internal thread's pitch "
               "diameter before plating would reach its major diameter";
    if (rec.ExtThd.PD.Min != 0 && rec.ExtThd.Minor.Max != 0 &&
        rec.ExtThd.PD.Min <= rec.ExtThd.Minor.Max)
        return "Can not calculate. The coating is too thick: the external thread's pitch "
               "diameter before plating would reach its minor diameter";
    return {};
}

ClassChoice ChooseClassEntry(int typeIndex, const std::string& classText) {
    ClassChoice c;
    const auto& offers = TypeAt(typeIndex).classes;
    if (offers.empty()) return c;
    const std::string wanted = UpperCase(Trim(classText));
    for (std::size_t i = 0; i < offers.size(); ++i)
        if (offers[i].text == wanted) c.entry = static_cast<int>(i);
    if (c.entry >= 0) return c;
    c.entry = DefaultClassEntry(typeIndex);
    const std::string used =
        std::string(offers[static_cast<std::size_t>(c.entry)].caption) + " is used.";
    if (wanted.empty())
        c.note = "No class given: " + used;
    else
        c.note =
            std::string(TypeAt(typeIndex).listCaption) + " have no class " + wanted + ": " + used;
    return c;
}

GaugeClassChoice GaugeClassOptions(uint16_t typeCode) {
    const GaugeClassOffer& g = ThreadTypeOf(typeCode).gaugeClasses;
    return {g.showW, g.showX, g.checkW, g.classW};
}

GaugeClassChoice GaugeClassOptions(uint16_t typeCode, bool classX) {
    GaugeClassChoice c = GaugeClassOptions(typeCode);
    if (classX && c.showX) {
        c.checkW = false;
        c.classW = 0;
    }
    return c;
}

RestoredPage RestorePage(const TTInfo& rec) {
    RestoredPage p;
    const int index = TypeEntryIndex(rec.ExtThd.TypeCode);
    p.typeIndex = index < 0 ? 0 : index;
    p.classEntry = "Class " + rec.ClassText;
    if (rec.Pipe) {
        // The pipe kinds are listed by their own names, the size by its key.
        p.pipe = true;
        p.classEntry = rec.ClassText;
        p.pipeKind = std::max(PipeKindIndex(rec.ExtThd.ClassCode), 0);
        p.pipeSize = PipeSizeIndex(p.pipeKind, rec.NomDia);
    }
    // The diameter as it was typed ("1/4", "#10") only when it names the value
    // exactly: " 0.3125" for 0.31255 would calculate another thread next time.
    const std::string typed = Trim(rec.NomDiaText);
    const bool exact =
        !typed.empty() && FloatText(ParseDiameterEntry(typed).value) == FloatText(rec.NomDia);
    p.diameterText = exact ? typed : FloatText(rec.NomDia);
    p.pitchText = TPIText(rec.TPI);
    p.customLOE = rec.ExtThd.StdLOE == 0 && CustomLOEAllowed(rec.ExtThd.TypeCode);
    if (p.customLOE) p.loeText = Len4Text(rec.ExtThd.LOE);
    p.startsIndex = rec.Starts >= 1 && rec.Starts <= 6 ? rec.Starts - 1 : 0;
    p.coated = rec.Coating > 0;
    if (p.coated) p.coatingText = PlainDecimal(rec.Coating);
    p.metric = MetricByDefault(rec.ExtThd.TypeCode);
    if (p.metric) {
        p.intTolText = rec.IntThd.TolInfoText();
        p.extTolText = rec.ExtThd.TolInfoText();
        p.metricLOE = MetricLOEGroupOf(rec.LOEText);
        p.leftHand = rec.LeftHand != 0;
    }
    return p;
}

#include "cli/thread_entry.h"

#include "cli/exit_codes.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "core/thread_types.h"
#include "families/gauge_setting.h"
#include "pages/designation_entry.h"
#include "pages/designation_fill.h"
#include "pages/gauge_setting_page.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "pipe/pipe_pages.h"

#include <vector>

namespace {

// The engagement group of --loe-group: S, N, L or the words.
int LOEGroupOf(const std::string& text) {
    const std::string t = UpperCase(Trim(text));
    if (t == "S" || t == "SHORT") return kShortLOE;
    if (t == "N" || t == "NORMAL") return kNormalLOE;
    if (t == "L" || t == "LONG") return kLongLOE;
    return -1;
}

// The metric classes and engagement group as the grade dialog and the
// engagement radio group of the window would leave them.
std::optional<EntryFailure> MetricEntry(const ParsedOptions& o, uint16_t code, ParameterEntry& e,
                                        std::string& note) {
    const MetricTolTexts defaults = DefaultMetricTols(code);
    const TolClassCheck in =
        CheckTolClass(code, o.get("--int-tol").value_or(defaults.internal), true);
    const TolClassCheck ex =
        CheckTolClass(code, o.get("--ext-tol").value_or(defaults.external), false);
    for (const TolClassCheck* c : {&in, &ex})
        if (!c->message.empty()) return EntryFailure{kExitInvalidInput, c->message};
    e.intTolText = in.text;
    e.extTolText = ex.text;
    e.metricLOE = kNormalLOE;
    if (auto g = o.get("--loe-group")) {
        const int group = LOEGroupOf(*g);
        if (group < 0)
            return EntryFailure{kExitInvalidInput,
                                "Invalid engagement group: " + *g + " (S, N or L)"};
        const MetricLOEChange change = ChangeMetricLOE(ex.text, kNormalLOE, group);
        e.extTolText = change.external;
        e.metricLOE = change.group;
        note = MetricLOENotice(ex.text, change, group);
    }
    return std::nullopt;
}

// The size list entry of --size for the chosen kind.
std::optional<EntryFailure> PipeSizeOption(const ParsedOptions& o, ParameterEntry& e) {
    const auto size = o.get("--size");
    if (!size)
        return EntryFailure{kExitInvalidInput,
                            "Can not calculate. No pipe size: give --size with one of the " +
                                e.classText + " sizes " + PipeSizeList(e.pipeKind)};
    if (const int i = PipeSizeEntry(e.pipeKind, *size); i >= 0) {
        e.pipeSize = i;
        e.pipeSizeText = PipeSizeTexts(e.pipeKind)[static_cast<std::size_t>(i)];
        return std::nullopt;
    }
    return EntryFailure{kExitInvalidInput, PipeSizeRefusal(e.pipeKind, e.classText, *size)};
}

} // namespace

std::optional<EntryFailure> SetUpFromOptions(const ParsedOptions& o, TTInfo& rec, std::string& note,
                                             ParameterEntry* entry) {
    if (auto designation = o.get("--thread")) {
        const DesignationRead read = ReadDesignation(*designation);
        if (!read.message.empty()) return EntryFailure{kExitInvalidInput, read.message};
    }
    const std::string type = UpperCase(Trim(o.get("--type").value_or("UN")));
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(TypeCodeOfOptionName(type));
    const auto& types = ThreadTypeEntries();
    if (e.typeIndex < 0) return EntryFailure{kExitInvalidInput, "Unknown thread type: " + type};
    const uint16_t code = types[static_cast<std::size_t>(e.typeIndex)].typeCode;
    const bool metric = MetricByDefault(code);
    if (metric)
        if (auto f = MetricEntry(o, code, e, note)) return f;
    if (!FamilyAvailable(code))
        return EntryFailure{kExitInvalidInput, UnavailableTypeMessage(code, type)};

    // The type's own list, as the class box offers it.
    const auto& classes = ThreadTypeOf(code).classes;
    if (!classes.empty()) {
        const auto given = o.get("--class");
        std::string cls =
            given ? UpperCase(Trim(*given))
                  : classes[static_cast<std::size_t>(DefaultClassEntry(e.typeIndex))].text;
        if (cls.rfind("CLASS ", 0) == 0) cls = Trim(cls.substr(6));
        const std::string refusal = ClassRefusal(e.typeIndex, cls);
        if (!refusal.empty()) return EntryFailure{kExitInvalidInput, refusal};
        e.classText = cls;
    }
    if (code == kTypeNPT) {
        e.pipe = true;
        e.pipeKind = ChooseClassEntry(e.typeIndex, e.classText).entry;
        if (auto f = PipeSizeOption(o, e)) return f;
    }
    e.diameterText = o.get("--dia").value_or("");
    e.pitchText = o.get(metric ? "--pitch" : "--tpi").value_or("");
    if (auto loe = o.get("--loe")) {
        e.customLOE = true;
        e.loeText = *loe;
    }
    if (auto s = o.get("--starts")) {
        const int starts = StartsOf(*s);
        if (starts == 0) return EntryFailure{kExitInvalidInput, kInvalidStartsMessage + *s};
        e.startsIndex = starts - 1;
    }
    if (auto c = o.get("--coating")) {
        e.coated = true;
        e.coatingText = *c;
    }
    e.leftHand = o.leftHand;
    if (entry) *entry = e;
    const SetUpResult r = SetUpRecord(e, rec);
    if (!r.message.empty()) return EntryFailure{kExitInvalidInput, r.message};
    return std::nullopt;
}

std::string DesignationRefusal(const ParsedOptions& o, const TTInfo& rec) {
    const auto designation = o.get("--thread");
    if (!designation || !rec.Refusal.empty()) return {};
    return DesignationMismatch(ReadDesignation(*designation).entry, rec);
}

std::string EnterPointDia(TTInfo& rec, const std::string& text) {
    const double d = PointDiaEntryToRecordUnits(rec, text);
    if (d < 0) return "Invalid point diameter: " + text;
    std::string tabled;
    const PointDiaResult r = SetPointDia(rec, d, &tabled);
    return PointDiaMessage(r, tabled);
}

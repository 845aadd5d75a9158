#include "pages/designation_fill.h"

#include "core/number_text.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "core/thread_types.h"
#include "pages/designation_entry.h"
#include "pages/metric_tolerance.h"

#include <cctype>
#include <vector>

namespace {

// The size list's spelling: single blanks, "1-1/4" as "1 1/4", "14od" as "14 OD".
std::string PipeSizeSpelling(const std::string& text) {
    std::string t;
    for (char c : UpperCase(Trim(text))) {
        if (c == '-' || c == '\t') c = ' ';
        if (c == ' ' && (t.empty() || t.back() == ' ')) continue;
        if (c == 'O' && !t.empty() && std::isdigit(static_cast<unsigned char>(t.back()))) t += ' ';
        t += c;
    }
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
}

std::string MetricEntry(const DesignationEntry& d, uint16_t code, ParameterEntry& e) {
    const MetricTolTexts defaults = DefaultMetricTols(code);
    const TolClassCheck in =
        CheckTolClass(code, d.intTol.empty() ? defaults.internal : d.intTol, true);
    const TolClassCheck ex =
        CheckTolClass(code, d.extTol.empty() ? defaults.external : d.extTol, false);
    for (const TolClassCheck* c : {&in, &ex})
        if (!c->message.empty()) return c->message;
    e.intTolText = in.text;
    e.extTolText = ex.text;
    e.metricLOE = kNormalLOE;
    e.leftHand = d.leftHand;
    e.pitchText = d.pitch;
    return {};
}

std::string PipeEntry(const DesignationEntry& d, ParameterEntry& e) {
    e.pipe = true;
    e.pipeKind = ChooseClassEntry(e.typeIndex, d.classText).entry;
    e.classText = d.classText;
    e.pipeSize = PipeSizeEntry(e.pipeKind, d.diameter);
    if (e.pipeSize >= 0) {
        e.pipeSizeText = PipeSizeTexts(e.pipeKind)[static_cast<std::size_t>(e.pipeSize)];
        return {};
    }
    return PipeSizeRefusal(e.pipeKind, d.classText, d.diameter);
}

// The series, the pipe's threads per inch: known only once the tables are read.
std::string Mismatch(const DesignationEntry& d, ParameterEntry e) {
    // The engagement an SE designation leaves to be typed changes no series.
    e.customLOE = false;
    TTInfo rec;
    if (!SetUpRecord(e, rec).message.empty()) return {};
    try {
        rec.Calculate();
    } catch (const TableError&) {
        // Calculate says so itself.
        return {};
    }
    return rec.Refusal.empty() ? DesignationMismatch(d, rec) : std::string();
}

} // namespace

int PipeSizeEntry(int kindIndex, const std::string& typed) {
    const std::vector<std::string> sizes = PipeSizeTexts(kindIndex);
    const std::string wanted = PipeSizeSpelling(typed);
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i] == wanted) return static_cast<int>(i);
    return -1;
}

std::string PipeSizeList(int kindIndex) {
    std::string list;
    for (const std::string& size : PipeSizeTexts(kindIndex))
        list += (list.empty() ? "" : ", ") + size;
    return list;
}

std::string PipeSizeRefusal(int kindIndex, const std::string& kind, const std::string& typed) {
    return "Can not calculate. " + Trim(typed) + " is no " + kind + " pipe size (" + kind +
           " sizes: " + PipeSizeList(kindIndex) + ")";
}

DesignationFill FillFromDesignation(const std::string& text) {
    DesignationFill fill;
    const DesignationRead read = ReadDesignation(text);
    if (!read.message.empty()) {
        fill.message = read.message;
        return fill;
    }
    const DesignationEntry& d = read.entry;
    ParameterEntry& e = fill.entry;
    const uint16_t code = TypeCodeOfOptionName(d.type);
    e.typeIndex = TypeEntryIndex(code);
    if (e.typeIndex < 0 || !FamilyAvailable(code)) {
        fill.message = UnavailableTypeMessage(code, d.type);
        return fill;
    }
    if (MetricByDefault(code)) {
        fill.message = MetricEntry(d, code, e);
    } else if (code == kTypeNPT) {
        fill.message = PipeEntry(d, e);
    } else {
        const std::vector<ClassEntry> classes = ClassEntries(e.typeIndex);
        e.classText =
            d.classText.empty() && !classes.empty()
                ? classes[static_cast<std::size_t>(DefaultClassEntry(e.typeIndex))].classText
                : d.classText;
        fill.message = ClassRefusal(e.typeIndex, e.classText);
        e.pitchText = d.pitch;
        e.startsIndex = d.starts - 1;
        // The page has no box for them: they would be dropped without a word.
        const std::string caption = ThreadTypeEntries()[std::size_t(e.typeIndex)].caption;
        if (fill.message.empty() && d.starts > 1 && !ThreadTypeOf(code).startsAndCoating)
            fill.message = caption + " are calculated with one start only";
        if (fill.message.empty() && d.customLOE && !CustomLOEAllowed(code))
            fill.message =
                caption + " take their standard length of engagement: SE is not for them";
    }
    if (!fill.message.empty()) return fill;
    e.diameterText = d.diameter;
    // SE: the engagement is the user's to type.
    e.customLOE = d.customLOE;
    fill.message = Mismatch(d, e);
    return fill;
}

#include "pages/metric_tolerance.h"

#include "core/number_text.h"
#include "core/thread_record.h"

#include <algorithm>

namespace {

const std::vector<std::vector<std::string>> kLists = {
    {"4", "5", "6", "7", "8"},
    {"G", "H"},
    {"4", "5", "6", "7", "8"},
    {"G", "H"},
    {"3", "4", "5", "6", "7", "8", "9"},
    {"e", "f", "g", "h"},
    {"4", "6", "8"},
    {"e", "f", "g", "h"},
};

const MetricTolTexts kMTols = {"6H6H", "6g6g"};
const MetricTolTexts kMJTols = {"4H5H", "4h6h"};

int IndexIn(int list, char c) {
    const auto& entries = kLists[static_cast<std::size_t>(list)];
    const auto it = std::find(entries.begin(), entries.end(), std::string(1, c));
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

// "e, f, g or h"
std::string Choices(int list) {
    const auto& entries = kLists[static_cast<std::size_t>(list)];
    std::string text;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) text += i + 1 == entries.size() ? " or " : ", ";
        text += entries[i];
    }
    return text;
}

} // namespace

MetricTolTexts DefaultMetricTols(uint16_t typeCode) {
    return typeCode == kTypeMJ ? kMJTols : kMTols;
}

std::string MetricButtonCaption(uint16_t typeCode, const MetricTolTexts& tols) {
    if (typeCode == kTypeMJ) return kMJTols.internal + " / " + kMJTols.external;
    return tols.internal + "  /  " + tols.external;
}

TolClassCheck CheckTolClass(uint16_t typeCode, const std::string& typed, bool internal) {
    TolClassCheck r;
    std::string t = Trim(typed);
    if (t.size() == 2) t += t;
    const std::string what = internal ? "internal" : "external";
    const std::string head = "Invalid " + what + " tolerance class \"" + Trim(typed) + "\": ";
    if (t.size() != 4) {
        r.message = head + (internal ? "give four characters such as 6H6H, or two such as 6H"
                                     : "give four characters such as 6g6g, or two such as 6g");
        return r;
    }
    if (typeCode == kTypeMJ) {
        const std::string& only = internal ? kMJTols.internal : kMJTols.external;
        if (t != only)
            r.message = head + "MJ threads have the one class 4H5H (internal) / 4h6h (external)";
        else
            r.text = t;
        return r;
    }
    const int first = internal ? kIntPDGrade : kExtPDGrade;
    const char* const parts[] = {"pitch diameter grade", "pitch diameter position",
                                 internal ? "minor diameter grade" : "major diameter grade",
                                 internal ? "minor diameter position" : "major diameter position"};
    for (int i = 0; i < 4; ++i) {
        if (IndexIn(first + i, t[static_cast<std::size_t>(i)]) >= 0) continue;
        r.message = head + "the " + parts[i] + " must be " + Choices(first + i);
        return r;
    }
    r.text = t;
    return r;
}

const char* MetricLOEText(int group) {
    static const char* const kTexts[] = {"Short", "Standard", "Long"};
    return kTexts[group >= kShortLOE && group <= kLongLOE ? group : kNormalLOE];
}

int MetricLOEGroupOf(const std::string& loeText) {
    for (int g = kShortLOE; g <= kLongLOE; ++g)
        if (loeText == MetricLOEText(g)) return g;
    return kNormalLOE;
}

MetricLOEChange ChangeMetricLOE(const std::string& external, int previousGroup, int newGroup) {
    MetricLOEChange c;
    std::string t = external;
    if (t.size() < 2) {
        c.external = t;
        return c;
    }
    if (previousGroup == kShortLOE && t[0] < '9') ++t[0];
    if (previousGroup == kLongLOE && t[1] < 'h') ++t[1];
    if (newGroup == kShortLOE && t[0] > '3') --t[0];
    if (newGroup == kLongLOE) {
        if (t[1] == 'e') {
            c.external = t;
            c.refused = true;
            return c;
        }
        --t[1];
    }
    c.external = t;
    c.group = newGroup >= kShortLOE && newGroup <= kLongLOE ? newGroup : kNormalLOE;
    return c;
}

std::string MetricLOENotice(const std::string& chosen, const MetricLOEChange& change, int asked) {
    if (change.refused)
        return "Long LOE is not available for position e (" + chosen + "): Normal LOE is used.";
    if (asked == kShortLOE && change.external == chosen)
        return "Short LOE: " + chosen + " has no finer grade and is calculated as chosen.";
    if (asked == kShortLOE)
        return "Short LOE: the external class " + chosen + " is calculated as " + change.external +
               " (one pitch diameter grade finer).";
    if (asked == kLongLOE)
        return "Long LOE: the external class " + chosen + " is calculated as " + change.external +
               " (one position looser).";
    return {};
}

const std::vector<std::string>& MetricDialogEntries(int list) {
    return kLists[static_cast<std::size_t>(std::clamp(list, 0, kMetricDialogLists - 1))];
}

MetricDialogChoice DialogChoiceFromTexts(const MetricTolTexts& tols) {
    MetricDialogChoice choice{};
    const std::string texts[2][2] = {{tols.internal, kMTols.internal},
                                     {tols.external, kMTols.external}};
    for (int list = 0; list < kMetricDialogLists; ++list) {
        const auto side = static_cast<std::size_t>(list / 4);
        const auto pos = static_cast<std::size_t>(list % 4);
        const std::string& text = texts[side][0];
        const int index = pos < text.size() ? IndexIn(list, text[pos]) : -1;
        choice[static_cast<std::size_t>(list)] =
            index >= 0 ? index : IndexIn(list, texts[side][1][pos]);
    }
    return choice;
}

MetricTolTexts TextsFromDialogChoice(const MetricDialogChoice& choice) {
    MetricTolTexts tols;
    for (int list = 0; list < kMetricDialogLists; ++list) {
        const auto& entries = MetricDialogEntries(list);
        const int i = std::clamp(choice[static_cast<std::size_t>(list)], 0,
                                 static_cast<int>(entries.size()) - 1);
        (list < 4 ? tols.internal : tols.external) += entries[static_cast<std::size_t>(i)];
    }
    tols.internal = UpperCase(tols.internal);
    return tols;
}

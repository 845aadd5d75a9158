#pragma once
// Metric tolerance classes on the parameter page without the widgets: the
// classes a type starts with, a typed class checked against the grades and
// positions the grade dialog offers, the dialog's lists and presets, and the
// engagement group (Short / Normal / Long LOE) that shifts the external class.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct MetricTolTexts {
    std::string internal; // upper case, "6H6H"
    std::string external; // lower case, "6g6g"
};

// M: 6H6H / 6g6g (the general-purpose fit); MJ: its one class 4H5H / 4h6h.
MetricTolTexts DefaultMetricTols(uint16_t typeCode);

// "6H6H  /  6g6g"; MJ's fixed button reads "4H5H / 4h6h".
std::string MetricButtonCaption(uint16_t typeCode, const MetricTolTexts& tols);

// A typed class: four characters (PD grade, PD position, crest grade, crest
// position), or two meaning the same grade and position twice ("6g" = "6g6g").
// External classes take PD grades 3..9, major grades 4, 6, 8 and positions
// e, f, g, h; internal ones PD and minor grades 4..8 and positions G, H. An MJ
// thread takes its own class only. `text` is the class to use, `message` empty;
// or `message` says what is wrong.
struct TolClassCheck {
    std::string text;
    std::string message;
};
TolClassCheck CheckTolClass(uint16_t typeCode, const std::string& typed, bool internal);

// Engagement groups in the order of the radio group.
enum MetricLOEGroup : int { kShortLOE = 0, kNormalLOE = 1, kLongLOE = 2 };
// "Short", "Standard", "Long": the record's engagement text of a group.
const char* MetricLOEText(int group);
// The group of an engagement text; Normal for anything else (an older file).
int MetricLOEGroupOf(const std::string& loeText);

// A change of engagement group: the external class of the normal engagement is
// recovered from the previous group, then shifted for the new one (Short: one
// PD grade finer, not below 3; Long: one PD position looser). A normal position
// "e" has no looser one: Long is refused and the group stays Normal.
struct MetricLOEChange {
    std::string external;   // the external class to show
    int group = kNormalLOE; // the group the radio group shows afterwards
    bool refused = false;
};
MetricLOEChange ChangeMetricLOE(const std::string& external, int previousGroup, int newGroup);

// What the page says while an engagement group changes the external class the
// user chose for normal engagement, or could not: "Short LOE: the external
// class 4g6g is calculated as 3g6g (one pitch diameter grade finer).", "Long
// LOE is not available for position e (6e6g): Normal LOE is used." Empty for
// normal engagement. `change` is ChangeMetricLOE(chosen, kNormalLOE, asked).
std::string MetricLOENotice(const std::string& chosen, const MetricLOEChange& change, int asked);

// The grade dialog's eight lists, in this order.
enum MetricDialogList : int {
    kIntPDGrade,
    kIntPDPos,
    kIntMinorGrade,
    kIntMinorPos,
    kExtPDGrade,
    kExtPDPos,
    kExtMajorGrade,
    kExtMajorPos,
    kMetricDialogLists
};
const std::vector<std::string>& MetricDialogEntries(int list);
using MetricDialogChoice = std::array<int, kMetricDialogLists>;
// The list entries preset from the two classes (an entry a class does not name
// falls back to the one of 6H6H / 6g6g), and the classes the entries make.
MetricDialogChoice DialogChoiceFromTexts(const MetricTolTexts& tols);
MetricTolTexts TextsFromDialogChoice(const MetricDialogChoice& choice);

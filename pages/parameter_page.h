#pragma once
// The "Parameters" page of a thread window without the widgets: what its lists
// offer, how its entries become a thread record (with the refusal messages), and
// how a reopened record is shown on it again. Lengths in inches, metric pitch in mm.

#include <cstdint>
#include <string>
#include <vector>

class TTInfo;

// One entry of the thread type list: a type of the thread type table that
// has a list caption. (CustomLOEAllowed and the other facts of a type are
// the table's, core/thread_types.h.)
struct ThreadTypeEntry {
    const char* caption;  // "UN Threads" ...
    const char* typeName; // what SetThreadType takes: "UN" ... "NPT"
    uint16_t typeCode;
};

// The eleven entries of the type list, in list order.
const std::vector<ThreadTypeEntry>& ThreadTypeEntries();
// List index of a type code; -1 for a type the list does not offer.
int TypeEntryIndex(uint16_t typeCode);
// "ACME Threads can not be calculated in this version." for a type the build
// cannot calculate; for a code the list does not know, "Unknown thread type: <name>".
std::string UnavailableTypeMessage(uint16_t typeCode, const std::string& typeName);

struct ClassEntry {
    std::string text;      // "Class 2", "NPT"
    std::string classText; // what SetClass takes: "2", "NPT"
};

// The class list of a type entry; empty for the metric entries, which take
// tolerance classes instead. The first entry of a list with a default other than
// the first is named by DefaultClassEntry.
std::vector<ClassEntry> ClassEntries(int typeIndex);
int DefaultClassEntry(int typeIndex);
// Refusal of a class the type's list does not hold, for input that names the
// class instead of picking it: "ACME Threads have no class 2 (classes: 2G, 3G,
// 4G, 5G)". Empty when the list holds it or the type has no list.
std::string ClassRefusal(int typeIndex, const std::string& classText);

// Pipe kinds in list order: NPT, NPSC, NPTR, NPSM, NPSL.
// How the kind list names one: "NPSC — straight coupling"; the code alone is
// what files and plcalc store.
std::string PipeKindCaption(int kindIndex);
// The sizes offered for a kind ("1/16" ... "24 OD"), and the size key (inches) of one.
std::vector<std::string> PipeSizeTexts(int kindIndex);
double PipeSizeKey(int kindIndex, int sizeIndex);
// The list position of a size key in a kind's list; -1 when the kind does not offer it.
int PipeSizeIndex(int kindIndex, double key);
// The kind's list position of a pipe class code (kPipeNPT ...); -1 for another code.
int PipeKindIndex(uint16_t classCode);

// What the page holds when Calculate is pressed.
struct ParameterEntry {
    int typeIndex = 0;
    std::string classText; // of the selected class entry (not metric, not pipe)
    std::string diameterText;
    bool pipe = false; // pipe sizes come from the size list instead
    int pipeKind = 0;
    int pipeSize = 0;
    std::string pipeSizeText;
    std::string pitchText;
    int startsIndex = 0; // 0 = "1 Start"
    bool customLOE = false;
    std::string loeText;
    bool coated = false;
    std::string coatingText;
    std::string intTolText = "6H6H"; // metric tolerance classes, as the button shows them
    std::string extTolText = "6g6g"; // (the engagement group's shift included)
    int metricLOE = 1;               // MetricLOEGroup: 0 short, 1 normal, 2 long
    bool leftHand = false;

    bool operator==(const ParameterEntry&) const = default;
};

struct SetUpResult {
    std::string message;      // empty when the record is ready to calculate
    std::string diameterText; // the diameter box afterwards (trimmed)
    std::string pitchText;    // the pitch box afterwards ("1.0" for a pipe thread)
};

inline const char* const kInvalidDiameterMessage = "Can not calculate. Invalid Nominal Diameter";
inline const char* const kInvalidPitchMessage = "Can not calculate. Invalid pitch value";
// Refusal of a custom length of engagement that is empty, zero, negative or
// longer than kMaxLOEPerDiameter diameters.
inline const char* const kInvalidLOEMessage = "Can not calculate. Invalid length of engagement";
// Refusal of a coating box that is not a decimal number of 0 or more ("0,0003", "-0.001").
inline const char* const kInvalidCoatingMessage = "Can not calculate. Invalid coating thickness";
// Refusal of a number of starts that is not a whole number of 1 to 6, followed by the text.
inline const char* const kInvalidStartsMessage = "Invalid number of starts: ";
// The number of starts a text gives: a whole number of 1 to 6, else 0.
int StartsOf(const std::string& text);

// The ranges a typed or stored value must lie in: beyond them the arithmetic
// gives nonsense (an infinite pitch diameter) without any standard behind it.
// Metric threads take millimetres and their pitch, the others inches and
// threads per inch; each lower bound is exclusive (0 is refused).
inline constexpr double kMaxDiameterInch = 100;
inline constexpr double kMaxDiameterMM = 2500;
inline constexpr double kMaxTPI = 200;
inline constexpr double kMaxPitchMM = 50;
inline constexpr double kMaxLOEPerDiameter = 100;
bool DiameterInRange(double diameter, bool metric);
bool PitchInRange(double tpiOrPitch, bool metric);
bool LOEInRange(double loe, double diameter);

// ISO 965-1 gives its tolerances (the M and MJ limits) for diameters over
// 0.99 up to 355 mm and pitches of 0.2 to 8 mm; beyond them its formulas give
// reversed or negative limits. The refusal for a size outside, else empty.
inline constexpr double kIsoMinDiameterMM = 0.99; // exclusive
inline constexpr double kIsoMaxDiameterMM = 355;
inline constexpr double kIsoMinPitchMM = 0.2;
inline constexpr double kIsoMaxPitchMM = 8;
std::string StandardRangeRefusal(uint16_t typeCode, double diameter, double pitch);

// A measured diameter, pitch diameter or reading in inches (mm: millimetres):
// one the pages can show (0.0001 in, 0.001 mm) up to the largest diameter.
bool MeasurementInRange(double value, bool mm);
// A reading over wires: the wires stand above the crests of the largest
// thread, so up to twice its diameter.
bool ReadingInRange(double value, bool mm);

// Sets up a fresh record from the page in the order the window does it; stops
// with "Invalid Nominal Diameter", kInvalidDiameterMessage, kInvalidPitchMessage
// (a value out of its range included), for a metric thread the
// CheckTolClass message of a tolerance class, for a custom engagement
// kInvalidLOEMessage, for a coating kInvalidCoatingMessage or the CoatingRefusal
// of the coated thread (found by calculating it once; a table file that cannot
// be read is left for the caller's own calculation to report).
SetUpResult SetUpRecord(const ParameterEntry& entry, TTInfo& rec);

// The metric inputs of a record of type M or MJ: tolerance classes (with the
// grade codes they give the members), engagement group, hand.
void SetMetricInputs(TTInfo& rec, const std::string& intTol, const std::string& extTol,
                     int loeGroup, bool leftHand);

// Plating moves the pitch diameter by more than the major and minor (4t against
// 2t on a 60-degree thread), so the limits before plating of a thick coating
// leave no flank: the internal pitch diameter reaches its major, the external
// one its minor. The refusal for a calculated record whose coated limits do
// that; empty when each pitch diameter stays between its minor and major.
std::string CoatingRefusal(const TTInfo& calculated);

// The class entry a thread file's class text selects for a type entry: the
// entry holding it, else the type's default with a note saying so ("UNJ Threads
// have no class 2: Class 3 is used."). -1 for a type without a class list.
struct ClassChoice {
    int entry = -1;
    std::string note;
};
ClassChoice ChooseClassEntry(int typeIndex, const std::string& classText);

// Class W / class X options of the setting plug page after a calculation.
struct GaugeClassChoice {
    bool showW = true;
    bool showX = true;
    bool checkW = true; // otherwise class X is checked
    uint8_t classW = 1;
};
GaugeClassChoice GaugeClassOptions(uint16_t typeCode);
// The same with class X asked for (a thread file's choice, plcalc's --classx):
// class X checked where the type offers it.
GaugeClassChoice GaugeClassOptions(uint16_t typeCode, bool classX);

// The page as it is shown again for a record read from a thread file.
struct RestoredPage {
    int typeIndex = 0;
    std::string classEntry; // "Class 2"; selected when the list holds it
    std::string diameterText;
    std::string pitchText;
    bool customLOE = false;
    std::string loeText;
    int startsIndex = 0;
    bool coated = false;
    std::string coatingText; // "0.0003"; the box keeps its text when not coated
    bool metric = false;
    std::string intTolText; // metric: the classes and engagement group of the record
    std::string extTolText;
    int metricLOE = 1;
    bool leftHand = false;
    bool pipe = false; // the size list is shown instead of the diameter box
    int pipeKind = 0;  // position in the "NPT Type:" list (classEntry names it too)
    int pipeSize = -1; // position in the kind's size list; -1 when it has none
};
RestoredPage RestorePage(const TTInfo& rec);

#pragma once
// What each thread type is: its names, its unit, the choices the parameter
// page offers for it, and which steps, pages and tools apply to it. One row per
// type in thread_types.cpp; every layer asks this table instead of listing types.

#include <cstdint>
#include <span>
#include <string>

// Thread type codes, as thread files and the type lists number them.
enum : uint16_t {
    kTypeUN = 1,
    kTypeUNR = 2,
    kTypeUNJ = 3,
    kTypeAcme = 4,
    kTypeStub = 5,
    kTypeSAM1 = 6,
    kTypeSAM2 = 7,
    kTypeM = 8,
    kTypeMJ = 9,
    kTypeButt = 10,
    kType30Deg = 11,
    kType55Deg = 12,
    kTypeNPT = 13,
};

// Where a type's limits come from.
enum class LimitsFrom : uint8_t {
    Entered,    // the pitch diameters are entered (Set Dim): no calculation of its own
    Formulas,   // the family's tables and formulas
    PipeTables, // looked up by nominal pipe size
};

// The length of engagement a type is calculated for.
enum class Engagement : uint8_t {
    Standard, // its standard engagement only
    Custom,   // the standard one or a custom length
    Group,    // an engagement group: short, normal or long
    Pitch,    // its standard engagement, set by the pitch: no choice offered
    None,     // none: the pipe tables give the length of thread
};

// The boxes the parameter page shows for a type.
enum class ParameterLayout : uint8_t {
    InchClasses,      // a class list, the diameter and threads per inch
    MetricTolerances, // tolerance classes, the diameter and pitch in millimetres
    PipeSizes,        // the pipe kind and its list of nominal sizes
};

// The formula a reading over three wires takes.
enum class WireForm : uint8_t { None, Sixty, TwentyNine, Buttress };

// How a member is designated.
enum class DesignationForm : uint8_t {
    Inch,       // 1-8 ACME-2G: one designation for both members
    InchLetter, // 1/4-20 UNC-2A: the class letter tells the members apart
    Iso,        // M 10 X 1.5 - 6g6g: the tolerance classes tell them apart
};

struct ClassOffer {
    const char* caption; // "Class 2", "NPT"
    const char* text;    // what SetClass takes: "2", "NPT"
};

// The class W / class X options of the setting plug page.
struct GaugeClassOffer {
    bool showW = false;
    bool showX = true;
    bool checkW = false; // otherwise class X is checked
    uint8_t classW = 0;
};

// The basic profile: flank angles in degrees, and the basic pitch diameter
// D - pdDepth P and minor diameter D - minorDepth P; all 0 for none.
struct ProfileForm {
    double leftFlank = 0;
    double rightFlank = 0;
    double pdDepth = 0;
    double minorDepth = 0;
};

// The members of a thread, as bits of the sets of MemberValues.
enum MemberRole : uint8_t {
    kExternalThread = 1,
    kInternalThread = 2,
    kPlugGauge = 4,
    kRingGauge = 8,
    kSetPlugGauge = 16,
    kAllMembers = 31,
};

// The tolerance columns a type's standard tabulates with the limits.
enum class TolColumns : uint8_t {
    None,
    InternalPDFromTable, // the internal pitch diameter's, where the size is a table row
    IsoMetric,           // Td2 and Td of the external thread, TD2 and TD1 of the internal
};

// Which values of its members a type's standard gives: the others do not
// apply (the JSON writes null for them).
struct MemberValues {
    uint8_t noMajorMax = 0;         // members whose major diameter has no maximum
    uint8_t noMinorMin = 0;         // members whose minor diameter has no minimum
    uint8_t rootRadius = 0;         // members with a radiused root
    uint8_t rootFlat = kAllMembers; // members with a flat at the root
    bool gaugesClearRoot = false;   // 60-degree gauges clear the root: no gauge size there
    bool truncatedSetPlug = true;   // the set plug's major diameter has a truncated size
    TolColumns tolColumns = TolColumns::None;
};

// One row of the table. The defaults are those of a code no row has.
struct ThreadType {
    uint16_t code = 0;
    const char* name = "";               // thread files, SetThreadType: "UN" ... "NPT"
    const char* alias = nullptr;         // a longer name a file may hold: "STUB ACME"
    const char* shownName = nullptr;     // TypeName set for `name`; nullptr: the name as given
    const char* option = nullptr;        // plcalc's --type when not `name`
    const char* listCaption = nullptr;   // the thread type list; nullptr: not offered there
    const char* setDimCaption = nullptr; // the Set Dim type list; nullptr: not offered there
    LimitsFrom limits = LimitsFrom::Entered;
    bool millimetres = false;                 // diameters and pitch held in millimetres
    bool metricByDefault = false;             // ISO metric: tolerance classes, shown in millimetres
    std::span<const ClassOffer> classes = {}; // empty: tolerance classes or none
    int defaultClass = 0;                     // position in `classes`
    Engagement engagement = Engagement::Standard;
    bool toleranceChoice = false; // tolerance classes chosen by the user (the metric dialog)
    bool startsAndCoating = true; // multi-start and coated threads are calculated
    GaugeClassOffer gaugeClasses = {};
    bool namesGaugeClass = false; // gauge tolerance texts say "(Class W Tols)" / "(Class X Tols)"
    const char* series = nullptr; // of the designation; nullptr: the family step sets it
    DesignationForm designation = DesignationForm::Inch;
    bool threeDecimalMinors = false; // class 1B and 2B minors tabulated to three decimals
    double platingPDFactor = 0;      // the pitch diameter moves this times the coating; 0: not
    WireForm wireForm = WireForm::None;
    bool helixCorrection = false; // wire readings corrected for the helix
    int32_t pointForm = 0;        // contact point catalogue key; 0: none
    int32_t rollCode = 0;         // thread roll catalogue key; 0: none
    double rollLeadFactor = 0;    // the rolls' lead correction per squared lead angle
    bool tapDrills = false;
    bool iso1502Page = false;
    ProfileForm profile = {};
    MemberValues members = {};
};

// Every row, in code order.
std::span<const ThreadType> ThreadTypes();
// The row of a code; a row of defaults for a code no row has.
const ThreadType& ThreadTypeOf(uint16_t typeCode);

// Type code of a type name or its alias (upper-cased before the lookup); 0 for none.
uint16_t TypeCodeOfName(const std::string& name);
// The same for plcalc's --type, which also takes the short option names ("BUTT").
uint16_t TypeCodeOfOptionName(const std::string& name);
// The name of a type code ("UN" ... "NPT"); empty for a code no row has.
std::string TypeNameOf(int typeCode);
// The TypeName a record gets for a name SetThreadType takes.
std::string ShownTypeName(const std::string& name);

// M, MJ and 30-degree: diameters and pitch in millimetres.
bool HoldsMillimetres(uint16_t typeCode);
// M and MJ: ISO metric, shown in millimetres unless inches are asked for.
bool MetricByDefault(uint16_t typeCode);
// The types whose calculation this build provides.
bool FamilyAvailable(uint16_t typeCode);
// Whether a custom length of engagement is taken for the type: Acme, stub
// Acme and buttress tolerances hold for their standard engagement only, M
// takes its engagement group, pipe threads have none.
bool CustomLOEAllowed(uint16_t typeCode);
// What the parameter page shows: tolerance classes for ISO metric, the size
// list for pipe threads, a class list otherwise.
ParameterLayout ParameterLayoutOf(uint16_t typeCode);
// Internal and external members have designations of their own (class letter
// or tolerance class), so a name shows both.
bool MembersDesignatedApart(uint16_t typeCode);

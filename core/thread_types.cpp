#include "core/thread_types.h"

#include "core/number_text.h"

#include <iterator>

namespace {

constexpr ClassOffer kUnifiedClasses[] = {{"Class 1", "1"}, {"Class 2", "2"}, {"Class 3", "3"}};
constexpr ClassOffer kUNJClasses[] = {{"Class 3", "3"}};
constexpr ClassOffer kAcmeClasses[] = {
    {"Class 2G", "2G"}, {"Class 3G", "3G"}, {"Class 4G", "4G"}, {"Class 5G", "5G"}};
constexpr ClassOffer kStubClasses[] = {{"Class 2G", "2G"}, {"Class 3G", "3G"}, {"Class 4G", "4G"}};
constexpr ClassOffer kButtressClasses[] = {{"Class 2", "2"}, {"Class 3", "3"}};
// The pipe kinds are listed by their own names.
constexpr ClassOffer kPipeKinds[] = {
    {"NPT", "NPT"}, {"NPSC", "NPSC"}, {"NPTR", "NPTR"}, {"NPSM", "NPSM"}, {"NPSL", "NPSL"}};

// Class W and class X gauges, class W checked; a pipe thread's gauges have no choice.
constexpr GaugeClassOffer kWOrX = {true, true, true, 1};
constexpr GaugeClassOffer kPipeGauges = {false, false, true, 1};

// Plating of thickness t moves the pitch diameter by 2t (sec a + sec b) / (tan a + tan b)
// for flanks a and b: 4t on 60-degree, 7.9879t on 29-degree, 4.3138t on 7x45 threads.
constexpr double kPlating60 = 4;
constexpr double kPlating29 = 7.9879;
constexpr double kPlatingButtress = 4.3138;

// The rolls' lead correction per squared lead angle; SAM #1 and the buttress,
// 30- and 55-degree forms have none published: none is the conservative choice.
constexpr double kRollLead60 = 0.79;
constexpr double kRollLead29 = 4.6;

// Basic forms: 60-degree H = 0.866025P with the pitch diameter 3H/4 and the
// minor 5H/4 below the major (ASME B1.1, ISO 68-1); Acme half depth 0.5P
// (ASME B1.5); stub Acme 0.3P and the modified forms 0.375P, 0.25P (ASME B1.8);
// buttress 0.6P with flanks of 7 and 45 degrees (ASME B1.9).
constexpr ProfileForm kProfile60 = {30, 30, 0.649519, 1.082532};
constexpr ProfileForm kProfileAcme = {14.5, 14.5, 0.5, 1.0};
constexpr ProfileForm kProfileStub = {14.5, 14.5, 0.3, 0.6};
constexpr ProfileForm kProfileSAM1 = {14.5, 14.5, 0.375, 0.75};
constexpr ProfileForm kProfileSAM2 = {14.5, 14.5, 0.25, 0.5};
constexpr ProfileForm kProfileButtress = {7, 45, 0.6, 1.2};

// Unified internal threads and their plugs have no major maximum (ASME B1.1);
// UNR external threads a radiused root and no minor minimum (and what is made
// to them), UNJ external threads a radiused root (ASME B1.15).
constexpr uint8_t kGauges = kPlugGauge | kRingGauge | kSetPlugGauge;
constexpr uint8_t kExternalForms = kExternalThread | kRingGauge | kSetPlugGauge;
constexpr MemberValues kUNValues = {.noMajorMax = kInternalThread | kPlugGauge,
                                    .gaugesClearRoot = true,
                                    .tolColumns = TolColumns::InternalPDFromTable};
constexpr MemberValues kUNRValues = {.noMajorMax = kInternalThread | kPlugGauge,
                                     .noMinorMin = kExternalForms,
                                     .rootRadius = kExternalForms,
                                     .rootFlat = kAllMembers & ~(kExternalThread | kRingGauge),
                                     .gaugesClearRoot = true,
                                     .tolColumns = TolColumns::InternalPDFromTable};
constexpr MemberValues kUNJValues = {.noMajorMax = kInternalThread | kPlugGauge,
                                     .rootRadius = kExternalThread | kGauges,
                                     .rootFlat = kInternalThread,
                                     .gaugesClearRoot = true,
                                     .tolColumns = TolColumns::InternalPDFromTable};

// The unified rows differ only in name, classes, minor tabulation and roots.
constexpr ThreadType Unified(uint16_t code, const char* name, const char* caption,
                             std::span<const ClassOffer> classes, int defaultClass,
                             bool threeDecimalMinors, MemberValues members) {
    return {.code = code,
            .name = name,
            .listCaption = caption,
            .setDimCaption = caption,
            .limits = LimitsFrom::Formulas,
            .classes = classes,
            .defaultClass = defaultClass,
            .engagement = Engagement::Custom,
            .gaugeClasses = kWOrX,
            .namesGaugeClass = true,
            .designation = DesignationForm::InchLetter,
            .threeDecimalMinors = threeDecimalMinors,
            .platingPDFactor = kPlating60,
            .wireForm = WireForm::Sixty,
            .helixCorrection = true,
            .pointForm = 2,
            .rollCode = 1,
            .rollLeadFactor = kRollLead60,
            .tapDrills = true,
            .profile = kProfile60,
            .members = members};
}

constexpr ThreadType AcmeForm(uint16_t code, const char* name, const char* alias,
                              const char* caption, std::span<const ClassOffer> classes,
                              const char* series, int32_t rollCode, double rollLeadFactor,
                              ProfileForm profile, bool truncatedSetPlug) {
    return {.code = code,
            .name = name,
            .alias = alias,
            .shownName = alias,
            .listCaption = caption,
            .setDimCaption = caption,
            .limits = LimitsFrom::Formulas,
            .classes = classes,
            .series = series,
            .platingPDFactor = kPlating29,
            .wireForm = WireForm::TwentyNine,
            .helixCorrection = true,
            .pointForm = 1,
            .rollCode = rollCode,
            .rollLeadFactor = rollLeadFactor,
            .profile = profile,
            .members = {.truncatedSetPlug = truncatedSetPlug}};
}

// ISO metric tolerances Td2, Td, TD2 and TD1 stand with the limits (ISO 965-1);
// MJ external threads have a radiused root (ISO 5855).
constexpr ThreadType IsoMetric(uint16_t code, const char* name, const char* caption,
                               Engagement engagement, bool toleranceChoice, uint8_t rootRadius) {
    return {.code = code,
            .name = name,
            .listCaption = caption,
            .setDimCaption = caption,
            .limits = LimitsFrom::Formulas,
            .millimetres = true,
            .metricByDefault = true,
            .engagement = engagement,
            .toleranceChoice = toleranceChoice,
            .gaugeClasses = kWOrX,
            .series = name,
            .designation = DesignationForm::Iso,
            .platingPDFactor = kPlating60,
            .wireForm = WireForm::Sixty,
            .helixCorrection = true,
            .pointForm = 2,
            .rollCode = 6,
            .rollLeadFactor = kRollLead60,
            .tapDrills = true,
            .iso1502Page = true,
            .profile = kProfile60,
            .members = {.rootRadius = rootRadius,
                        .gaugesClearRoot = true,
                        .tolColumns = TolColumns::IsoMetric}};
}

constexpr ThreadType kTypes[] = {
    // Class 2 is the general-purpose unified class.
    Unified(kTypeUN, "UN", "UN Threads", kUnifiedClasses, 1, true, kUNValues),
    Unified(kTypeUNR, "UNR", "UNR Threads", kUnifiedClasses, 1, true, kUNRValues),
    Unified(kTypeUNJ, "UNJ", "UNJ Threads", kUNJClasses, 0, false, kUNJValues),
    AcmeForm(kTypeAcme, "ACME", nullptr, "ACME Threads", kAcmeClasses, "ACME", 2, kRollLead29,
             kProfileAcme, true),
    AcmeForm(kTypeStub, "STUB", "STUB ACME", "Stub Acme Threads", kStubClasses, "STUB ACME", 3,
             kRollLead29, kProfileStub, false),
    AcmeForm(kTypeSAM1, "SAM1", "SAM1 ACME", "SAM #1 (Stub Acme Modified #1)", kStubClasses,
             "STUB M1", 4, 0, kProfileSAM1, false),
    AcmeForm(kTypeSAM2, "SAM2", "SAM2 ACME", "SAM #2 (Stub Acme Modified #2)", kStubClasses,
             "STUB M2", 5, kRollLead29, kProfileSAM2, false),
    // M takes an engagement group and any tolerance class; MJ a custom
    // engagement and its classes 4h6h and 4H5H only.
    IsoMetric(kTypeM, "M", "M Series Metric", Engagement::Group, true, 0),
    IsoMetric(kTypeMJ, "MJ", "MJ Series Metric", Engagement::Custom, false,
              kExternalThread | kGauges),
    {.code = kTypeButt,
     .name = "745BUTT",
     .alias = "7X45 BUTTRESS",
     .shownName = "7x45 Buttress",
     .option = "BUTT",
     .listCaption = "7x45 Buttress Threads",
     .setDimCaption = "7x45 Buttress Thread",
     .limits = LimitsFrom::Formulas,
     .classes = kButtressClasses,
     .engagement = Engagement::Pitch,
     .gaugeClasses = kWOrX,
     .namesGaugeClass = true,
     .series = "7 x 45 BUTTRESS",
     .platingPDFactor = kPlatingButtress,
     .wireForm = WireForm::Buttress,
     .pointForm = 3,
     .rollCode = 8,
     .profile = kProfileButtress,
     // Radiused external roots, no root flat given, no external minor minimum (ASME B1.9).
     .members = {.noMinorMin = kExternalForms,
                 .rootRadius = kExternalThread | kGauges,
                 .rootFlat = 0}},
    {.code = kType30Deg,
     .name = "30DEG",
     .shownName = "30 Degree Trapezoidal Metric",
     .setDimCaption = "30 Degree Trapezoidal Metric",
     .millimetres = true,
     .series = "30-Deg Trapezoidal Metric",
     .pointForm = 4,
     .rollCode = 9},
    {.code = kType55Deg,
     .name = "55DEG",
     .shownName = "55 Degree",
     .setDimCaption = "55 Degree Thread",
     .pointForm = 2,
     .rollCode = 7},
    {.code = kTypeNPT,
     .name = "NPT",
     .listCaption = "General Purpose Pipe Threads",
     .limits = LimitsFrom::PipeTables,
     .classes = kPipeKinds,
     .engagement = Engagement::None,
     .startsAndCoating = false,
     .gaugeClasses = kPipeGauges,
     .platingPDFactor = kPlating60},
};

const ThreadType kNoType;

const ThreadType* FindByName(const std::string& name) {
    const std::string upper = UpperCase(name);
    for (const ThreadType& t : kTypes)
        if (upper == t.name || (t.alias && upper == t.alias)) return &t;
    return nullptr;
}

// ThreadTypeOf finds a row by its code.
constexpr bool RowsInCodeOrder() {
    for (std::size_t i = 0; i < std::size(kTypes); ++i)
        if (kTypes[i].code != i + 1) return false;
    return true;
}
static_assert(RowsInCodeOrder(), "row i holds type code i + 1");

} // namespace

std::span<const ThreadType> ThreadTypes() {
    return kTypes;
}

const ThreadType& ThreadTypeOf(uint16_t typeCode) {
    // Rows are held in code order from 1, so the code finds its row directly;
    // every reading and page asks this many times a thread.
    const std::size_t i = typeCode - 1u;
    return typeCode >= 1 && i < std::size(kTypes) ? kTypes[i] : kNoType;
}

uint16_t TypeCodeOfName(const std::string& name) {
    const ThreadType* t = FindByName(name);
    return t ? t->code : 0;
}

uint16_t TypeCodeOfOptionName(const std::string& name) {
    const std::string upper = UpperCase(name);
    for (const ThreadType& t : kTypes)
        if (t.option && upper == t.option) return t.code;
    return TypeCodeOfName(upper);
}

std::string TypeNameOf(int typeCode) {
    if (typeCode < 0 || typeCode > UINT16_MAX) return {};
    return ThreadTypeOf(static_cast<uint16_t>(typeCode)).name;
}

std::string ShownTypeName(const std::string& name) {
    const ThreadType* t = FindByName(name);
    return t && t->shownName && UpperCase(name) == t->name ? t->shownName : name;
}

bool HoldsMillimetres(uint16_t typeCode) {
    return ThreadTypeOf(typeCode).millimetres;
}

bool MetricByDefault(uint16_t typeCode) {
    return ThreadTypeOf(typeCode).metricByDefault;
}

bool FamilyAvailable(uint16_t typeCode) {
    return ThreadTypeOf(typeCode).limits != LimitsFrom::Entered;
}

bool CustomLOEAllowed(uint16_t typeCode) {
    return ThreadTypeOf(typeCode).engagement == Engagement::Custom;
}

ParameterLayout ParameterLayoutOf(uint16_t typeCode) {
    const ThreadType& t = ThreadTypeOf(typeCode);
    if (t.metricByDefault) return ParameterLayout::MetricTolerances;
    return t.limits == LimitsFrom::PipeTables ? ParameterLayout::PipeSizes
                                              : ParameterLayout::InchClasses;
}

bool MembersDesignatedApart(uint16_t typeCode) {
    return ThreadTypeOf(typeCode).designation != DesignationForm::Inch;
}

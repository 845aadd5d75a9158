#include "core/thread_record.h"

#include "core/number_text.h"
#include "core/pipe_record.h"

#include <cmath>

namespace {

struct TypeEntry {
    const char* name;
    uint16_t code;
    const char* display; // nullptr: the name as passed
};

const TypeEntry kTypes[] = {
    {"UN", kTypeUN, nullptr},
    {"UNR", kTypeUNR, nullptr},
    {"UNJ", kTypeUNJ, nullptr},
    {"ACME", kTypeAcme, nullptr},
    {"STUB", kTypeStub, "STUB ACME"},
    {"STUB ACME", kTypeStub, nullptr},
    {"SAM1", kTypeSAM1, "SAM1 ACME"},
    {"SAM1 ACME", kTypeSAM1, nullptr},
    {"SAM2", kTypeSAM2, "SAM2 ACME"},
    {"SAM2 ACME", kTypeSAM2, nullptr},
    {"M", kTypeM, nullptr},
    {"MJ", kTypeMJ, nullptr},
    {"745BUTT", kTypeButt, "7x45 Buttress"},
    {"7X45 BUTTRESS", kTypeButt, nullptr},
    {"30DEG", kType30Deg, "30 Degree Trapezoidal Metric"},
    {"55DEG", kType55Deg, "55 Degree"},
    {"NPT", kTypeNPT, nullptr},
};

const TypeEntry* FindType(const std::string& name) {
    const std::string upper = UpperCase(name);
    for (const auto& t : kTypes)
        if (upper == t.name) return &t;
    return nullptr;
}

struct ClassEntry {
    const char* text;
    uint16_t code;
};

const ClassEntry kClasses[] = {
    {"0", 0},  {"1", 1},    {"2", 2},     {"3", 3},     {"2G", 4},    {"3G", 5},    {"4G", 6},
    {"5G", 7}, {"NPT", 20}, {"NPSC", 21}, {"NPTR", 22}, {"NPSM", 23}, {"NPSL", 24},
};

} // namespace

uint16_t TypeCodeOfName(const std::string& name) {
    const TypeEntry* t = FindType(name);
    return t ? t->code : 0;
}

uint16_t ClassCodeOfText(const std::string& text) {
    const std::string upper = UpperCase(text);
    for (const auto& c : kClasses)
        if (upper == c.text) return c.code;
    return 0;
}

bool FamilyAvailable(uint16_t typeCode) {
    return typeCode == kTypeUN || typeCode == kTypeUNR || typeCode == kTypeUNJ ||
           typeCode == kTypeAcme || typeCode == kTypeStub || typeCode == kTypeSAM1 ||
           typeCode == kTypeSAM2 || typeCode == kTypeM || typeCode == kTypeMJ ||
           typeCode == kTypeButt || typeCode == kTypeNPT;
}

double TThdInfo::Pitch() const {
    if (TypeCode == kTypeM || TypeCode == kTypeMJ || TypeCode == kType30Deg)
        return std::round(static_cast<double>(TPI) * 1e6) / 1e6;
    if (TPI == 0) return 0;
    return static_cast<double>(1.0L / TPI);
}

double TThdInfo::Lead() const {
    return Pitch() * Starts;
}

void TThdInfo::SetTolInfo(const std::string& text) {
    auto ch = [&](std::size_t i) { return i < text.size() ? text.substr(i, 1) : std::string(); };
    PD.TolGrade = ch(0);
    PD.TolPos = ch(1);
    TDimLimits& crest = IsInternal ? Minor : Major;
    crest.TolGrade = ch(2);
    crest.TolPos = ch(3);
}

std::string TThdInfo::TolInfoText() const {
    const TDimLimits& crest = IsInternal ? Minor : Major;
    return PD.TolGrade + PD.TolPos + crest.TolGrade + crest.TolPos;
}

void TThdInfo::CopyLimits(const TThdInfo& f) {
    Owner = f.Owner;
    StdLOE = f.StdLOE;
    PD = f.PD;
    Major = f.Major;
    Minor = f.Minor;
    BestWire = f.BestWire;
    CurWire = f.CurWire;
    MinWire = f.MinWire;
    MaxWire = f.MaxWire;
    RootWire = f.RootWire;
    UseBestWire = f.UseBestWire;
    SetToV = f.SetToV;
    SetToFlat = f.SetToFlat;
    PointDia = f.PointDia;
    PointName = f.PointName;
    Setting = f.Setting;
    RootRadMax = f.RootRadMax;
    RootRadMin = f.RootRadMin;
    RootWidth = f.RootWidth;
    ThdHeight = f.ThdHeight;
    FromTable = f.FromTable;
    Series = f.Series;
    IsInternal = f.IsInternal;
    IsExternal = f.IsExternal;
    StdLE = f.StdLE;
    LOE = f.LOE;
    LEBasis = f.LEBasis;
}

void TThdInfo::ApplyCoating() {
    for (TDimLimits* d : {&PD, &Major, &Minor}) {
        d->UncoatedMax = d->Max;
        d->UncoatedMin = d->Min;
        d->UncoatedGage = d->Gage;
    }
    // Plating makes an external thread (or a plug) bigger and an internal one
    // (or a ring, or a setting plug) smaller; the limits before plating move
    // the other way.
    const bool internalSense = IsInternal || IsSetPlug;
    double t = Coating;
    if (!internalSense)
        t = IsGage ? t : -t;
    else
        t = IsGage ? -t : t;

    for (TDimLimits* d : {&Major, &Minor}) {
        for (double* v : {&d->Max, &d->Min, &d->Gage})
            if (*v != 0) *v += 2 * t;
    }
    double k = 0;
    switch (TypeCode) {
    case kTypeUN:
    case kTypeUNR:
    case kTypeUNJ:
    case kTypeM:
    case kTypeMJ:
    case kTypeNPT:
        k = 4;
        break;
    case kTypeAcme:
    case kTypeStub:
    case kTypeSAM1:
    case kTypeSAM2:
        k = 7.9879;
        break;
    case kTypeButt:
        k = 4.3138;
        break;
    default:
        return;
    }
    PD.Max += k * t;
    PD.Min += k * t;
    PD.Gage += k * t;
}

TTInfo::TTInfo() {
    for (TThdInfo* m : Members())
        m->Owner = this;
    IntThd.IsGage = 0;
    IntThd.IsInternal = 1;
    ExtThd.IsGage = 0;
    ExtThd.IsExternal = 1;
    GoPlug.IsExternal = 1;
    NoGoPlug.IsExternal = 1;
    GoRing.IsInternal = 1;
    NoGoRing.IsInternal = 1;
    for (TThdInfo* m : {&GoSetPlug, &NoGoSetPlug}) {
        m->IsExternal = 1;
        m->IsSetPlug = 1;
        m->UseClassW = 1;
    }
}

TTInfo::~TTInfo() = default;

std::vector<TThdInfo*> TTInfo::Members() {
    return {&GoPlug, &NoGoPlug, &GoRing, &NoGoRing, &IntThd, &ExtThd, &GoSetPlug, &NoGoSetPlug};
}

void TTInfo::SetThreadType(const std::string& name) {
    const TypeEntry* t = FindType(name);
    if (!t) return;
    if (t->code == kTypeNPT) {
        Pipe = std::make_unique<TThdNPT>();
        Pipe->Owner = this;
        Pipe->ClassCode = ExtThd.ClassCode;
        Pipe->PipeKind = ExtThd.ClassCode;
    } else {
        Pipe.reset();
    }
    for (TThdInfo* m : Members())
        m->TypeCode = t->code;
    TypeName = t->display ? t->display : name;
    TypeCode = t->code;
}

void TTInfo::SetClass(const std::string& text) {
    const uint16_t code = ClassCodeOfText(text);
    for (TThdInfo* m : Members())
        m->ClassCode = code;
    ClassText = UpperCase(text);
    if (Pipe) Pipe->ClassCode = code, Pipe->PipeKind = code;
}

void TTInfo::SetNomDia(double d) {
    NomDia = d;
    for (TThdInfo* m : Members())
        m->NomDia = d;
}

void TTInfo::SetTPI(float n) {
    TPI = n;
    for (TThdInfo* m : Members())
        m->TPI = n;
}

void TTInfo::SetStarts(uint16_t starts) {
    if (starts < 1 || starts > 6) return;
    Starts = starts;
    for (TThdInfo* m : Members())
        m->Starts = starts;
}

void TTInfo::SetCoating(double t) {
    Coating = t;
    if (t < 0) return;
    for (TThdInfo* m : Members())
        m->Coating = t;
}

void TTInfo::SetLOE(double loe) {
    for (TThdInfo* m : Members()) {
        m->LOE = loe;
        m->StdLOE = 0;
    }
}

int TTInfo::SetWireSize(double size) {
    if (size > ExtThd.MaxWire) return 1;
    if (size < ExtThd.MinWire) return 2;
    for (TThdInfo* m : {&ExtThd, &GoSetPlug, &NoGoSetPlug, &GoPlug, &NoGoPlug}) {
        m->CurWire = size;
        m->UseBestWire = 0;
    }
    return 0;
}

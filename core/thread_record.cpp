#include "core/thread_record.h"

#include "core/number_text.h"
#include "core/pipe_record.h"

#include <cmath>

namespace {

struct ClassEntry {
    const char* text;
    uint16_t code;
};

const ClassEntry kClasses[] = {
    {"0", 0},  {"1", 1},    {"2", 2},     {"3", 3},     {"2G", 4},    {"3G", 5},    {"4G", 6},
    {"5G", 7}, {"NPT", 20}, {"NPSC", 21}, {"NPTR", 22}, {"NPSM", 23}, {"NPSL", 24},
};

} // namespace

uint16_t ClassCodeOfText(const std::string& text) {
    const std::string upper = UpperCase(text);
    for (const auto& c : kClasses)
        if (upper == c.text) return c.code;
    return 0;
}

double TThdInfo::Pitch() const {
    if (HoldsMillimetres(TypeCode)) return std::round(static_cast<double>(TPI) * 1e6) / 1e6;
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
    const double k = ThreadTypeOf(TypeCode).platingPDFactor;
    if (k == 0) return;
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

std::array<TThdInfo*, 8> TTInfo::Members() {
    return {&GoPlug, &NoGoPlug, &GoRing, &NoGoRing, &IntThd, &ExtThd, &GoSetPlug, &NoGoSetPlug};
}

void TTInfo::SetThreadType(const std::string& name) {
    const uint16_t code = TypeCodeOfName(name);
    if (code == 0) return;
    if (ThreadTypeOf(code).limits == LimitsFrom::PipeTables) {
        Pipe = std::make_unique<TThdNPT>();
        Pipe->Owner = this;
        Pipe->ClassCode = ExtThd.ClassCode;
        Pipe->PipeKind = ExtThd.ClassCode;
    } else {
        Pipe.reset();
    }
    for (TThdInfo* m : Members())
        m->TypeCode = code;
    TypeName = ShownTypeName(name);
    TypeCode = code;
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

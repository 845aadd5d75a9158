#include "cli/record_json.h"

#include "cli/json_writer.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "core/thread_types.h"
#include "pipe/pipe_fills.h"

#include <algorithm>
#include <string_view>

namespace {

// What a member is to the thread: the product's threads, or a gauge.
MemberRole RoleOf(const TThdInfo& m) {
    if (!m.IsGage) return m.IsExternal ? kExternalThread : kInternalThread;
    if (m.IsSetPlug) return kSetPlugGauge;
    return m.IsInternal ? kRingGauge : kPlugGauge;
}

// The diameters of a member, as the pipe tables name them too.
using Dia = PipeDia;
constexpr Dia kPD = PipeDia::PD, kMajor = PipeDia::Major, kMinor = PipeDia::Minor;

// Which values of one diameter's limits the member has.
struct LimitsHas {
    bool max = true, min = true, gage = false, trunc = false, tol = false;
    bool coated = true; // the coating step ran: the uncoated copies are there
};

LimitsHas Has(const TTInfo& rec, std::string_view name, const TThdInfo& m, Dia dia, bool setDim) {
    const MemberRole role = RoleOf(m);
    const bool product = role == kExternalThread || role == kInternalThread;
    LimitsHas h;
    if (setDim) {
        // The pitch diameter entered, on the product threads alone.
        h.max = h.min = dia == kPD && product;
        h.coated = false;
        return h;
    }
    if (rec.Pipe) {
        // A size the table's row leaves empty reads 0; its page shows N/A.
        const TDimLimits& d = dia == kPD ? m.PD : dia == kMajor ? m.Major : m.Minor;
        h.max = d.Max != 0 && PipeMemberFills(*rec.Pipe, name, dia, "Max");
        h.min = d.Min != 0 && PipeMemberFills(*rec.Pipe, name, dia, "Min");
        h.gage = d.Gage != 0 && PipeMemberFills(*rec.Pipe, name, dia, "Gage");
        return h;
    }
    const MemberValues& values = ThreadTypeOf(m.TypeCode).members;
    if (dia == kMajor && (values.noMajorMax & role)) h.max = false;
    if (dia == kMinor && (values.noMinorMin & role)) h.min = false;
    // A gauge is made to its sizes, except at a root it clears.
    if (!product) {
        const bool root =
            (dia == kMinor && role != kRingGauge) || (dia == kMajor && role == kRingGauge);
        h.gage = !(root && values.gaugesClearRoot);
    }
    h.trunc = dia == kMajor && role == kSetPlugGauge && values.truncatedSetPlug;
    switch (values.tolColumns) {
    case TolColumns::InternalPDFromTable:
        h.tol = dia == kPD && role == kInternalThread && m.FromTable;
        break;
    case TolColumns::IsoMetric:
        h.tol = (role == kExternalThread && dia != kMinor) ||
                (role == kInternalThread && dia != kMajor);
        break;
    case TolColumns::None:
        break;
    }
    return h;
}

void Limits(JsonWriter& j, const JsonKey& name, const TDimLimits& d, const LimitsHas& h,
            bool gauge) {
    if (!j.Wants(name.text())) return;
    j.Key(name);
    j.Open('{');
    j.Put("Max", d.Max, h.max);
    j.Put("Min", d.Min, h.min);
    j.Put("Gage", d.Gage, h.gage);
    j.Put("GageTrunc", d.GageTrunc, h.trunc);
    // A tolerance of 0 is one this thread's steps did not work out.
    j.Put("Tol", d.Tol, h.tol && d.Tol > 0);
    j.Put("UncoatedMax", d.UncoatedMax, h.max && h.coated);
    j.Put("UncoatedMin", d.UncoatedMin, h.min && h.coated);
    j.Key("Sign");
    if (gauge)
        j.String(d.Sign);
    else
        j.Null();
    j.Close('}');
}

// A catalogue point or roll, not "NONE" or nothing.
bool Catalogued(const std::string& s) {
    return !s.empty() && s != "NONE";
}

void Member(JsonWriter& j, const TTInfo& rec, const JsonKey& name, const TThdInfo& m, bool setDim) {
    if (!j.Wants(name.text())) return;
    const ThreadType& type = ThreadTypeOf(m.TypeCode);
    const MemberRole role = RoleOf(m);
    const bool pipe = rec.Pipe != nullptr;
    const bool gauge = role != kExternalThread && role != kInternalThread;
    // The Set Dim tool works out the product threads' form and settings only.
    const bool worked = !(setDim && gauge);
    j.Key(name);
    j.Open('{');
    Limits(j, "PD", m.PD, Has(rec, name.text(), m, kPD, setDim), gauge);
    Limits(j, "Major", m.Major, Has(rec, name.text(), m, kMajor, setDim), gauge);
    Limits(j, "Minor", m.Minor, Has(rec, name.text(), m, kMinor, setDim), gauge);
    if (!j.WantsOtherThan({"PD", "Major", "Minor"})) return j.Close('}');
    j.Put("NomDia", m.NomDia);
    // ISO metric classes are tolerance classes of the product threads; the
    // Set Dim tool takes none.
    j.Put("ClassCode", m.ClassCode, !setDim && !(type.metricByDefault && gauge));
    j.Put("TPI", m.TPI);
    j.Put("TypeCode", m.TypeCode);
    j.Put("Starts", m.Starts);
    j.Put("Coating", m.Coating);
    // Wires measure external threads only.
    const bool wires = worked && type.wireForm != WireForm::None && m.IsExternal;
    j.Put("BestWire", m.BestWire, wires);
    j.Put("CurWire", m.CurWire, wires);
    j.Put("MinWire", m.MinWire, wires);
    j.Put("MaxWire", m.MaxWire, wires);
    j.Put("RootWire", m.RootWire, type.wireForm == WireForm::TwentyNine && role == kExternalThread);
    // A V setting exists for some points only: 0 is the form step's "none".
    const bool point = worked && !pipe && Catalogued(m.PointName);
    j.Put("SetToV", m.SetToV, point && m.SetToV != 0);
    j.Put("SetToFlat", m.SetToFlat, point);
    j.Put("PointDia", m.PointDia, point);
    const bool radius = worked && (type.members.rootRadius & role);
    j.Put("RootRadMax", m.RootRadMax, radius);
    j.Put("RootRadMin", m.RootRadMin, radius);
    const bool flat = worked && !pipe && (type.members.rootFlat & role);
    // The Set Dim tool works out no form of a 30- or 55-degree thread: 0.
    j.Put("RootWidth", m.RootWidth, flat && m.RootWidth > 0);
    j.Put("ThdHeight", m.ThdHeight, worked && !pipe && m.ThdHeight > 0);
    j.PutBool("FromTable", m.FromTable != 0);
    j.PutBool("IsGage", m.IsGage != 0);
    j.PutBool("IsInternal", m.IsInternal != 0);
    j.PutBool("IsExternal", m.IsExternal != 0);
    j.PutBool("IsSetPlug", m.IsSetPlug != 0);
    j.PutBool("StdLOE", m.StdLOE != 0);
    // ISO metric threads take an engagement group or a custom length, pipe threads none.
    const bool standardLE = !setDim && !pipe && !type.metricByDefault;
    j.Put("StdLE", m.StdLE, standardLE);
    // An ISO engagement group other than N has no length.
    j.Put("LOE", m.LOE, standardLE || (!setDim && !pipe && m.StdLOE == 0 && m.LOE > 0));
    j.Put("LEBasis", m.LEBasis, standardLE);
    j.PutBool("UseClassW", m.UseClassW != 0);
    j.Put("Series", m.Series);
    j.Put("PointName", m.PointName);
    const TGageSetting& g = m.Setting;
    const bool roll = worked && !pipe && Catalogued(g.RollNumber);
    if (j.Wants("Setting")) {
        j.Key("Setting");
        j.Open('{');
        j.Put("PointModel", g.PointModel);
        j.Put("RollModel", g.RollModel);
        j.Put("PointName", m.PointName);
        j.Put("RollNumber", g.RollNumber);
        j.Put("PointDia", m.PointDia, point);
        j.Put("PointOffset", g.PointOffset, point);
        j.Put("SetToFlat", m.SetToFlat, point);
        j.Put("SetToV", m.SetToV, point && m.SetToV != 0);
        j.Put("RollConstant", g.RollConstant, roll);
        j.Put("RollLeadCorr", g.RollLeadCorr, roll);
        j.Put("RollSetting", g.RollSetting, roll);
        j.Put("DiffAnalTol", g.DiffAnalTol, roll && !setDim); // of limits the tool has not
        j.PutBool("SmallGage", g.SmallGage != 0);
        j.PutBool("VerySmall", g.VerySmall != 0);
        j.Close('}');
    }
    j.Close('}');
}

void Members(JsonWriter& j, const TTInfo& rec, bool setDim) {
    j.Key("members");
    j.Open('{');
    j.Put("unit", RecordUnit(rec));
    Member(j, rec, "ExtThd", rec.ExtThd, setDim);
    Member(j, rec, "IntThd", rec.IntThd, setDim);
    Member(j, rec, "GoPlug", rec.GoPlug, setDim);
    Member(j, rec, "NoGoPlug", rec.NoGoPlug, setDim);
    Member(j, rec, "GoRing", rec.GoRing, setDim);
    Member(j, rec, "NoGoRing", rec.NoGoRing, setDim);
    Member(j, rec, "GoSetPlug", rec.GoSetPlug, setDim);
    Member(j, rec, "NoGoSetPlug", rec.NoGoSetPlug, setDim);
    j.Close('}');
}

} // namespace

void DocumentHead(JsonWriter& j, const char* unit) {
    j.Put("schema", kJsonSchemaVersion);
    j.Put("unit", unit);
}

const char* RecordUnit(const TTInfo& rec) {
    return HoldsMillimetres(rec.ExtThd.TypeCode) ? "mm" : "in";
}

void RecordJson(JsonWriter& j, const TTInfo& rec, bool setDim) {
    if (j.Wants("members")) Members(j, rec, setDim);
    if (!j.Wants("record")) return;
    j.Key("record");
    j.Open('{');
    j.Put("unit", RecordUnit(rec));
    // As the gauge pages show them: a tolerance of 0 is one the set's row
    // leaves out, and so is a half-angle of 0 degrees 0 minutes; 0 degrees
    // with some minutes is a value.
    const auto tols = [&](JsonKey dia, JsonKey pd, JsonKey lead, JsonKey deg, JsonKey min,
                          double diaTol, double pdTol, double leadTol, double angleDeg,
                          double angleMin) {
        j.Put(dia, diaTol, diaTol != 0);
        j.Put(pd, pdTol, pdTol != 0);
        j.Put(lead, leadTol, leadTol != 0);
        const bool angle = angleDeg != 0 || angleMin != 0;
        j.Put(deg, angleDeg, angle);
        j.Put(min, angleMin, angle);
    };
    tols("XDiaTol", "XPDTol", "XLeadTol", "XAngleDeg", "XAngleMin", rec.XDiaTol, rec.XPDTol,
         rec.XLeadTol, rec.XAngleDeg, rec.XAngleMin);
    tols("WDiaTol", "WPDTol", "WLeadTol", "WAngleDeg", "WAngleMin", rec.WDiaTol, rec.WPDTol,
         rec.WLeadTol, rec.WAngleDeg, rec.WAngleMin);
    j.PutBool("ClassW", rec.ClassW != 0);
    j.Put("NomDia", rec.NomDia);
    j.Put("TPI", rec.TPI);
    j.Put("Starts", rec.Starts);
    j.Put("Coating", rec.Coating);
    j.Put("TypeName", rec.TypeName);
    j.Put("ClassText", rec.ClassText);
    j.Put("NomDiaText", rec.NomDiaText);
    j.Close('}');
}

#include "cli/record_json.h"

#include "cli/json_writer.h"
#include "core/thread_record.h"

namespace {

void Limits(JsonWriter& j, const char* name, const TDimLimits& d) {
    j.Key(name);
    j.Open('{');
    j.Put("Max", d.Max);
    j.Put("Min", d.Min);
    j.Put("Gage", d.Gage);
    j.Put("GageTrunc", d.GageTrunc);
    j.Put("Tol", d.Tol);
    j.Put("UncoatedMax", d.UncoatedMax);
    j.Put("UncoatedMin", d.UncoatedMin);
    j.Put("Sign", d.Sign);
    j.Close('}');
}

void Member(JsonWriter& j, const char* name, const TThdInfo& m) {
    j.Key(name);
    j.Open('{');
    Limits(j, "PD", m.PD);
    Limits(j, "Major", m.Major);
    Limits(j, "Minor", m.Minor);
    j.Put({
        {"NomDia", m.NomDia},
        {"ClassCode", m.ClassCode},
        {"TPI", m.TPI},
        {"TypeCode", m.TypeCode},
        {"Starts", m.Starts},
        {"Coating", m.Coating},
        {"BestWire", m.BestWire},
        {"CurWire", m.CurWire},
        {"MinWire", m.MinWire},
        {"MaxWire", m.MaxWire},
        {"RootWire", m.RootWire},
        {"SetToV", m.SetToV},
        {"SetToFlat", m.SetToFlat},
        {"PointDia", m.PointDia},
        {"RootRadMax", m.RootRadMax},
        {"RootRadMin", m.RootRadMin},
        {"RootWidth", m.RootWidth},
        {"ThdHeight", m.ThdHeight},
        {"FromTable", m.FromTable},
        {"IsGage", m.IsGage},
        {"IsInternal", m.IsInternal},
        {"IsExternal", m.IsExternal},
        {"IsSetPlug", m.IsSetPlug},
        {"StdLOE", m.StdLOE},
        {"StdLE", m.StdLE},
        {"LOE", m.LOE},
        {"LEBasis", m.LEBasis},
        {"UseClassW", m.UseClassW},
    });
    j.Put("Series", m.Series);
    j.Put("PointName", m.PointName);
    const TGageSetting& g = m.Setting;
    j.Key("Setting");
    j.Open('{');
    j.Put("PointModel", g.PointModel);
    j.Put("RollModel", g.RollModel);
    j.Put("PointName", m.PointName);
    j.Put("RollNumber", g.RollNumber);
    j.Put({{"PointDia", m.PointDia},
           {"PointOffset", g.PointOffset},
           {"SetToFlat", m.SetToFlat},
           {"SetToV", m.SetToV},
           {"RollConstant", g.RollConstant},
           {"RollLeadCorr", g.RollLeadCorr},
           {"RollSetting", g.RollSetting},
           {"DiffAnalTol", g.DiffAnalTol},
           {"SmallGage", g.SmallGage},
           {"VerySmall", g.VerySmall}});
    j.Close('}');
    j.Close('}');
}

} // namespace

void RecordJson(JsonWriter& j, const TTInfo& rec) {
    j.Key("members");
    j.Open('{');
    Member(j, "ExtThd", rec.ExtThd);
    Member(j, "IntThd", rec.IntThd);
    Member(j, "GoPlug", rec.GoPlug);
    Member(j, "NoGoPlug", rec.NoGoPlug);
    Member(j, "GoRing", rec.GoRing);
    Member(j, "NoGoRing", rec.NoGoRing);
    Member(j, "GoSetPlug", rec.GoSetPlug);
    Member(j, "NoGoSetPlug", rec.NoGoSetPlug);
    j.Close('}');
    j.Key("record");
    j.Open('{');
    j.Put({
        {"XDiaTol", rec.XDiaTol},
        {"XPDTol", rec.XPDTol},
        {"XLeadTol", rec.XLeadTol},
        {"XAngleDeg", rec.XAngleDeg},
        {"XAngleMin", rec.XAngleMin},
        {"WDiaTol", rec.WDiaTol},
        {"WPDTol", rec.WPDTol},
        {"WLeadTol", rec.WLeadTol},
        {"WAngleDeg", rec.WAngleDeg},
        {"WAngleMin", rec.WAngleMin},
        {"ClassW", rec.ClassW},
        {"NomDia", rec.NomDia},
        {"TPI", rec.TPI},
        {"Starts", rec.Starts},
        {"Coating", rec.Coating},
    });
    j.Put("TypeName", rec.TypeName);
    j.Put("ClassText", rec.ClassText);
    j.Put("NomDiaText", rec.NomDiaText);
    j.Close('}');
}

#include "pages/thread_file.h"

#include "core/diameter_entry.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/rounding.h"
#include "core/thread_record.h"

#include <filesystem>

namespace {

bool IsMetric(const TTInfo& rec)
{
    return rec.ExtThd.TypeCode == kTypeM || rec.ExtThd.TypeCode == kTypeMJ;
}

// Values are stored with six decimals, so a value read back equals the one in
// the record only to that precision; comparing exactly would turn a standard
// engagement or the best wire into a custom one on every reopen.
bool SameAsStored(double stored, double current)
{
    return FloatText(stored) == FloatText(current);
}

// Takes the typed diameter text back only when it still names the stored
// diameter, so a hand-edited "Nom Dia" is never shown under an old name.
void RestoreNomDiaText(TTInfo& rec, const std::string& text)
{
    if (text.empty()) return;
    const DiameterEntry e = ParseDiameterEntry(text);
    if (e.value > 0 && RoundTo(e.value, 4) == RoundTo(rec.NomDia, 4)) rec.NomDiaText = e.text;
}

} // namespace

bool SaveToFile(TTInfo& rec, const std::string& fileName, std::string* error)
{
    IniFile ini(fileName);
    ini.WriteString("MAIN", "Thd Type", rec.TypeName);
    if (IsMetric(rec)) {
        ini.WriteString("MAIN", "ExtTolInfo", rec.ExtThd.TolInfoText());
        ini.WriteString("MAIN", "IntTolInfo", rec.IntThd.TolInfoText());
    } else {
        ini.WriteString("MAIN", "Class", rec.ClassText);
    }
    ini.WriteString("MAIN", "Nom Dia", FloatText(rec.NomDia));
    // The diameter as typed ("1/4", "#10") keeps the designation of a reopened
    // thread as it was; "Nom Dia" stays the value that counts.
    ini.WriteString("MAIN", "Nom Dia Text", Trim(rec.NomDiaText));
    ini.WriteString("MAIN", "TPI", FloatText(rec.TPI));
    ini.WriteString("MAIN", "LOE", FloatText(rec.ExtThd.LOE));
    ini.WriteString("WIRE", "CurrentSize", FloatText(rec.ExtThd.CurWire));
    ini.WriteString("TIPS", "CurrentTip", rec.ExtThd.PointName);
    ini.WriteString("TIPS", "CurrentDia", FloatText(rec.ExtThd.PointDia));
    return ini.Save(error);
}

bool LoadFromFile(TTInfo& rec, const std::string& fileName, std::string* error)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec)) {
        if (error) *error = "File: " + fileName + " Does not exist!";
        return false;
    }
    const IniFile ini(fileName);
    rec.SetThreadType(ini.ReadString("MAIN", "Thd Type", ""));
    if (IsMetric(rec)) {
        rec.ExtThd.SetTolInfo(ini.ReadString("MAIN", "ExtTolInfo", "5g5g"));
        rec.IntThd.SetTolInfo(ini.ReadString("MAIN", "IntTolInfo", "5g4g"));
    } else {
        rec.SetClass(ini.ReadString("MAIN", "Class", ""));
    }
    rec.SetTPI(static_cast<float>(TextToFloat(ini.ReadString("MAIN", "TPI", "8"))));
    rec.SetNomDia(TextToFloat(ini.ReadString("MAIN", "Nom Dia", "1.0")));
    RestoreNomDiaText(rec, ini.ReadString("MAIN", "Nom Dia Text", ""));
    const double loe = TextToFloat(ini.ReadString("MAIN", "LOE", "0.0"));
    const double wire = TextToFloat(ini.ReadString("WIRE", "CurrentSize", "0.050"));

    rec.Calculate();
    if (!SameAsStored(loe, rec.ExtThd.LOE)) {
        rec.SetLOE(loe);
        rec.Calculate();
    }
    if (!SameAsStored(wire, rec.ExtThd.CurWire)) rec.SetWireSize(wire);
    return true;
}

#include "pages/thread_file.h"

#include "core/diameter_entry.h"
#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/stored_number.h"
#include "core/thread_record.h"
#include "families/gauge_setting.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "pipe/pipe_text.h"

#include <cmath>
#include <filesystem>

namespace {

// The file holds a computed value (the standard engagement, the best wire) in
// the six decimals of FloatText, and a value the user gave as exactly as
// StoredNumberText needs; the two are told apart by that text, so a standard
// engagement or the best wire does not turn into a custom one on reopening.
bool HoldsComputed(double stored, double computed) {
    return StoredNumberText(stored) == FloatText(computed);
}

// The typed diameter text names the thread in its designation. A number size
// or fraction comes back only when it still names the stored diameter; a
// decimal is always "%7.4f" of the diameter, so it is made again from the value.
void RestoreNomDiaText(TTInfo& rec, const std::string& text) {
    if (text.empty()) return;
    const DiameterEntry e = ParseDiameterEntry(text);
    const bool decimal = text.find('#') == std::string::npos && !e.fraction;
    if (decimal)
        rec.NomDiaText = FormatFixed(rec.NomDia, 7, 4);
    else if (e.value > 0 && FloatText(e.value) == FloatText(rec.NomDia))
        rec.NomDiaText = e.text;
}

constexpr const char* kCustomLOEKey = "Custom LOE";

LoadResult Refused(std::string message) {
    return {LoadResult::Status::Refused, std::move(message)};
}

} // namespace

bool SaveToFile(TTInfo& rec, const std::string& fileName, std::string* error) {
    IniFile ini(fileName);
    WriteThreadInputs(rec, ini);
    return ini.Save(error, IniFile::Folder::MustExist);
}

std::string ThreadFileText(const TTInfo& rec) {
    IniFile ini;
    WriteThreadInputs(rec, ini);
    return ini.Text();
}

void WriteThreadInputs(const TTInfo& rec, IniFile& ini) {
    ini.WriteString("MAIN", "Thd Type", rec.TypeName);
    if (MetricByDefault(rec.ExtThd.TypeCode)) {
        ini.WriteString("MAIN", "ExtTolInfo", rec.ExtThd.TolInfoText());
        ini.WriteString("MAIN", "IntTolInfo", rec.IntThd.TolInfoText());
        ini.WriteString("MAIN", "LOE Group", rec.LOEText.empty() ? "Standard" : rec.LOEText);
        ini.WriteString("MAIN", "Left Hand", rec.LeftHand ? "1" : "0");
    } else {
        ini.WriteString("MAIN", "Class", rec.ClassText);
    }
    ini.WriteString("MAIN", "Nom Dia", StoredNumberText(rec.NomDia));
    // The diameter as typed ("1/4", "#10") keeps the designation of a reopened
    // thread as it was; "Nom Dia" stays the value that counts.
    ini.WriteString("MAIN", "Nom Dia Text", Trim(rec.NomDiaText));
    ini.WriteString("MAIN", "TPI", StoredNumberText(rec.TPI));
    const bool customLOE = rec.ExtThd.StdLOE == 0 && CustomLOEAllowed(rec.ExtThd.TypeCode);
    ini.WriteString("MAIN", "LOE",
                    customLOE ? StoredNumberText(rec.ExtThd.LOE) : FloatText(rec.ExtThd.LOE));
    // A custom engagement equal to the standard one is still custom ("SE" in
    // the designation); a key left from an earlier save must not outlive it.
    if (customLOE || ini.HasKey("MAIN", kCustomLOEKey))
        ini.WriteString("MAIN", kCustomLOEKey, customLOE ? "1" : "0");
    ini.WriteString("MAIN", "Starts", std::to_string(rec.Starts));
    ini.WriteString("MAIN", "Coating", StoredNumberText(rec.Coating));
    ini.WriteString("MAIN", "Gage Class", rec.ClassW ? "W" : "X");
    ini.WriteString("WIRE", "CurrentSize",
                    rec.ExtThd.UseBestWire ? FloatText(rec.ExtThd.CurWire)
                                           : StoredNumberText(rec.ExtThd.CurWire));
    ini.WriteString("TIPS", "CurrentTip", rec.ExtThd.PointName);
    ini.WriteString("TIPS", "CurrentDia", StoredNumberText(rec.ExtThd.PointDia));
}

LoadResult ReadFileInputs(TTInfo& rec, const std::string& fileName) {
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec))
        return {LoadResult::Status::FileError, "File: " + fileName + " Does not exist!"};
    const IniFile ini(fileName);
    if (!ini.loadError().empty()) return {LoadResult::Status::FileError, ini.loadError()};
    // Empty, binary or UTF-16 text has no type key a reader can find.
    if (!ini.HasKey("MAIN", "Thd Type")) return Refused(fileName + " is not a thread file");
    const std::string typeName = ini.ReadString("MAIN", "Thd Type", "");
    rec.SetThreadType(typeName);
    const uint16_t type = rec.ExtThd.TypeCode;
    if (type == 0) return Refused(UnavailableTypeMessage(type, typeName));

    std::string note;
    if (MetricByDefault(type)) {
        // A class the grade dialog could not have made falls back to the
        // type's own, and the user is told.
        const MetricTolTexts defaults = DefaultMetricTols(type);
        auto tolerance = [&](const char* key, const std::string& fallback, bool internal) {
            const std::string stored = ini.ReadString("MAIN", key, "");
            const TolClassCheck c = CheckTolClass(type, stored, internal);
            if (c.message.empty()) return c.text;
            if (!stored.empty())
                note += (note.empty() ? "" : "\n") + c.message + ": " + fallback + " is used.";
            return fallback;
        };
        const std::string ext = tolerance("ExtTolInfo", defaults.external, false);
        const std::string in = tolerance("IntTolInfo", defaults.internal, true);
        const int group = ThreadTypeOf(type).engagement == Engagement::Group
                              ? MetricLOEGroupOf(ini.ReadString("MAIN", "LOE Group", ""))
                              : kNormalLOE;
        SetMetricInputs(rec, in, ext, group, ini.ReadString("MAIN", "Left Hand", "0") == "1");
    } else {
        const std::string cls = ini.ReadString("MAIN", "Class", "");
        const int typeIndex = TypeEntryIndex(type);
        // A class the type lacks is refused as a typed one is; none at all is
        // the type's default, as an option left out.
        if (!Trim(cls).empty())
            if (std::string refusal = ClassRefusal(typeIndex, cls); !refusal.empty())
                return Refused(refusal);
        const ClassChoice choice = ChooseClassEntry(typeIndex, cls);
        const auto entries = ClassEntries(typeIndex);
        rec.SetClass(choice.entry < 0 ? cls
                                      : entries[static_cast<std::size_t>(choice.entry)].classText);
        note = choice.note;
    }
    // A file that lost its last lines must not open as some other thread made
    // of defaults; a pipe thread's pitch comes from its tables.
    for (const char* key : {"Nom Dia", "TPI"})
        if (!ini.HasKey("MAIN", key) && !(rec.Pipe && std::string(key) == "TPI"))
            return Refused(fileName + " is not a complete thread file: no " + key);
    // The ranges of typed values, with their messages: a file edited by hand
    // must not calculate what the page refuses.
    const double tpi = TextToFloat(ini.ReadString("MAIN", "TPI", "8"));
    const double dia = TextToFloat(ini.ReadString("MAIN", "Nom Dia", "1.0"));
    const bool metric = MetricByDefault(type);
    if (!DiameterInRange(dia, metric)) return Refused(kInvalidDiameterMessage);
    if (!rec.Pipe && !PitchInRange(tpi, metric)) return Refused(kInvalidPitchMessage);
    if (PitchInRange(tpi, metric)) rec.SetTPI(static_cast<float>(tpi));
    if (!rec.Pipe)
        if (std::string range = StandardRangeRefusal(type, dia, tpi); !range.empty())
            return Refused(range);
    rec.SetNomDia(dia);
    if (rec.Pipe) {
        // The file keeps no size text: the nominal diameter is the size key of
        // one entry of the kind's list. One start and no coating, as entered.
        const int kind = PipeKindIndex(rec.ExtThd.ClassCode);
        const int size = PipeSizeIndex(kind, rec.NomDia);
        if (size < 0)
            return Refused("Can not calculate. The nominal diameter " +
                           Trim(FormatFixed(rec.NomDia, 1, 4)) + " is no " +
                           PipeKindText(rec.ExtThd.ClassCode) + " pipe size");
        rec.Pipe->SizeText = PipeSizeTexts(kind)[static_cast<std::size_t>(size)];
        return {LoadResult::Status::Loaded, note};
    }
    RestoreNomDiaText(rec, ini.ReadString("MAIN", "Nom Dia Text", ""));
    // Files of earlier versions have no starts: one.
    const std::string startsText = ini.ReadString("MAIN", "Starts", "1");
    const int starts = StartsOf(startsText);
    if (starts == 0) return Refused(kInvalidStartsMessage + startsText);
    rec.SetStarts(static_cast<uint16_t>(starts));
    double coating = 0;
    if (!ParseDecimal(ini.ReadString("MAIN", "Coating", "0"), coating) || coating < 0)
        return Refused(kInvalidCoatingMessage);
    rec.SetCoating(coating);
    return {LoadResult::Status::Loaded, note};
}

namespace {

// The point the file was saved with, when it is not the one the catalogue
// chooses: a special point, or another catalogue point entered by the user.
// A point the thread no longer takes keeps the catalogue's choice, and the
// note says so.
std::string RestorePoint(TTInfo& rec, const IniFile& ini) {
    const std::string tip = ini.ReadString("TIPS", "CurrentTip", "");
    if (tip.empty() || tip == "NONE" || tip == rec.ExtThd.PointName) return {};
    const std::string diaText = ini.ReadString("TIPS", "CurrentDia", "0.050");
    const double inches = TextToFloat(diaText);
    const bool mm = HoldsMillimetres(rec.TypeCode);
    if (inches > 0 && SetPointDia(rec, mm ? inches * 25.4 : inches) == PointDiaResult::Accepted)
        return {};
    const std::string kept = rec.ExtThd.PointName.empty() ? "none" : rec.ExtThd.PointName;
    return "Contact point " + tip + " (" + Trim(diaText) +
           " in) is not one this thread takes: " + kept + " is used.";
}

} // namespace

LoadResult LoadFromFile(TTInfo& rec, const std::string& fileName) {
    const LoadResult read = ReadFileInputs(rec, fileName);
    if (read.status != LoadResult::Status::Loaded) return read;
    const uint16_t type = rec.ExtThd.TypeCode;
    if (!FamilyAvailable(type)) return Refused(UnavailableTypeMessage(type, rec.TypeName));

    const IniFile ini(fileName);
    // A file without an engagement, or with none at all, is at the standard
    // one, and so is every type that takes no custom engagement (M: its group).
    const double loe =
        CustomLOEAllowed(type) ? TextToFloat(ini.ReadString("MAIN", "LOE", "0.0")) : 0;
    // Files of earlier versions may have no wire: 0.050, as they were read.
    const std::string wireText = ini.ReadString("WIRE", "CurrentSize", "");
    const double wire = TextToFloat(wireText.empty() ? "0.050" : wireText);
    const std::string gageClass = UpperCase(ini.ReadString("MAIN", "Gage Class", ""));
    const bool classX = gageClass.empty() ? !GaugeClassOptions(type).classW : gageClass == "X";

    if (loe > 0 && !LOEInRange(loe, rec.NomDia)) return Refused(kInvalidLOEMessage);
    rec.Calculate();
    // An engagement that differs from the standard one is custom, key or not.
    const bool custom = Trim(ini.ReadString("MAIN", kCustomLOEKey, "0")) == "1";
    if (loe > 0 && (custom || !HoldsComputed(loe, rec.ExtThd.LOE))) {
        rec.SetLOE(loe);
        rec.Calculate();
    }
    const std::string coating = CoatingRefusal(rec);
    if (!coating.empty()) return Refused(coating);
    if (!rec.Refusal.empty()) return Refused(rec.Refusal);
    std::string note = read.message;
    const auto add = [&note](const std::string& line) {
        if (!line.empty()) note += (note.empty() ? "" : "\n") + line;
    };
    const TThdInfo& ext = rec.ExtThd;
    if (!HoldsComputed(wire, ext.CurWire) && rec.SetWireSize(wire) != 0 && !wireText.empty())
        add("Wire size " + Trim(wireText) +
            " is not between the thread's smallest and largest wire (" + Len5Text(ext.MinWire) +
            " to " + Len5Text(ext.MaxWire) + "): " + Len5Text(ext.CurWire) + " is used.");
    add(RestorePoint(rec, ini));
    rec.ClassW = GaugeClassOptions(type, classX).classW;
    return {LoadResult::Status::Loaded, note};
}

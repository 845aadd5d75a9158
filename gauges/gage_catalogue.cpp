#include "gauges/gage_catalogue.h"

#include "core/number_text.h"
#include "core/settings.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace {

TGageCatalogue g_catalogue;
std::vector<std::string> g_messages;
std::string g_loadedPath;
bool g_loaded = false;

// The fields of a line, blanks removed, into `fields` (its strings are reused:
// every plcalc run reads some 650 catalogue lines).
void SplitFields(std::string_view line, std::vector<std::string>& fields) {
    std::size_t n = 0;
    for (std::size_t at = 0;; ++n) {
        std::size_t end = line.find(',', at);
        if (end == std::string_view::npos) end = line.size();
        if (n == fields.size()) fields.emplace_back();
        std::string& field = fields[n];
        field.clear();
        // Copied in runs between the blanks, which are dropped.
        for (std::size_t i = at; i < end;) {
            std::size_t stop = i;
            while (stop < end && line[stop] != ' ' && line[stop] != '\t' && line[stop] != '\r')
                ++stop;
            field.append(line.data() + i, stop - i);
            i = stop + 1;
        }
        if (end == line.size()) break;
        at = end + 1;
    }
    fields.resize(n + 1);
}

std::string Unquote(const std::string& s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

// Why one line is refused; caught per line, so the others still load.
struct LineProblem {
    std::string text;
};

[[noreturn]] void Fail(const std::string& problem) {
    throw LineProblem{problem};
}

int32_t IntField(const std::string& s) {
    int32_t v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size())
        Fail("'" + s + "' is not a whole number");
    return v;
}

double NumField(const std::string& s, const char* what) {
    double v = 0;
    if (!ParseDecimal(s, v)) Fail(std::string(what) + " '" + s + "' is not a number");
    return v;
}

std::string Inches(double v) {
    return Trim(FormatFixed(v, 0, 4));
}

// The threads per inch, or a pitch in millimetres, of a line (into `v`); its
// pitch in inches.
double PitchField(const std::string& s, bool millimetres, double& v) {
    v = NumField(s, millimetres ? "pitch" : "threads per inch");
    if (!(v > 0))
        Fail(std::string(millimetres ? "pitch " : "threads per inch ") + s + " is not above 0");
    // The ranges of a typed pitch.
    if (!(v <= (millimetres ? 50 : 200)))
        Fail(millimetres ? "pitch " + s + " is above 50 mm"
                         : "threads per inch " + s + " is above 200");
    return millimetres ? v / 25.4 : 1 / v;
}

// A diameter or constant that must fit in the thread's groove.
double BelowPitch(const std::string& s, const char* what, double pitch) {
    const double v = NumField(s, what);
    if (!(v > 0)) Fail(std::string(what) + " " + s + " is not above 0");
    if (!(v < pitch))
        Fail(std::string(what) + " " + s + " is not below the pitch " + Inches(pitch));
    return v;
}

template <class Row, class Parse>
std::vector<Row> ParseLines(const std::string& text, const std::string& file,
                            std::vector<std::string>& problems, Parse parse) {
    std::vector<Row> rows;
    std::vector<std::string> f;
    int n = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + at, end - at);
        at = end + 1;
        ++n;
        SplitFields(line, f);
        if (f.size() == 1 && f[0].empty()) continue; // blank line
        try {
            parse(f, rows);
        } catch (const LineProblem& p) {
            problems.push_back(file + ":" + std::to_string(n) + ": " + p.text);
        }
    }
    return rows;
}

std::string ReadText(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadWholeFile(path, kCatalogueFileLimit);
    return std::string(bytes.begin(), bytes.end());
}

// A file that cannot be read keeps the list it had; a refused line costs only itself.
template <class Row, class Parse>
void LoadList(const std::string& name, std::vector<Row>& list, Parse parse,
              std::vector<std::string>& messages) {
    const std::string path = TablePath(name);
    try {
        std::vector<Row> rows = parse(ReadText(path), path, messages);
        list.swap(rows);
    } catch (const FileError& e) {
        messages.push_back(e.what());
    }
}

bool SameKey(double a, double b) {
    return std::fabs(a - b) < 1e-6;
}

// The key values of the record: the lookup diameter in inches, the threads
// per inch for the point lookup and the stored value for the roll lookup.
struct LookupKeys {
    double Dq = 0;
    double nq = 0;
    double rollKey = 0;
};

LookupKeys KeysOf(const TTInfo& rec) {
    const TThdInfo& ext = rec.ExtThd;
    LookupKeys k;
    // The single-precision field read back to the digits it was typed with.
    const double stored = std::round(static_cast<double>(ext.TPI) * 1e6) / 1e6;
    k.rollKey = stored;
    k.Dq = ext.NomDia;
    k.nq = stored;
    // The catalogue is in inches; 30-degree points are keyed by the pitch in
    // millimetres, the other forms by threads per inch.
    if (HoldsMillimetres(rec.TypeCode)) {
        k.Dq = ext.NomDia / 25.4;
        if (PointFormOf(rec.TypeCode) != kPointForm30Deg) k.nq = EquivalentTPI(stored);
    }
    return k;
}

void ChooseModels(TThdInfo& m, bool internal, double Dq) {
    TGageSetting& s = m.Setting;
    s.PointModel.clear();
    s.RollModel.clear();
    if (internal) {
        s.SmallGage = 0;
        s.VerySmall = 0;
        if (Dq >= 0.625 && Dq <= 1.5)
            s.SmallGage = 1, s.VerySmall = 0, s.PointModel = s.RollModel = "QSP-2000";
        if (Dq >= 0.312 && Dq <= 0.625)
            s.SmallGage = 1, s.VerySmall = 1, s.PointModel = s.RollModel = "QSP-2000";
        if (s.PointModel.empty()) {
            s.PointModel = Dq <= 9 ? "QC-2200" : "QC-2201";
            s.RollModel = Dq <= 9 ? "QP-2200" : Dq <= 16 ? "QP-2201" : Dq <= 24 ? "QP-2202" : "";
        }
    } else {
        s.SmallGage = Dq <= 1.0 ? 1 : 0;
        s.VerySmall = 0;
        if (s.SmallGage) s.PointModel = s.RollModel = "QSR-3000";
        if (s.PointModel.empty()) {
            s.RollModel = Dq <= 4    ? "QR-3300"
                          : Dq <= 8  ? "QR-3301"
                          : Dq <= 12 ? "QR-3302"
                          : Dq <= 16 ? "QR-3303"
                          : Dq <= 20 ? "QR-3304"
                          : Dq <= 24 ? "QR-3305"
                                     : "";
            s.PointModel = Dq <= 6    ? "QC-4401"
                           : Dq <= 12 ? "QC-4402"
                           : Dq <= 16 ? "QC-4404"
                           : Dq <= 20 ? "QC-4406"
                           : Dq <= 24 ? "QC-4408"
                           : Dq <= 28 ? "QC-4410"
                           : Dq <= 36 ? "QC-4412"
                                      : "N/A";
        }
    }
    if (s.PointModel.empty()) s.PointModel = s.RollModel = "None Available";
}

void ChoosePoint(TThdInfo& m, int32_t form, double nq) {
    const TGageCatalogue& c = GageCatalogue();
    const std::vector<TPointRecord>& list = m.Setting.SmallGage == 1 ? c.SmallPoints : c.Points;
    for (const TPointRecord& p : list) {
        if (p.Form == form && SameKey(p.TPI, nq)) {
            m.PointName = p.Number;
            m.PointDia = p.Dia;
            m.Setting.PointOffset = p.Offset;
            return;
        }
    }
}

void TakeRoll(TThdInfo& m, const TRollRecord* r) {
    m.Setting.RollNumber = r ? r->Number : std::string();
    m.Setting.RollConstant = r ? r->Constant : 0;
}

bool UsesInternalList(int32_t code) {
    return code == 1 || code == 6 || code == 7;
}

void ChooseInternalRoll(TThdInfo& m, int32_t code, double key) {
    const TGageCatalogue& c = GageCatalogue();
    const bool small = m.Setting.SmallGage == 1;
    const std::vector<TRollRecord>& list = small ? c.SmallRolls : c.Rolls;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].Code != code || !SameKey(list[i].TPI, key)) continue;
        const int index = static_cast<int>(i);
        if (small && m.Setting.VerySmall == 1) {
            const int j = FindInternalRoll(2, index, key);
            TakeRoll(m, j >= 0 ? &c.VerySmallIntRolls[static_cast<std::size_t>(j)] : nullptr);
        } else if (UsesInternalList(code)) {
            const int mode = small ? 1 : 0;
            const int j = FindInternalRoll(mode, index, key);
            const std::vector<TRollRecord>& in = small ? c.SmallIntRolls : c.IntRolls;
            TakeRoll(m, j >= 0 ? &in[static_cast<std::size_t>(j)] : nullptr);
        } else {
            TakeRoll(m, &list[i]);
        }
        return;
    }
}

void ChooseExternalRoll(TThdInfo& m, int32_t code, double key) {
    const TGageCatalogue& c = GageCatalogue();
    for (const TRollRecord& r : m.Setting.SmallGage == 1 ? c.SmallRolls : c.Rolls)
        if (r.Code == code && SameKey(r.TPI, key)) TakeRoll(m, &r);
}

void ClearRolls(TTInfo& rec) {
    for (TThdInfo* m : {&rec.IntThd, &rec.ExtThd}) {
        m->Setting.RollSetting = 0;
        m->Setting.RollModel = "None Available";
        m->Setting.RollNumber.clear();
    }
}

void NoSetting(TThdInfo& m, bool external) {
    m.PointDia = 0;
    m.SetToFlat = 0;
    m.Setting.RollSetting = 0;
    m.Setting.DiffAnalTol = 0;
    m.PointName = "NONE";
    m.Setting.RollNumber = "NONE";
    if (external) m.SetToV = 0;
}

} // namespace

const std::vector<std::string>& GageCatalogueFiles() {
    static const std::vector<std::string> files = {"points.tbl",  "smpnts.tbl",   "rolls.tbl",
                                                   "smrolls.tbl", "introlls.tbl", "smintrol.tbl",
                                                   "vsminrol.tbl"};
    return files;
}

std::vector<TPointRecord> ParsePointLines(const std::string& text, const std::string& file,
                                          std::vector<std::string>& problems) {
    return ParseLines<TPointRecord>(
        text, file, problems,
        [](const std::vector<std::string>& f, std::vector<TPointRecord>& rows) {
            if (f.size() != 5)
                Fail("a point line has 5 fields, this one " + std::to_string(f.size()));
            TPointRecord p;
            p.Form = IntField(f[0]);
            if (p.Form < 1 || p.Form > kPointForm30Deg)
                Fail("point form " + f[0] + " is not 1 to 4");
            // 30-degree trapezoidal points are keyed by the pitch in millimetres.
            const double pitch = PitchField(f[1], p.Form == kPointForm30Deg, p.TPI);
            p.Number = Unquote(f[2]);
            p.Dia = BelowPitch(f[3], "point diameter", pitch);
            p.Offset = NumField(f[4], "point offset");
            // The tip relief is a sagitta of the point's own ball.
            if (!(p.Offset >= 0)) Fail("point offset " + f[4] + " is below 0");
            if (!(p.Offset < p.Dia / 2))
                Fail("point offset " + f[4] + " is not below half the point diameter " +
                     Inches(p.Dia / 2));
            rows.push_back(p);
        });
}

std::vector<TRollRecord> ParseRollLines(const std::string& text, const std::string& file,
                                        std::vector<std::string>& problems) {
    return ParseLines<TRollRecord>(
        text, file, problems,
        [](const std::vector<std::string>& f, std::vector<TRollRecord>& rows) {
            if (f.size() <= 3) return; // too short to be a roll
            if (f.size() != 4)
                Fail("a roll line has 4 fields, this one " + std::to_string(f.size()));
            TRollRecord r;
            r.Code = IntField(f[0]);
            if (r.Code < 1 || r.Code > 9) Fail("roll code " + f[0] + " is not 1 to 9");
            // Metric and 30-degree trapezoidal rolls are keyed by the pitch in millimetres.
            const double pitch = PitchField(f[1], r.Code == 6 || r.Code == 9, r.TPI);
            r.Number = Unquote(f[2]);
            r.Constant = BelowPitch(f[3], "roll constant", pitch);
            rows.push_back(r);
        });
}

std::vector<std::string> LoadGageCatalogue() {
    std::vector<std::string> messages;
    const std::string path = Settings().TableDataPath;
    if (path != g_loadedPath) g_catalogue = TGageCatalogue();
    TGageCatalogue& c = g_catalogue;
    LoadList("points.tbl", c.Points, ParsePointLines, messages);
    LoadList("smpnts.tbl", c.SmallPoints, ParsePointLines, messages);
    LoadList("rolls.tbl", c.Rolls, ParseRollLines, messages);
    LoadList("smrolls.tbl", c.SmallRolls, ParseRollLines, messages);
    LoadList("introlls.tbl", c.IntRolls, ParseRollLines, messages);
    LoadList("smintrol.tbl", c.SmallIntRolls, ParseRollLines, messages);
    LoadList("vsminrol.tbl", c.VerySmallIntRolls, ParseRollLines, messages);
    g_loadedPath = path;
    g_loaded = true;
    g_messages = messages;
    return messages;
}

const TGageCatalogue& GageCatalogue() {
    if (!g_loaded || g_loadedPath != Settings().TableDataPath) LoadGageCatalogue();
    return g_catalogue;
}

const std::vector<std::string>& GageCatalogueMessages() {
    GageCatalogue();
    return g_messages;
}

int32_t PointFormOf(uint16_t type) {
    return ThreadTypeOf(type).pointForm;
}

int32_t RollCodeOf(uint16_t type) {
    return ThreadTypeOf(type).rollCode;
}

double EquivalentTPI(double p) {
    static const double limits[][2] = {{1, 24},     {1.25, 20}, {1.5, 16}, {2, 14},   {2.25, 11.5},
                                       {2.5, 10},   {2.75, 9},  {3.5, 8},  {3.75, 7}, {4.25, 6},
                                       {4.75, 5.5}, {5.25, 5},  {6, 4.5},  {7, 4},    {9, 3.5}};
    for (const auto& l : limits)
        if (p <= l[0] + 1e-9) return l[1];
    return 0;
}

int FindInternalRoll(int mode, int index, double tpi) {
    const TGageCatalogue& c = GageCatalogue();
    const std::vector<TRollRecord>& from = mode == 0 ? c.Rolls : c.SmallRolls;
    if (index < 0 || static_cast<std::size_t>(index) >= from.size()) return -1;
    const int32_t code = from[static_cast<std::size_t>(index)].Code;
    const std::vector<TRollRecord>& in = mode == 0   ? c.IntRolls
                                         : mode == 1 ? c.SmallIntRolls
                                                     : c.VerySmallIntRolls;
    for (std::size_t i = 0; i < in.size(); ++i)
        if (in[i].Code == code && SameKey(in[i].TPI, tpi)) return static_cast<int>(i);
    return -1;
}

void SelectGageCatalogue(TTInfo& rec) {
    const LookupKeys k = KeysOf(rec);
    TThdInfo& in = rec.IntThd;
    TThdInfo& ext = rec.ExtThd;
    ChooseModels(in, true, k.Dq);
    ChooseModels(ext, false, k.Dq);

    // A record calculated again for another pitch must not keep the point and
    // roll of the old one when the catalogue has none for the new pitch.
    for (TThdInfo* m : {&in, &ext}) {
        m->PointName.clear();
        m->PointDia = 0;
        m->Setting.PointOffset = 0;
        TakeRoll(*m, nullptr);
    }
    const int32_t form = PointFormOf(rec.TypeCode);
    if (form != 0 && k.nq > 0) {
        ChoosePoint(ext, form, k.nq);
        ChoosePoint(in, form, k.nq);
    }
    const int32_t code = RollCodeOf(rec.TypeCode);
    if (code != 0) {
        ChooseInternalRoll(in, code, k.rollKey);
        ChooseExternalRoll(ext, code, k.rollKey);
    }
    for (TThdInfo* m : {&in, &ext})
        m->Setting.DiffAnalTol = m->PointDia != 0 ? 0.4 * (m->PD.Max - m->PD.Min) : 0.0;

    // The rolls' lead correction: the helix of the thread against the rolls'
    // straight ribs, from the lead angle t = lead / circumference.
    const double n = HoldsMillimetres(rec.TypeCode) ? (k.rollKey > 0 ? 25.4 / k.rollKey : 0) : k.nq;
    double corr = 0;
    if (k.Dq > 0 && n > 0) {
        const double t = 1 / (std::numbers::pi * k.Dq * n);
        corr = t * t * ThreadTypeOf(rec.TypeCode).rollLeadFactor;
    }
    in.Setting.RollLeadCorr = ext.Setting.RollLeadCorr = corr;

    const double scale = HoldsMillimetres(rec.TypeCode) ? 25.4 : 1;
    in.Setting.RollSetting = (in.PD.Min / scale + in.Setting.RollConstant - corr) * scale;
    ext.Setting.RollSetting = (ext.PD.Max / scale - ext.Setting.RollConstant + corr) * scale;

    if (code == 0 || ext.Setting.RollNumber.empty()) ClearRolls(rec);
    // Without its roll an internal thread has no roll setting: the roll
    // constant is part of it.
    if (in.Setting.RollNumber.empty()) in.Setting.RollSetting = 0;
    for (TThdInfo* m : {&in, &ext})
        if (std::fabs(m->Setting.RollSetting) < 0.00001) m->Setting.RollSetting = 0;
}

void CleanUpGageCatalogue(TTInfo& rec) {
    TThdInfo& in = rec.IntThd;
    TThdInfo& ext = rec.ExtThd;
    ClearVSettingsThatDoNotApply(rec);
    const double d = HoldsMillimetres(rec.TypeCode) ? rec.NomDia / 25.4 : rec.NomDia;
    if (d < kSmallestIntSetting || in.PD.Min <= 0) NoSetting(in, false);
    if (d < kSmallestExtSetting || ext.PD.Max <= 0) NoSetting(ext, true);
    for (TThdInfo* m : {&in, &ext}) {
        const double r = std::fabs(m->Setting.RollSetting);
        if (r < 0.000001 || r > 1000) m->Setting.RollSetting = 0;
    }
}

void ClearVSettingsThatDoNotApply(TTInfo& rec) {
    // A gauge carries the point and gauge model of the product thread it was
    // copied from, so the small models set it on the flat standard only too.
    // On a small thread the V standard's offset can exceed the reading.
    const bool flatOnly = rec.ExtThd.Setting.SmallGage == 1;
    for (TThdInfo* m : rec.Members())
        if (flatOnly || m->Setting.VerySmall == 1 || m->SetToV < 0) m->SetToV = 0;
}

std::string TabledPointList(const TTInfo& rec) {
    const TGageCatalogue& c = GageCatalogue();
    const TThdInfo& ext = rec.ExtThd;
    const int32_t form = PointFormOf(rec.TypeCode);
    const double toInch = HoldsMillimetres(rec.TypeCode) ? 1 / 25.4 : 1;
    std::string list;
    for (const TPointRecord& p : ext.Setting.SmallGage == 1 ? c.SmallPoints : c.Points)
        if (p.Form == form && p.Dia >= ext.MinWire * toInch && p.Dia <= ext.MaxWire * toInch)
            list += (list.empty() ? "" : ", ") + Trim(DecText(4, p.Dia));
    return list;
}

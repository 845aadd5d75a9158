#include "pages/calibration_file.h"

#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/stored_number.h"
#include "core/thread_record.h"

#include <filesystem>

namespace {

const char* const kCal = "CALIBRATION";
const char* const kCert = "CERTIFICATE";

// The keys of the calibration: each is written and each must be read back.
enum class Kind { Length, Lengths, Number, Text };
struct Key {
    const char* name;
    Kind kind;
    std::string CalibrationEntry::*text;
};

const Key kKeys[] = {
    {"Readings", Kind::Lengths, &CalibrationEntry::readings},
    {"Wire", Kind::Length, &CalibrationEntry::wire},
    {"U Wire", Kind::Length, &CalibrationEntry::uWire},
    {"U Reading", Kind::Length, &CalibrationEntry::uReading},
    {"K Reading", Kind::Number, &CalibrationEntry::kReading},
    {"Pitch Deviation", Kind::Length, &CalibrationEntry::pitchDev},
    {"U Pitch", Kind::Length, &CalibrationEntry::uPitch},
    {"Half-Angle Deviation", Kind::Number, &CalibrationEntry::angleDev},
    {"U Half-Angle", Kind::Number, &CalibrationEntry::uAngle},
    {"Gauge Temperature", Kind::Number, &CalibrationEntry::tempGauge},
    {"Instrument Temperature", Kind::Number, &CalibrationEntry::tempInstrument},
    {"U Gauge Temperature", Kind::Number, &CalibrationEntry::uTempGauge},
    {"U Instrument Temperature", Kind::Number, &CalibrationEntry::uTempInstrument},
    {"Gauge Expansion", Kind::Number, &CalibrationEntry::alphaGauge},
    {"Instrument Expansion", Kind::Number, &CalibrationEntry::alphaInstrument},
    {"Major Readings", Kind::Lengths, &CalibrationEntry::majorReadings},
    {"U Major", Kind::Length, &CalibrationEntry::uMajor},
};

struct IdentityKey {
    const char* name;
    std::string CertificateIdentity::*text;
};

const IdentityKey kIdentityKeys[] = {
    {"Serial", &CertificateIdentity::serial},
    {"Owner", &CertificateIdentity::owner},
    {"Description", &CertificateIdentity::description},
    {"Customer", &CertificateIdentity::customer},
    {"Date", &CertificateIdentity::date},
    {"Operator", &CertificateIdentity::operatorName},
    {"Environment", &CertificateIdentity::environment},
};

std::string Join(const std::vector<double>& values) {
    std::string text;
    for (double v : values)
        text += (text.empty() ? "" : ", ") + StoredNumberText(v);
    return text;
}

// Each length of a list with the thread's unit after it.
std::string WithUnit(const std::string& text, Kind kind, const char* unit) {
    if (Trim(text).empty() || (kind != Kind::Length && kind != Kind::Lengths)) return text;
    std::string out, item;
    auto flush = [&]() { out += Trim(item) + " " + unit; };
    for (char c : text) {
        if (c != ',') {
            item += c;
            continue;
        }
        flush();
        out += ", ";
        item.clear();
    }
    flush();
    return out;
}

CalibrationFileLoad Refused(std::string message) {
    return {{LoadResult::Status::Refused, std::move(message)}, {}};
}

} // namespace

bool SaveCalibrationFile(const TTInfo& rec, const CalibrationInput& in,
                         const CertificateIdentity& identity, const std::string& fileName,
                         std::string* error) {
    IniFile ini(fileName);
    WriteThreadInputs(rec, ini);
    ini.WriteString(kCal, "Gauge", CalMemberKey(in.member));
    ini.WriteString(kCal, "Wire Readings", rec.Helix == WireHelix::Exact ? "exact" : "standard");
    const std::string values[] = {
        Join(in.readings),
        StoredNumberText(in.wire),
        StoredNumberText(in.uWire),
        StoredNumberText(in.uReading),
        StoredNumberText(in.kReading),
        StoredNumberText(in.pitchDev),
        StoredNumberText(in.uPitch),
        StoredNumberText(in.angleDev),
        StoredNumberText(in.uAngle),
        StoredNumberText(in.tempGauge),
        StoredNumberText(in.tempInstrument),
        StoredNumberText(in.uTempGauge),
        StoredNumberText(in.uTempInstrument),
        StoredNumberText(in.alphaGauge),
        StoredNumberText(in.alphaInstrument),
        Join(in.majorReadings),
        in.majorReadings.empty() ? std::string() : StoredNumberText(in.uMajor),
    };
    static_assert(std::size(kKeys) == std::size(values));
    for (std::size_t i = 0; i < std::size(kKeys); ++i)
        ini.WriteString(kCal, kKeys[i].name, values[i]);
    for (const IdentityKey& k : kIdentityKeys)
        ini.WriteString(kCert, k.name, identity.*k.text);
    return ini.Save(error, IniFile::Folder::MustExist);
}

CalibrationFileLoad LoadCalibrationFile(TTInfo& rec, const std::string& fileName) {
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec))
        return {{LoadResult::Status::FileError, "File: " + fileName + " Does not exist!"}, {}};
    const IniFile ini(fileName);
    if (!ini.loadError().empty()) return {{LoadResult::Status::FileError, ini.loadError()}, {}};
    if (!ini.HasKey(kCal, "Gauge")) return Refused(fileName + " is not a calibration file");
    auto missing = [&](const char* section, const char* key) {
        return Refused(fileName + " is damaged: it has no " + section + " key \"" + key + "\"");
    };
    for (const char* key : {"Wire Readings", "Gauge"})
        if (!ini.HasKey(kCal, key)) return missing(kCal, key);
    for (const Key& k : kKeys)
        if (!ini.HasKey(kCal, k.name)) return missing(kCal, k.name);
    for (const IdentityKey& k : kIdentityKeys)
        if (!ini.HasKey(kCert, k.name)) return missing(kCert, k.name);

    const std::string helix = LowerCase(ini.ReadString(kCal, "Wire Readings", ""));
    if (helix != "standard" && helix != "exact")
        return Refused("Invalid wire readings: " + helix + " (standard or exact)");
    rec.Helix = helix == "exact" ? WireHelix::Exact : WireHelix::Standard;
    CalibrationFileLoad load;
    load.result = LoadFromFile(rec, fileName);
    if (load.result.status != LoadResult::Status::Loaded) return load;

    const bool metric = rec.ExtThd.TypeCode == kTypeM || rec.ExtThd.TypeCode == kTypeMJ;
    CalibrationEntry& e = load.entry;
    e.member = ini.ReadString(kCal, "Gauge", "");
    for (const Key& k : kKeys)
        e.*k.text = WithUnit(ini.ReadString(kCal, k.name, ""), k.kind, metric ? "mm" : "in");
    for (const IdentityKey& k : kIdentityKeys)
        e.identity.*k.text = ini.ReadString(kCert, k.name, "");
    // The inputs are refused as the page refuses them when typed.
    const CalibrationCheck check = CheckCalibrationEntry(rec, e, metric);
    if (!check.message.empty()) return Refused(check.message);
    return load;
}

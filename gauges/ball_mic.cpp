#include "gauges/ball_mic.h"

#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/stored_number.h"
#include "core/whole_file.h"

#include <cmath>
#include <filesystem>
#include <sstream>

namespace {

const char* const kSection = "BALLMIC";

} // namespace

void TBallMic::Calculate() {
    BallRad = BallDia / 2;
    const double alpha = Angle / 57.29577951308232;
    RCos = BallRad * std::cos(alpha);
    RSin = BallRad * std::sin(alpha);
    // Setting the ball against the flank moves the micrometer's reading by
    // twice the ball's radius less its contact's distance from the axis.
    const double offset = 2 * (BallRad - RCos);
    const double sign = Internal != 0 ? 1 : -1; // a bore reads under the ball
    const double h = BallDis - (BallRad - RSin);
    switch (CalcMethod) {
    case kBallMicAtGagePlane:
        SetDim = PlaneDia + sign * offset;
        BallDis = PlaneDis + (BallRad - RSin);
        DisToCenter = PlaneDis;
        break;
    case kBallMicPlaneDiaGiven:
        DisToCenter = h;
        InspDia = PlaneDia + sign * 2 * (PlaneDis - h) * std::tan(alpha);
        SetDim = InspDia + sign * offset;
        break;
    case kBallMicApexDiaGiven:
        DisToCenter = h;
        InspDia = ApexDia - sign * 2 * h * std::tan(alpha);
        SetDim = InspDia + sign * offset;
        break;
    default:
        break;
    }
}

bool TBallMic::Load(const std::string& fileName, std::string* error) {
    return LoadBallMicFile(*this, fileName, error) == BallMicFileStatus::Loaded;
}

BallMicFileStatus LoadBallMicFile(TBallMic& bm, const std::string& fileName, std::string* error) {
    const auto fail = [&](BallMicFileStatus status, const std::string& message) {
        if (error) *error = message;
        return status;
    };
    std::error_code ec;
    // Something there that cannot be read is named by the INI reader.
    if (!std::filesystem::exists(fileName, ec))
        return fail(BallMicFileStatus::FileError, "File: " + fileName + " Does not exist!");
    const IniFile ini(fileName);
    if (!ini.loadError().empty()) return fail(BallMicFileStatus::FileError, ini.loadError());
    if (!IsBallMicFile(fileName))
        return fail(BallMicFileStatus::NotBallMic,
                    fileName + " is not a ball micrometer file: it has no [BALLMIC] section");
    auto number = [&](const char* key, const char* def) {
        return TextToFloat(ini.ReadString(kSection, key, def));
    };
    TBallMic read;
    read.Angle = number("Angle", "0.00");
    read.BallDia = number("BallDia", "1.0");
    read.PlaneDia = number("PlaneDia", "1.0");
    read.PlaneDis = number("PlaneDis", "1.0");
    read.ApexDia = number("ApexDia", "1.0");
    read.BallDis = number("BallDis", "0.0");
    // Whole numbers as the profile functions read them; a method the file
    // names but that is none of the three is refused below.
    double method = 1;
    if (!ParseDecimal(Trim(ini.ReadString(kSection, "CalcMethod", "1")), method) ||
        !(method >= kBallMicAtGagePlane && method <= kBallMicApexDiaGiven) ||
        method != std::floor(method))
        method = 0;
    read.CalcMethod = static_cast<int>(method);
    double internal = 0;
    if (!ParseDecimal(Trim(ini.ReadString(kSection, "Internal", "0")), internal)) internal = 0;
    read.Internal = internal != 0 ? -1 : 0;
    // A file that lost a line must not calculate with the default in its place.
    for (const std::string& key : BallMicKeysUsed(read.CalcMethod))
        if (!ini.HasKey(kSection, key))
            return fail(BallMicFileStatus::Refused,
                        fileName + " is not a complete ball micrometer file: no " + key);
    if (const std::string problem = BallMicEntryProblem(read); !problem.empty())
        return fail(BallMicFileStatus::Refused, problem);
    read.Calculate();
    bm = read;
    return BallMicFileStatus::Loaded;
}

std::vector<std::string> BallMicKeysUsed(int method) {
    switch (method) {
    case kBallMicAtGagePlane:
        return {"Angle", "BallDia", "PlaneDia", "PlaneDis"};
    case kBallMicPlaneDiaGiven:
        return {"Angle", "BallDia", "PlaneDia", "PlaneDis", "BallDis"};
    case kBallMicApexDiaGiven:
        return {"Angle", "BallDia", "ApexDia", "BallDis"};
    default:
        return {};
    }
}

bool TBallMic::Save(const std::string& fileName, std::string* error) const {
    IniFile ini(fileName);
    ini.WriteString(kSection, "Angle", StoredNumberText(Angle));
    ini.WriteString(kSection, "BallDia", StoredNumberText(BallDia));
    ini.WriteString(kSection, "PlaneDia", StoredNumberText(PlaneDia));
    ini.WriteString(kSection, "PlaneDis", StoredNumberText(PlaneDis));
    ini.WriteString(kSection, "ApexDia", StoredNumberText(ApexDia));
    // At the gauge plane the distance over the ball is a result, made again on opening.
    ini.WriteString(kSection, "BallDis",
                    CalcMethod == kBallMicAtGagePlane ? FloatText(BallDis)
                                                      : StoredNumberText(BallDis));
    ini.WriteString(kSection, "CalcMethod", std::to_string(CalcMethod));
    ini.WriteString(kSection, "Internal", Internal != 0 ? "1" : "0");
    return ini.Save(error, IniFile::Folder::MustExist);
}

bool IsBallMicFile(const std::string& fileName) {
    std::string text;
    try {
        const std::vector<unsigned char> bytes = ReadWholeFile(fileName, kTextFileLimit);
        text.assign(bytes.begin(), bytes.end());
    } catch (const FileError&) {
        return false; // the loader names the file that cannot be read
    }
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::string t = Trim(line);
        if (t.size() >= 2 && t.front() == '[' && t.find(']') != std::string::npos &&
            LowerCase(Trim(t.substr(1, t.find(']') - 1))) == "ballmic")
            return true;
    }
    return false;
}

std::string BallMicEntryProblem(const TBallMic& bm) {
    if (bm.CalcMethod < kBallMicAtGagePlane || bm.CalcMethod > kBallMicApexDiaGiven)
        return kBallMicMethod;
    const bool planeGiven = bm.CalcMethod != kBallMicApexDiaGiven;
    const bool overBall = bm.CalcMethod != kBallMicAtGagePlane;
    // Not a number, or infinite, is no entry either.
    const auto given = [](double v) { return v > 0 && std::isfinite(v); };
    if (!given(bm.Angle) || !given(bm.BallDia) ||
        (planeGiven && (!given(bm.PlaneDia) || !given(bm.PlaneDis))) ||
        (!planeGiven && !given(bm.ApexDia)) || (overBall && !given(bm.BallDis)))
        return kBallMicIncomplete;
    if (bm.Angle >= 90) return kBallMicAngleLimit;
    // Entries each above 0 can still put the plane below the apex or the ball
    // deeper than the taper: no setting is made to a size of 0 or less.
    TBallMic trial = bm;
    trial.Calculate();
    if (overBall && !given(trial.InspDia)) return kBallMicNoPlane;
    if (!given(trial.SetDim) || !given(trial.BallDis)) return kBallMicNoSetting;
    return {};
}

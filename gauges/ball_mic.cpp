#include "gauges/ball_mic.h"

#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/stored_number.h"
#include "core/table_file.h"

#include <cmath>
#include <filesystem>
#include <sstream>

namespace {

const char* const kSection = "BALLMIC";

} // namespace

void TBallMic::Calculate()
{
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
    default: break;
    }
}

bool TBallMic::Load(const std::string& fileName, std::string* error)
{
    std::error_code ec;
    // Something there that cannot be read is named by the INI reader.
    if (!std::filesystem::exists(fileName, ec)) {
        if (error) *error = "File: " + fileName + " Does not exist!";
        return false;
    }
    const IniFile ini(fileName);
    if (!ini.loadError().empty()) {
        if (error) *error = ini.loadError();
        return false;
    }
    auto number = [&](const char* key, const char* def) {
        return TextToFloat(ini.ReadString(kSection, key, def));
    };
    Angle = number("Angle", "0.00");
    BallDia = number("BallDia", "1.0");
    PlaneDia = number("PlaneDia", "1.0");
    PlaneDis = number("PlaneDis", "1.0");
    ApexDia = number("ApexDia", "1.0");
    BallDis = number("BallDis", "0.0");
    // Whole numbers as the profile functions read them: text that is none
    // takes the default.
    double method = 1;
    if (!ParseDecimal(Trim(ini.ReadString(kSection, "CalcMethod", "1")), method) ||
        method != std::floor(method))
        method = 1;
    CalcMethod = static_cast<int>(method);
    double internal = 0;
    if (!ParseDecimal(Trim(ini.ReadString(kSection, "Internal", "0")), internal)) internal = 0;
    Internal = internal != 0 ? -1 : 0;
    Calculate();
    return true;
}

bool TBallMic::Save(const std::string& fileName, std::string* error) const
{
    IniFile ini(fileName);
    ini.WriteString(kSection, "Angle", StoredNumberText(Angle));
    ini.WriteString(kSection, "BallDia", StoredNumberText(BallDia));
    ini.WriteString(kSection, "PlaneDia", StoredNumberText(PlaneDia));
    ini.WriteString(kSection, "PlaneDis", StoredNumberText(PlaneDis));
    ini.WriteString(kSection, "ApexDia", StoredNumberText(ApexDia));
    // At the gauge plane the distance over the ball is a result, made again on opening.
    ini.WriteString(kSection, "BallDis", CalcMethod == kBallMicAtGagePlane
                                             ? FloatText(BallDis)
                                             : StoredNumberText(BallDis));
    ini.WriteString(kSection, "CalcMethod", std::to_string(CalcMethod));
    ini.WriteString(kSection, "Internal", Internal != 0 ? "1" : "0");
    return ini.Save(error, IniFile::Folder::MustExist);
}

bool IsBallMicFile(const std::string& fileName)
{
    std::string text;
    try {
        const std::vector<unsigned char> bytes = ReadWholeFile(fileName, kTextFileLimit);
        text.assign(bytes.begin(), bytes.end());
    } catch (const TableError&) {
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

std::string BallMicEntryProblem(const TBallMic& bm)
{
    const bool planeGiven = bm.CalcMethod != kBallMicApexDiaGiven;
    const bool overBall = bm.CalcMethod != kBallMicAtGagePlane;
    if (bm.Angle <= 0 || bm.BallDia <= 0 || (planeGiven && (bm.PlaneDia <= 0 || bm.PlaneDis <= 0)) ||
        (!planeGiven && bm.ApexDia <= 0) || (overBall && bm.BallDis <= 0))
        return kBallMicIncomplete;
    if (bm.Angle >= 90)
        return kBallMicAngleLimit;
    return {};
}

#include "pages/ball_mic_page.h"

#include "core/number_text.h"
#include "gauges/ball_mic.h"

#include <filesystem>

BallMicPageText BuildBallMicPage(const TBallMic& bm) {
    BallMicPageText t;
    t.name = "Ball Mic Setting Dims.";
    t.extCaption = bm.Internal != 0 ? "Internal Dims." : "External Dims.";
    t.setFlatCaption = "Setting to Flat Std:";
    t.setFlat = Len4Text(bm.SetDim);
    t.setVCaption = "Dist. Over Ball:";
    t.setV = Len4Text(bm.BallDis);
    t.ballDiaCaption = "Ball Dia:";
    t.ballDia = Len4Text(bm.BallDia);
    const auto shown = [&](const std::string& value) {
        return value == kNAText ? value : value + " " + t.unit;
    };
    t.setFlatShown = shown(t.setFlat);
    t.setVShown = shown(t.setV);
    t.gaugeModel = "HB-5000";
    t.picture = "HB5000";
    return t;
}

std::string BallMicCaption(const std::string& fileName) {
    return "Ball Mic SetDim - " + std::filesystem::path(fileName).filename().string();
}

std::vector<BallMicRow> BallMicInputRows(const TBallMic& bm) {
    // The entries the method did not use would only mislead the operator who
    // checks the page's top against the job.
    std::vector<BallMicRow> rows;
    const auto length = [&](const char* label, double inches) {
        const std::string value = Len4Text(inches);
        rows.push_back({label, value, value == kNAText ? value : value + " in"});
    };
    const std::string angle = Len3Text(bm.Angle);
    rows.push_back({"Half Angle:", angle + " (angle from centerline)",
                    (angle == kNAText ? angle : angle + "\u00B0") + " (angle from centerline)"});
    if (bm.CalcMethod == kBallMicApexDiaGiven) {
        length("Apex Diameter:", bm.ApexDia);
    } else {
        length("Distance to Gage Plane:", bm.PlaneDis);
        length("Diameter at Gage Plane:", bm.PlaneDia);
    }
    if (bm.CalcMethod != kBallMicAtGagePlane) length("Distance over Gage Ball:", bm.BallDis);
    length("Ball Diameter:", bm.BallDia);
    const char* side = bm.Internal != 0 ? "INTERNAL" : "EXTERNAL";
    rows.push_back({"Int / Ext:", side, side});
    return rows;
}

double BallDiaEntry(const std::string& text) {
    if (const auto mm = text.find("mm"); mm != std::string::npos)
        return TextToFloat(Trim(text.substr(0, mm))) / 25.4;
    const auto unit = text.find_first_of("i\"");
    return TextToFloat(Trim(text.substr(0, unit)));
}

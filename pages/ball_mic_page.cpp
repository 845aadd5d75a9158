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
    rows.push_back({"Half Angle:", Len3Text(bm.Angle) + " (angle from centerline)"});
    if (bm.CalcMethod == kBallMicApexDiaGiven) {
        rows.push_back({"Apex Diameter:", Len4Text(bm.ApexDia)});
    } else {
        rows.push_back({"Distance to Gage Plane:", Len4Text(bm.PlaneDis)});
        rows.push_back({"Diameter at Gage Plane:", Len4Text(bm.PlaneDia)});
    }
    if (bm.CalcMethod != kBallMicAtGagePlane)
        rows.push_back({"Distance over Gage Ball:", Len4Text(bm.BallDis)});
    rows.push_back({"Ball Diameter:", Len4Text(bm.BallDia)});
    rows.push_back({"Int / Ext:", bm.Internal != 0 ? "INTERNAL" : "EXTERNAL"});
    return rows;
}

double BallDiaEntry(const std::string& text) {
    if (const auto mm = text.find("mm"); mm != std::string::npos)
        return TextToFloat(Trim(text.substr(0, mm))) / 25.4;
    const auto unit = text.find_first_of("i\"");
    return TextToFloat(Trim(text.substr(0, unit)));
}

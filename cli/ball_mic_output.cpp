#include "cli/ball_mic_output.h"

#include "cli/json_writer.h"
#include "cli/record_json.h"
#include "cli/text_grid.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

void PrintBallMicText(const std::string& caption, const TBallMic& bm, std::ostream& out) {
    const BallMicPageText page = BuildBallMicPage(bm);
    out << caption << '\n' << page.name << '\n' << page.extCaption << "\n\n";
    TextGrid grid;
    for (const BallMicRow& row : BallMicInputRows(bm))
        grid.push_back({row.label, row.value});
    grid.push_back({});
    grid.push_back({"Gage:", page.gaugeModel});
    grid.push_back({page.setFlatCaption, page.setFlat});
    grid.push_back({page.setVCaption, page.setV});
    PrintTextGrid(grid, out);
}

void PrintBallMicJson(const std::string& caption, const TBallMic& bm, std::ostream& out) {
    const BallMicPageText page = BuildBallMicPage(bm);
    JsonWriter j(out);
    j.Open('{');
    DocumentHead(j, page.unit.c_str());
    j.Put("caption", caption);
    j.Key("ballmic");
    j.Open('{');
    j.Put("unit", page.unit);
    // The inputs the method does not read are null; method 1 works out the
    // distance over the ball itself, at the gauge plane, where no other
    // inspection diameter is.
    const std::vector<std::string> used = BallMicKeysUsed(bm.CalcMethod);
    const auto input = [&](const char* k, double v) {
        j.PutText(k, v, std::ranges::find(used, k) != used.end());
    };
    input("Angle", bm.Angle);
    input("BallDia", bm.BallDia);
    input("PlaneDia", bm.PlaneDia);
    input("PlaneDis", bm.PlaneDis);
    input("ApexDia", bm.ApexDia);
    j.Put("BallDis", bm.BallDis);
    j.PutBool("Internal", bm.Internal != 0);
    j.Put(
        {{"CalcMethod", bm.CalcMethod}, {"BallRad", bm.BallRad}, {"DisToCenter", bm.DisToCenter}});
    j.Put("InspDia", bm.InspDia, bm.CalcMethod != kBallMicAtGagePlane);
    j.Put({{"RCos", bm.RCos}, {"RSin", bm.RSin}, {"SetDim", bm.SetDim}});
    j.Close('}');
    j.Key("page");
    j.Open('{');
    j.Put("name", page.name);
    j.Put("optExt", page.extCaption);
    j.Put("lblGage", page.gaugeModel);
    j.Put("lblFlat", page.setFlat);
    j.Put("lblV", page.setV);
    j.Put("txtBallDia", page.ballDia);
    j.Close('}');
    j.Close('}');
    out << '\n';
}

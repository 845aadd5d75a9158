#include "cli/ball_mic_output.h"

#include "cli/json_writer.h"
#include "cli/text_grid.h"
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"

#include <ostream>

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
    j.Put("caption", caption);
    j.Key("ballmic");
    j.Open('{');
    j.Put({{"Angle", bm.Angle},
           {"BallDia", bm.BallDia},
           {"PlaneDia", bm.PlaneDia},
           {"PlaneDis", bm.PlaneDis},
           {"ApexDia", bm.ApexDia},
           {"BallDis", bm.BallDis},
           {"Internal", bm.Internal},
           {"CalcMethod", bm.CalcMethod},
           {"BallRad", bm.BallRad},
           {"DisToCenter", bm.DisToCenter},
           {"InspDia", bm.InspDia},
           {"RCos", bm.RCos},
           {"RSin", bm.RSin},
           {"SetDim", bm.SetDim}});
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

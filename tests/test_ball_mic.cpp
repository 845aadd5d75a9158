// The ball micrometer: the worked examples of a 30-degree taper, the three
// methods agreeing on one taper, the .bm file and the page texts.
#include "gauges/ball_mic.h"
#include "pages/ball_mic_page.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

TBallMic Taper30(int method, int internal) {
    TBallMic bm;
    bm.Angle = 30;
    bm.BallDia = 0.5;
    bm.PlaneDia = 2.0;
    bm.PlaneDis = 1.0;
    bm.CalcMethod = method;
    bm.Internal = internal;
    return bm;
}

// Hand arithmetic: r = 0.25, r cos 30 = 0.2165064, r sin 30 = 0.125;
// setting 2.0 -/+ 2 (0.25 - 0.2165064), over the ball 1.0 + (0.25 - 0.125).
TEST(BallMic, WorkedExamplesAtTheGagePlane) {
    const struct {
        const char* name;
        int internal;
        double setDim;
    } cases[] = {{"taper plug", 0, 1.9330127}, {"bore", -1, 2.0669873}};
    for (const auto& c : cases) {
        TBallMic bm = Taper30(kBallMicAtGagePlane, c.internal);
        bm.Calculate();
        EXPECT_NEAR(bm.SetDim, c.setDim, 5e-8) << c.name;
        EXPECT_NEAR(bm.BallDis, 1.125, 1e-12) << c.name;
        EXPECT_NEAR(bm.RCos, 0.2165064, 5e-8) << c.name;
        EXPECT_NEAR(bm.RSin, 0.125, 1e-12) << c.name;
    }
}

// One taper described three ways: at the gauge plane; at the plane the
// distance over the ball of method 1 names, with the gauge plane diameter;
// and from the apex diameter, 2.0 - 2 tan 30 (plug) or 2.0 + 2 tan 30 (bore).
// Each must give the setting of method 1. Then 0.1 further up the taper the
// diameter changes by 2 x 0.1 x tan 30.
TEST(BallMic, MethodsAgreeOnOneTaper) {
    const double tan30 = std::tan(30 / 57.29577951308232);
    for (int internal : {0, -1}) {
        TBallMic at = Taper30(kBallMicAtGagePlane, internal);
        at.Calculate();
        const double sign = internal != 0 ? 1 : -1;
        for (int method : {kBallMicPlaneDiaGiven, kBallMicApexDiaGiven}) {
            TBallMic other = Taper30(method, internal);
            other.ApexDia = 2.0 + sign * 2 * tan30;
            other.BallDis = at.BallDis;
            other.Calculate();
            EXPECT_NEAR(other.InspDia, 2.0, 1e-12) << method << internal;
            EXPECT_NEAR(other.SetDim, at.SetDim, 1e-12) << method << internal;
            other.BallDis = at.BallDis + 0.1;
            other.Calculate();
            EXPECT_NEAR(other.SetDim, at.SetDim - sign * 0.2 * tan30, 1e-12) << method << internal;
        }
    }
}

// A cylinder (half angle 0) reads its own diameter at any plane; a method
// the program does not know leaves the results alone.
TEST(BallMic, EdgeCases) {
    TBallMic cylinder = Taper30(kBallMicPlaneDiaGiven, 0);
    cylinder.Angle = 0;
    cylinder.BallDis = 3.0;
    cylinder.Calculate();
    EXPECT_EQ(cylinder.InspDia, 2.0);
    EXPECT_EQ(cylinder.SetDim, 2.0);

    TBallMic unknown = Taper30(4, 0);
    unknown.Calculate();
    EXPECT_EQ(unknown.SetDim, 0);
    EXPECT_EQ(unknown.BallDis, -1);
}

// tests/data/ball_mic_entries.csv
class BallMicEntries : public testing::TestWithParam<DataRow> {};

TEST_P(BallMicEntries, CheckedBeforeTheCalculation) {
    const DataRow& c = GetParam();
    TBallMic bm = Taper30(c.Int("method"), 0);
    bm.ApexDia = 1.5;
    bm.BallDis = 1.2;
    const std::map<std::string, double TBallMic::*> fields = {{"Angle", &TBallMic::Angle},
                                                              {"BallDia", &TBallMic::BallDia},
                                                              {"BallDis", &TBallMic::BallDis},
                                                              {"ApexDia", &TBallMic::ApexDia},
                                                              {"PlaneDis", &TBallMic::PlaneDis}};
    bm.*fields.at(c.Text("field")) = c.Num("value");
    EXPECT_EQ(BallMicEntryProblem(bm), c.Text("problem"));
}

DATA_ROWS(BallMicEntries, "ball_mic_entries");

TEST(BallMicFile, RoundTripAndDefaults) {
    TempDir dir;
    TBallMic saved = Taper30(kBallMicApexDiaGiven, -1);
    saved.Angle = 1.7899;
    saved.ApexDia = 1.25;
    saved.BallDis = 0.875;
    saved.Calculate();
    ASSERT_TRUE(saved.Save(dir.file("a.bm")));
    EXPECT_EQ(ReadTextFile(dir.file("a.bm")),
              "[BALLMIC]\nAngle=+1.789900\nBallDia=+0.500000\nPlaneDia=+2.000000\n"
              "PlaneDis=+1.000000\nApexDia=+1.250000\nBallDis=+0.875000\nCalcMethod=3\n"
              "Internal=1\n");
    TBallMic read;
    ASSERT_TRUE(read.Load(dir.file("a.bm")));
    EXPECT_TRUE(IsBallMicFile(dir.file("a.bm")));
    EXPECT_EQ(read.CalcMethod, 3);
    EXPECT_EQ(read.Internal, -1);
    EXPECT_NEAR(read.SetDim, saved.SetDim, 1e-12);
    // Values six decimals would change come back exactly.
    saved.CalcMethod = kBallMicPlaneDiaGiven;
    saved.Angle = 1.0 / 3;
    saved.BallDia = BallDiaEntry("0.7mm");
    saved.PlaneDia = 0.2997495;
    saved.PlaneDis = 1e-7;
    saved.BallDis = 2.54 / 25.4 * 3;
    saved.Calculate();
    ASSERT_TRUE(saved.Save(dir.file("b.bm")));
    TBallMic exact;
    ASSERT_TRUE(exact.Load(dir.file("b.bm")));
    for (double TBallMic::*v : {&TBallMic::Angle, &TBallMic::BallDia, &TBallMic::PlaneDia,
                                &TBallMic::PlaneDis, &TBallMic::BallDis, &TBallMic::SetDim})
        EXPECT_EQ(exact.*v, saved.*v);

    // Only the section header (any case, blanks round it): a ball micrometer
    // file, but none of the values its method (1, the default) needs.
    WriteTextFile(dir.file("empty.bm"), "[ BallMic ]\r\n");
    EXPECT_TRUE(IsBallMicFile(dir.file("empty.bm")));
    std::string error;
    EXPECT_EQ(LoadBallMicFile(read, dir.file("empty.bm"), &error), BallMicFileStatus::Refused);
    EXPECT_EQ(error, dir.file("empty.bm") + " is not a complete ball micrometer file: no Angle");
    EXPECT_EQ(read.CalcMethod, 3) << "a refused file changes nothing";

    // Its values meet the entry checks.
    WriteTextFile(dir.file("steep.bm"),
                  "[BALLMIC]\nAngle=95\nBallDia=0.5\nPlaneDia=2\nPlaneDis=1\n");
    EXPECT_EQ(LoadBallMicFile(read, dir.file("steep.bm"), &error), BallMicFileStatus::Refused);
    EXPECT_EQ(error, kBallMicAngleLimit);

    WriteTextFile(dir.file("thread.thd"), "[MAIN]\nThd Type=UN\n;[BALLMIC]\n");
    EXPECT_FALSE(IsBallMicFile(dir.file("thread.thd")));
    EXPECT_EQ(LoadBallMicFile(read, dir.file("thread.thd"), &error), BallMicFileStatus::NotBallMic);
    EXPECT_FALSE(read.Load(dir.file("missing.bm"), &error));
    EXPECT_EQ(error, "File: " + dir.file("missing.bm") + " Does not exist!");
    EXPECT_FALSE(saved.Save(dir.file("no/such/folder/a.bm"), &error));
    EXPECT_NE(error.find("a.bm"), std::string::npos) << error;
}

TEST(BallMicPage, TextsOfTheWindowAndReport) {
    TBallMic bm = Taper30(kBallMicAtGagePlane, -1);
    bm.Calculate();
    const BallMicPageText page = BuildBallMicPage(bm);
    EXPECT_EQ(page.extCaption, "Internal Dims.");
    EXPECT_EQ(page.setFlat, "2.0670");
    EXPECT_EQ(page.setV, "1.1250");
    EXPECT_EQ(page.ballDia, "0.5000");
    EXPECT_EQ(page.gaugeModel, "HB-5000");
    EXPECT_EQ(BallMicCaption("/tmp/x/taper.bm"), "Ball Mic SetDim - taper.bm");

    // Each method lists the entries it uses and no other.
    const struct {
        int method;
        std::vector<std::string> labels;
    } cases[] = {
        {1,
         {"Half Angle:", "Distance to Gage Plane:", "Diameter at Gage Plane:", "Ball Diameter:",
          "Int / Ext:"}},
        {2,
         {"Half Angle:", "Distance to Gage Plane:", "Diameter at Gage Plane:",
          "Distance over Gage Ball:", "Ball Diameter:", "Int / Ext:"}},
        {3,
         {"Half Angle:", "Apex Diameter:", "Distance over Gage Ball:", "Ball Diameter:",
          "Int / Ext:"}},
    };
    for (const auto& c : cases) {
        bm.CalcMethod = c.method;
        std::vector<std::string> labels;
        for (const BallMicRow& row : BallMicInputRows(bm))
            labels.push_back(row.label);
        EXPECT_EQ(labels, c.labels) << c.method;
    }
    EXPECT_EQ(BallMicInputRows(bm).front().value, "30.000 (angle from centerline)");
    EXPECT_EQ(BallMicInputRows(bm).back().value, "INTERNAL");

    const struct {
        const char* text;
        double value;
    } entries[] = {{"0.5", 0.5}, {"12.7mm", 0.5}, {"0.5in", 0.5}, {"0.5\"", 0.5}, {"x", 0}};
    for (const auto& e : entries)
        EXPECT_NEAR(BallDiaEntry(e.text), e.value, 1e-12) << e.text;
}

} // namespace

// Thread designations of the product members and their note lines.
#include "core/designation.h"

#include "core/thread_record.h"
#include "support/test_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Designations : public testing::TestWithParam<DataRow> {};

TEST_P(Designations, SizeSeriesClassAndForm) {
    const DataRow& c = GetParam();
    TTInfo rec;
    rec.SetThreadType(c.Text("type"));
    rec.SetClass(c.Text("class"));
    rec.SetNomDia(c.Num("dia"));
    rec.SetTPI(c.Float("tpi"));
    rec.SetStarts(static_cast<uint16_t>(c.Int("starts")));
    rec.NomDiaText = c.Text("dia_text");
    if (c.Num("loe") > 0) rec.SetLOE(c.Num("loe"));
    const bool internal = c.Flag("internal");
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    m.Series = c.Text("series");
    EXPECT_EQ(DesignationText(m), c.Text("text"));
    EXPECT_EQ(m.Notes,
              (std::vector<std::string>{internal ? "Internal" : "External", c.Text("text")}));
}

DATA_ROWS(Designations, "designations");

TEST(Designation, MetricClassesAndHand) {
    // Metric: the tolerance classes and the hand.
    TTInfo rec;
    rec.SetThreadType("M");
    rec.SetNomDia(10);
    rec.SetTPI(1.5f);
    rec.ExtThd.SetTolInfo("6g6g");
    rec.LeftHand = 1;
    EXPECT_EQ(DesignationText(rec.ExtThd), "M 10 X 1.5 - 6g6g LH");
    EXPECT_EQ(rec.ExtThd.Series, "M");
}

TEST(Designation, PlatingNotes) {
    TTInfo rec;
    rec.SetThreadType("UN");
    rec.SetClass("2");
    rec.SetNomDia(0.25);
    rec.SetTPI(20);
    rec.NomDiaText = "1/4";
    rec.SetCoating(0.001);
    for (TThdInfo* m : {&rec.ExtThd, &rec.IntThd}) {
        m->Series = "UNC";
        m->PD.Max = m->IsExternal ? 0.2164 : 0.2224;
        m->PD.Min = m->IsExternal ? 0.2127 : 0.2175;
        m->Major.Max = m->IsExternal ? 0.2489 : 0;
        m->Major.Min = m->IsExternal ? 0.2408 : 0.25;
        m->Minor.Max = m->IsExternal ? 0 : 0.207;
        m->Minor.Min = m->IsExternal ? 0 : 0.196;
        m->ApplyCoating();
    }
    // External: 4t = 0.004 off the pitch diameters, 2t = 0.002 off the major.
    DesignationText(rec.ExtThd);
    EXPECT_EQ(rec.ExtThd.Notes,
              (std::vector<std::string>{"EXTERNAL - After Plate", "1/4-20 UNC-2A",
                                        "Major Dia 0.2489 Max.", "PD 0.2164 Max.", "",
                                        "EXTERNAL - Before Plate", "1/4-20 UNC-2A",
                                        "Major Dia 0.2469-0.2388", "PD 0.2124-0.2087"}));
    // Internal: plating shrinks it, so the plater checks the minimums of the
    // published 2B minor and PD; machined 2t = 0.002 and 4t = 0.004 larger.
    DesignationText(rec.IntThd);
    EXPECT_EQ(
        rec.IntThd.Notes,
        (std::vector<std::string>{"INTERNAL - After Plate", "1/4-20 UNC-2B", "Minor Dia 0.196 Min.",
                                  "PD 0.2175 Min.", "", "INTERNAL - Before Plate", "1/4-20 UNC-2B",
                                  "Minor Dia 0.2090-0.1980", "PD 0.2264-0.2215"}));
}

} // namespace

// Acme, Stub Acme and the modified stub Acme forms through the driver, on table
// folders written here: empty tables (the formulas alone) or rows written as raw
// bytes in the files' record layouts.
#include "core/table_file.h"
#include "core/thread_record.h"
#include "gauges/wires.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const char* const kTables[] = {"acmetbl", "acmeall", "acmego", "stubtbl", "stuball", "stubgo"};

// Every Acme and stub table, empty unless rows are written; rows go through the
// table compiler, so its layouts meet the readers here.
struct AcmeTables : TestTables {
    AcmeTables() : TestTables({"acmetbl", "acmeall", "acmego", "stubtbl", "stuball", "stubgo"}) {}
};

class Formula : public testing::TestWithParam<DataRow> {};

TEST_P(Formula, HandArithmetic) {
    const DataRow& c = GetParam();
    AcmeTables tables;
    auto rec =
        Calculated(c.Text("type").c_str(), c.Text("class").c_str(), c.Num("dia"), c.Float("tpi"));
    EXPECT_NEAR(RecordValue(*rec, c.Text("limit")), c.Num("value"), 5e-7);
}

DATA_ROWS(Formula, "acme_formulas");

// Thread height P/2 + 0.010 below 12 tpi, P/2 + 0.005 from 12 tpi on, on both forms. The
// NOT GO plug major raised to its pitch diameter (5-16) may only grow; D - P/4 (1-5) shrinks.
TEST(AcmeForm, ThreadHeightAndNotGoPlugSign) {
    AcmeTables tables;
    for (auto [n, height] : {std::pair(10.0f, 0.060), std::pair(12.0f, 1.0 / 24 + 0.005)}) {
        auto rec = Calculated("ACME", "2G", 1, n);
        EXPECT_NEAR(rec->ExtThd.ThdHeight, height, 1e-9) << n;
        EXPECT_NEAR(rec->IntThd.ThdHeight, height, 1e-9) << n;
    }
    EXPECT_EQ(Calculated("ACME", "2G", 5, 16)->NoGoPlug.Major.Sign, "+");
    EXPECT_EQ(Calculated("ACME", "2G", 1, 5)->NoGoPlug.Major.Sign, "-");
}

// Best wire 0.51645 P. 1-5 2G: root width 0.3707 P - 0.259 (0.020 - 0.008) = 0.071032, its
// wire 0.0917 stays below the best wire 0.10329. 16-10 2G: allowance 0.032 widens the root to
// 0.040178, wire 0.051891 > best, listed as 0.05249; over 0.05249 the reading at PD min
// 15.8845 - 0.193335 + 4.9939 W stays under the 16.000 crest until W = 0.06415.
TEST(Wires, ExternalThread) {
    const struct {
        const char* name;
        double d;
        float n;
        double rootWire, curWire;
    } cases[] = {
        {"Acme1_5_bestWire", 1, 5, 0.0917393, 0.10329},
        {"Acme16_10_overCrest", 16, 10, 0.05249, 0.06415},
    };
    AcmeTables tables;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto rec = Calculated("ACME", "2G", c.d, c.n);
        EXPECT_NEAR(rec->ExtThd.BestWire, 0.51645 / c.n, 1e-9);
        EXPECT_NEAR(rec->ExtThd.RootWire, c.rootWire, 5e-7);
        EXPECT_NEAR(rec->ExtThd.CurWire, c.curWire, 1e-9);
        EXPECT_EQ(rec->IntThd.CurWire, 0);
    }
}

// A 5-16 NOT GO plug, best wire 0.0322781: over it the reading at PD min 4.96875 is
// 4.9688 - 0.1208344 + 0.1611936 = 5.0091592, above any crest below. Its major clamped
// to its gauge PD takes the next smaller listed wire, 0.03208; the unclamped D - P/4 keeps it.
TEST(Wires, ClampedNotGoPlugTakesTheNextSmallerWire) {
    for (const auto& [major, wire] :
         {std::pair(4.9896664, 0.03208), std::pair(4.984375, 0.032278125)}) {
        TTInfo rec;
        rec.SetThreadType("ACME");
        rec.SetNomDia(5);
        rec.SetTPI(16);
        TThdInfo& plug = rec.NoGoPlug;
        plug.PD.Min = 4.96875;
        plug.PD.Max = plug.PD.Gage = 4.9896664;
        plug.Major.Max = 5.020;
        plug.Major.Gage = major;
        Calc29DegWires(plug);
        EXPECT_NEAR(plug.CurWire, wire, 1e-9) << major;
        EXPECT_EQ(plug.RootWire, 0);
    }
}

// The four external-form gauges end with one wire, the largest of them, whichever pair
// differs: GO/NOT GO setting plug, GO/NOT GO plug, or plug against setting plug.
TEST(Wires, UnifiedOnTheFourExternalGauges) {
    struct Case {
        const char* name;
        double goSet, noGoSet, goPlug, noGoPlug;
    } cases[] = {
        {"noGoSetLarger", 0.1, 0.12, 0.1, 0.1},
        {"noGoPlugSmaller", 0.1, 0.1, 0.1, 0.09},
        {"plugsLarger", 0.1, 0.1, 0.11, 0.1},
        {"allDifferent", 0.08, 0.1, 0.09, 0.11},
    };
    for (const Case& c : cases) {
        TTInfo rec;
        rec.GoSetPlug.CurWire = c.goSet;
        rec.NoGoSetPlug.CurWire = c.noGoSet;
        rec.GoPlug.CurWire = c.goPlug;
        rec.NoGoPlug.CurWire = c.noGoPlug;
        UnifyGaugeWireSizes(rec);
        const double largest = std::max({c.goSet, c.noGoSet, c.goPlug, c.noGoPlug});
        for (const TThdInfo* m : {&rec.GoSetPlug, &rec.NoGoSetPlug, &rec.GoPlug, &rec.NoGoPlug})
            EXPECT_EQ(m->CurWire, largest) << c.name;
    }
}

// Every form ends with one wire on its plugs and setting plugs; only the full Acme
// form has a truncated setting plug major, D - P/6 at 6 tpi.
TEST(AcmeGauges, OneWireAndTruncatedMajor) {
    AcmeTables tables;
    for (const char* type : {"ACME", "STUB", "SAM1", "SAM2"}) {
        SCOPED_TRACE(type);
        auto rec = Calculated(type, "2G", 1, 6);
        EXPECT_GT(rec->GoSetPlug.CurWire, 0);
        for (const TThdInfo* m : {&rec->NoGoSetPlug, &rec->GoPlug, &rec->NoGoPlug})
            EXPECT_EQ(m->CurWire, rec->GoSetPlug.CurWire);
        const double trunc = type == std::string("ACME") ? 1 - 1.0 / 36 : 0;
        EXPECT_NEAR(rec->GoSetPlug.Major.GageTrunc, trunc, 1e-9);
        EXPECT_NEAR(rec->NoGoSetPlug.Major.GageTrunc, trunc, 1e-9);
    }
}

// A 2G stuball row of 0.0050 over (0.5, 1.5]: Stub Acme 2G takes it for its pitch
// diameter (1 - 0.03 - 0.005); 3G takes the 3G column of the acmeall row, 0.0045 (B1.8
// gives 3G the B1.5 allowance), never stuball; SAM #1 keeps 0.008 sqrt D in its pitch
// diameter (0.9545) but uses the row in its root width 0.403 P - 0.259 (0.020 - 0.005) =
// 0.036415 instead of 0.037192.
TEST(StubAllowanceRow, External) {
    const struct {
        const char *name, *type, *cls;
        double pdMax, rootWidth;
    } cases[] = {
        {"Stub2G_rowAllowance", "STUB", "2G", 0.965, 0.4224 * 0.1 - 0.259 * 0.015},
        {"Stub3G_acmeallRow", "STUB", "3G", 0.9655, 0.4224 * 0.1 - 0.259 * 0.0155},
        {"Sam1_2G_pdFormula_rootRow", "SAM1", "2G", 0.9545, 0.036415},
    };
    AcmeTables tables;
    tables.Write("stuball", "0.5,1.5,0.0050\n");
    tables.Write("acmeall", "0.5,1.5,0.0070,0.0045,0.0030\n");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto rec = Calculated(c.type, c.cls, 1, 10);
        EXPECT_NEAR(rec->ExtThd.PD.Max, c.pdMax, 5e-7);
        EXPECT_NEAR(rec->ExtThd.RootWidth, c.rootWidth, 5e-7);
    }
}

// The ASME B1.5 .5000-10 row: class 3G takes its own columns.
TEST(AcmeTableRows, LimitsAllowanceAndGaugeTolerances) {
    AcmeTables tables;
    tables.Write("acmetbl",
                 "0.5,10,0.5000,0.4950,0.3800,0.3594,0.3704,0.3731,0.3745,0.4443,0.4306,0.4458,"
                 "0.4394,0.4472,0.4426,0.4500,0.4463,0.5200,0.5400,0.4000,0.4050,0.4500,0.4637,"
                 "0.4500,0.4564,0.4500,0.4546,0.4500,0.4537\n");
    auto rec = Calculated("ACME", "3G", 0.5, 10);
    const TThdInfo &ext = rec->ExtThd, &in = rec->IntThd;
    EXPECT_EQ(ext.FromTable, 1);
    EXPECT_EQ(ext.StdLE, 1.0);
    const std::pair<double, double> fields[] = {{ext.Major.Max, 0.5000}, {ext.Minor.Min, 0.3704},
                                                {ext.PD.Max, 0.4458},    {ext.PD.Min, 0.4394},
                                                {in.Major.Min, 0.5200},  {in.Minor.Max, 0.4050},
                                                {in.PD.Min, 0.4500},     {in.PD.Max, 0.4564}};
    for (const auto& [got, want] : fields)
        EXPECT_NEAR(got, want, 1e-12) << want;

    // The allowance range includes its upper end only; 2G, 3G, 4G columns.
    AcmeTables ranges;
    ranges.Write("acmeall", "0.5,1,0.007,0.005,0.003\n");
    EXPECT_NEAR(Calculated("ACME", "2G", 1, 5)->ExtThd.PD.Max, 0.893, 1e-9);
    EXPECT_NEAR(Calculated("ACME", "4G", 1, 5)->ExtThd.PD.Max, 0.897, 1e-9);
    // Outside every range: 0.45 - 0.008 sqrt 0.5 = 0.4443431.
    EXPECT_NEAR(Calculated("ACME", "2G", 0.5, 10)->ExtThd.PD.Max, 0.4443, 1e-9);

    // Gauge tolerances, finest first: 10 tpi, 5 tpi. 8 tpi takes the coarser row, 12 tpi
    // none. The diameter tolerance (2G, other classes) comes before the PD tolerance.
    AcmeTables go;
    go.Write("acmego", "10,0,10,0.0003,0.0002,0.0004\n5,0,8,0.0005,0.0003,0.0006\n");
    auto coarse = Calculated("ACME", "2G", 1, 8);
    EXPECT_EQ(coarse->XAngleMin, 8);
    EXPECT_NEAR(coarse->XDiaTol, 0.0005, 1e-12);
    EXPECT_NEAR(coarse->XPDTol, 0.0006, 1e-12);
    EXPECT_EQ(coarse->XLeadTol, 0);
    auto exact = Calculated("ACME", "3G", 1, 10);
    EXPECT_EQ(exact->XAngleMin, 10);
    EXPECT_NEAR(exact->XDiaTol, 0.0002, 1e-12);
    EXPECT_NEAR(exact->XPDTol, 0.0004, 1e-12);
    auto fine = Calculated("ACME", "2G", 1, 12);
    EXPECT_EQ(fine->XAngleMin, 0);
    EXPECT_EQ(fine->XDiaTol, 0);
}

// stubtbl and stubgo rows reach the record: limits (class 2G only, the class the rows
// hold) and the class X tolerances (the file holds the PD tolerance first).
TEST(StubTableRows, LimitsAndGaugeTolerances) {
    AcmeTables tables;
    tables.Write("stubtbl", "1,10,1,0.995,0.962,0.9465,0.92,0.9045,1.02,1.0355,0.97,0.9855,0.94,"
                            "0.945\n");
    tables.Write("stubgo", "10,0,15,0.0004,0.0002\n");
    auto rec = Calculated("STUB", "2G", 1, 10);
    EXPECT_EQ(rec->ExtThd.FromTable, 1);
    const std::pair<double, double> fields[] = {{rec->ExtThd.PD.Min, 0.9465},
                                                {rec->ExtThd.Minor.Min, 0.9045},
                                                {rec->IntThd.Major.Max, 1.0355},
                                                {rec->IntThd.Minor.Max, 0.945}};
    for (const auto& [got, want] : fields)
        EXPECT_NEAR(got, want, 1e-12) << want;
    EXPECT_EQ(rec->XAngleMin, 15);
    EXPECT_NEAR(rec->XPDTol, 0.0004, 1e-12);
    EXPECT_NEAR(rec->XDiaTol, 0.0002, 1e-12);
    EXPECT_EQ(Calculated("STUB", "3G", 1, 10)->ExtThd.FromTable, 0);
    // The modified forms have no tabulated limits.
    EXPECT_NEAR(Calculated("SAM1", "2G", 1, 10)->ExtThd.PD.Max, 0.9545, 1e-9);
}

// A missing table, or one ending inside a record, ends the calculation; stuball is read
// for class 2G only.
TEST(AcmeTableFiles, MissingOrBrokenFilesEndTheCalculation) {
    struct Case {
        const char *name, *type, *cls, *table;
        int bytes; // -1: file removed
        const char* reason;
    } cases[] = {
        {"acmegoMissing", "ACME", "2G", "acmego", -1, "File not found"},
        {"acmeallBroken", "ACME", "2G", "acmeall", 13, kTableDamaged},
        {"stuballBroken2G", "SAM2", "2G", "stuball", 9, kTableDamaged},
        {"stuballMissing3G", "SAM2", "3G", "stuball", -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        ShippedTables use(dir.path().string());
        for (const char* name : kTables)
            if (name != std::string(c.table) || c.bytes >= 0)
                std::ofstream(dir.file(std::string(name) + ".bin"))
                    << std::string(name == std::string(c.table) ? c.bytes : 0, '\0');
        try {
            Calculated(c.type, c.cls, 1, 5);
            EXPECT_EQ(c.reason, nullptr);
        } catch (const TableError& e) {
            ASSERT_NE(c.reason, nullptr);
            EXPECT_EQ(e.reason(), c.reason);
        }
    }
}

// The printed limits of tools/acme_data/published.csv (Machinery's Handbook Tables
// 2b/2c, a maker's 2G chart, Merrick's data sheets), which make_acme.py also checks,
// through the whole calculation: from the shipped table rows, and from the formulas
// with the shipped allowance bands. Equal in the fourth place, or one unit off where the
// file says why (a data sheet's own rounding).
TEST(AcmePublished, PrintedLimitsFromTableRowsAndFormulas) {
    // dia, tpi, class -> the rows of that thread
    std::map<std::tuple<std::string, std::string, std::string>, std::vector<DataRow>> threads;
    for (const DataRow& row : DataFile("tools/acme_data/published.csv"))
        if (row.Text("kind") == "printed")
            threads[{row.name, row.Text("tpi"), row.Text("class")}].push_back(row);
    ASSERT_GE(threads.size(), 20u);
    ShippedTables tables;
    int equal = 0, listed = 0;
    for (const auto& [key, values] : threads) {
        const auto& [dia, tpi, cls] = key;
        for (const bool formulas : {false, true}) {
            TTInfo rec;
            rec.SetThreadType("ACME");
            rec.SetClass(cls);
            rec.SetNomDia(std::stod(dia));
            rec.SetTPI(std::stof(tpi));
            rec.ForceCalc = formulas ? 1 : 0;
            rec.Calculate();
            ASSERT_EQ(rec.ExtThd.FromTable, 1) << dia << "-" << tpi << ": no acmetbl row";
            for (const DataRow& v : values) {
                std::string limit = v.Text("column");
                std::replace(limit.begin(), limit.end(), '_', '.');
                SCOPED_TRACE(dia + "-" + tpi + " " + cls + " " + limit +
                             (formulas ? " (formulas)" : " (table row)"));
                const long got = std::lround(RecordValue(rec, limit) * 10000);
                const long printed = std::lround(v.Num("value") * 10000);
                if (v.Empty("note")) {
                    EXPECT_EQ(got, printed);
                    equal += !formulas;
                } else {
                    EXPECT_EQ(std::labs(got - printed), 1) << v.Text("note");
                    listed += !formulas;
                }
            }
        }
    }
    EXPECT_EQ(equal + listed, 107);
    EXPECT_EQ(listed, 4);
}

} // namespace

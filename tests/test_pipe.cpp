// Pipe threads: the table readers through the driver, by nominal pipe size as
// the size list picks it, and the pipe pages built from the record. Expected
// values are the ASME B1.20.1 basic dimensions (1/16, 1/2, 1, 3/4 NPT), the
// 1/2 NPSM limits whose midpoints the published tables give, the standard's
// formulas by hand, or, where a row only checks where each field goes, the
// values written into the table.
#include "core/pipe_record.h"
#include "core/table_file.h"
#include "core/thread_record.h"
#include "pages/clipboard_text.h"
#include "pages/parameter_page.h"
#include "pipe/pipe_pages.h"
#include "pipe/pipe_tables.h"
#include "pipe/pipe_text.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

enum Kind { NPT, NPSC, NPTR, NPSM, NPSL };

// A record set up as the parameter page does it for a size list entry, then calculated.
std::unique_ptr<TTInfo> CalcPipe(Kind kind, const std::string& size) {
    const std::vector<std::string> sizes = PipeSizeTexts(kind);
    const auto at = std::find(sizes.begin(), sizes.end(), size);
    if (at == sizes.end()) throw std::invalid_argument("no size " + size);
    static const char* const kinds[] = {"NPT", "NPSC", "NPTR", "NPSM", "NPSL"};
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(kTypeNPT);
    e.classText = kinds[kind];
    e.pipe = true;
    e.pipeKind = kind;
    e.pipeSize = static_cast<int>(at - sizes.begin());
    e.pipeSizeText = size;
    auto rec = std::make_unique<TTInfo>();
    const SetUpResult r = SetUpRecord(e, *rec);
    if (!r.message.empty()) throw std::runtime_error(r.message);
    // The hidden pitch box only has to pass the check; the tables set the pitch.
    EXPECT_EQ(r.pitchText, "1.0");
    rec->Calculate();
    return rec;
}

struct PipeTables : TestTables {
    PipeTables() : TestTables({"npt", "nptgage", "npttol", "npsc", "nptr", "npsm", "npsl"}) {}
    // Raw bytes after the compiled records: a repeated key or a cut-off record.
    static void Append(const std::string& file, const std::vector<int32_t>& fields,
                       std::size_t bytes) {
        std::ofstream out(TablePath(file), std::ios::binary | std::ios::app);
        std::string raw;
        for (int32_t v : fields)
            for (int i = 0; i < 4; ++i)
                raw += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
        out.write(raw.data(), static_cast<std::streamsize>(std::min(bytes, raw.size())));
    }
};

// 1/2 NPT in the layout of npt.csv (ASME B1.20.1 basic dimensions).
const char* const kNPTHalf =
    "0.5,0.840,14,0.75843,0.3200,4.48,0.77843,0.5337,7.47,0.79179,0.2137,2.99,0.2143,3,"
    "0.74504,0.2479,3.47,0.7815,0.3909,0.78286,0.05714,0.00446,0.70129\n";

// The shipped tables (ASME B1.20.1; plcalc's tests read every size): 1/16 is
// found by its exact key 6250 in both files; 3/4 has gauge pitch diameters and
// ring thickness but no published plug major.
TEST(PipeTables, ShippedNPTBySize) {
    ShippedTables shipped;
    const auto small = CalcPipe(NPT, "1/16");
    EXPECT_EQ(small->NomDia, 0.0625);
    EXPECT_NEAR(small->Pipe->E0, 0.27118, 5e-9);
    EXPECT_NEAR(small->GoPlug.PD.Gage, 0.28118, 5e-9);
    EXPECT_EQ(small->ExtThd.TPI, 27.0f);
    const auto threeQuarter = CalcPipe(NPT, "3/4");
    const TThdNPT& p = *threeQuarter->Pipe;
    EXPECT_NEAR(p.PipeOD, 1.050, 5e-9);
    EXPECT_EQ(threeQuarter->TPI, 14.0f);
    EXPECT_NEAR(p.DiaIncPerThd, 0.00446, 5e-9);
    // Published E1 = E0 + 0.0625 x the tabulated L1 0.339 (not 4.75 threads).
    EXPECT_NEAR(p.E1, 0.98887, 5e-9);
    EXPECT_NEAR(threeQuarter->GoPlug.PD.Gage, 0.98887, 5e-9);
    EXPECT_NEAR(p.RingThickness, 0.339, 5e-9);
    EXPECT_EQ(threeQuarter->GoPlug.Major.Gage, 0);
    EXPECT_EQ(PipeDesignation(p), "3/4 - 14 NPT");
}

// Every field of every file to its member: the written rows come back where
// the layouts put them; the 24 OD key is the largest; lead -1 reads as 0.
TEST(PipeTables, FieldsReachTheirMembers) {
    PipeTables t;
    // 24 OD: E0 = D - (0.05 D + 1.1) p = 24 - 2.3/8 = 23.7125.
    t.Write("npt", std::string(kNPTHalf) + "24,24.000,8,23.7125,,,,,,,,,,,,,,,,,,0.00781,\n");
    t.Write("nptgage", "0.5,0.8400,14,0.80600,0.82600,0.83936,0.75843,0.77843,0.79179,0.71086,"
                       "0.73086,0.00446,0.3200\n");
    t.Write("npttol", "0.5,0.0001,-1,-1,15.9,20.5,0.0003,0.0005,0.0006,0.0007,0.0008,0.0009,"
                      "0.0010\n");
    const auto half = CalcPipe(NPT, "1/2");
    const TThdNPT& p = *half->Pipe;
    const std::pair<double, double> got[] = {{p.E3, 0.74504},
                                             {p.L1ToL2, 0.2137},
                                             {p.L1ToL2Thds, 2.99},
                                             {p.L3, 0.2143},
                                             {p.L3Thds, 3},
                                             {p.VanishLen, 0.2479},
                                             {p.VanishThds, 3.47},
                                             {p.L5, 0.3909},
                                             {p.E5, 0.78286},
                                             {p.ThreadHeight, 0.05714},
                                             {half->ExtThd.Minor.Gage, 0.70129},
                                             {half->GoPlug.Major.Min, 0.80600},
                                             {half->GoPlug.Major.Gage, 0.82600},
                                             {half->GoPlug.Major.Max, 0.83936},
                                             {half->GoPlug.PD.Min, 0.75843},
                                             {half->GoPlug.PD.Max, 0.79179},
                                             {half->GoRing.Minor.Min, 0.71086},
                                             {half->GoRing.Minor.Gage, 0.73086},
                                             {p.RingThickness, 0.3200},
                                             {half->XPDTol, 0.0001},
                                             {half->WLeadTol, 0},
                                             {half->XLeadTol, 0},
                                             {p.PlugTaperTol, 0.0003},
                                             {p.RingTaperTol, 0.0005},
                                             {half->WDiaTol, 0.0006},
                                             {half->XDiaTol, 0.0007},
                                             {p.PlugCumPDTol, 0.0008},
                                             {p.RingCumPDTol, 0.0009},
                                             {p.Standoff, 0.0010}};
    for (std::size_t i = 0; i < std::size(got); ++i)
        EXPECT_NEAR(got[i].first, got[i].second, 5e-9) << i;
    // Half angles truncate toward zero.
    EXPECT_EQ(half->WAngleMin, 15);
    EXPECT_EQ(half->XAngleMin, 20);

    const auto big = CalcPipe(NPT, "24 OD");
    EXPECT_EQ(big->NomDia, 24.0);
    EXPECT_EQ(big->Pipe->E0, 23.7125);
    EXPECT_EQ(big->TPI, 8.0f);
    EXPECT_EQ(PipeDesignation(*big->Pipe), "24 OD - 8 NPT");
    // A size no file holds: nothing read, threads per inch as set up.
    const auto none = CalcPipe(NPT, "1/16");
    EXPECT_EQ(none->Pipe->PipeOD, 0);
    EXPECT_EQ(none->TPI, 1.0f);
    EXPECT_EQ(PipeDesignation(*none->Pipe), "1/16 NPT");
}

TEST(PipeTables, StraightAndRailingKinds) {
    PipeTables t;
    // 1/2 NPSM (B1.20.1): the midpoints of these limits are the published
    // 0.81800, 0.77435, 0.75300 and 0.78175.
    t.Write("npsm",
            "0.5,0.840,14,0.0015,0.8250,0.8110,0.7785,0.7702,0.7450,0.7610,0.7800,0.7835\n");
    t.Write("npsc", "0.125,0.405,27,0.340,0.3701,0.3771\n");
    t.Write("npsl", "0.125,0.405,27,0.409,0.3840,0.3805,0.362,0.3863,0.3898\n");
    t.Write("nptr", "0.5,0.840,14,0.0571,0.77500,0.1429,2,0.3908,5.47,0.5387,7.54,0.2500,3.5,"
                    "0.1600,0.8600,0.5000,0.0700,1\n");

    const auto npsm = CalcPipe(NPSM, "1/2");
    EXPECT_EQ(PipeDesignation(*npsm->Pipe), "1/2 - 14 NPSM");
    EXPECT_NEAR((npsm->ExtThd.Major.Max + npsm->ExtThd.Major.Min) / 2, 0.81800, 5e-9);
    EXPECT_NEAR((npsm->ExtThd.PD.Max + npsm->ExtThd.PD.Min) / 2, 0.77435, 5e-9);
    EXPECT_NEAR((npsm->IntThd.Minor.Max + npsm->IntThd.Minor.Min) / 2, 0.75300, 5e-9);
    EXPECT_NEAR((npsm->IntThd.PD.Max + npsm->IntThd.PD.Min) / 2, 0.78175, 5e-9);
    EXPECT_NEAR(npsm->Pipe->PipeAllowance, npsm->IntThd.PD.Min - npsm->ExtThd.PD.Max, 5e-9);
    // Its copied limits are named as the window names the thread, and stay inches.
    EXPECT_EQ(ThreadDimsText(*npsm, true, true).substr(0, 57),
              "Internal: 1/2 - 14 NPSM\r\nPD Max:\t0.7835\r\nPD Min:\t0.7800\r\n");

    // NPSC is an internal thread only.
    const auto npsc = CalcPipe(NPSC, "1/8");
    EXPECT_EQ(npsc->NomDia, 0.125);
    EXPECT_NEAR(npsc->IntThd.Minor.Min, 0.340, 5e-9);
    EXPECT_NEAR(npsc->IntThd.PD.Min, 0.3701, 5e-9);
    EXPECT_NEAR(npsc->IntThd.PD.Max, 0.3771, 5e-9);
    const TThdInfo& ext = npsc->ExtThd;
    for (double v :
         {ext.PD.Max, ext.PD.Min, ext.Major.Max, ext.Major.Min, ext.Minor.Max, ext.Minor.Min})
        EXPECT_EQ(v, 0);

    const auto npsl = CalcPipe(NPSL, "1/8");
    EXPECT_NEAR(npsl->ExtThd.Major.Max, 0.409, 5e-9);
    EXPECT_EQ(npsl->ExtThd.Major.Min, 0);
    const std::pair<double, double> sl[] = {{npsl->ExtThd.PD.Max, 0.3840},
                                            {npsl->ExtThd.PD.Min, 0.3805},
                                            {npsl->IntThd.Minor.Min, 0.362},
                                            {npsl->IntThd.PD.Min, 0.3863},
                                            {npsl->IntThd.PD.Max, 0.3898}};
    for (const auto& [g, w] : sl)
        EXPECT_NEAR(g, w, 5e-9);

    // NPTR's list starts at 1/2: index 0 looks up 0.5.
    EXPECT_EQ(PipeSizeKey(NPTR, 0), 0.5);
    const auto nptr = CalcPipe(NPTR, "1/2");
    const TThdNPT& r = *nptr->Pipe;
    const std::pair<double, double> tr[] = {{r.PipeOD, 0.840},       {r.ThreadHeight, 0.0571},
                                            {r.E6, 0.77500},         {r.L6, 0.1429},
                                            {r.L6Thds, 2},           {r.L1ToL2, 0.3908},
                                            {r.L1ToL2Thds, 5.47},    {r.RingThickness, 0.5387},
                                            {r.TotalThds, 7.54},     {r.VanishLen, 0.25},
                                            {r.VanishThds, 3.5},     {r.RecessDepth, 0.16},
                                            {r.RecessDia, 0.86},     {r.LengthT, 0.5},
                                            {r.NotchDistance, 0.07}, {r.NotchDistanceThds, 1}};
    for (std::size_t i = 0; i < std::size(tr); ++i)
        EXPECT_NEAR(tr[i].first, tr[i].second, 5e-9) << i;
    EXPECT_EQ(nptr->TPI, 14.0f);
}

TEST(PipeTables, FileEdges) {
    PipeTables t;
    t.Write("npsc", "0.125,0.405,27,0.340,0.3701,0.3771\n");
    // A later record of the same size loses to the first; a record cut short
    // of its six fields is a lost row, so the file is damaged.
    PipeTables::Append("npsc.bin", {12500, 99999, 1000000, 1, 1, 1}, 24);
    EXPECT_NEAR(CalcPipe(NPSC, "1/8")->IntThd.PD.Min, 0.3701, 5e-9);
    PipeTables::Append("npsc.bin", {25000, 54000, 1800000, 44, 47, 48}, 20);
    try {
        CalcPipe(NPSC, "1/4");
        ADD_FAILURE() << "no error";
    } catch (const TableError& e) {
        EXPECT_EQ(e.reason(), kTableDamaged);
    }

    t.Remove("nptgage.bin");
    try {
        CalcPipe(NPT, "1/2");
        ADD_FAILURE() << "no error";
    } catch (const TableError& e) {
        EXPECT_EQ(e.reason(), "File not found");
        EXPECT_NE(e.path().find("nptgage.bin"), std::string::npos);
    }

    EXPECT_EQ(TruncatedMinutes(-0.99), 0);
    EXPECT_THROW(TruncatedMinutes(3e9), std::range_error);
}

TEST(PipePages, NPTGrids) {
    PipeTables t;
    t.Write("npt", kNPTHalf);
    t.Write("npttol", "0.5,0.0001,0.0002,-1,15,20,0.0003,0.0005,0.0006,0.0007,0.0008,0.0009,"
                      "0.0010\n");
    const auto rec = CalcPipe(NPT, "1/2");
    const PipePagesText pages = BuildPipePages(*rec);
    EXPECT_EQ(pages.caption, "1/2 - 14 NPT");
    EXPECT_EQ(pages.threadDrawing, PipeDrawing::ThreadDims);
    ASSERT_EQ(pages.thread.size(), 20u);
    ASSERT_EQ(pages.gages.size(), 10u);
    ASSERT_EQ(pages.tols.size(), 12u);
    EXPECT_EQ(pages.thread[0].size(), 3u);
    EXPECT_EQ(pages.gages[0].size(), 4u);
    EXPECT_EQ(pages.tols[0].size(), 3u);
    for (const DataRow& c : TestData("pipe_npt_cells")) {
        const PipeGrid& grid = c.Text("grid") == "thread"  ? pages.thread
                               : c.Text("grid") == "gages" ? pages.gages
                                                           : pages.tols;
        EXPECT_EQ(grid.at(static_cast<std::size_t>(c.Int("row")))
                      .at(static_cast<std::size_t>(c.Int("col"))),
                  c.Text("text"))
            << c.name;
    }

    // Each page says why it shows "  N/A", once: here the gauge table lacks the size.
    EXPECT_EQ(pages.threadNote, "");
    EXPECT_EQ(pages.gagesNote, "no NPT gauge dimension table for this size \u2014 see Help \u203a "
                               "Tables");
    EXPECT_EQ(pages.tolsNote, "");

    // A size no file holds: the outside diameter shows "  N/A".
    const auto one = CalcPipe(NPT, "1");
    const PipePagesText p1 = BuildPipePages(*one);
    EXPECT_EQ(p1.thread[2][1], "  N/A");
    EXPECT_EQ(p1.tolsNote,
              "no NPT gauge tolerance table for this size \u2014 see Help \u203a Tables");
    {
        // 11.5 threads per inch: one decimal, pitch 1/11.5.
        ShippedTables shipped;
        const PipePagesText p = BuildPipePages(*CalcPipe(NPT, "1"));
        EXPECT_EQ(p.thread[3][1], "11.5");
        EXPECT_EQ(p.thread[4][1], "0.08696");
        EXPECT_EQ(p.gages[3][1], "11.5");
        // The thin ring is L1 long.
        const PipePagesText half = BuildPipePages(*CalcPipe(NPT, "1/2"));
        EXPECT_EQ(half.gages[6][3], " 0.73086");
        EXPECT_EQ(half.gages[9][1], " 0.32000");
        EXPECT_EQ(half.gagesNote, "");
        // From 3/4 on the gauge table holds the pitch diameters and ring thickness only.
        const PipePagesText threeQuarter = BuildPipePages(*CalcPipe(NPT, "3/4"));
        EXPECT_EQ(threeQuarter.gages[6][1], "  N/A");
        EXPECT_EQ(threeQuarter.gagesNote, "no plug major or ring minor diameters in the NPT gauge "
                                          "table for this size \u2014 see Help \u203a Tables");
    }
}

TEST(PipePages, StraightAndRailingGrids) {
    PipeTables t;
    t.Write("npsc", "0.125,0.405,27,0.340,0.3701,0.3771\n");
    t.Write("npsl", "0.125,0.405,27,0.409,0.3840,0.3805,0.362,0.3863,0.3898\n");
    t.Write("nptr", "1,1.315,11.5,0.0696,1.2,0.1739,2,0.5,5.75,0.6,6.9,0.3,3.45,0.16,1.3,"
                    "0.5,0.0870,1\n");
    const struct {
        const char* name;
        Kind kind;
        const char* size;
        std::size_t rows, cols;
        PipeDrawing drawing;
        std::vector<std::tuple<int, int, std::string>> cells;
        std::string note;
    } cases[] = {
        // No row for the size: nothing to show, no threads per inch to name,
        // and the line that says why.
        {"NPSC",
         NPSC,
         "1/4",
         7,
         2,
         PipeDrawing::None,
         {{0, 1, "Inch"}, {2, 1, "  N/A"}, {3, 1, "  N/A"}, {4, 1, "  N/A"}},
         "no NPSC dimension table for this size \u2014 see Help \u203a Tables"},
        // ASME B1.20.1 1/8 NPSC: an internal thread only, its PD min before max.
        {"NPSC row",
         NPSC,
         "1/8",
         7,
         2,
         PipeDrawing::None,
         {{4, 1, " 0.340"}, {5, 0, "PD Min"}, {5, 1, " 0.3701"}, {6, 1, " 0.3771"}},
         ""},
        {"NPTR",
         NPTR,
         "1",
         14,
         3,
         PipeDrawing::Gages,
         {{2, 1, "1.315"},
          {3, 1, "11.5"},
          {5, 1, " 1.20000"},
          {8, 2, " 6.90"},
          {13, 0, "Distance Gage Notch from Fitting (S)"},
          {13, 2, " 1.00"}},
         ""},
        // A table without a single row (NPTR as it ships) lacks every size,
        // which is what its line says.
        {"NPSM",
         NPSM,
         "1/8",
         13,
         2,
         PipeDrawing::None,
         {{6, 0, "Ext. Major Dia Min"}},
         "the NPSM dimension table has no rows \u2014 see Help \u203a Tables"},
        // No row for an external major minimum.
        {"NPSL",
         NPSL,
         "1/8",
         10,
         2,
         PipeDrawing::None,
         {{2, 1, "0.4050"},
          {4, 0, "Ext. Major Dia Max"},
          {4, 1, " 0.4090"},
          {5, 0, "Ext. PD Max"},
          {9, 1, " 0.3898"}},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rec = CalcPipe(c.kind, c.size);
        const PipePagesText pages = BuildPipePages(*rec);
        ASSERT_EQ(pages.thread.size(), c.rows);
        EXPECT_EQ(pages.thread[0].size(), c.cols);
        EXPECT_EQ(pages.threadDrawing, c.drawing);
        EXPECT_TRUE(pages.gages.empty() && pages.tols.empty());
        EXPECT_EQ(pages.threadNote, c.note);
        for (const auto& [row, col, text] : c.cells)
            EXPECT_EQ(pages.thread[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)],
                      text)
                << row << "," << col;
    }
}

} // namespace

// Metric M and MJ above the calculation: tolerance classes as typed, the
// engagement group rules, plcalc's metric options and thread files of metric threads.
#include "core/thread_record.h"
#include "pages/metric_tolerance.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "support/cli_run.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

class MetricClasses : public testing::TestWithParam<DataRow> {};

TEST_P(MetricClasses, TypedAreCheckedAgainstTheDialogsGradesAndPositions) {
    const DataRow& c = GetParam();
    const TolClassCheck r = CheckTolClass(c.Text("type") == "MJ" ? kTypeMJ : kTypeM,
                                          c.Text("typed"), c.Flag("internal"));
    EXPECT_EQ(r.text, c.Text("text"));
    EXPECT_EQ(r.message, c.Text("message"));
}

DATA_ROWS(MetricClasses, "metric_classes");

int Group(const std::string& letter) {
    return letter == "S" ? kShortLOE : letter == "L" ? kLongLOE : kNormalLOE;
}

class MetricLOEGroups : public testing::TestWithParam<DataRow> {};

TEST_P(MetricLOEGroups, ShiftTheExternalClass) {
    const DataRow& c = GetParam();
    const MetricLOEChange r =
        ChangeMetricLOE(c.Text("external"), Group(c.Text("from")), Group(c.Text("to")));
    EXPECT_EQ(r.external, c.Text("result"));
    EXPECT_EQ(r.group, Group(c.Text("group")));
    EXPECT_EQ(r.refused, c.Flag("refused"));
}

DATA_ROWS(MetricLOEGroups, "metric_loe_groups");

TEST(MetricTolerance, EngagementGroupNotice) {
    // The line under the options says what the group did to the class chosen.
    const struct {
        const char* chosen;
        int group;
        const char* notice;
    } notices[] = {
        {"4g6g", kShortLOE,
         "Short LOE: the external class 4g6g is calculated as 3g6g (one pitch "
         "diameter grade finer)."},
        {"3g6g", kShortLOE, "Short LOE: 3g6g has no finer grade and is calculated as chosen."},
        {"6g6g", kLongLOE,
         "Long LOE: the external class 6g6g is calculated as 6f6g (one "
         "position looser)."},
        {"3e6g", kLongLOE, "Long LOE is not available for position e (3e6g): Normal LOE is used."},
        {"6g6g", kNormalLOE, ""},
    };
    for (const auto& n : notices)
        EXPECT_EQ(
            MetricLOENotice(n.chosen, ChangeMetricLOE(n.chosen, kNormalLOE, n.group), n.group),
            n.notice)
            << n.chosen;
}

ParameterEntry MetricEntry(int typeIndex) {
    ParameterEntry e;
    e.typeIndex = typeIndex;
    e.diameterText = "10";
    e.pitchText = "1.5";
    return e;
}

// The pitch in millimetres in the threads-per-inch field; the short group's class.
TEST(MetricTolerance, RecordOfAMetricPage) {
    ParameterEntry e = MetricEntry(TypeEntryIndex(kTypeM));
    e.extTolText = "5g6g";
    e.metricLOE = kShortLOE;
    e.customLOE = true; // the hidden inch box does not count for M
    e.loeText = "0";
    TTInfo rec;
    EXPECT_EQ(SetUpRecord(e, rec).message, "");
    EXPECT_FLOAT_EQ(rec.TPI, 1.5f);
    EXPECT_DOUBLE_EQ(rec.ExtThd.Pitch(), 1.5);
    EXPECT_EQ(rec.ExtThd.TolInfoText(), "5g6g");
    EXPECT_EQ(rec.IntThd.TolInfoText(), "6H6H");
    EXPECT_EQ(rec.LOEText, "Short");
    EXPECT_EQ(rec.ExtThd.StdLOE, 0);
    // Grade digit 3 .. 9 gives class codes 8 .. 14.
    EXPECT_EQ(rec.ExtThd.ClassCode, 10);
    EXPECT_EQ(rec.IntThd.ClassCode, 11);

    // MJ has no groups: a group left over from M is normal engagement.
    e = MetricEntry(TypeEntryIndex(kTypeMJ));
    e.intTolText = "4H5H";
    e.extTolText = "4h6h";
    e.metricLOE = kLongLOE;
    EXPECT_EQ(SetUpRecord(e, rec).message, "");
    EXPECT_EQ(rec.LOEText, "Standard");
}

TEST(MetricTolerance, ThreadFileKeepsTheMetricInputs) {
    TempDir dir;
    const std::string file = dir.file("m10.thd");
    ParameterEntry e = MetricEntry(TypeEntryIndex(kTypeM));
    e.extTolText = "6f4g"; // Long of 6g4g
    e.intTolText = "5G6H";
    e.metricLOE = kLongLOE;
    e.leftHand = true;
    e.startsIndex = 1;
    TTInfo saved;
    ASSERT_EQ(SetUpRecord(e, saved).message, "");
    std::string error;
    ASSERT_TRUE(SaveToFile(saved, file, &error)) << error;
    const std::string text = ReadTextFile(file);
    EXPECT_EQ(text.find("\nClass="), std::string::npos) << text;
    EXPECT_NE(text.find("ExtTolInfo=6f4g"), std::string::npos) << text;
    EXPECT_NE(text.find("IntTolInfo=5G6H"), std::string::npos) << text;

    TTInfo read;
    const LoadResult r = ReadFileInputs(read, file);
    ASSERT_EQ(r.status, LoadResult::Status::Loaded) << r.message;
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(read.Starts, 2);
    const RestoredPage page = RestorePage(read);
    EXPECT_TRUE(page.metric);
    EXPECT_EQ(page.extTolText, "6f4g");
    EXPECT_EQ(page.intTolText, "5G6H");
    EXPECT_EQ(page.metricLOE, kLongLOE);
    EXPECT_TRUE(page.leftHand);
    EXPECT_EQ(page.pitchText, "1.5");
    EXPECT_EQ(page.diameterText, "10.0000"); // a typed decimal comes back as %7.4f

    // Older files: without group or classes, normal engagement and the type's own
    // classes; a class the dialog could not make falls back to the type's own, with a note.
    const struct {
        const char* name;
        const char* body;
        const char* ext;
        const char* in;
        const char* loe;
        const char* note;
    } files[] = {
        {"noClasses", "Thd Type=M\n", "6g6g", "6H6H", "Standard", ""},
        {"badClass", "Thd Type=M\nExtTolInfo=6k6g\nIntTolInfo=6H6H\nLOE Group=Short\n", "6g6g",
         "6H6H", "Short",
         "Invalid external tolerance class \"6k6g\": the pitch diameter position must be e, f, "
         "g or h: 6g6g is used."},
        {"mjOfAnotherClass", "Thd Type=MJ\nExtTolInfo=6g6g\nIntTolInfo=4H5H\nLOE Group=Long\n",
         "4h6h", "4H5H", "Standard",
         "Invalid external tolerance class \"6g6g\": MJ threads have the one class 4H5H "
         "(internal) / 4h6h (external): 4h6h is used."},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        WriteTextFile(file, std::string("[MAIN]\n") + f.body + "Nom Dia=10\nTPI=1.5\n");
        TTInfo rec;
        const LoadResult lr = ReadFileInputs(rec, file);
        ASSERT_EQ(lr.status, LoadResult::Status::Loaded) << lr.message;
        EXPECT_EQ(lr.message, f.note);
        EXPECT_EQ(rec.ExtThd.TolInfoText(), f.ext);
        EXPECT_EQ(rec.IntThd.TolInfoText(), f.in);
        EXPECT_EQ(rec.LOEText, f.loe);
    }
}

// Inch output converts the millimetre limits (8.994 mm / 25.4 = 0.35409 in, 9.026 mm / 25.4
// = 0.35535 in), and a saved metric file reopens to the same pages.
TEST(MetricTolerance, PlcalcInchPagesAndSavedFile) {
    const CliRun inch = Plcalc({"--type", "M", "--dia", "10", "--pitch", "1.5", "--inch"});
    ASSERT_EQ(inch.code, 0) << inch.err;
    EXPECT_NE(inch.out.find("M 10 X 1.5 - 6g6g"), std::string::npos) << inch.out;
    for (const char* limit : {"0.3541", "0.3554"})
        EXPECT_NE(inch.out.find(limit), std::string::npos) << limit;

    TempDir dir;
    const CliRun saved = Plcalc({"--type", "M", "--dia", "10", "--pitch", "1.5", "--loe-group", "S",
                                 "--save", dir.file("m.thd")});
    ASSERT_EQ(saved.code, 0) << saved.err;
    const CliRun opened = Plcalc({"--open", dir.file("m.thd")});
    EXPECT_EQ(opened.out, saved.out);
}

} // namespace

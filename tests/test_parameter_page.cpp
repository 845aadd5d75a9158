// The parameter page's rules without the widgets: the refusal messages of
// Calculate, what each entry puts into the record, the lists and the restored
// page; thread files: the keys written, save -> open reproducing the
// calculation, and what opening makes of hand-written and earlier files.
#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pages/parameter_page.h"
#include "pages/thread_file.h"
#include "pipe/pipe_pages.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

ParameterEntry UnEntry(const std::string& dia, const std::string& pitch) {
    ParameterEntry e;
    e.classText = "2";
    e.diameterText = dia;
    e.pitchText = pitch;
    return e;
}

class ParameterEntries : public testing::TestWithParam<DataRow> {};

TEST_P(ParameterEntries, ReachTheRecordOrAreRefused) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    ParameterEntry e = UnEntry(c.Text("dia"), "20");
    e.startsIndex = 1;
    e.customLOE = !c.Empty("loe");
    e.loeText = c.Text("loe");
    e.coated = !c.Empty("coating");
    e.coatingText = e.coated ? c.Text("coating") : "-1";
    TTInfo rec;
    const SetUpResult r = SetUpRecord(e, rec);
    EXPECT_EQ(r.message, c.Text("message"));
    EXPECT_EQ(r.diameterText, Trim(c.Text("dia")));
    if (!r.message.empty()) return;
    EXPECT_EQ(rec.NomDiaText, c.Text("nom_dia_text"));
    EXPECT_EQ(rec.Starts, 2);
    EXPECT_EQ(rec.ExtThd.StdLOE, e.customLOE ? 0 : 1);
    if (e.customLOE) {
        EXPECT_DOUBLE_EQ(rec.ExtThd.LOE, c.Num("loe_value"));
    }
    EXPECT_DOUBLE_EQ(rec.Coating, c.Num("coating_value"));
}

DATA_ROWS(ParameterEntries, "parameter_entries");

// The message of SetUpRecord, else the refusal of the calculation.
std::string Refusal(const ParameterEntry& e) {
    TTInfo rec;
    const std::string message = SetUpRecord(e, rec).message;
    if (!message.empty()) return message;
    rec.Calculate();
    return rec.Refusal;
}

// Values no user means, typed, pasted or read from a file, are refused with the
// page's message: nothing is calculated from a non-finite or absurd value.
TEST(ParameterPage, HostileValuesAreRefused) {
    const std::string dia = kInvalidDiameterMessage, pitch = kInvalidPitchMessage;
    const std::string thick = "Can not calculate. The coating is too thick: ";
    ShippedTables tables;
    const auto entry = [](uint16_t type, const char* d, const std::string& p) {
        ParameterEntry e = UnEntry(d, p);
        e.typeIndex = TypeEntryIndex(type);
        return e;
    };
    for (const std::string& v :
         std::vector<std::string>{"", std::string(1 << 20, '1'), "nan", "inf", "1e308", "0x10",
                                  "1/0", "#-1", "\xC2\xBD"}) {
        SCOPED_TRACE(v.substr(0, 8));
        EXPECT_EQ(Refusal(entry(kTypeUN, "1/4", v)), pitch);
        EXPECT_EQ(Refusal(entry(kTypeM, "10", v)), pitch);
        ParameterEntry e = entry(kTypeUN, "1/4", "20");
        e.customLOE = true;
        e.loeText = v;
        EXPECT_EQ(Refusal(e), kInvalidLOEMessage);
        e.customLOE = false;
        e.coated = true;
        e.coatingText = v;
        // 1e308 reads: it is then too thick for any flank.
        EXPECT_EQ(Refusal(e).substr(0, v == "1e308" ? thick.size() : std::string::npos),
                  v == "1e308" ? thick : kInvalidCoatingMessage);
        EXPECT_EQ(StartsOf(v), 0);
        e.diameterText = v;
        EXPECT_EQ(Refusal(e), v == "1/0" ? dia.substr(19) : dia);
    }
    for (const char* starts : {"0", "7", "2.5", "1e300", " 2"})
        EXPECT_EQ(StartsOf(starts), std::string(starts) == " 2" ? 2 : 0) << starts;
}

// Values in range one by one that make no thread together, or lie outside
// what the standards tabulate.
class ParameterRefusals : public testing::TestWithParam<DataRow> {};

TEST_P(ParameterRefusals, NameTheValue) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    const std::map<std::string, uint16_t> types = {{"UN", kTypeUN}, {"M", kTypeM}, {"MJ", kTypeMJ}};
    ParameterEntry e = UnEntry(c.Text("dia"), c.Text("pitch"));
    e.typeIndex = TypeEntryIndex(types.at(c.Text("type")));
    if (c.Text("type") == "MJ") {
        e.intTolText = "4H5H";
        e.extTolText = "4h6h";
    }
    e.customLOE = !c.Empty("loe");
    e.loeText = c.Text("loe");
    const std::string message = c.Text("message");
    EXPECT_EQ(Refusal(e).substr(0, message.empty() ? std::string::npos : message.size()), message);
}

DATA_ROWS(ParameterRefusals, "parameter_refusals");

TEST(ParameterPage, ClassListsAndGaugeClassOptions) {
    // Pipe threads show neither option and keep class W even when class X is
    // asked for (Acme, stub and buttress: test_acme_pages).
    const GaugeClassChoice pipe = GaugeClassOptions(kTypeNPT, true);
    EXPECT_TRUE(!pipe.showW && !pipe.showX && pipe.classW == 1);
    EXPECT_EQ(ChooseClassEntry(TypeEntryIndex(kTypeM), "2").entry, -1) << "metric has no list";
}

TEST(ParameterPage, RestoredPageShowsTheRecordsInputs) {
    // The window tests cover the class, engagement, starts and coating boxes.
    TTInfo rec;
    rec.SetThreadType("UNR");
    const RestoredPage p = RestorePage(rec);
    EXPECT_EQ(p.typeIndex, 1);
    EXPECT_FALSE(p.customLOE || p.metric || p.coated || p.startsIndex != 0);
    // The typed text comes back only when it names the diameter exactly; else
    // the file's number is shown.
    const struct {
        double dia;
        const char *typed, *shown;
    } cases[] = {{0.25, "", "+0.250000"},
                 {0.25, " 1/4 ", "1/4"},
                 {0.31255, " 0.3125", "+0.312550"},
                 {0.3125, " 0.3125", "0.3125"}};
    for (const auto& c : cases) {
        rec.SetNomDia(c.dia);
        rec.NomDiaText = c.typed;
        EXPECT_EQ(RestorePage(rec).diameterText, c.shown) << c.typed;
    }
}

using Status = LoadResult::Status;

TEST(ThreadFile, SaveThenOpenReproducesTheCalculation) {
    const std::map<std::string, uint16_t> types = {
        {"UN", kTypeUN}, {"UNR", kTypeUNR}, {"MJ", kTypeMJ}};
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("r.thd");
    WriteTextFile(file, "; kept\n");
    for (const DataRow& c : TestData("thread_files_saved")) {
        SCOPED_TRACE(c.name);
        ParameterEntry e = UnEntry(c.Text("dia"), c.Text("tpi"));
        e.typeIndex = TypeEntryIndex(types.at(c.Text("type")));
        e.classText = c.Text("class");
        e.intTolText = "4H5H"; // MJ's only classes
        e.extTolText = "4h6h";
        e.startsIndex = c.Int("starts");
        e.loeText = c.Text("loe");
        e.customLOE = !e.loeText.empty();
        e.coatingText = c.Text("coating");
        e.coated = !e.coatingText.empty();
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        rec.Calculate();
        rec.ClassW = GaugeClassOptions(rec.ExtThd.TypeCode, c.Flag("class_x")).classW;
        if (!c.Empty("wire")) {
            ASSERT_EQ(rec.SetWireSize(c.Num("wire")), 0);
        }
        std::string error;
        ASSERT_TRUE(SaveToFile(rec, file, &error)) << error;
        if (!c.Empty("file")) {
            EXPECT_EQ(ReadTextFile(file), c.Text("file"));
        }

        TTInfo back;
        const LoadResult r = LoadFromFile(back, file);
        ASSERT_EQ(r.status, Status::Loaded) << r.message;
        EXPECT_EQ(r.message, "");
        // The pages show starts, lead, plated limits, the gauge class and the wire.
        EXPECT_EQ(AllPageTexts(back), AllPageTexts(rec));
        EXPECT_EQ(back.NomDia, rec.NomDia);
        EXPECT_EQ(back.TPI, rec.TPI);
        EXPECT_EQ(back.ExtThd.LOE, rec.ExtThd.LOE);
        EXPECT_EQ(back.ExtThd.StdLOE, rec.ExtThd.StdLOE);
        EXPECT_EQ(back.Coating, rec.Coating);
        EXPECT_EQ(back.ExtThd.UseBestWire, rec.ExtThd.UseBestWire);
        EXPECT_EQ(back.ExtThd.CurWire, rec.ExtThd.CurWire);
        EXPECT_EQ(back.ExtThd.PD.Min, rec.ExtThd.PD.Min);
    }
}

// A pipe file keeps no size text: the size comes back from the nominal
// diameter within the kind's own list (NPSL starts at 1/8, so 1 1/4 is its
// seventh size), and the hidden starts and coating boxes never count.
TEST(ThreadFile, PipeThreadsRoundTrip) {
    const struct {
        const char *name, *kind;
        int kindIndex, sizeIndex;
        const char* size;
    } cases[] = {{"halfNPT", "NPT", 0, 4, "1/2"}, {"npsl", "NPSL", 4, 6, "1 1/4"}};
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("p.thd");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ParameterEntry e = UnEntry("", "");
        e.typeIndex = TypeEntryIndex(kTypeNPT);
        e.classText = c.kind;
        e.pipe = true;
        e.pipeKind = c.kindIndex;
        e.pipeSize = c.sizeIndex;
        e.pipeSizeText = c.size;
        e.startsIndex = 2;
        e.coated = true;
        e.coatingText = "0.001";
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        EXPECT_TRUE(rec.Starts == 1 && rec.Coating == 0);
        rec.Calculate();
        std::string error;
        ASSERT_TRUE(SaveToFile(rec, file, &error)) << error;

        TTInfo back;
        const LoadResult r = LoadFromFile(back, file);
        ASSERT_EQ(r.status, Status::Loaded) << r.message;
        ASSERT_TRUE(back.Pipe);
        EXPECT_EQ(back.Pipe->SizeText, c.size);
        const PipePagesText was = BuildPipePages(rec), is = BuildPipePages(back);
        EXPECT_EQ(is.caption, was.caption);
        EXPECT_TRUE(is.thread == was.thread && is.gages == was.gages && is.tols == was.tols);
        const RestoredPage page = RestorePage(back);
        EXPECT_TRUE(page.pipe);
        EXPECT_EQ(page.classEntry, c.kind);
        EXPECT_EQ(page.pipeKind, c.kindIndex);
        EXPECT_EQ(page.pipeSize, c.sizeIndex);
    }
}

class OpenedThreadFiles : public testing::TestWithParam<DataRow> {};

TEST_P(OpenedThreadFiles, AreCheckedAsTypedInput) {
    const DataRow& c = GetParam();
    ShippedTables tables;
    TempDir dir;
    const std::string path = dir.file("h.thd");
    WriteTextFile(path, c.Text("bytes"));
    TTInfo rec;
    const LoadResult r = LoadFromFile(rec, path);
    EXPECT_EQ(r.status, c.Text("status") == "loaded" ? Status::Loaded : Status::Refused);
    std::string message = c.Text("message");
    if (message.starts_with("@")) message.replace(0, 1, path);
    EXPECT_EQ(r.message, message);
    if (r.status != Status::Loaded) return;
    EXPECT_EQ(rec.ClassText, c.Text("class_text"));
    EXPECT_EQ(rec.NomDiaText, c.Text("nom_dia_text"));
    EXPECT_EQ(rec.ExtThd.StdLOE, 1);
    EXPECT_NEAR(rec.ExtThd.PD.Min, 0.2127, 5e-7);
    EXPECT_EQ(rec.Starts, 1);
    EXPECT_EQ(rec.Coating, 0);
    EXPECT_EQ(rec.ClassW, 1);
}

DATA_ROWS(OpenedThreadFiles, "thread_files_opened");

} // namespace

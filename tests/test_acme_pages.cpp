// Acme, stub Acme (with the two modified forms) and 7x45 buttress above the
// calculation: their class lists and refusals, the standard engagement they
// keep, the gauge class options, thread files of every type, and the worked
// examples as the pages show them.
#include "core/thread_record.h"
#include "pages/clipboard_text.h"
#include "pages/parameter_page.h"
#include "pages/result_pages.h"
#include "pages/thread_file.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A type of tests/data/power_types.csv: its code and its class list.
struct PowerType {
    explicit PowerType(const DataRow& row)
        : code(TypeCodeOfOptionName(row.Text("option"))), classes(row.List("classes")) {}
    uint16_t code;
    std::vector<std::string> classes; // first = default
};

ParameterEntry Entry(uint16_t code, const std::string& cls, const std::string& dia,
                     const std::string& tpi) {
    ParameterEntry e;
    e.typeIndex = TypeEntryIndex(code);
    e.classText = cls;
    e.diameterText = dia;
    e.pitchText = tpi;
    return e;
}

class PowerTypes : public testing::TestWithParam<DataRow> {};

TEST_P(PowerTypes, ClassesEngagementAndGaugeOptions) {
    const DataRow& c = GetParam();
    const PowerType t(c);
    const int index = TypeEntryIndex(t.code);
    ASSERT_GE(index, 0);
    EXPECT_TRUE(FamilyAvailable(t.code));
    const std::vector<ClassEntry> entries = ClassEntries(index);
    ASSERT_EQ(entries.size(), t.classes.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].classText, t.classes[i]);
        EXPECT_EQ(entries[i].text, "Class " + t.classes[i]);
        EXPECT_EQ(ClassRefusal(index, t.classes[i]), "");
    }
    EXPECT_EQ(DefaultClassEntry(index), 0);
    EXPECT_EQ(ClassRefusal(index, t.code == kTypeButt ? "2g" : "2"), c.Text("refusal"));

    // The window offers only the standard engagement; a custom one left
    // checked by another type changes nothing.
    ParameterEntry e = Entry(t.code, t.classes.back(), "1", "5");
    e.customLOE = true;
    e.loeText = "3";
    TTInfo rec;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    EXPECT_EQ(rec.ExtThd.StdLOE, 1);
    EXPECT_NE(rec.ExtThd.LOE, 3.0);
    EXPECT_FALSE(RestorePage(rec).customLOE);

    const GaugeClassChoice g = GaugeClassOptions(t.code);
    EXPECT_EQ(g.showW, c.Flag("class_w"));
    EXPECT_TRUE(g.showX);
    EXPECT_EQ(g.checkW, c.Flag("class_w"));
    EXPECT_EQ(g.classW, c.Flag("class_w") ? 1 : 0);
}

// A thread file's class the list lacks falls back to the first, with a note.
TEST(PowerThreadFile, ClassTheListLacks) {
    const ClassChoice acme2 = ChooseClassEntry(TypeEntryIndex(kTypeAcme), "2");
    EXPECT_EQ(acme2.entry, 0);
    EXPECT_EQ(acme2.note, "ACME Threads have no class 2: Class 2G is used.");
    EXPECT_EQ(ChooseClassEntry(TypeEntryIndex(kTypeAcme), "3g").entry, 1);
}

TEST_P(PowerTypes, EveryClassReopensFromItsFile) {
    const PowerType t(GetParam());
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("p.thd");
    for (const std::string& cls : t.classes) {
        SCOPED_TRACE(cls);
        ParameterEntry e = Entry(t.code, cls, "1.5", "4");
        e.startsIndex = 1;
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(e, rec).message, "");
        rec.Calculate();
        rec.ClassW = GaugeClassOptions(t.code).classW;
        std::string error;
        ASSERT_TRUE(SaveToFile(rec, file, &error)) << error;
        const std::string text = ReadTextFile(file);
        EXPECT_NE(text.find("Thd Type=" + GetParam().Text("file_type") + "\n"), std::string::npos)
            << text;
        EXPECT_NE(text.find("\nClass=" + cls + "\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\nNom Dia=+1.500000\n"), std::string::npos) << text;

        TTInfo back;
        const LoadResult r = LoadFromFile(back, file);
        ASSERT_EQ(r.status, LoadResult::Status::Loaded) << r.message;
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(back.ClassW, rec.ClassW);
        EXPECT_EQ(AllPageTexts(back), AllPageTexts(rec));
        const RestoredPage page = RestorePage(back);
        EXPECT_EQ(page.typeIndex, TypeEntryIndex(t.code));
        EXPECT_EQ(page.classEntry, "Class " + cls);
        EXPECT_EQ(page.pitchText, "4");
        EXPECT_FALSE(page.customLOE);
    }
}

DATA_ROWS(PowerTypes, "power_types");

// A hand-edited engagement is not taken: these types keep the standard one.
TEST(PowerThreadFile, HandEditedEngagementIsNotTaken) {
    ShippedTables tables;
    TempDir dir;
    const std::string file = dir.file("p.thd");
    WriteTextFile(file, "[MAIN]\nThd Type=STUB ACME\nClass=3G\nNom Dia=+1.000000\n"
                        "TPI=+10.000000\nLOE=+7.000000\n");
    TTInfo stub;
    ASSERT_EQ(LoadFromFile(stub, file).status, LoadResult::Status::Loaded);
    EXPECT_EQ(stub.ExtThd.StdLOE, 1);
    EXPECT_NE(stub.ExtThd.LOE, 7.0);
}

// The setting plug page lists a truncated major only for the full Acme and
// buttress forms; the cal cert keeps the line, its seventh, as "  N/A". A two-start
// Acme is named by pitch and lead in Copy Thd Dimensions. The values of the worked
// examples are checked by the families' and plcalc's tests.
TEST(PowerThreadPage, TruncatedMajorAndDesignation) {
    const struct {
        const char* name;
        uint16_t code;
        const char *cls, *dia, *tpi;
        bool truncatedMajor;
    } examples[] = {
        {"acme", kTypeAcme, "2G", "1", "5", true},
        {"stub", kTypeStub, "2G", "1", "10", false},
        {"buttress", kTypeButt, "2", "2", "8", true},
    };
    ShippedTables tables;
    for (const auto& x : examples) {
        SCOPED_TRACE(x.name);
        TTInfo rec;
        ASSERT_EQ(SetUpRecord(Entry(x.code, x.cls, x.dia, x.tpi), rec).message, "");
        rec.Calculate();
        if (rec.ExtThd.PD.Max == 0) GTEST_SKIP() << "not calculated in this build";
        rec.ClassW = GaugeClassOptions(x.code).classW;
        const ResultPagesText p = BuildResultPages(rec, "t.thd", false);
        bool trunc = false;
        for (const auto& row : p.setPlug.grid)
            trunc = trunc || row[0] == "Major Trunc";
        EXPECT_EQ(trunc, x.truncatedMajor);
        const std::string cert = CalCertText(rec, GaugePage::SetPlug, true, false);
        std::size_t at = 0;
        for (int line = 0; line < 6; ++line) {
            at = cert.find("\r\n", at);
            ASSERT_NE(at, std::string::npos) << cert;
            at += 2;
        }
        EXPECT_EQ(cert.substr(at, cert.find("\r\n", at) - at) == "  N/A", !x.truncatedMajor)
            << cert;
    }
    TTInfo rec;
    ParameterEntry e = Entry(kTypeAcme, "2G", "1", "5");
    e.startsIndex = 1;
    ASSERT_EQ(SetUpRecord(e, rec).message, "");
    rec.Calculate();
    const std::string dims = ThreadDimsText(rec, false, false);
    EXPECT_EQ(dims.substr(0, dims.find("\r\n")), "External: 1.000-0.200P-0.400L ACME-2G");
}

} // namespace

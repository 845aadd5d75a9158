// A designation typed as one text: what each form sets on the Parameters
// page, what it refuses and why, and that every name the program prints
// reads back as the thread it names.
#include "pages/designation_entry.h"

#include "core/diameter_entry.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// The entry as one comparable text: type|diameter|pitch|class|int/ext|series|starts|SE|LH|pipe tpi.
std::string Fields(const DesignationEntry& e) {
    std::ostringstream s;
    s << e.type << '|' << e.diameter << '|' << e.pitch << '|' << e.classText << '|' << e.intTol
      << '/' << e.extTol << '|' << e.series << '|' << e.starts << '|' << e.customLOE << '|'
      << e.leftHand << '|' << e.pipeTPI;
    return s.str();
}

// tests/data/designation_entries.csv: what each form sets, or why it is refused.
class DesignationForms : public testing::TestWithParam<DataRow> {};

TEST_P(DesignationForms, ReadOrNamedWhyNot) {
    const DataRow& c = GetParam();
    const DesignationRead r = ReadDesignation(c.Text("text"));
    if (c.Empty("message")) {
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(Fields(r.entry), c.Text("fields"));
    } else {
        EXPECT_EQ(r.message, "Can not read the thread designation " + c.Text("message"));
    }
}

DATA_ROWS(DesignationForms, "designation_entries");

// The coarse pitches are ISO 261's, as the metric data's source lists them.
TEST(DesignationEntry, CoarsePitchesAreIso261s) {
    std::ifstream in(PL_SOURCE_DIR "/tools/metric_data/iso261_sizes.csv");
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#' || line.starts_with("dia")) continue;
        const double dia = std::stod(line);
        const std::string coarse = line.substr(
            line.find(',') + 1, line.find(',', line.find(',') + 1) - line.find(',') - 1);
        EXPECT_EQ(CoarsePitch(dia), coarse.empty() ? 0 : std::stod(coarse)) << line;
        ++rows;
    }
    EXPECT_GT(rows, 100);
}

// Every name the program prints reads back as the thread it names: set up
// from what it read, the thread prints the same name; a designation the
// calculated thread contradicts is refused.
TEST(DesignationEntry, PrintedNamesReadBackAndContradictionsAreRefused) {
    ShippedTables tables;
    const struct {
        const char *name, *type, *cls;
        double dia;
        float tpi;
        int starts;
    } threads[] = {
        {"unc", "UN", "2", 0.25, 20, 1},       {"unef", "UN", "3", 0.25, 32, 1},
        {"unr", "UNR", "1", 0.5, 13, 1},       {"unj", "UNJ", "3", 0.375, 24, 1},
        {"metric", "M", "", 12, 1.25f, 1},     {"mj", "MJ", "", 6, 1, 1},
        {"acme", "ACME", "3G", 1.5, 4, 1},     {"acmeStarts", "ACME", "2G", 1, 5, 2},
        {"stub", "STUB", "2G", 0.75, 6, 1},    {"sam2", "SAM2", "4G", 1, 8, 1},
        {"buttress", "745BUTT", "3", 2, 8, 1},
    };
    for (const auto& t : threads) {
        SCOPED_TRACE(t.name);
        auto rec = Calculated(t.type, t.cls, t.dia, t.tpi, t.starts);
        const std::string name = BuildResultPages(*rec, "", false, false).name;
        const DesignationRead r = ReadDesignation(name);
        ASSERT_EQ(r.message, "") << name;
        EXPECT_EQ(DesignationMismatch(r.entry, *rec), "");
        auto again =
            Calculated(r.entry.type == "BUTT" ? "745BUTT" : r.entry.type.c_str(),
                       r.entry.classText.c_str(), ParseDiameterEntry(r.entry.diameter).value,
                       std::stof(r.entry.pitch), static_cast<uint16_t>(r.entry.starts));
        EXPECT_EQ(BuildResultPages(*again, "", false, false).name, name);
    }
    // ASME B1.1: 1/4-28 is UNF; B1.20.1: 1/2 NPT has 14 threads per inch.
    auto fine = Calculated("UN", "2", 0.25, 28, 1);
    EXPECT_EQ(DesignationMismatch(ReadDesignation("1/4-28 UNC").entry, *fine),
              "1/4-28 is UNF, not UNC");
    EXPECT_EQ(DesignationMismatch(ReadDesignation("1/4-28 UN-2A").entry, *fine), "");
}

} // namespace

// A designation typed as one text: what each form sets on the Parameters
// page, what it refuses and why, and that every name the program prints
// reads back as the thread it names.
#include "pages/designation_entry.h"

#include "core/diameter_entry.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"
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

TEST(DesignationEntry, ReadsTheFormsAndNamesWhatItCannotRead) {
    const std::string head = "Can not read the thread designation ";
    const struct {
        const char *name, *text, *fields, *message;
    } cases[] = {
        {"unifiedWithMember", "1/4-20 UNC-2A", "UN|1/4|20|2|/|UNC|1|0|0|", ""},
        {"unifiedNoClass", "1/4-20 UNC", "UN|1/4|20||/|UNC|1|0|0|", ""},
        {"numberSize", "#10-32 UNF-3B", "UN|#10|32|3|/|UNF|1|0|0|", ""},
        // B1.1 number sizes as the shop writes them; 10 in with 32 tpi is no standard thread.
        {"numberSizeWithoutHash", "10-32 UNF", "UN|#10|32||/|UNF|1|0|0|", ""},
        {"inchSizeNotANumberSize", "2-8 UN", "UN|2|8||/|UN|1|0|0|", ""},
        {"special", "0.3125-40 UNS-2A", "UN|0.3125|40|2|/|UNS|1|0|0|", ""},
        {"mixedNumber", "1 1/4-7 UNC", "UN|1 1/4|7||/|UNC|1|0|0|", ""},
        {"hyphenatedNoSeries", "1-1/4-7", "UN|1-1/4|7||/||1|0|0|", ""},
        {"rolledRoot", "1/4-20 UNRC-3A", "UNR|1/4|20|3|/|UNRC|1|0|0|", ""},
        {"customEngagement", "1/4-20 UNC-SE2A", "UN|1/4|20|2|/|UNC|1|1|0|", ""},
        {"bothMembersAsPrinted", "1/4-20 UNC-2B  /  1/4-20 UNC-2A", "UN|1/4|20|2|/|UNC|1|0|0|", ""},
        {"metric", "M10x1.5-6g", "M|10|1.5||/6g||1|0|0|", ""},
        // ISO 261: M10 coarse pitch 1.5, M64 6.
        {"metricCoarse", "M10-6H", "M|10|1.5||6H/||1|0|0|", ""},
        {"metricCoarse64", "M64", "M|64|6||/||1|0|0|", ""},
        {"metricBothClasses", "M10x1-6H/6g", "M|10|1||6H/6g||1|0|0|", ""},
        {"metricAsPrinted", "M 10 X 1.5 - 6H6H LH  /  M 10 X 1.5 - 6f6g LH",
         "M|10|1.5||6H6H/6f6g||1|0|1|", ""},
        {"aerospace", "MJ10x1.5-4h6h", "MJ|10|1.5||/4h6h||1|0|0|", ""},
        {"acme", "1-5 ACME-2G", "ACME|1|5|2G|/|ACME|1|0|0|", ""},
        // 1.000 in, pitch 0.200 (5 tpi), lead 0.400: two starts.
        {"acmeTwoStarts", "1.000-0.200P-0.400L ACME-2G", "ACME|1.000|5|2G|/|ACME|2|0|0|", ""},
        {"stub", "1/2-10 STUB ACME-2G", "STUB|1/2|10|2G|/|STUB ACME|1|0|0|", ""},
        {"modifiedStubAsPrinted", " 1.0000-10 STUB M1-2G", "SAM1|1.0000|10|2G|/|STUB M1|1|0|0|",
         ""},
        {"buttress", "2-8 BUTT-2", "BUTT|2|8|2|/|BUTT|1|0|0|", ""},
        {"buttressAsPrinted", "2.0000-8 7 x 45 BUTTRESS-2",
         "BUTT|2.0000|8|2|/|7 X 45 BUTTRESS|1|0|0|", ""},
        {"pipe", "1/2-14 NPT", "NPT|1/2||NPT|/||1|0|0|14", ""},
        {"pipeAsPrinted", "1 1/4 - 11.5 NPT", "NPT|1 1/4||NPT|/||1|0|0|11.5", ""},
        {"straightPipe", "1/2 NPSM", "NPT|1/2||NPSM|/||1|0|0|", ""},
        {"unknownSeries", "1/4-20 UNQ-2A", "", "\"1/4-20 UNQ-2A\": UNQ is no thread series"},
        {"noPitch", "1/4 UNC", "", "\"1/4 UNC\": 1/4 needs its threads per inch (1/4-20)"},
        {"badDiameter", "1/4x-20", "", "\"1/4x-20\": 1/4x is no diameter"},
        {"badClass", "1-5 ACME-2C", "", "\"1-5 ACME-2C\": 2C is no class (2A, 3B, 2G)"},
        {"twoClasses", "1/4-20 UNC-2A/3B", "",
         "\"1/4-20 UNC-2A/3B\": 2A/3B gives two classes: "
         "both threads take one"},
        {"trailingWord", "1/4-20 UNC 2A", "", "\"1/4-20 UNC 2A\": 2A is not understood"},
        {"noCoarsePitch", "M70-6g", "",
         "\"M70-6g\": M70 has no coarse pitch in ISO 261: give the "
         "pitch (M70x1.5)"},
        {"emptyPitch", "M10x-6g", "", "\"M10x-6g\": 10x has no pitch after the x"},
        {"badTolerance", "M10x1.5-g6", "",
         "\"M10x1.5-g6\": g6 is no tolerance class (6H, 6g, 6H/6g)"},
        {"leftHandInch", "1/4-20 UNC-2A LH", "",
         "\"1/4-20 UNC-2A LH\": LH: the hand is kept for M and MJ threads only"},
        {"membersDiffer", "1/4-20 UNC-2B  /  1/4-28 UNF-2A", "",
         "\"1/4-20 UNC-2B / 1/4-28 UNF-2A\": its two threads differ"},
        {"empty", "  ", "", "\"\": it is empty"},
        {"noPitchAfterHyphen", "1/4- UNC", "",
         "\"1/4- UNC\": the threads per inch are missing "
         "after the - (1/4-20)"},
        {"noSize", "-20 UNC", "", "\"-20 UNC\": the size is missing before the - (1/4-20)"},
        {"noClassAfterHyphen", "1/4-20 UNC-", "",
         "\"1/4-20 UNC-\": the class is missing after "
         "the - (2A, 3G)"},
        {"metricAlone", "MJ", "", "\"MJ\": the diameter is missing (M10)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const DesignationRead r = ReadDesignation(c.text);
        EXPECT_EQ(r.message, *c.message ? head + c.message : "");
        if (!*c.message) {
            EXPECT_EQ(Fields(r.entry), c.fields);
        }
    }
}

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

// Calibrating a plug over wires: the budget, k, U and the ISO 14253-1 verdict
// worked by hand; the calibration file written, read back and refused.
#include "pages/calibration_file.h"

#include "core/number_text.h"
#include "core/thread_record.h"
#include "support/test_data.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>

namespace {

std::unique_ptr<TTInfo> Thread(const char* type, double dia, float tpi, const char* cls) {
    auto rec = std::make_unique<TTInfo>();
    rec->SetThreadType(type);
    rec->SetNomDia(dia);
    rec->NomDiaText = dia == 0.25 ? "1/4" : "10";
    rec->SetTPI(tpi);
    if (*cls == '6') {
        rec->ExtThd.SetTolInfo("6g6g");
        rec->IntThd.SetTolInfo("6H6H");
    } else {
        rec->SetClass(cls);
    }
    rec->Calculate();
    return rec;
}

std::vector<std::string> Column(const TextGrid& g, std::size_t col, std::size_t from) {
    std::vector<std::string> v;
    for (std::size_t r = from; r < g.size(); ++r)
        v.push_back(g[r][col]);
    return v;
}

std::vector<std::string> Split(const std::string& cell) {
    std::vector<std::string> parts;
    for (std::size_t at = 0; at <= cell.size();) {
        const std::size_t end = std::min(cell.find('|', at), cell.size());
        parts.push_back(cell.substr(at, end - at));
        at = end + 1;
    }
    return parts;
}

CalibrationEntry EntryOf(const DataRow& c) {
    return {.member = c.Text("member"),
            .readings = c.Text("readings"),
            .wire = c.Text("wire"),
            .uWire = c.Text("uWire"),
            .uReading = c.Text("uReading"),
            .kReading = c.Text("kReading"),
            .angleDev = c.Text("angleDev"),
            .uAngle = c.Text("uAngle"),
            .tempGauge = c.Text("tempGauge"),
            .tempInstrument = c.Text("tempInstrument"),
            .uTempGauge = c.Text("uTempGauge"),
            .uTempInstrument = c.Text("uTempInstrument"),
            .majorReadings = c.Text("majorReadings"),
            .uMajor = c.Text("uMajor")};
}

class HandWorked : public testing::TestWithParam<DataRow> {};

TEST_P(HandWorked, BudgetUncertaintyAndVerdictToThePrintedPlaces) {
    ShippedTables tables;
    const DataRow& c = GetParam();
    const std::string cls = c.Text("class");
    const auto rec = Thread(c.Text("type").c_str(), c.Num("dia"), c.Float("tpi"), cls.c_str());
    const CalibrationPageText page = BuildCalibrationPage(*rec, EntryOf(c), cls == "6");
    ASSERT_EQ(page.message, "");
    ASSERT_EQ(page.budget.size(), 8u);
    const std::vector<std::string> sensitivity = Split(c.Text("sensitivity"));
    const std::vector<std::string> summary = Split(c.Text("summary"));
    const std::vector<std::string> verdict = Split(c.Text("verdict"));
    EXPECT_EQ(Column(page.budget, 3, 1), sensitivity);
    EXPECT_EQ(Column(page.budget, 4, 1), Split(c.Text("contribution")));
    EXPECT_EQ(Column(page.summary, 1, 0), summary);
    EXPECT_EQ(page.verdict, verdict);
    // The JSON values are the page's.
    const std::string word = verdict[0].substr(16, verdict[0].find(" \xE2\x80\x94") - 16);
    EXPECT_EQ(page.json.verdict, word);
    EXPECT_EQ(page.json.U, TextToFloat(summary[3]));
    EXPECT_EQ(page.json.budget[2].sensitivity, TextToFloat(sensitivity[2]));
}

DATA_ROWS(HandWorked, "calibration_worked");

// GUM Table G.2, p = 95.45 %; ISO 14253-1 at its edges, in the last stated place:
// on the reduced limit conforms, on the widened one not proven, past it not.
TEST(Decision, CoverageFactorsOfTheTableAndTheZoneEdges) {
    const std::pair<double, double> table[] = {{1, 13.97}, {2, 4.53},  {3, 3.31},    {4, 2.87},
                                               {5, 2.65},  {10, 2.28}, {11.9, 2.25}, {20, 2.13},
                                               {50, 2.05}, {1e9, 2.00}};
    for (const auto& [dof, k] : table)
        EXPECT_EQ(CoverageFactor(dof), k) << dof;
    const std::tuple<double, Conformance, double> edges[] = {
        {0.21772, Conformance::Conforms, 0.00008},
        {0.21773, Conformance::NotProven, 0.00007},
        {0.21788, Conformance::NotProven, -0.00008},
        {0.21789, Conformance::DoesNotConform, -0.00009},
        {0.21741, Conformance::DoesNotConform, -0.00009},
    };
    for (const auto& [value, verdict, toNearest] : edges) {
        const Decision d = Decide(value, 0.00008, 0.21750, 0.21780, 5);
        EXPECT_EQ(d.verdict, verdict) << value;
        EXPECT_NEAR(d.toNearest, toNearest, 1e-12) << value;
    }
}

// 1/4-4 UNC has no minor diameter left: no gauge of it is judged.
TEST(Decision, NoneForARefusedThread) {
    ShippedTables tables;
    const auto rec = Thread("UN", 0.25, 4, "2");
    ASSERT_NE(rec->Refusal, "");
    EXPECT_EQ(BuildCalibrationPage(*rec, EntryOf(TestData("calibration_worked")[0]), false).message,
              rec->Refusal);
}

// The temperature case with its certificate's identity, saved and opened again.
class CalibrationFile : public testing::Test {
protected:
    void SetUp() override {
        rec = Thread("UN", 0.25, 20, "2");
        entry = EntryOf(TestData("calibration_worked")[3]);
        entry.identity = {"G-1207",
                          "Acme Gauge Works",
                          "1/4-20 GO plug",
                          "Ridge Tools",
                          "2024-05-14",
                          "K. Lund",
                          "20.3 \xC2\xB0"
                          "C, 45 % RH"};
        page = BuildCalibrationPage(*rec, entry, false);
        ASSERT_EQ(page.message, "");
        std::string error;
        ASSERT_TRUE(SaveCalibrationFile(*rec, page.input, entry.identity, file, &error)) << error;
    }
    ShippedTables tables;
    TempDir dir;
    std::string file = dir.file("gauge.cal");
    std::unique_ptr<TTInfo> rec;
    CalibrationEntry entry;
    CalibrationPageText page;
};

// The file's lengths carry their unit: a millimetre display reads the same values.
TEST_F(CalibrationFile, ReopeningGivesTheSameCertificateInEitherUnit) {
    TTInfo back;
    const CalibrationFileLoad load = LoadCalibrationFile(back, file);
    ASSERT_EQ(load.result.message, "");
    const CalibrationPageText again = BuildCalibrationPage(back, load.entry, false);
    EXPECT_EQ(again.certificate, page.certificate);
    EXPECT_EQ(again.budget, page.budget);
    EXPECT_EQ(again.verdict, page.verdict);
    const CalibrationPageText mm = BuildCalibrationPage(back, load.entry, true);
    ASSERT_EQ(mm.message, "");
    EXPECT_EQ(mm.calibration.pd.value, page.calibration.pd.value);
    EXPECT_EQ(mm.certificate[14], (std::vector<std::string>{"Pitch diameter at 20 \xC2\xB0"
                                                            "C",
                                                            "5.5281 mm"}));
}

struct Refusal {
    const char* name;
    const char* key;     // the line of this key ...
    const char* line;    // ... becomes this one; nullptr: removed
    const char* message; // "{file}" stands for the file's path
};

const Refusal kRefusals[] = {
    {"missing_key", "U Reading", nullptr,
     "{file} is damaged: it has no CALIBRATION key \"U Reading\""},
    {"missing_identity", "Customer", nullptr,
     "{file} is damaged: it has no CERTIFICATE key \"Customer\""},
    {"not_a_calibration_file", "Gauge", nullptr, "{file} is not a calibration file"},
    {"empty_uncertainty", "U Reading", "U Reading=", "Enter the uncertainty of one reading."},
    {"reading_not_a_number", "Readings", "Readings=0.26135, x", "Invalid reading over wires: x in"},
    {"reading_too_small", "Readings", "Readings=0.04",
     "The mean reading (0.04000) is too small for these wires: no pitch diameter gives it."},
    {"negative_uncertainty", "U Wire", "U Wire=-0.00001",
     "Invalid uncertainty of the wire diameter: -0.00001 in"},
    {"huge_temperature", "Gauge Temperature", "Gauge Temperature=1e308",
     "Invalid gauge temperature: 1e308 (degrees Celsius, 0 to 40)"},
    {"nan_expansion", "Gauge Expansion", "Gauge Expansion=nan",
     "Invalid expansion coefficient of the gauge: nan (per kelvin, 0 to 50e-6; steel 11.5e-6)"},
    {"wire_out_of_range", "Wire", "Wire=0.06", "Invalid Wire Size!"},
    {"ring_gauge", "Gauge", "Gauge=GoRing",
     "Invalid gauge: GoRing (GoPlug, NoGoPlug, GoSetPlug or NoGoSetPlug)"},
    {"unknown_readings", "Wire Readings", "Wire Readings=approximate",
     "Invalid wire readings: approximate (standard or exact)"},
    {"identity_over_two_lines", "Serial",
     "Serial=G-12\x0B"
     "07",
     "Invalid Serial number: one line of text only"},
    {"thread_refused", "Nom Dia", "Nom Dia=-1", "Can not calculate. Invalid Nominal Diameter"},
};

class CalibrationFileRefused : public CalibrationFile,
                               public testing::WithParamInterface<Refusal> {};

TEST_P(CalibrationFileRefused, AsTypedInputIs) {
    const Refusal& r = GetParam();
    const std::regex key("(^|\n)" + std::string(r.key) + "=[^\n]*\n");
    const std::string text = ReadTextFile(file);
    ASSERT_TRUE(std::regex_search(text, key));
    WriteTextFile(file,
                  std::regex_replace(text, key, r.line ? "$1" + std::string(r.line) + "\n" : "$1"));
    TTInfo back;
    const CalibrationFileLoad load = LoadCalibrationFile(back, file);
    EXPECT_EQ(load.result.status, LoadResult::Status::Refused);
    EXPECT_EQ(load.result.message, std::regex_replace(r.message, std::regex("\\{file\\}"), file));
}

INSTANTIATE_TEST_SUITE_P(Damaged, CalibrationFileRefused, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

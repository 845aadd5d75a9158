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

class CalibrationFileRefused : public CalibrationFile,
                               public testing::WithParamInterface<DataRow> {};

// tests/data/calibration_refusals.csv
TEST_P(CalibrationFileRefused, AsTypedInputIs) {
    const DataRow& r = GetParam();
    const std::regex key("(^|\n)" + r.Text("key") + "=[^\n]*\n");
    const std::string text = ReadTextFile(file);
    ASSERT_TRUE(std::regex_search(text, key));
    WriteTextFile(
        file, std::regex_replace(text, key, r.Empty("line") ? "$1" : "$1" + r.Text("line") + "\n"));
    TTInfo back;
    const CalibrationFileLoad load = LoadCalibrationFile(back, file);
    EXPECT_EQ(load.result.status, LoadResult::Status::Refused);
    EXPECT_EQ(load.result.message,
              std::regex_replace(r.Text("message"), std::regex("\\{file\\}"), file));
}

DATA_ROWS(CalibrationFileRefused, "calibration_refusals");

} // namespace

// Calibrating a plug over wires: the budget, k, U and the ISO 14253-1 verdict
// worked by hand; the calibration file written, read back and refused.
#include "pages/calibration_file.h"

#include "core/number_text.h"
#include "core/thread_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

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

struct CalCase {
    const char* name;
    const char* type;
    double dia;
    float tpi;
    const char* cls;
    CalibrationEntry entry;
    std::vector<std::string> sensitivity, contribution; // budget columns
    std::vector<std::string> summary;                   // uc, degrees of freedom, k, U, PD
    std::vector<std::string> verdict;                   // the verdict lines
};

// 1/4-20 UNC-2B, over the best wire W = 0.0288675 (single start: no helix term):
// PD = M - 3W + 0.866025 P = M - 0.04330125. Class X gauges (as the Plug Gage page
// gives them): GO PD 0.2175 +0.0003, NOT GO 0.2224 -0.0003, GO major 0.2500 +0.0005.
// uc = sqrt(sum (c u)^2); Type A s / sqrt(n) with n - 1 degrees of freedom; k from
// GUM Table G.2 at the truncated Welch-Satterthwaite degrees of freedom; U rounded
// up to the fifth place. The temperature coefficients are -M alpha and +M alpha
// (11.5e-6 /K): 0.26095 alpha = 3.001e-6.
//  single: 0.26095 -> 0.21764875; u 0.00002 and 3 x 0.00001: uc 3.606e-5, U 7.2e-5.
//   Its major 0.25020, 0.25024: Type A 2e-5 (1 dof) and 0.00002: uc 2.828e-5, dof 4,
//   k 2.87, U 8.12e-5.
//  five: mean 0.26560 -> 0.22229875; s 4.743e-5, Type A 2.121e-5 (4 dof), instrument
//   0.00002 / k 2, wire 3 x 0.000005: uc 2.784e-5, dof 7.75^2 / (4.5^2 / 4) = 11.86,
//   k(11) 2.25, U 6.26e-5.
//  near max: mean 0.26109 -> 0.21778875, 0.21779 + 0.00008 passes 0.21780 by less than U.
//  temperature: 0.26135 (1 + 11.5e-6 x 0.5) / (1 + 11.5e-6 x 3) = 0.26134249; wire 0.029
//   gives -3 x 0.029; the half-angle 30 deg 4 min moves PD by (P/2)(cot a' - cot a)
//   - W(cosec a' - cosec a) = +4.94e-7: PD 0.21764423. c(W) = -3 - (cosec a' - 2),
//   c(P) = cot(a') / 2, c(angle) = (W cos a' - P/2) / sin^2 a' per radian.
// M10x1.5 6H GO plug (ISO 1502: 9.0325 to 9.0435 mm, wear limit 9.0205, from the
// 125-200 um row): W 0.866025, 10.3290 - 1.2990375 = 9.0299625; u 0.0005 and
// 3 x 0.0002: uc 7.81e-4, U 0.0016; 9.0300 - 9.0205 left to wear.
const CalCase kCases[] = {
    {"single_reading_conforms",
     "UN",
     0.25,
     20,
     "2",
     {.member = "GoPlug",
      .readings = "0.26095",
      .uWire = "0.00001",
      .uReading = "0.00002",
      .majorReadings = "0.25020, 0.25024",
      .uMajor = "0.00002"},
     {"1.000", "1.000", "-3.000", "0.8660", "0", "-0.000003001", "0.000003001"},
     {"0.000000", "0.000020", "0.000030", "0.000000", "0.000000", "0.000000", "0.000000"},
     {"0.000036", "\xE2\x88\x9E", "2.00", "0.00008", "0.21765"},
     {"Pitch diameter: conforms \xE2\x80\x94 0.21765 \xC2\xB1 0.00008 in lies inside the class "
      "X limits 0.21750 to 0.21780 in by at least U",
      "Major diameter: conforms \xE2\x80\x94 0.25022 \xC2\xB1 0.00009 in lies inside the class "
      "X limits 0.25000 to 0.25050 in by at least U"}},
    {"five_readings_t_factor",
     "UN",
     0.25,
     20,
     "2",
     {.member = "NoGoPlug",
      .readings = "0.26560, 0.26566, 0.26554; 0.26563, 0.26557",
      .uWire = "0.000005",
      .uReading = "0.00002",
      .kReading = "2"},
     {"1.000", "1.000", "-3.000", "0.8660", "0", "-0.000003054", "0.000003054"},
     {"0.000021", "0.000010", "0.000015", "0.000000", "0.000000", "0.000000", "0.000000"},
     {"0.000028", "11.9", "2.25", "0.00007", "0.22230"},
     {"Pitch diameter: conforms \xE2\x80\x94 0.22230 \xC2\xB1 0.00007 in lies inside the class "
      "X limits 0.22210 to 0.22240 in by at least U"}},
    {"near_maximum_not_proven",
     "UN",
     0.25,
     20,
     "2",
     {.member = "GoPlug",
      .readings = "0.26108, 0.26110",
      .uWire = "0.00001",
      .uReading = "0.00002"},
     {"1.000", "1.000", "-3.000", "0.8660", "0", "-0.000003003", "0.000003003"},
     {"0.000010", "0.000020", "0.000030", "0.000000", "0.000000", "0.000000", "0.000000"},
     {"0.000037", "196.0", "2.01", "0.00008", "0.21779"},
     {"Pitch diameter: not proven \xE2\x80\x94 0.21779 \xC2\xB1 0.00008 in lies 0.00001 in "
      "inside the maximum 0.21780 in, within U of it"}},
    {"temperature_and_half_angle",
     "UN",
     0.25,
     20,
     "2",
     {.member = "GoPlug",
      .readings = "0.26135",
      .wire = "0.029",
      .uWire = "0.00001",
      .uReading = "0.00002",
      .angleDev = "4",
      .uAngle = "3",
      .tempGauge = "23",
      .tempInstrument = "20.5",
      .uTempGauge = "0.5",
      .uTempInstrument = "0.2"},
     {"1.000", "1.000", "-2.996", "0.8637", "0.0000001134", "-0.000003005", "0.000003005"},
     {"0.000000", "0.000020", "0.000030", "0.000000", "0.000000", "0.000002", "0.000001"},
     {"0.000036", "\xE2\x88\x9E", "2.00", "0.00008", "0.21764"},
     {"Pitch diameter: conforms \xE2\x80\x94 0.21764 \xC2\xB1 0.00008 in lies inside the class "
      "X limits 0.21750 to 0.21780 in by at least U"}},
    {"iso1502_worn_go_plug",
     "M",
     10,
     1.5f,
     "6",
     {.member = "GoPlug", .readings = "10.3290", .uWire = "0.0002", .uReading = "0.0005"},
     {"1.000", "1.000", "-3.000", "0.8660", "-0.0000000004", "-0.0001188", "0.0001188"},
     {"0.00000", "0.00050", "0.00060", "0.00000", "0.00000", "0.00000", "0.00000"},
     {"0.00078", "\xE2\x88\x9E", "2.00", "0.0016", "9.0300"},
     {"Pitch diameter: does not conform \xE2\x80\x94 9.0300 \xC2\xB1 0.0016 mm lies 0.0025 mm "
      "below the minimum 9.0325 mm, more than U outside",
      "Wear allowance left: 0.0095 mm (to the wear limit 9.0205 mm; U 0.0016 mm)"}},
};

class HandWorked : public testing::TestWithParam<CalCase> {};

TEST_P(HandWorked, BudgetUncertaintyAndVerdictToThePrintedPlaces) {
    ShippedTables tables;
    const CalCase& c = GetParam();
    const auto rec = Thread(c.type, c.dia, c.tpi, c.cls);
    const CalibrationPageText page = BuildCalibrationPage(*rec, c.entry, *c.cls == '6');
    ASSERT_EQ(page.message, "");
    ASSERT_EQ(page.budget.size(), 8u);
    EXPECT_EQ(Column(page.budget, 3, 1), c.sensitivity);
    EXPECT_EQ(Column(page.budget, 4, 1), c.contribution);
    EXPECT_EQ(Column(page.summary, 1, 0), c.summary);
    EXPECT_EQ(page.verdict, c.verdict);
    // The JSON values are the page's.
    const std::string word = c.verdict[0].substr(16, c.verdict[0].find(" \xE2\x80\x94") - 16);
    EXPECT_EQ(page.json.verdict, word);
    EXPECT_EQ(page.json.U, TextToFloat(c.summary[3]));
    EXPECT_EQ(page.json.budget[2].sensitivity, TextToFloat(c.sensitivity[2]));
}

INSTANTIATE_TEST_SUITE_P(Gauges, HandWorked, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(BuildCalibrationPage(*rec, kCases[0].entry, false).message, rec->Refusal);
}

// The temperature case with its certificate's identity, saved and opened again.
class CalibrationFile : public testing::Test {
protected:
    void SetUp() override {
        rec = Thread("UN", 0.25, 20, "2");
        entry = kCases[3].entry;
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

// The ball micrometer report read back from its PDF: header, the inputs the
// method used, the worked example's setting and the operator's check list.
#include "core/settings.h"
#include "gauges/ball_mic.h"
#include "report/ball_mic_report.h"
#include "report/report_pdf.h"
#include "report/report_test_support.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(BallMicReport, PrintsInputsSettingAndCheckList) {
    if (!HaveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const std::string savedCompany = Settings().CompanyName;
    Settings().CompanyName = "Acme Gage Works";
    TempDir dir;
    TBallMic bm;
    bm.Angle = 30;
    bm.BallDia = 0.5;
    bm.PlaneDia = 2.0;
    bm.PlaneDis = 1.0;
    bm.CalcMethod = kBallMicAtGagePlane;
    bm.Internal = -1;
    bm.Calculate();
    const std::string file = dir.file("ballmic.pdf");
    ASSERT_TRUE(WriteReportPdf(BallMicReportJob(bm), QString::fromStdString(file)));
    const std::string text = PdfText(file);
    std::vector<std::string> order = {
        "Orvalle Pitch Ledger", "Ball Mic Calculation Report", "Acme Gage Works",
        "Half Angle:", "30.000\u00B0 (angle from centerline)",
        "Distance to Gage Plane:", "1.0000 in", "Diameter at Gage Plane:", "2.0000 in",
        "Ball Diameter:", "0.5000 in", "INTERNAL", "Ball Mic Setting Dimensions",
        // Hand arithmetic: 2.0 + 2 (0.25 - 0.25 cos 30).
        "Set To Flat Standard: 2.0670 in", "Dist. Over Ball: 1.1250 in", "Ball Mic CheckList:"};
    // pdftotext makes one blank of the two after each tick line.
    for (const QString& line : BallMicCheckList())
        order.push_back(line.simplified().toStdString());
    order.push_back("Pitch Ledger for Windows, ver");
    EXPECT_TRUE(InOrder(text, order)) << text;
    EXPECT_EQ(text.find("Apex Diameter:"), std::string::npos);

    // From the apex diameter: the report shows the entries that method used.
    bm.CalcMethod = kBallMicApexDiaGiven;
    bm.ApexDia = 1.4;
    bm.BallDis = 0.75;
    bm.Internal = 0;
    bm.Calculate();
    ASSERT_TRUE(WriteReportPdf(BallMicReportJob(bm), QString::fromStdString(file)));
    const std::string apex = PdfText(file);
    EXPECT_TRUE(InOrder(
        apex, {"Apex Diameter:", "1.4000", "Distance over Gage Ball:", "0.7500", "EXTERNAL"}))
        << apex;
    EXPECT_EQ(apex.find("Diameter at Gage Plane:"), std::string::npos) << apex;
    Settings().CompanyName = savedCompany;
}

} // namespace

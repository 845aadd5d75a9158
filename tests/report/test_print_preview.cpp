// The print dispatch of the thread window and the preview window, with the
// print dialog and the modal loop answered by hooks.
#include "core/thread_record.h"
#include "report/print_preview.h"
#include "report/report_hooks.h"
#include "report/report_test_support.h"
#include "support/test_support.h"

#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class PrintDispatch : public ::testing::Test {
protected:
    PrintDispatch() : rec(CalculatedUN("1/4", 20, "2")), pdf(dir.file("printed.pdf")) {}
    ~PrintDispatch() override { ResetReportHooks(); }

    // A print dialog that chooses a PDF file, or is cancelled.
    void DialogChoosesPdf(bool ok, int copies = 1)
    {
        ReportHooks().printDialog = [this, ok, copies](QWidget*, QPrinter& printer, int& n) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            n = copies;
            return ok;
        };
    }

    bool Printed() const { return std::filesystem::exists(pdf); }

    TempDir dir;
    std::unique_ptr<TTInfo> rec;
    std::string pdf;
    int dialogs = 0;
};

TEST_F(PrintDispatch, PagesChooseTheirReport)
{
    auto npt = std::make_unique<TTInfo>();
    npt->SetThreadType("NPT");
    const struct {
        const char* page;
        const TTInfo* record;
        int kind;
    } cases[] = {{"Ring Gage", rec.get(), kReportGauge},
                 {"Set Plug", rec.get(), kReportGauge},
                 {"Plug Gage", rec.get(), kReportGauge},
                 {"Parameters", rec.get(), kReportThread},
                 {"Thread Dim.", rec.get(), kReportThread},
                 {"Thread Dim.", npt.get(), -1},
                 {"NPT Tolerances", npt.get(), -1},
                 {"Orvalle", rec.get(), -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ReportKindOfPage(*c.record, c.page), c.kind) << c.page;
}

TEST_F(PrintDispatch, PreviewShowsTheReportOfThePageInTheWindow)
{
    int shown = 0;
    ReportHooks().runModal = [&](QDialog& dialog) {
        ++shown;
        auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
        EXPECT_EQ(frm.windowTitle(), "Pitch Ledger - Print Preview");
        EXPECT_EQ(frm.size(), QSize(541, 432));
        EXPECT_EQ(frm.findChild<QPushButton*>("btnClose")->text(), "&Close");
        EXPECT_EQ(frm.findChild<QPushButton*>("btnPrint")->text(), "&Print");
        EXPECT_NE(frm.findChild<QScrollArea*>("ScrollBox1"), nullptr);
        const QWidget* page = frm.findChild<QWidget*>("Print1");
        EXPECT_NE(page, nullptr);
        if (page != nullptr) {
            EXPECT_EQ(page->pos(), QPoint(24, 24));
            EXPECT_EQ(page->size(), frm.Print1().PreviewImage().size());
        }
        EXPECT_EQ(frm.Job().kind, kReportGauge);
        EXPECT_EQ(frm.Job().title, "Gage Dimensions Report");
        EXPECT_EQ(frm.Print1().PageTotal(), 1);
        EXPECT_GT(InkIn(frm.Print1().PreviewImage(), frm.Print1().PreviewImage().rect()), 1000);
        return int(QDialog::Rejected);
    };
    DialogChoosesPdf(true);
    PrintThread(nullptr, *rec, "Set Plug", true, false);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(dialogs, 0) << "a preview asks for no printer";
    EXPECT_FALSE(Printed());

    PrintThread(nullptr, *rec, "Orvalle", true, false);
    EXPECT_EQ(shown, 1) << "no report of that page in this build";
}

TEST_F(PrintDispatch, PrintModeAsksForThePrinterFirst)
{
    int shown = 0;
    ReportHooks().runModal = [&](QDialog&) {
        ++shown;
        return int(QDialog::Rejected);
    };
    DialogChoosesPdf(false);
    PrintThread(nullptr, *rec, "Thread Dim.", false, false);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(Printed()) << "cancelled";

    DialogChoosesPdf(true);
    PrintThread(nullptr, *rec, "Thread Dim.", false, false);
    EXPECT_EQ(shown, 0) << "printing shows no preview";
    ASSERT_TRUE(Printed());
    if (HaveTool("pdftotext")) {
        EXPECT_NE(PdfText(pdf).find("Thread Dimensions Report"), std::string::npos);
    }
}

TEST_F(PrintDispatch, PrintInThePreviewRebuildsTheRememberedReport)
{
    int result = -1;
    TDestination destination = dPreview;
    ReportHooks().runModal = [&](QDialog& dialog) {
        auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
        frm.btnPrintClick();
        result = frm.result();
        destination = frm.Print1().Destination();
        EXPECT_EQ(frm.Job().copies, 1) << "the preview prints one copy";
        return result;
    };
    DialogChoosesPdf(false);
    PrintThread(nullptr, *rec, "Plug Gage", true, false);
    EXPECT_EQ(result, int(QDialog::Rejected)) << "the window closes after Cancel too";
    EXPECT_FALSE(Printed());

    DialogChoosesPdf(true, 4);
    PrintThread(nullptr, *rec, "Plug Gage", true, false);
    EXPECT_EQ(result, int(QDialog::Accepted));
    EXPECT_EQ(destination, dPrinter);
    ASSERT_TRUE(Printed());
    if (HaveTool("pdftotext")) {
        EXPECT_NE(PdfText(pdf).find("Gage Dimensions Report"), std::string::npos);
    }
}

} // namespace

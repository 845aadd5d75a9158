// The print dispatch of the thread window and the preview window, with the
// print dialog and the modal loop answered by hooks.
#include "core/thread_record.h"
#include "report/print_preview.h"
#include "report/report_hooks.h"
#include "report/report_test_support.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
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

    bool PrintedWith(const std::string& title) const
    {
        if (!std::filesystem::exists(pdf)) return false;
        return !HaveTool("pdftotext") || PdfText(pdf).find(title) != std::string::npos;
    }

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
    } cases[] = {{"Ring Gage", rec.get(), kReportGauge},  {"Set Plug", rec.get(), kReportGauge},
                 {"Plug Gage", rec.get(), kReportGauge},  {"Parameters", rec.get(), kReportThread},
                 {"Thread Dim.", rec.get(), kReportThread}, {"Thread Dim.", npt.get(), -1},
                 {"NPT Tolerances", npt.get(), -1},       {"Orvalle", rec.get(), -1}};
    for (const auto& c : cases)
        EXPECT_EQ(ReportKindOfPage(*c.record, c.page), c.kind) << c.page;
}

TEST_F(PrintDispatch, PreviewOpensWithTheWholePageInView)
{
    int shown = 0;
    ReportHooks().runModal = [&](QDialog& dialog) {
        ++shown;
        auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
        frm.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(frm.windowTitle(), "Pitch Ledger - Print Preview");
        EXPECT_EQ(frm.Job().title, "Gage Dimensions Report");
        const QWidget* page = frm.findChild<QWidget*>("Print1");
        const auto* box = frm.findChild<QScrollArea*>("ScrollBox1");
        auto* zoom = frm.findChild<QComboBox*>("cboZoom");
        if (page == nullptr || box == nullptr || zoom == nullptr) {
            ADD_FAILURE() << "preview controls missing";
            return int(QDialog::Rejected);
        }
        // Nine tenths of the screen high; "Fit page": the whole page inside the
        // box less its 24-pixel inset, and one percent more would not fit.
        EXPECT_GE(frm.height(), frm.screen()->availableGeometry().height() * 9 / 10);
        EXPECT_EQ(zoom->currentText(), "Fit page");
        const QSize room = box->contentsRect().size() - QSize(48, 48);
        const QSize fitted = page->size();
        const int z = frm.Print1().ZoomPercent();
        EXPECT_GT(InkIn(frm.Print1().PreviewImage(), frm.Print1().PreviewImage().rect()), 1000);
        // A fixed zoom builds the page again at that scale.
        zoom->setCurrentText("100 %");
        const QSize full = page->size();
        EXPECT_EQ(full, frm.Print1().PreviewImage().size());
        EXPECT_LE(fitted.height(), room.height());
        EXPECT_LE(fitted.width(), room.width());
        EXPECT_TRUE(full.width() * (z + 1) / 100 > room.width() ||
                    full.height() * (z + 1) / 100 > room.height())
            << z << " in " << room.width() << " x " << room.height();
        return int(QDialog::Rejected);
    };
    DialogChoosesPdf(true);
    PrintThread(nullptr, *rec, "Set Plug", true, false);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(dialogs, 0) << "a preview asks for no printer";
    EXPECT_FALSE(std::filesystem::exists(pdf));

    PrintThread(nullptr, *rec, "Orvalle", true, false);
    EXPECT_EQ(shown, 1) << "no report of that page in this build";
}

TEST_F(PrintDispatch, PrintModeAsksForThePrinterFirst)
{
    int shown = 0;
    ReportHooks().runModal = [&](QDialog&) { return ++shown, int(QDialog::Rejected); };
    DialogChoosesPdf(false);
    PrintThread(nullptr, *rec, "Thread Dim.", false, false);
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf)) << "cancelled";

    DialogChoosesPdf(true);
    PrintThread(nullptr, *rec, "Thread Dim.", false, false);
    EXPECT_EQ(shown, 0) << "printing shows no preview";
    EXPECT_TRUE(PrintedWith("Thread Dimensions Report"));
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
    EXPECT_FALSE(std::filesystem::exists(pdf));

    DialogChoosesPdf(true, 4);
    PrintThread(nullptr, *rec, "Plug Gage", true, false);
    EXPECT_EQ(result, int(QDialog::Accepted));
    EXPECT_EQ(destination, dPrinter);
    EXPECT_TRUE(PrintedWith("Gage Dimensions Report"));
}

} // namespace

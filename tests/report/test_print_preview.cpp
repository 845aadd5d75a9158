// The print dispatch of the thread window and the preview window, with the
// print dialog and the modal loop answered by hooks.
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "report/pipe_reports.h"
#include "report/print_preview.h"
#include "report/report_hooks.h"
#include "report/report_test_support.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
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
    void DialogChoosesPdf(bool ok, int copies = 1) {
        ReportHooks().printDialog = [this, ok, copies](QWidget*, QPrinter& printer, int& n) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(pdf));
            n = copies;
            return ok;
        };
    }

    bool PrintedWith(const std::string& title) const {
        if (!std::filesystem::exists(pdf)) return false;
        return !HaveTool("pdftotext") || PdfText(pdf).find(title) != std::string::npos;
    }

    TempDir dir;
    std::unique_ptr<TTInfo> rec;
    std::string pdf;
    int dialogs = 0;
};

TEST_F(PrintDispatch, PagesChooseTheirReport) {
    for (const char* page : {"Ring Gage", "Set Plug", "Plug Gage"})
        EXPECT_EQ(ReportKindOfPage(*rec, page), ReportKind::Gauge) << page;
    for (const char* page : {"Parameters", "Thread Dim."})
        EXPECT_EQ(ReportKindOfPage(*rec, page), ReportKind::Thread) << page;
    // A pipe thread prints its own reports from its pages.
    TTInfo npt;
    npt.SetThreadType("NPT");
    const struct {
        const char* page;
        std::optional<ReportKind> kind;
        int group;
    } pipePages[] = {{"Parameters", ReportKind::Pipe, 1},
                     {"Thread Dim.", ReportKind::Pipe, 1},
                     {"NPT Gages", ReportKind::Pipe, 2},
                     {"NPT Tolerances", ReportKind::Pipe, 3},
                     {"Ring Gage", std::nullopt, 0}};
    for (const auto& p : pipePages) {
        EXPECT_EQ(ReportKindOfPage(npt, p.page), p.kind) << p.page;
        EXPECT_EQ(PipeReportOfPage(p.page), p.group) << p.page;
    }
    EXPECT_EQ(ReportKindOfPage(*rec, "Orvalle"), ReportKind::Setting);
    EXPECT_EQ(ReportKindOfPage(*rec, "ISO 1502 Gauges"), ReportKind::Iso1502);
}

TEST_F(PrintDispatch, PreviewOfAPipePagePrintsTheSameReport) {
    const ShippedTables shipped;
    TTInfo npt;
    npt.SetThreadType("NPT");
    npt.SetClass("NPT");
    npt.SetNomDia(0.5);
    npt.Pipe->SizeText = "1/2";
    npt.Calculate();
    ReportHooks().runModal = [&](QDialog& dialog) {
        auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
        EXPECT_EQ(frm.Job().kind, ReportKind::Pipe);
        EXPECT_EQ(frm.Job().group, 3);
        frm.btnPrintClick();
        return frm.result();
    };
    DialogChoosesPdf(true);
    PrintThread(nullptr, npt, "NPT Tolerances", true, false);
    EXPECT_TRUE(PrintedWith("Working Taper Pipe Thread Plug and Ring Gages, NPT"));
}

TEST_F(PrintDispatch, PreviewOpensWithTheWholePageInView) {
    int shown = 0;
    ReportHooks().runModal = [&](QDialog& dialog) {
        ++shown;
        auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
        frm.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(frm.Job().kind, ReportKind::Gauge);
        const QWidget* page = frm.findChild<QWidget*>("Print1");
        const auto* box = frm.findChild<QScrollArea*>("ScrollBox1");
        auto* zoom = frm.findChild<QComboBox*>("cboZoom");
        EXPECT_TRUE(page && box && zoom) << "preview controls";
        if (!page || !box || !zoom) return int(QDialog::Rejected);
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
}

// The preview turns the pages of a longer report: the thread report has its
// profile on page 2; a one-page report shows no page controls.
TEST_F(PrintDispatch, PreviewTurnsThePages) {
    const struct {
        const char* page;
        int total;
    } cases[] = {{"Thread Dim.", 2}, {"Set Plug", 1}};
    for (const auto& c : cases) {
        QStringList seen;
        ReportHooks().runModal = [&](QDialog& dialog) {
            auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
            auto* label = frm.findChild<QLabel*>("lblPage");
            auto* next = frm.findChild<QPushButton*>("btnNextPage");
            auto* prev = frm.findChild<QPushButton*>("btnPrevPage");
            if (!label || !next || !prev) return int(QDialog::Rejected);
            seen << (label->isHidden() ? QString("hidden") : label->text());
            const QImage first = frm.Print1().PreviewImage();
            next->click();
            seen << label->text() + (next->isEnabled() ? " next" : "") +
                        (prev->isEnabled() ? " previous" : "");
            if (frm.Print1().CurrentPage() == 2) {
                EXPECT_NE(first, frm.Print1().PreviewImage()) << "page 2 is drawn";
            }
            prev->click();
            seen << label->text();
            return int(QDialog::Rejected);
        };
        PrintThread(nullptr, *rec, c.page, true, false);
        const QStringList expected =
            c.total == 2 ? QStringList{"Page 1 of 2", "Page 2 of 2 previous", "Page 1 of 2"}
                         : QStringList{"hidden", "Page 1 of 1", "Page 1 of 1"};
        EXPECT_EQ(seen, expected) << c.page;
    }
}

TEST_F(PrintDispatch, PrintingGoesThroughThePrintDialog) {
    // Print mode asks for the printer at once; Print in the preview rebuilds
    // the report it shows, for one copy, and closes the window either way.
    const struct {
        const char* name;
        const char* page;
        bool preview, ok;
        const char* printed;
    } cases[] = {
        {"printCancelled", "Thread Dim.", false, false, nullptr},
        {"printed", "Thread Dim.", false, true, "Thread Dimensions Report"},
        {"previewPrintCancelled", "Plug Gage", true, false, nullptr},
        {"previewPrinted", "Plug Gage", true, true, "Gage Dimensions Report"},
        {"settingPreviewPrinted", "Orvalle", true, true, "Gage Setting Dimensions Report"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(pdf);
        int shown = 0, result = -1;
        ReportHooks().runModal = [&](QDialog& dialog) {
            ++shown;
            auto& frm = dynamic_cast<TfrmThdPrint&>(dialog);
            frm.btnPrintClick();
            EXPECT_EQ(frm.Job().copies, 1) << c.name;
            return result = frm.result();
        };
        dialogs = 0;
        DialogChoosesPdf(c.ok, 4);
        PrintThread(nullptr, *rec, c.page, c.preview, false);
        EXPECT_EQ(dialogs, 1) << c.name;
        EXPECT_EQ(shown, c.preview ? 1 : 0) << c.name;
        EXPECT_EQ(result, !c.preview ? -1 : c.ok ? QDialog::Accepted : QDialog::Rejected) << c.name;
        EXPECT_EQ(PrintedWith(c.printed ? c.printed : ""), c.printed != nullptr) << c.name;
    }
}

} // namespace

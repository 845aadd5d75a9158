#include "report/pipe_reports.h"

#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "pages/result_pages.h"
#include "pipe/pipe_report_rows.h"
#include "report/pipe_drawings.h"
#include "report/report_works.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <vector>

namespace {

const char* const kPipeReportTitle = "Thread Dimensions Report";

QString& PictureDirSetting() {
    static QString dir;
    return dir;
}

// The picture of a report, or why there is none.
struct Picture {
    QImage image;
    QString problem;
};

Picture LoadPicture(PipeDrawing drawing) {
    Picture p;
    const QString name = PipeDrawingFileName(drawing);
    if (name.isEmpty()) return p;
    const QString& dir = PictureDirSetting();
    const QString path = dir.isEmpty() ? PipePicturePath(drawing) : QDir(dir).filePath(name);
    if (path.isEmpty() || !QFileInfo::exists(path))
        p.problem = "Picture " + name + " not found";
    else if (!p.image.load(path))
        p.problem = "Picture " + name + " could not be read";
    return p;
}

// Positions are worked out in inches; text widths come in output pixels.
double PixelsPerInch(TReportWorks& rpt) {
    const double x = rpt.GetX(), y = rpt.GetY();
    rpt.GotoXY(1.0, y);
    const double ppi = rpt.GetX(true) - rpt.MarginRect().left();
    rpt.GotoXY(x, y);
    return ppi > 0 ? ppi : 1.0;
}

class PipeTableWriter {
public:
    PipeTableWriter(TReportWorks& rpt, const PipeReportTable& table)
        : rpt_(rpt), t_(table), ppi_(PixelsPerInch(rpt)) {}

    // Prints a label at its tab; centred and right tabs take the whole
    // label's width, symbols and references included.
    void Label(int tab, const PipeLabel& label) {
        if (tab < 1 || tab > static_cast<int>(t_.tabs.size()) || label.empty()) return;
        const PipeReportTab& at = t_.tabs[static_cast<std::size_t>(tab - 1)];
        if (label.size() == 1 && label[0].kind == PipeLabelPart::Text) {
            rpt_.PrintTab(tab, QString::fromStdString(label[0].text));
            return;
        }
        double x = at.at;
        if (at.align == kAlignCenter)
            x -= Width(label) / 2;
        else if (at.align == kAlignRight)
            x -= Width(label);
        rpt_.GotoXY(x, rpt_.GetY());
        Parts(label);
    }

    void Centred(const PipeLabel& label) {
        const double room = rpt_.MarginRect().width() / ppi_;
        rpt_.GotoXY((room - Width(label)) / 2, rpt_.GetY());
        Parts(label);
    }

    // The table: rows, then the spanning labels between their rules, then
    // the vertical rules. Returns the y of the last rule.
    double Print() {
        const double h = rpt_.TextHeight() / ppi_;
        const double advance = (rpt_.TextHeight() + rpt_.TextHeight() * 10 / 100) / ppi_;
        // A little room under the title's descenders.
        rpt_.GotoXY(0, rpt_.GetY() + 0.03);
        std::vector<double> rules{Rule(0)};
        for (int r = 0; r < static_cast<int>(t_.rows.size()); ++r) {
            const double top = rpt_.GetY();
            const int extra = ExtraLines(r);
            rpt_.GotoXY(0, top + extra * advance / 2);
            const PipeReportRow& row = t_.rows[static_cast<std::size_t>(r)];
            rpt_.BoldOn();
            for (const PipeReportCell& c : row.labels)
                Label(c.tab, c.label);
            rpt_.PlainFont();
            rpt_.PrintTab(t_.valueTab, QString::fromStdString(row.value));
            rpt_.GotoXY(0, top + (1 + extra) * advance);
            rules.push_back(Rule(RuleStart(t_, r)));
        }
        rpt_.BoldOn();
        for (const PipeReportSpan& s : t_.spans) {
            const double mid = (rules[static_cast<std::size_t>(s.first)] +
                                rules[static_cast<std::size_t>(s.last) + 1]) /
                               2;
            const double block = (static_cast<double>(s.lines.size()) - 1) * advance + h;
            for (std::size_t i = 0; i < s.lines.size(); ++i) {
                rpt_.GotoXY(0, mid - block / 2 + static_cast<double>(i) * advance);
                Label(s.tab, s.lines[i]);
            }
        }
        rpt_.PlainFont();
        VerticalRules(rules);
        rpt_.GotoXY(0, rules.back() + 0.02);
        return rules.back();
    }

private:
    double Width(const PipeLabel& label) {
        double px = 0;
        for (const PipeLabelPart& part : label) {
            const QString text = QString::fromStdString(part.text);
            switch (part.kind) {
            case PipeLabelPart::Text:
                px += rpt_.TextWidth(text);
                break;
            case PipeLabelPart::NoteRef: {
                const QFont saved = rpt_.ReportFont();
                rpt_.SetFont(kReportSerif, 8);
                px += rpt_.TextWidth(text);
                rpt_.SetReportFont(saved);
                break;
            }
            case PipeLabelPart::Symbol:
                px += rpt_.TextWidth("(" + text.left(1)) + 0.07 * ppi_ + rpt_.TextWidth(")");
                break;
            }
        }
        return px / ppi_;
    }

    void Parts(const PipeLabel& label) {
        for (const PipeLabelPart& part : label) {
            const QString text = QString::fromStdString(part.text);
            switch (part.kind) {
            case PipeLabelPart::Text:
                rpt_.PrintText(text);
                break;
            case PipeLabelPart::NoteRef:
                PrintNoteRef(rpt_, text);
                break;
            case PipeLabelPart::Symbol:
                PrintSubSymbol(rpt_, text);
                break;
            }
        }
    }

    // A spanning label of more lines than rows makes its last row taller.
    int ExtraLines(int row) const {
        int extra = 0;
        for (const PipeReportSpan& s : t_.spans)
            if (s.last == row)
                extra = std::max(extra, static_cast<int>(s.lines.size()) - (s.last - s.first + 1));
        return extra;
    }

    // A rule from `from` to the table's right edge just below the line;
    // returns its y.
    double Rule(double from) {
        const double y = rpt_.GetY() + 0.02;
        rpt_.GotoXY(from, y);
        rpt_.DrawLineTo(t_.width, y);
        const double ruleY = rpt_.GetY();
        rpt_.GotoXY(0, ruleY + 0.02);
        return ruleY;
    }

    void Line(double x, double y1, double y2) {
        rpt_.GotoXY(x, y1);
        rpt_.DrawLineTo(x, y2);
    }

    // The outer edges over the whole table; each inner edge over the runs of
    // rows whose cells meet there.
    void VerticalRules(const std::vector<double>& rules) {
        Line(0, rules.front(), rules.back());
        Line(t_.width, rules.front(), rules.back());
        const int n = static_cast<int>(t_.rows.size());
        std::vector<std::vector<double>> edges;
        std::vector<double> all;
        for (int r = 0; r < n; ++r) {
            edges.push_back(RowEdges(t_, r));
            all.insert(all.end(), edges.back().begin(), edges.back().end());
        }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        auto has = [&](int r, double x) {
            const auto& e = edges[static_cast<std::size_t>(r)];
            return std::find(e.begin(), e.end(), x) != e.end();
        };
        for (double x : all) {
            for (int r = 0; r < n;) {
                if (!has(r, x)) {
                    ++r;
                    continue;
                }
                int last = r;
                while (last + 1 < n && has(last + 1, x))
                    ++last;
                Line(x, rules[static_cast<std::size_t>(r)],
                     rules[static_cast<std::size_t>(last) + 1]);
                r = last + 1;
            }
        }
    }

    TReportWorks& rpt_;
    const PipeReportTable& t_;
    double ppi_;
};

void PrintOneCopy(TReportWorks& rpt, const PipeReportLayout& layout, const Picture& picture) {
    const bool dims = layout.group == kPipeReportDims;
    if (dims) {
        rpt.SetTitle(kPipeReportTitle);
        rpt.SetLeftMargin(1.0);
        rpt.SetTopMargin(0.7);
        rpt.SetFont(kReportSerif, 10);
        rpt.SetTableHeader(false);
    }
    rpt.BeginReport();
    PrintReportHeader(rpt, kPipeReportTitle);
    rpt.GotoXY(0, rpt.GetY() + (dims ? 0.125 : 0.25));

    rpt.SetFont(kReportSerif, 18);
    rpt.BoldOn();
    rpt.PrintCenter(QString::fromStdString(layout.designation));
    rpt.PlainFont();
    rpt.NewLine();
    rpt.SetFont(kReportSerif, 10);
    rpt.PrintCenter(ReportText(UnitTip(false))); // pipe values are always inches
    rpt.NewLine();

    const PipeReportTable& t = layout.table;
    for (const PipeReportTab& tab : t.tabs)
        rpt.AddTab(tab.at, tab.align);
    PipeTableWriter writer(rpt, t);
    rpt.SetFont(kReportSerif, 12);
    rpt.BoldOn();
    for (const PipeLabel& line : layout.title) {
        writer.Centred(line);
        rpt.NewLine();
    }
    rpt.SetFont(kReportSerif, 11);
    double lastRule = writer.Print();
    // Why values are missing, right under the table they are missing from.
    if (!layout.missing.empty()) {
        rpt.GotoXY(0, lastRule + 0.15);
        rpt.BoldOn();
        rpt.PrintCenter(QString::fromStdString(layout.missing));
        rpt.PlainFont();
        rpt.NewLine();
        lastRule = rpt.GetY();
    }

    // The note, then the picture below it.
    if (layout.noteAfterBlankLines) {
        rpt.NewLine();
        rpt.NewLine();
    } else {
        rpt.GotoXY(layout.noteX, lastRule + layout.noteGap);
    }
    rpt.SetFont(kReportSerif, 10);
    rpt.PlainFont();
    if (layout.noteAfterBlankLines)
        rpt.PrintLeft(kPipeReportNote);
    else
        rpt.PrintText(kPipeReportNote);
    rpt.NewLine();
    // Below the note: 0.4 inch under the last rule would put the
    // railing-joint picture over it. The pictures fill the page down to its
    // margin, so a missing one is the only line that follows.
    if (!picture.image.isNull()) {
        rpt.GotoXY(layout.pictureX, rpt.GetY());
        rpt.DrawGraphic(picture.image);
    } else if (!picture.problem.isEmpty()) {
        rpt.NewLine();
        rpt.SetFont(kReportSerif, 9);
        rpt.PrintCenter(picture.problem);
    }
    // The footer goes into the bottom margin: the picture fills the page down
    // to it. Going past the bottom stops there.
    rpt.GotoXY(0, 1000);
    PrintReportFooter(rpt);
    rpt.EndReport();
}

} // namespace

PipeReportGroup PipeReportOfJob(const TReportJob& job) {
    if (job.record == nullptr || job.group < kPipeReportDims || job.group > kPipeReportStraight)
        return kPipeReportNone;
    return BuildPipeReport(*job.record, static_cast<PipeReportGroup>(job.group)).group;
}

void PrintPipeReport(TReportWorks& rpt, const TReportJob& job) {
    const PipeReportLayout layout =
        BuildPipeReport(*job.record, static_cast<PipeReportGroup>(job.group));
    PrintOneCopy(rpt, layout, LoadPicture(layout.picture));
}

void PrintNoteRef(TReportWorks& rpt, const QString& text) {
    const QFont saved = rpt.ReportFont();
    const double x = rpt.GetX(), y = rpt.GetY();
    rpt.SetFont(kReportSerif, 8);
    rpt.GotoXY(x, y - 0.03);
    rpt.PrintText(text);
    rpt.GotoXY(rpt.GetX(), y);
    rpt.SetReportFont(saved);
}

void PrintSubSymbol(TReportWorks& rpt, const QString& symbol) {
    const QFont saved = rpt.ReportFont();
    const double y = rpt.GetY();
    rpt.PrintText("(" + symbol.left(1));
    const double x = rpt.GetX();
    rpt.SetFont(kReportSerif, 9);
    rpt.GotoXY(x, y + 0.08);
    rpt.PrintText(symbol.mid(1));
    rpt.GotoXY(x + 0.07, y);
    rpt.SetReportFont(saved);
    rpt.PrintText(")");
}

int PipeReportOfPage(const QString& pageCaption) {
    if (pageCaption == "Parameters" || pageCaption == "Thread Dim.") return kPipeReportDims;
    if (pageCaption == "NPT Gages") return kPipeReportGauges;
    if (pageCaption == "NPT Tolerances") return kPipeReportTols;
    return kPipeReportNone;
}

void SetPipePictureDir(const QString& dir) {
    PictureDirSetting() = dir;
}

#include "pages/clipboard_text.h"

#include "core/designation.h"
#include "core/display_unit.h"
#include "core/number_text.h"
#include "core/pipe_record.h"
#include "core/thread_record.h"
#include "gauges/tolerance_text.h"
#include "gauges/wires.h"
#include "pages/result_pages.h"
#include "pipe/pipe_text.h"

#include <cstddef>

namespace {

const char* const kEol = "\r\n";
// The buffer limits of the certificate programs this text is pasted into.
constexpr std::size_t kMaxLine = 255;
constexpr std::size_t kMaxText = 3000;

void AddLine(std::string& text, const std::string& line) {
    std::string l = line.substr(0, kMaxLine) + kEol;
    if (text.size() + l.size() > kMaxText) return;
    text += l;
}

std::string Tabbed(const std::string& left, const std::string& right) {
    return left + "\t" + right;
}

std::string RingText(TThdInfo& m) {
    std::string t;
    AddLine(t, "");
    AddLine(t, Tabbed("Required", "Tolerance"));
    const std::string pd = Tabbed(DimText(m, 4, m.PD.Gage), PDTolText(m));
    for (int i = 0; i < 3; ++i)
        AddLine(t, pd);
    AddLine(t, Tabbed(DimText(m, 4, m.Minor.Gage), DiaTolText(m, 3)));
    return t;
}

std::string PlugText(TThdInfo& m) {
    std::string t;
    AddLine(t, DimText(m, 4, m.PD.Gage));
    AddLine(t, Tabbed("Required", "Tolerance"));
    const std::string mow = Tabbed(DimText(m, 5, GageWireReading(m)), PDTolText(m));
    for (int i = 0; i < 3; ++i)
        AddLine(t, mow);
    AddLine(t, "");
    AddLine(t, DimText(m, 4, m.Major.GageTrunc));
    AddLine(t, DimText(m, 4, m.Major.Gage));
    AddLine(t, DimText(m, 5, m.CurWire));
    return t;
}

} // namespace

std::string CalCertText(TTInfo& rec, GaugePage page, bool go, bool metricDisplay) {
    const ScopedDisplayUnit unit(metricDisplay);
    switch (page) {
    case GaugePage::Ring:
        return RingText(go ? rec.GoRing : rec.NoGoRing);
    case GaugePage::SetPlug:
        return PlugText(go ? rec.GoSetPlug : rec.NoGoSetPlug);
    case GaugePage::Plug:
        return PlugText(go ? rec.GoPlug : rec.NoGoPlug);
    }
    return std::string();
}

std::string ThreadDimsText(TTInfo& rec, bool internal, bool metricDisplay) {
    // Pipe tables are inch tables: their pages never convert, nor does their copy.
    const ScopedDisplayUnit unit(metricDisplay && !rec.Pipe);
    TThdInfo& m = internal ? rec.IntThd : rec.ExtThd;
    std::string t;
    AddLine(t, (internal ? "Internal: " : "External: ") +
                   (rec.Pipe ? PipeDesignation(*rec.Pipe) : DesignationText(m)));
    AddLine(t, Tabbed("PD Max:", DimText(m, 4, m.PD.Max)));
    AddLine(t, Tabbed("PD Min:", DimText(m, 4, m.PD.Min)));
    AddLine(t, Tabbed("Maj Dia Max:", DimText(m, 4, m.Major.Max)));
    AddLine(t, Tabbed("Maj Dia Min:", DimText(m, 4, m.Major.Min)));
    AddLine(t, Tabbed("Min Dia Max:", MinorText(m, m.Minor.Max)));
    AddLine(t, Tabbed("Min Dia Min:", MinorText(m, m.Minor.Min)));
    AddLine(t, Tabbed("Root Rad Max:", DimText(m, 4, m.RootRadMax)));
    AddLine(t, Tabbed("Root Rad Min:", DimText(m, 4, m.RootRadMin)));
    AddLine(t, Tabbed("Thd Height (Ref.):", DimText(m, 4, m.ThdHeight)));
    AddLine(t, Tabbed("Root Width:", DimText(m, 4, m.RootWidth)));
    AddLine(t, Tabbed("Thd Pitch:", DimText(m, 4, m.Pitch())));
    AddLine(t, Tabbed("Wire Size:", DimText(m, 5, m.CurWire)));
    // These two are the readings over wires the thread grid calls Max/Min Wire Reading.
    AddLine(t, Tabbed("Max Wire Size:", DimText(m, 5, GageWireReading(m))));
    AddLine(t, Tabbed("Min Wire Size:", DimText(m, 5, MinWireReading(m))));
    AddLine(t, Tabbed("Helix:", AngleText(HelixAngle(m))));
    AddLine(t, Tabbed("Helix Comp:", DimText(m, 5, HelixComp(m))));
    // The readings above: the formula they follow.
    if (!internal && !rec.Pipe) AddLine(t, Tabbed("Wire readings:", WireReadingsChoice(rec)));
    return t;
}

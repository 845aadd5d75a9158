#include "pipe/pipe_tables.h"

#include "core/pipe_record.h"
#include "core/table_file.h"
#include "core/thread_record.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <stdexcept>

namespace {

constexpr long double kScale = 100000;

// Field n (1-based) of a record, in the table's units.
double Field(const TableRecord& r, int n) {
    return static_cast<double>(r.I32(static_cast<std::size_t>(n - 1) * 4) / kScale);
}

// The first whole record whose size key equals the thread's nominal diameter
// exactly; the list keys are sixteenths, so no tolerance is needed. A file
// that ends inside a record simply has one record less.
std::optional<TableRecord> FindSize(const TableFile& file, double nomDia) {
    for (std::size_t i = 0; i < file.count(); ++i) {
        const TableRecord r = file.record(i);
        if (Field(r, 1) == nomDia) return r;
    }
    return std::nullopt;
}

// The size's row of the kind's dimension table; without one, whether the
// table has no rows at all.
std::optional<TableRecord> FindDims(TThdNPT& pipe, const TableFile& file, double nomDia) {
    auto r = FindSize(file, nomDia);
    if (r)
        pipe.Found |= kFoundDims;
    else
        pipe.DimsTableEmpty = file.count() == 0;
    return r;
}

TTInfo& OwnerOf(TThdNPT& pipe) {
    if (!pipe.Owner) throw std::logic_error("pipe record without its thread record");
    return *pipe.Owner;
}

// Outside diameter and threads per inch open every pipe record.
void SetODAndTPI(TThdNPT& pipe, const TableFile& file, const TableRecord& r) {
    const float tpi = static_cast<float>(Field(r, 3));
    file.requirePositive(file.indexOf(r), "threads per inch", tpi);
    pipe.PipeOD = Field(r, 2);
    OwnerOf(pipe).SetTPI(tpi);
}

void RequireOrdered(const TableFile& file, const TableRecord& r, const char* name,
                    const TDimLimits& d) {
    file.requireOrdered(file.indexOf(r), name, d.Max, d.Min);
}

} // namespace

int32_t TruncatedMinutes(double minutes) {
    const double t = std::trunc(minutes);
    if (!(t >= -2147483648.0 && t <= 2147483647.0))
        throw std::range_error("half-angle tolerance out of range");
    return static_cast<int32_t>(t);
}

void ReadNPTTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("npt.bin", 96);
    const auto r = FindDims(pipe, file, rec.NomDia);
    if (!r) return;
    SetODAndTPI(pipe, file, *r);
    pipe.E0 = Field(*r, 5);
    pipe.L1 = Field(*r, 6);
    pipe.L1Thds = Field(*r, 7);
    pipe.E1 = Field(*r, 8);
    pipe.L2 = Field(*r, 9);
    pipe.L2Thds = Field(*r, 10);
    pipe.E2 = Field(*r, 11);
    pipe.L1ToL2 = Field(*r, 12);
    pipe.L1ToL2Thds = Field(*r, 13);
    pipe.L3 = Field(*r, 14);
    pipe.L3Thds = Field(*r, 15);
    pipe.E3 = Field(*r, 16);
    pipe.VanishLen = Field(*r, 17);
    pipe.VanishThds = Field(*r, 18);
    pipe.L4 = Field(*r, 19);
    pipe.L5 = Field(*r, 20);
    pipe.E5 = Field(*r, 21);
    pipe.ThreadHeight = Field(*r, 22);
    pipe.DiaIncPerThd = Field(*r, 23);
    rec.ExtThd.Minor.Gage = Field(*r, 24);
}

void ReadNPTGageTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("nptgage.bin", 56);
    const auto r = FindSize(file, rec.NomDia);
    if (!r) return;
    pipe.Found |= kFoundGages;
    SetODAndTPI(pipe, file, *r);
    rec.GoPlug.Major.Min = Field(*r, 5);
    rec.GoPlug.Major.Gage = Field(*r, 6);
    rec.GoPlug.Major.Max = Field(*r, 7);
    rec.GoPlug.PD.Min = Field(*r, 8);
    rec.GoPlug.PD.Gage = Field(*r, 9);
    rec.GoPlug.PD.Max = Field(*r, 10);
    rec.GoRing.Minor.Min = Field(*r, 11);
    rec.GoRing.Minor.Gage = Field(*r, 12);
    RequireOrdered(file, *r, "GO plug major", rec.GoPlug.Major);
    RequireOrdered(file, *r, "GO plug PD", rec.GoPlug.PD);
    pipe.DiaIncPerThd = Field(*r, 13);
    pipe.RingThickness = Field(*r, 14);
}

void ReadNPTTolTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("npttol.bin", 60);
    const auto r = FindSize(file, rec.NomDia);
    if (!r) return;
    pipe.Found |= kFoundTols;
    rec.XPDTol = Field(*r, 4);
    rec.WLeadTol = Field(*r, 5);
    rec.XLeadTol = Field(*r, 6);
    rec.WAngleMin = TruncatedMinutes(Field(*r, 7));
    rec.XAngleMin = TruncatedMinutes(Field(*r, 8));
    pipe.PlugTaperTol = Field(*r, 9);
    pipe.RingTaperTol = Field(*r, 10);
    rec.WDiaTol = Field(*r, 11);
    rec.XDiaTol = Field(*r, 12);
    pipe.PlugCumPDTol = Field(*r, 13);
    pipe.RingCumPDTol = Field(*r, 14);
    pipe.Standoff = Field(*r, 15);
}

void ReadNPSCTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("npsc.bin", 24);
    const auto r = FindDims(pipe, file, rec.NomDia);
    if (!r) return;
    SetODAndTPI(pipe, file, *r);
    rec.IntThd.Minor.Min = Field(*r, 4);
    rec.IntThd.PD.Min = Field(*r, 5);
    rec.IntThd.PD.Max = Field(*r, 6);
    RequireOrdered(file, *r, "internal PD", rec.IntThd.PD);
}

void ReadNPTRTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("nptr.bin", 72);
    const auto r = FindDims(pipe, file, rec.NomDia);
    if (!r) return;
    SetODAndTPI(pipe, file, *r);
    pipe.ThreadHeight = Field(*r, 4);
    pipe.E6 = Field(*r, 5);
    pipe.L6 = Field(*r, 6);
    pipe.L6Thds = Field(*r, 7);
    pipe.L1ToL2 = Field(*r, 8);
    pipe.L1ToL2Thds = Field(*r, 9);
    pipe.RingThickness = Field(*r, 10);
    pipe.TotalThds = Field(*r, 11);
    pipe.VanishLen = Field(*r, 12);
    pipe.VanishThds = Field(*r, 13);
    pipe.RecessDepth = Field(*r, 14);
    pipe.RecessDia = Field(*r, 15);
    pipe.LengthT = Field(*r, 16);
    pipe.NotchDistance = Field(*r, 17);
    pipe.NotchDistanceThds = Field(*r, 18);
}

void ReadNPSMTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("npsm.bin", 48);
    const auto r = FindDims(pipe, file, rec.NomDia);
    if (!r) return;
    SetODAndTPI(pipe, file, *r);
    pipe.PipeAllowance = Field(*r, 4);
    rec.ExtThd.Major.Max = Field(*r, 5);
    rec.ExtThd.Major.Min = Field(*r, 6);
    rec.ExtThd.PD.Max = Field(*r, 7);
    rec.ExtThd.PD.Min = Field(*r, 8);
    rec.IntThd.Minor.Min = Field(*r, 9);
    rec.IntThd.Minor.Max = Field(*r, 10);
    rec.IntThd.PD.Min = Field(*r, 11);
    rec.IntThd.PD.Max = Field(*r, 12);
    RequireOrdered(file, *r, "external major", rec.ExtThd.Major);
    RequireOrdered(file, *r, "external PD", rec.ExtThd.PD);
    RequireOrdered(file, *r, "internal minor", rec.IntThd.Minor);
    RequireOrdered(file, *r, "internal PD", rec.IntThd.PD);
}

void ReadNPSLTable(TThdNPT& pipe) {
    TTInfo& rec = OwnerOf(pipe);
    const TableFile file("npsl.bin", 36);
    const auto r = FindDims(pipe, file, rec.NomDia);
    if (!r) return;
    SetODAndTPI(pipe, file, *r);
    rec.ExtThd.Major.Max = Field(*r, 4);
    rec.ExtThd.PD.Max = Field(*r, 5);
    rec.ExtThd.PD.Min = Field(*r, 6);
    rec.IntThd.Minor.Min = Field(*r, 7);
    rec.IntThd.PD.Min = Field(*r, 8);
    rec.IntThd.PD.Max = Field(*r, 9);
    RequireOrdered(file, *r, "external PD", rec.ExtThd.PD);
    RequireOrdered(file, *r, "internal PD", rec.IntThd.PD);
}

void ReadPipeTables(TThdNPT& pipe) {
    switch (OwnerOf(pipe).ExtThd.ClassCode) {
    case kPipeNPT:
        ReadNPTTable(pipe);
        ReadNPTGageTable(pipe);
        ReadNPTTolTable(pipe);
        break;
    case kPipeNPSC:
        ReadNPSCTable(pipe);
        break;
    case kPipeNPTR:
        ReadNPTRTable(pipe);
        break;
    case kPipeNPSM:
        ReadNPSMTable(pipe);
        break;
    case kPipeNPSL:
        ReadNPSLTable(pipe);
        break;
    default:
        break;
    }
}

#include "pipe/pipe_fills.h"

#include "core/pipe_record.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The member values the pipe tables fill, by kind and the table that held the
// size; a pipe member has no others.
struct PipeFill {
    uint16_t kind;
    uint8_t table;
    std::string_view member;
    PipeDia dia;
    std::string_view value; // "Max", "Min" or "Gage"
};
constexpr PipeFill kPipeFills[] = {
    {kPipeNPT, kFoundDims, "ExtThd", PipeDia::Minor, "Gage"},
    {kPipeNPT, kFoundGages, "GoPlug", PipeDia::Major, "Min"},
    {kPipeNPT, kFoundGages, "GoPlug", PipeDia::Major, "Gage"},
    {kPipeNPT, kFoundGages, "GoPlug", PipeDia::Major, "Max"},
    {kPipeNPT, kFoundGages, "GoPlug", PipeDia::PD, "Min"},
    {kPipeNPT, kFoundGages, "GoPlug", PipeDia::PD, "Gage"},
    {kPipeNPT, kFoundGages, "GoPlug", PipeDia::PD, "Max"},
    {kPipeNPT, kFoundGages, "GoRing", PipeDia::Minor, "Min"},
    {kPipeNPT, kFoundGages, "GoRing", PipeDia::Minor, "Gage"},
    {kPipeNPSC, kFoundDims, "IntThd", PipeDia::Minor, "Min"},
    {kPipeNPSC, kFoundDims, "IntThd", PipeDia::PD, "Min"},
    {kPipeNPSC, kFoundDims, "IntThd", PipeDia::PD, "Max"},
    {kPipeNPSM, kFoundDims, "ExtThd", PipeDia::Major, "Max"},
    {kPipeNPSM, kFoundDims, "ExtThd", PipeDia::Major, "Min"},
    {kPipeNPSM, kFoundDims, "ExtThd", PipeDia::PD, "Max"},
    {kPipeNPSM, kFoundDims, "ExtThd", PipeDia::PD, "Min"},
    {kPipeNPSM, kFoundDims, "IntThd", PipeDia::Minor, "Min"},
    {kPipeNPSM, kFoundDims, "IntThd", PipeDia::Minor, "Max"},
    {kPipeNPSM, kFoundDims, "IntThd", PipeDia::PD, "Min"},
    {kPipeNPSM, kFoundDims, "IntThd", PipeDia::PD, "Max"},
    {kPipeNPSL, kFoundDims, "ExtThd", PipeDia::Major, "Max"},
    {kPipeNPSL, kFoundDims, "ExtThd", PipeDia::PD, "Max"},
    {kPipeNPSL, kFoundDims, "ExtThd", PipeDia::PD, "Min"},
    {kPipeNPSL, kFoundDims, "IntThd", PipeDia::Minor, "Min"},
    {kPipeNPSL, kFoundDims, "IntThd", PipeDia::PD, "Min"},
    {kPipeNPSL, kFoundDims, "IntThd", PipeDia::PD, "Max"},
};

// The values of the pipe record each kind's tables fill, by the table that
// held the size; the kind has no others.
struct PipeTableFill {
    uint16_t kind;
    uint8_t table;
    std::initializer_list<std::string_view> values;
};
const PipeTableFill kPipeTableFills[] = {
    {kPipeNPT, kFoundDims, {"PipeOD", "E0",     "L1", "L1Thds",       "E1",
                            "L2",     "L2Thds", "E2", "L1ToL2",       "L1ToL2Thds",
                            "L3",     "L3Thds", "E3", "VanishLen",    "VanishThds",
                            "L4",     "L5",     "E5", "ThreadHeight", "DiaIncPerThd"}},
    {kPipeNPT, kFoundGages, {"PipeOD", "DiaIncPerThd", "RingThickness"}},
    {kPipeNPT,
     kFoundTols,
     {"PlugTaperTol", "RingTaperTol", "PlugCumPDTol", "RingCumPDTol", "Standoff"}},
    {kPipeNPSC, kFoundDims, {"PipeOD"}},
    {kPipeNPTR,
     kFoundDims,
     {"PipeOD", "ThreadHeight", "E6", "L6", "L6Thds", "L1ToL2", "L1ToL2Thds", "RingThickness",
      "TotalThds", "VanishLen", "VanishThds", "RecessDepth", "RecessDia", "LengthT",
      "NotchDistance", "NotchDistanceThds"}},
    {kPipeNPSM, kFoundDims, {"PipeOD", "PipeAllowance"}},
    {kPipeNPSL, kFoundDims, {"PipeOD"}},
};

} // namespace

bool PipeMemberFills(const TThdNPT& pipe, std::string_view member, PipeDia dia,
                     std::string_view value) {
    return std::ranges::any_of(kPipeFills, [&](const PipeFill& f) {
        return f.kind == pipe.ClassCode && (pipe.Found & f.table) != 0 && f.member == member &&
               f.dia == dia && f.value == value;
    });
}

bool PipeRecordFills(const TThdNPT& p, std::string_view value) {
    for (const PipeTableFill& f : kPipeTableFills)
        if (f.kind == p.ClassCode && (p.Found & f.table) != 0 &&
            std::ranges::find(f.values, value) != f.values.end())
            return true;
    return false;
}

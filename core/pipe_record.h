#pragma once
// The pipe record of a pipe thread: exists while the thread type is 13.
// Nothing of it is calculated: the pipe tables fill it by nominal pipe size.
// Inches throughout. Members a kind does not fill stay 0.

#include <cstdint>
#include <string>

class TTInfo;

// Pipe kinds (the class code of a pipe thread).
enum : uint16_t {
    kPipeNPT = 20,
    kPipeNPSC = 21,
    kPipeNPTR = 22,
    kPipeNPSM = 23,
    kPipeNPSL = 24,
};

// Which tables held the record's size (TThdNPT::Found): the pages show
// "  N/A" for what a table without the size did not give.
enum : uint8_t {
    kFoundDims = 1,  // npt.bin, or the one file of a straight or railing-joint kind
    kFoundGages = 2, // nptgage.bin
    kFoundTols = 4,  // npttol.bin
};

class TThdNPT {
public:
    TTInfo* Owner = nullptr;
    uint16_t ClassCode = 0; // pipe kind, kPipeNPT ... kPipeNPSL
    std::string SizeText;   // nominal pipe size as picked ("1/2", "24 OD")
    int32_t PipeKind = 0;   // copy of the kind code the tables were read for
    uint8_t Found = 0;      // kFoundDims | kFoundGages | kFoundTols
    // The kind's dimension table has no rows at all (nptr.bin as it ships): the
    // page says so rather than that this size is missing.
    bool DimsTableEmpty = false;

    double PipeOD = 0;
    // Hand-tight engagement, effective external thread, wrench makeup, overall
    // external thread, nominal complete external thread, shortening (railing joints).
    double L1 = 0, L2 = 0, L3 = 0, L4 = 0, L5 = 0, L6 = 0;
    double L1Thds = 0, L2Thds = 0, L3Thds = 0, L6Thds = 0;
    // Pitch diameters at the small end, hand-tight plane, L2 plane, wrench
    // makeup, L5 and the end of a railing-joint thread.
    double E0 = 0, E1 = 0, E2 = 0, E3 = 0, E5 = 0, E6 = 0;
    double RecessDepth = 0, RecessDia = 0; // q and Q (railing joints)
    double VanishLen = 0, VanishThds = 0;
    double NotchDistance = 0, NotchDistanceThds = 0; // S (railing joints)
    double ThreadHeight = 0;
    double DiaIncPerThd = 0;
    double PipeAllowance = 0;                // NPSM
    double L1ToL2 = 0, L1ToL2Thds = 0;       // railing joints: effective thread length
    double RingThickness = 0, TotalThds = 0; // railing joints: total external thread length
    double LengthT = 0;                      // railing joints
    double PlugTaperTol = 0, RingTaperTol = 0;
    double PlugCumPDTol = 0, RingCumPDTol = 0;
    double Standoff = 0;
};

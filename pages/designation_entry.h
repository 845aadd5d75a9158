#pragma once
// A thread designation typed as one text ("1/4-20 UNC-2A", "M10x1.5-6g",
// "1/2-14 NPT") read into the entries of the Parameters page: the forms the
// program writes itself (the name of a calculated thread, both members of
// it too) and the usual shop forms.

#include <string>

class TTInfo;

struct DesignationEntry {
    std::string type;           // the type list's name: "UN" ... "MJ", "BUTT", "NPT"
    std::string diameter;       // as written ("1/4", "#10", "1 1/4", "10"); a pipe thread's size
    std::string pitch;          // threads per inch, or the pitch in mm; empty for a pipe thread
    std::string classText;      // "2", "3G", a pipe thread's kind; empty: the type's default
    std::string intTol, extTol; // metric tolerance classes as written; empty: the default
    std::string series;         // unified series as written ("UNC", "8UN"); empty when none
    int starts = 1;
    bool customLOE = false; // "SE": the length of engagement is given apart
    bool leftHand = false;
    std::string pipeTPI; // threads per inch a pipe designation names; empty when none
};

struct DesignationRead {
    DesignationEntry entry;
    // Empty when read; else names the part that is not understood:
    // "Can not read the thread designation "1/4-20 UNQ": UNQ is no thread series".
    std::string message;
};

DesignationRead ReadDesignation(const std::string& text);

// The coarse pitch of ISO 261 for an M thread of that diameter (mm), 0 when the
// standard gives none.
double CoarsePitch(double diameterMM);

// After the calculation: the refusal of a record that is not the thread the
// designation names (1/4-28 is UNF, not UNC; 1/2 NPT has 14 threads per
// inch), empty when it is.
std::string DesignationMismatch(const DesignationEntry& entry, const TTInfo& rec);

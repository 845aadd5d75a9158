#pragma once
// The pipe record of a pipe thread: exists while the thread type is 13.

#include <cstdint>
#include <string>

class TTInfo;

class TThdNPT {
public:
    TTInfo* Owner = nullptr;
    uint16_t ClassCode = 0; // pipe kind: 20 NPT, 21 NPSC, 22 NPTR, 23 NPSM, 24 NPSL
    std::string SizeText;   // nominal pipe size as picked ("1/2", "24 OD")
};

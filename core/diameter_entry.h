#pragma once
// The nominal diameter as a user types it: a decimal, a simple or mixed
// fraction ("1 1/4", "1-1/4") or a number size. Inches.

#include <string>

struct DiameterEntry {
    double value = 0; // -1 for a fraction or number size that is not valid, 0 for bad text
    std::string text; // what the designation shows: the typed text (a mixed number with
                      // one blank), or "%7.4f" of a decimal
    bool fraction = false;
};

DiameterEntry ParseDiameterEntry(const std::string& typed);

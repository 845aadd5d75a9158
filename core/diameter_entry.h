#pragma once
// The nominal diameter as a user types it: a decimal, a simple fraction or a
// number size. Inches.

#include <string>

struct DiameterEntry {
    double value = 0; // -1 for a fraction or number size that is not valid, 0 for bad text
    std::string text; // what the designation shows: the typed text, or "%7.4f" of a decimal
    bool fraction = false;
};

DiameterEntry ParseDiameterEntry(const std::string& typed);

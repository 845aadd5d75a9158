#pragma once
// Compiling and checking one table source against its layout.

#include "tools/mktables/layout.h"

#include <cstdint>
#include <string>
#include <vector>

namespace mktables {

// Decimal text ("0.2164", "-1", "13.5") times scale, converted from the digits
// without floating point. Decimals beyond the scale must be zeros. Returns
// false with a reason ("is not a decimal number", "has more than 4
// decimals") otherwise; a magnitude too large for any field is reported as out of range.
bool ParseScaled(const std::string& text, int64_t scale, int64_t& value, std::string& why);

// A scaled value back as decimal text: ScaledText(65535, 10) == "6553.5".
std::string ScaledText(int64_t value, int64_t scale);

struct CompileResult {
    std::vector<unsigned char> bytes;  // the records, back to back
    std::vector<std::string> problems; // "file:line: problem"; bytes are void unless empty
};

CompileResult CompileSource(const Layout& layout, const std::string& text,
                            const std::string& fileName);

} // namespace mktables

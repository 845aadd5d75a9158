#include "core/typed_value.h"

#include "core/number_text.h"

#include <algorithm>

namespace {

bool WholeDigits(const std::string& text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

bool ParseNumberOrAngle(const std::string& text, double& value) {
    const std::string t = Trim(text);
    if (!(t.size() > 1 && t.find('-', 1) != std::string::npos)) return ParseDecimal(t, value);
    std::size_t start = t[0] == '-' ? 1 : 0;
    for (int part = 0; part < 3; ++part) {
        const std::size_t dash = t.find('-', start);
        if (!WholeDigits(Trim(t.substr(start, dash - start)))) return false;
        if (dash == std::string::npos) {
            value = DMSToFloat(t);
            return true;
        }
        start = dash + 1;
    }
    return false;
}

std::string DecimalPointHint(const std::string& text) {
    return text.find(',') == std::string::npos ? std::string() : " (use a decimal point)";
}

#include "core/diameter_entry.h"

#include "core/number_text.h"

namespace {

// "1 1/4" or "1-1/4": a whole number and a proper fraction, written back with
// one blank, as the pipe size list writes them. -1 when it is neither.
double MixedNumber(const std::string& t, std::string& text) {
    const std::size_t cut = t.find_last_of(" -", t.find('/'));
    if (cut == std::string::npos || cut == 0) return -1;
    const std::string whole = Trim(t.substr(0, cut)), fraction = Trim(t.substr(cut + 1));
    if (whole.empty() || whole.size() > 6 ||
        whole.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const double f = FractionToFloat(fraction);
    if (!(f > 0 && f < 1)) return -1;
    text = whole + " " + fraction;
    return std::stod(whole) + f;
}

} // namespace

DiameterEntry ParseDiameterEntry(const std::string& typed) {
    DiameterEntry e;
    const std::string t = Trim(typed);
    if (t.find('#') != std::string::npos) {
        e.value = NumberSizeToDia(t);
        e.text = t;
    } else if (t.find('/') != std::string::npos) {
        e.text = t;
        e.value = t.find_first_of(" -") == std::string::npos ? FractionToFloat(t)
                                                             : MixedNumber(t, e.text);
        e.fraction = true;
    } else {
        if (!ParseDecimal(t, e.value)) e.value = 0;
        e.text = FormatFixed(e.value, 7, 4);
    }
    return e;
}

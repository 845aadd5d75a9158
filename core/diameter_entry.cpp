#include "core/diameter_entry.h"

#include "core/number_text.h"

DiameterEntry ParseDiameterEntry(const std::string& typed) {
    DiameterEntry e;
    const std::string t = Trim(typed);
    if (t.find('#') != std::string::npos) {
        e.value = NumberSizeToDia(t);
        e.text = t;
    } else if (t.find('/') != std::string::npos) {
        e.value = FractionToFloat(t);
        e.text = t;
        e.fraction = true;
    } else {
        if (!ParseDecimal(t, e.value)) e.value = 0;
        e.text = FormatFixed(e.value, 7, 4);
    }
    return e;
}

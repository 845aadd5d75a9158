#include "cli/reeval_option.h"

#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/new_pd.h"
#include "pages/parameter_page.h"

namespace {

const char* const kNewPDForm = "--new-pd takes ext-max=V, ext-min=V, int-min=V or int-max=V";

} // namespace

std::string NewPDOptionProblem(const std::string& value) {
    const auto eq = value.find('=');
    if (eq == std::string::npos || !NewPDChoiceOfOption(value.substr(0, eq))) return kNewPDForm;
    if (Trim(value.substr(eq + 1)).empty()) return kNewPDForm;
    return {};
}

NewPDFit FitNewPDOption(const std::string& value, const ParameterEntry& entry, bool mmOption,
                        bool inchOption) {
    const auto eq = value.find('=');
    const NewPDChoice* choice = NewPDChoiceOfOption(value.substr(0, eq));
    const auto& types = ThreadTypeEntries();
    const uint16_t code = types[static_cast<std::size_t>(entry.typeIndex)].typeCode;
    const bool mm = mmOption || (MetricByDefault(code) && !inchOption);
    return FitToNewPD(entry, choice->limit, value.substr(eq + 1), mm);
}

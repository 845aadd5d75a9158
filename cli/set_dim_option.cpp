#include "cli/set_dim_option.h"

#include "cli/exit_codes.h"
#include "cli/gauge_setting_output.h"
#include "cli/options.h"
#include "cli/report_option.h"
#include "core/number_text.h"
#include "core/thread_record.h"
#include "pages/csv_text.h"
#include "pages/gauge_setting_page.h"
#include "pages/set_dim.h"

#include <ostream>

namespace {

// The PD options of --setdim: the external ones fill the external entry, the
// internal ones the internal entry (the tool sets max and min alike).
const char* const kExtPDOptions[] = {"--ext-pd-max", "--ext-pd-min"};
const char* const kIntPDOptions[] = {"--int-pd-min", "--int-pd-max"};

std::string Get(const OptionValues& values, std::string_view key) {
    const auto it = values.find(key);
    return it == values.end() ? std::string() : it->second;
}

bool Has(const OptionValues& values, std::string_view key) {
    return values.contains(key);
}

} // namespace

std::string SetDimOptionProblem(const OptionValues& values) {
    for (const auto& [key, value] : values)
        if (!HasOption(CliMode::SetDim, key)) return key + " is not for --setdim";
    const int index =
        SetDimTypeIndexOfName(Get(values, "--type").empty() ? "UN" : Get(values, "--type"));
    if (index < 0) return {}; // refused with the type list when it runs
    const bool metricPitch = SetDimPitchCaption(index) == "Thread Pitch in mm:";
    if (metricPitch && Has(values, "--tpi"))
        return "--tpi is for inch threads: give the pitch of this thread in millimetres with "
               "--pitch MM";
    if (!metricPitch && Has(values, "--pitch"))
        return "--pitch is for metric threads (M, MJ, 30DEG): give threads per inch with --tpi";
    int given = 0;
    for (const char* k : kExtPDOptions)
        given += Has(values, k);
    for (const char* k : kIntPDOptions)
        given += Has(values, k);
    if (given > 1)
        return "--setdim takes one pitch diameter: --ext-pd-max, --ext-pd-min, --int-pd-min or "
               "--int-pd-max";
    if (Has(values, "--report") && Get(values, "--report") != "setting")
        return "--setdim writes only --report setting";
    if (Has(values, "--report") != Has(values, "--pdf"))
        return Has(values, "--pdf") ? "--pdf needs --report setting" : "--report needs --pdf FILE";
    if (Has(values, "--pdf") && Get(values, "--pdf").empty()) return "--pdf needs a file name";
    return {};
}

int RunSetDimOption(const OptionValues& values, const SetDimOutput& output, std::ostream& out,
                    std::ostream& err) {
    const std::string type = Get(values, "--type").empty() ? "UN" : Get(values, "--type");
    SetDimEntry e;
    e.typeIndex = SetDimTypeIndexOfName(type);
    if (e.typeIndex < 0) {
        err << "Unknown thread type for --setdim: " << Trim(type)
            << " (UN, UNR, UNJ, ACME, STUB, SAM1, SAM2, M, MJ, BUTT, 30DEG, 55DEG)\n";
        return kExitInvalidInput;
    }
    const bool metricPitch = SetDimPitchCaption(e.typeIndex) == "Thread Pitch in mm:";
    e.pitchText = Get(values, metricPitch ? "--pitch" : "--tpi");
    for (const char* k : kExtPDOptions)
        if (Has(values, k)) e.extPDText = Get(values, k);
    for (const char* k : kIntPDOptions)
        if (Has(values, k)) e.intPDText = Get(values, k);
    TTInfo rec;
    const SetDimOutcome r = RunSetDim(e, rec);
    if (!r.message.empty()) {
        err << r.message << '\n';
        return kExitInvalidInput;
    }
    const bool metricDisplay = output.mm || (r.metricDisplay && !output.inch);
    const bool external = !r.internalOnly;
    if (Has(values, "--pdf"))
        return WriteSettingDimsReportOption(rec, r.internalOnly, Get(values, "--pdf"),
                                            metricDisplay, out, err);
    if (output.json) {
        PrintSettingJson(
            rec, r.name, external, BuildGaugeSettingPage(rec, external, false, metricDisplay),
            BuildGaugeSettingPage(rec, external, true, metricDisplay), metricDisplay, out);
    } else if (output.csv) {
        out << CsvBlocks(GaugeSettingGrids(rec, metricDisplay));
    } else {
        out << "Set Dim Tool\n"
            << r.name << '\n'
            << "Shown: " << (external ? "External Dims." : "Internal Dims.") << '\n';
        PrintGaugeSettingText(rec, metricDisplay, out);
    }
    return kExitOk;
}

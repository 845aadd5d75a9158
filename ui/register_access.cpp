#include "ui/register_access.h"

#include "core/number_text.h"
#include "core/settings.h"

std::string RegisterSetting() {
    return Trim(Settings().RegisterDatabase);
}

std::string RegisterSettingProblem(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty() || IsServerRegister(t) || t[0] == '/') return {};
    return "The register database \"" + t +
           "\" is neither a PostgreSQL connection string (postgresql://user@host:5432/gauges) "
           "nor the full path of an SQLite file (/srv/qa/gauges.sqlite); leave it empty for " +
           DefaultRegisterPath() + ".";
}

std::unique_ptr<GaugeRegister> OpenWindowRegister(RegisterResult& result) {
    return GaugeRegister::Open(RegisterSetting(), result);
}

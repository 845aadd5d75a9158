#include "ui/register_access.h"

#include "core/ini_file.h"
#include "core/number_text.h"
#include "core/settings.h"

std::string RegisterSetting() {
    const IniFile ini(PluserIniPath(UserConfigDir()));
    return Trim(ini.ReadString("REGISTER", "Register", ""));
}

std::unique_ptr<GaugeRegister> OpenWindowRegister(RegisterResult& result) {
    return GaugeRegister::Open(RegisterSetting(), result);
}

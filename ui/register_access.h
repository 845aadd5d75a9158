#pragma once
// Where the window keeps its gauge register: the server named by the
// "Register" key of PLUSER.INI's [REGISTER] section (a PostgreSQL connection
// string), otherwise the default SQLite file.

#include "register/gauge_register.h"

#include <memory>
#include <string>

// The connection string set, or empty for the default file.
std::string RegisterSetting();
// The register opened; null with the reason in `result`.
std::unique_ptr<GaugeRegister> OpenWindowRegister(RegisterResult& result);

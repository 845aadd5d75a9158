#pragma once
// Where the window keeps its gauge register: Edit > Preferences' "Register
// Database" (PLUSER.INI [REGISTER] Register): a PostgreSQL connection string,
// the path of an SQLite file, or empty for the default file.

#include "register/gauge_register.h"

#include <memory>
#include <string>

// The connection string set, or empty for the default file.
std::string RegisterSetting();
// Why a typed register database cannot be taken (a libpq "host=..." text, a
// relative path that would put a file wherever the program was started);
// empty when it can.
std::string RegisterSettingProblem(const std::string& text);
// The register opened; null with the reason in `result`.
std::unique_ptr<GaugeRegister> OpenWindowRegister(RegisterResult& result);

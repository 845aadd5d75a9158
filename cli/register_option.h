#pragma once
// plcalc --register: the gauge register's commands (add, list, due, history,
// export, import), each record one JSON line.

#include <iosfwd>
#include <string>
#include <vector>

bool IsRegisterRun(const std::vector<std::string>& args);
int RunRegisterCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

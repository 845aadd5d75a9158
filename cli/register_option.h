#pragma once
// plcalc --register: the gauge register's commands (add, list, due, history,
// export, import), each record one JSON line.

#include <iosfwd>
#include <string>
#include <vector>

bool IsRegisterRun(const std::vector<std::string>& args);

// The commands need the database clients, which the report program must not
// load: they live in an object library linked into plcalc alone, which sets
// this before main. Null where they are not linked.
using RegisterRunner = int (*)(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err);
RegisterRunner& RegisterCommands();

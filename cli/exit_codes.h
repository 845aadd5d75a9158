#pragma once
// plcalc's exit codes, the same for every mode and for the report program.

constexpr int kExitOk = 0;
constexpr int kExitInvalidInput = 2; // the window's validation messages
constexpr int kExitFileError = 3;    // table file or thread file error
constexpr int kExitUsage = 64;       // unknown option or missing value

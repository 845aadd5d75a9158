#pragma once
// The program's version, set by the build; About, reports and plcalc show it.

// "5.0.0"
const char* ProgramVersion();

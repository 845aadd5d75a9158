#pragma once
// plcalc --batch FILE: one thread per line, described with the command-line
// options; one compact JSON object per line (JSON Lines).

#include <iosfwd>
#include <string>
#include <vector>

// Splits a line into words as a POSIX shell does: blanks separate, '...' and
// "..." quote, a backslash escapes, a word starting with # begins a comment;
// nothing is expanded. False with the problem for an unterminated quote or a
// NUL byte.
bool SplitBatchLine(const std::string& line, std::vector<std::string>& words, std::string& problem);

bool IsBatchRun(const std::vector<std::string>& args);
// The descriptor behind the output stream RunBatchCli is given (plcalc's own
// standard output): the processes of a batch file write their answers there
// in turn. Without one (-1, a stream into a string) one process answers.
void SetBatchOutputDescriptor(int fd);
// Options given besides --batch FILE go before every line's own.
int RunBatchCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

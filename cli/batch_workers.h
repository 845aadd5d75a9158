#pragma once
// A batch file answered by a process per processor, its answers handed on in
// the order of its lines.

#include "cli/batch_lines.h"

#include <functional>
#include <string>

struct WorkersOutcome {
    enum Status {
        NotRun, // one processor, a small file, or no process could be started: nothing answered
        Done,
        Failed, // a process stopped before its lines were answered (message says where)
    } status = NotRun;
    int readError = 0; // errno of a failed read of the file
    std::string message;
};

WorkersOutcome RunInWorkers(const std::string& file, LineRunner& runner,
                            const std::function<void(int number, const LineAnswer&)>& answered);

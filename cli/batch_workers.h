#pragma once
// A batch file answered by a process per processor: each answers blocks of
// lines and writes them to the output in its turn, so the answers stand in
// the order of their lines.

#include "cli/batch_lines.h"

#include <functional>
#include <string>

struct WorkersOutcome {
    enum Status {
        NotRun, // one processor, a small file, or no process could be started: nothing answered
        Done,
        Failed, // a process stopped before its lines were answered (message says where)
    } status = NotRun;
    int readError = 0;  // errno of a failed read of the file
    int writeError = 0; // errno of a failed write of the answers
    std::string message;
};

// Answers the lines of `file` from line `first` on, writing their answers to
// outFd. `answered` is called in line order with each line's code and notes
// (its `out` is empty: the answer is written already).
WorkersOutcome RunInWorkers(const std::string& file, int first, int outFd, LineRunner& runner,
                            const std::function<void(int number, const LineAnswer&)>& answered);

#pragma once
// The lines of a batch: reading them from a file or standard input, and
// answering each one as plcalc answers its options.

#include "core/settings.h"

#include <string>
#include <vector>

// The lines of a descriptor as they come, read in large blocks.
class LineSource {
public:
    // flushEach: whoever feeds the descriptor waits for each answer. The
    // descriptor is closed at the end (standard input is left open).
    LineSource(int fd, bool flushEach) : fd_(fd), flushEach_(flushEach) {}
    ~LineSource();
    LineSource(const LineSource&) = delete;
    LineSource& operator=(const LineSource&) = delete;

    // False at the end. `line` is without its end (LF or CR LF); `tooLong`
    // when the line passed the text file limit (the rest of it is dropped).
    bool Next(std::string& line, bool& tooLong);
    int error() const { return error_; } // errno of a failed read, else 0
    bool flushEach() const { return flushEach_; }

private:
    bool Fill();

    std::string text_;
    std::size_t pos_ = 0;
    int fd_;
    bool flushEach_;
    int error_ = 0;
    bool skipping_ = false;
};

// Opens the batch file as every file is checked (a regular file that can be
// read); the descriptor, or -1 with the message.
int OpenBatchFile(const std::string& path, std::string& message);
// A blank line or a comment: no thread, no answer.
bool Skipped(const std::string& line);

// errno as English text, whatever the locale.
std::string ErrnoText(int error);

// One line of a batch as it is answered.
struct LineAnswer {
    bool skipped = false; // blank or a comment: no answer
    int code = 0;         // the line's exit code
    std::string out;      // its JSON line, with the line end
    std::string notes;    // its notes for standard error, each "plcalc: line N: ..."
};

// Answers lines with the options the batch gives every line (common) and
// the settings the batch has read.
class LineRunner {
public:
    LineRunner(std::vector<std::string> common, AppSettings settings);
    ~LineRunner();
    void Answer(int number, const std::string& line, bool tooLong, LineAnswer& a);

private:
    struct Buffers;
    std::vector<std::string> common_;
    AppSettings settings_;
    std::vector<std::string> words_;
    Buffers* buffers_;
};

// The problem of a batch's own options or a line's words (normalized), empty
// when they may run in a batch.
std::string NotInBatch(const std::vector<std::string>& words);

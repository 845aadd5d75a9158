#pragma once
// The thread file (.thd): the inputs of a calculation as INI text. Opening it
// rebuilds the record and recalculates; no computed value is stored.

#include <string>

class IniFile;
class TTInfo;

// Writes the record's inputs, with the gauge class of ClassW; false with a
// reason naming the file on failure. The folder must exist: none is created.
bool SaveToFile(TTInfo& rec, const std::string& fileName, std::string* error);
// The same sections into a file that holds more (a calibration file).
void WriteThreadInputs(const TTInfo& rec, IniFile& ini);
// The text SaveToFile writes, for a record kept elsewhere (the gauge register).
std::string ThreadFileText(const TTInfo& rec);

struct LoadResult {
    enum class Status {
        Loaded,
        FileError, // "File: <name> Does not exist!", or why it cannot be read
        Refused,   // no thread file ("<name> is not a thread file"), a type the
                   // program cannot calculate, a class the type lacks, or a
                   // value the parameter page refuses, with the page's message
    };
    Status status = Status::FileError;
    // Why the file was not opened; once loaded, a note on what the file asked
    // for and could not get (a class its type does not have), else empty.
    std::string message;
};

// Reads the inputs into a fresh record without calculating it: type, class or
// metric tolerance classes with the engagement group and hand, diameter,
// pitch, starts, coating; for a pipe thread the size of the kind's list that
// the diameter keys (refused when there is none). A type the program does not
// know is refused here, one it cannot calculate is left to LoadFromFile.
LoadResult ReadFileInputs(TTInfo& rec, const std::string& fileName);

// Reads the inputs into a fresh record and calculates it; ClassW is the file's
// gauge class (the type's default when the file names none).
// A table file that cannot be read throws TableError.
LoadResult LoadFromFile(TTInfo& rec, const std::string& fileName);

#pragma once
// The thread file (.thd): the inputs of a calculation as INI text. Opening it
// rebuilds the record and recalculates; no computed value is stored.

#include <string>

class TTInfo;

// Writes the record's inputs; false with a reason (naming the file) on failure.
bool SaveToFile(TTInfo& rec, const std::string& fileName, std::string* error);
// Reads the inputs into a fresh record and calculates it. False with the
// message "File: <name> Does not exist!" when the file is missing.
// A table file that cannot be read throws TableError.
bool LoadFromFile(TTInfo& rec, const std::string& fileName, std::string* error);

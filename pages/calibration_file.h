#pragma once
// The calibration file (.cal): the thread (the sections of a thread file), the
// gauge calibrated, every input of its calibration and the certificate's
// identity, as INI text; lengths in the thread's unit. Written whole or not at
// all; reopening calculates the thread again and gives the same certificate.

#include "pages/calibration_page.h"
#include "pages/thread_file.h"

#include <string>

// Writes the record's thread and the checked inputs; false with a reason
// naming the file on failure. The folder must exist: none is created.
bool SaveCalibrationFile(const TTInfo& rec, const CalibrationInput& in,
                         const CertificateIdentity& identity, const std::string& fileName,
                         std::string* error);

struct CalibrationFileLoad {
    // As for a thread file; Refused also for a file that lacks a key of the
    // calibration or holds a value the page refuses, with the page's message.
    LoadResult result;
    // The inputs as the page takes them, each length with its unit, so that
    // any display unit reads them the same.
    CalibrationEntry entry;
};

// Reads the thread into a fresh record (with the file's choice of wire
// readings) and calculates it; then checks the calibration as typed input.
// A table file that cannot be read throws TableError.
CalibrationFileLoad LoadCalibrationFile(TTInfo& rec, const std::string& fileName);

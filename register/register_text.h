#pragma once
// The register's texts, built once for every front end: its CSV files
// (RFC 4180), its JSON lines and the columns of its list.

#include "register/gauge_register.h"

#include <string>
#include <vector>

struct CsvRow {
    int line = 0; // where the row starts in the file, from 1
    std::vector<std::string> fields;
};

// Splits `text` into rows: CRLF or LF, quoted fields may hold both, a UTF-8
// byte-order mark and blank lines are skipped. False with "line N: why" when
// the text is not CSV.
bool ParseCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error);
// One CSV line, CRLF ended, fields quoted where they must be.
std::string CsvLine(const std::vector<std::string>& fields);

// The columns of the two CSV files: serial ... thread_file, and serial, date ... cal_inputs.
const std::vector<std::string>& GaugeCsvColumns();
const std::vector<std::string>& CalibrationCsvColumns();
std::vector<std::string> GaugeCsvFields(const GaugeRecord& g);
std::vector<std::string> CalibrationCsvFields(const std::string& serial,
                                              const CalibrationRecord& c);

// What a header line says: which of the two files follows (one with a "date"
// column holds calibrations) and, for each of its columns, where it stands in
// a row (-1 when left out).
struct CsvLayout {
    bool calibrations = false;
    std::size_t fields = 0;
    std::vector<int> at;
};
// Columns in any order, letter case ignored; description, class, owner,
// location, status, thread_file, certificate_path and cal_inputs may be left
// out. Why the header is not one of the two, empty when it is.
std::string ReadCsvHeader(const std::vector<std::string>& header, CsvLayout& layout);
// The record of one row; why it is not one, empty when it is. A gauge without
// a class gets its member's, without a status "in use".
std::string GaugeFromCsv(const CsvLayout& layout, const std::vector<std::string>& fields,
                         GaugeRecord& g);
std::string CalibrationFromCsv(const CsvLayout& layout, const std::vector<std::string>& fields,
                               std::string& serial, CalibrationRecord& c);

// {"serial":..,"description":..,"thread":..,"member":..,"class":..,"owner":..,
// "location":..,"interval":..,"status":..,"last_calibration":..,"due":..};
// `whole` adds "record":"gauge" before and "thread_file" after.
std::string GaugeJsonLine(const RegisterEntry& e, bool whole);
// {"serial","date","operator","unit","measured_pd","u","k","verdict",
// "certificate_path","certificate_stored"}; `whole` adds "record" and "cal_inputs".
std::string CalibrationJsonLine(const std::string& serial, const CalibrationRecord& c, bool whole);

// The list's column titles and one gauge's cells.
const std::vector<std::string>& RegisterListTitles();
std::vector<std::string> RegisterListRow(const RegisterEntry& e);

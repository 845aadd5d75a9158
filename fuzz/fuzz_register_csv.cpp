// A gauge register CSV file of arbitrary bytes: every row the import would
// take is a record that passes the checks, and every row written again as CSV
// reads back as the same fields.

#include "register/register_text.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<CsvRow> rows;
    std::string why;
    if (!ParseCsv(text, rows, why) || rows.empty()) return 0;
    CsvLayout layout;
    const bool header = ReadCsvHeader(rows[0].fields, layout).empty();
    for (const CsvRow& row : rows) {
        // After a header line, as an export writes it.
        std::vector<CsvRow> again;
        if (!ParseCsv("serial\r\n" + CsvLine(row.fields), again, why) || again.size() != 2 ||
            again[1].fields != row.fields)
            std::abort();
        if (!header || &row == &rows[0] || row.fields.size() != layout.fields) continue;
        GaugeRecord g;
        CalibrationRecord c;
        std::string serial;
        const bool taken = layout.calibrations
                               ? CalibrationFromCsv(layout, row.fields, serial, c).empty()
                               : GaugeFromCsv(layout, row.fields, g).empty();
        if (taken &&
            (layout.calibrations ? !CheckCalibration(c, Today()).empty() : !CheckGauge(g).empty()))
            std::abort();
        if (taken && !layout.calibrations) GaugeJsonLine({g, {}, {}, {}, {}}, true);
    }
    return 0;
}

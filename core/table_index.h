#pragma once
// A table's rows sorted by a key of their records, so that a calculation looks
// up its rows instead of scanning thousands. Made once for the bytes the table
// cache keeps: holding those bytes keeps them alive, so the same pointer is the
// same content.

#include "core/table_file.h"

#include <cstddef>
#include <mutex>
#include <utility>
#include <vector>

class TableKeyIndex {
public:
    // The key of a record; NaN leaves the record out.
    using KeyOf = double (*)(const TableRecord&);
    explicit TableKeyIndex(KeyOf key) : key_(key) {}
    // The rows whose key lies in [low, high], in file order.
    std::vector<std::size_t> Rows(const TableFile& file, double low, double high);

private:
    const KeyOf key_;
    std::mutex lock_;
    TableBytes bytes_;
    std::vector<std::pair<double, std::size_t>> rows_; // key, row
};

// The 32-bit integer a record starts with (the unified and metric tables'
// diameter, and pitch).
double LeadingKey(const TableRecord& r);

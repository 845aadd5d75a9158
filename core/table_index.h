#pragma once
// A table's rows sorted by the 32-bit key its records start with, so that a
// calculation looks up its rows instead of scanning thousands. Made once for
// the bytes the table cache keeps: holding those bytes keeps them alive, so the
// same pointer is the same content.

#include "core/table_file.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

class LeadingKeyIndex {
public:
    // The rows whose key lies in [low, high], in file order.
    std::vector<std::size_t> Rows(const TableFile& file, int32_t low, int32_t high);

private:
    std::mutex lock_;
    TableBytes bytes_;
    std::vector<std::pair<int32_t, std::size_t>> rows_; // key, row
};

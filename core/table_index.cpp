#include "core/table_index.h"

#include <algorithm>

std::vector<std::size_t> LeadingKeyIndex::Rows(const TableFile& file, int32_t low, int32_t high) {
    const std::lock_guard<std::mutex> hold(lock_);
    if (bytes_ != file.bytes()) {
        rows_.clear();
        for (std::size_t i = 0; i < file.count(); ++i)
            rows_.emplace_back(file.record(i).I32(0), i);
        std::stable_sort(rows_.begin(), rows_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        bytes_ = file.bytes();
    }
    std::vector<std::size_t> rows;
    auto it = std::lower_bound(rows_.begin(), rows_.end(), low,
                               [](const auto& r, int32_t k) { return r.first < k; });
    for (; it != rows_.end() && it->first <= high; ++it)
        rows.push_back(it->second);
    std::ranges::sort(rows);
    return rows;
}

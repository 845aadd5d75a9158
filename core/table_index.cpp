#include "core/table_index.h"

#include <algorithm>
#include <cmath>

std::vector<std::size_t> TableKeyIndex::Rows(const TableFile& file, double low, double high) {
    const std::lock_guard<std::mutex> hold(lock_);
    if (bytes_ != file.bytes()) {
        rows_.clear();
        for (std::size_t i = 0; i < file.count(); ++i)
            if (const double key = key_(file.record(i)); !std::isnan(key))
                rows_.emplace_back(key, i);
        std::ranges::sort(rows_);
        bytes_ = file.bytes();
    }
    std::vector<std::size_t> rows;
    auto it = std::ranges::lower_bound(rows_, low, {}, &std::pair<double, std::size_t>::first);
    for (; it != rows_.end() && it->first <= high; ++it)
        rows.push_back(it->second);
    std::ranges::sort(rows);
    return rows;
}

double LeadingKey(const TableRecord& r) {
    return r.I32(0);
}

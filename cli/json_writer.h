#pragma once
// The JSON writer of plcalc's output: values go into a buffer that is written
// out whole when the outermost value closes.

#include "cli/text_grid.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A JSON string: quoted, escaped, bytes that are no UTF-8 as U+FFFD.
void AppendJsonString(std::string& out, std::string_view s);

// Writes into a buffer that goes out whole when the outer value closes: a
// batch writes thousands of objects, and a stream write per character costs.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) { buf_.reserve(16384); }
    ~JsonWriter() { Flush(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void Open(char c) {
        Sep();
        buf_ += c;
        first_ = true;
        ++depth_;
    }
    void Close(char c) {
        buf_ += c;
        first_ = false;
        if (--depth_ == 0) Flush();
    }
    void Key(std::string_view k) {
        Sep();
        AppendJsonString(buf_, k);
        buf_ += ':';
        first_ = true; // the value follows without a separator
    }
    void String(std::string_view s) {
        Sep();
        AppendJsonString(buf_, s);
    }
    void Number(double v) {
        Sep();
        if (!std::isfinite(v)) {
            buf_ += "null";
            return;
        }
        // Whole numbers below 10^5 read the same as the shortest form; zero
        // is two fifths of a record's numbers.
        if (v == std::trunc(v) && std::fabs(v) < 1e5 && !(v == 0 && std::signbit(v))) {
            char buf[8];
            auto r = std::to_chars(buf, buf + sizeof buf, static_cast<int>(v));
            buf_.append(buf, r.ptr);
            return;
        }
        if (FewDecimals(v)) return;
        char buf[64];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        buf_.append(buf, r.ptr);
    }
    // A key and its value in one call.
    void Put(std::string_view k, double v) {
        Key(k);
        Number(v);
    }
    void Put(std::string_view k, std::string_view v) {
        Key(k);
        String(v);
    }
    void Put(std::initializer_list<std::pair<const char*, double>> fields) {
        for (const auto& [k, v] : fields)
            Put(k, v);
    }

    void Grid(const TextGrid& g) {
        Open('[');
        for (const auto& row : g) {
            Open('[');
            for (const auto& cell : row)
                String(cell);
            Close(']');
        }
        Close(']');
    }

private:
    // The shortest text that reads back as v is, for most numbers of a
    // record, a fixed one of at most six decimals: found by trying each
    // count of decimals, it costs a fraction of the general conversion.
    // Between 10^-3 and 10^5 the fixed form is never longer than the
    // exponent form, so the text is the same as to_chars gives.
    bool FewDecimals(double v) {
        static constexpr double kScale[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
        const double a = std::fabs(v);
        if (!(a >= 1e-3 && a < 1e5) || a == std::trunc(a)) return false;
        for (int k = 1; k <= 6; ++k) {
            // a * 10^k is below 10^11, so adding a half and cutting rounds it.
            const double n = static_cast<double>(static_cast<uint64_t>(a * kScale[k] + 0.5));
            if (n / kScale[k] != a) continue;
            const auto digits = static_cast<uint64_t>(n);
            const auto scale = static_cast<uint64_t>(kScale[k]);
            char buf[32];
            char* p = buf;
            if (v < 0) *p++ = '-';
            p = std::to_chars(p, buf + sizeof buf, digits / scale).ptr;
            *p++ = '.';
            uint64_t frac = digits % scale;
            for (int d = k - 1; d >= 0; --d) {
                p[d] = static_cast<char>('0' + frac % 10);
                frac /= 10;
            }
            buf_.append(buf, p + k);
            return true;
        }
        return false;
    }
    void Sep() {
        if (!first_) buf_ += ',';
        first_ = false;
    }
    void Flush() {
        out_.write(buf_.data(), static_cast<std::streamsize>(buf_.size()));
        buf_.clear();
    }

    std::ostream& out_;
    std::string buf_;
    bool first_ = true;
    int depth_ = 0;
};

// The JSON writer's numbers against std::to_chars, whose shortest text they
// must be: raw doubles, decimals of up to fifteen places, and the doubles a
// few steps either side of them, where a shortcut would pick another text.

#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

namespace {

double Decimal(const uint8_t* data, std::size_t size) {
    int64_t n = 0;
    std::memcpy(&n, data + 2, std::min<std::size_t>(size - 2, 8));
    // Table-sized values (below 10^9 before the point moves) as often as others.
    n %= (data[1] & 0x80) ? int64_t{1000000000} : int64_t{1} << 53;
    double v = static_cast<double>(n);
    for (int k = data[1] % 16; k > 0; --k)
        v /= 10;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    double v = 0;
    switch (data[0] % 3) {
    case 0:
        std::memcpy(&v, data + 1, std::min<std::size_t>(size - 1, 8));
        break;
    case 1:
        v = Decimal(data, size);
        break;
    default: {
        v = Decimal(data, size);
        const int steps = static_cast<int8_t>(data[size - 1]) % 4;
        for (int i = 0; i < std::abs(steps); ++i)
            v = std::nextafter(v, steps > 0 ? HUGE_VAL : -HUGE_VAL);
    }
    }
    std::ostringstream out;
    {
        JsonWriter j(out);
        j.Open('[');
        j.Number(v);
        j.Close(']');
    }
    char text[64] = "null";
    std::size_t n = 4;
    if (std::isfinite(v))
        n = static_cast<std::size_t>(std::to_chars(text, text + 64, v).ptr - text);
    if (out.str() != "[" + std::string(text, n) + "]") {
        std::fprintf(stderr, "%s written for %s\n", out.str().c_str(),
                     std::string(text, n).c_str());
        std::abort();
    }
    return 0;
}

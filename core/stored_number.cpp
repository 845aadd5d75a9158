#include "core/stored_number.h"

#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace {

template <typename T> bool ReadsBackAs(const std::string& text, T value) {
    // Files are read with TextToFloat, into a double first.
    return static_cast<T>(TextToFloat(text)) == value;
}

template <typename T> std::string ShortestFixed(T value) {
    // Fixed notation of a double needs at most 309 integer and 767 fraction digits.
    char buf[1100];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (r.ec != std::errc()) return std::string();
    std::string text(buf, r.ptr);
    if (text.find('.') == std::string::npos) text += ".0";
    return value >= 0 ? "+" + text : text;
}

template <typename T> std::string Stored(T value) {
    const std::string text = FloatText(value);
    if (!std::isfinite(value) || ReadsBackAs(text, value)) return text;
    std::string exact = ShortestFixed(value);
    // A float's shortest text goes through a double on reading; its rounding
    // could land on the neighbouring float, so then the double's text is kept.
    if (!ReadsBackAs(exact, value)) exact = ShortestFixed(static_cast<double>(value));
    return ReadsBackAs(exact, value) ? exact : text;
}

} // namespace

std::string StoredNumberText(double value) {
    return Stored(value);
}

std::string StoredNumberText(float value) {
    return Stored(value);
}

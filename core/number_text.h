#pragma once
// Number texts of windows, files and reports, and the parsers of typed values.
// All formatting is locale-free: a comma-decimal desktop still gets "0.2164".

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

class TThdInfo;

// printf-style "%<width>.<prec>f" without the locale.
std::string FormatFixed(double value, int width, int prec);

// Digits written backwards, ending before p (inline: every number text is
// made of them); each returns their start. Two decimal digits of each number
// below 100:
inline constexpr auto kDigitPairs = [] {
    std::array<char, 200> a{};
    for (int i = 0; i < 100; ++i) {
        a[2 * i] = static_cast<char>('0' + i / 10);
        a[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return a;
}();

// The last `count` digits of n, zeros where it has fewer; n keeps the rest.
inline char* LowDigitsBefore(char* p, uint64_t& n, int count) {
    for (; count >= 2; count -= 2, n /= 100) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * (n % 100)], 2);
    }
    if (count == 1) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    return p;
}

// Every digit of n, "0" for 0.
inline char* DigitsBefore(char* p, uint64_t n) {
    for (; n >= 100; n /= 100) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * (n % 100)], 2);
    }
    if (n >= 10) {
        p -= 2;
        std::memcpy(p, &kDigitPairs[2 * n], 2);
    } else {
        *--p = static_cast<char>('0' + n);
    }
    return p;
}

// Thread file number: "+1.000000", "+1250.000", "+123456.00", "-0.250000".
std::string FloatText(double value);
// "%<N+3>.<N>f", blanks kept.
std::string DecText(int decimals, double value);
// Dimension of a member in the display unit; "  N/A" for exactly 0.
std::string DimText(const TThdInfo& member, int decimals, double value);
// Minor diameter text (three decimals for class 1B/2B internal UN/UNR minors
// from No. 6 up).
std::string MinorText(const TThdInfo& member, double value);
// A gauge tolerance of `decimals` inch places: DimText, but in millimetre
// display an inch value gets one decimal more (the exact conversion).
std::string TolDimText(const TThdInfo& member, int decimals, double value);
// DimText with "+ " (internal) or "- " (external) before a positive value.
std::string SignedDimText(const TThdInfo& member, int decimals, double value);
std::string Len3Text(double value);
std::string Len4Text(double value);
std::string Len5Text(double value);
// Threads per inch or metric pitch: "13", "4.5", "0.75".
std::string TPIText(double value);
// Degrees as " dd.mm.ss", rounded to the second; "0.00.00" for 0.
std::string AngleText(double degrees);
// "  3 Deg. 15 Min.", rounded to the minute; "  N/A" for 0.
std::string DegMinText(double degrees);

// Decimal text (a leading "+" or "-" accepted), or degrees-minutes-seconds
// joined by dashes when a "-" follows the first character; 0 when unreadable.
double TextToFloat(const std::string& text);
double DMSToFloat(const std::string& text);
// "3/8" -> 0.375; -1 for a zero denominator or parts that are not whole numbers.
double FractionToFloat(const std::string& text);
// "#000" .. "#20" -> inches; -1 for any other text.
double NumberSizeToDia(const std::string& text);
// Standard decimal conversion; false when the text is not a number.
bool ParseDecimal(std::string_view text, double& value);

std::string RightStr(const std::string& text, int n);
std::string LeftStr(const std::string& text, int n);
std::string TrimLeftBlanks(const std::string& text);
std::string Trim(const std::string& text);
std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);

// The value shown for "nothing computed".
inline const char* const kNAText = "  N/A";

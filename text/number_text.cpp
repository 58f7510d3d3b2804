#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace text {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsLeadingBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Length of the run of decimal digits starting at pos.
std::size_t DigitRun(std::string_view s, std::size_t pos) {
    std::size_t n = 0;
    while (pos + n < s.size() && IsDigit(s[pos + n])) ++n;
    return n;
}

}  // namespace

double TextToNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsLeadingBlank(text[pos])) ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    const std::size_t intDigits = DigitRun(text, pos);
    pos += intDigits;
    std::size_t fracDigits = 0;
    if (pos < text.size() && text[pos] == '.') {
        fracDigits = DigitRun(text, pos + 1);
        if (intDigits + fracDigits > 0) pos += 1 + fracDigits;
    }
    if (intDigits + fracDigits == 0) return 0.0;

    // An exponent counts only when at least one digit follows "e" and its sign.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t p = pos + 1;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
        const std::size_t expDigits = DigitRun(text, p);
        if (expDigits > 0) pos = p + expDigits;
    }

    // from_chars does not take a leading '+', so parse the unsigned part and
    // apply the sign ourselves. It never looks at the locale or at "0x".
    double value = 0.0;
    const char* first = text.data() + mantissaStart;
    const char* last = text.data() + pos;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it overflows or underflows;
        // strtod gives infinity or the nearest tiny value instead. The text
        // holds only digits, '.', 'e' and a sign here, so the locale's
        // decimal point cannot matter.
        value = std::strtod(std::string(first, last).c_str(), nullptr);
    }
    return negative ? -value : value;
}

std::int32_t NumberToInt32(double value) {
    if (!std::isfinite(value)) return 0;
    // The low 32 bits of trunc(value), computed without overflowing an
    // integer type, so that values beyond the 64-bit range stay defined.
    double low = std::fmod(std::trunc(value), 4294967296.0);
    if (low < 0) low += 4294967296.0;
    const auto bits = static_cast<std::uint32_t>(low);
    return static_cast<std::int32_t>(bits);
}

std::int32_t TextToInt32(std::string_view text) { return NumberToInt32(TextToNumber(text)); }

// The shortest text is found with printf rather than std::to_chars: the
// C++ runtime's floating-point to_chars (its tables) would add 170 KB to a
// statically linked program.
std::string NumberToText(double value) {
    if (std::isnan(value)) return "0";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    if (value == 0.0) return "0";  // also turns -0 into "0"
    if (std::trunc(value) == value) {
        // A whole number: its exact digits (beyond 2^53 more than the
        // shortest round trip needs, as to_chars writes them too).
        char whole[400];
        const int length = std::snprintf(whole, sizeof whole, "%.0f", value);
        return std::string(whole, static_cast<std::size_t>(std::max(length, 0)));
    }
    // The fewest significant digits that read back as the value, each
    // correctly rounded: the digits of the shortest round trip.
    char scientific[40];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, value);
        if (std::strtod(scientific, nullptr) == value) break;
    }
    // "[-]d.ddde[+-]x": the digits without the decimal point (whatever the
    // locale makes it) and the power of ten of the first one.
    std::string text = value < 0 ? "-" : "";
    std::string digits;
    const char* p = scientific + (value < 0 ? 1 : 0);
    for (; *p && *p != 'e'; ++p) {
        if (IsDigit(*p)) digits += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int count = static_cast<int>(digits.size());
    if (exponent < 0) {
        text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= count) {
        text += digits + std::string(static_cast<std::size_t>(exponent + 1 - count), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." +
                digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    return text;
}

std::string IntegerToText(std::int64_t value) { return std::to_string(value); }

}  // namespace text

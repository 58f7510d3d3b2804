// Number text: how every number typed into or shown in an edit box is read
// and written.
//
// Reading takes a decimal floating-point number from the start of the text:
// leading blanks, an optional sign, digits, an optional fraction and an
// optional exponent. It stops at the first character that does not fit; a
// text without a number gives 0. "0x" prefixes are not recognised ("0x10"
// reads as 0). Converting to an int32 truncates toward zero and keeps the low
// 32 bits, so "4294967295" gives -1.
//
// Writing gives the shortest decimal text that reads back as the same value,
// without exponent, and without a fractional part when the value is whole
// ("16", never "16.0").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace text {

double TextToNumber(std::string_view text);

// Truncates toward zero and keeps the low 32 bits of the 64-bit result.
// Infinities and NaN give 0.
std::int32_t NumberToInt32(double value);

// TextToNumber followed by NumberToInt32: the value of a handle, id or
// coordinate box.
std::int32_t TextToInt32(std::string_view text);

std::string NumberToText(double value);

// The canonical text of a whole number (a handle, id, coordinate or size).
std::string IntegerToText(std::int64_t value);

}  // namespace text

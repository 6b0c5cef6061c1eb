// Decimal number texts as the record and the catalogs store them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// A signed decimal integer: optional leading blanks, optional sign, digits,
// within 32 bits. Anything else (empty text, trailing characters) is nullopt.
std::optional<int32_t> ParseInt(std::string_view text);

// A decimal number with "." as the decimal point (an integer text is one):
// optional leading blanks, optional sign, no exponent, finite.
std::optional<double> ParseFloat(std::string_view text);

std::string FormatInt(int32_t v);
// "%.1f": one digit after the point, also for whole numbers ("-10.0").
std::string FormatOneDecimal(float v);

// The conversion-error messages the window shows (UTF-8); `text` is the
// offending code page 932 text.
std::string NotAnIntegerMessage(std::string_view text);
std::string NotANumberMessage(std::string_view text);

}  // namespace numtext

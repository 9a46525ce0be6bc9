#pragma once
// Reading rules for integers, decimals, currency amounts and dates, always
// with United States settings (full stop, month/day/year) and never through
// the C library's locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/clock.h"

namespace qs {

// Blanks, an optional sign, then decimal digits or a hexadecimal prefix
// ("$", "x", "X", "0x", "0X") and hex digits; nothing after. 32-bit range.
std::optional<std::int32_t> ReadInteger(std::string_view s);

// Blanks, sign, digits, optional "." digits, optional exponent, blanks.
// Values beyond the extended-precision range do not read. The result is the
// value as a double (infinite when it lies beyond the double range).
std::optional<double> ReadDecimal(std::string_view s);

// As ReadDecimal; the value rounded to four places (ties to even) must fit a
// signed 64-bit count of ten-thousandths. The result is that count, exact.
std::optional<std::int64_t> ReadCurrency(std::string_view s);

// Two or three numbers separated by "/", month/day[/year]; the sliding
// two-digit-year window and the current year come from clock.
std::optional<TDate> ReadDate(std::string_view s, const IClock& clock);

// "MMDDYYYY", each part zero-padded.
std::string WriteDate(const TDate& d);

}  // namespace qs

#pragma once
// Value normalisers, one per family of type codes. They never fail; the
// conversion decides whether the result is acceptable.
#include <string>
#include <string_view>

#include "core/clock.h"

namespace qs {

void NormalizeCurrency(std::string& value, std::string_view code);
void NormalizeWholeNumber(std::string& value);
void NormalizeFloat(std::string& value);
void NormalizeTinType(std::string& value);
void NormalizeIndicator(std::string& value);
void NormalizeSsn(std::string& value);
void NormalizeTin(std::string& value, std::string& tinType);
void NormalizeYear(std::string& value);
void NormalizeDate(std::string& value, const IClock& clock);

}  // namespace qs

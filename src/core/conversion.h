#pragma once
// The rule of one type code applied to one raw value line. The record
// conversion and the full verification report both use this, so they never
// disagree on whether a value passes.
#include <string>
#include <string_view>

#include "core/clock.h"

namespace qs {

struct TValueResult {
    bool ok = true;       // false: the value fails its rule; reason says why
    bool store = true;    // true: value goes into the record in place of the default
    std::string value;    // the value to store
    std::string tinType;  // for "N": the inferred TIN type (may be empty)
    std::string reason;   // for a failure: the reason text, e.g. "to an invalid TIN "
};

// raw is the line exactly as read; the value is trimmed first. The result
// goes into result, whose strings keep their storage: a caller that converts
// many values with one result allocates nothing for most of them.
void ConvertValue(std::string_view code, std::string_view raw, const IClock& clock,
                  TValueResult& result);
// The same, into a new result.
TValueResult ConvertValue(std::string_view code, std::string_view raw, const IClock& clock);

}  // namespace qs

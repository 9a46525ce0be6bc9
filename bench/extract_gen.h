#pragma once
// Large data extracts for the benchmarks: valid values for every type code,
// varied from record to record, with CR LF line ends.
#include <string>
#include <vector>

namespace qs::bench {

// The schema positions supplied: "all", a count N (the first N positions) or
// a comma-separated list of positions. Empty when the text fits none of these.
std::vector<int> ParseFieldChoice(const std::string& choice, int fieldCount);

// The whole extract for form (a catalog name) with `records` records that
// supply the given positions. Empty when the form is not in the catalog.
std::string GenerateExtract(const std::string& form, long records,
                            const std::vector<int>& positions);

}  // namespace qs::bench

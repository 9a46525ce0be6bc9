#pragma once
// The data extract template for a form and its ticked fields.
#include <string>
#include <vector>

#include "core/fieldselection.h"
#include "core/stringlist.h"

namespace qs {

// The KEY string: the row count as three digits, then "1"/"0" per row.
std::string KeyString(const std::vector<TFieldRow>& rows);

// The n + 37 lines of the template text (n = number of ticked rows).
// formName is the combo's text; programFileName the name part of the running program.
TStringList BuildTemplateText(const std::string& formName, const std::vector<TFieldRow>& rows,
                              const std::string& programFileName);

}  // namespace qs

#pragma once
// The form catalog (36 record-type names, index 0 to 35) and the schema lookup.
#include <cstdint>
#include <string_view>

#include "core/stringlist.h"

namespace qs {

inline constexpr int kCatalogSize = 36;
// Combo entry k of the form combo is catalog index k + kFirstComboIndex.
inline constexpr int kFirstComboIndex = 4;
inline constexpr int kComboEntryCount = kCatalogSize - kFirstComboIndex;

// Catalog name at index 0..35 (exact, case-sensitive spelling).
std::string_view CatalogName(int index);
// Number of descriptors in the schema at index 0..35.
int CatalogFieldCount(int index);
// Catalog index of a name by exact comparison; -1 when none.
int FindCatalogIndex(std::string_view name);

// Adds the descriptors of schema `index` to `list`, in schema order. An index
// of 36 or more adds nothing.
void LoadSchema(std::uint8_t index, TStringList& list);

}  // namespace qs

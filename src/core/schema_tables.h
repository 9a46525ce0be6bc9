#pragma once
// Internal representation of the schemas: each schema is a constant table of
// items; an item is one descriptor, a shared block of descriptors, or a
// computed run that appends its descriptors when the schema is loaded.
#include <cstddef>
#include <span>

#include "core/stringlist.h"

namespace qs::schema {

using Block = std::span<const char* const>;
using Generator = void (*)(TStringList& list);

struct Item {
    const char* descriptor = nullptr;  // one descriptor ...
    const Block* block = nullptr;      // ... or a shared block ...
    Generator generate = nullptr;      // ... or a computed run

    constexpr Item(const char* d) : descriptor(d) {}
    constexpr Item(const Block& b) : block(&b) {}
    constexpr Item(Generator g) : generate(g) {}
};

using Table = std::span<const Item>;

// Appends the descriptors of a schema table to list.
void AppendTable(Table table, TStringList& list);

// Shared blocks (defined once in schema_blocks.cpp).
extern const Block kRecipientBlock;        // 14 descriptors
extern const Block kClosingBlock;          // 3 descriptors
extern const Block kTwoStateBlock;         // 4 descriptors
extern const Block kMonthlyCoverageBlock;  // 13 descriptors
// "JAN" .. "DEC" in calendar order.
extern const char* const kMonthNames[12];

// The 36 schema tables, in catalog order.
// schema_filer.cpp
extern const Table kClients, kSponsors, kW2VCode, k1094;
// schema_1095_1098.cpp
extern const Table k1095B, k1095BCI, k1095C, k1095CCI, k1098, k1098C, k1098E, k1098T;
// schema_1099.cpp
extern const Table k1099A, k1099B, k1099C, k1099CAP, k1099DIV, k1099G, k1099INT, k1099K, k1099LTC,
    k1099MISC, k1099OID, k1099PATR, k1099Q, k1099R, k1099S, k1099SA;
// schema_w2_5498.cpp
extern const Table k3921, k3922, k5498, k5498ESA, k5498SA, kW2, kW2C, kW2G;

}  // namespace qs::schema

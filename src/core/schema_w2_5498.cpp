// Placeholder tables until the schemas are written.
#include "core/schema_tables.h"

namespace qs::schema {
const Table k3921{};
const Table k3922{};
const Table k5498{};
const Table k5498ESA{};
const Table k5498SA{};
const Table kW2{};
const Table kW2C{};
const Table kW2G{};
}  // namespace qs::schema

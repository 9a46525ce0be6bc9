// Placeholder tables until the schemas are written.
#include "core/schema_tables.h"

namespace qs::schema {
const Table kClients{};
const Table kSponsors{};
const Table kW2VCode{};
const Table k1094{};
}  // namespace qs::schema

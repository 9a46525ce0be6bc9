// Placeholder tables until the schemas are written.
#include "core/schema_tables.h"

namespace qs::schema {
const Table k1095B{};
const Table k1095BCI{};
const Table k1095C{};
const Table k1095CCI{};
const Table k1098{};
const Table k1098C{};
const Table k1098E{};
const Table k1098T{};
}  // namespace qs::schema

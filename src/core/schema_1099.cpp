// Placeholder tables until the schemas are written.
#include "core/schema_tables.h"

namespace qs::schema {
const Table k1099A{};
const Table k1099B{};
const Table k1099C{};
const Table k1099CAP{};
const Table k1099DIV{};
const Table k1099G{};
const Table k1099INT{};
const Table k1099K{};
const Table k1099LTC{};
const Table k1099MISC{};
const Table k1099OID{};
const Table k1099PATR{};
const Table k1099Q{};
const Table k1099R{};
const Table k1099S{};
const Table k1099SA{};
}  // namespace qs::schema

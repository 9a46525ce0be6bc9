// The form catalog and LoadSchema.
#include "core/schema.h"

#include "core/schema_tables.h"

namespace qs {

namespace {

struct CatalogEntry {
    const char* name;
    int fieldCount;
    const schema::Table* table;
};

// Index in this table is the schema index; names, counts and tables never diverge.
const CatalogEntry kCatalog[kCatalogSize] = {
    {"Clients", 135, &schema::kClients}, {"Sponsors", 15, &schema::kSponsors},
    {"W-2 VCode", 2, &schema::kW2VCode}, {"1094", 72, &schema::k1094},
    {"1095-B", 39, &schema::k1095B},     {"1095-B CI", 22, &schema::k1095BCI},
    {"1095-C", 65, &schema::k1095C},     {"1095-C CI", 22, &schema::k1095CCI},
    {"1098", 40, &schema::k1098},        {"1098-C", 32, &schema::k1098C},
    {"1098-E", 19, &schema::k1098E},     {"1098-T", 28, &schema::k1098T},
    {"1099-A", 23, &schema::k1099A},     {"1099-B", 48, &schema::k1099B},
    {"1099-C", 26, &schema::k1099C},     {"1099-CAP", 21, &schema::k1099CAP},
    {"1099-DIV", 39, &schema::k1099DIV}, {"1099-G", 31, &schema::k1099G},
    {"1099-INT", 38, &schema::k1099INT}, {"1099-K", 44, &schema::k1099K},
    {"1099-LTC", 32, &schema::k1099LTC}, {"1099-MISC", 40, &schema::k1099MISC},
    {"1099-OID", 36, &schema::k1099OID}, {"1099-PATR", 30, &schema::k1099PATR},
    {"1099-Q", 27, &schema::k1099Q},     {"1099-R", 47, &schema::k1099R},
    {"1099-S", 26, &schema::k1099S},     {"1099-SA", 24, &schema::k1099SA},
    {"3921", 26, &schema::k3921},        {"3922", 25, &schema::k3922},
    {"5498", 41, &schema::k5498},        {"5498-ESA", 19, &schema::k5498ESA},
    {"5498-SA", 25, &schema::k5498SA},   {"W-2", 63, &schema::kW2},
    {"W-2C", 98, &schema::kW2C},         {"W-2G", 32, &schema::kW2G},
};

}  // namespace

std::string_view CatalogName(int index) {
    if (index < 0 || index >= kCatalogSize)
        return {};
    return kCatalog[index].name;
}

int CatalogFieldCount(int index) {
    if (index < 0 || index >= kCatalogSize)
        return 0;
    return kCatalog[index].fieldCount;
}

int FindCatalogIndex(std::string_view name) {
    for (int i = 0; i < kCatalogSize; ++i) {
        if (name == kCatalog[i].name)
            return i;
    }
    return -1;
}

void LoadSchema(std::uint8_t index, TStringList& list) {
    if (index >= kCatalogSize)
        return;
    schema::AppendTable(*kCatalog[index].table, list);
}

}  // namespace qs

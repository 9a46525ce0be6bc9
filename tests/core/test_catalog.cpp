#include <gtest/gtest.h>

#include "core/schema.h"

namespace qs {
namespace {

TEST(Catalog, NamesInOrder) {
    EXPECT_EQ(CatalogName(0), "Clients");
    EXPECT_EQ(CatalogName(3), "1094");
    EXPECT_EQ(CatalogName(4), "1095-B");
    EXPECT_EQ(CatalogName(35), "W-2G");
    EXPECT_EQ(FindCatalogIndex("W-2G"), 35);
    EXPECT_EQ(FindCatalogIndex("w-2g"), -1);
    EXPECT_EQ(FindCatalogIndex("CLIENTS"), -1);
}

TEST(Catalog, IndexesBeyondTheCatalogYieldNothing) {
    for (int index : {36, 127, 128, 255}) {
        TStringList list;
        LoadSchema(static_cast<std::uint8_t>(index), list);
        EXPECT_TRUE(list.empty()) << index;
    }
}

}  // namespace
}  // namespace qs

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

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

TStringList Schema(int index) {
    TStringList list;
    LoadSchema(static_cast<std::uint8_t>(index), list);
    return list;
}

// The 25 field type codes.
const std::string kTypeCodes = "$CcwuI#TNnDdbYyOohpgE9ekv";

TEST(Catalog, EverySchemaHasItsFieldCount) {
    int total = 0;
    for (int index = 0; index < kCatalogSize; ++index) {
        const int count = static_cast<int>(Schema(index).size());
        EXPECT_EQ(count, CatalogFieldCount(index)) << CatalogName(index);
        EXPECT_GT(count, 0) << CatalogName(index);
        EXPECT_LT(count, 1000) << CatalogName(index);
        total += count;
    }
    EXPECT_EQ(total, 1352);
}

TEST(Catalog, DescriptorsAreWellFormed) {
    for (int index = 0; index < kCatalogSize; ++index) {
        std::set<std::string> descriptors;
        std::set<std::string> captions;
        for (const std::string& d : Schema(index)) {
            SCOPED_TRACE(std::string(CatalogName(index)) + ": \"" + d + "\"");
            ASSERT_GE(d.size(), 2u);
            for (char ch : d) {
                EXPECT_TRUE(ch >= 32 && ch <= 126) << static_cast<int>(ch);
            }
            EXPECT_NE(kTypeCodes.find(d[0]), std::string::npos);
            const std::string caption = d.substr(1);
            EXPECT_NE(caption.front(), ' ');
            EXPECT_NE(caption.back(), ' ');
            EXPECT_EQ(caption.find("  "), std::string::npos);
            EXPECT_TRUE(descriptors.insert(d).second) << "descriptor repeated";
            EXPECT_TRUE(captions.insert(caption).second) << "caption repeated";
        }
    }
}

TEST(Catalog, AtMostOneTinTypeTinAndSsnFieldPerSchema) {
    for (int index = 0; index < kCatalogSize; ++index) {
        SCOPED_TRACE(CatalogName(index));
        const TStringList schema = Schema(index);
        std::map<char, std::vector<std::size_t>> positions;
        for (std::size_t p = 0; p < schema.size(); ++p)
            positions[schema[p][0]].push_back(p);
        EXPECT_LE(positions['T'].size(), 1u);
        EXPECT_LE(positions['N'].size(), 1u);
        EXPECT_LE(positions['n'].size(), 1u);
        if (!positions['T'].empty() && !positions['N'].empty()) {
            EXPECT_LT(positions['T'][0], positions['N'][0]);
        }
    }
}

// Where each type code occurs; "*" stands for every schema but the ones listed
// after it.
struct CodeUse {
    char code;
    std::vector<std::string> schemas;
};

const std::vector<std::string> kTinTypeForms = {
    "Clients",   "1098",     "1098-C",    "1098-E",   "1098-T",   "1099-A", "1099-B",
    "1099-C",    "1099-CAP", "1099-DIV",  "1099-G",   "1099-INT", "1099-K", "1099-LTC",
    "1099-MISC", "1099-OID", "1099-PATR", "1099-Q",   "1099-R",   "1099-S", "1099-SA",
    "3921",      "3922",     "5498",      "5498-ESA", "5498-SA",  "W-2G"};

std::vector<std::string> With(std::vector<std::string> names, const std::string& extra) {
    names.push_back(extra);
    return names;
}

const CodeUse kCodeUses[] = {
    {'$', {"*", "W-2 VCode"}},
    {'C', {"1099-B", "1099-OID", "1099-Q"}},
    {'c', {"*", "Clients", "Sponsors", "W-2 VCode", "1094", "1095-B", "1095-B CI", "1095-C CI"}},
    {'w', {"1094", "1098", "1099-CAP", "1099-K"}},
    {'#', {"1098", "1099-R", "3921", "3922"}},
    {'u',
     {"*", "Clients", "Sponsors", "W-2 VCode", "1094", "1095-B CI", "1095-C CI", "W-2C", "W-2G"}},
    {'I', {"*", "W-2 VCode"}},
    {'T', kTinTypeForms},
    {'N', With(kTinTypeForms, "W-2C")},
    {'n', {"W-2 VCode", "1095-B", "1095-B CI", "1095-C", "1095-C CI", "1099-LTC", "W-2", "W-2C"}},
    {'D', {"1098-C", "1099-A", "1099-C", "1099-CAP", "1099-S", "W-2G"}},
    {'d', {"1098", "1098-C", "1099-B", "1099-LTC", "3921", "3922", "5498"}},
    {'b', {"1095-B", "1095-B CI", "1095-C CI"}},
    {'Y', {"W-2C"}},
    {'y', {"1099-R", "5498"}},
    {'O', {"1095-B"}},
    {'o', {"1095-C"}},
    {'h', {"1095-C"}},
    {'p', {"1095-C"}},
    {'g', {"W-2G"}},
    {'E', {"1099-C"}},
    {'9', {"Sponsors"}},
    {'e', {"Clients"}},
    {'k', {"Clients"}},
    {'v', {"W-2 VCode"}},
};

TEST(Catalog, EachCodeOccursInExactlyItsSchemas) {
    ASSERT_EQ(std::size(kCodeUses), kTypeCodes.size());
    for (const CodeUse& use : kCodeUses) {
        SCOPED_TRACE(std::string("code ") + use.code);
        const bool allBut = use.schemas.front() == "*";
        std::set<std::string> listed(use.schemas.begin() + (allBut ? 1 : 0), use.schemas.end());
        for (const std::string& name : listed)
            ASSERT_NE(FindCatalogIndex(name), -1) << name;
        for (int index = 0; index < kCatalogSize; ++index) {
            const std::string name(CatalogName(index));
            const TStringList schema = Schema(index);
            bool holds = false;
            for (const std::string& d : schema)
                holds = holds || d[0] == use.code;
            EXPECT_EQ(holds, (listed.count(name) != 0) != allBut) << name;
        }
    }
}

}  // namespace
}  // namespace qs

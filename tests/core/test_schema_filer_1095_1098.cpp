#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "core/schema.h"

namespace qs {
namespace {

constexpr int kClients = 0, kSponsors = 1, kW2VCode = 2, k1094 = 3, k1095B = 4, k1095BCI = 5,
              k1095C = 6, k1095CCI = 7, k1098 = 8, k1098C = 9, k1098E = 10, k1098T = 11;

TStringList Schema(int index) {
    TStringList list;
    LoadSchema(static_cast<std::uint8_t>(index), list);
    return list;
}

int CountCode(const TStringList& schema, char code) {
    return static_cast<int>(std::count_if(schema.begin(), schema.end(), [code](const auto& d) {
        return !d.empty() && d[0] == code;
    }));
}

TEST(SchemaFiler1095And1098, FieldCountsMatchCatalog) {
    const int expected[] = {135, 15, 2, 72, 39, 22, 65, 22, 40, 32, 19, 28};
    for (int i = kClients; i <= k1098T; ++i) {
        EXPECT_EQ(static_cast<int>(Schema(i).size()), CatalogFieldCount(i)) << CatalogName(i);
        EXPECT_EQ(CatalogFieldCount(i), expected[i]) << CatalogName(i);
    }
}

// Every descriptor is a known code followed by a clean caption; within one
// schema captions are unique and the TIN type, TIN and SSN codes occur at most
// once (the conversion remembers a single position for each).
TEST(SchemaFiler1095And1098, DescriptorsAreWellFormed) {
    const std::string_view codes = "$CcwuITNnDdbYyOohpgE9ekv#";
    for (int i = kClients; i <= k1098T; ++i) {
        const TStringList schema = Schema(i);
        std::set<std::string> captions;
        for (const std::string& d : schema) {
            ASSERT_GE(d.size(), 2u) << CatalogName(i);
            EXPECT_NE(codes.find(d[0]), std::string_view::npos) << CatalogName(i) << ": " << d;
            for (char ch : d)
                EXPECT_TRUE(ch >= 32 && ch <= 126) << CatalogName(i) << ": " << d;
            const std::string caption = d.substr(1);
            EXPECT_NE(caption.front(), ' ') << d;
            EXPECT_NE(caption.back(), ' ') << d;
            EXPECT_EQ(caption.find("  "), std::string::npos) << d;
            EXPECT_TRUE(captions.insert(caption).second) << CatalogName(i) << ": " << d;
        }
        for (char code : {'T', 'N', 'n'})
            EXPECT_LE(CountCode(schema, code), 1) << CatalogName(i);
    }
}

// Descriptors at the positions where a block or a computed run begins or ends,
// where a schema deviates from a shared block, and the first and last fields.
TEST(SchemaFiler1095And1098, DescriptorsAtPositions) {
    struct Case {
        int index;
        int position;
        const char* descriptor;
    };
    const Case cases[] = {
        {kClients, 0, "$Client ID"},
        {kClients, 15, "IReport Corporate to IRS indicator"},
        {kClients, 19, "TTIN Type"},
        {kClients, 20, "NTaxpayer id"},
        {kClients, 21, "eType of employer"},
        {kClients, 22, "kKind of employer"},
        {kClients, 23, "$Routing & Transit number"},
        {kClients, 27, "$E-mail address"},
        {kClients, 34, "$ACA Contact Telephone (XXX-XXX-XXXX)"},
        {kClients, 35, "$State #1"},
        {kClients, 36, "$State #1 ID"},
        {kClients, 51, "$State #9"},
        {kClients, 52, "$State #9 ID"},
        {kClients, 53, "$State #10"},
        {kClients, 54, "$State #10 ID"},
        {kClients, 133, "$State #50"},
        {kClients, 134, "$State #50 ID"},
        {kSponsors, 0, "$Sponsor ID"},
        {kSponsors, 1, "9EIN (enter as 9 digits)"},
        {kSponsors, 14, "$Telephone (XXX-XXX-XXXX)"},
        {kW2VCode, 0, "nSocial security number"},
        {kW2VCode, 1, "vW-2 Verification Code"},
        {k1094, 0, "$Client ID"},
        {k1094, 3, "wTotal forms filed by ALE member"},
        {k1094, 6, "I98% Offer Method indicator"},
        {k1094, 7, "IAll 12 Months Column (a) (Yes)"},
        {k1094, 8, "IAll 12 Months Column (a) (No)"},
        {k1094, 9, "wAll 12 Months Column (b)"},
        {k1094, 10, "wAll 12 Months Column (c)"},
        {k1094, 11, "IAll 12 Months Column (d)"},
        {k1094, 12, "IJAN Column (a) (Yes)"},
        {k1094, 16, "IJAN Column (d)"},
        {k1094, 67, "IDEC Column (a) (Yes)"},
        {k1094, 69, "wDEC Column (b)"},
        {k1094, 71, "IDEC Column (d)"},
        {k1095B, 0, "$Import ID"},
        {k1095B, 8, "bDate of birth"},
        {k1095B, 15, "uUSPS Delivery Point"},
        {k1095B, 21, "OOrigin of Health Coverage Code"},
        {k1095B, 22, "$Sponsor ID"},
        {k1095B, 23, "IJAN-DEC coverage"},
        {k1095B, 35, "IDEC coverage"},
        {k1095B, 36, "IDo not print indicator"},
        {k1095B, 37, "$E-Mail address"},
        {k1095B, 38, "$Client ID"},
        {k1095BCI, 0, "$Import ID"},
        {k1095BCI, 7, "bDate of birth"},
        {k1095BCI, 8, "IJAN-DEC coverage"},
        {k1095BCI, 20, "IDEC coverage"},
        {k1095BCI, 21, "$Client ID"},
        {k1095C, 2, "$Employee ID"},
        {k1095C, 8, "nSocial security number"},
        {k1095C, 21, "pPlan Start Month"},
        {k1095C, 22, "ISelf-insured coverage indicator"},
        {k1095C, 23, "oJAN-DEC coverage code"},
        {k1095C, 24, "cJAN-DEC employee share"},
        {k1095C, 25, "hJAN-DEC safe harbor code"},
        {k1095C, 26, "oJAN coverage code"},
        {k1095C, 27, "cJAN employee share"},
        {k1095C, 28, "hJAN safe harbor code"},
        {k1095C, 59, "oDEC coverage code"},
        {k1095C, 60, "cDEC employee share"},
        {k1095C, 61, "hDEC safe harbor code"},
        {k1095C, 62, "IDo not print indicator"},
        {k1095C, 64, "$Client ID"},
        {k1098, 9, "$Foreign city, province, postal code"},
        {k1098, 10, "$Apartment number"},
        {k1098, 11, "TTIN Type"},
        {k1098, 12, "NTaxpayer id"},
        {k1098, 14, "$Account number"},
        {k1098, 17, "#Payer shares"},
        {k1098, 23, "cBox 2 - Outstanding mortgage principal as of 1/1/2017"},
        {k1098, 31, "$Box 9 - Description of property securing mortage line 1"},
        {k1098, 34, "wBox 10 - Number of mortgaged properties"},
        {k1098, 36, "$Box 11 - Other line 2"},
        {k1098, 37, "IDo not print indicator"},
        {k1098, 39, "$Client ID"},
        {k1098C, 10, "TTIN Type"},
        {k1098C, 11, "NTaxpayer id"},
        {k1098C, 12, "$Name control"},
        {k1098C, 13, "DDate of contribution"},
        {k1098C, 29, "IBox 7 - Deduction $500 or less indicator"},
        {k1098C, 30, "IDo not print indicator"},
        {k1098C, 31, "$Client ID"},
        {k1098E, 0, "$Name line 1"},
        {k1098E, 10, "TTIN Type"},
        {k1098E, 11, "NTaxpayer id"},
        {k1098E, 13, "$Account number"},
        {k1098E, 14, "cBox 1 - Student loan interest received"},
        {k1098E, 15, "IBox 2 - Loan origination fees indicator"},
        {k1098E, 17, "$E-Mail address"},
        {k1098E, 18, "$Client ID"},
        {k1098T, 10, "TTIN Type"},
        {k1098T, 11, "NTaxpayer id"},
        {k1098T, 12, "IStudent TIN Indicator"},
        {k1098T, 14, "$Service Provider (Account)"},
        {k1098T, 24, "cBox 10 - Reimbursements/Refunds"},
        {k1098T, 25, "IDo not print indicator"},
        {k1098T, 27, "$Client ID"},
    };
    for (const Case& c : cases) {
        const TStringList schema = Schema(c.index);
        ASSERT_LT(c.position, static_cast<int>(schema.size())) << CatalogName(c.index);
        EXPECT_EQ(schema[c.position], c.descriptor)
            << CatalogName(c.index) << " position " << c.position;
    }
}

TEST(SchemaFiler1095And1098, MonthlyRunsFollowCalendarOrder) {
    const char* const months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                  "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const TStringList s1094 = Schema(k1094);
    const TStringList s1095C = Schema(k1095C);
    for (int k = 1; k <= 12; ++k) {
        const std::string m = months[k - 1];
        EXPECT_EQ(s1094[7 + 5 * k], "I" + m + " Column (a) (Yes)");
        EXPECT_EQ(s1094[10 + 5 * k], "w" + m + " Column (c)");
        EXPECT_EQ(s1095C[23 + 3 * k], "o" + m + " coverage code");
        EXPECT_EQ(s1095C[25 + 3 * k], "h" + m + " safe harbor code");
    }
}

TEST(SchemaFiler1095And1098, CodeCensus) {
    // 1094: the 26 column (b)/(c) counts and the forms total are whole numbers;
    // everything else but the client ID is an indicator.
    const TStringList s1094 = Schema(k1094);
    EXPECT_EQ(CountCode(s1094, 'w'), 27);
    EXPECT_EQ(CountCode(s1094, 'I'), 72 - 27 - 1);
    // The offer columns: 13 of each of the three codes.
    const TStringList s1095C = Schema(k1095C);
    for (char code : {'o', 'c', 'h'})
        EXPECT_EQ(CountCode(s1095C, code), 13) << code;
    // Codes that occur in exactly one field of these schemas.
    struct Unique {
        char code;
        int index;
        int position;
    };
    const Unique uniques[] = {{'O', k1095B, 21},   {'p', k1095C, 21},   {'e', kClients, 21},
                              {'k', kClients, 22}, {'9', kSponsors, 1}, {'v', kW2VCode, 1}};
    for (const Unique& u : uniques) {
        int total = 0;
        for (int i = kClients; i <= k1098T; ++i)
            total += CountCode(Schema(i), u.code);
        EXPECT_EQ(total, 1) << u.code;
        EXPECT_EQ(Schema(u.index)[u.position][0], u.code);
    }
}

TEST(SchemaFiler1095And1098, CoveredIndividualSchemasAreEqual) {
    EXPECT_EQ(Schema(k1095BCI), Schema(k1095CCI));
}

TEST(SchemaFiler1095And1098, ClientsEmailCaptionDiffersFromClosingBlock) {
    const TStringList clients = Schema(kClients);
    EXPECT_EQ(std::count(clients.begin(), clients.end(), "$E-mail address"), 1);
    EXPECT_EQ(std::count(clients.begin(), clients.end(), "$E-Mail address"), 0);
    for (int i : {k1095B, k1095C, k1098, k1098E, k1098T}) {
        const TStringList schema = Schema(i);
        EXPECT_EQ(schema[schema.size() - 2], "$E-Mail address") << CatalogName(i);
        EXPECT_EQ(std::count(schema.begin(), schema.end(), "$E-mail address"), 0);
    }
}

}  // namespace
}  // namespace qs

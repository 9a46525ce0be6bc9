// Record formats of the 1099, 3921, 3922, 5498 and W-2 forms (indexes 12 to 35).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/schema.h"

namespace qs {
namespace {

TStringList Schema(int index) {
    TStringList list;
    LoadSchema(static_cast<std::uint8_t>(index), list);
    return list;
}

int CountCode(const TStringList& schema, char code) {
    return static_cast<int>(
        std::count_if(schema.begin(), schema.end(),
                      [code](const std::string& d) { return !d.empty() && d[0] == code; }));
}

const std::vector<std::string> kRecipient = {
    "$Name line 1",
    "$Name line 2",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "uUSPS Delivery Point",
    "IForeign address indicator",
    "$Foreign city, province, postal code",
    "TTIN Type",
    "NTaxpayer id",
    "$Name control",
    "$Account number",
};
const std::vector<std::string> kClosing = {"IDo not print indicator", "$E-Mail address",
                                           "$Client ID"};
const std::vector<std::string> kTwoState = {"$State 1", "cState 1 tax withheld", "$State 2",
                                            "cState 2 tax withheld"};

bool RunAt(const TStringList& schema, std::size_t position, const std::vector<std::string>& run) {
    if (position + run.size() > schema.size())
        return false;
    return std::equal(run.begin(), run.end(), schema.begin() + static_cast<long>(position));
}

struct Outline {
    int index;
    const char* name;
    int count;
    const char* first;
    const char* last;
};

// The last descriptor before the closing block stands for the end of the
// form's own fields; for the W-2 forms, which have no closing block, the
// last descriptor itself.
const Outline kOutlines[] = {
    {12, "1099-A", 23, "$Name line 1", "cFMV of property"},
    {13, "1099-B", 48, "$Name line 1", "cState 2 tax withheld"},
    {14, "1099-C", 26, "$Name line 1", "cFMV of property"},
    {15, "1099-CAP", 21, "$Name line 1", "$Classes of stock exchanged"},
    {16, "1099-DIV", 39, "$Name line 1", "cState 2 tax withheld"},
    {17, "1099-G", 31, "$Name line 1", "cState 2 tax withheld"},
    {18, "1099-INT", 38, "$Name line 1", "cState 2 tax withheld"},
    {19, "1099-K", 44, "$Name line 1", "cState 2 tax withheld"},
    {20, "1099-LTC", 32, "$Policyholder's name line 1", "dDate certified"},
    {21, "1099-MISC", 40, "$Name line 1", "cState 2 tax withheld"},
    {22, "1099-OID", 36, "$Name line 1", "cState 2 tax withheld"},
    {23, "1099-PATR", 30, "$Name line 1", "$Box 10 type"},
    {24, "1099-Q", 27, "$Name line 1", "$Distribution code"},
    {25, "1099-R", 47, "$Name line 1", "$Name of locality 2"},
    {26, "1099-S", 26, "$Name line 1", "cBuyer's part of real estate tax"},
    {27, "1099-SA", 24, "$Name line 1", "IBox 5 - MA MSA indicator"},
    {28, "3921", 26, "$Name line 1", "$Other information line 4"},
    {29, "3922", 25, "$Name line 1", "cExercise price per share determined"},
    {30, "5498", 41, "$Name line 1", "$Box 15b - Code"},
    {31, "5498-ESA", 19, "$Name line 1", "cBox 2 - Rollover contributions"},
    {32, "5498-SA", 25, "$Name line 1", "IBox 6 - MA MSA indicator"},
    {33, "W-2", 63, "$File (Control) number", "$Client ID"},
    {34, "W-2C", 98, "YYear corrected", "cCorrected Local 2 income tax"},
    {35, "W-2G", 32, "$Name line 1", "$Client ID"},
};

TEST(Schema1099W2, CountsAndOutlines) {
    for (const Outline& o : kOutlines) {
        SCOPED_TRACE(o.name);
        ASSERT_EQ(CatalogName(o.index), o.name);
        const TStringList schema = Schema(o.index);
        EXPECT_EQ(static_cast<int>(schema.size()), CatalogFieldCount(o.index));
        ASSERT_EQ(static_cast<int>(schema.size()), o.count);
        EXPECT_EQ(schema.front(), o.first);
        const bool closed = o.index <= 32;
        EXPECT_EQ(schema[schema.size() - (closed ? 4 : 1)], o.last);
    }
}

TEST(Schema1099W2, SharedBlocksSitWhereTheFormsPlaceThem) {
    // All 1099 forms but 1099-LTC, 3921, 3922 and the 5498 forms open with the
    // recipient block; all of them end with the closing block.
    for (int index = 12; index <= 32; ++index) {
        SCOPED_TRACE(CatalogName(index));
        const TStringList schema = Schema(index);
        EXPECT_EQ(RunAt(schema, 0, kRecipient), index != 20);
        EXPECT_TRUE(RunAt(schema, schema.size() - kClosing.size(), kClosing));
    }
    // The two-state block comes right before the closing block in six forms.
    for (const char* name : {"1099-B", "1099-DIV", "1099-G", "1099-INT", "1099-K", "1099-OID"}) {
        SCOPED_TRACE(name);
        const TStringList schema = Schema(FindCatalogIndex(name));
        EXPECT_TRUE(RunAt(schema, schema.size() - 7, kTwoState));
    }
    // The W-2 forms have runs of their own: no closing block, no recipient block.
    for (int index = 33; index <= 35; ++index) {
        SCOPED_TRACE(CatalogName(index));
        const TStringList schema = Schema(index);
        EXPECT_FALSE(RunAt(schema, schema.size() - kClosing.size(), kClosing));
        EXPECT_FALSE(RunAt(schema, 0, kRecipient));
    }
}

TEST(Schema1099W2, TinFieldsOfTheForms) {
    // Every 1099, 3921, 3922 and 5498 form: TIN type at 10, TIN at 11.
    for (int index = 12; index <= 32; ++index) {
        SCOPED_TRACE(CatalogName(index));
        const TStringList schema = Schema(index);
        EXPECT_EQ(schema[10][0], 'T');
        EXPECT_EQ(schema[11][0], 'N');
        EXPECT_EQ(CountCode(schema, 'T'), 1);
        EXPECT_EQ(CountCode(schema, 'N'), 1);
        EXPECT_EQ(CountCode(schema, 'n'), index == 20 ? 1 : 0);
    }
    const TStringList w2 = Schema(33);
    EXPECT_EQ(CountCode(w2, 'T'), 0);
    EXPECT_EQ(CountCode(w2, 'N'), 0);
    EXPECT_EQ(CountCode(w2, 'n'), 1);
    const TStringList w2c = Schema(34);
    EXPECT_EQ(CountCode(w2c, 'T'), 0);
    EXPECT_EQ(CountCode(w2c, 'N'), 1);
    EXPECT_EQ(CountCode(w2c, 'n'), 1);
    const TStringList w2g = Schema(35);
    EXPECT_EQ(CountCode(w2g, 'T'), 1);
    EXPECT_EQ(CountCode(w2g, 'N'), 1);
    EXPECT_EQ(CountCode(w2g, 'n'), 0);
}

struct Spot {
    int index;
    int position;
    const char* descriptor;
};

const Spot kSpots[] = {
    {13, 22, "CProceeds"},
    {13, 23, "cCost or other basis"},
    {13, 35, "CP/L realized in 2017"},
    {13, 36, "CUnrealized P/L - 12/31/2016"},
    {14, 21, "EEvent Code"},
    {15, 16, "wNumber of shares exchanged"},
    {16, 22, "cCollectibles (28%) gain"},
    {19, 17, "$PSE phone (XXX-XXX-XXXX)"},
    {19, 21, "wNumber of payment transactions"},
    {19, 24, "cJAN payments"},
    {19, 35, "cDEC payments"},
    {20, 7, "uUSPS Delivery Point"},
    {20, 10, "TPolicyholder's TIN Type"},
    {20, 11, "NPolicyholder's taxpayer ID"},
    {20, 16, "$Type of payment (1=Per diem, 2=Reimbursed)"},
    {20, 18, "nInsured's taxpayer ID"},
    {20, 26, "$Insured's foreign city, province, postal code, etc."},
    {21, 31, "$State 1"},
    {21, 32, "cState 1 income"},
    {21, 33, "cState 1 tax withheld"},
    {21, 35, "cState 2 income"},
    {22, 25, "COID on US Treasury obligations"},
    {24, 15, "CBox 2 - Earnings"},
    {24, 22, "cFMV of the Coverdell ESA as of 12/31/2017"},
    {25, 26, "#Other %"},
    {25, 27, "#Your percentage of total distribution"},
    {25, 30, "yFirst year of designated Roth contribution"},
    {25, 35, "cLocality 1 tax withheld"},
    {26, 14, "DClosing date"},
    {28, 18, "#Number of shares"},
    {29, 19, "#Number of shares transferred"},
    {29, 20, "dDate legal title transferred"},
    {30, 29, "dBox 12a - RMD date"},
    {30, 32, "yBox 13b - Year"},
    {32, 16, "cBox 3 - Total HSA or Archer MSA contributions made in 2018 for 2017"},
    {33, 11, "$Zip code extension"},
    {33, 12, "uUSPS Delivery Point"},
    {33, 18, "nSocial security number"},
    {33, 59, "IDo not print indicator"},
    {33, 60, "$Employee ID"},
    {34, 0, "YYear corrected"},
    {34, 2, "$First name (previously reported)"},
    {34, 7, "$Suffix"},
    {34, 18, "nCorrect SSN"},
    {34, 19, "NIncorrect SSN"},
    {34, 20, "IPrevious statutory employee indicator"},
    {34, 58, "cPrevious Local 2 income tax"},
    {34, 59, "ICorrected statutory employee indicator"},
    {34, 61, "ICorrected 3rd-party sick pay indicator"},
    {34, 62, "cCorrected wages"},
    {34, 73, "$Corrected Box 12a code"},
    {34, 84, "$Corrected State 1"},
    {34, 85, "$Corrected State 1 ID"},
    {34, 97, "cCorrected Local 2 income tax"},
    {35, 7, "IForeign address indicator"},
    {35, 9, "TTIN Type"},
    {35, 10, "NTaxpayer id"},
    {35, 12, "$Transaction Number"},
    {35, 15, "gType of wager code (1-9)"},
    {35, 17, "DDate won"},
    {35, 30, "IDo not print indicator"},
};

TEST(Schema1099W2, DescriptorsAtCalledOutPositions) {
    for (const Spot& s : kSpots) {
        const TStringList schema = Schema(s.index);
        ASSERT_LT(s.position, static_cast<int>(schema.size())) << CatalogName(s.index);
        EXPECT_EQ(schema[static_cast<std::size_t>(s.position)], s.descriptor)
            << CatalogName(s.index) << " position " << s.position;
    }
}

TEST(Schema1099W2, W2CCorrectedRunMirrorsThePreviousRun) {
    const TStringList w2c = Schema(34);
    ASSERT_EQ(w2c.size(), 98u);
    const std::string previous = "Previous ";
    const std::string corrected = "Corrected ";
    for (std::size_t k = 0; k < 39; ++k) {
        const std::string& from = w2c[20 + k];
        const std::string& to = w2c[59 + k];
        SCOPED_TRACE(from);
        ASSERT_EQ(from.compare(1, previous.size(), previous), 0);
        EXPECT_EQ(to[0], from[0]);
        EXPECT_EQ(to.substr(1), corrected + from.substr(1 + previous.size()));
    }
}

TEST(Schema1099W2, FieldsTheW2FormsLeaveOut) {
    const TStringList w2c = Schema(34);
    EXPECT_EQ(CountCode(w2c, 'u'), 0);
    EXPECT_EQ(std::count(w2c.begin(), w2c.end(), "$Client ID"), 0);
    const TStringList w2g = Schema(35);
    EXPECT_EQ(CountCode(w2g, 'u'), 0);
    EXPECT_EQ(std::count(w2g.begin(), w2g.end(), "$Account number"), 0);
    EXPECT_EQ(std::count(w2g.begin(), w2g.end(), "$E-Mail address"), 0);
    // Of the schemas here only W-2C holds a required year.
    for (int index = 12; index <= 35; ++index) {
        EXPECT_EQ(CountCode(Schema(index), 'Y'), index == 34 ? 1 : 0) << CatalogName(index);
    }
}

}  // namespace
}  // namespace qs

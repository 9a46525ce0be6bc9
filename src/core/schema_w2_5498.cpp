// The record formats of the 3921, 3922, 5498 and W-2 forms. 3921, 3922 and the
// 5498 forms open with the recipient block and end with the closing block; the
// W-2 forms have runs of their own.
#include <string>
#include <string_view>
#include <utility>

#include "core/schema_tables.h"

namespace qs::schema {

namespace {

// 3921
constexpr Item k3921Items[] = {
    kRecipientBlock,
    "dDate option granted",
    "dDate option exercised",
    "cPrice per share",
    "cFMV per share",
    "#Number of shares",
    "$Other information line 1",
    "$Other information line 2",
    "$Other information line 3",
    "$Other information line 4",
    kClosingBlock,
};

// 3922
constexpr Item k3922Items[] = {
    kRecipientBlock,
    "dDate option granted",
    "dDate option exercised",
    "cFMV per share on grant date",
    "cFMV per share on exercise date",
    "cExercise price paid per share",
    "#Number of shares transferred",
    "dDate legal title transferred",
    "cExercise price per share determined",
    kClosingBlock,
};

// 5498
constexpr Item k5498Items[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "cBox 1 - IRA contributions",
    "cBox 2 - Rollover contributions",
    "cBox 3 - Roth IRA conversion amount",
    "cBox 4 - Recharacterized contributions",
    "cBox 5 - FMV of account",
    "cBox 6 - Life insurance cost",
    "IBox 7 - IRA Indicator",
    "IBox 7 - SEP Indicator",
    "IBox 7 - SIMPLE Indicator",
    "IBox 7 - Roth IRA Indicator",
    "cBox 8 - SEP contributions",
    "cBox 9 - SIMPLE contributions",
    "cBox 10 - Roth IRA contributions",
    "IBox 11 - RMD Indicator for 2018",
    "dBox 12a - RMD date",
    "cBox 12b - RMD amount",
    "cBox 13a - Postponed contribution",
    "yBox 13b - Year",
    "$Box 13c - Code",
    "cBox 14a - Repayments",
    "$Box 14b - Code",
    "cBox 15a - FMV of certain specified assets",
    "$Box 15b - Code",
    kClosingBlock,
};

// 5498-ESA
constexpr Item k5498EsaItems[] = {
    kRecipientBlock,
    "cBox 1 - Coverdell ESA contributions",
    "cBox 2 - Rollover contributions",
    kClosingBlock,
};

// 5498-SA
constexpr Item k5498SaItems[] = {
    kRecipientBlock,
    "cBox 1 - Employee Archer MSA contributions",
    "cBox 2 - Total contributions made in 2017",
    "cBox 3 - Total HSA or Archer MSA contributions made in 2018 for 2017",
    "cBox 4 - Rollover contributions",
    "cBox 5 - FMV of HSA, Archer MSA, or MA MSA",
    "IBox 6 - HSA indicator",
    "IBox 6 - Archer MSA indicator",
    "IBox 6 - MA MSA indicator",
    kClosingBlock,
};

// W-2
constexpr Item kW2Items[] = {
    "$File (Control) number",
    "$First name",
    "$Middle initial",
    "$Last name",
    "$Suffix",
    "$Employee's full name (optional)",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "$Zip code extension",
    "uUSPS Delivery Point",
    "IForeign address indicator",
    "$Foreign state or province",
    "$Foreign postal code",
    "$Foreign country code",
    "IApplied for SSN indicator",
    "nSocial security number",
    "cWages",
    "cFederal withheld",
    "cSocial security wages",
    "cSocial security tax",
    "cMedicare wages and tips",
    "cMedicare tax",
    "cSocial security tips",
    "cAllocated tips",
    "cDependent care benefits",
    "cNonqualified plans",
    "$Box 12a code",
    "cBox 12a amount",
    "$Box 12b code",
    "cBox 12b amount",
    "$Box 12c code",
    "cBox 12c amount",
    "$Box 12d code",
    "cBox 12d amount",
    "IStatutory employee indicator",
    "IRetirement plan indicator",
    "IThird-party sick pay indicator",
    "$Box 14 line 1",
    "$Box 14 line 2",
    "$Box 14 line 3",
    "$State 1",
    "cState 1 wages",
    "cState 1 tax withheld",
    "cLocality 1 wages",
    "cLocality 1 tax withheld",
    "$Name of locality 1",
    "$Locality 1 type",
    "$State 2",
    "cState 2 wages",
    "cState 2 tax withheld",
    "cLocality 2 wages",
    "cLocality 2 tax withheld",
    "$Name of locality 2",
    "$Locality 2 type",
    "$Payment entity",
    "INot subject to FICA indicator",
    "IDo not print indicator",
    "$Employee ID",
    "$E-Mail address",
    "$Client ID",
};

// Positions 20 to 58 of the W-2C: the amounts and codes as previously reported.
// Every caption begins with "Previous"; the corrected run repeats them.
constexpr const char* kW2CPrevious[] = {
    "IPrevious statutory employee indicator",
    "IPrevious retirement plan indicator",
    "IPrevious 3rd-party sick pay indicator",
    "cPrevious wages",
    "cPrevious federal income tax",
    "cPrevious social security wages",
    "cPrevious social security tax",
    "cPrevious medicare wages and tips",
    "cPrevious medicare tax",
    "cPrevious social security tips",
    "cPrevious allocated tips",
    "cPrevious advanced EIC payments",
    "cPrevious dependent care benefits",
    "cPrevious nonqualified plans",
    "$Previous Box 12a code",
    "cPrevious Box 12a amount",
    "$Previous Box 12b code",
    "cPrevious Box 12b amount",
    "$Previous Box 12c code",
    "cPrevious Box 12c amount",
    "$Previous Box 12d code",
    "cPrevious Box 12d amount",
    "$Previous Box 14 line 1",
    "$Previous Box 14 line 2",
    "$Previous Box 14 line 3",
    "$Previous State 1",
    "$Previous State 1 ID",
    "cPrevious State 1 wages",
    "cPrevious State 1 income tax",
    "$Previous Local 1",
    "cPrevious Local 1 wages",
    "cPrevious Local 1 income tax",
    "$Previous State 2",
    "$Previous State 2 ID",
    "cPrevious State 2 wages",
    "cPrevious State 2 income tax",
    "$Previous Local 2",
    "cPrevious Local 2 wages",
    "cPrevious Local 2 income tax",
};

constexpr Block kW2CPreviousBlock{kW2CPrevious};

constexpr std::string_view kPreviousWord = "Previous";
constexpr std::string_view kCorrectedWord = "Corrected";

// The corrected run relies on every caption of the previous run opening with
// the word "Previous" followed by a blank.
constexpr bool AllCaptionsOpenWithPrevious() {
    for (std::string_view descriptor : kW2CPrevious) {
        if (descriptor.size() < 2 + kPreviousWord.size())
            return false;
        if (descriptor.substr(1, kPreviousWord.size()) != kPreviousWord)
            return false;
        if (descriptor[1 + kPreviousWord.size()] != ' ')
            return false;
    }
    return true;
}
static_assert(AllCaptionsOpenWithPrevious());

// Positions 59 to 97: the previously reported run once more, same codes and
// order, with the first word "Previous" of each caption replaced by "Corrected".
void AppendW2CCorrectedRun(TStringList& list) {
    for (const char* descriptor : kW2CPrevious) {
        const std::string_view previous(descriptor);
        std::string corrected(previous.substr(0, 1));
        corrected += kCorrectedWord;
        corrected += previous.substr(1 + kPreviousWord.size());
        list.push_back(std::move(corrected));
    }
}

// W-2C
constexpr Item kW2CItems[] = {
    "YYear corrected",
    "$First name",
    "$First name (previously reported)",
    "$Middle initial",
    "$Middle initial (previously reported)",
    "$Last name",
    "$Last name (previously reported)",
    "$Suffix",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "$Zip code extension",
    "IForeign address indicator",
    "$Foreign state or province",
    "$Foreign postal code",
    "$Foreign country code",
    "nCorrect SSN",
    "NIncorrect SSN",
    kW2CPreviousBlock,
    AppendW2CCorrectedRun,
};

// W-2G
constexpr Item kW2GItems[] = {
    "$Name line 1",
    "$Name line 2",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "IForeign address indicator",
    "$Foreign city, province, postal code",
    "TTIN Type",
    "NTaxpayer id",
    "$Name control",
    "$Transaction Number",
    "cGross winnings",
    "cFederal income tax withheld",
    "gType of wager code (1-9)",
    "cAmount of wager",
    "DDate won",
    "$Race",
    "cWinnings from identical wagers",
    "$Cashier",
    "$Window",
    "$First ID",
    "$Second ID",
    "$Reporting state",
    "cState winnings",
    "cState income tax withheld",
    "cLocal winnings",
    "cLocal income tax withheld",
    "$Name of locality",
    "IDo not print indicator",
    "$Client ID",
};

}  // namespace

const Table k3921{k3921Items};
const Table k3922{k3922Items};
const Table k5498{k5498Items};
const Table k5498ESA{k5498EsaItems};
const Table k5498SA{k5498SaItems};
const Table kW2{kW2Items};
const Table kW2C{kW2CItems};
const Table kW2G{kW2GItems};

}  // namespace qs::schema

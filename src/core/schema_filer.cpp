// Schemas of the filer-level records: Clients, Sponsors, W-2 VCode and 1094.
#include <string>

#include "core/schema_tables.h"

namespace qs::schema {

namespace {

// The 50 state pairs that end the Clients schema: "$State #n" and
// "$State #n ID" for n = 1 to 50, n written without leading zeros.
void AppendClientsStatePairs(TStringList& list) {
    for (int n = 1; n <= 50; ++n) {
        const std::string state = "$State #" + std::to_string(n);
        list.push_back(state);
        list.push_back(state + " ID");
    }
}

constexpr Item kClientsItems[] = {
    "$Client ID",
    "$Name line 1",
    "$Name line 2",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "$Corporate name line 1",
    "$Corporate name line 2",
    "$Corporate street address 1",
    "$Corporate street address 2",
    "$Corporate city",
    "$Corporate state",
    "$Corporate Zip code",
    "IReport Corporate to IRS indicator",
    "ICombined Federal/State indicator",
    "IFinal return indicator",
    "$Name control",
    "TTIN Type",
    "NTaxpayer id",
    "eType of employer",
    "kKind of employer",
    "$Routing & Transit number",
    "$Telephone (XXX-XXX-XXXX)",
    "$Main contact",
    "$Fax (XXX-XXX-XXXX)",
    "$E-mail address",
    "$Establishment number",
    "$Other EIN used this year",
    "$ACA Contact First Name",
    "$ACA Contact Middle Initial",
    "$ACA Contact Last Name",
    "$ACA Contact Suffix",
    "$ACA Contact Telephone (XXX-XXX-XXXX)",
    &AppendClientsStatePairs,
};

constexpr Item kSponsorsItems[] = {
    "$Sponsor ID",
    "9EIN (enter as 9 digits)",
    "$Name line 1",
    "$Name line 2",
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
    "$Telephone (XXX-XXX-XXXX)",
};

constexpr Item kW2VCodeItems[] = {
    "nSocial security number",
    "vW-2 Verification Code",
};

// The monthly columns of the 1094: five columns for the whole year and then
// five for each month, captions formed by concatenating the period and the
// column name.
void Append1094MonthlyColumns(TStringList& list) {
    for (int k = 0; k <= 12; ++k) {
        const std::string period = k == 0 ? "All 12 Months" : kMonthNames[k - 1];
        list.push_back("I" + period + " Column (a) (Yes)");
        list.push_back("I" + period + " Column (a) (No)");
        list.push_back("w" + period + " Column (b)");
        list.push_back("w" + period + " Column (c)");
        list.push_back("I" + period + " Column (d)");
    }
}

constexpr Item k1094Items[] = {
    "$Client ID",
    "IDesignated gov entity indicator",
    "IAuthoritative transmittal indicator",
    "wTotal forms filed by ALE member",
    "IMember of ALE group indicator",
    "IQualifying Offer Method indicator",
    "I98% Offer Method indicator",
    &Append1094MonthlyColumns,
};

}  // namespace

const Table kClients{kClientsItems};
const Table kSponsors{kSponsorsItems};
const Table kW2VCode{kW2VCodeItems};
const Table k1094{k1094Items};

}  // namespace qs::schema

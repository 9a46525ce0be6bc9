// Schemas of the health-coverage statements 1095-B and 1095-C with their
// per-person records, and of the 1098, 1098-C, 1098-E and 1098-T statements.
#include <string>

#include "core/schema_tables.h"

namespace qs::schema {

namespace {

constexpr Item k1095BItems[] = {
    "$Import ID",
    "$File (Control) number",
    "$First name",
    "$Middle initial",
    "$Last name",
    "$Suffix",
    "$Name control",
    "nSocial security number",
    "bDate of birth",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "$Zip code extension",
    "uUSPS Delivery Point",
    "IForeign address indicator",
    "$Foreign city",
    "$Foreign state or province",
    "$Foreign postal code",
    "$Foreign country code",
    "OOrigin of Health Coverage Code",
    "$Sponsor ID",
    kMonthlyCoverageBlock,
    kClosingBlock,
};

// The per-person records of 1095-B and 1095-C share one layout.
constexpr Item kCoveredIndividualItems[] = {
    "$Import ID",
    "$First name",
    "$Middle initial",
    "$Last name",
    "$Suffix",
    "$Name control",
    "nSocial security number",
    "bDate of birth",
    kMonthlyCoverageBlock,
    "$Client ID",
};

// The offer columns of the 1095-C: a coverage code, the employee share and a
// safe harbor code for the whole year and then for each month.
void Append1095COfferColumns(TStringList& list) {
    for (int k = 0; k <= 12; ++k) {
        const std::string period = k == 0 ? "JAN-DEC" : kMonthNames[k - 1];
        list.push_back("o" + period + " coverage code");
        list.push_back("c" + period + " employee share");
        list.push_back("h" + period + " safe harbor code");
    }
}

constexpr Item k1095CItems[] = {
    "$Import ID",
    "$File (Control) number",
    "$Employee ID",
    "$First name",
    "$Middle initial",
    "$Last name",
    "$Suffix",
    "$Name control",
    "nSocial security number",
    "$Street address line 1",
    "$Street address line 2",
    "$City",
    "$State",
    "$Zip code",
    "$Zip code extension",
    "uUSPS Delivery Point",
    "IForeign address indicator",
    "$Foreign city",
    "$Foreign state or province",
    "$Foreign postal code",
    "$Foreign country code",
    "pPlan Start Month",
    "ISelf-insured coverage indicator",
    &Append1095COfferColumns,
    kClosingBlock,
};

constexpr Item k1098Items[] = {
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
    "$Apartment number",
    "TTIN Type",
    "NTaxpayer id",
    "$Name control",
    "$Account number",
    "dOccupancy date (from)",
    "dOccupancy date (to)",
    "#Payer shares",
    "#Payer percentage of maintenance paid",
    "cReal estate taxes",
    "cAmortization",
    "cCapital reserve fund",
    "cBox 1 - Mortgage interest received from payer",
    "cBox 2 - Outstanding mortgage principal as of 1/1/2017",
    "dBox 3 - Mortgage origination date",
    "cBox 4 - Refund of overpaid interest",
    "cBox 5 - Mortgage insurance premiums",
    "cBox 6 - Points paid on purchase of principal residence",
    "IBox 7 - Property securing mortgage indicator",
    "$Box 8 - Address of property securing mortgage line 1",
    "$Box 8 - Address of property securing mortgage line 2",
    "$Box 9 - Description of property securing mortage line 1",
    "$Box 9 - Description of property securing mortage line 2",
    "$Box 9 - Description of property securing mortage line 3",
    "wBox 10 - Number of mortgaged properties",
    "$Box 11 - Other line 1",
    "$Box 11 - Other line 2",
    kClosingBlock,
};

constexpr Item k1098CItems[] = {
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
    "DDate of contribution",
    "$Odometer mileage",
    "$Year",
    "$Make",
    "$Model",
    "$Vehicle ID number",
    "IBox 4a - Transaction indicator",
    "dBox 4b - Date of sale",
    "cBox 4c - Gross proceeds",
    "IBox 5a - Transfer after improvements indicator",
    "IBox 5b - Transfer below FMV indicator",
    "$Box 5c - Description of improvements",
    "IBox 6a - Goods or services indicator",
    "cBox 6b - Value of goods and services",
    "IBox 6c - Intangible religious benefits indicator",
    "$Box 6c - Description of goods and services",
    "IBox 7 - Deduction $500 or less indicator",
    "IDo not print indicator",
    "$Client ID",
};

constexpr Item k1098EItems[] = {
    kRecipientBlock,
    "cBox 1 - Student loan interest received",
    "IBox 2 - Loan origination fees indicator",
    kClosingBlock,
};

constexpr Item k1098TItems[] = {
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
    "IStudent TIN Indicator",
    "$Name control",
    "$Service Provider (Account)",
    "cBox 1 - Payments received",
    "cBox 2 - Amounts billed",
    "IBox 3 - Reporting method indicator",
    "cBox 4 - Prior year adjustments",
    "cBox 5 - Scholarships or grants",
    "cBox 6 - Adjustments to scholarships or grants",
    "IBox 7 - Academic period indicator",
    "IBox 8 - Half-time student indicator",
    "IBox 9 - Graduate student indicator",
    "cBox 10 - Reimbursements/Refunds",
    kClosingBlock,
};

}  // namespace

const Table k1095B{k1095BItems};
const Table k1095BCI{kCoveredIndividualItems};
const Table k1095C{k1095CItems};
const Table k1095CCI{kCoveredIndividualItems};
const Table k1098{k1098Items};
const Table k1098C{k1098CItems};
const Table k1098E{k1098EItems};
const Table k1098T{k1098TItems};

}  // namespace qs::schema

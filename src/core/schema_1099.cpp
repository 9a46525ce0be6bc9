// The record formats of the sixteen 1099 forms. All but 1099-LTC open with the
// recipient block (TIN type and TIN at positions 10 and 11); all end with the
// closing block.
#include "core/schema_tables.h"

namespace qs::schema {

namespace {

// 1099-A
constexpr Item k1099AItems[] = {
    kRecipientBlock,
    "DDate of lender's acquisition",
    "IBox 5 - Liability indicator",
    "$Description of property line 1",
    "$Description of property line 2",
    "cBalance of principal outstanding",
    "cFMV of property",
    kClosingBlock,
};

// 1099-B
constexpr Item k1099BItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "I2nd TIN indicator",
    "$CUSIP number",
    "IFATCA filing requirement indicator",
    "$Form 8949 checkbox",
    "$Description of property",
    "dDate acquired",
    "dDate sold or disposed",
    "CProceeds",
    "cCost or other basis",
    "cAccrued market discount",
    "cWash sale loss disallowed",
    "IShort-term indicator",
    "ILong-term indicator",
    "IOrdinary indicator",
    "IBasis reported to IRS indicator",
    "cFederal income tax withheld",
    "INoncovered security indicator",
    "IGross proceeds indicator",
    "INet proceeds indicator",
    "ILoss not allowed indicator",
    "CP/L realized in 2017",
    "CUnrealized P/L - 12/31/2016",
    "CUnrealized P/L - 12/31/2017",
    "CAggregate P/L",
    "ICollectibles indicator",
    "cBartering",
    kTwoStateBlock,
    kClosingBlock,
};

// 1099-C
constexpr Item k1099CItems[] = {
    kRecipientBlock,
    "DEvent Date",
    "cAmount of debt discharged",
    "cInterest",
    "$Description line 1",
    "$Description line 2",
    "$Description line 3",
    "IPersonally liable indicator",
    "EEvent Code",
    "cFMV of property",
    kClosingBlock,
};

// 1099-CAP
constexpr Item k1099CapItems[] = {
    kRecipientBlock,
    "DDate of sale or exchange",
    "cAggregate amount received",
    "wNumber of shares exchanged",
    "$Classes of stock exchanged",
    kClosingBlock,
};

// 1099-DIV
constexpr Item k1099DivItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "I2nd TIN indicator",
    "IFATCA filing requirement indicator",
    "cTotal ordinary dividends",
    "cQualified dividends",
    "cTotal capital gain distributions",
    "cUnrecaptured Section 1250 gain",
    "cSection 1202 gain",
    "cCollectibles (28%) gain",
    "cNondividend distributions",
    "cFederal income tax withheld",
    "cInvestment expenses",
    "cForeign tax paid",
    "$Foreign country or US possession",
    "cCash liquidation distributions",
    "cNoncash liquidation distributions",
    "cExempt-interest dividends",
    "cSpecified private activity bond interest dividends",
    kTwoStateBlock,
    kClosingBlock,
};

// 1099-G
constexpr Item k1099GItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "cUnemployment compensation",
    "cState or local income tax refunds or credits",
    "$Tax year for which refunds or credits were issued",
    "cFederal income tax withheld",
    "cRTAA payments",
    "cTaxable grants",
    "cAgriculture payments",
    "ITrade or business income indicator",
    "cMarket gain",
    kTwoStateBlock,
    kClosingBlock,
};

// 1099-INT
constexpr Item k1099IntItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "I2nd TIN indicator",
    "IFATCA filing requirement indicator",
    "cInterest income",
    "cEarly withdrawal penalty",
    "cInterest on US Savings Bonds and Treasury obligations",
    "cFederal income tax withheld",
    "cInvestment expenses",
    "cForeign tax paid",
    "$Foreign country or US possession",
    "cTax-exempt interest",
    "cSpecified private activity bond interest",
    "cMarket discount",
    "cBond premium",
    "cBond premium on Treasury obligations",
    "cBond premium on tax-exempt bond",
    "$Tax-exempt bond CUSIP number",
    kTwoStateBlock,
    kClosingBlock,
};

// 1099-K
constexpr Item k1099KItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "I2nd TIN indicator",
    "$PSE name",
    "$PSE phone (XXX-XXX-XXXX)",
    "IPayment card transactions indicator",
    "IThird party network transactions indicator",
    "$Merchant category code",
    "wNumber of payment transactions",
    "cGross amount",
    "cCard not present transactions",
    "cJAN payments",
    "cFEB payments",
    "cMAR payments",
    "cAPR payments",
    "cMAY payments",
    "cJUN payments",
    "cJUL payments",
    "cAUG payments",
    "cSEP payments",
    "cOCT payments",
    "cNOV payments",
    "cDEC payments",
    "cFederal income tax withheld",
    kTwoStateBlock,
    kClosingBlock,
};

// 1099-LTC
constexpr Item k1099LtcItems[] = {
    "$Policyholder's name line 1",
    "$Policyholder's name line 2",
    "$Policyholder's street address line 1",
    "$Policyholder's street address line 2",
    "$Policyholder's city",
    "$Policyholder's state",
    "$Policyholder's Zip code",
    "uUSPS Delivery Point",
    "IForeign address indicator",
    "$Policyholder's foreign city, province, postal code, etc.",
    "TPolicyholder's TIN Type",
    "NPolicyholder's taxpayer ID",
    "$Name control",
    "$Account number",
    "cGross long-term care benefits",
    "cAccelerated death benefits",
    "$Type of payment (1=Per diem, 2=Reimbursed)",
    "IQualified contract indicator",
    "nInsured's taxpayer ID",
    "$Insured's name line 1",
    "$Insured's name line 2",
    "$Insured's street address line 1",
    "$Insured's street address line 2",
    "$Insured's city",
    "$Insured's state",
    "$Insured's Zip code",
    "$Insured's foreign city, province, postal code, etc.",
    "$Illness indicator (1=Chronic, 2=Terminal)",
    "dDate certified",
    kClosingBlock,
};

// 1099-MISC
constexpr Item k1099MiscItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "IDirect sales indicator",
    "I2nd TIN indicator",
    "IFATCA filing requirement indicator",
    "cRents",
    "cRoyalties",
    "cOther income",
    "cFederal income tax withheld",
    "cFishing boat proceeds",
    "cMedical and health care",
    "cNonemployee compensation",
    "cSubstitute payments",
    "cCrop insurance proceeds",
    "cExcessive golden parachute payments",
    "cGross proceeds paid to an attorney",
    "cSection 409A deferrals",
    "cSection 409A income",
    "$State 1",
    "cState 1 income",
    "cState 1 tax withheld",
    "$State 2",
    "cState 2 income",
    "cState 2 tax withheld",
    kClosingBlock,
};

// 1099-OID
constexpr Item k1099OidItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "$Description line 1",
    "$Description line 2",
    "I2nd TIN indicator",
    "IFATCA filing requirement indicator",
    "cOID for 2017",
    "cOther periodic interest",
    "cEarly withdrawal penalty",
    "cFederal income tax withheld",
    "cMarket discount",
    "cAcquisition premium",
    "COID on US Treasury obligations",
    "cInvestment expenses",
    "cBond premium",
    "cTax-exempt OID",
    kTwoStateBlock,
    kClosingBlock,
};

// 1099-PATR
constexpr Item k1099PatrItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "I2nd TIN indicator",
    "cPatronage dividends",
    "cNonpatronage distributions",
    "cPer-unit retain allocations",
    "cFederal income tax withheld",
    "cRedemption of nonqualified notices and retain allocations",
    "cDomestic production activities deduction",
    "cInvestment credit",
    "cWork opportunity credit",
    "cPatron's AMT adjustment",
    "cBox 10 amount",
    "$Box 10 type",
    kClosingBlock,
};

// 1099-Q
constexpr Item k1099QItems[] = {
    kRecipientBlock,
    "cBox 1 - Gross distribution",
    "CBox 2 - Earnings",
    "cBox 3 - Basis",
    "IBox 4 - Trustee-to-trustee transfer indicator",
    "IBox 5 - Private indicator",
    "IBox 5 - State indicator",
    "IBox 5 - Coverdell ESA indicator",
    "IBox 6 - Recipient is NOT the designated beneficiary indicator",
    "cFMV of the Coverdell ESA as of 12/31/2017",
    "$Distribution code",
    kClosingBlock,
};

// 1099-R
constexpr Item k1099RItems[] = {
    kRecipientBlock,
    "$CFSP Reporting State",
    "IIRA/SEP/SIMPLE indicator",
    "$Distribution code",
    "ITaxable amount not determined indicator",
    "ITotal distribution indicator",
    "cGross distribution",
    "cTaxable amount",
    "cCapital gain",
    "cFederal income tax withheld",
    "cEmployee contributions",
    "cNet unrealized appreciation",
    "cOther amount",
    "#Other %",
    "#Your percentage of total distribution",
    "cTotal employee contributions",
    "cAmount allocable to IRR within 5 years",
    "yFirst year of designated Roth contribution",
    "IFATCA filing requirement indicator",
    "$State 1",
    "cState 1 tax withheld",
    "cState 1 distribution",
    "cLocality 1 tax withheld",
    "cLocality 1 distribution",
    "$Name of locality 1",
    "$State 2",
    "cState 2 tax withheld",
    "cState 2 distribution",
    "cLocality 2 tax withheld",
    "cLocality 2 distribution",
    "$Name of locality 2",
    kClosingBlock,
};

// 1099-S
constexpr Item k1099SItems[] = {
    kRecipientBlock,
    "DClosing date",
    "IProperty or services indicator",
    "$Description of property line 1",
    "$Description of property line 2",
    "$Description of property line 3",
    "$Description of property line 4",
    "cGross proceeds",
    "IForeign transferor indicator",
    "cBuyer's part of real estate tax",
    kClosingBlock,
};

// 1099-SA
constexpr Item k1099SaItems[] = {
    kRecipientBlock,
    "cGross distribution",
    "cEarnings on excess contributions",
    "$Distribution code",
    "cFMV on date of death",
    "IBox 5 - HSA indicator",
    "IBox 5 - Archer MSA indicator",
    "IBox 5 - MA MSA indicator",
    kClosingBlock,
};

}  // namespace

const Table k1099A{k1099AItems};
const Table k1099B{k1099BItems};
const Table k1099C{k1099CItems};
const Table k1099CAP{k1099CapItems};
const Table k1099DIV{k1099DivItems};
const Table k1099G{k1099GItems};
const Table k1099INT{k1099IntItems};
const Table k1099K{k1099KItems};
const Table k1099LTC{k1099LtcItems};
const Table k1099MISC{k1099MiscItems};
const Table k1099OID{k1099OidItems};
const Table k1099PATR{k1099PatrItems};
const Table k1099Q{k1099QItems};
const Table k1099R{k1099RItems};
const Table k1099S{k1099SItems};
const Table k1099SA{k1099SaItems};

}  // namespace qs::schema

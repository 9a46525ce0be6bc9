// Runs of descriptors that many schemas share.
#include "core/schema_tables.h"

namespace qs::schema {

namespace {

constexpr const char* kRecipient[] = {
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

constexpr const char* kClosing[] = {
    "IDo not print indicator",
    "$E-Mail address",
    "$Client ID",
};

constexpr const char* kTwoState[] = {
    "$State 1",
    "cState 1 tax withheld",
    "$State 2",
    "cState 2 tax withheld",
};

constexpr const char* kMonthlyCoverage[] = {
    "IJAN-DEC coverage", "IJAN coverage", "IFEB coverage", "IMAR coverage", "IAPR coverage",
    "IMAY coverage",     "IJUN coverage", "IJUL coverage", "IAUG coverage", "ISEP coverage",
    "IOCT coverage",     "INOV coverage", "IDEC coverage",
};

}  // namespace

const Block kRecipientBlock{kRecipient};
const Block kClosingBlock{kClosing};
const Block kTwoStateBlock{kTwoState};
const Block kMonthlyCoverageBlock{kMonthlyCoverage};

const char* const kMonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

void AppendTable(Table table, TStringList& list) {
    for (const Item& item : table) {
        if (item.descriptor != nullptr) {
            list.emplace_back(item.descriptor);
        } else if (item.block != nullptr) {
            for (const char* d : *item.block)
                list.emplace_back(d);
        } else if (item.generate != nullptr) {
            item.generate(list);
        }
    }
}

}  // namespace qs::schema

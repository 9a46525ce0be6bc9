// The data extract template: the lines a user copies into his extract, the
// captions of the fields he supplies and the instructions for writing it.
#include "core/template_text.h"

namespace qs {

std::string KeyString(const std::vector<TFieldRow>& rows) {
    // The row count as exactly three digits: the last three characters of
    // "000" followed by the decimal digits. Every form has fewer than 1000 rows.
    std::string count = "000" + std::to_string(rows.size());
    std::string key = count.substr(count.size() - 3);
    key.reserve(key.size() + rows.size());
    for (const TFieldRow& row : rows) {
        key += row.checked ? '1' : '0';
    }
    return key;
}

TStringList BuildTemplateText(const std::string& formName, const std::vector<TFieldRow>& rows,
                              const std::string& programFileName) {
    const std::string indent = "   ";
    TStringList lines;
    lines.reserve(rows.size() + 37);
    lines.push_back("FORM " + formName);
    lines.push_back("KEY " + KeyString(rows));
    lines.push_back("{BEGIN DATA}");
    for (const TFieldRow& row : rows) {
        if (row.checked)
            lines.push_back(row.caption);
    }
    lines.push_back("{END DATA}");
    lines.push_back("");
    lines.push_back("INSTRUCTIONS FOR CREATING YOUR DATA EXTRACT");
    lines.push_back("===========================================");
    lines.push_back("1. Create a \"new\" text file.");
    lines.push_back(indent + "Name this file as you like (" + formName +
                    "_EXTRACT.txt is suggested).");
    lines.push_back("");
    lines.push_back("2. Include the FORM, KEY and {BEGIN DATA} segments.");
    lines.push_back(indent + "These segments must be the first 3 lines of your text file.");
    lines.push_back(indent + "These segments must be included exactly as shown above.");
    lines.push_back("");
    lines.push_back("3. Write recipient records to your file.");
    lines.push_back(indent +
                    "The first recipient must begin immediately after the {BEGIN DATA} segment.");
    lines.push_back(indent + "Field values must be written under one another as shown above.");
    lines.push_back(indent + "Supply only the value of the field; not the field name.");
    lines.push_back(indent + "Do not omit any field values; field values may be left blank.");
    lines.push_back(indent + "Recipient records must follow one another in this manner.");
    lines.push_back(indent + "Do not skip a line between recipient records.");
    lines.push_back("");
    lines.push_back(
        "4. Follow the last recipient record with the {END DATA} segment as shown above.");
    lines.push_back(indent + "Do not skip a line before the {END DATA} segment");
    lines.push_back("");
    lines.push_back("5  Close the text file.");
    lines.push_back(indent + "This is your data extract.");
    lines.push_back("");
    lines.push_back("6. In order to merge your data extract with Quillstone, make the following");
    lines.push_back(indent + "call from your application");
    lines.push_back("");
    lines.push_back(indent + programFileName + " \"File specification\"");
    lines.push_back("");
    lines.push_back(indent + "where");
    lines.push_back("");
    lines.push_back(indent +
                    "File specification = the fully qualified file name of your data extract.");
    lines.push_back(indent + "This is easily implemented using Windows ShellExecute() function.");
    return lines;
}

}  // namespace qs

// forms, fields and template: the form combo, the field list and the
// template text, without a window.
#include <charconv>
#include <string>
#include <system_error>
#include <vector>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/errors.h"
#include "core/fieldselection.h"
#include "core/importfile.h"
#include "core/stringlist.h"
#include "core/strings.h"
#include "core/template_text.h"
#include "core/typecodes.h"

namespace qs::cli {

namespace {

// The field selection with the combo filled and the form's fields loaded, as
// a user's choice of that entry leaves it. Only the names the combo lists are
// accepted (letter case ignored, as the combo upper-cases typed text).
TFieldSelection SelectForm(const std::string& form, const TContext& context) {
    TFieldSelection selection;
    selection.FillCombo();
    for (int i = 0; i < selection.ComboCount(); ++i) {
        if (SameText(selection.ComboEntry(i), form)) {
            selection.SetComboText(selection.ComboEntry(i));
            selection.LoadFieldList();
            return selection;
        }
    }
    throw EUsageError("unknown form \"" + form + "\"; \"" + context.programName +
                      " forms\" lists the forms");
}

// --key: one "1"/"0" flag per field, optionally after the three-digit field
// count that the KEY line of a template carries.
void TickByKey(TFieldSelection& selection, const std::string& key) {
    const int rows = selection.RowCount();
    std::string bitmap = key;
    if (static_cast<int>(key.size()) == rows + 3) {
        const std::string count = PadLeftZeros(3, std::to_string(rows));
        if (key.compare(0, 3, count) != 0) {
            throw EUsageError("--key: the field count \"" + key.substr(0, 3) + "\" is not " +
                              count + ", the number of fields of " + selection.ComboText());
        }
        bitmap = key.substr(3);
    }
    if (static_cast<int>(bitmap.size()) != rows) {
        throw EUsageError("--key: " + selection.ComboText() + " has " + std::to_string(rows) +
                          " fields, the key has " + std::to_string(bitmap.size()) + " flags");
    }
    for (int p = 0; p < rows; ++p) {
        if (bitmap[p] != '0' && bitmap[p] != '1') {
            throw EUsageError("--key: flag " + std::to_string(p + 1) +
                              " is neither \"0\" nor \"1\"");
        }
        selection.SetChecked(p, bitmap[p] == '1');
    }
}

// --fields: positions counted from 0, separated by commas.
void TickByPositions(TFieldSelection& selection, const std::string& list) {
    const int rows = selection.RowCount();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string item =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        int p = -1;
        const char* first = item.data();
        const char* last = item.data() + item.size();
        const auto [end, ec] = std::from_chars(first, last, p);
        if (item.empty() || ec != std::errc() || end != last || p < 0 || p >= rows) {
            throw EUsageError("--fields: \"" + item + "\" is not a field position of " +
                              selection.ComboText() + " (0 to " + std::to_string(rows - 1) + ")");
        }
        selection.SetChecked(p, true);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
}

}  // namespace

int RunForms(const TParsedArgs& args, const TContext&) {
    RequireOperands(args, {});
    TFieldSelection selection;
    selection.FillCombo();
    std::string text;
    for (int i = 0; i < selection.ComboCount(); ++i) {
        if (i > 0)
            text += '\n';
        text += selection.ComboEntry(i);
    }
    PrintOut(text);
    return kExitOk;
}

int RunFields(const TParsedArgs& args, const TContext& context) {
    RequireOperands(args, {"FORM"});
    const TFieldSelection selection = SelectForm(args.operands[0], context);
    std::string text;
    for (int p = 0; p < selection.RowCount(); ++p) {
        const TFieldRow& row = selection.Row(p);
        if (p > 0)
            text += '\n';
        text +=
            std::to_string(p) + '\t' + row.code + '\t' + row.caption + '\t' + TypeHint(row.code);
    }
    PrintOut(text);
    return kExitOk;
}

int RunTemplate(const TParsedArgs& args, const TContext& context) {
    RequireOperands(args, {"FORM"});
    const auto key = args.Value("--key");
    const auto fields = args.Value("--fields");
    if (key.has_value() == fields.has_value()) {
        throw EUsageError("give the supplied fields with either --key or --fields");
    }
    TFieldSelection selection = SelectForm(args.operands[0], context);
    if (key) {
        TickByKey(selection, *key);
    } else {
        TickByPositions(selection, *fields);
    }
    if (selection.CheckedFieldCount() == 0) {
        throw EUsageError("no field supplied: a template needs at least one");
    }

    // The template tells the user's application how to call the tool.
    const TStringList lines = BuildTemplateText(selection.ComboText(), selection.Rows(),
                                                context.programName + " convert");
    if (const auto output = args.Value("--output")) {
        try {
            WriteImportFile(*output, lines);
        } catch (const EMergeError& e) {
            PrintErr(ErrorBoxText(e.what()));
            return kExitSaveFailed;
        }
        return kExitOk;
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    PrintOut(text);
    return kExitOk;
}

}  // namespace qs::cli

#include "core/fieldselection.h"

#include <cstdint>

#include "core/schema.h"
#include "core/stringlist.h"
#include "core/typecodes.h"

namespace qs {

namespace {

bool BeginsWithText(std::string_view entry, std::string_view text) {
    return entry.size() >= text.size() && SameText(entry.substr(0, text.size()), text);
}

}  // namespace

TFieldSelection::TFieldSelection(IFieldSelectionView* view) : view_(view) {}

void TFieldSelection::FillCombo() {
    // All catalog names, then the first four removed: entry k is catalog index k + 4.
    comboEntries_.clear();
    for (int i = 0; i < kCatalogSize; ++i)
        comboEntries_.emplace_back(CatalogName(i));
    comboEntries_.erase(comboEntries_.begin(), comboEntries_.begin() + kFirstComboIndex);
    comboItemIndex_ = -1;
    comboText_.clear();
    if (view_)
        view_->ComboChanged();
}

void TFieldSelection::SetComboText(const std::string& text) {
    if (text == comboText_)
        return;
    comboText_ = text;
    // The first entry from the top that begins with the text; none when no
    // entry does, so that a name outside the combo (the 1094 transmittal)
    // leaves no selection and the field list loads the 1094 schema.
    comboItemIndex_ = -1;
    if (!text.empty()) {
        for (int i = 0; i < ComboCount(); ++i) {
            if (BeginsWithText(comboEntries_[i], text)) {
                comboItemIndex_ = i;
                break;
            }
        }
    }
    if (view_)
        view_->ComboChanged();
}

void TFieldSelection::SetChecked(int row, bool checked) {
    if (row < 0 || row >= RowCount() || rows_[row].checked == checked)
        return;
    rows_[row].checked = checked;
    if (view_)
        view_->RowCheckChanged(row);
    lvDestinationCheckStateChange(row);
}

void TFieldSelection::SelectRow(int row) {
    if (row < -1 || row >= RowCount() || row == selectedRow_)
        return;
    const int lost = selectedRow_;
    selectedRow_ = row;
    if (view_)
        view_->SelectedRowChanged();
    if (lost != -1)
        lvDestinationSelectItem(lost, false);
    if (row != -1)
        lvDestinationSelectItem(row, true);
}

void TFieldSelection::LoadFieldList() {
    headerText_ = kHeaderAfterFill;
    if (view_)
        view_->HeaderTextChanged();

    TStringList list;
    // No selection (-1) gives index 3, the 1094 transmittal.
    const auto index = static_cast<std::uint8_t>(comboItemIndex_ + kFirstComboIndex);
    LoadSchema(index, list);

    rows_.clear();
    selectedRow_ = -1;
    if (view_) {
        view_->RowsCleared();
        view_->SelectedRowChanged();
    }
    rows_.reserve(list.size());
    for (const std::string& descriptor : list) {
        rows_.push_back(TFieldRow{descriptor.substr(1), descriptor.substr(0, 1), false});
        const int row = RowCount() - 1;
        if (view_)
            view_->RowAppended(row);
        // Every appended row arrives unticked and raises the tick-change handling.
        lvDestinationCheckStateChange(row);
    }
}

void TFieldSelection::ShowFieldHint(int row) {
    SetStatusText("");
    if (row < 0 || row >= RowCount())
        return;
    SetStatusText(TypeHint(rows_[row].code));
}

int TFieldSelection::CheckedFieldCount() const {
    int count = 0;
    for (const TFieldRow& row : rows_) {
        if (row.checked)
            ++count;
    }
    return count;
}

void TFieldSelection::coFormChange() {
    LoadFieldList();
}

void TFieldSelection::lvDestinationCheckStateChange(int item) {
    if (item < 0 || item >= RowCount())
        return;
    if (rows_[item].checked) {
        ShowFieldHint(item);
        SelectRow(item);
    } else {
        SetStatusText("");
    }
    SetDisplayEnabled(CheckedFieldCount() > 0);
}

void TFieldSelection::lvDestinationSelectItem(int item, bool /*selected*/) {
    ShowFieldHint(item);
}

void TFieldSelection::UserPicksEntry(int index) {
    if (index < 0 || index >= ComboCount())
        return;
    comboItemIndex_ = index;
    comboText_ = comboEntries_[index];
    if (view_)
        view_->ComboChanged();
    coFormChange();
}

void TFieldSelection::UserEditsText(const std::string& text) {
    if (text != comboText_) {
        SetComboText(text);
    }
    coFormChange();
}

void TFieldSelection::SetStatusText(const std::string& text) {
    if (text == statusText_)
        return;
    statusText_ = text;
    if (view_)
        view_->StatusTextChanged();
}

void TFieldSelection::SetDisplayEnabled(bool enabled) {
    if (enabled == displayEnabled_)
        return;
    displayEnabled_ = enabled;
    if (view_)
        view_->DisplayEnabledChanged();
}

}  // namespace qs

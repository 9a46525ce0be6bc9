#pragma once
// The field selection view without a window: the form combo, the field list
// (the in-memory field table of the selected form), the hint pane and the
// "Display Template" button state, with the event handling between them.
// A window mirrors these models through IFieldSelectionView and forwards the
// user's actions to the User* operations.
#include <string>
#include <vector>

#include "core/stringlist.h"

namespace qs {

inline constexpr const char* kHeaderBeforeFirstFill =
    "TO CREATE A NEW TEMPLATE, SELECT A TAX FORM FROM THE DROP DOWN LIST";
inline constexpr const char* kHeaderAfterFill =
    "CHECK ALL FIELDS FOR WHICH YOU WILL BE SUPPLYING DATA";

// Notifications for a window that mirrors the models. Every call comes after
// the model has changed.
class IFieldSelectionView {
  public:
    virtual ~IFieldSelectionView() = default;
    virtual void HeaderTextChanged() {}
    virtual void RowsCleared() {}
    virtual void RowAppended(int /*row*/) {}
    virtual void RowCheckChanged(int /*row*/) {}
    virtual void SelectedRowChanged() {}
    virtual void StatusTextChanged() {}
    virtual void DisplayEnabledChanged() {}
    virtual void ComboChanged() {}  // text or selected entry
};

struct TFieldRow {
    std::string caption;
    std::string code;  // one character
    bool checked = false;
};

class TFieldSelection {
  public:
    explicit TFieldSelection(IFieldSelectionView* view = nullptr);
    void SetView(IFieldSelectionView* view) { view_ = view; }

    // Combo: entries are catalog names 4..35; ItemIndex -1 when none selected.
    void FillCombo();  // as at window creation
    int ComboCount() const { return static_cast<int>(comboEntries_.size()); }
    const std::string& ComboEntry(int i) const { return comboEntries_[i]; }
    int ComboItemIndex() const { return comboItemIndex_; }
    const std::string& ComboText() const { return comboText_; }
    // Shows text and selects the first entry beginning with it (case ignored);
    // none (-1) when no entry begins with it. Same text: nothing changes.
    // Does not refill the list.
    void SetComboText(const std::string& text);

    // Field list.
    const std::string& HeaderText() const { return headerText_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const TFieldRow& Row(int i) const { return rows_[i]; }
    const std::vector<TFieldRow>& Rows() const { return rows_; }
    int SelectedRow() const { return selectedRow_; }  // -1 for none
    // Ticks or unticks row i as a user's click does (raises the tick-change handling when it
    // changes).
    void SetChecked(int row, bool checked);
    // Makes row the selected row (-1: none), raising the selection-change handling
    // for the row that lost and then for the row that gained the selection.
    void SelectRow(int row);

    const std::string& StatusText() const { return statusText_; }
    bool DisplayEnabled() const { return displayEnabled_; }

    // The handlers.
    void LoadFieldList();
    void ShowFieldHint(int row);
    int CheckedFieldCount() const;
    void coFormChange();
    void lvDestinationCheckStateChange(int item);
    void lvDestinationSelectItem(int item, bool selected);

    // The user's actions in a window: pick an entry from the list; edit the
    // combo's text (typing, deleting, pasting; type-ahead already applied).
    void UserPicksEntry(int index);
    void UserEditsText(const std::string& text);

  private:
    void SetStatusText(const std::string& text);
    void SetDisplayEnabled(bool enabled);

    IFieldSelectionView* view_;
    std::vector<std::string> comboEntries_;
    int comboItemIndex_ = -1;
    std::string comboText_;
    std::string headerText_ = kHeaderBeforeFirstFill;
    std::vector<TFieldRow> rows_;
    int selectedRow_ = -1;
    std::string statusText_;
    bool displayEnabled_ = false;
};

}  // namespace qs

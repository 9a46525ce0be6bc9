#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fieldselection.h"
#include "core/schema.h"
#include "core/typecodes.h"

namespace qs {
namespace {

int ComboIndexOf(const TFieldSelection& s, const std::string& name) {
    for (int i = 0; i < s.ComboCount(); ++i) {
        if (s.ComboEntry(i) == name)
            return i;
    }
    return -1;
}

int FirstRowWithCode(const TFieldSelection& s, const std::string& code) {
    for (int i = 0; i < s.RowCount(); ++i) {
        if (s.Row(i).code == code)
            return i;
    }
    return -1;
}

class FieldSelectionTest : public ::testing::Test {
  protected:
    void SetUp() override { sel.FillCombo(); }
    void Pick(const std::string& name) { sel.UserPicksEntry(ComboIndexOf(sel, name)); }
    TFieldSelection sel;
};

TEST_F(FieldSelectionTest, StartState) {
    ASSERT_EQ(sel.ComboCount(), 32);
    EXPECT_EQ(sel.ComboEntry(0), "1095-B");
    EXPECT_EQ(sel.ComboEntry(31), "W-2G");
    for (const char* hidden : {"Clients", "Sponsors", "W-2 VCode", "1094"}) {
        EXPECT_EQ(ComboIndexOf(sel, hidden), -1) << hidden;
    }
    for (int k = 0; k < sel.ComboCount(); ++k) {
        EXPECT_EQ(sel.ComboEntry(k), CatalogName(k + kFirstComboIndex));
    }
    EXPECT_EQ(sel.ComboItemIndex(), -1);
    EXPECT_EQ(sel.ComboText(), "");
    EXPECT_EQ(sel.HeaderText(), kHeaderBeforeFirstFill);
    EXPECT_EQ(sel.RowCount(), 0);
    EXPECT_EQ(sel.StatusText(), "");
    EXPECT_FALSE(sel.DisplayEnabled());
}

TEST_F(FieldSelectionTest, SettingTheTextSelectsTheFirstEntryBeginningWithIt) {
    struct Case {
        const char* text;
        const char* selected;  // nullptr: no entry selected
    };
    const Case cases[] = {
        {"1099-C", "1099-C"}, {"W-2", "W-2"},   {"W-2C", "W-2C"},     {"w-2g", "W-2G"},
        {"1098", "1098"},     {"5498", "5498"}, {"1099-S", "1099-S"}, {"1095-B", "1095-B"},
        {"1094", nullptr},    {"XYZ", nullptr},
    };
    for (const Case& c : cases) {
        sel.SetComboText(c.text);
        EXPECT_EQ(sel.ComboText(), c.text);
        EXPECT_EQ(sel.ComboItemIndex(), c.selected ? ComboIndexOf(sel, c.selected) : -1) << c.text;
    }
    // Every entry selects exactly itself.
    for (int k = 0; k < sel.ComboCount(); ++k) {
        sel.SetComboText("");
        sel.SetComboText(sel.ComboEntry(k));
        EXPECT_EQ(sel.ComboItemIndex(), k) << sel.ComboEntry(k);
    }
}

TEST_F(FieldSelectionTest, NoSelectionLoadsThe1094Schema) {
    sel.SetComboText("1094");
    sel.LoadFieldList();
    ASSERT_EQ(sel.RowCount(), 72);
    EXPECT_EQ(sel.Row(0).caption, "Client ID");
    EXPECT_EQ(sel.Row(0).code, "$");
    EXPECT_EQ(sel.Row(71).caption, "DEC Column (d)");
    EXPECT_EQ(sel.Row(71).code, "I");
}

TEST_F(FieldSelectionTest, ChoosingAFormFillsItsRowsUnticked) {
    Pick("W-2");
    ASSERT_EQ(sel.RowCount(), 63);
    EXPECT_EQ(sel.HeaderText(), kHeaderAfterFill);
    EXPECT_EQ(sel.CheckedFieldCount(), 0);
    EXPECT_EQ(sel.SelectedRow(), -1);
    EXPECT_FALSE(sel.DisplayEnabled());
    TStringList schema;
    LoadSchema(33, schema);
    for (int i = 0; i < sel.RowCount(); ++i) {
        EXPECT_EQ(sel.Row(i).code + sel.Row(i).caption, schema[i]);
    }
}

TEST_F(FieldSelectionTest, TickAndUntickSequence) {
    Pick("1099-MISC");
    sel.SetChecked(0, true);
    EXPECT_TRUE(sel.DisplayEnabled());
    EXPECT_EQ(sel.SelectedRow(), 0);
    EXPECT_EQ(sel.StatusText(), TypeHint(sel.Row(0).code));

    const int currency = FirstRowWithCode(sel, "c");
    ASSERT_GT(currency, 0);
    sel.SetChecked(currency, true);
    EXPECT_EQ(sel.SelectedRow(), currency);
    EXPECT_EQ(sel.StatusText(), "CURRENCY - Cannot be negative");

    sel.SetChecked(0, false);  // one of two: pane empty, button stays, selection stays
    EXPECT_EQ(sel.StatusText(), "");
    EXPECT_TRUE(sel.DisplayEnabled());
    EXPECT_EQ(sel.SelectedRow(), currency);

    sel.SetChecked(currency, false);  // the last one
    EXPECT_EQ(sel.StatusText(), "");
    EXPECT_FALSE(sel.DisplayEnabled());
}

TEST_F(FieldSelectionTest, SelectionShowsTheHintOfTheRowInvolved) {
    Pick("1099-B");
    const int lossCurrency = FirstRowWithCode(sel, "C");
    ASSERT_GE(lossCurrency, 0);
    sel.SelectRow(lossCurrency);
    EXPECT_EQ(sel.StatusText(), "CURRENCY - Negative amounts reflect losses");
    sel.SelectRow(0);
    EXPECT_EQ(sel.StatusText(), TypeHint(sel.Row(0).code));
    // A click below the rows: only the row that lost the selection reports.
    sel.SelectRow(-1);
    EXPECT_EQ(sel.SelectedRow(), -1);
    EXPECT_EQ(sel.StatusText(), TypeHint(sel.Row(0).code));
}

TEST_F(FieldSelectionTest, AnotherFormDiscardsEveryTick) {
    Pick("1099-MISC");
    sel.SetChecked(0, true);
    sel.SetChecked(5, true);
    Pick("1099-INT");
    EXPECT_EQ(sel.CheckedFieldCount(), 0);
    EXPECT_EQ(sel.StatusText(), "");
    EXPECT_FALSE(sel.DisplayEnabled());
    EXPECT_EQ(sel.SelectedRow(), -1);
}

TEST_F(FieldSelectionTest, TypedTextThatBeginsNoEntryClearsTheSelection) {
    Pick("W-2C");
    sel.UserEditsText("W-2X");
    EXPECT_EQ(sel.ComboItemIndex(), -1);
    EXPECT_EQ(sel.ComboText(), "W-2X");
    EXPECT_EQ(sel.RowCount(), 72);  // the 1094 schema
    sel.UserEditsText("W-2");
    EXPECT_EQ(sel.ComboItemIndex(), ComboIndexOf(sel, "W-2"));
    EXPECT_EQ(sel.RowCount(), 63);
}

// A window mirroring the model sees every change after it happened.
struct RecordingView : IFieldSelectionView {
    const TFieldSelection* sel = nullptr;
    std::vector<std::string> statuses;
    int appended = 0;
    void RowAppended(int) override { ++appended; }
    void StatusTextChanged() override { statuses.push_back(sel->StatusText()); }
};

TEST_F(FieldSelectionTest, ViewIsToldOfStatusChangesInOrder) {
    RecordingView view;
    view.sel = &sel;
    sel.SetView(&view);
    Pick("1099-MISC");
    EXPECT_EQ(view.appended, 40);
    const int currency = FirstRowWithCode(sel, "c");
    sel.SetChecked(0, true);
    view.statuses.clear();
    sel.SetChecked(currency, true);
    // Ticking shows the new hint, the selection move shows the lost row's hint, then the new one.
    ASSERT_FALSE(view.statuses.empty());
    EXPECT_EQ(view.statuses.back(), "CURRENCY - Cannot be negative");
    sel.SetView(nullptr);
}

}  // namespace
}  // namespace qs

#include "app/mainwindow.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTreeWidget>
#include <QValidator>

#include "app/autosize.h"
#include "app/templatewindow.h"
#include "app/textconv.h"
#include "core/template_text.h"

using qsapp::CoreText;
using qsapp::DisplayText;

namespace {

// Turns every typed letter into its upper-case letter (one character for one).
class TUpperCaseValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            c = c.toUpper();
        }
        return Acceptable;
    }
};

// The designed font, or the platform's sans-serif at the same size where the
// designed family is not installed.
QFont DesignFont(const QString& family, int pointSize) {
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(pointSize);
    return font;
}

// Restores an edit text's cursor and marked part after its text was set again.
struct TEditState {
    int cursor = 0;
    int markStart = -1;
    int markLength = 0;
};

TEditState SaveEditState(const QLineEdit* edit) {
    TEditState state;
    state.cursor = edit->cursorPosition();
    state.markStart = edit->selectionStart();
    state.markLength = edit->selectionLength();
    return state;
}

void RestoreEditState(QLineEdit* edit, const TEditState& state) {
    if (state.markStart >= 0 && state.markLength > 0) {
        // The cursor sits at the end of the marked part that lies on its side.
        if (state.cursor == state.markStart) {
            edit->setSelection(state.markStart + state.markLength, -state.markLength);
        } else {
            edit->setSelection(state.markStart, state.markLength);
        }
    } else {
        edit->setCursorPosition(state.cursor);
    }
}

class TMirrorGuard {
  public:
    explicit TMirrorGuard(int& counter) : counter_(counter) { ++counter_; }
    ~TMirrorGuard() { --counter_; }
    TMirrorGuard(const TMirrorGuard&) = delete;
    TMirrorGuard& operator=(const TMirrorGuard&) = delete;

  private:
    int& counter_;
};

}  // namespace

TForm1::TForm1(qs::IWindowOps& ops, qs::IRegistry& registry, const qs::IClock& clock,
               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      FOps(ops),
      FMerge(ops, registry, clock) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillstone Data Merge Module"));
    FScale = logicalDpiY() / 96.0;
    BuildControls();
    Selection().SetView(this);
    FormCreate();
}

TForm1::~TForm1() {
    Selection().SetView(nullptr);
}

int TForm1::Scaled(int designed) const {
    return qRound(designed * FScale);
}

void TForm1::BuildControls() {
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 8));
    resize(Scaled(678), Scaled(419));
    auto bounds = [this](int left, int top, int width, int height) {
        return QRect(Scaled(left), Scaled(top), Scaled(width), Scaled(height));
    };

    coForm = new QComboBox(this);
    coForm->setObjectName(QStringLiteral("coForm"));
    coForm->setEditable(true);
    coForm->setInsertPolicy(QComboBox::NoInsert);
    // Type-ahead is done here, not by a completer: it must select the entry
    // and run the change handling on every keystroke.
    coForm->setCompleter(nullptr);
    coForm->setValidator(new TUpperCaseValidator(coForm));
    coForm->setFont(DesignFont(QStringLiteral("Microsoft Sans Serif"), 8));
    coForm->setGeometry(bounds(8, 10, 102, 21));

    bDisplay = new QPushButton(QStringLiteral("&Display Template"), this);
    bDisplay->setObjectName(QStringLiteral("bDisplay"));
    bDisplay->setGeometry(bounds(8, 333, 102, 25));
    bDisplay->setEnabled(false);

    bVerify = new QPushButton(QStringLiteral("&Verify an Extract"), this);
    bVerify->setObjectName(QStringLiteral("bVerify"));
    bVerify->setGeometry(bounds(8, 364, 102, 25));

    lvDestination = new QTreeWidget(this);
    lvDestination->setObjectName(QStringLiteral("lvDestination"));
    lvDestination->setGeometry(bounds(118, 10, 549, 380));
    lvDestination->setColumnCount(1);
    lvDestination->setRootIsDecorated(false);
    lvDestination->setItemsExpandable(false);
    lvDestination->setUniformRowHeights(true);
    lvDestination->setAllColumnsShowFocus(true);
    lvDestination->setSelectionMode(QAbstractItemView::SingleSelection);
    lvDestination->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvDestination->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvDestination->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lvDestination->header()->setStretchLastSection(true);
    lvDestination->header()->setMinimumSectionSize(Scaled(300));
    lvDestination->header()->setSectionsMovable(false);
    lvDestination->header()->setSectionsClickable(false);
    lvDestination->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    TypeStatus = new QLabel(this);
    TypeStatus->setObjectName(QStringLiteral("TypeStatus"));
    TypeStatus->setGeometry(bounds(118, 394, 552, 20));
    TypeStatus->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    TypeStatus->setTextFormat(Qt::PlainText);
    TypeStatus->setIndent(Scaled(4));
    TypeStatus->setBackgroundRole(QPalette::Window);
    TypeStatus->setAutoFillBackground(true);

    AutoSize1 = new TAutoSize(this);
    AutoSize1->SetBounds(bounds(676, 417, 2, 2));

    QWidget::setTabOrder(coForm, bDisplay);
    QWidget::setTabOrder(bDisplay, bVerify);
    QWidget::setTabOrder(bVerify, lvDestination);

    QLineEdit* edit = coForm->lineEdit();
    connect(edit, &QLineEdit::textEdited, this, &TForm1::coFormTextEdited);
    connect(edit, &QLineEdit::textChanged, this, &TForm1::RememberComboEditState);
    connect(edit, &QLineEdit::selectionChanged, this, &TForm1::RememberComboEditState);
    connect(edit, &QLineEdit::cursorPositionChanged, this, &TForm1::RememberComboEditState);
    connect(coForm, &QComboBox::activated, this, &TForm1::coFormActivated);
    connect(lvDestination, &QTreeWidget::itemChanged, this, &TForm1::lvDestinationItemChanged);
    connect(lvDestination->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TForm1::lvDestinationSelectionChanged);
    connect(bDisplay, &QPushButton::clicked, this, &TForm1::bDisplayClick);
    connect(bVerify, &QPushButton::clicked, this, &TForm1::bVerifyClick);
}

void TForm1::FormCreate() {
    setWindowTitle(windowTitle() + QStringLiteral(" [ ") + QString::fromLatin1(qs::kReportingYear) +
                   QStringLiteral(" ]"));
    {
        TMirrorGuard guard(FMirroring);
        coForm->clear();
        coForm->setMaxVisibleItems(36);
    }
    Selection().FillCombo();
    {
        TMirrorGuard guard(FMirroring);
        for (int i = 0; i < Selection().ComboCount(); ++i) {
            coForm->addItem(DisplayText(Selection().ComboEntry(i)));
        }
    }
    MirrorAll();
    setFixedSize(size());
}

bool TForm1::Start() {
    move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry())
            .topLeft());
    FClosed = false;
    FormShow();
    if (FClosed) {
        return false;
    }
    show();
    return true;
}

void TForm1::FormShow() {
    FMerge.FormShow();
}

void TForm1::bDisplayClick() {
    FMerge.RunEvent([this] {
        const qs::TStringList lines = qs::BuildTemplateText(
            Selection().ComboText(), Selection().Rows(), FOps.ProgramFileName());
        if (fmTemplate != nullptr) {
            fmTemplate->SetTemplateLines(lines);
            fmTemplate->ShowModal();
        }
    });
}

void TForm1::bVerifyClick() {
    FMerge.bVerifyClick();
}

void TForm1::closeEvent(QCloseEvent* event) {
    FClosed = true;
    if (fmTemplate != nullptr && fmTemplate->isVisible()) {
        fmTemplate->reject();
    }
    QWidget::closeEvent(event);
}

// ---- The user's actions ----

void TForm1::RememberComboEditState() {
    if (FMirroring > 0) {
        return;
    }
    const QLineEdit* edit = coForm->lineEdit();
    FEditText = edit->text();
    FEditMarked = edit->selectionLength();
}

void TForm1::coFormTextEdited(const QString& typed) {
    if (FMirroring > 0) {
        return;
    }
    QLineEdit* edit = coForm->lineEdit();
    // Type-ahead only when characters were added at the end; deleting keeps
    // the text as it is.
    const bool added =
        typed.size() > FEditText.size() - FEditMarked && edit->cursorPosition() == typed.size();
    QString text = typed;
    if (added && !typed.isEmpty()) {
        for (int i = 0; i < coForm->count(); ++i) {
            const QString entry = coForm->itemText(i);
            if (entry.startsWith(typed, Qt::CaseInsensitive)) {
                TMirrorGuard guard(FMirroring);
                edit->setText(entry);
                edit->setSelection(typed.size(), entry.size() - typed.size());
                text = entry;
                break;
            }
        }
    }
    FEditText = edit->text();
    FEditMarked = edit->selectionLength();
    Selection().UserEditsText(CoreText(text));
}

void TForm1::coFormActivated(int index) {
    if (FMirroring > 0) {
        return;
    }
    Selection().UserPicksEntry(index);
}

void TForm1::lvDestinationItemChanged(QTreeWidgetItem* item, int column) {
    if (FMirroring > 0 || column != 0) {
        return;
    }
    const int row = lvDestination->indexOfTopLevelItem(item);
    if (row < 0 || row >= Selection().RowCount()) {
        return;
    }
    const bool checked = item->checkState(0) == Qt::Checked;
    if (checked != Selection().Row(row).checked) {
        Selection().SetChecked(row, checked);
    }
}

void TForm1::lvDestinationSelectionChanged() {
    if (FMirroring > 0) {
        return;
    }
    const QList<QTreeWidgetItem*> selected = lvDestination->selectedItems();
    const int row = selected.isEmpty() ? -1 : lvDestination->indexOfTopLevelItem(selected.first());
    if (row != Selection().SelectedRow()) {
        Selection().SelectRow(row);
    }
}

// ---- Mirroring ----

void TForm1::HeaderTextChanged() {
    lvDestination->setHeaderLabel(DisplayText(Selection().HeaderText()));
}

void TForm1::RowsCleared() {
    TMirrorGuard guard(FMirroring);
    lvDestination->clear();
}

void TForm1::RowAppended(int row) {
    TMirrorGuard guard(FMirroring);
    const qs::TFieldRow& field = Selection().Row(row);
    auto* item = new QTreeWidgetItem();
    item->setText(0, DisplayText(field.caption));
    // The type code travels with the row but is never shown.
    item->setData(0, Qt::UserRole, DisplayText(field.code));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                   Qt::ItemNeverHasChildren);
    item->setCheckState(0, field.checked ? Qt::Checked : Qt::Unchecked);
    lvDestination->insertTopLevelItem(row, item);
}

void TForm1::RowCheckChanged(int row) {
    TMirrorGuard guard(FMirroring);
    QTreeWidgetItem* item = lvDestination->topLevelItem(row);
    if (item != nullptr) {
        item->setCheckState(0, Selection().Row(row).checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TForm1::SelectedRowChanged() {
    TMirrorGuard guard(FMirroring);
    QTreeWidgetItem* item = lvDestination->topLevelItem(Selection().SelectedRow());
    if (item == nullptr) {
        lvDestination->clearSelection();
        return;
    }
    lvDestination->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
}

void TForm1::StatusTextChanged() {
    TypeStatus->setText(DisplayText(Selection().StatusText()));
}

void TForm1::DisplayEnabledChanged() {
    bDisplay->setEnabled(Selection().DisplayEnabled());
}

void TForm1::ComboChanged() {
    TMirrorGuard guard(FMirroring);
    const QSignalBlocker blocker(coForm);
    QLineEdit* edit = coForm->lineEdit();
    const QString text = DisplayText(Selection().ComboText());
    const bool sameText = edit->text() == text;
    const TEditState state = SaveEditState(edit);
    if (coForm->currentIndex() != Selection().ComboItemIndex()) {
        coForm->setCurrentIndex(Selection().ComboItemIndex());
    }
    if (edit->text() != text) {
        edit->setText(text);
    }
    if (sameText) {
        RestoreEditState(edit, state);
    }
    FEditText = edit->text();
    FEditMarked = edit->selectionLength();
}

void TForm1::MirrorAll() {
    HeaderTextChanged();
    RowsCleared();
    for (int row = 0; row < Selection().RowCount(); ++row) {
        RowAppended(row);
    }
    SelectedRowChanged();
    StatusTextChanged();
    DisplayEnabledChanged();
    ComboChanged();
}

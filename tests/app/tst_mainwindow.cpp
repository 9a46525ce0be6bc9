// The main window over the real core: start state, the field selection view
// as the user drives it, and both drivers with scripted message boxes.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <deque>
#include <memory>
#include <optional>

#include "app/mainwindow.h"
#include "app/templatewindow.h"
#include "app/textconv.h"
#include "app/windowops.h"
#include "core/clock.h"
#include "core/fieldselection.h"
#include "core/schema.h"
#include "core/template_text.h"
#include "core/typecodes.h"
#include "platform/registry.h"

namespace {

const QString kTitle = QStringLiteral("Quillstone Data Merge Module ");
const QString kCaption = QStringLiteral("Quillstone Data Merge Module [ 2017 ]");

// Answers the boxes and the open dialog from a script and records what was shown.
class TScriptedDialogs final : public IAppDialogs {
  public:
    struct TBox {
        QString kind;  // "warning", "error", "question", "information"
        QString text;
        QString caption;
    };

    QList<TBox> boxes;
    std::deque<bool> answers;                    // for the questions
    std::deque<std::optional<QString>> choices;  // for the open dialog

    void WarningBox(QWidget*, const QString& text, const QString& caption) override {
        boxes.append({QStringLiteral("warning"), text, caption});
    }
    void ErrorBox(QWidget*, const QString& text, const QString& caption) override {
        boxes.append({QStringLiteral("error"), text, caption});
    }
    bool YesNo(QWidget*, const QString& text, const QString& title) override {
        boxes.append({QStringLiteral("question"), text, title});
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return yes;
    }
    void Information(QWidget*, const QString& text, const QString& title) override {
        boxes.append({QStringLiteral("information"), text, title});
    }
    std::optional<QString> OpenFile(QWidget*) override {
        if (choices.empty()) {
            return std::nullopt;
        }
        const bool chosen = choices.front().has_value();
        const QString choice = chosen ? *choices.front() : QString();
        choices.pop_front();
        if (!chosen) {
            return std::nullopt;
        }
        return choice;
    }
};

// The program as main() puts it together, with scripted dialogs.
struct TProgram {
    explicit TProgram(const QStringList& arguments = {})
        : ops(dialogs, arguments), form(ops, registry, clock) {
        ops.SetMainWindow(&form);
    }
    TScriptedDialogs dialogs;
    TQtWindowOps ops;
    qs::TSettingsRegistry registry;
    qs::FixedClock clock{qs::TDate{2018, 3, 15}};
    TForm1 form;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString Fixture(const QString& name) {
    return QStringLiteral(QS_TEST_DATA "/") + name;
}

// The sample 1099-MISC extract: three records of 43 lines' worth of values.
const char* const kMiscKey = "1010111000010000001001001000000000000000";

QList<int> TickedRows(QTreeWidget* list) {
    QList<int> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->checkState(0) == Qt::Checked) {
            rows.append(i);
        }
    }
    return rows;
}

int SelectedRow(QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.size() == 1 ? list->indexOfTopLevelItem(selected.first()) : -1;
}

QString HintOfRow(QTreeWidget* list, int row) {
    const std::string code =
        list->topLevelItem(row)->data(0, Qt::UserRole).toString().toStdString();
    return QString::fromStdString(qs::TypeHint(code));
}

void Tick(QTreeWidget* list, int row, bool checked) {
    list->topLevelItem(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

// A left click in the middle of a row's check box.
void ClickCheckBox(QTreeWidget* list, int row) {
    QTreeWidgetItem* item = list->topLevelItem(row);
    list->scrollToItem(item);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text(0);
    const QRect box =
        list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

// Shows the window and gives it the keyboard focus.
void ShowActive(TForm1& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void startState();
    void typingChoosesAndCompletes_data();
    void typingChoosesAndCompletes();
    void keysAndPicksLoadTheForm();
    void tickingMovesHintSelectionAndButton();
    void selectingShowsTheHintOfItsCode();
    void comboTextFromTheChecks_data();
    void comboTextFromTheChecks();
    void unattendedGoodExtractSavesAndEnds();
    void unattendedFailureStaysOpen_data();
    void unattendedFailureStaysOpen();
    void verificationYesSavesNoKeeps_data();
    void verificationYesSavesNoKeeps();
    void verificationCancelAndErrors();
    void informationBoxLeavesWindowsUsable();
    void displayTemplateShowsTheTicks();
};

void TestMainWindow::startState() {
    TProgram program;
    TForm1& form = program.form;
    QCOMPARE(form.objectName(), QStringLiteral("Form1"));
    QCOMPARE(form.windowTitle(), kCaption);

    // Fixed client area, no minimise or maximise box.
    const QSize client(form.Scaled(678), form.Scaled(419));
    QCOMPARE(form.size(), client);
    QCOMPARE(form.minimumSize(), client);
    QCOMPARE(form.maximumSize(), client);
    QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(form.lvDestination->geometry(),
             QRect(form.Scaled(118), form.Scaled(10), form.Scaled(549), form.Scaled(380)));

    QComboBox* combo = form.coForm;
    QCOMPARE(combo->count(), 32);
    QCOMPARE(combo->itemText(0), QStringLiteral("1095-B"));
    QCOMPARE(combo->itemText(31), QStringLiteral("W-2G"));
    for (const char* absent : {"1094", "Clients", "Sponsors", "W-2 VCode"}) {
        QCOMPARE(combo->findText(QLatin1String(absent), Qt::MatchFixedString), -1);
    }
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->maxVisibleItems(), 36);
    QCOMPARE(combo->currentIndex(), -1);
    QCOMPARE(combo->currentText(), QString());

    QCOMPARE(form.lvDestination->topLevelItemCount(), 0);
    QCOMPARE(form.lvDestination->headerItem()->text(0),
             QStringLiteral("TO CREATE A NEW TEMPLATE, SELECT A TAX FORM FROM THE DROP DOWN LIST"));
    QCOMPARE(form.TypeStatus->text(), QString());
    QCOMPARE(form.bDisplay->text(), QStringLiteral("&Display Template"));
    QVERIFY(!form.bDisplay->isEnabled());
    QCOMPARE(form.bVerify->text(), QStringLiteral("&Verify an Extract"));
    QVERIFY(form.bVerify->isEnabled());

    // Tab order among the controls that take focus.
    QList<QWidget*> order;
    const QList<QWidget*> controls = {form.coForm, form.bDisplay, form.bVerify, form.lvDestination};
    QWidget* w = form.coForm;
    do {
        if (controls.contains(w) && !order.contains(w)) {
            order.append(w);
        }
        w = w->nextInFocusChain();
    } while (w != form.coForm);
    QCOMPARE(order, controls);

    // The window keeps its size when first shown.
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.size(), client);
}

void TestMainWindow::typingChoosesAndCompletes_data() {
    QTest::addColumn<QStringList>("keys");  // key strings; "\b" is a backspace
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<QString>("entry");  // selected entry, empty for none
    QTest::addColumn<int>("rows");

    QTest::newRow("first entry beginning with the letter") << QStringList{"w"} << "W-2"
                                                           << "-2"
                                                           << "W-2" << 63;
    QTest::newRow("typing on over the completion") << QStringList{"w-2c"} << "W-2C"
                                                   << ""
                                                   << "W-2C" << -1;
    QTest::newRow("1099-c before 1099-CAP") << QStringList{"1099-c"} << "1099-C"
                                            << ""
                                            << "1099-C" << -1;
    QTest::newRow("prefix completes to the first of its names")
        << QStringList{"1099-m"} << "1099-MISC"
        << "ISC"
        << "1099-MISC" << 40;
    QTest::newRow("backspace removes the completion, no new one") << QStringList{"w", "\b"} << "W"
                                                                  << ""
                                                                  << "W-2" << 63;
    QTest::newRow("text that begins no entry stays as typed") << QStringList{"zz"} << "ZZ"
                                                              << ""
                                                              << "" << -1;
}

void TestMainWindow::typingChoosesAndCompletes() {
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QFETCH(QString, marked);
    QFETCH(QString, entry);
    QFETCH(int, rows);

    TProgram program;
    TForm1& form = program.form;
    ShowActive(form);
    form.coForm->setFocus();
    for (const QString& key : keys) {
        if (key == QLatin1String("\b")) {
            QTest::keyClick(form.coForm, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(form.coForm, key);
        }
    }
    QCOMPARE(form.coForm->currentText(), text);
    QCOMPARE(form.coForm->lineEdit()->selectedText(), marked);
    const int index = entry.isEmpty() ? -1 : form.coForm->findText(entry, Qt::MatchExactly);
    QCOMPARE(form.coForm->currentIndex(), index);
    // The core follows the control: its text, its entry and the rows of that entry.
    QCOMPARE(qsapp::DisplayText(form.Selection().ComboText()), text);
    QCOMPARE(form.Selection().ComboItemIndex(), index);
    QCOMPARE(form.lvDestination->topLevelItemCount(), form.Selection().RowCount());
    if (rows >= 0) {
        QCOMPARE(form.lvDestination->topLevelItemCount(), rows);
    }
    if (entry.isEmpty()) {
        // No entry: the list holds the 1094 transmittal's fields.
        QCOMPARE(form.Selection().RowCount(), qs::CatalogFieldCount(3));
    }
    QCOMPARE(form.lvDestination->headerItem()->text(0),
             QStringLiteral("CHECK ALL FIELDS FOR WHICH YOU WILL BE SUPPLYING DATA"));
    QVERIFY(!form.bDisplay->isEnabled());
}

void TestMainWindow::keysAndPicksLoadTheForm() {
    TProgram program;
    TForm1& form = program.form;
    ShowActive(form);
    form.coForm->setFocus();

    // Arrow down from no entry picks the first one.
    QTest::keyClick(form.coForm, Qt::Key_Down);
    QCOMPARE(form.coForm->currentText(), QStringLiteral("1095-B"));
    QCOMPARE(form.Selection().ComboItemIndex(), 0);
    QCOMPARE(form.lvDestination->topLevelItemCount(), qs::CatalogFieldCount(4));

    // Rows carry caption and hidden type code of their schema field.
    for (int row = 0; row < form.Selection().RowCount(); ++row) {
        QTreeWidgetItem* item = form.lvDestination->topLevelItem(row);
        QCOMPARE(item->text(0), qsapp::DisplayText(form.Selection().Row(row).caption));
        QCOMPARE(item->data(0, Qt::UserRole).toString(),
                 qsapp::DisplayText(form.Selection().Row(row).code));
        QVERIFY(item->flags() & Qt::ItemIsUserCheckable);
        QVERIFY(!(item->flags() & Qt::ItemIsEditable));
    }
    QCOMPARE(form.lvDestination->columnCount(), 1);

    // A pick from the list: the W-2 entry.
    const int w2 = form.coForm->findText(QStringLiteral("W-2"), Qt::MatchExactly);
    form.coForm->setCurrentIndex(w2);
    emit form.coForm->activated(w2);
    QCOMPARE(form.lvDestination->topLevelItemCount(), 63);
    QCOMPARE(form.Selection().ComboText(), std::string("W-2"));

    // Return in the edit field is no change: ticks survive it.
    Tick(form.lvDestination, 3, true);
    QTest::keyClick(form.coForm, Qt::Key_Return);
    QCOMPARE(TickedRows(form.lvDestination), QList<int>{3});
}

void TestMainWindow::tickingMovesHintSelectionAndButton() {
    TProgram program;
    TForm1& form = program.form;
    QTreeWidget* list = form.lvDestination;
    form.Selection().UserPicksEntry(form.coForm->findText(QStringLiteral("W-2"), Qt::MatchExactly));
    QCOMPARE(list->topLevelItemCount(), 63);

    Tick(list, 4, true);
    QCOMPARE(SelectedRow(list), 4);
    QCOMPARE(form.TypeStatus->text(), HintOfRow(list, 4));
    QVERIFY(!form.TypeStatus->text().isEmpty());
    QVERIFY(form.bDisplay->isEnabled());

    Tick(list, 10, true);
    QCOMPARE(SelectedRow(list), 10);
    QCOMPARE(form.TypeStatus->text(), HintOfRow(list, 10));

    // Unticking one of two: pane empty, selection stays, button stays.
    Tick(list, 4, false);
    QCOMPARE(form.TypeStatus->text(), QString());
    QCOMPARE(SelectedRow(list), 10);
    QVERIFY(form.bDisplay->isEnabled());

    // The space bar ticks the current row like a click.
    ShowActive(form);
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(10));
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(TickedRows(list), QList<int>{});
    QCOMPARE(form.TypeStatus->text(), QString());
    QVERIFY(!form.bDisplay->isEnabled());
    QVERIFY(!form.Selection().Row(10).checked);

    // Clicks on check boxes: the click itself selects nothing; ticking moves
    // the selection, unticking leaves it.
    ClickCheckBox(list, 20);
    ClickCheckBox(list, 30);
    QCOMPARE(TickedRows(list), (QList<int>{20, 30}));
    QCOMPARE(SelectedRow(list), 30);
    QCOMPARE(form.TypeStatus->text(), HintOfRow(list, 30));
    ClickCheckBox(list, 20);
    QCOMPARE(TickedRows(list), QList<int>{30});
    QCOMPARE(SelectedRow(list), 30);
    QCOMPARE(form.Selection().SelectedRow(), 30);
    QCOMPARE(form.TypeStatus->text(), QString());
    QVERIFY(form.bDisplay->isEnabled());
    ClickCheckBox(list, 30);
    QVERIFY(!form.bDisplay->isEnabled());

    // Another form discards every tick.
    Tick(list, 0, true);
    Tick(list, 1, true);
    form.Selection().UserPicksEntry(
        form.coForm->findText(QStringLiteral("1099-MISC"), Qt::MatchExactly));
    QCOMPARE(list->topLevelItemCount(), 40);
    QCOMPARE(TickedRows(list), QList<int>{});
    QCOMPARE(SelectedRow(list), -1);
    QCOMPARE(form.TypeStatus->text(), QString());
    QVERIFY(!form.bDisplay->isEnabled());
}

void TestMainWindow::selectingShowsTheHintOfItsCode() {
    TProgram program;
    TForm1& form = program.form;
    QTreeWidget* list = form.lvDestination;
    ShowActive(form);
    form.Selection().UserPicksEntry(
        form.coForm->findText(QStringLiteral("1099-B"), Qt::MatchExactly));
    auto rowOfCode = [list](const QString& code) {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->data(0, Qt::UserRole).toString() == code) {
                return i;
            }
        }
        return -1;
    };
    const struct {
        const char* code;
        const char* hint;
    } cases[] = {{"c", "CURRENCY - Cannot be negative"},
                 {"C", "CURRENCY - Negative amounts reflect losses"}};
    for (const auto& c : cases) {
        const int row = rowOfCode(QLatin1String(c.code));
        QVERIFY2(row >= 0, c.code);
        // A click on the row's text selects the whole row.
        list->scrollToItem(list->topLevelItem(row));
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(SelectedRow(list), row);
        QCOMPARE(form.Selection().SelectedRow(), row);
        QCOMPARE(form.TypeStatus->text(), QLatin1String(c.hint));
        QCOMPARE(TickedRows(list), QList<int>{});
    }
}

void TestMainWindow::comboTextFromTheChecks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("entry");
    QTest::newRow("1099-C, not 1099-CAP") << "1099-C"
                                          << "1099-C";
    QTest::newRow("W-2, not W-2C or W-2G") << "W-2"
                                           << "W-2";
    QTest::newRow("1098 before 1098-C") << "1098"
                                        << "1098";
    QTest::newRow("1094 is no entry") << "1094"
                                      << "";
}

void TestMainWindow::comboTextFromTheChecks() {
    QFETCH(QString, text);
    QFETCH(QString, entry);
    TProgram program;
    TForm1& form = program.form;
    form.Selection().UserPicksEntry(0);  // a previous choice
    form.Selection().SetComboText(text.toStdString());
    QCOMPARE(form.coForm->currentText(), text);
    const int index = entry.isEmpty() ? -1 : form.coForm->findText(entry, Qt::MatchExactly);
    QCOMPARE(form.coForm->currentIndex(), index);
    QCOMPARE(form.Selection().ComboItemIndex(), index);
}

void TestMainWindow::unattendedGoodExtractSavesAndEnds() {
    QTemporaryDir dir;
    const QString extract = dir.filePath(QStringLiteral("MISC.txt"));
    WriteAll(extract, ReadAll(Fixture(QStringLiteral("cli_1099misc.txt"))));

    // Blanks around the argument are removed; a second argument is ignored.
    TProgram program({QStringLiteral("  ") + extract + QStringLiteral(" "),
                      QStringLiteral("/no/such/second.txt")});
    QVERIFY(!program.form.Start());
    QVERIFY(!program.form.isVisible());
    QVERIFY(program.ops.ProgramEnded());

    QCOMPARE(ReadAll(dir.filePath(QStringLiteral("2017DM_MISC.txt"))),
             ReadAll(Fixture(QStringLiteral("cli_1099misc_import.txt"))));
    QVERIFY(qs::TSettingsRegistry::ReadTextDirectory().rfind(dir.path().toStdString(), 0) == 0);
    QCOMPARE(program.dialogs.boxes.size(), 1);
    QCOMPARE(program.dialogs.boxes[0].kind, QStringLiteral("information"));
    QCOMPARE(program.dialogs.boxes[0].caption, QStringLiteral("Data Extract Import Instructions"));
    QVERIFY(program.dialogs.boxes[0].text.contains(QStringLiteral("FILE:  2017DM_MISC.txt")));
    QCOMPARE(program.ops.BeepCount(), 0);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMainWindow::unattendedFailureStaysOpen_data() {
    QTest::addColumn<QString>("argument");    // "<dir>" stands for the temporary folder
    QTest::addColumn<QByteArray>("content");  // written to <dir>/x.txt first
    QTest::addColumn<QString>("kind");        // box shown, empty for none
    QTest::addColumn<QString>("text");        // "<arg>" stands for the trimmed argument
    QTest::addColumn<QString>("formShown");   // combo text afterwards
    QTest::addColumn<int>("rows");

    const QString usage = QStringLiteral(
        "Failed to open data extract:\n\n<arg>\n\nUsage: tst_mainwindow "
        "\"File specification\"\n\n\"File specification\" = fully qualified file "
        "name of your data extract!");
    QTest::newRow("no argument but blanks") << "   " << QByteArray() << ""
                                            << ""
                                            << "" << 0;
    QTest::newRow("missing file") << "<dir>/missing.txt" << QByteArray() << "warning" << usage << ""
                                  << 0;
    QTest::newRow("a folder") << "<dir>" << QByteArray() << "warning" << usage << "" << 0;
    QTest::newRow("bad FORM segment")
        << "<dir>/x.txt" << QByteArray("FORMX 1099-MISC\r\n") << "error"
        << "FORM segment not found.\n\nEXTRACT = <arg>."
        << "" << 0;
    // The FORM check has selected the form when the KEY check fails.
    QTest::newRow("bad KEY segment keeps the chosen form")
        << "<dir>/x.txt" << QByteArray("FORM 1099-MISC\r\nKEY 0031\r\n") << "error"
        << "KEY segment checksum error.\n\nEXTRACT = <arg>."
        << "1099-MISC" << 40;
}

void TestMainWindow::unattendedFailureStaysOpen() {
    QFETCH(QString, argument);
    QFETCH(QByteArray, content);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, formShown);
    QFETCH(int, rows);

    QTemporaryDir dir;
    argument.replace(QStringLiteral("<dir>"), dir.path());
    if (!content.isEmpty()) {
        WriteAll(dir.filePath(QStringLiteral("x.txt")), content);
    }
    text.replace(QStringLiteral("<arg>"), argument.trimmed());

    TProgram program({argument});
    QVERIFY(program.form.Start());
    QVERIFY(program.form.isVisible());
    QVERIFY(!program.ops.ProgramEnded());
    if (kind.isEmpty()) {
        QCOMPARE(program.dialogs.boxes.size(), 0);
    } else {
        QCOMPARE(program.dialogs.boxes.size(), 1);
        QCOMPARE(program.dialogs.boxes[0].kind, kind);
        QCOMPARE(program.dialogs.boxes[0].text, text);
        QCOMPARE(program.dialogs.boxes[0].caption, kind == "error" ? kTitle : kCaption);
    }
    QCOMPARE(program.form.coForm->currentText(), formShown);
    QCOMPARE(program.form.lvDestination->topLevelItemCount(), rows);
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("2017DM_*")}), QStringList());
}

void TestMainWindow::verificationYesSavesNoKeeps_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes saves") << true;
    QTest::newRow("No saves nothing") << false;
}

void TestMainWindow::verificationYesSavesNoKeeps() {
    QFETCH(bool, yes);
    QTemporaryDir dir;
    const QString extract = dir.filePath(QStringLiteral("MISC.txt"));
    WriteAll(extract, ReadAll(Fixture(QStringLiteral("cli_1099misc.txt"))));

    TProgram program;
    TForm1& form = program.form;
    QVERIFY(form.Start());
    program.dialogs.choices.push_back(extract);
    program.dialogs.answers.push_back(yes);
    QTest::mouseClick(form.bVerify, Qt::LeftButton);

    QVERIFY(program.dialogs.boxes.size() >= 1);
    const TScriptedDialogs::TBox question = program.dialogs.boxes[0];
    QCOMPARE(question.kind, QStringLiteral("question"));
    QCOMPARE(question.caption, QStringLiteral("Successful Verification"));
    QCOMPARE(question.text,
             QStringLiteral("EXTRACT: ") + extract +
                 QStringLiteral("\n\nRETURNS: 1099-MISC\nRECORDS: 3\n\nREPORTING YEAR: 2017\n\n"
                                "Do you want to save the output for merging with Quillstone?"));
    QCOMPARE(program.ops.BeepCount(), 1);
    QVERIFY(QApplication::overrideCursor() == nullptr);

    // The checks have chosen the form and ticked the KEY's rows; the last one is selected.
    QCOMPARE(form.coForm->currentText(), QStringLiteral("1099-MISC"));
    QList<int> expected;
    for (int p = 0; kMiscKey[p] != '\0'; ++p) {
        if (kMiscKey[p] == '1') {
            expected.append(p);
        }
    }
    QCOMPARE(TickedRows(form.lvDestination), expected);
    QCOMPARE(SelectedRow(form.lvDestination), expected.last());
    QCOMPARE(form.TypeStatus->text(), HintOfRow(form.lvDestination, expected.last()));
    QVERIFY(form.bDisplay->isEnabled());

    const QString import = dir.filePath(QStringLiteral("2017DM_MISC.txt"));
    const bool registered =
        qs::TSettingsRegistry::ReadTextDirectory().rfind(dir.path().toStdString(), 0) == 0;
    if (yes) {
        QCOMPARE(program.dialogs.boxes.size(), 2);
        QCOMPARE(program.dialogs.boxes[1].kind, QStringLiteral("information"));
        QCOMPARE(ReadAll(import), ReadAll(Fixture(QStringLiteral("cli_1099misc_import.txt"))));
        QVERIFY(registered);
    } else {
        QCOMPARE(program.dialogs.boxes.size(), 1);
        QVERIFY(!QFile::exists(import));
        QVERIFY(!registered);
        QCOMPARE(static_cast<int>(form.Merge().Output().size()), 3);
    }
    QVERIFY(form.isVisible());
    QVERIFY(!program.ops.ProgramEnded());
}

void TestMainWindow::verificationCancelAndErrors() {
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("MISC.txt"));
    QByteArray bytes = ReadAll(Fixture(QStringLiteral("cli_1099misc.txt")));
    WriteAll(good, bytes);
    const QString badValue = dir.filePath(QStringLiteral("BADVALUE.txt"));
    bytes.replace("12-3456789", "12-345");
    WriteAll(badValue, bytes);

    TProgram program;
    TForm1& form = program.form;
    QVERIFY(form.Start());

    // Cancel: nothing happens, the extract's name stays.
    program.dialogs.choices.push_back(good);
    program.dialogs.answers.push_back(false);
    form.bVerifyClick();
    program.dialogs.choices.push_back(std::nullopt);
    form.bVerifyClick();
    QCOMPARE(program.dialogs.boxes.size(), 1);
    QCOMPARE(qsapp::FileNameToQt(form.Merge().ExtractFileName()), good);

    // A value the conversion refuses: the error box, the cursor back to normal, no file.
    program.dialogs.choices.push_back(badValue);
    form.bVerifyClick();
    QCOMPARE(program.dialogs.boxes.size(), 2);
    QCOMPARE(program.dialogs.boxes[1].kind, QStringLiteral("error"));
    QCOMPARE(program.dialogs.boxes[1].caption, kTitle);
    QVERIFY(program.dialogs.boxes[1].text.contains(badValue));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(!program.ops.BusyCursor());

    // A typed name that does not exist: the open error names the file.
    const QString missing = dir.filePath(QStringLiteral("NOPE.TXT"));
    program.dialogs.choices.push_back(missing);
    form.bVerifyClick();
    QCOMPARE(program.dialogs.boxes.size(), 3);
    QCOMPARE(program.dialogs.boxes[2].kind, QStringLiteral("error"));
    QVERIFY(program.dialogs.boxes[2].text.startsWith(QStringLiteral("Cannot open file \"") +
                                                     missing + QStringLiteral("\". ")));
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("2017DM_*")}), QStringList());
}

void TestMainWindow::informationBoxLeavesWindowsUsable() {
    TQtDialogs dialogs;
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // What the box showed while it was open, read from inside its wait.
    bool found = false;
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QWidget* modal = &window;
    QTimer::singleShot(0, &window, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box != nullptr && box->isVisible()) {
                found = true;
                title = box->windowTitle();
                text = box->text();
                format = box->textFormat();
                icon = box->icon();
                modal = QApplication::activeModalWidget();
                box->button(QMessageBox::Ok)->click();
            }
        }
    });
    dialogs.Information(&window, QStringLiteral("<b>not bold</b>"), QStringLiteral("Title"));
    QVERIFY(found);
    QCOMPARE(title, QStringLiteral("Title"));
    QCOMPARE(text, QStringLiteral("<b>not bold</b>"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QVERIFY(modal == nullptr);
    QVERIFY(window.isEnabled());
}

void TestMainWindow::displayTemplateShowsTheTicks() {
    TProgram program;
    TForm1& form = program.form;
    TfmTemplate fmTemplate(&form);
    form.SetTemplateWindow(&fmTemplate);
    QVERIFY(form.Start());
    form.Selection().UserPicksEntry(
        form.coForm->findText(QStringLiteral("1099-MISC"), Qt::MatchExactly));
    Tick(form.lvDestination, 0, true);
    Tick(form.lvDestination, 18, true);

    // The template window opens modally with the text of the chosen form and ticks.
    bool shown = false;
    qs::TStringList lines;
    QTimer::singleShot(0, &form, [&] {
        shown = fmTemplate.isVisible() && QApplication::activeModalWidget() == &fmTemplate;
        lines = fmTemplate.TemplateLines();
        fmTemplate.reject();
    });
    QTest::mouseClick(form.bDisplay, Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(!lines.empty());
    QCOMPARE(lines.front(), std::string("FORM 1099-MISC"));
    QCOMPARE(lines, qs::BuildTemplateText("1099-MISC", form.Selection().Rows(),
                                          program.ops.ProgramFileName()));
    QCOMPARE(program.dialogs.boxes.size(), 0);
}

int main(int argc, char* argv[]) {
    // The registry value goes to a settings file of this run only.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"

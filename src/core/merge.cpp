#include "core/merge.h"

#include <exception>
#include <utility>
#include <vector>

#include "core/conversion.h"
#include "core/errors.h"
#include "core/extract.h"
#include "core/importfile.h"
#include "core/messages.h"
#include "core/reading.h"
#include "core/schema.h"
#include "core/strings.h"
#include "core/typecodes.h"

namespace qs {

namespace {

constexpr std::string_view kBeginDataMarker = "{BEGIN DATA}";
constexpr std::string_view kEndDataMarker = "{END DATA}";

// The hourglass while records are converted; the default cursor again however
// the conversion ends.
class TBusyCursor {
  public:
    explicit TBusyCursor(IWindowOps& ops) : ops_(ops) { ops_.SetBusyCursor(true); }
    ~TBusyCursor() { ops_.SetBusyCursor(false); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

  private:
    IWindowOps& ops_;
};

bool StartsWith(const std::string& s, std::string_view prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

TDataMerge::TDataMerge(IWindowOps& ops, IRegistry& registry, const IClock& clock,
                       IFieldSelectionView* view)
    : ops_(ops), registry_(registry), clock_(clock), selection_(view) {
    selection_.FillCombo();
}

// ---------------------------------------------------------------------------
// Drivers

void TDataMerge::RunEvent(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const EAbort&) {
        // A message has already been shown.
    } catch (const std::exception& e) {
        ops_.ErrorBox(ErrorBoxText(e.what()));
    }
}

void TDataMerge::FormShow() {
    RunEvent([this] {
        SetExtractFileName("");
        const std::string programFileName = ops_.ProgramFileName();
        if (ops_.ArgumentCount() >= 1)
            SetExtractFileName(Trim(ops_.FirstArgument()));
        if (FExtractFileName.empty())
            return;
        if (!ops_.FileExists(FExtractFileName)) {
            ops_.WarningBox(MissingFileMessage(FExtractFileName, programFileName),
                            ops_.MainWindowCaption());
            throw EAbort();
        }
        LoadInputLines();
        CheckFormSegment();
        CheckKeySegment();
        ConvertDataSegment();
        SaveImportFile();
        ops_.EndProgram();
    });
}

void TDataMerge::bVerifyClick() {
    RunEvent([this] {
        const std::optional<std::string> choice = ops_.OpenFileChoice();
        if (!choice)
            return;
        SetExtractFileName(*choice);
        LoadInputLines();
        CheckFormSegment();
        CheckKeySegment();
        ConvertDataSegment();
        const std::string summary = VerificationSummary();
        ops_.Beep();
        if (ops_.YesNoQuestion(summary, kSuccessfulVerificationTitle))
            SaveImportFile();
    });
}

// ---------------------------------------------------------------------------
// Pipeline steps

void TDataMerge::LoadInputLines() {
    // Emptied with its storage released first, so that the lines of an earlier
    // extract are not held while the next one loads.
    FInputLines = TLineList();
    FInputLines = LoadTextFile(FExtractFileName);
}

void TDataMerge::CheckFormSegment() {
    if (FInputLines.empty()) {
        throw EMergeError(ExtractCheckMessage(kFormSegmentNotFound, FExtractFileName));
    }
    const std::string line = UpperCase(FInputLines[0]);
    if (!StartsWith(line, "FORM ")) {
        throw EMergeError(ExtractCheckMessage(kFormSegmentNotFound, FExtractFileName));
    }
    // A second blank after FORM stays at the front of the name, so that it
    // matches no catalog name.
    std::string formName = Trim(line);
    formName.erase(0, 5);
    if (FindCatalogIndex(formName) < 0) {
        throw EMergeError(FormNotFoundMessage(formName, FExtractFileName));
    }
    SetFormName(formName);
    selection_.SetComboText(formName);
    selection_.LoadFieldList();
}

void TDataMerge::CheckKeySegment() {
    if (FInputLines.size() < 2) {
        throw EMergeError(ExtractCheckMessage(kKeySegmentNotFound, FExtractFileName));
    }
    const std::string line = UpperCase(FInputLines[1]);
    if (!StartsWith(line, "KEY ")) {
        throw EMergeError(ExtractCheckMessage(kKeySegmentNotFound, FExtractFileName));
    }
    const std::string segment = Trim(line);
    if (segment.size() < 7) {
        throw EMergeError(ExtractCheckMessage(kBadKeySegment, FExtractFileName));
    }
    const std::string count = segment.substr(4, 3);
    const std::string bitmap = segment.substr(7);
    const std::optional<std::int32_t> stated = ReadInteger(count);
    if (!stated || static_cast<long long>(*stated) != static_cast<long long>(bitmap.size())) {
        throw EMergeError(ExtractCheckMessage(kKeyChecksumError, FExtractFileName));
    }
    if (bitmap.size() != static_cast<std::size_t>(selection_.RowCount())) {
        throw EMergeError(KeyFormMessage(FFormName, FExtractFileName));
    }
    SetKey(bitmap);
    for (std::size_t p = 0; p < bitmap.size(); ++p) {
        if (bitmap[p] == '1')
            selection_.SetChecked(static_cast<int>(p), true);
    }
}

TDataSegment TDataMerge::CheckDataSegment() const {
    TDataSegment segment;
    segment.begin = IndexOfText(FInputLines, kBeginDataMarker);
    if (segment.begin < 0)
        throw EMergeError(ExtractCheckMessage(kBeginDataNotFound, FExtractFileName));
    segment.end = IndexOfText(FInputLines, kEndDataMarker);
    if (segment.end < 0)
        throw EMergeError(ExtractCheckMessage(kEndDataNotFound, FExtractFileName));
    if (segment.end < segment.begin) {
        throw EMergeError(ExtractCheckMessage(kEndDataPrecedesBeginData, FExtractFileName));
    }
    // The supplied fields, with the code and caption of their rows.
    for (std::size_t p = 0; p < FKey.size(); ++p) {
        if (FKey[p] != '1')
            continue;
        TSuppliedField field{static_cast<int>(p), {}, {}};
        if (field.position < selection_.RowCount()) {
            field.code = selection_.Row(field.position).code;
            field.caption = selection_.Row(field.position).caption;
        }
        segment.supplied.push_back(std::move(field));
    }
    const std::size_t k = segment.supplied.size();
    if (k == 0)
        throw EMergeError(ExtractCheckMessage(kNoFieldsSelected, FExtractFileName));
    segment.lineCount = static_cast<std::size_t>(segment.end - segment.begin - 1);
    if (segment.lineCount % k != 0)
        throw EMergeError(AllocationMessage(k, segment.lineCount, FExtractFileName));
    return segment;
}

void TDataMerge::ConvertDataSegment() {
    const TDataSegment segment = CheckDataSegment();
    const int b = segment.begin;
    const int e = segment.end;
    const std::vector<TSuppliedField>& supplied = segment.supplied;
    const std::size_t k = supplied.size();
    const std::size_t n = segment.lineCount;

    // Drop the end marker and everything up to the begin marker, each range in
    // one step: the list then begins with the first data line.
    FInputLines.Erase(static_cast<std::size_t>(e));
    FInputLines.EraseFront(static_cast<std::size_t>(b) + 1);

    FOutput.clear();
    TBusyCursor busy(ops_);
    const std::size_t m = n / k;

    // The defaults are the same for every record of the form.
    TStringList defaults;
    int tinTypeColumn = -1;
    RecordDefaults(defaults, tinTypeColumn);

    // Room for the import lines, reserved once, as a text that regrows is
    // copied and needs its space twice for a moment. The supplied values take
    // about the room of their lines (two quotes more at most, as a rule), the
    // rest of a record about that of the defaults.
    const std::size_t defaultsLength = CommaText(defaults).size();
    FOutput.Reserve(m, FInputLines.Text().size() + m * (defaultsLength + 2 * k + 2));

    // One result and one line for all values and records: their storage is reused.
    TValueResult result;
    std::string line;
    for (std::size_t r = 0; r < m; ++r) {
        // Every record starts from the defaults. After the first one, only the
        // entries a record writes need them again: the supplied fields, which
        // are all written unless a value fails (see below), and the TIN-type
        // field, which a TIN may set.
        if (r == 0) {
            StartRecord(defaults, tinTypeColumn);
        } else if (tinTypeColumn != -1) {
            FRecord[tinTypeColumn] = defaults[tinTypeColumn];
        }
        for (std::size_t j = 0; j < k; ++j) {
            const std::string_view raw = FInputLines[r * k + j];
            const TSuppliedField& field = supplied[j];
            ConvertValue(field.code, raw, clock_, result);
            if (!result.ok) {
                // The partly built record keeps the defaults from this field on.
                for (std::size_t rest = j; rest < k; ++rest)
                    FRecord[supplied[rest].position] = defaults[supplied[rest].position];
                throw EMergeError(ValueErrorMessage(FExtractFileName, r + 1, j + 1, field.caption,
                                                    result.reason, raw));
            }
            // Swapped in: the entry's earlier storage takes the next value.
            if (result.store)
                FRecord[field.position].swap(result.value);
            if (!result.tinType.empty() && FTinTypeColumn != -1)
                FRecord[FTinTypeColumn].assign(result.tinType);
        }
        line.clear();
        AppendCommaText(line, FRecord);
        FOutput.Append(line);
    }
}

void TDataMerge::RecordDefaults(TStringList& defaults, int& tinTypeColumn) const {
    defaults.clear();
    tinTypeColumn = -1;
    const int rows = selection_.RowCount();
    for (std::size_t p = 0; p < FKey.size(); ++p) {
        // A key longer than the field list cannot pass the KEY check; its
        // surplus positions get the default of a code without a rule.
        const std::string code =
            static_cast<int>(p) < rows ? selection_.Row(static_cast<int>(p)).code : std::string();
        defaults.push_back(TypeDefault(code));
        if (code == "T")
            tinTypeColumn = static_cast<int>(p);
    }
}

void TDataMerge::StartRecord(const TStringList& defaults, int tinTypeColumn) {
    FRecord = defaults;  // entry by entry, reusing the storage of the previous record
    SetTinTypeColumn(tinTypeColumn);
}

void TDataMerge::ResetRecord() {
    TStringList defaults;
    int tinTypeColumn = -1;
    RecordDefaults(defaults, tinTypeColumn);
    StartRecord(defaults, tinTypeColumn);
}

void TDataMerge::SaveImportFile() {
    const std::string importFileName = ImportFileName();
    // FOutput's text holds every line followed by CR LF: the file's content.
    WriteImportText(importFileName, FOutput.Text());
    const TFileNameParts importParts = SplitFileName(importFileName, PlatformSeparators());
    registry_.WriteTextDirectory(importParts.folder);
    const TFileNameParts extractParts = SplitFileName(FExtractFileName, PlatformSeparators());
    ops_.InformationBox(
        ImportInstructions(extractParts.name, importParts.name, importParts.folder, FFormName),
        kImportInstructionsTitle);
}

// ---------------------------------------------------------------------------
// Texts

std::string TDataMerge::ImportFileName() const {
    return qs::ImportFileName(FExtractFileName, PlatformSeparators());
}

std::string TDataMerge::VerificationSummary() const {
    return VerificationSummaryText(FExtractFileName, FFormName, FOutput.size());
}

}  // namespace qs

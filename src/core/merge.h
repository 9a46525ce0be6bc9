#pragma once
// The conversion state of the main window and the pipeline that both drivers
// (unattended mode and interactive verification) run:
//   load lines -> CheckFormSegment -> CheckKeySegment -> ConvertDataSegment -> SaveImportFile
// Each step raises EMergeError with the complete user message on failure.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/fieldselection.h"
#include "core/linelist.h"
#include "core/services.h"
#include "core/stringlist.h"

namespace qs {

inline constexpr const char* kApplicationTitle = "Quillstone Data Merge Module ";
inline constexpr const char* kReportingYear = "2017";

// A field that the extract supplies: its schema position and the code and
// caption of its row in the field list.
struct TSuppliedField {
    int position = 0;
    std::string code;
    std::string caption;
};

// What the data segment checks yield: the marker indexes in FInputLines (as
// loaded), the supplied fields in schema order (k of them) and the number of
// data lines n, a multiple of k.
struct TDataSegment {
    int begin = 0;
    int end = 0;
    std::vector<TSuppliedField> supplied;
    std::size_t lineCount = 0;
};

class TDataMerge {
  public:
    TDataMerge(IWindowOps& ops, IRegistry& registry, const IClock& clock,
               IFieldSelectionView* view = nullptr);

    TFieldSelection& Selection() { return selection_; }
    const TFieldSelection& Selection() const { return selection_; }

    // Drivers. Errors are shown in the error box; a silent abort shows nothing.
    void FormShow();      // unattended mode
    void bVerifyClick();  // interactive verification
    // Runs one window event: EMergeError -> error box (with the "." rule), EAbort -> nothing.
    void RunEvent(const std::function<void()>& handler);

    // Pipeline steps.
    void LoadInputLines();  // empties FInputLines and loads it from FExtractFileName
    void CheckFormSegment();
    void CheckKeySegment();
    // The data segment checks (markers, selected fields, allocation) on the
    // loaded lines; changes nothing. ConvertDataSegment runs them first.
    TDataSegment CheckDataSegment() const;
    void ConvertDataSegment();
    void ResetRecord();
    void SaveImportFile();

    // Setters.
    void SetExtractFileName(const std::string& value) { FExtractFileName = value; }
    void SetFormName(const std::string& value) { FFormName = value; }
    void SetKey(const std::string& value) { FKey = value; }
    void SetTinTypeColumn(int value) { FTinTypeColumn = value; }

    // Read access to the state.
    const std::string& ExtractFileName() const { return FExtractFileName; }
    const TLineList& InputLines() const { return FInputLines; }
    const TStringList& Record() const { return FRecord; }
    // The import lines; its Text() is the import file's content (CR LF after every line).
    const TLineList& Output() const { return FOutput; }
    const std::string& FormName() const { return FFormName; }
    const std::string& Key() const { return FKey; }
    int TinTypeColumn() const { return FTinTypeColumn; }
    const IClock& Clock() const { return clock_; }

    // The import file's name for the current extract.
    std::string ImportFileName() const;
    // Lines 1 to 8 of the verification summary, CR LF between them.
    std::string VerificationSummary() const;

  private:
    // The default of every field of the form, and the position of the TIN-type field (-1: none).
    void RecordDefaults(TStringList& defaults, int& tinTypeColumn) const;
    // Fills FRecord with the defaults and sets FTinTypeColumn.
    void StartRecord(const TStringList& defaults, int tinTypeColumn);

    IWindowOps& ops_;
    IRegistry& registry_;
    const IClock& clock_;
    TFieldSelection selection_;

    std::string FExtractFileName;
    TLineList FInputLines;
    TStringList FRecord;
    TLineList FOutput;
    std::string FFormName;
    std::string FKey;
    int FTinTypeColumn = 0;
};

}  // namespace qs

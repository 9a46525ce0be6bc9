#pragma once
// The template window "Data Extract Template" (fmTemplate): shows the
// template text read-only and prints it or saves it as a text file.
#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "core/print_layout.h"
#include "core/stringlist.h"

class QFrame;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class TAutoSize;
class TTopMostPrinterSetupDialog;
class TTopMostSaveDialog;

// The dialogs of the template window, so that tests can answer them.
class ITemplateDialogs {
  public:
    virtual ~ITemplateDialogs() = default;
    // Shows the save dialog as prepared; the chosen full file name, or nullopt when cancelled.
    virtual std::optional<QString> ExecuteSave(TTopMostSaveDialog& dialog) = 0;
    // Shows the printer-setup dialog for its printer; false when cancelled.
    virtual bool ExecutePrinterSetup(TTopMostPrinterSetupDialog& dialog) = 0;
    // Stop icon, "OK".
    virtual void ErrorBox(QWidget* parent, const QString& text, const QString& caption) = 0;
};

// The real dialogs.
class TQtTemplateDialogs final : public ITemplateDialogs {
  public:
    std::optional<QString> ExecuteSave(TTopMostSaveDialog& dialog) override;
    bool ExecutePrinterSetup(TTopMostPrinterSetupDialog& dialog) override;
    void ErrorBox(QWidget* parent, const QString& text, const QString& caption) override;
};

class TfmTemplate : public QDialog {
    Q_OBJECT
  public:
    // Created once at program start, hidden; takes the main window's outer size.
    explicit TfmTemplate(QWidget* form1);
    ~TfmTemplate() override;

    // Replaces the memo's whole text with these lines.
    void SetTemplateLines(const qs::TStringList& lines);
    qs::TStringList TemplateLines() const;
    // Shows the window modally, placed on the main window's top-left corner.
    int ShowModal();

    // Replaces the real dialogs (nullptr: the real ones again). Not owned.
    void SetDialogs(ITemplateDialogs* dialogs);

    // The dialogs as the window prepares them.
    TTopMostSaveDialog& SaveDialog() { return *SaveDialog_; }
    TTopMostPrinterSetupDialog& TopMostPrinterSetupDialog1();
    // The printer of the printouts; its settings stay for the next print.
    QPrinter& Printer();
    // The pages of the last printout, as laid out.
    const std::vector<qs::TPrintedPage>& LastPrintout() const { return lastPrintout_; }

    // Window events.
    void FormCreate();
    void FormShow();

    void setVisible(bool visible) override;

  public slots:
    void bCloseClick();
    void bSaveClick();
    void bPrintClick();

  private:
    ITemplateDialogs& Dialogs();
    void ShowError(const std::string& message);
    QString FirstLine() const;
    // Prints the template on the printer; throws EMergeError when the job fails.
    void PrintTemplate(QPrinter& printer);

    QWidget* form1_;
    qs::TStringList lines_;

    QPlainTextEdit* RzMemo1;
    QFrame* RzPanel1;
    QPushButton* bPrint;
    QPushButton* bSave;
    QPushButton* bClose;
    TAutoSize* AutoSize1;

    TQtTemplateDialogs qtDialogs_;
    ITemplateDialogs* dialogs_ = nullptr;
    std::unique_ptr<TTopMostSaveDialog> SaveDialog_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TTopMostPrinterSetupDialog> printerSetupDialog_;
    std::vector<qs::TPrintedPage> lastPrintout_;
};

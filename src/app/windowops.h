#pragma once
// The window operations of the drivers over Qt. Message boxes and the open
// dialog go through IAppDialogs, so that tests can answer them.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

#include "core/services.h"

class TTopMostOpenDialog;

class IAppDialogs {
  public:
    virtual ~IAppDialogs() = default;
    // Exclamation icon, "OK"; modal to the whole program.
    virtual void WarningBox(QWidget* parent, const QString& text, const QString& caption) = 0;
    // Stop icon, "OK"; modal to the whole program.
    virtual void ErrorBox(QWidget* parent, const QString& text, const QString& caption) = 0;
    // Question icon, "Yes" (default) and "No"; modal to the whole program. True for "Yes".
    virtual bool YesNo(QWidget* parent, const QString& text, const QString& title) = 0;
    // No icon, "OK"; returns when closed but leaves the program's windows usable meanwhile.
    virtual void Information(QWidget* parent, const QString& text, const QString& title) = 0;
    // The open dialog of the verification; the chosen full file name, or nullopt when cancelled.
    virtual std::optional<QString> OpenFile(QWidget* parent) = 0;
};

// The real boxes and the real open dialog.
class TQtDialogs final : public IAppDialogs {
  public:
    TQtDialogs();
    ~TQtDialogs() override;
    void WarningBox(QWidget* parent, const QString& text, const QString& caption) override;
    void ErrorBox(QWidget* parent, const QString& text, const QString& caption) override;
    bool YesNo(QWidget* parent, const QString& text, const QString& title) override;
    void Information(QWidget* parent, const QString& text, const QString& title) override;
    std::optional<QString> OpenFile(QWidget* parent) override;

  private:
    std::unique_ptr<TTopMostOpenDialog> OpenDialog;
    QString FLastChoice;
};

class TQtWindowOps final : public qs::IWindowOps {
  public:
    // arguments: the program's arguments without the program itself.
    TQtWindowOps(IAppDialogs& dialogs, QStringList arguments);

    // The main window: parent of the boxes, its caption, closed by EndProgram.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    // True once EndProgram was called.
    bool ProgramEnded() const { return programEnded_; }
    bool BusyCursor() const { return busy_; }
    int BeepCount() const { return beeps_; }

    int ArgumentCount() override;
    std::string FirstArgument() override;
    std::string ProgramFileName() override;
    bool FileExists(const std::string& fileName) override;
    void WarningBox(const std::string& text, const std::string& caption) override;
    std::optional<std::string> OpenFileChoice() override;
    void Beep() override;
    bool YesNoQuestion(const std::string& text, const std::string& title) override;
    void InformationBox(const std::string& text, const std::string& title) override;
    void ErrorBox(const std::string& text) override;
    void EndProgram() override;
    void SetBusyCursor(bool busy) override;
    std::string MainWindowCaption() override;

  private:
    // The main window while it is visible; before it is shown the boxes have no parent.
    QWidget* BoxParent() const;

    IAppDialogs& dialogs_;
    QStringList arguments_;
    QPointer<QWidget> mainWindow_;
    bool programEnded_ = false;
    bool busy_ = false;
    int beeps_ = 0;
};

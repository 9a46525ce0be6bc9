#include "app/windowops.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>

#include "app/textconv.h"
#include "app/topmostdialogs.h"
#include "core/merge.h"

using qsapp::CoreText;
using qsapp::DisplayText;

namespace {

// Texts of the boxes are never taken for rich text: a file name or a value
// from an extract is shown as written.
void ShowModalBox(QMessageBox::Icon icon, QWidget* parent, const QString& text,
                  const QString& caption) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

TQtDialogs::TQtDialogs() = default;
TQtDialogs::~TQtDialogs() = default;

void TQtDialogs::WarningBox(QWidget* parent, const QString& text, const QString& caption) {
    ShowModalBox(QMessageBox::Warning, parent, text, caption);
}

void TQtDialogs::ErrorBox(QWidget* parent, const QString& text, const QString& caption) {
    ShowModalBox(QMessageBox::Critical, parent, text, caption);
}

bool TQtDialogs::YesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void TQtDialogs::Information(QWidget* parent, const QString& text, const QString& title) {
    // Not modal: the main window stays usable while the box is open. The call
    // returns once the box is closed (or the program is told to end).
    QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    QObject::connect(box, &QObject::destroyed, &loop, &QEventLoop::quit);
    box->show();
    loop.exec();
    delete box.data();
}

std::optional<QString> TQtDialogs::OpenFile(QWidget* parent) {
    TTopMostOpenDialog dialog(parent);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(
        {QStringLiteral("Text files (*.txt)"), QStringLiteral("All files (*.*)")});
    dialog.selectNameFilter(QStringLiteral("Text files (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("TXT"));
    if (!FLastChoice.isEmpty()) {
        dialog.selectFile(FLastChoice);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    FLastChoice = dialog.selectedFiles().constFirst();
    return FLastChoice;
}

TQtWindowOps::TQtWindowOps(IAppDialogs& dialogs, QStringList arguments)
    : dialogs_(dialogs), arguments_(std::move(arguments)) {}

QWidget* TQtWindowOps::BoxParent() const {
    return mainWindow_ && mainWindow_->isVisible() ? mainWindow_.data() : nullptr;
}

int TQtWindowOps::ArgumentCount() {
    return static_cast<int>(arguments_.size());
}

std::string TQtWindowOps::FirstArgument() {
    return arguments_.isEmpty() ? std::string() : qsapp::FileNameFromQt(arguments_.constFirst());
}

std::string TQtWindowOps::ProgramFileName() {
    return CoreText(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

bool TQtWindowOps::FileExists(const std::string& fileName) {
    if (fileName.empty()) {
        return false;
    }
    const QFileInfo info(qsapp::FileNameToQt(fileName));
    return info.exists() && !info.isDir();
}

void TQtWindowOps::WarningBox(const std::string& text, const std::string& caption) {
    dialogs_.WarningBox(BoxParent(), DisplayText(text), DisplayText(caption));
}

std::optional<std::string> TQtWindowOps::OpenFileChoice() {
    const std::optional<QString> choice = dialogs_.OpenFile(BoxParent());
    if (!choice) {
        return std::nullopt;
    }
    return qsapp::FileNameFromQt(*choice);
}

void TQtWindowOps::Beep() {
    ++beeps_;
    QApplication::beep();
}

bool TQtWindowOps::YesNoQuestion(const std::string& text, const std::string& title) {
    return dialogs_.YesNo(BoxParent(), DisplayText(text), DisplayText(title));
}

void TQtWindowOps::InformationBox(const std::string& text, const std::string& title) {
    dialogs_.Information(BoxParent(), DisplayText(text), DisplayText(title));
}

void TQtWindowOps::ErrorBox(const std::string& text) {
    dialogs_.ErrorBox(BoxParent(), DisplayText(text), QString::fromLatin1(qs::kApplicationTitle));
}

void TQtWindowOps::EndProgram() {
    programEnded_ = true;
    if (mainWindow_) {
        mainWindow_->close();
    }
}

void TQtWindowOps::SetBusyCursor(bool busy) {
    if (busy == busy_) {
        return;
    }
    busy_ = busy;
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

std::string TQtWindowOps::MainWindowCaption() {
    return mainWindow_ ? CoreText(mainWindow_->windowTitle()) : std::string();
}

// The template window: the template text in a read-only memo, with printing
// and saving.
#include "app/templatewindow.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <exception>

#include "app/autosize.h"
#include "app/textconv.h"
#include "app/topmostdialogs.h"
#include "core/errors.h"
#include "core/importfile.h"
#include "core/merge.h"

namespace {

// Widths of the bytes of UTF-8 text in the printer's font: a character's lead
// byte carries its width, the continuation bytes none.
class TQtPrintMetrics final : public qs::IPrintFontMetrics {
  public:
    explicit TQtPrintMetrics(const QFontMetrics& fm)
        : textHeight_(fm.height()), fontHeight_(fm.ascent() + fm.descent()) {
        const int wide = fm.horizontalAdvance(QLatin1Char('M'));
        for (int c = 0; c < 256; ++c) {
            if (c < 0x80) {
                widths_[c] = fm.horizontalAdvance(QChar(c));
            } else {
                widths_[c] = (c & 0xC0) == 0x80 ? 0 : wide;
            }
        }
    }
    int CharWidth(unsigned char c) const override { return widths_[c]; }
    int TextHeight() const override { return textHeight_; }
    int FontHeight() const override { return fontHeight_; }

  private:
    std::array<int, 256> widths_{};
    int textHeight_;
    int fontHeight_;
};

// Ends a begun print job in every case, also when printing a line fails.
class TPrintJob {
  public:
    explicit TPrintJob(QPainter& painter) : painter_(painter) {}
    ~TPrintJob() {
        if (painter_.isActive())
            painter_.end();
    }
    bool End() { return painter_.end(); }

  private:
    QPainter& painter_;
};

// The memo's font: Courier New, bold, 10 point, or the platform's fixed-pitch font.
QFont MemoFont() {
    QFont font;
    if (QFontDatabase::families().contains(QStringLiteral("Courier New"), Qt::CaseInsensitive)) {
        font = QFont(QStringLiteral("Courier New"));
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

}  // namespace

std::optional<QString> TQtTemplateDialogs::ExecuteSave(TTopMostSaveDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first();
}

bool TQtTemplateDialogs::ExecutePrinterSetup(TTopMostPrinterSetupDialog& dialog) {
    // The busy cursor covers the time until the dialog is up; while the user
    // works in it the pointer has its normal shape.
    QTimer::singleShot(0, &dialog, [] {
        if (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
        }
    });
    return dialog.exec() == QDialog::Accepted;
}

void TQtTemplateDialogs::ErrorBox(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

TfmTemplate::TfmTemplate(QWidget* form1) : QDialog(nullptr), form1_(form1) {
    setObjectName(QStringLiteral("fmTemplate"));
    setWindowTitle(QStringLiteral("Data Extract Template"));
    // Fixed dialog border: a close box, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // Designed at 96 pixels per inch.
    const double scale = logicalDpiY() / 96.0;
    auto s = [scale](int v) { return qRound(v * scale); };
    auto rect = [&](int left, int top, int width, int height) {
        return QRect(s(left), s(top), s(left + width) - s(left), s(top + height) - s(top));
    };

    RzMemo1 = new QPlainTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setGeometry(rect(0, 0, 688, 405));
    RzMemo1->setReadOnly(true);
    RzMemo1->setFont(MemoFont());
    RzMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setFocusPolicy(Qt::ClickFocus);  // skipped by the Tab key
    RzMemo1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    RzPanel1 = new QFrame(this);
    RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
    RzPanel1->setGeometry(rect(0, 405, 688, 41));
    // A bump-style line on the panel's top side only.
    auto* topLine = new QFrame(RzPanel1);
    topLine->setFrameStyle(QFrame::HLine | QFrame::Raised);
    topLine->setGeometry(0, 0, RzPanel1->width(), 2);

    auto button = [&](const char* name, const char* caption, int left) {
        auto* b = new QPushButton(QString::fromLatin1(caption), RzPanel1);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(rect(left, 9, 75, 25));
        b->setAutoDefault(false);
        return b;
    };
    bPrint = button("bPrint", "&Print", 10);
    bSave = button("bSave", "&Save", 93);
    bClose = button("bClose", "&Close", 604);
    setTabOrder(bPrint, bSave);
    setTabOrder(bSave, bClose);
    connect(bPrint, &QPushButton::clicked, this, &TfmTemplate::bPrintClick);
    connect(bSave, &QPushButton::clicked, this, &TfmTemplate::bSaveClick);
    connect(bClose, &QPushButton::clicked, this, &TfmTemplate::bCloseClick);

    SaveDialog_ = std::make_unique<TTopMostSaveDialog>(this);
    SaveDialog_->setObjectName(QStringLiteral("SaveDialog"));
    SaveDialog_->setFileMode(QFileDialog::AnyFile);
    SaveDialog_->setDefaultSuffix(QStringLiteral("TXT"));
    SaveDialog_->setNameFilter(QStringLiteral("Text Files (*.txt)"));
    SaveDialog_->setOption(QFileDialog::DontConfirmOverwrite, false);
    SaveDialog_->setSizeGripEnabled(true);

    // The size marker gives the client area its designed size, now and at
    // the first showing.
    AutoSize1 = new TAutoSize(this);
    AutoSize1->SetBounds(rect(686, 444, 2, 2));

    FormCreate();
}

TfmTemplate::~TfmTemplate() = default;

void TfmTemplate::FormCreate() {
    // The main window's outer size; the frame is whatever this window has.
    // The size is fixed: the user cannot resize the window.
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(form1_ != nullptr ? form1_->frameGeometry().size() - frame : size());
}

void TfmTemplate::FormShow() {
    if (form1_ != nullptr)
        move(form1_->pos());
}

void TfmTemplate::setVisible(bool visible) {
    if (visible && !isVisible())
        FormShow();
    QDialog::setVisible(visible);
}

void TfmTemplate::SetTemplateLines(const qs::TStringList& lines) {
    lines_ = lines;
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        text.append(qsapp::DisplayText(line));
    RzMemo1->setPlainText(text.join(QLatin1Char('\n')));
}

qs::TStringList TfmTemplate::TemplateLines() const {
    return lines_;
}

int TfmTemplate::ShowModal() {
    return exec();
}

void TfmTemplate::SetDialogs(ITemplateDialogs* dialogs) {
    dialogs_ = dialogs;
}

ITemplateDialogs& TfmTemplate::Dialogs() {
    if (dialogs_ != nullptr)
        return *dialogs_;
    return qtDialogs_;
}

QPrinter& TfmTemplate::Printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

TTopMostPrinterSetupDialog& TfmTemplate::TopMostPrinterSetupDialog1() {
    if (!printerSetupDialog_) {
        printerSetupDialog_ = std::make_unique<TTopMostPrinterSetupDialog>(&Printer(), this);
        printerSetupDialog_->setObjectName(QStringLiteral("TopMostPrinterSetupDialog1"));
    }
    return *printerSetupDialog_;
}

QString TfmTemplate::FirstLine() const {
    return lines_.empty() ? QString() : qsapp::DisplayText(lines_.front());
}

void TfmTemplate::ShowError(const std::string& message) {
    Dialogs().ErrorBox(this, qsapp::DisplayText(qs::ErrorBoxText(message)),
                       QString::fromLatin1(qs::kApplicationTitle));
}

void TfmTemplate::bCloseClick() {
    close();
}

void TfmTemplate::bSaveClick() {
    SaveDialog_->setWindowTitle(QStringLiteral("SAVE ") + FirstLine() +
                                QStringLiteral(" TEMPLATE"));
    SaveDialog_->selectFile(FirstLine() + QStringLiteral(" TEMPLATE.txt"));
    const std::optional<QString> fileName = Dialogs().ExecuteSave(*SaveDialog_);
    if (!fileName)
        return;
    try {
        // Written like the import file: the old file is replaced only by a complete one.
        qs::WriteImportFile(qsapp::FileNameFromQt(*fileName), lines_);
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfmTemplate::bPrintClick() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    bool accepted = false;
    try {
        accepted = Dialogs().ExecutePrinterSetup(TopMostPrinterSetupDialog1());
    } catch (...) {
        QGuiApplication::restoreOverrideCursor();
        throw;
    }
    QGuiApplication::restoreOverrideCursor();
    if (!accepted)
        return;
    try {
        PrintTemplate(Printer());
    } catch (const std::exception& e) {
        ShowError(e.what());
    }
}

void TfmTemplate::PrintTemplate(QPrinter& printer) {
    QFont font = RzMemo1->font();
    font.setPointSize(10);
    printer.setDocName(FirstLine() + QStringLiteral(" DATA EXTRACT TEMPLATE"));

    // The layout works on UTF-8 bytes, so that a character is never split.
    qs::TStringList printLines;
    printLines.reserve(lines_.size());
    for (const std::string& line : lines_) {
        printLines.push_back(qsapp::DisplayText(line).toUtf8().toStdString());
    }

    lastPrintout_.clear();
    QPainter painter;
    if (!painter.begin(&printer)) {
        const QString target =
            printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw qs::EMergeError("Cannot start the print job on \"" + qsapp::FileNameFromQt(target) +
                              "\"");
    }
    TPrintJob job(painter);
    painter.setFont(font);
    const QFontMetrics fm(font, &printer);
    const TQtPrintMetrics metrics(fm);
    lastPrintout_ = qs::LayoutPrintout(printLines, metrics, printer.width(), printer.height());

    for (std::size_t p = 0; p < lastPrintout_.size(); ++p) {
        if (p > 0 && !printer.newPage()) {
            throw qs::EMergeError("Cannot start a new page of the print job");
        }
        for (const qs::TPrintedLine& line : lastPrintout_[p]) {
            if (line.text.empty())
                continue;
            painter.drawText(
                QPoint(0, line.y + fm.ascent()),
                QString::fromUtf8(line.text.data(), static_cast<qsizetype>(line.text.size())));
        }
    }
    if (!job.End())
        throw qs::EMergeError("Cannot finish the print job");
}

// The template window: size and place, the memo, saving and printing through
// scripted dialogs.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "app/templatewindow.h"
#include "app/topmostdialogs.h"
#include "core/schema.h"
#include "core/template_text.h"

namespace {

qs::TStringList TemplateFor(const char* formName, bool allTicked) {
    qs::TStringList schema;
    qs::LoadSchema(static_cast<std::uint8_t>(qs::FindCatalogIndex(formName)), schema);
    std::vector<qs::TFieldRow> rows;
    for (const std::string& d : schema) {
        rows.push_back({d.substr(1), d.substr(0, 1), allTicked || rows.size() % 10 == 0});
    }
    return qs::BuildTemplateText(formName, rows, "QS2017DM");
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("(missing)");
    return file.readAll();
}

// Answers the window's dialogs as a test script says and records what they showed.
class TScriptedDialogs : public ITemplateDialogs {
  public:
    std::optional<QString> saveChoice;
    std::optional<QString> pdfFile;  // printer-setup: print to this PDF; nullopt cancels

    int saveCalls = 0;
    QString saveTitle;
    QString proposedName;
    int setupCalls = 0;
    bool busyDuringSetup = false;
    QStringList errors;
    QStringList errorCaptions;

    std::optional<QString> ExecuteSave(TTopMostSaveDialog& dialog) override {
        ++saveCalls;
        saveTitle = dialog.windowTitle();
        proposedName = QFileInfo(dialog.selectedFiles().value(0)).fileName();
        return saveChoice;
    }
    bool ExecutePrinterSetup(TTopMostPrinterSetupDialog& dialog) override {
        ++setupCalls;
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busyDuringSetup = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        if (!pdfFile)
            return false;
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(*pdfFile);
        return true;
    }
    void ErrorBox(QWidget*, const QString& text, const QString& caption) override {
        errors << text;
        errorCaptions << caption;
    }
};

int Scaled(const QWidget& w, int v) {
    return qRound(v * w.logicalDpiY() / 96.0);
}

}  // namespace

class TestTemplateWindow : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        form1_ = std::make_unique<QWidget>();
        form1_->resize(686, 453);
        form1_->move(40, 30);
        window_ = std::make_unique<TfmTemplate>(form1_.get());
        window_->SetDialogs(&dialogs_);
        dialogs_ = TScriptedDialogs();
        tempDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(tempDir_->isValid());
    }
    void cleanup() {
        tempDir_.reset();
        window_.reset();
        form1_.reset();
    }

    void sizeAndPlace() {
        TfmTemplate& w = *window_;
        QCOMPARE(w.windowTitle(), QString("Data Extract Template"));
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        // Created hidden with the main window's outer size.
        QVERIFY(!w.isVisible());
        QCOMPARE(w.frameGeometry().size(), form1_->frameGeometry().size());

        const QSize client(Scaled(w, 688), Scaled(w, 446));
        for (QPoint mainPos : {QPoint(40, 30), QPoint(200, 120)}) {
            form1_->move(mainPos);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.size(), client);
            QCOMPARE(w.minimumSize(), client);
            QCOMPARE(w.maximumSize(), client);
            QCOMPARE(w.pos(), form1_->pos());
            w.hide();
        }
    }

    void controls() {
        TfmTemplate& w = *window_;
        auto* memo = w.findChild<QPlainTextEdit*>("RzMemo1");
        QVERIFY(memo);
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(memo->font().bold());
        QCOMPARE(memo->font().pointSize(), 10);
        QVERIFY(QFontInfo(memo->font()).fixedPitch());
        QCOMPARE(memo->geometry(), QRect(0, 0, Scaled(w, 688), Scaled(w, 405)));

        auto* panel = w.findChild<QWidget*>("RzPanel1");
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), QRect(0, Scaled(w, 405), Scaled(w, 688), Scaled(w, 41)));
        struct Button {
            const char* name;
            const char* caption;
            int left;
        };
        for (const Button& b : {Button{"bPrint", "&Print", 10}, Button{"bSave", "&Save", 93},
                                Button{"bClose", "&Close", 604}}) {
            auto* button = w.findChild<QPushButton*>(b.name);
            QVERIFY2(button, b.name);
            QCOMPARE(button->parentWidget(), panel);
            QCOMPARE(button->text(), QString(b.caption));
            QCOMPARE(button->geometry(),
                     QRect(Scaled(w, b.left), Scaled(w, 9), Scaled(w, 75), Scaled(w, 25)));
        }

        // Tab goes round the three buttons; the memo is skipped.
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QApplication::setActiveWindow(&w);
        w.findChild<QPushButton*>("bPrint")->setFocus();
        for (const char* next : {"bSave", "bClose", "bPrint", "bSave"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(next));
        }
    }

    void closeEndsTheModalShowing() {
        QTimer::singleShot(0, window_.get(),
                           [this] { window_->findChild<QPushButton*>("bClose")->click(); });
        window_->ShowModal();
        QVERIFY(!window_->isVisible());
    }

    void linesAreReplacedWhole() {
        TfmTemplate& w = *window_;
        auto* memo = w.findChild<QPlainTextEdit*>("RzMemo1");
        w.SetTemplateLines(TemplateFor("W-2", false));
        const qs::TStringList misc = TemplateFor("1099-MISC", true);
        w.SetTemplateLines(misc);
        QCOMPARE(w.TemplateLines(), misc);
        QCOMPARE(memo->blockCount(), 77);
        QStringList expected;
        for (const std::string& line : misc)
            expected << QString::fromStdString(line);
        QCOMPARE(memo->toPlainText(), expected.join('\n'));
        // Bytes above 127 survive in the lines (the file and printout use them).
        w.SetTemplateLines({"FORM Caf\xe9", ""});
        QCOMPARE(w.TemplateLines(), qs::TStringList({"FORM Caf\xe9", ""}));
        QCOMPARE(memo->toPlainText(), QString::fromLatin1("FORM Caf\xe9\n"));
    }

    void saveWritesEveryLineWithCrLf() {
        TfmTemplate& w = *window_;
        const qs::TStringList lines = TemplateFor("1099-MISC", false);
        w.SetTemplateLines(lines);
        const QString path = Dir().filePath("FORM 1099-MISC TEMPLATE.txt");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(20000, 'z'));
        old.close();

        dialogs_.saveChoice = path;
        w.findChild<QPushButton*>("bSave")->click();
        QCOMPARE(dialogs_.saveTitle, QString("SAVE FORM 1099-MISC TEMPLATE"));
        QCOMPARE(dialogs_.proposedName, QString("FORM 1099-MISC TEMPLATE.txt"));
        QCOMPARE(w.SaveDialog().defaultSuffix(), QString("TXT"));
        QCOMPARE(w.SaveDialog().nameFilters(), QStringList{"Text Files (*.txt)"});
        QCOMPARE(w.SaveDialog().acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!w.SaveDialog().testOption(QFileDialog::DontConfirmOverwrite));

        QByteArray expected;
        for (const std::string& line : lines)
            expected += QByteArray::fromStdString(line) + "\r\n";
        QCOMPARE(ReadAll(path), expected);
        QVERIFY(ReadAll(path).contains("{END DATA}\r\n\r\nINSTRUCTIONS"));
        QVERIFY(dialogs_.errors.isEmpty());
        QCOMPARE(QDir(Dir().path()).entryList(QDir::Files),
                 QStringList{"FORM 1099-MISC TEMPLATE.txt"});

        // Single bytes, unchanged.
        w.SetTemplateLines({"FORM Caf\xe9", "\t\"x\""});
        w.findChild<QPushButton*>("bSave")->click();
        QCOMPARE(ReadAll(path), QByteArray("FORM Caf\xe9\r\n\t\"x\"\r\n"));
        QCOMPARE(dialogs_.saveTitle, QString::fromLatin1("SAVE FORM Caf\xe9 TEMPLATE"));
    }

    void cancelledSaveWritesNothing() {
        window_->SetTemplateLines(TemplateFor("W-2", false));
        dialogs_.saveChoice.reset();
        window_->bSaveClick();
        QCOMPARE(dialogs_.saveCalls, 1);
        QVERIFY(QDir(Dir().path()).entryList(QDir::Files).isEmpty());
        QVERIFY(dialogs_.errors.isEmpty());
    }

    void saveFailureIsShownInTheErrorBox() {
        window_->SetTemplateLines(TemplateFor("W-2", false));
        const QString path = Dir().filePath("missing/FORM W-2 TEMPLATE.txt");
        dialogs_.saveChoice = path;
        window_->bSaveClick();
        QCOMPARE(dialogs_.errors,
                 QStringList{"Cannot create file \"" + path + "\". No such file or directory."});
        QCOMPARE(dialogs_.errorCaptions, QStringList{"Quillstone Data Merge Module "});
        QVERIFY(!QFileInfo::exists(Dir().filePath("missing")));
    }

    void printsTheTemplateToPdf() {
        TfmTemplate& w = *window_;
        const qs::TStringList lines = TemplateFor("1099-MISC", true);
        w.SetTemplateLines(lines);
        const QString pdf = Dir().filePath("template.pdf");
        dialogs_.pdfFile = pdf;
        w.findChild<QPushButton*>("bPrint")->click();

        QVERIFY(dialogs_.errors.isEmpty());
        QCOMPARE(dialogs_.setupCalls, 1);
        QVERIFY(dialogs_.busyDuringSetup);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QCOMPARE(w.Printer().docName(), QString("FORM 1099-MISC DATA EXTRACT TEMPLATE"));

        // 77 printed lines in template order, each at the top of its page or
        // below the one before it.
        std::vector<std::string> printed;
        for (const qs::TPrintedPage& page : w.LastPrintout()) {
            QVERIFY(!page.empty());
            QCOMPARE(page.front().y, 0);
            for (std::size_t i = 0; i < page.size(); ++i) {
                if (i > 0)
                    QVERIFY(page[i].y > page[i - 1].y);
                printed.push_back(page[i].text);
            }
        }
        QCOMPARE(printed, lines);
        QVERIFY(w.LastPrintout().size() >= 2);  // 77 lines at 10 points fill more than a page

        const QByteArray bytes = ReadAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY(bytes.contains("/Font"));  // text was drawn
        const qsizetype pages =
            QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page(?!s)"));
        QCOMPARE(pages, static_cast<qsizetype>(w.LastPrintout().size()));
    }

    void cancelledPrinterSetupPrintsNothing() {
        window_->SetTemplateLines(TemplateFor("W-2", false));
        dialogs_.pdfFile.reset();
        window_->bPrintClick();
        QCOMPARE(dialogs_.setupCalls, 1);
        QVERIFY(dialogs_.busyDuringSetup);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QVERIFY(window_->LastPrintout().empty());
        QVERIFY(dialogs_.errors.isEmpty());
    }

    void printFailureIsShownInTheErrorBox() {
        window_->SetTemplateLines(TemplateFor("W-2", false));
        const QString pdf = Dir().filePath("missing/template.pdf");
        dialogs_.pdfFile = pdf;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        window_->bPrintClick();
        QCOMPARE(dialogs_.errors, QStringList{"Cannot start the print job on \"" + pdf + "\""});
        QCOMPARE(dialogs_.errorCaptions, QStringList{"Quillstone Data Merge Module "});
        QVERIFY(!QFileInfo::exists(pdf));
    }

  private:
    QTemporaryDir& Dir() { return *tempDir_; }

    std::unique_ptr<QTemporaryDir> tempDir_;
    TScriptedDialogs dialogs_;
    std::unique_ptr<QWidget> form1_;
    std::unique_ptr<TfmTemplate> window_;
};

QTEST_MAIN(TestTemplateWindow)
#include "tst_templatewindow.moc"

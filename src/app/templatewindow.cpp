// Placeholder template window; replaced by the full window.
#include "app/templatewindow.h"

TfmTemplate::TfmTemplate(QWidget* form1) : QDialog(nullptr), form1_(form1) {
    setWindowTitle("Data Extract Template");
}

void TfmTemplate::SetTemplateLines(const qs::TStringList& lines) { lines_ = lines; }

qs::TStringList TfmTemplate::TemplateLines() const { return lines_; }

int TfmTemplate::ShowModal() { return exec(); }

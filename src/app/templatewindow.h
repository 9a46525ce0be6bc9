#pragma once
// The template window "Data Extract Template" (fmTemplate).
#include <QDialog>

#include "core/stringlist.h"

class TfmTemplate : public QDialog {
    Q_OBJECT
public:
    // Created once at program start, hidden; takes the main window's outer size.
    explicit TfmTemplate(QWidget* form1);

    // Replaces the memo's whole text with these lines.
    void SetTemplateLines(const qs::TStringList& lines);
    qs::TStringList TemplateLines() const;
    // Shows the window modally, placed on the main window's top-left corner.
    int ShowModal();

private:
    QWidget* form1_;
    qs::TStringList lines_;
};

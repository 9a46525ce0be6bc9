#include "app/topmostdialogs.h"

TTopMostOpenDialog::TTopMostOpenDialog(QWidget* parent) : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptOpen);
}

TTopMostSaveDialog::TTopMostSaveDialog(QWidget* parent) : QFileDialog(parent) {
    setAcceptMode(QFileDialog::AcceptSave);
}

TTopMostPrinterSetupDialog::TTopMostPrinterSetupDialog(QPrinter* printer, QWidget* parent)
    : QPrintDialog(printer, parent) {}

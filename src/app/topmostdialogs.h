#pragma once
// The common dialogs the windows place on themselves: the platform's open,
// save and printer-setup dialogs, unchanged in look and behaviour.
#include <QFileDialog>
#include <QPrintDialog>

class TTopMostOpenDialog : public QFileDialog {
    Q_OBJECT
  public:
    explicit TTopMostOpenDialog(QWidget* parent = nullptr);
};

class TTopMostSaveDialog : public QFileDialog {
    Q_OBJECT
  public:
    explicit TTopMostSaveDialog(QWidget* parent = nullptr);
};

class TTopMostPrinterSetupDialog : public QPrintDialog {
    Q_OBJECT
  public:
    explicit TTopMostPrinterSetupDialog(QPrinter* printer, QWidget* parent = nullptr);
};

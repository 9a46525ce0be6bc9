#pragma once
// The main window Form1: the form combo, the field list, the hint pane and the
// two buttons. The window is a mirror of the core's field selection and a
// front for the two drivers; all logic lives in qs::TDataMerge.
#include <QWidget>

#include "core/clock.h"
#include "core/merge.h"
#include "core/services.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TAutoSize;
class TfmTemplate;

class TForm1 : public QWidget, private qs::IFieldSelectionView {
    Q_OBJECT
  public:
    TForm1(qs::IWindowOps& ops, qs::IRegistry& registry, const qs::IClock& clock,
           QWidget* parent = nullptr);
    ~TForm1() override;

    // The template window that "Display Template" opens (created hidden at start).
    void SetTemplateWindow(TfmTemplate* window) { fmTemplate = window; }

    // Program start: centres the window, runs the unattended mode and then shows
    // the window, unless the unattended run ended the program. False when it did.
    bool Start();

    qs::TDataMerge& Merge() { return FMerge; }
    qs::TFieldSelection& Selection() { return FMerge.Selection(); }

    // Designed size scaled to the screen's logical dots per inch.
    int Scaled(int designed) const;

    // The controls.
    QComboBox* coForm = nullptr;
    QPushButton* bDisplay = nullptr;
    QPushButton* bVerify = nullptr;
    QTreeWidget* lvDestination = nullptr;
    QLabel* TypeStatus = nullptr;
    TAutoSize* AutoSize1 = nullptr;

    void bDisplayClick();
    void bVerifyClick();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void FormCreate();
    void FormShow();

    // The user's actions, forwarded to the core.
    void coFormTextEdited(const QString& typed);
    void coFormActivated(int index);
    void lvDestinationItemChanged(QTreeWidgetItem* item, int column);
    void lvDestinationSelectionChanged();
    void RememberComboEditState();

    // Mirroring of the core's models.
    void HeaderTextChanged() override;
    void RowsCleared() override;
    void RowAppended(int row) override;
    void RowCheckChanged(int row) override;
    void SelectedRowChanged() override;
    void StatusTextChanged() override;
    void DisplayEnabledChanged() override;
    void ComboChanged() override;
    void MirrorAll();

    qs::IWindowOps& FOps;
    qs::TDataMerge FMerge;
    TfmTemplate* fmTemplate = nullptr;
    double FScale = 1.0;
    // Set while the window copies the core's state into the controls, so that
    // the controls' own change signals are not taken for the user's actions.
    int FMirroring = 0;
    bool FClosed = false;
    // The combo's edit text and marked length before the latest edit.
    QString FEditText;
    qsizetype FEditMarked = 0;
};

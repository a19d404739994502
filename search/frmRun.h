#pragma once
// The run dialog: how a run in World transits ends, when the user stops it or when a
// chosen aspect pattern (at least a given number of them) is present, and whether it
// steps quickly. Run and Cancel only hide it, so its settings stay for the next run; its
// close box cancels and unloads it.

#include <QDialog>

#include "search/RunUntil.h"

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class frmRun : public QDialog {
    Q_OBJECT
  public:
    // Loads the dialog hidden: font Arial, the main window's background colour and icon,
    // the count list "2" to "9" with "2" chosen and disabled, "Run until stopped" chosen.
    explicit frmRun(QWidget* mainWindow);

    // Shows the dialog modally with its captions and the pattern list in the current
    // language and the remembered pattern chosen; its bottom stands 120 twips above the
    // main window's bottom, its left 120 twips left of anchor's left edge. Returns when Run
    // or Cancel has hidden it or its close box has closed it.
    void ShowModal(const QWidget* anchor);

    // What the stop test reads after Run: the pattern searched (-1 until stopped) and the
    // minimum count.
    ZDR::RunUntilSettings RunUntil() const;

    // Whether "Run quickly" is ticked.
    bool RunQuickly() const;

    // The dialog was cancelled (Cancel or its close box).
    bool blnCancel = false;
    // The pattern index the run searches; -1: run until stopped.
    int16_t intAspectPatternToFind = -1;
    // The close box closed the dialog: its owner unloads it.
    bool blnUnloaded = false;

    QRadioButton* optRunUntilStopped = nullptr;
    QRadioButton* optRunUntilFinding = nullptr;
    QComboBox* cboAspectPattern = nullptr;
    QLabel* lblGefunden = nullptr;
    QCheckBox* chkTwoOrMore = nullptr;
    QComboBox* cboNumToFind = nullptr;
    QCheckBox* chkRunQuickly = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdCancel = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void SetLanguageDependentText();
    void PlaceAboveMainWindow(const QWidget* anchor);
    void cboAspectPattern_Click(int index);
    void optRunUntilStopped_Click();
    void optRunUntilFinding_Click();
    void chkTwoOrMore_Click();
    void cmdRun_Click();
    void cmdCancel_Click();

    QWidget* m_frmMainWindow;
    int m_intRememberedPattern = -1;
};

#pragma once
// The durations window: every aspect of the main window's table with its beginning, end
// and duration, sortable, in World transits and personal transits; a description of the
// chart in sentences in the natal modes and in synastry. The text can be copied to the
// clipboard. Created on first use and kept; Close hides it.

#include <QDialog>
#include <string>
#include <vector>

#include "engine/AspectTable.h"
#include "engine/Compute.h"
#include "engine/Durations.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// What the durations window reports on: the last computation and the main window's dates.
struct DurationsRequest {
    const ZDR::ComputeResult* pudtChart = nullptr;  // the last computation
    ZDR::TimingContext udtContext;                  // its mode, dates, world timezone and options
    std::string strDateText[3];                     // the three date sets in words
    int intTableTop = 0;                            // twips, the table's top in the main window
};

class frmDurations : public QDialog {
    Q_OBJECT
  public:
    explicit frmDurations(QWidget* mainWindow);

    // Builds the records of the request's chart (its table and longitudes) and
    // shows the window beside the main window, not modal: the sortable list in the transit
    // modes, the chart's description otherwise.
    void Report(const DurationsRequest& request);

    // The records in their current order.
    const std::vector<std::string>& Records() const { return strAspectRecord; }

    QLabel* lblTitle = nullptr;
    QLabel* lblSortBy = nullptr;
    QComboBox* cboSortBy = nullptr;
    QCheckBox* chkShowDuration = nullptr;
    QPlainTextEdit* txbOutput = nullptr;
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdClose = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateControls();
    void ArrangeControls();
    void PlaceBesideMainWindow();
    void FormActivate();
    void FillSortList();
    void cboSortBy_Click(int index);
    void ShowDurationList();
    void ShowChartDescription();
    void cmdCopy_Click();
    void cmdClose_Click();

    QWidget* m_frmMain;
    DurationsRequest m_udtRequest;
    std::vector<std::string> strAspectRecord;
    std::string m_strText;  // the text shown, with CR LF line ends
    ZDR::DurationColumns intColumnWidth{};
    bool blnSuppressSortEvent = false;
};

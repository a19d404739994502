#pragma once
// The transit calendar window: every transit of a period for the mode and dates of the main
// window, as a sortable and filterable list and as a timeline, computed a stretch at a time
// on the event loop (a progress bar with Cancel; the window never freezes), exported as
// iCalendar or CSV. A double-click sets the world date to the transit's first exact moment
// and computes. Created on first use and kept; Close hides it.

#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <vector>

#include "astro/DateInput.h"
#include "calendar/TransitCalendar.h"
#include "engine/Compute.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class CalendarTimeline;

// What the calendar window shows the transits of: the main window's mode and dates.
struct CalendarWindowRequest {
    int16_t intModeCode = 0;  // World transits or one of the personal transits
    double dblNatalJD = 0;    // JD (UT) of the birth date in personal transits
    // Its Ascendant and Midheaven (radians) where they take part in aspects, else negative.
    double dblNatalAngle[ZDR::intNumAngles] = {-1, -1};
    int32_t lngWorldDay = 0;  // JDN of the world date's local date: the first period
    int16_t intTimeZone = 0;  // world timezone, minutes east of Greenwich
    // Sets the world date to a moment, JD (UT), and computes.
    std::function<void(double)> ShowMoment;
};

class frmCalendar : public QDialog {
    Q_OBJECT
  public:
    explicit frmCalendar(QWidget* mainWindow);
    ~frmCalendar() override;

    // Shows the window for the request, not modal, and computes the next three months
    // from the world date.
    void ShowFor(const CalendarWindowRequest& request);

    // Opens the calendar of mainWindow (made on first use) for the last computation and the
    // world date set on display: in World and personal transits it shows the window and
    // computes; in the other modes it says what the calendar needs. A moment chosen by a
    // double-click goes to setWorldDate as a world date set in the same timezone, and then
    // compute is clicked.
    static void Open(QWidget* mainWindow, const ZDR::ComputeResult& result,
                     const DatePr2::DateSetInput& world, QPushButton* compute,
                     std::function<void(const DatePr2::DateSetInput&)> setWorldDate);

    // The passages found by the last computation, in the order found.
    const std::vector<ZDR::Passage>& Passages() const { return m_udtPassages; }
    // Whether a computation is running.
    bool Computing() const;
    // The moment the timeline marks as now, JD (UT); the clock's when not set.
    void SetNowJD(double jd);

    QLabel* lblTitle = nullptr;
    QDateEdit* dtpFrom = nullptr;
    QDateEdit* dtpTo = nullptr;
    QComboBox* cboQuick = nullptr;
    QCheckBox* chkMoon = nullptr;
    QPushButton* cmdCompute = nullptr;
    QComboBox* cboBody = nullptr;
    QComboBox* cboAspect = nullptr;
    QTreeWidget* lstPassages = nullptr;
    CalendarTimeline* picTimeline = nullptr;
    QProgressBar* prgCompute = nullptr;
    QPushButton* cmdCancel = nullptr;
    QLabel* lblStatus = nullptr;
    QCheckBox* chkIcsExact = nullptr;
    QPushButton* cmdExportIcs = nullptr;
    QPushButton* cmdExportCsv = nullptr;
    QPushButton* cmdClose = nullptr;

    // Starts computing the period of the date boxes (a message for a bad period).
    void cmdCompute_Click();
    // Stops the computation; the list keeps what was found.
    void cmdCancel_Click();
    // Asks for a file and writes the transits shown as iCalendar (true) or CSV.
    void Export(bool blnICalendar);
    // Sets the world date to the first exact moment of the item's transit and computes.
    void lstPassages_DoubleClick(QTreeWidgetItem* item);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateControls();
    void SetTexts();
    void cboQuick_Click(int index);
    void ComputeStretch();
    void AddPassages(std::size_t first);
    bool Shown(const ZDR::Passage& p) const;
    void ApplyFilter();
    void RefreshTimeline();
    void FinishComputation(bool blnCancelled);
    std::vector<ZDR::Passage> ShownPassages() const;
    bool Personal() const;

    QWidget* m_frmMain;
    CalendarWindowRequest m_udtRequest;
    ZDR::CalendarRequest m_udtCalendar;
    std::unique_ptr<ZDR::CalendarWalker> m_walker;
    QTimer* m_timer = nullptr;
    QScrollArea* m_scroll = nullptr;
    QElapsedTimer m_timelineClock;
    std::vector<ZDR::Passage> m_udtPassages;
    bool m_blnSuppressQuick = false;
};

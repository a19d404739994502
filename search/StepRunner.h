#pragma once
// Stepping the main window's world date: Back and Forward by the size chosen in the step
// list, the continuous run paced by Timer2, the run until a pattern forms with its dialog,
// and the rules that keep the step controls and the Run button usable only when they may
// be used. The main window hands over its controls and operations (StepRunnerLink) and
// calls the handlers below.

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

#include "astro/DateInput.h"
#include "engine/Compute.h"
#include "search/RunUntil.h"

class QComboBox;
class QEventLoop;
class QPushButton;
class QTimer;
class QWidget;
class frmRun;

// What the runner works with of the main window.
struct StepRunnerLink {
    QWidget* frmMainWindow = nullptr;              // locked during a run; parent of frmRun
    std::array<QPushButton*, 2> cmdForwardBack{};  // 0 Forward, 1 Back
    QComboBox* cboForwardBack = nullptr;           // the step sizes
    QPushButton* cmdRun = nullptr;                 // Run, and Stop while a run is active
    QWidget* cmdToggleGraphic = nullptr;           // the chart/table button, where frmRun stands
    std::vector<QWidget*> udtUsableDuringRun;      // Quit and the report boxes
    // The world date's controls as plain values, and writing them back.
    std::function<DatePr2::DateSetInput()> WorldDate;
    std::function<void(const DatePr2::DateSetInput&)> SetWorldDate;
    // Runs the compute driver; false when it stopped at an invalid date (shown already).
    std::function<bool()> Compute;
    // Shows the input error of the world date for a date code -1..-4.
    std::function<void(double)> ShowWorldDateError;
    // The mode code 1..6 of the selected mode button, and the last computation (its mode
    // code, and the pattern counts its report stored).
    std::function<int16_t()> SelectedModeCode;
    std::function<const ZDR::ComputeResult&()> LastComputation;
};

class StepRunner : public QObject {
    Q_OBJECT
  public:
    // Connects the step controls, the Run button and Timer2 to the handlers below.
    explicit StepRunner(StepRunnerLink link, QObject* parent = nullptr);
    ~StepRunner() override;

    // Back (index 1) or Forward (0): one step of the world date and a computation; with a
    // run active, Forward keeps stepping at the run's pace until the run ends.
    void cmdForwardBack_Click(int index);

    // Starts a run (in World transits after the run dialog) or stops the active one. After
    // a find the run dialog comes back with the same settings, to search on.
    void cmdRun_Click();

    // A choice in the step list: the focus goes to Forward when it can take it.
    void cboForwardBack_Click();

    // Timer2's tick: the wait for the next step of a run is over.
    void Timer2_Timer();

    // Enables or disables Back, Forward and the step list (the mode buttons' rule).
    void EnableStepControls(bool blnEnabled);

    // False disables every control of the main window but Run, Quit and the report boxes;
    // true gives back to the controls what the lock took.
    void LockWindowForRun(bool blnEnabled);

    // Timer1's rules for the step controls and the Run button.
    void RefreshStepControls(bool blnChartShown, bool blnGraphicShown);

    // Captions of Back, Forward and Run and the step list in the current language; the
    // step chosen stays (a day when none was).
    void SetLanguageDependentText();

    // Ends the active run (the chart/table toggle and Stop): no further step is made.
    void StopRun();

    // The main window is closing: an active run ends at once, without a further step.
    void EndForClose();

    // The run dialog while it is loaded (created on the first run, unloaded by its close
    // box); null otherwise.
    frmRun* RunDialog() const;

    bool blnRunning = false;         // a run is active
    bool blnAwaitingTick = false;    // the run waits for Timer2's tick
    bool blnStepInProgress = false;  // a step is writing the date controls
    QTimer* Timer2 = nullptr;

  private:
    bool StepPass(bool blnBack, bool blnRunPass);
    bool WaitForTick();
    void StopTest();
    void EndRun();
    bool ShowRunDialog();
    int16_t StepIndex() const;

    StepRunnerLink m_link;
    QPointer<frmRun> m_frmRun;
    ZDR::RunUntilSettings m_udtRunUntil;
    bool m_blnRunQuickly = false;
    bool m_blnFound = false;          // the last run ended at a find
    bool m_blnEnding = false;         // the program is ending
    bool m_blnRunLoopActive = false;  // a run's loop is stepping
    QEventLoop* m_pWaitLoop = nullptr;
    std::vector<QPointer<QWidget>> m_udtLockedControls;
};

#include "search/StepRunner.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include "astro/DatePr2.h"
#include "config/OptionsInForce.h"
#include "engine/Compute.h"
#include "search/RunTexts.h"
#include "search/Stepping.h"
#include "search/frmRun.h"
#include "support/AccessKeys.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"

using support::Text;

StepRunner::StepRunner(StepRunnerLink link, QObject* parent)
    : QObject(parent), m_link(std::move(link)) {
    Timer2 = new QTimer(this);
    connect(Timer2, &QTimer::timeout, this, &StepRunner::Timer2_Timer);
    for (int i = 0; i < 2; ++i) {
        connect(m_link.cmdForwardBack[i], &QPushButton::clicked, this,
                [this, i] { cmdForwardBack_Click(i); });
    }
    connect(m_link.cboForwardBack, qOverload<int>(&QComboBox::activated), this,
            &StepRunner::cboForwardBack_Click);
    connect(m_link.cmdRun, &QPushButton::clicked, this, &StepRunner::cmdRun_Click);
}

StepRunner::~StepRunner() = default;

frmRun* StepRunner::RunDialog() const {
    return m_frmRun;
}

// ---------------------------------------------------------------- stepping

void StepRunner::cmdForwardBack_Click(int index) {
    const bool blnBack = index == 1;
    // Forward with a run active steps on at the run's pace; a second click steps once.
    const bool blnRun = !blnBack && blnRunning && !m_blnRunLoopActive;
    const bool blnWasInProgress = blnStepInProgress;
    // A step made while a run waits for its tick leaves that wait as it is.
    if (!m_pWaitLoop)
        blnAwaitingTick = false;
    blnStepInProgress = true;
    if (blnRun)
        m_blnRunLoopActive = true;
    while (StepPass(blnBack, blnRun) && blnRun && blnRunning && WaitForTick() && blnRunning) {
    }
    if (blnRun)
        m_blnRunLoopActive = false;
    blnStepInProgress = blnWasInProgress;
}

// One pass of the stepping: pending events, the step, the computation and, in a run, the
// stop test. Returns false when the stepping ends here.
bool StepRunner::StepPass(bool blnBack, bool blnRunPass) {
    QCoreApplication::processEvents();
    // Stop or the window's end, handled just now, comes between two steps.
    if (m_blnEnding || (blnRunPass && !blnRunning))
        return false;
    DatePr2::DateSetInput world = m_link.WorldDate();
    const DatePr2::DateSetInput previous = world;
    const int16_t code = ZDR::StepWorldDate(world, StepIndex(), blnBack);
    if (code != ZDR::intStepDone) {
        // The end of the supported range: said once, and a run ends with it.
        if (code < 0 && code >= DatePr2::dblDateTooLate)
            m_link.ShowWorldDateError(code);
        EndRun();
        return false;
    }
    m_link.SetWorldDate(world);
    if (!m_link.Compute()) {
        m_link.SetWorldDate(previous);
        EndRun();
        return false;
    }
    if (blnRunning)
        StopTest();
    return true;
}

// Waits for Timer2's tick, letting events run. Returns false when the program ends.
bool StepRunner::WaitForTick() {
    blnAwaitingTick = true;
    Timer2->setInterval(ZDR::RunPaceMs(m_link.SelectedModeCode(), m_blnRunQuickly));
    Timer2->start();
    QEventLoop wait;
    m_pWaitLoop = &wait;
    wait.exec();
    m_pWaitLoop = nullptr;
    Timer2->stop();
    // Neither the tick nor Stop ended the wait: the application is quitting.
    if (blnAwaitingTick) {
        blnAwaitingTick = false;
        EndForClose();
    }
    return !m_blnEnding;
}

void StepRunner::Timer2_Timer() {
    blnAwaitingTick = false;
    if (m_pWaitLoop)
        m_pWaitLoop->quit();
}

int16_t StepRunner::StepIndex() const {
    return static_cast<int16_t>(m_link.cboForwardBack->currentIndex());
}

// ---------------------------------------------------------------- running

void StepRunner::cmdRun_Click() {
    if (blnRunning) {
        StopRun();
        return;
    }
    // After a find the run command comes again: the dialog, with the same settings.
    do {
        if (m_link.SelectedModeCode() == ZDR::intModeWorldTransits && !ShowRunDialog())
            return;
        m_blnFound = false;
        blnRunning = true;
        support::SetCaption(m_link.cmdRun, Text(StepText::Stop));
        LockWindowForRun(false);
        cmdForwardBack_Click(0);
    } while (m_blnFound && !m_blnEnding && m_link.SelectedModeCode() == ZDR::intModeWorldTransits);
}

// Shows the run dialog, loading it first when needed. Returns false when it was cancelled.
bool StepRunner::ShowRunDialog() {
    if (!m_frmRun)
        m_frmRun = new frmRun(m_link.frmMainWindow);
    m_frmRun->ShowModal(m_link.cmdToggleGraphic);
    const bool blnCancel = m_frmRun->blnCancel;
    if (!blnCancel) {
        m_udtRunUntil = m_frmRun->RunUntil();
        m_blnRunQuickly = m_frmRun->RunQuickly();
    }
    if (m_frmRun->blnUnloaded)
        delete m_frmRun;
    return !blnCancel && !m_blnEnding;
}

// The stop test after a step's computation: a find ends the run with its message.
void StepRunner::StopTest() {
    int16_t found = 0;
    if (!ZDR::PatternFound(m_udtRunUntil, m_link.LastComputation().intNumPatternsOfType, found))
        return;
    support::ShowMessage(m_link.frmMainWindow,
                         support::Q(ZDR::PatternFoundMessage(m_udtRunUntil, found)),
                         support::Q(ZDR::PatternFoundTitle()), support::MsgIcon::Information);
    EndRun();
    for (QWidget* w : m_link.udtUsableDuringRun)
        w->repaint();
    m_blnFound = true;
}

void StepRunner::StopRun() {
    if (!blnRunning)
        return;
    EndRun();
    Timer2_Timer();
}

void StepRunner::EndForClose() {
    m_blnEnding = true;
    StopRun();
}

// The run is over: Run again, and the window unlocked.
void StepRunner::EndRun() {
    if (!blnRunning)
        return;
    blnRunning = false;
    support::SetCaption(m_link.cmdRun, Text(StepText::Run));
    LockWindowForRun(true);
    if (m_pWaitLoop)
        Timer2_Timer();
}

// ---------------------------------------------------------------- the controls

void StepRunner::cboForwardBack_Click() {
    QPushButton* forward = m_link.cmdForwardBack[0];
    if (m_link.frmMainWindow->isVisible() && forward->isEnabled() && forward->isVisible())
        forward->setFocus();
}

void StepRunner::EnableStepControls(bool blnEnabled) {
    for (QPushButton* button : m_link.cmdForwardBack)
        button->setEnabled(blnEnabled);
    m_link.cboForwardBack->setEnabled(blnEnabled);
}

void StepRunner::LockWindowForRun(bool blnEnabled) {
    if (blnEnabled) {
        for (const QPointer<QWidget>& w : m_udtLockedControls) {
            if (w)
                w->setEnabled(true);
        }
        m_udtLockedControls.clear();
        return;
    }
    // A control disabled already stays so after the run.
    const std::vector<QPointer<QWidget>> locked =
        support::DisableControls(m_link.frmMainWindow, true);
    m_udtLockedControls.insert(m_udtLockedControls.end(), locked.begin(), locked.end());
    m_link.cmdRun->setEnabled(true);
    for (QWidget* w : m_link.udtUsableDuringRun)
        w->setEnabled(true);
}

void StepRunner::RefreshStepControls(bool blnChartShown, bool blnGraphicShown) {
    EnableStepControls(ZDR::StepControlsUsable(
        m_link.WorldDate(), m_link.LastComputation().intModeCode, blnRunning, blnGraphicShown));
    m_link.cmdRun->setVisible(ZDR::RunButtonShown(
        blnChartShown, blnGraphicShown, !m_link.cmdToggleGraphic->isHidden(), StepIndex(),
        ZDR::OptionsInForce().blnIncludeTransitingMoon, m_link.SelectedModeCode()));
}

void StepRunner::SetLanguageDependentText() {
    support::SetCaption(m_link.cmdForwardBack[0], Text(StepText::Forward));
    support::SetCaption(m_link.cmdForwardBack[1], Text(StepText::Back));
    support::SetCaption(m_link.cmdRun, Text(blnRunning ? StepText::Stop : StepText::Run));
    QComboBox* steps = m_link.cboForwardBack;
    const int selected = steps->currentIndex();
    steps->clear();
    for (int n = 0; n < ZDR::intNumStepSizes; ++n)
        steps->addItem(Text(StepText::FirstStepSize + n));
    steps->setCurrentIndex(selected >= 0 ? selected : ZDR::intStepDay);
    steps->setToolTip(Text(StepText::StepToolTip));
}

// Stepping and running in the main window, driven as a user would with the window's own
// step runner; the waits of a run are ended by ticking Timer2 from the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/frmMain.h"
#include "astro/DatePr2.h"
#include "engine/Catalogue.h"
#include "search/StepRunner.h"
#include "search/frmRun.h"
#include "support/AccessKeys.h"
#include "support/MessageBox.h"
#include "tests/MemoryStore.h"
#include "text/Language.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}
QT_END_NAMESPACE

namespace {

// 2024-03-10 21:47:10 UTC.
constexpr std::time_t kNow = 1710107230;
constexpr int kGmt = 24;

// Calls its work again and again whenever the event loop is idle, also inside the nested
// loops of a run and of a modal dialog; the work ends it with Stop().
class Driver : public QObject {
  public:
    explicit Driver(std::function<void(Driver&)> work) : m_work(std::move(work)) {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] { m_work(*this); });
        m_timer.start();
    }
    void Stop() { m_timer.stop(); }
    int intCalls = 0;

  private:
    QTimer m_timer;
    std::function<void(Driver&)> m_work;
};

class StepRunnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A test before may have asked the application to quit (Quit, closing the main
        // window), which ends every nested event loop at once: a run and a modal dialog need
        // them. Running the application's loop for a moment clears that request.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        ASSERT_TRUE(userData.isValid());
        DatePr2::SetClockForTesting([] { return kNow; });
        support::SetMessageHook([this](const support::MessageRequest& r) {
            messages.push_back(r);
            return support::MsgAnswer::Ok;
        });
        Language::intLanguage = Language::intEnglish;
        window = std::make_unique<frmMain>(QString::fromUtf8(getenv("ZODARC_BUILD_DIR")),
                                           userData.path(), store);
        ASSERT_TRUE(window->Startup());
        runner = &window->Runner();
    }
    void TearDown() override {
        window.reset();
        support::SetMessageHook(nullptr);
        DatePr2::SetClockForTesting(nullptr);
        Language::intLanguage = Language::intEnglish;
    }
    // Sets the world date (hour index 1 = 00:00, GMT) and computes it.
    void SetWorld(const char* year, int month, int day, int hour) {
        window->txbYearCE[0]->setText(year);
        window->cboMonthCE[0]->setCurrentIndex(month);
        window->cboDayCE[0]->setCurrentIndex(day);
        window->cboHour[0]->setCurrentIndex(hour);
        window->cboTimezone[0]->setCurrentIndex(kGmt);
        window->cmdCompute_Click();
        window->RefreshControls();
    }
    std::string World() const {
        const DatePr2::DateSetInput s = window->DateSetFromControls(0);
        return s.strYearText + "-" + std::to_string(s.intMonthIndex) + "-" +
               std::to_string(s.intDayIndex) + " " +
               window->cboHour[0]->currentText().toStdString();
    }

    QTemporaryDir userData;
    MemoryStore store;
    std::vector<support::MessageRequest> messages;
    std::unique_ptr<frmMain> window;
    StepRunner* runner = nullptr;
};

// The Julian Day of the world date as the controls show it.
double WorldJD(const frmMain& w) {
    DatePr2::DateSetInput set = w.DateSetFromControls(0);
    return DatePr2::InputDateToAJDate(set, 0);
}

TEST_F(StepRunnerTest, BackAndForwardStepByTheChosenSize) {
    SetWorld("2001", 1, 31, 25);
    struct Click {
        int intStep;
        int intButton;  // 0 Forward, 1 Back
        const char* strWorld;
    };
    const Click clicks[] = {{3, 0, "2001-2-28 12:00"}, {2, 0, "2001-3-7 12:00"},
                            {2, 1, "2001-2-28 12:00"}, {0, 1, "2001-2-28 11:30"},
                            {1, 0, "2001-3-1 11:30"},  {4, 1, "2000-3-1 11:30"}};
    for (const Click& c : clicks) {
        window->cboForwardBack->setCurrentIndex(c.intStep);
        window->cmdForwardBack[c.intButton]->click();
        EXPECT_EQ(World(), c.strWorld);
        EXPECT_EQ(window->udtResult.dblChartAJD[0], WorldJD(*window)) << c.strWorld;
        EXPECT_FALSE(runner->blnStepInProgress);
    }
    EXPECT_EQ(window->cboDayCE[0]->toolTip(), "Wednesday");
    EXPECT_TRUE(messages.empty());
}

TEST_F(StepRunnerTest, AStepBeyondTheRangeKeepsTheDateAndSaysSoOnce) {
    SetWorld("2799", 12, 31, 48);
    window->cboForwardBack->setCurrentIndex(0);
    const double before = window->udtResult.dblChartAJD[0];
    window->cmdForwardBack[0]->click();
    EXPECT_EQ(World(), "2799-12-31 23:30");
    EXPECT_EQ(window->udtResult.dblChartAJD[0], before);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText.toStdString(), Language::Text(4) + " " + Language::Text(148));
}

TEST_F(StepRunnerTest, TheStepListKeepsItsChoiceAcrossALanguageSwitch) {
    window->cboForwardBack->setCurrentIndex(3);
    window->optGerman->click();
    EXPECT_EQ(window->cboForwardBack->currentIndex(), 3);
    EXPECT_EQ(window->cboForwardBack->itemText(3), "1 Monat");
    EXPECT_EQ(support::PlainCaption(window->cmdForwardBack[1]->text()), "Zurück");
    window->cboForwardBack->setCurrentIndex(-1);
    runner->SetLanguageDependentText();
    EXPECT_EQ(window->cboForwardBack->currentIndex(), 1);
}

// A run in Personal transits (no dialog) at its slow pace: three ticks, then Stop.
TEST_F(StepRunnerTest, ARunStepsAtItsPaceUntilStopped) {
    window->txbYearCE[1]->setText("1970");
    window->cboMonthCE[1]->setCurrentIndex(5);
    window->cboDayCE[1]->setCurrentIndex(17);
    window->optPersonal[0]->click();
    SetWorld("2024", 3, 10, 45);
    window->cboForwardBack->setCurrentIndex(1);
    std::vector<int> intervals;
    std::vector<std::string> dates;
    Driver driver([&](Driver& d) {
        if (!runner->blnAwaitingTick)
            return;
        intervals.push_back(runner->Timer2->interval());
        dates.push_back(World());
        EXPECT_TRUE(runner->Timer2->isActive());
        EXPECT_FALSE(window->cmdCompute->isEnabled());
        EXPECT_TRUE(window->cmdQuit->isEnabled());
        EXPECT_TRUE(window->cmdRun->isEnabled());
        EXPECT_EQ(support::PlainCaption(window->cmdRun->text()), "Stop");
        if (dates.size() == 3) {
            window->cmdRun->click();
            d.Stop();
        } else {
            runner->Timer2_Timer();
        }
    });
    runner->cmdRun_Click();
    EXPECT_EQ(dates,
              (std::vector<std::string>{"2024-3-11 22:00", "2024-3-12 22:00", "2024-3-13 22:00"}));
    EXPECT_EQ(intervals, (std::vector<int>{1000, 1000, 1000}));
    EXPECT_FALSE(runner->blnRunning);
    EXPECT_FALSE(runner->Timer2->isActive());
    EXPECT_EQ(support::PlainCaption(window->cmdRun->text()), "Run");
    EXPECT_TRUE(window->cmdCompute->isEnabled());
    EXPECT_TRUE(window->optSynastry->isEnabled());
    EXPECT_EQ(World(), "2024-3-13 22:00");
    EXPECT_TRUE(messages.empty());
}

// Back during a run steps once and the run goes on forward.
TEST_F(StepRunnerTest, BackDuringARunStepsOnce) {
    window->txbYearCE[1]->setText("1970");
    window->cboMonthCE[1]->setCurrentIndex(5);
    window->cboDayCE[1]->setCurrentIndex(17);
    window->optPersonal[1 - 1]->click();
    SetWorld("2024", 3, 10, 45);
    window->cboForwardBack->setCurrentIndex(2);
    std::vector<std::string> dates;
    Driver driver([&](Driver& d) {
        if (!runner->blnAwaitingTick)
            return;
        dates.push_back(World());
        if (dates.size() == 1) {
            runner->cmdForwardBack_Click(1);
            dates.push_back(World());
            EXPECT_TRUE(runner->blnRunning);
            EXPECT_TRUE(runner->blnAwaitingTick);
            runner->Timer2_Timer();
        } else {
            runner->StopRun();
            d.Stop();
        }
    });
    runner->cmdRun_Click();
    EXPECT_EQ(dates,
              (std::vector<std::string>{"2024-3-17 22:00", "2024-3-10 22:00", "2024-3-17 22:00"}));
    EXPECT_FALSE(runner->blnRunning);
}

// Run until a grand trine forms, quickly: the find stops the run with its message, and the
// run dialog comes back with the same settings; Cancel leaves the found date.
TEST_F(StepRunnerTest, TheRunDialogsSettingsSurviveAFind) {
    SetWorld("2024", 1, 26, 25);
    window->cboForwardBack->setCurrentIndex(1);
    int shown = 0;
    std::vector<int> intervals;
    Driver driver([&](Driver& d) {
        frmRun* dialog = runner->RunDialog();
        if (dialog && dialog->isVisible()) {
            if (++shown == 1) {
                EXPECT_TRUE(dialog->optRunUntilStopped->isChecked());
                EXPECT_EQ(dialog->cboAspectPattern->count(), 14);
                EXPECT_EQ(dialog->cboAspectPattern->currentIndex(), -1);
                EXPECT_FALSE(dialog->cboNumToFind->isEnabled());
                EXPECT_FALSE(dialog->lblGefunden->isVisibleTo(dialog));
                EXPECT_EQ(dialog->cboNumToFind->accessibleName(),
                          "Stop only when at least this many are found:");
                dialog->cboAspectPattern->setCurrentIndex(0);
                emit dialog->cboAspectPattern->activated(0);
                EXPECT_TRUE(dialog->optRunUntilFinding->isChecked());
                dialog->chkRunQuickly->click();
                dialog->cmdRun->click();
            } else {
                EXPECT_EQ(World(), "2024-1-28 12:00");
                EXPECT_EQ(dialog->cboAspectPattern->currentIndex(), 0);
                EXPECT_TRUE(dialog->optRunUntilFinding->isChecked());
                EXPECT_TRUE(dialog->chkRunQuickly->isChecked());
                EXPECT_FALSE(runner->blnRunning);
                dialog->cmdCancel->click();
                d.Stop();
            }
            return;
        }
        if (runner->blnAwaitingTick) {
            intervals.push_back(runner->Timer2->interval());
            runner->Timer2_Timer();
        }
    });
    runner->cmdRun_Click();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(intervals, std::vector<int>{100});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText, "Grand trine found.");
    EXPECT_EQ(messages[0].strTitle, "Aspect pattern found");
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Information);
    EXPECT_EQ(World(), "2024-1-28 12:00");
    EXPECT_FALSE(runner->blnRunning);
    EXPECT_EQ(support::PlainCaption(window->cmdRun->text()), "Run");
    EXPECT_TRUE(window->cmdCompute->isEnabled());
}

// The dialog's own rules: the count only with a pattern, Run without a pattern runs until
// stopped, and its close box cancels and unloads it.
TEST_F(StepRunnerTest, TheRunDialogsControls) {
    SetWorld("2024", 1, 26, 25);
    int step = 0;
    Driver driver([&](Driver& d) {
        frmRun* dialog = runner->RunDialog();
        if (runner->blnAwaitingTick) {
            // A run until stopped, at the slow pace.
            EXPECT_EQ(runner->Timer2->interval(), 1000);
            runner->StopRun();
            return;
        }
        if (!dialog || !dialog->isVisible())
            return;
        switch (step++) {
            case 0:
                dialog->chkTwoOrMore->click();
                EXPECT_FALSE(dialog->chkTwoOrMore->isChecked());
                EXPECT_FALSE(dialog->cboNumToFind->isEnabled());
                dialog->optRunUntilFinding->click();
                dialog->cmdRun->click();
                break;
            case 1:
                EXPECT_TRUE(dialog->optRunUntilStopped->isChecked());
                dialog->cboAspectPattern->setCurrentIndex(4);
                emit dialog->cboAspectPattern->activated(4);
                dialog->chkTwoOrMore->click();
                EXPECT_TRUE(dialog->cboNumToFind->isEnabled());
                dialog->cboNumToFind->setCurrentIndex(7);
                dialog->cmdCancel->click();
                break;
            case 2:
                EXPECT_EQ(dialog->cboAspectPattern->currentIndex(), 4);
                EXPECT_EQ(dialog->cboNumToFind->currentText(), "9");
                dialog->close();
                break;
            default:
                EXPECT_EQ(dialog->cboAspectPattern->currentIndex(), -1);
                EXPECT_TRUE(dialog->optRunUntilStopped->isChecked());
                EXPECT_FALSE(dialog->chkTwoOrMore->isChecked());
                dialog->cmdCancel->click();
                d.Stop();
        }
    });
    runner->cmdRun_Click();  // until stopped
    EXPECT_EQ(World(), "2024-1-27 12:00");
    runner->cmdRun_Click();  // cancelled
    EXPECT_NE(runner->RunDialog(), nullptr);
    runner->cmdRun_Click();  // closed by its close box
    EXPECT_EQ(runner->RunDialog(), nullptr);
    runner->cmdRun_Click();  // loaded again
    EXPECT_EQ(step, 4);
    EXPECT_EQ(World(), "2024-1-27 12:00");
    EXPECT_TRUE(messages.empty());
}

// Closing the main window during a run ends it: no step and no computation after the
// window is gone.
TEST_F(StepRunnerTest, ClosingTheWindowDuringARunEndsIt) {
    window->show();
    SetWorld("2024", 1, 1, 25);
    std::string closedAt;
    Driver driver([&](Driver& d) {
        frmRun* dialog = runner->RunDialog();
        if (dialog && dialog->isVisible()) {
            dialog->cmdRun->click();
        } else if (runner->blnAwaitingTick && closedAt.empty()) {
            closedAt = World();
            window->close();
            d.Stop();
        }
    });
    runner->cmdRun_Click();
    EXPECT_EQ(closedAt, "2024-1-2 12:00");
    EXPECT_EQ(World(), closedAt);
    EXPECT_EQ(window->udtResult.dblChartAJD[0], WorldJD(*window));
    EXPECT_FALSE(runner->blnRunning);
}

// The mode buttons: stepping in World transits and Personal transits only; Timer1 keeps
// to that and to a complete world date, and shows Run only with the chart on display.
TEST_F(StepRunnerTest, NatalAspectsAndSynastryDisableStepping) {
    for (int i = 1; i <= 2; ++i) {
        window->txbYearCE[i]->setText(i == 1 ? "1970" : "1985");
        window->cboMonthCE[i]->setCurrentIndex(i == 1 ? 5 : 11);
        window->cboDayCE[i]->setCurrentIndex(i == 1 ? 17 : 2);
    }
    struct ModeCase {
        QRadioButton* optMode;
        bool blnSteps;
    };
    const ModeCase modes[] = {{window->optNatal[0], false},   {window->optPersonal[0], true},
                              {window->optNatal[1], false},   {window->optSynastry, false},
                              {window->optPersonal[1], true}, {window->optPlanetary, true}};
    for (const ModeCase& m : modes) {
        m.optMode->click();
        for (QWidget* w : {static_cast<QWidget*>(window->cmdForwardBack[0]),
                           static_cast<QWidget*>(window->cmdForwardBack[1]),
                           static_cast<QWidget*>(window->cboForwardBack)}) {
            EXPECT_EQ(w->isEnabled(), m.blnSteps) << m.optMode->text().toStdString();
        }
        window->RefreshControls();
        EXPECT_EQ(window->cmdForwardBack[0]->isEnabled(), m.blnSteps);
        EXPECT_EQ(window->cboForwardBack->isEnabled(), m.blnSteps);
    }
    // The chart is not on display: no Run button.
    EXPECT_TRUE(window->cmdRun->isHidden());
    window->cboHour[0]->setCurrentIndex(0);
    window->RefreshControls();
    EXPECT_FALSE(window->cmdForwardBack[1]->isEnabled());
    EXPECT_TRUE(messages.empty());
}

// The Run button stands beside the chart: shown with the wheel in the transit modes (a
// half-hour step only with the transiting Moon), hidden with the table; as Stop it ends
// the run.
TEST_F(StepRunnerTest, TheRunButtonShowsWithTheChart) {
    SetWorld("2024", 1, 26, 25);
    window->cmdToggleGraphic->click();
    window->RefreshControls();
    EXPECT_FALSE(window->cmdRun->isHidden());
    window->cboForwardBack->setCurrentIndex(0);
    window->RefreshControls();
    EXPECT_FALSE(window->cmdRun->isHidden());  // the transiting Moon is included
    window->txbYearCE[1]->setText("1970");
    window->cboMonthCE[1]->setCurrentIndex(5);
    window->cboDayCE[1]->setCurrentIndex(17);
    window->optNatal[0]->click();
    window->RefreshControls();
    EXPECT_TRUE(window->cmdRun->isHidden());
    window->optPlanetary->click();
    window->RefreshControls();
    ASSERT_FALSE(window->cmdRun->isHidden());

    bool stopped = false;
    Driver driver([&](Driver& d) {
        frmRun* dialog = runner->RunDialog();
        if (dialog && dialog->isVisible()) {
            dialog->cmdRun->click();
        } else if (runner->blnAwaitingTick) {
            EXPECT_EQ(support::PlainCaption(window->cmdRun->text()), "Stop");
            window->cmdRun->click();
            EXPECT_FALSE(runner->blnRunning);
            stopped = true;
            d.Stop();
        }
    });
    window->cmdRun->click();
    EXPECT_TRUE(stopped);
    EXPECT_EQ(World(), "2024-1-26 12:30");
    window->cmdToggleGraphic->click();
    window->RefreshControls();
    EXPECT_TRUE(window->cmdRun->isHidden());
}

}  // namespace

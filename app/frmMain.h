#pragma once
// The main window: the three date sets, the mode buttons, the commands, the aspect table
// and the report beside it. Its start-up sequence brings every module into use.

#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "astro/DateInput.h"
#include "engine/Compute.h"
#include "engine/CoreStartup.h"
#include "store/StateFile.h"
#include "support/FileDialog.h"
#include "support/LinkLabel.h"
#include "support/MessageBox.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class DateRow;
class GraphicView;
class StepRunner;
class TableGrid;
class frmConfigure;
class frmDurations;
namespace ZDR {
struct CellExplanation;
}
namespace Registry3 {
class SettingsStore;
}

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    // dataFolder holds zdr.dat, pluto.slx and the ephemeris files; store keeps the
    // per-user settings; userDataFolder is the per-user data folder of the state file.
    frmMain(const QString& dataFolder, const QString& userDataFolder,
            Registry3::SettingsStore& store, QWidget* parent = nullptr);
    ~frmMain() override;

    // Runs the start-up sequence. Returns false when the program must end (no program text,
    // no Pluto table); the message has been shown.
    bool Startup();

    // The Compute button: reads the mode and the date sets, computes and shows the result.
    void cmdCompute_Click();

    // Returns the mode code of the selected mode button (1..6), 0 when none is selected.
    int16_t SelectedModeCode() const;

    // Selects the mode button of mode code 1..6 without starting a computation.
    void SelectModeQuietly(int16_t intModeCode);

    // Timer1's work, once a second: the transiting-Moon option, the year boxes cleaned to
    // their digits, the Clear buttons, the chart button's caption, the state-clean flag.
    void RefreshControls();

    // The Now action: the world date becomes the present moment on the half-hour grid.
    void SetWorldDateToNow();

    // The date set i (0..2) as its controls show it.
    DatePr2::DateSetInput DateSetFromControls(int i) const;

    // Collects the state the state file keeps, from the controls and the configuration.
    ZDR::StateFileData CollectState() const;

    // Writes the state into path; sets the state-clean flag and stores the language.
    // Returns "" on success, else the failure's description.
    std::string WriteState(const std::string& path);

    // Reads the state file at path into the controls and the configuration (on failure
    // what was read stays, and the configuration goes back to its defaults). Returns "" on
    // success, else the failure's description.
    std::string ReadState(const std::string& path);

    // The per-user state file (zdr.usr) and the state-clean flag.
    std::string strUserStateFile;
    ZDR::StateCleanFlag udtStateClean;

    // A double-click on cell index of the table.
    void CellDoubleClicked(int index);

    // The window's parts, for the tests.
    bool blnStartupCompleted = false;
    bool blnDateError = false;
    int16_t intDefaultTimezoneIndex = 0;
    int16_t intInitialWidth = 0;  // twips
    int16_t intInitialHeight = 0;
    ZDR::ComputeResult udtResult;
    frmConfigure* Configuration() const { return m_frmConfigure; }
    StepRunner& Runner() const { return *m_stepRunner; }
    frmDurations* Durations() const { return m_frmDurations; }
    DateRow* Row(int i) const { return m_dateRow[i]; }
    std::array<QComboBox*, 3> cboMonthCE{};
    std::array<QComboBox*, 3> cboDayCE{};
    std::array<QLineEdit*, 3> txbYearCE{};
    std::array<QComboBox*, 3> cboHour{};
    std::array<QComboBox*, 3> cboTimezone{};
    std::array<QPushButton*, 3> cmdClear{};
    std::array<QLabel*, 3> Label1{};
    QRadioButton* optPlanetary = nullptr;
    std::array<QRadioButton*, 2> optNatal{};
    std::array<QRadioButton*, 2> optPersonal{};
    QRadioButton* optSynastry = nullptr;
    QRadioButton* optDegrees = nullptr;
    QRadioButton* optRadians = nullptr;
    QRadioButton* optEnglish = nullptr;
    QRadioButton* optGerman = nullptr;
    QPushButton* cmdCompute = nullptr;
    QPushButton* cmdConfigure = nullptr;
    QPushButton* cmdNow = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdQuit = nullptr;
    std::array<QPushButton*, 2> cmdForwardBack{};
    QComboBox* cboForwardBack = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdToggleGraphic = nullptr;
    QPushButton* cmdReport = nullptr;
    QPushButton* cmdCalendar = nullptr;
    QPushButton* cmdSaveAs = nullptr;
    QPushButton* cmdLoadState = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblClickonAspect = nullptr;
    QLabel* lblNotice = nullptr;
    QLabel* lblUserManual = nullptr;
    LinkLabel* lblUserManualLink = nullptr;
    TableGrid* picTable = nullptr;
    GraphicView* picGraphic = nullptr;
    QPlainTextEdit* txbReport = nullptr;
    QPlainTextEdit* txbReport1 = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void SetLanguageDependentText();
    void SetUpTimezoneComboBoxes(bool blnPreserveIndices);
    void ArrangeControls();
    void ArrangeCommandRow();
    void ArrangeResultArea();
    // Sizes the window to its whole page, or to the screen's free area when that is
    // smaller (the page then scrolls); the whole page is the largest size it may take.
    void FitWindowToScreen();
    void UpdateFileButtons();
    void RefreshHintLine();
    void RefreshWeekdayToolTips();
    void ShowInputError(int i, double code);
    void ShowDefaultView();
    void ShowStartupMessages(const ZDR::CoreStartup& core, support::MsgIcon icon);
    void ModeButtonClicked();
    void SwitchLanguage(int16_t intNewLanguage);
    void DateChoiceMade(int i, bool blnByMouse);
    void MarkStale(int i);
    void YearEnterPressed(int i);
    void cmdNow_Click();
    void cmdQuit_Click();
    void cmdSave_Click();
    void cmdRestore_Click();
    void cmdSaveAs_Click();
    void cmdLoadState_Click();
    void ApplyState(const ZDR::StateFileData& data);
    void RestoreLastState();
    void ShowRestoredState();
    void PopUpBeside(QPushButton* button, const QString& message);
    // Asks for a state file to save (blnSave) or open, the dialog titled by program text
    // intTitleText, in the folder last used. "" when none is chosen.
    QString AskStateFileName(bool blnSave, int intTitleText);
    void cmdReport_Click();
    void ShowDurations();
    int16_t WorldTimezoneMinutes() const;
    void cmdConfigure_Click();
    void ToggleDegreesRadians();
    void FocusCompute();
    void ShowResult();
    // The report of the chart on display in the report box of its mode.
    void ShowReport();
    void cmdToggleGraphic_Click();
    void ShowTransitGraphic(const ZDR::CellExplanation& e);
    bool ChartShown() const;
    void EndProgram();

    QString m_strDataFolder;
    QString m_strUserDataFolder;
    Registry3::SettingsStore& m_store;
    frmConfigure* m_frmConfigure = nullptr;
    StepRunner* m_stepRunner = nullptr;
    frmDurations* m_frmDurations = nullptr;
    QTimer* Timer1 = nullptr;
    QGroupBox* fraLanguage = nullptr;
    QGroupBox* fraAngles = nullptr;
    QString m_strNoticeCaption;
    bool m_blnModeRestore = false;
    std::array<DateRow*, 3> m_dateRow{};
    std::array<QRadioButton*, 6> m_optMode{};  // the mode buttons in the order of their codes
};

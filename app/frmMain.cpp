#include "app/frmMain.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>

#include "app/MainTexts.h"
#include "astro/DatePr2.h"
#include "config/LanguageSetting.h"
#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "config/frmConfigure.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/CoreStartup.h"
#include "engine/EngineTables.h"
#include "engine/Report.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"
#include "support/frmPopUp.h"
#include "text/EphemerisText.h"
#include "text/Language.h"
#include "view/TableGrid.h"

namespace {

constexpr char kVersion[] = "26.1";

using support::Px;
using support::Q;

QString T(int n) {
    return support::Text(n);
}

void Place(QWidget* w, int left, int top, int width, int height) {
    support::PlaceTwips(w, left, top, width, height);
}

// Geometry of the window in twips.
constexpr int kDateTop = 120;
constexpr int kDateRowStep = 450;
constexpr int kControlHeight = 345;
constexpr int kTitleTop = 2000;
constexpr int kHintTop = 2280;
constexpr int kTableTop = 2640;
constexpr int kTableLeft = 120;
constexpr int kWindowWidth = 21000;
constexpr int kMinWidth = 10200;
constexpr int kMinHeight = 4800;

}  // namespace

frmMain::frmMain(const QString& dataFolder, const QString& userDataFolder,
                 Registry3::SettingsStore& store, QWidget* parent)
    : QMainWindow(parent),
      m_strDataFolder(dataFolder),
      m_strUserDataFolder(userDataFolder),
      m_store(store) {
    CreateControls();
}

frmMain::~frmMain() = default;

// ---------------------------------------------------------------- controls

void frmMain::CreateControls() {
    auto* central = new QWidget(this);
    setCentralWidget(central);
    setWindowTitle(QStringLiteral("Zodarc"));

    for (int i = 0; i < 3; ++i) {
        const int top = kDateTop + i * kDateRowStep;
        Label1[i] = new QLabel(central);
        Place(Label1[i], 120, top + 30, 1700, kControlHeight);
        cboMonthCE[i] = new QComboBox(central);
        Place(cboMonthCE[i], 1850, top, 1550, kControlHeight);
        cboDayCE[i] = new QComboBox(central);
        Place(cboDayCE[i], 3400, top, 780, kControlHeight);
        txbYearCE[i] = new QLineEdit(central);
        Place(txbYearCE[i], 4230, top, 850, kControlHeight);
        cboHour[i] = new QComboBox(central);
        Place(cboHour[i], 5130, top, 1050, kControlHeight);
        cboTimezone[i] = new QComboBox(central);
        Place(cboTimezone[i], 6230, top, 1650, kControlHeight);
        cmdClear[i] = new QPushButton(central);
        Place(cmdClear[i], 7930, top, 900, kControlHeight);

        connect(cboMonthCE[i], qOverload<int>(&QComboBox::activated), this,
                [this, i] { DateChoiceMade(i); });
        connect(cboDayCE[i], qOverload<int>(&QComboBox::activated), this, [this, i] {
            DateChoiceMade(i);
            RefreshWeekdayToolTip(i);
        });
        connect(cboHour[i], qOverload<int>(&QComboBox::activated), this,
                [this, i] { DateChoiceMade(i); });
        connect(cboTimezone[i], qOverload<int>(&QComboBox::activated), this,
                [this, i] { DateChoiceMade(i); });
        // Enter also finishes the editing: the result it has just computed is not stale.
        connect(txbYearCE[i], &QLineEdit::editingFinished, this, [this, i] {
            if (!m_blnYearEntered[i])
                MarkStale(i);
            m_blnYearEntered[i] = false;
        });
        connect(txbYearCE[i], &QLineEdit::returnPressed, this, [this, i] { YearEnterPressed(i); });
        connect(cmdClear[i], &QPushButton::clicked, this, [this, i] { ClearDateSet(i); });
    }
    Label1[0]->installEventFilter(this);
    Label1[0]->setCursor(Qt::PointingHandCursor);

    // The mode buttons stand beside the date sets they use.
    auto* modeGroup = new QButtonGroup(this);
    optPlanetary = new QRadioButton(central);
    Place(optPlanetary, 9000, kDateTop, 2300, kControlHeight);
    for (int i = 0; i < 2; ++i) {
        const int top = kDateTop + (i + 1) * kDateRowStep;
        optNatal[i] = new QRadioButton(central);
        Place(optNatal[i], 9000, top, 2300, kControlHeight);
        optPersonal[i] = new QRadioButton(central);
        Place(optPersonal[i], 11350, top, 2900, kControlHeight);
    }
    optSynastry = new QRadioButton(central);
    Place(optSynastry, 14300, kDateTop + kDateRowStep * 3 / 2, 1500, kControlHeight);
    for (QRadioButton* mode :
         {optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry}) {
        modeGroup->addButton(mode);
        connect(mode, &QRadioButton::clicked, this, [this] { ModeButtonClicked(); });
    }

    cmdForwardBack[1] = new QPushButton(central);
    Place(cmdForwardBack[1], 8990, 1560, 1100, kControlHeight);
    cmdForwardBack[0] = new QPushButton(central);
    Place(cmdForwardBack[0], 10150, 1560, 1100, kControlHeight);
    cboForwardBack = new QComboBox(central);
    Place(cboForwardBack, 11310, 1560, 1900, kControlHeight);

    cmdCompute = new QPushButton(central);
    Place(cmdCompute, 15900, 120, 1550, kControlHeight + 30);
    cmdConfigure = new QPushButton(central);
    Place(cmdConfigure, 17500, 120, 1550, kControlHeight + 30);
    cmdNow = new QPushButton(central);
    Place(cmdNow, 15900, 570, 1550, kControlHeight);
    cmdHelp = new QPushButton(central);
    Place(cmdHelp, 17500, 570, 1550, kControlHeight);
    cmdSave = new QPushButton(central);
    Place(cmdSave, 15900, 1020, 1550, kControlHeight);
    cmdRestore = new QPushButton(central);
    Place(cmdRestore, 17500, 1020, 1550, kControlHeight);
    cmdQuit = new QPushButton(central);
    Place(cmdQuit, 17500, 1500, 1550, kControlHeight);

    fraLanguage = new QGroupBox(central);
    Place(fraLanguage, 19180, 30, 1600, 960);
    optEnglish = new QRadioButton(fraLanguage);
    Place(optEnglish, 120, 270, 1400, 300);
    optGerman = new QRadioButton(fraLanguage);
    Place(optGerman, 120, 600, 1400, 300);
    connect(optEnglish, &QRadioButton::clicked, this,
            [this] { SwitchLanguage(Language::intEnglish); });
    connect(optGerman, &QRadioButton::clicked, this,
            [this] { SwitchLanguage(Language::intGerman); });

    fraAngles = new QGroupBox(central);
    Place(fraAngles, 19180, 1040, 1600, 900);
    optDegrees = new QRadioButton(fraAngles);
    Place(optDegrees, 120, 240, 1400, 300);
    optRadians = new QRadioButton(fraAngles);
    Place(optRadians, 120, 540, 1400, 300);
    connect(optDegrees, &QRadioButton::clicked, this, [this] {
        if (blnStartupCompleted)
            cmdCompute_Click();
    });
    connect(optRadians, &QRadioButton::clicked, this, [this] {
        if (blnStartupCompleted)
            cmdCompute_Click();
    });

    lblTitle = new QLabel(central);
    lblClickonAspect = new QLabel(central);

    picTable = new TableGrid(central);
    picTable->SetTable(&udtResult.udtTable);
    connect(picTable, &TableGrid::cellDoubleClicked, this, &frmMain::CellDoubleClicked);
    txbReport = new QPlainTextEdit(central);
    txbReport->setReadOnly(true);
    txbReport1 = new QPlainTextEdit(central);
    txbReport1->setReadOnly(true);

    cmdRun = new QPushButton(central);
    cmdToggleGraphic = new QPushButton(central);
    cmdReport = new QPushButton(central);
    cmdSaveAs = new QPushButton(central);
    cmdLoadState = new QPushButton(central);
    lblNotice = new QLabel(central);

    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    connect(cmdConfigure, &QPushButton::clicked, this, &frmMain::cmdConfigure_Click);
    connect(cmdNow, &QPushButton::clicked, this, &frmMain::cmdNow_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(cmdReport, &QPushButton::clicked, this, &frmMain::cmdReport_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmMain::cmdRestore_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmMain::cmdSaveAs_Click);
    connect(cmdLoadState, &QPushButton::clicked, this, &frmMain::cmdLoadState_Click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::RefreshControls);

    // Not built yet: the chart, stepping and running, and help. Their buttons stand in
    // the layout, disabled.
    for (QWidget* w :
         {static_cast<QWidget*>(cmdRun), static_cast<QWidget*>(cmdToggleGraphic),
          static_cast<QWidget*>(cmdHelp), static_cast<QWidget*>(cmdForwardBack[0]),
          static_cast<QWidget*>(cmdForwardBack[1]), static_cast<QWidget*>(cboForwardBack)})
        w->setEnabled(false);
}

// ---------------------------------------------------------------- start-up

bool frmMain::Startup() {
    blnStartupCompleted = false;
    Timer1->stop();

    // The core first: without its program text there is nothing to show.
    const ZDR::CoreStartup core = ZDR::StartCore(m_strDataFolder.toStdString());
    if (core.intOutcome == ZDR::intStartupNoProgramText) {
        ShowStartupMessages(core, support::MsgIcon::Critical);
        return false;
    }

    m_strNoticeCaption = T(MainText::Notice);
    lblNotice->setText(m_strNoticeCaption);
    setWindowTitle(T(MainText::ProductName) + " " + kVersion);
    // The window's controls are written in Arial (or the font that stands in for it).
    QFont arial = centralWidget()->font();
    arial.setFamily(QStringLiteral("Arial"));
    centralWidget()->setFont(arial);
    QFont title = arial;
    title.setBold(true);
    lblTitle->setFont(title);
    RefreshHintLine();

    strUserStateFile = ZDR::UserStateFilePath(m_strUserDataFolder.toStdString());
    optDegrees->setChecked(true);
    ZDR::ClearCells(udtResult.udtTable);
    lblTitle->clear();
    picTable->hide();
    for (QWidget* w : {static_cast<QWidget*>(cmdHelp), static_cast<QWidget*>(cmdToggleGraphic),
                       static_cast<QWidget*>(cmdReport), static_cast<QWidget*>(cmdQuit),
                       static_cast<QWidget*>(txbReport), static_cast<QWidget*>(txbReport1)})
        w->hide();

    FillDateBoxes();
    FillStepBox();

    m_frmConfigure = new frmConfigure(this, m_store);
    connect(m_frmConfigure, &frmConfigure::settingsApplied, this, [this] {
        SetUpTimezoneComboBoxes(true);
        cmdCompute_Click();
    });
    SetUpTimezoneComboBoxes(false);

    intDefaultTimezoneIndex =
        static_cast<int16_t>(DatePr2::DefaultTimezoneIndex(DatePr2::intDefaultTimezoneMinutes));

    cmdRun->hide();
    cmdLoadState->hide();
    ArrangeControls();

    Language::intLanguage = Language::InitialLanguage(Language::StoredLanguage(m_store));
    // The names go into the start-up language at once, so that the first table and
    // report are not written with the names of another language.
    ZDR::BuildCatalogueNames();
    move(0, 0);

    if (core.intOutcome == ZDR::intStartupNoPlutoTable) {
        show();
        ShowStartupMessages(core, support::MsgIcon::Warning);
        support::ShowMessage(this, T(MainText::PlutoTableMissing),
                             T(MainText::PlutoTableMissingTitle), support::MsgIcon::Warning);
        return false;
    }

    ArrangeCommandRow();
    UpdateFileButtons();

    RestoreLastState();

    cmdNow_Click();
    cmdQuit->show();
    cmdReport->show();
    cmdToggleGraphic->show();
    cmdHelp->show();
    Timer1->start();
    RefreshHintLine();

    SetLanguageDependentText();
    optEnglish->setText(QStringLiteral("English"));
    optGerman->setText(QStringLiteral("German"));
    if (Language::intLanguage == Language::intGerman) {
        optGerman->setChecked(true);
        SwitchLanguage(Language::intGerman);
    } else {
        optEnglish->setChecked(true);
        SwitchLanguage(Language::intEnglish);
    }

    show();
    ShowStartupMessages(core, support::MsgIcon::Warning);
    UpdateFileButtons();
    cmdNow_Click();
    // A missing or damaged ephemeris file is named once, with the years it concerns.
    const std::string strEphemerisMessage = ZDR::EphemerisFilesMessage();
    if (!strEphemerisMessage.empty()) {
        support::ShowMessage(this, Q(strEphemerisMessage), Q(ZDR::EphemerisFilesTitle()),
                             support::MsgIcon::Warning);
    }
    blnStartupCompleted = true;
    m_frmConfigure->SetStartupCompleted(true);

    // The window's start-up size is the largest it may take.
    intInitialWidth = static_cast<int16_t>(support::Twips(width()));
    intInitialHeight = static_cast<int16_t>(support::Twips(height()));
    setMinimumSize(Px(kMinWidth), Px(kMinHeight));
    setMaximumSize(width(), height());
    return true;
}

void frmMain::ShowStartupMessages(const ZDR::CoreStartup& core, support::MsgIcon icon) {
    for (const ZDR::StartupMessage& message : core.udtMessages)
        support::ShowMessage(this, Q(message.strText), Q(message.strTitle), icon);
}

void frmMain::RestoreLastState() {
    if (!ReadState(strUserStateFile).empty()) {
        ShowDefaultView();
        return;
    }
    ShowRestoredState();
}

void frmMain::ShowRestoredState() {
    // A restored two-chart mode is not kept: the state is shown with one chart.
    int set = 0;
    if (optNatal[0]->isChecked())
        set = 1;
    else if (optNatal[1]->isChecked())
        set = 2;
    else
        SelectModeQuietly(ZDR::intModeWorldTransits);
    if (DateSetGivesJD(set)) {
        cmdCompute_Click();
        picTable->show();
    } else {
        ShowDefaultView();
    }
}

bool frmMain::DateSetGivesJD(int i) {
    DatePr2::DateSetInput set = DateSetFromControls(i);
    const double jd = DatePr2::InputDateToAJDate(set, intDefaultTimezoneIndex);
    DateSetToControls(i, set);
    return jd > 0;
}

void frmMain::ShowDefaultView() {
    SetWorldDateToNow();
    SelectModeQuietly(ZDR::intModeWorldTransits);
    cmdCompute_Click();
    picTable->show();
}

// ---------------------------------------------------------------- lists

void frmMain::FillMonthBoxes() {
    for (int i = 0; i < 3; ++i) {
        const int selected = std::max(0, cboMonthCE[i]->currentIndex());
        cboMonthCE[i]->clear();
        cboMonthCE[i]->addItem(QString());
        for (int m = 1; m <= 12; ++m)
            cboMonthCE[i]->addItem(Q(DatePr2::MonthName(m, false, Language::intLanguage)));
        cboMonthCE[i]->setCurrentIndex(selected);
    }
}

void frmMain::FillDateBoxes() {
    FillMonthBoxes();
    for (int i = 0; i < 3; ++i) {
        cboMonthCE[i]->setCurrentIndex(0);
        cboDayCE[i]->clear();
        cboDayCE[i]->addItem(QString());
        for (int d = 1; d <= 31; ++d)
            cboDayCE[i]->addItem(QString::number(d));
        cboDayCE[i]->setCurrentIndex(0);
        txbYearCE[i]->clear();
        cboHour[i]->clear();
        cboHour[i]->addItem(QString());
        for (int h = 1; h <= 48; ++h)
            cboHour[i]->addItem(Q(DatePr2::DayFractionToTimeText((h - 1) / 48.0, false)));
        cboHour[i]->setCurrentIndex(0);
    }
}

void frmMain::FillStepBox() {
    const int selected = cboForwardBack->currentIndex();
    cboForwardBack->clear();
    for (int n = 170; n <= 174; ++n)
        cboForwardBack->addItem(T(n));
    cboForwardBack->setCurrentIndex(selected >= 0 ? selected : 1);
}

void frmMain::SetUpTimezoneComboBoxes(bool blnPreserveIndices) {
    const bool northAmerican = ZDR::OptionsInForce().blnDisplayNATZ;
    const std::vector<DatePr2::TimezoneEntry> zones = DatePr2::TimezoneList(northAmerican);
    for (int i = 0; i < 3; ++i) {
        const int keep = blnPreserveIndices ? std::max(0, cboTimezone[i]->currentIndex()) : 0;
        cboTimezone[i]->clear();
        for (const DatePr2::TimezoneEntry& zone : zones)
            cboTimezone[i]->addItem(Q(zone.strText), zone.intMinutes);
        cboTimezone[i]->setCurrentIndex(keep);
    }
}

// ---------------------------------------------------------------- layout

void frmMain::ArrangeControls() {
    Place(lblTitle, kTableLeft, kTitleTop, kWindowWidth - 2 * kTableLeft, 300);
    Place(lblClickonAspect, kTableLeft, kHintTop, kWindowWidth - 2 * kTableLeft, 300);
}

void frmMain::ArrangeCommandRow() {
    // The foot row lies below the largest table, so that the window keeps one size.
    const int top = kTableTop + 12 * ZDR::intCellHeight + 150;
    const int height = kControlHeight + 30;
    Place(cmdRun, 5900, top, 1120, height);
    Place(cmdToggleGraphic, 5900 + 1120 + 200, top, 1750, height);
    const int reportLeft = 5900 + 1120 + 200 + 1750 + 100;
    Place(cmdReport, reportLeft, top, 1120, height);
    Place(cmdSaveAs, reportLeft + 1120 + 100, top, 1950, height);
    Place(cmdLoadState, reportLeft + 1120 + 100 + 1950 + 100, top, 1750, height);
    // The notice line lies below the row, across the whole window.
    Place(lblNotice, kTableLeft, top + height + 90, kWindowWidth - 2 * kTableLeft, 300);
    resize(Px(kWindowWidth), Px(top + height + 90 + 300 + 90));
}

void frmMain::ArrangeResultArea() {
    const ZDR::AspectTable& table = udtResult.udtTable;
    const int width = table.intNumCols * ZDR::intCellWidth;
    const int height = table.intNumRows * ZDR::intCellHeight;
    Place(picTable, kTableLeft, kTableTop, width, height);
    QPlainTextEdit* report = ZDR::IsTwoChartMode(udtResult.intModeCode) ? txbReport1 : txbReport;
    const int left = kTableLeft + width + 120;
    Place(report, left, kTableTop, kWindowWidth - left - kTableLeft, height);
}

void frmMain::UpdateFileButtons() {
    cmdLoadState->setVisible(!ChartShown());
}

void frmMain::RefreshHintLine() {
    const int16_t mode = SelectedModeCode();
    if (ChartShown()) {
        lblClickonAspect->setText(Q(ZDR::ZodiacLabel(false)));
        return;
    }
    lblClickonAspect->setText(ZDR::IsTransitMode(mode) ? T(MainText::ClickOnAspect) : QString());
}

// ---------------------------------------------------------------- language

void frmMain::SetLanguageDependentText() {
    for (int i = 0; i < 3; ++i) {
        Label1[i]->setText(T(MainText::DateSetCaption[i]));
        cmdClear[i]->setText(T(MainText::Clear));
        cboMonthCE[i]->setToolTip(T(MainText::Month));
        txbYearCE[i]->setToolTip(T(MainText::Year));
        cboHour[i]->setToolTip(T(MainText::Time));
        cboTimezone[i]->setToolTip(T(MainText::Timezone));
    }
    optPlanetary->setText(T(MainText::WorldTransits));
    for (int i = 0; i < 2; ++i) {
        optNatal[i]->setText(T(MainText::NatalAspects));
        optPersonal[i]->setText(T(MainText::PersonalTransits));
    }
    optSynastry->setText(T(MainText::Synastry));
    for (QRadioButton* mode :
         {optPlanetary, optNatal[0], optNatal[1], optPersonal[0], optPersonal[1], optSynastry})
        mode->setToolTip(T(MainText::ModeToolTip));
    cmdCompute->setText(T(MainText::Compute));
    cmdConfigure->setText(T(MainText::Configure));
    cmdNow->setText(T(MainText::Now));
    cmdHelp->setText(T(MainText::Help));
    cmdSave->setText(T(MainText::Save));
    cmdRestore->setText(T(MainText::Restore));
    cmdQuit->setText(T(MainText::Quit));
    cmdForwardBack[0]->setText(T(MainText::Forward));
    cmdForwardBack[1]->setText(T(MainText::Back));
    cmdRun->setText(T(MainText::Run));
    cmdToggleGraphic->setText(ChartShown() ? T(MainText::DisplayTable) : T(MainText::DisplayChart));
    cmdReport->setText(T(MainText::Report));
    cmdSaveAs->setText(T(MainText::SaveAs));
    cmdLoadState->setText(T(MainText::LoadFrom));
    fraLanguage->setTitle(T(MainText::LanguageFrame));
    fraLanguage->setToolTip(T(MainText::LanguageToolTip));
    fraAngles->setToolTip(T(MainText::AnglesToolTip));
    cboForwardBack->setToolTip(T(MainText::StepToolTip));
    fraAngles->setTitle(T(MainText::AnglesFrame));
    optDegrees->setText(T(MainText::Degrees));
    optRadians->setText(T(MainText::Radians));
    FillMonthBoxes();
    FillStepBox();
    // The notice line goes back to its caption in the new language.
    const bool noticeShowsCaption = lblNotice->text() == m_strNoticeCaption;
    m_strNoticeCaption = T(MainText::Notice);
    if (noticeShowsCaption)
        lblNotice->setText(m_strNoticeCaption);
    RefreshHintLine();
    if (m_frmConfigure)
        m_frmConfigure->SetLanguageDependentText();
}

void frmMain::SwitchLanguage(int16_t intNewLanguage) {
    Language::SwitchLanguage(intNewLanguage, m_store);
    SetLanguageDependentText();
    if (udtResult.intModeCode != 0)
        lblTitle->setText(Q(ZDR::SetModeTitle(udtResult.intModeCode, ChartShown())));
    if (!blnStartupCompleted)
        return;
    RefreshWeekdayToolTips();
    cmdCompute_Click();
    FocusCompute();
}

// ---------------------------------------------------------------- date sets

DatePr2::DateSetInput frmMain::DateSetFromControls(int i) const {
    DatePr2::DateSetInput set;
    set.strYearText = txbYearCE[i]->text().toStdString();
    set.intMonthIndex = static_cast<int16_t>(std::max(0, cboMonthCE[i]->currentIndex()));
    set.intDayIndex = static_cast<int16_t>(std::max(0, cboDayCE[i]->currentIndex()));
    set.intHourIndex = static_cast<int16_t>(std::max(0, cboHour[i]->currentIndex()));
    set.intTimezoneIndex = static_cast<int16_t>(std::max(0, cboTimezone[i]->currentIndex()));
    return set;
}

void frmMain::DateSetToControls(int i, const DatePr2::DateSetInput& set) {
    const QString year = Q(set.strYearText);
    if (txbYearCE[i]->text() != year)
        txbYearCE[i]->setText(year);
    cboMonthCE[i]->setCurrentIndex(set.intMonthIndex);
    cboDayCE[i]->setCurrentIndex(set.intDayIndex);
    cboHour[i]->setCurrentIndex(set.intHourIndex);
    cboTimezone[i]->setCurrentIndex(set.intTimezoneIndex);
}

void frmMain::ShowInputError(int i, double code) {
    const int c = static_cast<int>(-code);
    const QString reason = (c >= 1 && c <= 4) ? T(MainText::DateSetReason[c - 1]) : QString();
    support::ShowMessage(this, T(MainText::DateSetCaption[i]) + " " + reason,
                         T(MainText::InvalidDateTitle), support::MsgIcon::Information);
    blnDateError = true;
}

void frmMain::SetWorldDateToNow() {
    DateSetToControls(
        0, DatePr2::DateSetOfMoment(DatePr2::NowAsJD(), DatePr2::intDefaultTimezoneMinutes,
                                    intDefaultTimezoneIndex));
    RefreshWeekdayToolTip(0);
}

void frmMain::cmdNow_Click() {
    SetWorldDateToNow();
    if (ZDR::IsTransitMode(SelectedModeCode()))
        cmdCompute_Click();
}

void frmMain::RefreshWeekdayToolTip(int i) {
    DatePr2::DateSetInput set = DateSetFromControls(i);
    const double local = DatePr2::InputDateToLocalDay(set);
    DateSetToControls(i, set);  // the year cleaned, the hour default filled in
    cboDayCE[i]->setToolTip(local > 0
                                ? Q(DatePr2::WeekdayName(static_cast<int32_t>(std::floor(local)),
                                                         Language::intLanguage))
                                : QString());
}

void frmMain::RefreshWeekdayToolTips() {
    for (int i = 0; i < 3; ++i)
        RefreshWeekdayToolTip(i);
}

void frmMain::DateChoiceMade(int i) {
    if (!isVisible())
        return;
    lblNotice->setText(m_strNoticeCaption);
    MarkStale(i);
    if (cmdCompute->isEnabled())
        FocusCompute();
}

void frmMain::MarkStale(int i) {
    if (ChartShown())
        return;
    if (ZDR::ModeUsesDateSet(udtResult.intModeCode, static_cast<int16_t>(i))) {
        cmdToggleGraphic->hide();
        cmdRun->hide();
    }
}

void frmMain::YearEnterPressed(int i) {
    if (!ZDR::ModeUsesDateSet(udtResult.intModeCode, static_cast<int16_t>(i)))
        return;
    cmdCompute_Click();
    m_blnYearEntered[i] = true;
}

void frmMain::ClearDateSet(int i) {
    if (support::AskYesNoCancel(this, T(MainText::ClearQuestion) + " " + T(MainText::ClearWhich[i]),
                                cmdClear[i]->text(),
                                support::MsgAnswer::Yes) != support::MsgAnswer::Yes)
        return;
    cboMonthCE[i]->setCurrentIndex(0);
    cboDayCE[i]->setCurrentIndex(0);
    cboHour[i]->setCurrentIndex(0);
    cboTimezone[i]->setCurrentIndex(0);
    txbYearCE[i]->clear();
    RefreshWeekdayToolTip(i);
}

// ---------------------------------------------------------------- modes and computing

int16_t frmMain::SelectedModeCode() const {
    if (optPlanetary->isChecked())
        return ZDR::intModeWorldTransits;
    if (optNatal[0]->isChecked())
        return ZDR::intModeNatal1;
    if (optNatal[1]->isChecked())
        return ZDR::intModeNatal2;
    if (optPersonal[0]->isChecked())
        return ZDR::intModePersonal1;
    if (optPersonal[1]->isChecked())
        return ZDR::intModePersonal2;
    if (optSynastry->isChecked())
        return ZDR::intModeSynastry;
    return 0;
}

void frmMain::SelectModeQuietly(int16_t intModeCode) {
    QRadioButton* modes[7] = {nullptr,        optPlanetary,   optNatal[0], optNatal[1],
                              optPersonal[0], optPersonal[1], optSynastry};
    if (intModeCode < 1 || intModeCode > 6)
        return;
    const bool restoring = m_blnModeRestore;
    m_blnModeRestore = true;
    modes[intModeCode]->setChecked(true);
    m_blnModeRestore = restoring;
}

void frmMain::cmdCompute_Click() {
    if (!m_frmConfigure)
        return;
    ZDR::ComputeInput input;
    input.intModeCode = SelectedModeCode();
    for (int i = 0; i < 3; ++i)
        input.udtDateSet[i] = DateSetFromControls(i);
    input.blnRadians = optRadians->isChecked();
    input.udtOptions = ZDR::OptionsInForce();
    input.intDefaultTimezoneIndex = intDefaultTimezoneIndex;

    int16_t failedSet = -1;
    const int16_t outcome = ZDR::Compute(input, udtResult, failedSet);
    // The date sets come back cleaned and with their defaults, as the controls show them.
    for (int i = 0; i < 3; ++i)
        if (ZDR::ModeUsesDateSet(input.intModeCode, static_cast<int16_t>(i)))
            DateSetToControls(i, input.udtDateSet[i]);
    if (outcome == ZDR::intComputeNoMode)
        return;
    if (outcome != ZDR::intComputeDone) {
        ShowInputError(failedSet, outcome);
        return;
    }
    ShowResult();
}

void frmMain::ShowResult() {
    const int16_t mode = udtResult.intModeCode;
    lblTitle->setText(Q(ZDR::SetModeTitle(mode, ChartShown())));
    const ZDR::ConfigOptions& options = ZDR::OptionsInForce();
    if (ZDR::IsTwoChartMode(mode)) {
        txbReport->hide();
        txbReport1->setPlainText(Q(ZDR::BuildTwoChartReport(mode, ChartShown(), false)));
        txbReport1->show();
    } else {
        txbReport1->hide();
        txbReport->setPlainText(Q(ZDR::BuildSingleChartReport(
            options.blnWaxingWaningAspects, ZDR::MidpointOrb(options.intMidpointOrbIndex),
            udtResult.intNumRetro, udtResult.strRetroList, optRadians->isChecked())));
        txbReport->show();
    }
    ArrangeResultArea();
    picTable->update();
    picTable->show();
    cmdToggleGraphic->show();
    RefreshHintLine();
    // The durations window that reports the aspects is not built yet: the button only
    // answers when there is nothing to report.
    cmdReport->setEnabled(ZDR::GetTotalNumAspects(udtResult.udtTable) == 0);
}

void frmMain::ModeButtonClicked() {
    if (m_blnModeRestore)
        return;
    const int16_t previous = udtResult.intModeCode;
    blnDateError = false;
    cmdCompute_Click();
    if (blnDateError) {
        SelectModeQuietly(previous);
        blnDateError = false;
    }
    RefreshHintLine();
}

void frmMain::ToggleDegreesRadians() {
    if (optDegrees->isChecked())
        optRadians->setChecked(true);
    else
        optDegrees->setChecked(true);
    if (blnStartupCompleted)
        cmdCompute_Click();
}

void frmMain::FocusCompute() {
    if (cmdCompute->isVisible() && cmdCompute->isEnabled())
        cmdCompute->setFocus();
}

void frmMain::CellDoubleClicked(int index) {
    (void)index;
    if (!ZDR::IsTransitMode(udtResult.intModeCode)) {
        FocusCompute();
        return;
    }
}

void frmMain::cmdReport_Click() {
    if (ZDR::GetTotalNumAspects(udtResult.udtTable) == 0)
        support::ShowMessage(this, Q(ZDR::NoAspectReportMessage(udtResult.intModeCode)),
                             cmdReport->text(), support::MsgIcon::Information);
}

void frmMain::cmdConfigure_Click() {
    Timer1->stop();
    m_frmConfigure->ShowBesideMainWindow();
    Timer1->start();
}

// ---------------------------------------------------------------- timer, quit, events

void frmMain::RefreshControls() {
    m_frmConfigure->ApplyTransitingMoonBox();
    for (int i = 0; i < 3; ++i) {
        const QString digits = Q(DatePr2::YearDigits(txbYearCE[i]->text().toStdString()));
        if (digits != txbYearCE[i]->text())
            txbYearCE[i]->setText(digits);
        const bool filled = !digits.isEmpty() || cboTimezone[i]->currentIndex() > 0 ||
                            cboHour[i]->currentIndex() > 0 || cboDayCE[i]->currentIndex() > 0 ||
                            cboMonthCE[i]->currentIndex() > 0;
        cmdClear[i]->setVisible(filled);
    }
    cmdToggleGraphic->setText(ChartShown() ? T(MainText::DisplayTable) : T(MainText::DisplayChart));
    lblNotice->setVisible(!ChartShown());
    if (isMinimized() && m_frmConfigure->isVisible())
        m_frmConfigure->hide();
    udtStateClean.Tick();
}

void frmMain::cmdQuit_Click() {
    if (udtStateClean.IsSet()) {
        QApplication::exit(0);
        return;
    }
    const support::MsgAnswer answer = support::AskYesNoCancel(
        this, T(MainText::QuitQuestion), cmdQuit->text(), support::MsgAnswer::No);
    if (answer == support::MsgAnswer::Cancel)
        return;
    if (answer == support::MsgAnswer::Yes) {
        // A state that cannot be saved is not thrown away: say why and stay open.
        const std::string error = WriteState(strUserStateFile);
        if (!error.empty()) {
            support::ShowMessage(this, Q(error), cmdQuit->text(), support::MsgIcon::Warning);
            return;
        }
    }
    QApplication::exit(0);
}

// ---------------------------------------------------------------- state files

ZDR::StateFileData frmMain::CollectState() const {
    ZDR::StateFileData data;
    for (int i = 0; i < 3; ++i)
        data.dateSets[i] = DateSetFromControls(i);
    const QRadioButton* modes[6] = {optPlanetary,   optNatal[0],    optNatal[1],
                                    optPersonal[0], optPersonal[1], optSynastry};
    for (int m = 0; m < 6; ++m)
        data.blnModeOption[m] = modes[m]->isChecked();
    data.intStepSizeIndex = static_cast<int16_t>(std::max(0, cboForwardBack->currentIndex()));
    // The dialog's boxes and lists; the zodiac, the colours and the orb table in force.
    const ZDR::ConfigOptions& applied = ZDR::OptionsInForce();
    data.options = m_frmConfigure->Controls();
    data.options.blnSidereal = applied.blnSidereal;
    data.options.dblAspectColor = applied.dblAspectColor;
    data.intOrbIndex = applied.intOrbListIndex;
    return data;
}

std::string frmMain::WriteState(const std::string& path) {
    // The dialog's zodiac option follows the zodiac in force, which the file records.
    ZDR::ConfigOptions shown = m_frmConfigure->Controls();
    if (shown.blnSidereal != ZDR::OptionsInForce().blnSidereal) {
        shown.blnSidereal = ZDR::OptionsInForce().blnSidereal;
        m_frmConfigure->SetControls(shown);
    }
    const std::string error = ZDR::WriteStateFile(path, CollectState());
    if (!error.empty())
        return error;
    udtStateClean.Set();
    Language::StoreLanguage(m_store);
    return std::string();
}

std::string frmMain::ReadState(const std::string& path) {
    m_blnModeRestore = true;
    ZDR::StateFileData data = CollectState();
    const std::string error = ZDR::ReadStateFile(path, data);
    ApplyState(data);
    if (!error.empty())
        m_frmConfigure->ResetToDefault();
    m_blnModeRestore = false;
    return error;
}

void frmMain::ApplyState(const ZDR::StateFileData& data) {
    for (int i = 0; i < 3; ++i)
        DateSetToControls(i, data.dateSets[i]);
    const int mode = ZDR::SelectedModeOption(data);
    if (mode >= 0)
        SelectModeQuietly(static_cast<int16_t>(mode + 1));
    cboForwardBack->setCurrentIndex(data.intStepSizeIndex);
    m_frmConfigure->SetControls(data.options);
    ZDR::ConfigOptions restored = data.options;
    restored.intOrbListIndex = data.intOrbIndex;
    ZDR::UseStateFileSettings(restored);
    RefreshWeekdayToolTips();
}

void frmMain::PopUpBeside(QPushButton* button, const QString& message) {
    const QRect g = button->geometry();
    frmPopUp::Instance().PopUpInForm(this, message, 2400, 300, 2000, support::Twips(g.top()) + 475,
                                     support::Twips(g.left()) - 2450);
}

void frmMain::cmdSave_Click() {
    const std::string error = WriteState(strUserStateFile);
    if (!error.empty())
        support::ShowMessage(this, Q(error), cmdSave->text(), support::MsgIcon::Warning);
    else
        PopUpBeside(cmdSave, T(MainText::InputSaved));
    FocusCompute();
}

void frmMain::cmdRestore_Click() {
    if (!QFileInfo::exists(Q(strUserStateFile)))
        return;
    const std::string error = ReadState(strUserStateFile);
    if (!error.empty()) {
        support::ShowMessage(this, Q(error), cmdRestore->text(), support::MsgIcon::Warning);
        return;
    }
    cmdCompute_Click();
    PopUpBeside(cmdRestore, T(MainText::InputRestored));
}

void frmMain::cmdSaveAs_Click() {
    if (ChartShown())
        return;
    support::FileDialogRequest request;
    request.blnSave = true;
    request.strTitle = T(MainText::SaveAsTitle);
    request.strFilter = T(MainText::StateFiles) + " (*.zdr)";
    request.strDefaultSuffix = QStringLiteral("zdr");
    const QString file = support::AskFileName(this, request);
    if (file.isEmpty())
        return;
    const std::string error = WriteState(file.toStdString());
    if (!error.empty()) {
        support::ShowMessage(this, Q(error), cmdSaveAs->text(), support::MsgIcon::Warning);
        return;
    }
    frmPopUp::Instance().PopUpInForm(this, T(MainText::InputSaved), 2400, 300, 2000,
                                     support::Twips(cmdSaveAs->geometry().top()) + 350,
                                     support::Twips(cmdReport->geometry().left()) + 100);
    lblNotice->setText(T(MainText::SavedTo) + " " + QDir::toNativeSeparators(file));
}

void frmMain::cmdLoadState_Click() {
    support::FileDialogRequest request;
    request.strTitle = T(MainText::LoadFromTitle);
    request.strFilter = T(MainText::StateFiles) + " (*.zdr)";
    request.strDefaultSuffix = QStringLiteral("zdr");
    const QString file = support::AskFileName(this, request);
    if (file.isEmpty())
        return;
    const std::string error = ReadState(file.toStdString());
    if (!error.empty()) {
        support::ShowMessage(this, Q(error) + "\n\n" + T(MainText::LoadFailedNotice),
                             T(MainText::LoadFailedTitle), support::MsgIcon::Warning);
        return;
    }
    ShowRestoredState();
    lblNotice->setText(T(MainText::LoadedFrom) + " " + QDir::toNativeSeparators(file));
    udtStateClean.Set();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing by the window manager ends the program at once, without saving.
    if (m_frmConfigure)
        m_frmConfigure->hide();
    event->accept();
    QApplication::exit(0);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1[0] && event->type() == QEvent::MouseButtonPress) {
        ToggleDegreesRadians();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

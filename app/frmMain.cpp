#include "app/frmMain.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>

#include "app/DateRow.h"
#include "app/MainKeyboard.h"
#include "app/MainLayout.h"
#include "app/MainTexts.h"
#include "astro/DatePr2.h"
#include "calendar/frmCalendar.h"
#include "config/LanguageSetting.h"
#include "config/OptionsInForce.h"
#include "config/frmConfigure.h"
#include "engine/Angles.h"
#include "engine/Catalogue.h"
#include "engine/CellExplanation.h"
#include "engine/CellSentence.h"
#include "engine/CoreStartup.h"
#include "engine/Durations.h"
#include "engine/Report.h"
#include "search/StepRunner.h"
#include "store/ImageExport.h"
#include "support/AccessKeys.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "support/WebAddress.h"
#include "support/WindowSupport.h"
#include "support/frmPopUp.h"
#include "support/frmView.h"
#include "support/weblink.h"
#include "text/EphemerisText.h"
#include "text/Language.h"
#include "view/GraphicView.h"
#include "view/TableGrid.h"
#include "view/frmDurations.h"

namespace {

// The version in the title and the exported pictures: major and minor, "26.1".
constexpr char kVersion[] = ZODARC_VERSION_MAJOR_MINOR;

using support::Px;
using support::Q;

QString T(int n) {
    return support::Text(n);
}

void Place(QWidget* w, int left, int top, int width, int height) {
    support::PlaceTwips(w, left, top, width, height);
}

using namespace MainLayout;

// A frame of two options side by side at the foot of the column beside the table, at left
// (twips); first and second receive its options.
QGroupBox* NewOptionFrame(QWidget* page, int left, QRadioButton*& first, QRadioButton*& second) {
    auto* frame = new QGroupBox(page);
    Place(frame, left, kFrameTop, kFrameWidth, kFrameHeight);
    first = new QRadioButton(frame);
    Place(first, kMargin, kFrameOptionTop, kFrameSecondLeft - kMargin, kLabelHeight);
    second = new QRadioButton(frame);
    Place(second, kFrameSecondLeft, kFrameOptionTop, kFrameWidth - kFrameSecondLeft - kFrameInset,
          kLabelHeight);
    return frame;
}

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
    // The controls stand on a page of fixed size, which scrolls in a smaller window.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* central = new QWidget(scroll);
    central->setFixedSize(Px(kContentWidth), Px(kContentHeight));
    scroll->setWidget(central);
    setCentralWidget(scroll);
    setWindowTitle(QStringLiteral("Zodarc"));

    for (int i = 0; i < 3; ++i) {
        DateRow* row = new DateRow(i, central);
        Place(row, 0, kDateTop + i * kRowStep, DateRow::RowWidth(), DateRow::intRowHeight);
        m_dateRow[i] = row;
        Label1[i] = row->lblCaption;
        cboMonthCE[i] = row->cboMonthCE;
        cboDayCE[i] = row->cboDayCE;
        txbYearCE[i] = row->txbYearCE;
        cboHour[i] = row->cboHour;
        cboTimezone[i] = row->cboTimezone;
        cmdClear[i] = row->cmdClear;
        connect(row, &DateRow::choiceMade, this,
                [this, i](bool blnByMouse) { DateChoiceMade(i, blnByMouse); });
        connect(row, &DateRow::yearEdited, this, [this, i] { MarkStale(i); });
        connect(row, &DateRow::yearEntered, this, [this, i] { YearEnterPressed(i); });
    }
    Label1[0]->installEventFilter(this);
    Label1[0]->setCursor(Qt::PointingHandCursor);

    // The mode buttons stand beside the date sets they use.
    auto* modeGroup = new QButtonGroup(this);
    optPlanetary = new QRadioButton(central);
    Place(optPlanetary, kModeLeft, kDateTop, kPersonalLeft - kModeLeft - kGap, kControlHeight);
    for (int i = 0; i < 2; ++i) {
        const int top = kDateTop + (i + 1) * kRowStep;
        optNatal[i] = new QRadioButton(central);
        Place(optNatal[i], kModeLeft, top, kPersonalLeft - kModeLeft - kGap, kControlHeight);
        optPersonal[i] = new QRadioButton(central);
        Place(optPersonal[i], kPersonalLeft, top, kSynastryLeft - kPersonalLeft - kGap,
              kControlHeight);
    }
    optSynastry = new QRadioButton(central);
    Place(optSynastry, kSynastryLeft, kDateTop + kRowStep * 3 / 2,
          kCommandLeft - kSynastryLeft - kGap, kControlHeight);
    m_optMode = {optPlanetary,   optNatal[0],    optNatal[1],
                 optPersonal[0], optPersonal[1], optSynastry};
    for (QRadioButton* mode : m_optMode) {
        modeGroup->addButton(mode);
        connect(mode, &QRadioButton::clicked, this, [this] { ModeButtonClicked(); });
    }

    cmdForwardBack[1] = new QPushButton(central);
    Place(cmdForwardBack[1], kModeLeft, kStepTop, kStepButtonWidth, kControlHeight);
    cmdForwardBack[0] = new QPushButton(central);
    Place(cmdForwardBack[0], kModeLeft + kStepButtonWidth + kStepGap, kStepTop, kStepButtonWidth,
          kControlHeight);
    cboForwardBack = new QComboBox(central);
    Place(cboForwardBack, kModeLeft + 2 * (kStepButtonWidth + kStepGap), kStepTop, kStepListWidth,
          kControlHeight);

    // The commands in two columns; Quit stands alone below Restore.
    const int right = kCommandLeft + kCommandWidth + kGap;
    const struct {
        QPushButton** button;
        int left, top, height;
    } commands[] = {{&cmdCompute, kCommandLeft, kDateTop, kButtonHeight},
                    {&cmdConfigure, right, kDateTop, kButtonHeight},
                    {&cmdNow, kCommandLeft, kDateTop + kRowStep, kControlHeight},
                    {&cmdHelp, right, kDateTop + kRowStep, kControlHeight},
                    {&cmdSave, kCommandLeft, kDateTop + 2 * kRowStep, kControlHeight},
                    {&cmdRestore, right, kDateTop + 2 * kRowStep, kControlHeight},
                    {&cmdQuit, right, kStepTop, kControlHeight}};
    for (const auto& c : commands) {
        *c.button = new QPushButton(central);
        Place(*c.button, c.left, c.top, kCommandWidth, c.height);
    }

    // Language and angles side by side at the foot of the column beside the table.
    fraLanguage = NewOptionFrame(central, kSideLeft, optEnglish, optGerman);
    connect(optEnglish, &QRadioButton::clicked, this,
            [this] { SwitchLanguage(Language::intEnglish); });
    connect(optGerman, &QRadioButton::clicked, this,
            [this] { SwitchLanguage(Language::intGerman); });

    fraAngles = NewOptionFrame(central, kRightEdge - kFrameWidth, optDegrees, optRadians);
    for (QRadioButton* angles : {optDegrees, optRadians})
        connect(angles, &QRadioButton::clicked, this, [this] {
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
    cmdCalendar = new QPushButton(central);
    cmdSaveAs = new QPushButton(central);
    cmdLoadState = new QPushButton(central);
    lblNotice = new QLabel(central);
    lblUserManual = new QLabel(central);
    lblUserManualLink = new LinkLabel(central);
    const GraphicViewLink graphicLink{this,    picTable,     cmdToggleGraphic,        cmdSaveAs,
                                      cmdQuit, cmdLoadState, {txbReport, txbReport1}, {}};
    picGraphic = new GraphicView(graphicLink, kTableTop, central);

    connect(cmdCompute, &QPushButton::clicked, this, &frmMain::cmdCompute_Click);
    connect(cmdConfigure, &QPushButton::clicked, this, &frmMain::cmdConfigure_Click);
    connect(cmdNow, &QPushButton::clicked, this, &frmMain::cmdNow_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);
    connect(cmdReport, &QPushButton::clicked, this, &frmMain::cmdReport_Click);
    connect(cmdCalendar, &QPushButton::clicked, this, [this] {
        frmCalendar::Open(this, udtResult, m_dateRow[0]->DateSet(), cmdCompute,
                          [this](const auto& set) { m_dateRow[0]->SetDateSet(set); });
    });
    connect(cmdSave, &QPushButton::clicked, this, &frmMain::cmdSave_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmMain::cmdRestore_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmMain::cmdSaveAs_Click);
    connect(cmdLoadState, &QPushButton::clicked, this, &frmMain::cmdLoadState_Click);
    connect(cmdHelp, &QPushButton::clicked, this,
            [this] { frmView::ShowHelp(this, m_strDataFolder); });
    connect(lblUserManualLink, &QLabel::linkActivated, this,
            [this] { weblink::OpenUserManual(this, m_strDataFolder); });
    connect(cmdToggleGraphic, &QPushButton::clicked, this, &frmMain::cmdToggleGraphic_Click);
    connect(picGraphic, &GraphicView::printRequested, this, [this] {
        ZDR::PrintSheetOnDisplay(this, *picGraphic, udtResult.intModeCode, CollectState().dateSets);
    });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::RefreshControls);

    StepRunnerLink step;
    step.frmMainWindow = this;
    step.cmdForwardBack = cmdForwardBack;
    step.cboForwardBack = cboForwardBack;
    step.cmdRun = cmdRun;
    step.cmdToggleGraphic = cmdToggleGraphic;
    step.udtUsableDuringRun = {cmdQuit, txbReport, txbReport1};
    step.WorldDate = [this] { return m_dateRow[0]->DateSet(); };
    step.SetWorldDate = [this](const DatePr2::DateSetInput& set) {
        m_dateRow[0]->SetDateSet(set);
        m_dateRow[0]->RefreshWeekdayToolTip();
    };
    step.Compute = [this] {
        blnDateError = false;
        cmdCompute_Click();
        return !blnDateError;
    };
    step.ShowWorldDateError = [this](double code) { ShowInputError(0, code); };
    step.SelectedModeCode = [this] { return SelectedModeCode(); };
    step.LastComputation = [this]() -> const ZDR::ComputeResult& { return udtResult; };
    m_stepRunner = new StepRunner(std::move(step), this);
    picTable->SetCellNamer([this](int i) {
        return ZDR::CellSentence(udtResult.udtTable, udtResult.intModeCode,
                                 static_cast<int16_t>(i));
    });
    MainKeyboard::SetUpKeys(*this);
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdHelp, cmdToggleGraphic, cmdReport, cmdCalendar, cmdQuit,
                                         txbReport, txbReport1, lblUserManual, lblUserManualLink})
        w->hide();

    for (DateRow* row : m_dateRow)
        row->FillLists();
    m_stepRunner->SetLanguageDependentText();

    m_frmConfigure = new frmConfigure(this, m_store);
    picGraphic->SetConfigurationDialog(m_frmConfigure);
    connect(m_frmConfigure, &frmConfigure::settingsApplied, this, [this] {
        SetUpTimezoneComboBoxes(true);
        cmdCompute_Click();
    });
    SetUpTimezoneComboBoxes(false);

    intDefaultTimezoneIndex =
        static_cast<int16_t>(DatePr2::DefaultTimezoneIndex(DatePr2::intDefaultTimezoneMinutes));

    cmdRun->hide();
    m_stepRunner->EnableStepControls(false);
    cmdLoadState->hide();
    ArrangeControls();

    Language::intLanguage = Language::InitialLanguage(Language::StoredLanguage(m_store));
    // The names go into the start-up language at once, so that the first table and
    // report are not written with the names of another language.
    ZDR::BuildCatalogueNames();
    FitWindowToScreen();
    support::PlaceFrameAtTopLeft(this);

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
    for (QWidget* w :
         std::initializer_list<QWidget*>{cmdQuit, cmdReport, cmdCalendar, cmdToggleGraphic, cmdHelp,
                                         lblUserManual, lblUserManualLink})
        w->show();
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

    FitWindowToScreen();
    cboMonthCE[0]->setFocus();  // the first field of the world date
    return true;
}

void frmMain::ShowStartupMessages(const ZDR::CoreStartup& core, support::MsgIcon icon) {
    for (const ZDR::StartupMessage& message : core.udtMessages)
        support::ShowMessage(this, Q(message.strText), Q(message.strTitle), icon);
}

void frmMain::RestoreLastState() {
    // A first start has no state file yet: nothing to restore, and nothing to reset.
    if (!QFileInfo::exists(Q(strUserStateFile)) || !ReadState(strUserStateFile).empty()) {
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
    if (m_dateRow[set]->GivesJD(intDefaultTimezoneIndex)) {
        cmdCompute_Click();
        picTable->show();
    } else {
        ShowDefaultView();
    }
}

void frmMain::ShowDefaultView() {
    SetWorldDateToNow();
    SelectModeQuietly(ZDR::intModeWorldTransits);
    cmdCompute_Click();
    picTable->show();
}

// ---------------------------------------------------------------- lists

void frmMain::SetUpTimezoneComboBoxes(bool blnPreserveIndices) {
    const std::vector<DatePr2::TimezoneEntry> zones =
        DatePr2::TimezoneList(ZDR::OptionsInForce().blnDisplayNATZ);
    for (DateRow* row : m_dateRow)
        row->FillTimezoneList(zones, blnPreserveIndices);
}

// ---------------------------------------------------------------- layout

void frmMain::ArrangeControls() {
    Place(lblTitle, kTableLeft, kTitleTop, kRightEdge - kTableLeft, kHintTop - kTitleTop - 15);
    Place(lblClickonAspect, kTableLeft, kHintTop, kRightEdge - kTableLeft, kLabelHeight);
}

void frmMain::ArrangeCommandRow() {
    // Two rows in the column beside the table, above the frames of language and angles.
    const int second = kFootTop + kRowStep;
    Place(cmdRun, kSideLeft, kFootTop, kRunWidth, kButtonHeight);
    Place(cmdToggleGraphic, kSideLeft + kRunWidth + kGap, kFootTop, kToggleWidth, kButtonHeight);
    Place(cmdReport, kSideLeft + kRunWidth + kToggleWidth + 2 * kGap, kFootTop, kReportWidth,
          kButtonHeight);
    Place(cmdSaveAs, kSideLeft, second, kSaveAsWidth, kButtonHeight);
    Place(cmdLoadState, kSideLeft + kSaveAsWidth + kGap, second, kLoadStateWidth, kButtonHeight);
    Place(cmdCalendar, kCalendarLeft, second, kReportWidth, kButtonHeight);
    // The notice line lies below the table, the user manual's link below the column beside it.
    Place(lblNotice, kTableLeft, kNoticeTop, kSideLeft - kMargin - kTableLeft, kLabelHeight);
    Place(lblUserManual, kSideLeft, kNoticeTop, kManualLabelWidth, kLabelHeight);
    Place(lblUserManualLink, kSideLeft + kManualLabelWidth, kNoticeTop,
          kRightEdge - kSideLeft - kManualLabelWidth, kLabelHeight);
}

void frmMain::ArrangeResultArea() {
    // The report fills the room beside the table, above the command row.
    const ZDR::AspectTable& table = udtResult.udtTable;
    const int width = ZDR::TableWidthTwips(table);
    const int height = ZDR::TableHeightTwips(table);
    Place(picTable, kTableLeft, kTableTop, width, height);
    QPlainTextEdit* report = ZDR::IsTwoChartMode(udtResult.intModeCode) ? txbReport1 : txbReport;
    const int left = kTableLeft + width + kMargin;
    Place(report, left, kTableTop, kRightEdge - left, kFootTop - kMargin - kTableTop);
}

void frmMain::FitWindowToScreen() {
    // The whole page is the largest size; a smaller screen gets a window that scrolls.
    const QSize page(Px(kContentWidth), Px(kContentHeight));
    resize(support::SizeOnScreen(this, page));
    intInitialWidth = static_cast<int16_t>(support::Twips(page.width()));
    intInitialHeight = static_cast<int16_t>(support::Twips(page.height()));
    setMinimumSize(Px(kMinWidth), Px(kMinHeight));
    setMaximumSize(page);
}

void frmMain::UpdateFileButtons() {
    cmdLoadState->setVisible(!ChartShown());
}

void frmMain::RefreshHintLine() {
    const int16_t mode = SelectedModeCode();
    if (ChartShown()) {
        lblClickonAspect->setText(Q(ZDR::ZodiacLabel(false, ZDR::OptionsInForce().blnSidereal)));
        return;
    }
    lblClickonAspect->setText(ZDR::IsTransitMode(mode) ? T(MainText::ClickOnAspect) : QString());
}

// ---------------------------------------------------------------- language

void frmMain::SetLanguageDependentText() {
    for (DateRow* row : m_dateRow)
        row->SetLanguageDependentText();
    const std::pair<QAbstractButton*, int> captions[] = {
        {optPlanetary, MainText::WorldTransits},
        {optNatal[0], MainText::NatalAspects},
        {optNatal[1], MainText::NatalAspects},
        {optPersonal[0], MainText::PersonalTransits},
        {optPersonal[1], MainText::PersonalTransits},
        {optSynastry, MainText::Synastry},
        {cmdCompute, MainText::Compute},
        {cmdConfigure, MainText::Configure},
        {cmdNow, MainText::Now},
        {cmdHelp, MainText::Help},
        {cmdSave, MainText::Save},
        {cmdRestore, MainText::Restore},
        {cmdQuit, MainText::Quit},
        {cmdReport, MainText::Report},
        {cmdCalendar, MainText::Calendar},
        {cmdSaveAs, MainText::SaveAs},
        {cmdLoadState, MainText::LoadFrom},
        {optDegrees, MainText::Degrees},
        {optRadians, MainText::Radians}};
    for (const auto& [button, n] : captions)
        support::SetCaption(button, T(n));
    optPlanetary->setToolTip(T(MainText::ModeToolTip));
    optSynastry->setToolTip(T(MainText::ModeToolTip));
    // The two rows of birthdate modes are told apart by the birthdate they name.
    for (int i = 0; i < 2; ++i) {
        optNatal[i]->setToolTip(T(MainText::NatalToolTip[i]));
        optPersonal[i]->setToolTip(T(MainText::PersonalToolTip[i]));
    }
    lblUserManual->setText(T(MainText::UserManual) + ":");
    lblUserManualLink->SetLink(T(MainText::UserManualLink), QStringLiteral("manual"));
    lblUserManualLink->setToolTip(QDir::toNativeSeparators(
        Q(weblink::ManualPagePath(m_strDataFolder.toStdString(), Language::intLanguage))));
    picGraphic->SetCaptions();
    fraLanguage->setTitle(T(MainText::LanguageFrame));
    fraLanguage->setToolTip(T(MainText::LanguageToolTip));
    fraAngles->setToolTip(T(MainText::AnglesToolTip));
    fraAngles->setTitle(T(MainText::AnglesFrame));
    for (DateRow* row : m_dateRow)
        row->FillMonthList();
    m_stepRunner->SetLanguageDependentText();
    // The notice line goes back to its caption in the new language.
    const bool noticeShowsCaption = lblNotice->text() == m_strNoticeCaption;
    m_strNoticeCaption = T(MainText::Notice);
    if (noticeShowsCaption)
        lblNotice->setText(m_strNoticeCaption);
    RefreshHintLine();
    MainKeyboard::NameParts(*this);
    if (m_frmConfigure)
        m_frmConfigure->SetLanguageDependentText();
}

void frmMain::SwitchLanguage(int16_t intNewLanguage) {
    Language::SwitchLanguage(intNewLanguage, m_store);
    support::UseQtLanguage(Language::intLanguage);
    SetLanguageDependentText();
    if (udtResult.intModeCode != 0)
        lblTitle->setText(
            Q(ZDR::SetModeTitle(udtResult.intModeCode, ChartShown(), ZDR::ChartOptionsInForce())));
    if (!blnStartupCompleted)
        return;
    RefreshWeekdayToolTips();
    cmdCompute_Click();
    FocusCompute();
}

// ---------------------------------------------------------------- date sets

DatePr2::DateSetInput frmMain::DateSetFromControls(int i) const {
    return m_dateRow[i]->DateSet();
}

void frmMain::ShowInputError(int i, double code) {
    const int c = static_cast<int>(-code);
    const QString reason = (c >= 1 && c <= 4) ? T(MainText::DateSetReason[c - 1]) : QString();
    support::ShowMessage(this, T(MainText::DateSetCaption[i]) + " " + reason,
                         T(MainText::InvalidDateTitle), support::MsgIcon::Information);
    blnDateError = true;
}

void frmMain::SetWorldDateToNow() {
    m_dateRow[0]->SetDateSet(DatePr2::DateSetOfMoment(
        DatePr2::NowAsJD(), DatePr2::intDefaultTimezoneMinutes, intDefaultTimezoneIndex));
    m_dateRow[0]->RefreshWeekdayToolTip();
}

void frmMain::cmdNow_Click() {
    SetWorldDateToNow();
    if (ZDR::IsTransitMode(SelectedModeCode()))
        cmdCompute_Click();
}

void frmMain::RefreshWeekdayToolTips() {
    for (DateRow* row : m_dateRow)
        row->RefreshWeekdayToolTip();
}

void frmMain::DateChoiceMade(int i, bool blnByMouse) {
    if (!isVisible())
        return;
    lblNotice->setText(m_strNoticeCaption);
    MarkStale(i);
    // A choice with the keys leaves the focus in the list, for the next choice.
    if (blnByMouse && cmdCompute->isEnabled() && !m_stepRunner->blnStepInProgress)
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
    m_dateRow[i]->SkipNextYearEdited();
}

// ---------------------------------------------------------------- modes and computing

int16_t frmMain::SelectedModeCode() const {
    // The buttons stand in the order of the mode codes, 1 to 6.
    for (std::size_t m = 0; m < m_optMode.size(); ++m)
        if (m_optMode[m]->isChecked())
            return static_cast<int16_t>(m + 1);
    return 0;
}

void frmMain::SelectModeQuietly(int16_t intModeCode) {
    if (intModeCode < 1 || intModeCode > static_cast<int16_t>(m_optMode.size()))
        return;
    const bool restoring = m_blnModeRestore;
    m_blnModeRestore = true;
    m_optMode[intModeCode - 1]->setChecked(true);
    m_blnModeRestore = restoring;
}

void frmMain::cmdCompute_Click() {
    if (!m_frmConfigure)
        return;
    ZDR::ComputeInput input;
    input.intModeCode = SelectedModeCode();
    for (DateRow* row : m_dateRow)
        if (!row->ReadInto(input))
            return;
    input.blnRadians = optRadians->isChecked();
    input.udtOptions = ZDR::ChartOptionsInForce();
    input.intDefaultTimezoneIndex = intDefaultTimezoneIndex;

    int16_t failedSet = -1;
    const int16_t outcome = ZDR::Compute(input, udtResult, failedSet);
    // The date sets come back cleaned and with their defaults, as the controls show them.
    for (int i = 0; i < 3; ++i)
        if (ZDR::ModeUsesDateSet(input.intModeCode, static_cast<int16_t>(i)))
            m_dateRow[i]->SetDateSet(input.udtDateSet[i]);
    if (outcome == ZDR::intComputeNoMode)
        return;
    if (outcome != ZDR::intComputeDone) {
        ShowInputError(failedSet, outcome);
        return;
    }
    ShowResult();
}

void frmMain::ShowResult() {
    lblTitle->setText(
        Q(ZDR::SetModeTitle(udtResult.intModeCode, ChartShown(), ZDR::ChartOptionsInForce())));
    ShowReport();
    ArrangeResultArea();
    picTable->update();
    // While a graphic is on display, every computation redraws the wheel.
    Places::Houses houses;
    const int16_t set = view::WheelHouseSet(udtResult.intModeCode);
    picGraphic->SetHouses(m_dateRow[set]->HousesAt(udtResult.dblChartAJD[set], houses), houses);
    if (ChartShown())
        picGraphic->ShowWheel(udtResult, ZDR::ChartOptionsInForce());
    else
        picTable->show();
    cmdToggleGraphic->show();
    RefreshHintLine();
}

void frmMain::ShowReport() {
    const int16_t mode = udtResult.intModeCode;
    std::string report = ZDR::ComputationReport(udtResult, ZDR::ChartOptionsInForce(),
                                                optRadians->isChecked(), ChartShown(), false);
    const bool blnTwoChart = ZDR::IsTwoChartMode(mode);
    if (!blnTwoChart) {
        // A birth chart with a place has houses (the world date row has no place).
        const int set = mode == ZDR::intModeNatal2 ? 2 : mode == ZDR::intModeNatal1 ? 1 : 0;
        report += m_dateRow[set]->HousesReport(udtResult.dblChartAJD[set], udtResult);
    }
    (blnTwoChart ? txbReport : txbReport1)->hide();
    QPlainTextEdit* shown = blnTwoChart ? txbReport1 : txbReport;
    shown->setPlainText(Q(report));
    shown->show();
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
    m_stepRunner->EnableStepControls(ZDR::IsTransitMode(SelectedModeCode()) &&
                                     !m_stepRunner->blnRunning);
    RefreshHintLine();
}

bool frmMain::ChartShown() const {
    return picGraphic->GraphicShown();
}

void frmMain::cmdToggleGraphic_Click() {
    m_stepRunner->StopRun();
    const bool blnLeavingTransitGraphic = picGraphic->TransitGraphicShown();
    picGraphic->cmdToggleGraphic_Click(udtResult, ZDR::ChartOptionsInForce());
    // The report box held the explanation of the transit graphic's aspect.
    if (blnLeavingTransitGraphic)
        ShowReport();
    // Run (its caption given back by StopRun) stands beside the wheel when a run can go.
    m_stepRunner->RefreshStepControls(ChartShown(), picGraphic->TransitGraphicShown());
    lblTitle->setText(
        Q(ZDR::SetModeTitle(udtResult.intModeCode, ChartShown(), ZDR::ChartOptionsInForce())));
    RefreshHintLine();
    UpdateFileButtons();
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
    const ZDR::CellExplanation e =
        ZDR::ExplainCell(udtResult.udtTable, static_cast<int16_t>(index),
                         ZDR::TimingContextOf(udtResult, WorldTimezoneMinutes(),
                                              ZDR::ChartOptionsInForce()),
                         ZDR::OptionsInForce());
    if (e.intOutcome == ZDR::CellClick::NoTiming) {
        FocusCompute();
    } else if (e.intOutcome == ZDR::CellClick::MoonAspect) {
        support::ShowMessage(this, Q(e.strMessage), Q(e.strTitle), support::MsgIcon::Information);
    } else if (e.intOutcome == ZDR::CellClick::Timed) {
        if (ZDR::IsPersonalTransitMode(udtResult.intModeCode) && e.udtTiming.dblBegin >= 0 &&
            e.udtTiming.dblEnd >= 0) {
            ShowTransitGraphic(e);
            return;
        }
        if (support::AskYesNo(this, Q(e.strQuestion), Q(e.strTitle)))
            ShowDurations();
        FocusCompute();
    }
}

void frmMain::ShowTransitGraphic(const ZDR::CellExplanation& e) {
    const int natalSet = udtResult.intModeCode == ZDR::intModePersonal1 ? 1 : 2;
    lblClickonAspect->clear();
    lblNotice->hide();
    picGraphic->ShowTransitGraphic(view::TransitInputOf(
        e.udtTiming, udtResult.intModeCode, udtResult.dblChartAJD, WorldTimezoneMinutes(),
        m_dateRow[natalSet]->TimezoneMinutes(), ZDR::ChartOptionsInForce()));
    m_stepRunner->RefreshStepControls(ChartShown(), picGraphic->TransitGraphicShown());
    UpdateFileButtons();
    txbReport1->setPlainText(Q(e.strMessage));
}

void frmMain::cmdReport_Click() {
    if (m_frmDurations && m_frmDurations->isVisible())
        m_frmDurations->hide();
    else if (ZDR::GetTotalNumAspects(udtResult.udtTable) == 0)
        support::ShowMessage(this, Q(ZDR::NoAspectReportMessage(udtResult.intModeCode)),
                             T(MainText::Report), support::MsgIcon::Information);
    else
        ShowDurations();
}

// The world date's timezone, minutes east of Greenwich: the day boundaries of the timing.
int16_t frmMain::WorldTimezoneMinutes() const {
    return m_dateRow[0]->TimezoneMinutes();
}

void frmMain::ShowDurations() {
    if (!m_frmDurations)
        m_frmDurations = new frmDurations(this);
    const ZDR::ConfigOptions& options = ZDR::OptionsInForce();
    DurationsRequest request;
    request.pudtChart = &udtResult;
    request.udtContext =
        ZDR::TimingContextOf(udtResult, WorldTimezoneMinutes(), ZDR::ChartOptionsInForce());
    for (int i = 0; i < 3; ++i)
        request.strDateText[i] = m_dateRow[i]->DateText(options.blnDisplayNATZ);
    request.intTableTop = kTableTop;
    Timer1->stop();
    m_frmDurations->Report(request);
    Timer1->start();
}

void frmMain::cmdConfigure_Click() {
    Timer1->stop();
    m_frmConfigure->ShowBesideMainWindow();
    Timer1->start();
}

// ---------------------------------------------------------------- timer, quit, events

void frmMain::RefreshControls() {
    m_frmConfigure->ApplyTransitingMoonBox();
    for (DateRow* row : m_dateRow)
        row->Tidy();
    m_stepRunner->RefreshStepControls(ChartShown(), picGraphic->TransitGraphicShown());
    picGraphic->SetCaptions();
    lblNotice->setVisible(!ChartShown());
    if (isMinimized() && m_frmConfigure->isVisible())
        m_frmConfigure->hide();
    udtStateClean.Tick();
}

void frmMain::cmdQuit_Click() {
    if (udtStateClean.IsSet()) {
        EndProgram();
        return;
    }
    const support::MsgAnswer answer = support::AskYesNoCancel(
        this, T(MainText::QuitQuestion), T(MainText::Quit), support::MsgAnswer::No);
    if (answer == support::MsgAnswer::Cancel)
        return;
    if (answer == support::MsgAnswer::Yes) {
        // A state that cannot be saved is not thrown away: say why and stay open.
        const std::string error = WriteState(strUserStateFile);
        if (!error.empty()) {
            support::ShowMessage(this, Q(error), T(MainText::Quit), support::MsgIcon::Warning);
            return;
        }
    }
    EndProgram();
}

void frmMain::EndProgram() {
    // A run ends with the program: no step after the window is gone.
    m_stepRunner->EndForClose();
    QApplication::exit(0);
}

// ---------------------------------------------------------------- state files

ZDR::StateFileData frmMain::CollectState() const {
    ZDR::StateFileData data;
    for (int i = 0; i < 3; ++i) {
        data.dateSets[i] = m_dateRow[i]->DateSet();
        data.udtPlaces[i] = m_dateRow[i]->Place();
    }
    for (std::size_t m = 0; m < m_optMode.size(); ++m)
        data.blnModeOption[m] = m_optMode[m]->isChecked();
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
    for (DateRow* row : m_dateRow)
        row->RestoreFrom(data);
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
    frmPopUp::Instance().PopUpInForm(this, message, kPopUpWidth, kLabelHeight, kPopUpShownMs,
                                     support::Twips(g.top()) + kPopUpDrop,
                                     support::Twips(g.left()) - kPopUpWidth - kPopUpGap);
}

void frmMain::cmdSave_Click() {
    const std::string error = WriteState(strUserStateFile);
    if (!error.empty())
        support::ShowMessage(this, Q(error), T(MainText::Save), support::MsgIcon::Warning);
    else
        PopUpBeside(cmdSave, T(MainText::InputSaved));
    FocusCompute();
}

void frmMain::cmdRestore_Click() {
    if (!QFileInfo::exists(Q(strUserStateFile)))
        return;
    const std::string error = ReadState(strUserStateFile);
    if (!error.empty()) {
        support::ShowMessage(this, Q(error), T(MainText::Restore), support::MsgIcon::Warning);
        return;
    }
    cmdCompute_Click();
    PopUpBeside(cmdRestore, T(MainText::InputRestored));
}

QString frmMain::AskStateFileName(bool blnSave, int intTitleText) {
    support::FileDialogRequest request;
    request.blnSave = blnSave;
    request.strTitle = T(intTitleText);
    request.strFilter = T(MainText::StateFiles) + " (*.zdr)";
    request.strDefaultSuffix = QStringLiteral("zdr");
    return support::AskFileName(this, request);
}

void frmMain::cmdSaveAs_Click() {
    if (ChartShown()) {
        UpdateFileButtons();
        ZDR::SaveGraphicOnDisplay(this, support::PlainCaption(cmdSaveAs->text()), *picGraphic,
                                  udtResult.intModeCode, CollectState().dateSets, kVersion);
        return;
    }
    const QString file = AskStateFileName(true, MainText::SaveAsTitle);
    if (file.isEmpty())
        return;
    const std::string error = WriteState(file.toStdString());
    if (!error.empty()) {
        support::ShowMessage(this, Q(error), T(MainText::SaveAs), support::MsgIcon::Warning);
        return;
    }
    frmPopUp::Instance().PopUpInForm(this, T(MainText::InputSaved), kPopUpWidth, kLabelHeight,
                                     kPopUpShownMs,
                                     support::Twips(cmdSaveAs->geometry().top()) + kSaveAsPopUpDrop,
                                     support::Twips(cmdReport->geometry().left()) + kGap);
    lblNotice->setText(T(MainText::SavedTo) + " " + QDir::toNativeSeparators(file));
}

void frmMain::cmdLoadState_Click() {
    const QString file = AskStateFileName(false, MainText::LoadFromTitle);
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
    EndProgram();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1[0] && event->type() == QEvent::MouseButtonPress) {
        ToggleDegreesRadians();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

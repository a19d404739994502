#include "config/frmConfigure.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "astro/CatalogueCounts.h"
#include "astro/DatePr2.h"
#include "astro/Positions.h"
#include "config/OptionsInForce.h"
#include "config/RegistryOptions.h"
#include "support/FocusLabel.h"
#include "support/MessageBox.h"
#include "support/WindowSupport.h"
#include "text/Language.h"

namespace {

// Program texts: what an aspect's orb list and colour swatch are, after the aspect's name.
constexpr int kOrbName = 1008;
constexpr int kColorName = 1009;
constexpr int kFractionName = 1011;  // the fraction of the orb that sets boldface

constexpr int kMinHeight = 4700 / support::intTwipsPerPixel;  // pixels
constexpr int kMaxHeight = 9660 / support::intTwipsPerPixel;  // pixels
// The line a colour label shows in its colour on black.
const char* const kColorLine = "------------------------------";

using support::Q;

// Asks question with Yes and No, No the default; returns false when the answer is No.
bool AskYesNo(QWidget* parent, const ZDR::ConfigureMessage& question) {
    return support::AskYesNo(parent, Q(question.strText), Q(question.strTitle));
}

// Sets the list index when it lies inside the list; otherwise the list stays as it is.
void SelectIndex(QComboBox* list, int index) {
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

}  // namespace

frmConfigure::frmConfigure(QWidget* mainWindow, Registry3::SettingsStore& store)
    : QDialog(mainWindow), frmMainWindow(mainWindow), udtStore(store) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CreateControls();
    Load();
}

void frmConfigure::CreateControls() {
    fraContent = new QWidget(this);
    auto* layout = new QVBoxLayout(fraContent);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(1);

    // Orbs and colours of the seven aspects, under the "Set all" row.
    auto* gridOrbs = new QGridLayout;
    gridOrbs->setHorizontalSpacing(8);
    gridOrbs->setVerticalSpacing(1);
    cmdSetAllNonzeroOrbsToConjunctionOrb = new QPushButton(fraContent);
    gridOrbs->addWidget(cmdSetAllNonzeroOrbsToConjunctionOrb, 0, 0, 1, 2);
    for (int i = 0; i < ZDR::intNumOrbLists; ++i)
        cboOrb[i] = new QComboBox(fraContent);
    gridOrbs->addWidget(cboOrb[ZDR::intSetAllOrbList], 0, 2);
    for (int i = 0; i < ZDR::intCatalogueAspects; ++i) {
        lblAspectName[i] = new QLabel(fraContent);
        lblAspectColor[i] = new FocusLabel(fraContent);
        lblAspectColor[i]->setAutoFillBackground(true);
        lblAspectColor[i]->setAlignment(Qt::AlignCenter);
        lblAspectColor[i]->setFixedHeight(18);
        lblAspectColor[i]->installEventFilter(this);
        gridOrbs->addWidget(lblAspectName[i], i + 1, 0);
        gridOrbs->addWidget(lblAspectColor[i], i + 1, 1);
        gridOrbs->addWidget(cboOrb[i], i + 1, 2);
    }
    gridOrbs->setColumnStretch(0, 1);
    layout->addLayout(gridOrbs);
    layout->addSpacing(5);

    // Divisors of the orbs for personal transits and synastry.
    auto* gridProportions = new QGridLayout;
    gridProportions->setHorizontalSpacing(8);
    gridProportions->setVerticalSpacing(1);
    gridProportions->setContentsMargins(20, 0, 0, 0);
    lblOrbDivisors = new QLabel(fraContent);
    layout->addWidget(lblOrbDivisors);
    lblPersonalTransits = new QLabel(fraContent);
    lblSynastry = new QLabel(fraContent);
    for (int j = 0; j < 2; ++j)
        cboPersonalOrbsProportion[j] = new QComboBox(fraContent);
    gridProportions->addWidget(lblPersonalTransits, 0, 0);
    gridProportions->addWidget(cboPersonalOrbsProportion[0], 0, 1);
    gridProportions->addWidget(lblSynastry, 1, 0);
    gridProportions->addWidget(cboPersonalOrbsProportion[1], 1, 1);
    gridProportions->setColumnStretch(0, 1);
    layout->addLayout(gridProportions);
    layout->addSpacing(5);

    // Boldface rule.
    chkUseBoldface = new QCheckBox(fraContent);
    layout->addWidget(chkUseBoldface);
    opt1DegOfOrb = new QRadioButton(fraContent);
    optProportionOfOrb = new QRadioButton(fraContent);
    cboBoldfaceFactor = new QComboBox(fraContent);
    lblOfOrb = new QLabel(fraContent);
    auto* groupBoldface = new QButtonGroup(this);
    groupBoldface->addButton(opt1DegOfOrb);
    groupBoldface->addButton(optProportionOfOrb);
    auto* rowBoldface = new QHBoxLayout;
    rowBoldface->setContentsMargins(20, 0, 0, 0);
    rowBoldface->addWidget(opt1DegOfOrb);
    rowBoldface->addSpacing(12);
    rowBoldface->addWidget(optProportionOfOrb);
    rowBoldface->addWidget(cboBoldfaceFactor);
    rowBoldface->addWidget(lblOfOrb);
    rowBoldface->addStretch(1);
    layout->addLayout(rowBoldface);
    layout->addSpacing(5);

    // The check-box options.
    chkSuppressInnerPlanetAspectDisplay = new QCheckBox(fraContent);
    chkIncludeTransitingMoon = new QCheckBox(fraContent);
    chkDisplayNATZabbr = new QCheckBox(fraContent);
    chkWaxingWaningAspects = new QCheckBox(fraContent);
    chkUseColor = new QCheckBox(fraContent);
    chkUseColor->setChecked(true);
    for (QCheckBox* box : {chkSuppressInnerPlanetAspectDisplay, chkIncludeTransitingMoon,
                           chkDisplayNATZabbr, chkWaxingWaningAspects, chkUseColor})
        layout->addWidget(box);
    layout->addSpacing(5);

    // Zodiac.
    lblZodiac = new QLabel(fraContent);
    optWesternAstrology = new QRadioButton(fraContent);
    optVedicAstrology = new QRadioButton(fraContent);
    auto* groupZodiac = new QButtonGroup(this);
    groupZodiac->addButton(optWesternAstrology);
    groupZodiac->addButton(optVedicAstrology);
    auto* rowZodiac = new QHBoxLayout;
    rowZodiac->addWidget(lblZodiac);
    rowZodiac->addSpacing(6);
    rowZodiac->addWidget(optWesternAstrology);
    rowZodiac->addWidget(optVedicAstrology);
    rowZodiac->addStretch(1);
    layout->addLayout(rowZodiac);
    chkKeepZodiac = new QCheckBox(fraContent);
    layout->addWidget(chkKeepZodiac);
    layout->addSpacing(5);

    // Orb for midpoints.
    lblOrbForMidpoints = new QLabel(fraContent);
    cboOrbForMidpoints = new QComboBox(fraContent);
    auto* rowMidpoints = new QHBoxLayout;
    rowMidpoints->addWidget(lblOrbForMidpoints);
    rowMidpoints->addSpacing(6);
    rowMidpoints->addWidget(cboOrbForMidpoints);
    rowMidpoints->addStretch(1);
    layout->addLayout(rowMidpoints);
    layout->addSpacing(5);

    // Houses and the wheel of a chart with a place.
    lblHouseSystem = new QLabel(fraContent);
    cboHouseSystem = new QComboBox(fraContent);
    lblHouseSystem->setBuddy(cboHouseSystem);
    auto* rowHouses = new QHBoxLayout;
    rowHouses->addWidget(lblHouseSystem);
    rowHouses->addSpacing(6);
    rowHouses->addWidget(cboHouseSystem);
    rowHouses->addStretch(1);
    layout->addLayout(rowHouses);
    lblWheelWithPlace = new QLabel(fraContent);
    optAscendantLeft = new QRadioButton(fraContent);
    optAriesRight = new QRadioButton(fraContent);
    optAscendantLeft->setChecked(true);
    auto* groupWheel = new QButtonGroup(this);
    groupWheel->addButton(optAscendantLeft);
    groupWheel->addButton(optAriesRight);
    auto* rowWheel = new QHBoxLayout;
    rowWheel->addWidget(lblWheelWithPlace);
    rowWheel->addSpacing(6);
    rowWheel->addWidget(optAscendantLeft);
    rowWheel->addWidget(optAriesRight);
    rowWheel->addStretch(1);
    layout->addLayout(rowWheel);
    chkAnglesInAspects = new QCheckBox(fraContent);
    layout->addWidget(chkAnglesInAspects);
    layout->addSpacing(6);

    // Commands.
    cmdReset = new QPushButton(fraContent);
    cmdAccept = new QPushButton(fraContent);
    cmdCancel = new QPushButton(fraContent);
    cmdHide = new QPushButton(fraContent);
    auto* gridCommands = new QGridLayout;
    gridCommands->addWidget(cmdReset, 0, 0);
    gridCommands->addWidget(cmdAccept, 0, 1);
    gridCommands->addWidget(cmdCancel, 1, 0);
    gridCommands->addWidget(cmdHide, 1, 1);
    layout->addLayout(gridCommands);
    layout->addStretch(1);

    connect(cmdAccept, &QPushButton::clicked, this, [this] { cmdAccept_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdHide, &QPushButton::clicked, this, [this] { cmdHide_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdSetAllNonzeroOrbsToConjunctionOrb, &QPushButton::clicked, this,
            [this] { cmdSetAllNonzeroOrbsToConjunctionOrb_Click(); });
    connect(cboOrb[ZDR::intSetAllOrbList], QOverload<int>::of(&QComboBox::activated), this,
            [this] { cboSetAllOrb_Activated(); });
    connect(chkUseBoldface, &QCheckBox::toggled, this, [this] { chkUseBoldface_Toggled(); });

    // Every other control: after the user changes it, the focus goes to "Use settings".
    for (int i = 0; i < ZDR::intCatalogueAspects; ++i)
        connect(cboOrb[i], QOverload<int>::of(&QComboBox::activated), this,
                [this] { MoveFocusToAccept(); });
    for (QComboBox* list : {cboPersonalOrbsProportion[0], cboPersonalOrbsProportion[1],
                            cboBoldfaceFactor, cboOrbForMidpoints, cboHouseSystem})
        connect(list, QOverload<int>::of(&QComboBox::activated), this,
                [this] { MoveFocusToAccept(); });
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             opt1DegOfOrb, optProportionOfOrb, chkSuppressInnerPlanetAspectDisplay,
             chkIncludeTransitingMoon, chkDisplayNATZabbr, chkWaxingWaningAspects, chkUseColor,
             optWesternAstrology, optVedicAstrology, chkKeepZodiac, optAscendantLeft,
             optAriesRight, chkAnglesInAspects})
        connect(button, &QAbstractButton::clicked, this, [this] { MoveFocusToAccept(); });
}

void frmConfigure::Load() {
    if (frmMainWindow) {
        setWindowIcon(frmMainWindow->windowIcon());
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, frmMainWindow->palette().color(QPalette::Window));
        setPalette(palette);
    }
    FillLists();
    optWesternAstrology->setChecked(true);
    chkKeepZodiac->setChecked(true);
    ResetToDefault();
    LoadRegistryOptions();
    ZDR::UseSettings(Controls());
    SetControlFonts();
    SetLanguageDependentText();
    resize(fraContent->size());
}

void frmConfigure::FillLists() {
    cboHouseSystem->clear();
    for (const std::string& name : ZDR::ConfigureDialogCaptions().strHouseSystemName)
        cboHouseSystem->addItem(Q(name));
    const std::vector<std::string> orbTexts = ZDR::OrbListTexts();
    for (QComboBox* list : cboOrb) {
        list->clear();
        for (int i = 0; i < static_cast<int>(orbTexts.size()); ++i)
            list->addItem(Q(orbTexts[i]), ZDR::OrbArcminutes(static_cast<int16_t>(i)));
    }
    cboOrbForMidpoints->clear();
    for (const std::string& text : ZDR::MidpointOrbListTexts())
        cboOrbForMidpoints->addItem(Q(text));
    cboBoldfaceFactor->clear();
    const std::vector<std::string> factorTexts = ZDR::BoldfaceFactorTexts();
    for (int i = 0; i < static_cast<int>(factorTexts.size()); ++i)
        cboBoldfaceFactor->addItem(Q(factorTexts[i]),
                                   ZDR::BoldfaceDivisor(static_cast<int16_t>(i)));
    const std::vector<std::string> proportionTexts = ZDR::ProportionTexts();
    for (QComboBox* list : cboPersonalOrbsProportion) {
        list->clear();
        for (int i = 0; i < static_cast<int>(proportionTexts.size()); ++i)
            list->addItem(Q(proportionTexts[i]), ZDR::ProportionDivisor(static_cast<int16_t>(i)));
    }
}

void frmConfigure::LoadRegistryOptions() {
    chkDisplayNATZabbr->setChecked(
        Registry3::LoadTZDispOption(udtStore, DatePr2::LocalTimezoneMinutes()));
    chkIncludeTransitingMoon->setChecked(Registry3::LoadMoonOption(udtStore));
    chkSuppressInnerPlanetAspectDisplay->setChecked(Registry3::LoadIPADOption(udtStore));
    const Registry3::HouseOptions houses = Registry3::LoadHouseOptions(udtStore);
    ZDR::ConfigOptions options = Controls();
    options.intHouseSystem = houses.intSystem;
    options.blnAscendantLeft = houses.blnAscendantLeft;
    options.blnAnglesInAspects = houses.blnAnglesInAspects;
    SetControls(options);
}

void frmConfigure::SetControlFonts() {
    QFont fontArial = font();
    fontArial.setFamily(QStringLiteral("Arial"));
    for (QWidget* control : fraContent->findChildren<QWidget*>())
        control->setFont(fontArial);
    QFont fontColor = font();
    fontColor.setFamily(QStringLiteral("MS Sans Serif"));
    for (QLabel* label : lblAspectColor) {
        label->setFont(fontColor);
        label->setText(QString::fromLatin1(kColorLine));
    }
}

const ZDR::ConfigOptions& frmConfigure::Controls() const {
    ZDR::ConfigOptions& o = udtControls;
    for (int i = 0; i < ZDR::intNumOrbLists; ++i)
        o.intOrbListIndex[i] = static_cast<int16_t>(cboOrb[i]->currentIndex());
    for (int j = 0; j < 2; ++j)
        o.intProportionIndex[j] =
            static_cast<int16_t>(cboPersonalOrbsProportion[j]->currentIndex());
    o.blnUseBoldface = chkUseBoldface->isChecked();
    o.bln1DegOfOrb = opt1DegOfOrb->isChecked();
    o.intBoldfaceFactorIndex = static_cast<int16_t>(cboBoldfaceFactor->currentIndex());
    o.blnSuppressInnerPlanetAspects = chkSuppressInnerPlanetAspectDisplay->isChecked();
    o.blnIncludeTransitingMoon = chkIncludeTransitingMoon->isChecked();
    o.blnDisplayNATZ = chkDisplayNATZabbr->isChecked();
    o.blnWaxingWaningAspects = chkWaxingWaningAspects->isChecked();
    o.blnUseColor = chkUseColor->isChecked();
    o.blnSidereal = optVedicAstrology->isChecked();
    o.blnKeepZodiac = chkKeepZodiac->isChecked();
    o.intMidpointOrbIndex = static_cast<int16_t>(cboOrbForMidpoints->currentIndex());
    o.dblAspectColor = dblWorkingColor;
    o.intHouseSystem = static_cast<int16_t>(cboHouseSystem->currentIndex());
    o.blnAscendantLeft = optAscendantLeft->isChecked();
    o.blnAnglesInAspects = chkAnglesInAspects->isChecked();
    return o;
}

void frmConfigure::SetControls(const ZDR::ConfigOptions& o) {
    for (int i = 0; i < ZDR::intNumOrbLists; ++i)
        SelectIndex(cboOrb[i], o.intOrbListIndex[i]);
    for (int j = 0; j < 2; ++j)
        SelectIndex(cboPersonalOrbsProportion[j], o.intProportionIndex[j]);
    chkUseBoldface->setChecked(o.blnUseBoldface);
    chkUseBoldface_Toggled();
    (o.bln1DegOfOrb ? opt1DegOfOrb : optProportionOfOrb)->setChecked(true);
    SelectIndex(cboBoldfaceFactor, o.intBoldfaceFactorIndex);
    chkSuppressInnerPlanetAspectDisplay->setChecked(o.blnSuppressInnerPlanetAspects);
    chkIncludeTransitingMoon->setChecked(o.blnIncludeTransitingMoon);
    chkDisplayNATZabbr->setChecked(o.blnDisplayNATZ);
    chkWaxingWaningAspects->setChecked(o.blnWaxingWaningAspects);
    chkUseColor->setChecked(o.blnUseColor);
    (o.blnSidereal ? optVedicAstrology : optWesternAstrology)->setChecked(true);
    chkKeepZodiac->setChecked(o.blnKeepZodiac);
    SelectIndex(cboOrbForMidpoints, o.intMidpointOrbIndex);
    SelectIndex(cboHouseSystem, o.intHouseSystem);
    (o.blnAscendantLeft ? optAscendantLeft : optAriesRight)->setChecked(true);
    chkAnglesInAspects->setChecked(o.blnAnglesInAspects);
    for (int k = 1; k < ZDR::intAspectSlots; ++k) {
        dblWorkingColor[k] = o.dblAspectColor[k];
        DrawAspectColor(k - 1);
    }
}

void frmConfigure::SetStartupCompleted(bool blnCompleted) {
    blnStartupCompleted = blnCompleted;
    if (blnStartupCompleted)
        ApplySizeLimits();
}

void frmConfigure::ApplySizeLimits() {
    fraContent->adjustSize();
    intFixedWidth = fraContent->width();
    if (!blnStartupCompleted)
        return;
    setFixedWidth(intFixedWidth);
    setMinimumHeight(kMinHeight);
    setMaximumHeight(kMaxHeight);
}

void frmConfigure::ResetToDefault() {
    if (isVisible() && blnStartupCompleted && !AskYesNo(this, ZDR::ResetQuestion()))
        return;
    SetControls(ZDR::DefaultOptions(Language::intLanguage, Controls()));
    // Before start-up has completed the defaults go into force without a computation.
    if (blnStartupCompleted)
        cmdAccept_Click();
    else
        ZDR::UseSettings(Controls());
}

void frmConfigure::cmdReset_Click() {
    ResetToDefault();
}

void frmConfigure::ShowBesideMainWindow() {
    if (frmMainWindow && frmMainWindow->isMinimized()) {
        hide();
        return;
    }
    if (isVisible())
        FormActivate();
    else
        show();
    raise();
    activateWindow();
}

void frmConfigure::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormActivate();
}

void frmConfigure::FormActivate() {
    if (frmMainWindow && frmMainWindow->isMinimized()) {
        QTimer::singleShot(0, this, [this] { hide(); });
        return;
    }
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    PlaceBesideMainWindow();

    // The applied settings.
    const ZDR::ConfigOptions& applied = ZDR::OptionsInForce();
    for (int i = 0; i < ZDR::intNumOrbLists; ++i)
        SelectIndex(cboOrb[i], applied.intOrbListIndex[i]);
    (applied.blnSidereal ? optVedicAstrology : optWesternAstrology)->setChecked(true);
    for (int k = 1; k < ZDR::intAspectSlots; ++k) {
        dblWorkingColor[k] = applied.dblAspectColor[k];
        DrawAspectColor(k - 1);
    }
    // The inner-planet box shows the applied choice; the stored IPAD value is only read
    // when the dialog is loaded, so it would undo an applied choice here.
    chkSuppressInnerPlanetAspectDisplay->setChecked(applied.blnSuppressInnerPlanetAspects);

    TakeSnapshot();
    blnAccept = false;
    cmdHide->setFocus();
}

void frmConfigure::TakeSnapshot() {
    udtSnapshot.blnUseBoldface = chkUseBoldface->isChecked();
    udtSnapshot.intBoldfaceFactorIndex = cboBoldfaceFactor->currentIndex();
    for (int j = 0; j < 2; ++j)
        udtSnapshot.intProportionIndex[j] = cboPersonalOrbsProportion[j]->currentIndex();
    udtSnapshot.blnDisplayNATZ = chkDisplayNATZabbr->isChecked();
    udtSnapshot.blnIncludeTransitingMoon = chkIncludeTransitingMoon->isChecked();
    udtSnapshot.blnSuppressInnerPlanetAspects = chkSuppressInnerPlanetAspectDisplay->isChecked();
    udtSnapshot.blnWaxingWaningAspects = chkWaxingWaningAspects->isChecked();
}

void frmConfigure::PlaceBesideMainWindow() {
    if (!frmMainWindow)
        return;
    const Qt::WindowStates mainState = frmMainWindow->windowState();
    if (mainState & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    QScreen* screen = frmMainWindow->screen();
    if (!screen)
        return;
    const QRect screenArea = screen->availableGeometry();
    const QRect mainFrame = frmMainWindow->frameGeometry();
    const int dialogWidth = frameGeometry().width();
    const int left = std::min(mainFrame.x() + mainFrame.width(),
                              screenArea.x() + screenArea.width() - dialogWidth);
    move(left, mainFrame.y());
    frmMainWindow->move(std::max(screenArea.x(), left - mainFrame.width()), mainFrame.y());
}

void frmConfigure::cmdAccept_Click() {
    ZDR::UseSettings(Controls());
    const ZDR::ConfigOptions& applied = ZDR::OptionsInForce();
    Registry3::SaveHouseOptions(
        udtStore, {applied.intHouseSystem, applied.blnAscendantLeft, applied.blnAnglesInAspects});
    TakeSnapshot();  // what Cancel goes back to is what is in force now
    blnAccept = true;
    if (frmMainWindow && frmMainWindow->isMinimized())
        frmMainWindow->setWindowState(frmMainWindow->windowState() & ~Qt::WindowMinimized);
    emit settingsApplied();
}

void frmConfigure::cmdCancel_Click() {
    // Every control shows what is in force again; the boxes and lists of the snapshot are as
    // they were when the dialog was shown or its settings were last used, the Moon box
    // among them, which the main window's timer may have put in force meanwhile.
    SetControls(ZDR::OptionsInForce());
    chkUseBoldface->setChecked(udtSnapshot.blnUseBoldface);
    SelectIndex(cboBoldfaceFactor, udtSnapshot.intBoldfaceFactorIndex);
    for (int j = 0; j < 2; ++j)
        SelectIndex(cboPersonalOrbsProportion[j], udtSnapshot.intProportionIndex[j]);
    chkDisplayNATZabbr->setChecked(udtSnapshot.blnDisplayNATZ);
    chkIncludeTransitingMoon->setChecked(udtSnapshot.blnIncludeTransitingMoon);
    chkSuppressInnerPlanetAspectDisplay->setChecked(udtSnapshot.blnSuppressInnerPlanetAspects);
    chkWaxingWaningAspects->setChecked(udtSnapshot.blnWaxingWaningAspects);
    ApplyTransitingMoonBox();
    hide();
}

void frmConfigure::cmdHide_Click() {
    hide();
}

void frmConfigure::reject() {
    cmdCancel_Click();
}

void frmConfigure::closeEvent(QCloseEvent* event) {
    if (!isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    const ZDR::ConfigureMessage notice = ZDR::CloseNotice();
    support::ShowMessage(this, Q(notice.strText), Q(notice.strTitle),
                         support::MsgIcon::Information);
    // Cancel hides the dialog first, so that the reset that follows does not ask.
    cmdCancel_Click();
    ResetToDefault();
}

void frmConfigure::cmdSetAllNonzeroOrbsToConjunctionOrb_Click() {
    if (!AskYesNo(this, ZDR::SetAllOrbsQuestion(
                            static_cast<int16_t>(cboOrb[ZDR::intSetAllOrbList]->currentIndex()))))
        return;
    ZDR::ConfigOptions options = Controls();
    ZDR::SetAllNonzeroOrbs(options);
    for (int i = 0; i < ZDR::intCatalogueAspects; ++i)
        SelectIndex(cboOrb[i], options.intOrbListIndex[i]);
    // The orbs go into force at once, without "Use settings".
    ZDR::ConfigOptions applied = ZDR::OptionsInForce();
    applied.intOrbListIndex = Controls().intOrbListIndex;
    ZDR::UseSettings(applied);
    if (cboPersonalOrbsProportion[0]->isVisible() && cboPersonalOrbsProportion[0]->isEnabled())
        cboPersonalOrbsProportion[0]->setFocus();
}

void frmConfigure::cboSetAllOrb_Activated() {
    if (blnStartupCompleted && cboOrb[ZDR::intSetAllOrbList]->currentIndex() == 0) {
        const ZDR::ConfigureMessage refusal = ZDR::ZeroSetAllOrbMessage();
        support::ShowMessage(this, Q(refusal.strText), Q(refusal.strTitle),
                             support::MsgIcon::Information);
        cboOrb[ZDR::intSetAllOrbList]->setCurrentIndex(1);
        return;
    }
    MoveFocusToAccept();
}

void frmConfigure::chkUseBoldface_Toggled() {
    const bool blnOn = chkUseBoldface->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{opt1DegOfOrb, optProportionOfOrb,
                                                            cboBoldfaceFactor, lblOfOrb})
        control->setEnabled(blnOn);
}

bool frmConfigure::eventFilter(QObject* watched, QEvent* event) {
    // Space on a focused swatch does what a click does.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        for (int i = 0; i < ZDR::intCatalogueAspects; ++i) {
            if (watched == lblAspectColor[i]) {
                lblAspectColor_MouseDown(i, Qt::LeftButton);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < ZDR::intCatalogueAspects; ++i) {
            if (watched == lblAspectColor[i]) {
                lblAspectColor_MouseDown(i, static_cast<QMouseEvent*>(event)->button());
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmConfigure::lblAspectColor_MouseDown(int index, Qt::MouseButton button) {
    const int k = index + 1;
    if (button == Qt::LeftButton)
        dblWorkingColor[k] = ZDR::NextPaletteColor(dblWorkingColor[k]);
    else
        ZDR::ToggleColor(dblWorkingColor[k], dblRememberedColor[k]);
    DrawAspectColor(index);
}

void frmConfigure::DrawAspectColor(int index) {
    QPalette palette = lblAspectColor[index]->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, support::ColorFromValue(dblWorkingColor[index + 1]));
    lblAspectColor[index]->setPalette(palette);
}

void frmConfigure::ApplyTransitingMoonBox() {
    ZDR::ConfigOptions applied = ZDR::OptionsInForce();
    if (applied.blnIncludeTransitingMoon == chkIncludeTransitingMoon->isChecked())
        return;
    applied.blnIncludeTransitingMoon = chkIncludeTransitingMoon->isChecked();
    ZDR::UseSettings(applied);
}

void frmConfigure::MoveFocusToAccept() {
    if (cmdAccept->isVisible() && cmdAccept->isEnabled())
        cmdAccept->setFocus();
}

void frmConfigure::SetLanguageDependentText() {
    const ZDR::ConfigureCaptions c = ZDR::ConfigureDialogCaptions();
    setWindowTitle(Q(c.strTitle));
    cmdSetAllNonzeroOrbsToConjunctionOrb->setText(Q(c.strSetAllNonzeroOrbs));
    for (int i = 0; i < ZDR::intCatalogueAspects; ++i)
        lblAspectName[i]->setText(Q(c.strAspectName[i]));
    // The orb lists and swatches of the aspects are named by their aspect.
    for (int i = 0; i < ZDR::intCatalogueAspects; ++i) {
        lblAspectName[i]->setBuddy(cboOrb[i]);
        cboOrb[i]->setAccessibleName(Q(c.strAspectName[i]) + ", " + support::Text(kOrbName));
        lblAspectColor[i]->setAccessibleName(Q(c.strAspectName[i]) + ", " +
                                             support::Text(kColorName));
    }
    // The other lists are named by their captions, not by their entries.
    for (const auto& [control, name] : std::initializer_list<std::pair<QWidget*, QString>>{
             {cboOrb[ZDR::intSetAllOrbList], Q(c.strSetAllNonzeroOrbs)},
             {cboPersonalOrbsProportion[0], Q(c.strOrbDivisors + ", " + c.strPersonalTransits)},
             {cboPersonalOrbsProportion[1], Q(c.strOrbDivisors + ", " + c.strSynastry)},
             {optProportionOfOrb, support::Text(kFractionName)},
             {cboBoldfaceFactor, support::Text(kFractionName)},
             {cboOrbForMidpoints, Q(c.strOrbForMidpoints)},
             {cboHouseSystem, Q(c.strHouseSystem)}})
        control->setAccessibleName(name);
    lblOrbDivisors->setText(Q(c.strOrbDivisors));
    lblPersonalTransits->setText(Q(c.strPersonalTransits));
    lblSynastry->setText(Q(c.strSynastry));
    chkUseBoldface->setText(Q(c.strUseBoldface));
    opt1DegOfOrb->setText(Q(c.str1DegOfOrb));
    lblOfOrb->setText(Q(c.strOfOrb));
    chkSuppressInnerPlanetAspectDisplay->setText(Q(c.strSuppressInnerPlanets));
    chkIncludeTransitingMoon->setText(Q(c.strIncludeTransitingMoon));
    chkDisplayNATZabbr->setText(Q(c.strDisplayNATZ));
    chkWaxingWaningAspects->setText(Q(c.strWaxingWaningAspects));
    chkUseColor->setText(Q(c.strUseColor));
    lblZodiac->setText(Q(c.strZodiac));
    optWesternAstrology->setText(Q(c.strTropical));
    optVedicAstrology->setText(Q(c.strSidereal));
    chkKeepZodiac->setText(Q(c.strKeepZodiac));
    lblOrbForMidpoints->setText(Q(c.strOrbForMidpoints));
    lblHouseSystem->setText(Q(c.strHouseSystem));
    for (int i = 0; i < cboHouseSystem->count(); ++i)
        cboHouseSystem->setItemText(i, Q(c.strHouseSystemName[i]));
    lblWheelWithPlace->setText(Q(c.strWheelWithPlace));
    optAscendantLeft->setText(Q(c.strAscendantLeft));
    optAriesRight->setText(Q(c.strAriesRight));
    chkAnglesInAspects->setText(Q(c.strAnglesInAspects));
    cmdReset->setText(Q(c.strReset));
    cmdAccept->setText(Q(c.strAccept));
    cmdCancel->setText(Q(c.strCancel));
    cmdHide->setText(Q(c.strHide));
    ApplySizeLimits();
}

#pragma once
// The configuration dialog: orbs, proportions for personal transits and synastry,
// boldface rule, aspect colours, zodiac, midpoint orb and the check-box options. It is
// created hidden at start-up and stays loaded; "Use settings" puts what it shows in force
// (config/OptionsInForce.h).

#include <QDialog>
#include <array>

#include "config/Options.h"
#include "config/SettingsStore.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

class frmConfigure : public QDialog {
    Q_OBJECT
  public:
    // Creates the dialog hidden and loads it: lists, defaults (neither asked nor applied
    // before start-up is complete), the options of the settings store, captions.
    frmConfigure(QWidget* mainWindow, Registry3::SettingsStore& store);

    // Returns what the controls show now (orb and list indices, boxes, working colours).
    const ZDR::ConfigOptions& Controls() const;

    // Sets every control from options; a list index outside its list leaves that list as
    // it is. Nothing is applied.
    void SetControls(const ZDR::ConfigOptions& options);

    // Tells the dialog whether start-up has completed; from then on "Reset to default" asks
    // and applies, and the height is held between 4700 and 9660 twips.
    void SetStartupCompleted(bool blnCompleted);

    // "Reset to default": sets every control to its default (the zodiac stays when "Keep
    // selected zodiac" is ticked). Asks first while visible after start-up (No changes
    // nothing); after start-up the defaults are applied as by "Use settings".
    void ResetToDefault();

    // The Configure button: shows the dialog beside the main window (not modal), moving the
    // main window to its left; while the main window is minimised the dialog stays hidden.
    void ShowBesideMainWindow();

    // Re-texts every caption in the current language (Language::intLanguage).
    void SetLanguageDependentText();

    // Puts the "Include transiting Moon" box in force when it differs from the options in
    // force: the box takes effect without "Use settings" (the main window's timer calls
    // this once a second).
    void ApplyTransitingMoonBox();

    // Set by "Use settings", cleared each time the dialog is shown.
    bool blnAccept = false;

    // The controls, named as the program names them.
    std::array<QComboBox*, ZDR::intNumOrbLists> cboOrb{};
    std::array<QLabel*, ZDR::intCatalogueAspects> lblAspectName{};
    std::array<QLabel*, ZDR::intCatalogueAspects> lblAspectColor{};
    std::array<QComboBox*, 2> cboPersonalOrbsProportion{};
    QLabel* lblOrbDivisors = nullptr;  // heading of the two proportion lists
    QLabel* lblPersonalTransits = nullptr;
    QLabel* lblSynastry = nullptr;
    QCheckBox* chkUseBoldface = nullptr;
    QRadioButton* opt1DegOfOrb = nullptr;
    QRadioButton* optProportionOfOrb = nullptr;
    QComboBox* cboBoldfaceFactor = nullptr;
    QLabel* lblOfOrb = nullptr;
    QCheckBox* chkSuppressInnerPlanetAspectDisplay = nullptr;
    QCheckBox* chkIncludeTransitingMoon = nullptr;
    QCheckBox* chkDisplayNATZabbr = nullptr;
    QCheckBox* chkWaxingWaningAspects = nullptr;
    QCheckBox* chkUseColor = nullptr;
    QRadioButton* optWesternAstrology = nullptr;
    QRadioButton* optVedicAstrology = nullptr;
    QLabel* lblZodiac = nullptr;
    QCheckBox* chkKeepZodiac = nullptr;
    QComboBox* cboOrbForMidpoints = nullptr;
    QLabel* lblOrbForMidpoints = nullptr;
    QComboBox* cboHouseSystem = nullptr;
    QLabel* lblHouseSystem = nullptr;
    QLabel* lblWheelWithPlace = nullptr;
    QRadioButton* optAscendantLeft = nullptr;
    QRadioButton* optAriesRight = nullptr;
    QCheckBox* chkAnglesInAspects = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdAccept = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHide = nullptr;
    QPushButton* cmdSetAllNonzeroOrbsToConjunctionOrb = nullptr;

  signals:
    // Emitted at the end of "Use settings": the main window refreshes its timezone boxes
    // (keeping their selections) and recomputes.
    void settingsApplied();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    // The eight boxes and lists that Cancel puts back, as they were when the dialog was
    // shown.
    struct Snapshot {
        bool blnUseBoldface = true;
        int intBoldfaceFactorIndex = 0;
        std::array<int, 2> intProportionIndex{};
        bool blnDisplayNATZ = true;
        bool blnIncludeTransitingMoon = true;
        bool blnSuppressInnerPlanetAspects = false;
        bool blnWaxingWaningAspects = false;
    };

    void CreateControls();
    void Load();
    void FillLists();
    void LoadRegistryOptions();
    void SetControlFonts();
    void cmdAccept_Click();
    void cmdCancel_Click();
    void cmdHide_Click();
    void cmdReset_Click();
    void cmdSetAllNonzeroOrbsToConjunctionOrb_Click();
    void cboSetAllOrb_Activated();
    void chkUseBoldface_Toggled();
    void lblAspectColor_MouseDown(int index, Qt::MouseButton button);
    void DrawAspectColor(int index);
    void MoveFocusToAccept();
    void FormActivate();
    void TakeSnapshot();
    void PlaceBesideMainWindow();
    void ApplySizeLimits();

    QWidget* frmMainWindow = nullptr;
    Registry3::SettingsStore& udtStore;
    QWidget* fraContent = nullptr;
    bool blnStartupCompleted = false;
    int intFixedWidth = 0;  // pixels
    Snapshot udtSnapshot;
    // Working aspect colours 1..7 and the colours that a right click switched off.
    std::array<double, ZDR::intAspectSlots> dblWorkingColor{};
    std::array<double, ZDR::intAspectSlots> dblRememberedColor{};
    mutable ZDR::ConfigOptions udtControls;
};

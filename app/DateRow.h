#pragma once
// One date set of the main window as one row: its caption, the month, day, year, hour and
// timezone boxes, a birthdate's place, and its Clear button. With a place the time box
// takes any minute and the place's button stands where the timezone box stood. The row reads and
// writes its date set, keeps the day's weekday in the day box's tool-tip and cleans the year to its
// digits.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "astro/DateInput.h"
#include "astro/DatePr2.h"
#include "engine/Compute.h"
#include "places/DatePlace.h"
#include "places/Houses.h"
#include "store/StateFile.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class DateRow : public QWidget {
    Q_OBJECT
  public:
    // The fields of a row from left to right; each has its left edge and width in twips
    // within the row. A new field of a date set is a new entry here and in FieldWidget().
    enum Field { Caption, Month, Day, Year, Hour, Timezone, PlaceButton, ClearButton, NumFields };
    struct FieldPlace {
        int intLeft;   // twips from the row's left edge
        int intWidth;  // twips
    };
    static const FieldPlace udtFieldPlace[NumFields];
    // The height of a row's boxes and the room the whole row takes, in twips.
    static constexpr int intBoxHeight = 345;
    static constexpr int intCaptionDrop = 30;  // the caption stands a little lower
    static constexpr int intRowHeight = intBoxHeight + intCaptionDrop;
    // The width of the row from its left edge to the right edge of Clear, in twips.
    static int RowWidth();

    // Date set index (0 the world date, 1 and 2 the birthdates) on parent, which places it.
    DateRow(int index, QWidget* parent);

    // The date set index 0..2 of this row.
    int Index() const { return m_intIndex; }

    // The date set as the boxes show it, and writing a date set into the boxes.
    DatePr2::DateSetInput DateSet() const;
    void SetDateSet(const DatePr2::DateSetInput& set);

    // Whether the date set gives a Julian Day (an empty timezone taking the entry
    // defaultTimezoneIndex); the boxes take the cleaned year and the defaults.
    bool GivesJD(int16_t defaultTimezoneIndex);
    // The place of the row (blnSet false for none), and giving it one: the time box then
    // takes any minute, and the timezone box gives way to the place.
    const Places::DatePlace& Place() const { return m_udtPlace; }
    void SetPlace(const Places::DatePlace& place);

    // Writes the row's date set and place into the state a state file keeps, and reads them
    // back from it.
    void StoreIn(ZDR::StateFileData& data) const;
    void RestoreFrom(const ZDR::StateFileData& data);

    // Writes the row's date set into input for a computation of input's mode, with the JD
    // at its place when the mode uses it (PlaceJD). Returns false when PlaceJD stopped.
    bool ReadInto(ZDR::ComputeInput& input);

    // The JD (UT) of the row read at its place, for a computation; dblNoPlace when the row
    // has no place or its date is not valid (it is then read as always), dblStopped when
    // the user cancelled the question on a skipped or repeated clock time or was told why
    // the place cannot be used.
    static constexpr double dblNoPlace = -1000;
    static constexpr double dblStopped = -1001;
    double PlaceJD();

    // The houses of the row's place at jd (UT), with the bodies of chart A of chart, as the
    // report adds them below a birth chart; "" without a place.
    std::string HousesReport(double jd, const ZDR::ChartPositions& chart) const;

    // Computes the houses of the row's place at jd (UT) in the system and zodiac in force;
    // false, houses unchanged, without a place.
    bool HousesAt(double jd, Places::Houses& houses) const;

    // The date set in words for titles: with a place its clock time and offset.
    std::string DateText(bool blnNorthAmericanZones) const;

    // The offset of the chosen timezone, minutes east of Greenwich.
    int16_t TimezoneMinutes() const;

    // Fills the day and hour lists and the month names, all empty; the year box cleared.
    void FillLists();
    // Writes the month names in the current language, keeping the chosen month.
    void FillMonthList();
    // Fills the timezone list with zones; with blnKeep the chosen entry stays chosen.
    void FillTimezoneList(const std::vector<DatePr2::TimezoneEntry>& zones, bool blnKeep);

    // The caption, Clear and the tool-tips in the current language.
    void SetLanguageDependentText();

    // Refreshes the day box's weekday tool-tip; with blnFillIn the boxes also take the
    // cleaned year and the hour default, as reading the set gives them.
    void RefreshWeekdayToolTip(bool blnFillIn = true);

    // The once-a-second tidying: the year box keeps only its digits, and Clear is shown
    // while any box of the row holds something.
    void Tidy();

    // Asks whether to clear the row and, on Yes, empties every box.
    void AskAndClear();

    // The next end of editing the year does not count as a change (Return has just
    // computed the result it would make stale).
    void SkipNextYearEdited() { m_blnYearEntered = true; }

    QLabel* lblCaption = nullptr;
    QComboBox* cboMonthCE = nullptr;
    QComboBox* cboDayCE = nullptr;
    QLineEdit* txbYearCE = nullptr;
    QComboBox* cboHour = nullptr;
    QComboBox* cboTimezone = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdPlace = nullptr;

    // The row's controls in the order Tab takes them, left to right.
    std::vector<QWidget*> TabOrder() const;

  signals:
    // A choice made by the user in the month, day, hour or timezone list; blnByMouse
    // unless it was made with the keys.
    void choiceMade(bool blnByMouse);
    // Return pressed in the year box.
    void yearEntered();
    // The editing of the year has ended with a change that was not computed.
    void yearEdited();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* FieldWidget(Field f) const;
    void ChoosePlace();
    void ShowPlace();
    void TimeTyped();

    Places::DatePlace m_udtPlace;
    int m_intIndex;
    bool m_blnYearEntered = false;
    bool m_blnKeyboardChoice = false;  // the last input to a list came from the keys
};

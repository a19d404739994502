#pragma once
// The place of a birthdate: a town chosen from the atlas as the user types (German and
// English names, largest first), or latitude, longitude and zone; the clock time to the
// minute; the offset that time has at the place on the row's date.

#include <QDialog>
#include <vector>

#include "astro/DateInput.h"
#include "places/Atlas.h"
#include "places/DatePlace.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmPlace : public QDialog {
    Q_OBJECT
  public:
    // The dialog for the date set (its date gives the offset shown) and its place.
    frmPlace(const DatePr2::DateSetInput& set, const Places::DatePlace& place, QWidget* parent);

    // The place as the dialog leaves it; blnSet is false after Remove.
    Places::DatePlace Place() const { return m_udtPlace; }

  private:
    void FindTowns();
    void TownChosen();
    void ShowOffset();
    // Reads the fields into m_udtPlace; false with a message when they do not make a place.
    bool ReadFields(bool blnTell);
    void Accept();

    DatePr2::DateSetInput m_udtSet;
    Places::DatePlace m_udtPlace;
    std::vector<const Places::AtlasPlace*> m_found;
    QLineEdit* txbTown = nullptr;
    QListWidget* lstTowns = nullptr;
    QLineEdit* txbLatitude = nullptr;
    QLineEdit* txbLongitude = nullptr;
    QComboBox* cboZone = nullptr;
    QLineEdit* txbTime = nullptr;
    QLabel* lblOffset = nullptr;
};

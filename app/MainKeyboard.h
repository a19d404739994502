#pragma once
// The main window for those who use the keyboard or a screen reader: the names of its
// parts without a caption of their own, the order of Tab, and the keys it answers.

#include <QString>
#include <vector>

class QAbstractButton;
class frmMain;

namespace MainKeyboard {

// The access key of a main command: the program texts its caption shows, and the letters
// it takes its key from in English and in German (the first of them that the caption holds).
struct AccessKey {
    QAbstractButton* button;
    std::vector<int> captions;
    QString strEnglish;
    QString strGerman;
};

// Returns the access keys of the main window's commands; no two commands share a letter in
// either language.
std::vector<AccessKey> AccessKeys(frmMain& w);

// Names the report boxes, the table, the picture, the step-size list and the two rows of
// birthdate modes in the current language.
void NameParts(frmMain& w);

// Sets the Tab order to follow the layout (date rows, modes, steps, commands, table,
// report, command row, language, angles, the manual's link), lets Return press the
// focused command or Compute, and gives each main command its Alt key.
void SetUpKeys(frmMain& w);

}  // namespace MainKeyboard

#pragma once
// The main window for those who use the keyboard or a screen reader: the names of its
// parts without a caption of their own, the order of Tab, and the keys it answers.

class frmMain;

namespace MainKeyboard {

// Names the report boxes, the table, the picture, the step-size list and the two rows of
// birthdate modes in the current language, and gives each main command its Alt key.
void NameParts(frmMain& w);

// Sets the Tab order to follow the layout (date rows, modes, steps, commands, table,
// report, command row, language, angles, the manual's link) and lets Return press the
// focused command or Compute.
void SetUpKeys(frmMain& w);

}  // namespace MainKeyboard

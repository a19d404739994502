#pragma once
// What every window shares: twips and pixels, the program text as QString, and the Yes/No
// questions; colour values and texts as the pictures convert them (PictureSupport.h).

#include <QPointer>
#include <QString>
#include <QWidget>

class QPushButton;
#include <vector>

#include "support/MessageBox.h"
#include "support/PictureSupport.h"

namespace support {

// Returns twips as whole pixels, rounded to the nearest.
int Px(int twips);

// Returns pixels as twips.
constexpr int Twips(int pixels) {
    return pixels * intTwipsPerPixel;
}

// Places w inside its parent; left, top, width and height in twips.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);

// Returns program text #n in the current language.
QString Text(int n);

// Disables every enabled command button, option button, check box, combo box and label of
// window, at any depth, but not those of the dialogs it owns; with blnFramesAndTextBoxes
// also its frames and text boxes. Returns the controls it disabled, so that they can be
// given back their state.
std::vector<QPointer<QWidget>> DisableControls(QWidget* window, bool blnFramesAndTextBoxes = false);

// Places window's outer frame (title bar and borders) at the top left of its screen's free
// area; once the window manager has framed it, the whole frame is kept on that area, the
// window shrinking when it must.
void PlaceFrameAtTopLeft(QWidget* window);

// Returns the size of window's inside that shows page whole when its screen's free area
// holds the page and the window's frame, else the largest that the area holds.
QSize SizeOnScreen(const QWidget* window, const QSize& page);

// Scrolls the nearest scroll area that holds w so that rectangle r of w (pixels) is in view,
// whole when it fits; does nothing when no scroll area holds w.
void ShowInScrollArea(QWidget* w, const QRect& r);

// Makes Return (or Enter) in window press the focused command button, or defaultButton
// while it is shown and enabled when the focus is on a list, an option or a box that
// does not use the key itself (a one-line text box keeps its own Return).
void PressOnReturn(QWidget* window, QPushButton* defaultButton);

// Lets a screen reader hear every list of the program by its accessible name, when it has
// one, with its chosen entry as its value (by default a list is named by its entry), and
// toggle an option or a check box by its action as a click does (by default the action
// ticks it without the program hearing of it).
void UseScreenReaderViews();

// Lets Qt's own texts (the buttons of message boxes, file dialogs, the menus of text
// boxes) speak the program's language: German for language 1, English for any other.
// Without the German translations of Qt on the system they stay English.
void UseQtLanguage(int16_t intLanguage);

// Asks text with the buttons Yes and No and the question icon, titled title; returns true
// for Yes. A box closed without a choice answers No.
bool AskYesNo(QWidget* parent, const QString& text, const QString& title,
              MsgAnswer defaultButton = MsgAnswer::No);

// Asks text with the buttons Yes, No and Cancel and the question icon, titled title;
// returns the answer (Cancel for a box closed without a choice).
MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title,
                         MsgAnswer defaultButton);

}  // namespace support

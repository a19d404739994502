#pragma once
// Where the main window's controls stand on its page, in twips.

#include "app/DateRow.h"
#include "engine/AspectTable.h"

namespace MainLayout {

// Geometry of the window in twips. The cells of the table and the tops of the title and
// the hint line are fixed; the rest is laid out so that the whole window fits a screen of
// 1280 x 720 pixels: the dates, modes and commands in a band at the top, the table below
// them, and beside the two-chart table the report, the command row and the options of
// language and angles.
constexpr int kMargin = 120;
constexpr int kControlHeight = DateRow::intBoxHeight;
constexpr int kLabelHeight = 300;
constexpr int kButtonHeight = 375;
constexpr int kRowStep = 450;  // the date rows, the rows of the commands and of the foot
constexpr int kGap = 100;      // between two controls side by side
constexpr int kDateTop = kMargin;
constexpr int kModeLeft = 8990;
constexpr int kPersonalLeft = 11250;
constexpr int kSynastryLeft = 13900;
constexpr int kStepTop = kDateTop + 3 * kRowStep;
constexpr int kStepButtonWidth = 1100;  // the step buttons and the list of step sizes
constexpr int kStepGap = 60;
constexpr int kStepListWidth = 1900;
constexpr int kCommandWidth = 1550;
constexpr int kCommandLeft = 15450;  // two columns of commands
constexpr int kTitleTop = 2000;
constexpr int kHintTop = 2280;
constexpr int kTableTop = 2640;
constexpr int kTableLeft = kMargin;
constexpr int kRightEdge = kCommandLeft + 2 * kCommandWidth + kGap;
constexpr int kContentWidth = kRightEdge + kMargin;
// The largest table, of two charts, and the column beside it.
constexpr int kTableBottom = kTableTop + 12 * ZDR::intCellHeight;
constexpr int kSideLeft = kTableLeft + 12 * ZDR::intCellWidth + kMargin;
constexpr int kSideWidth = kRightEdge - kSideLeft;
constexpr int kFrameHeight = 660;  // the frames of language and angles
constexpr int kFrameWidth = (kSideWidth - kGap) / 2;
constexpr int kFrameOptionTop = 270;  // the options inside the frames
constexpr int kFrameInset = 60;
// The second option of a frame, whose caption is longer, starts left of the middle.
constexpr int kFrameSecondLeft = kFrameWidth / 2 - kFrameInset;
// The command row: Run, the toggle, Report; below them Save as and Load from.
constexpr int kRunWidth = 1120;
constexpr int kToggleWidth = 1750;
constexpr int kReportWidth = 1120;
constexpr int kSaveAsWidth = 1950;
constexpr int kLoadStateWidth = 1750;
// "Calendar ...", as wide as Report, beside Load from.
constexpr int kCalendarLeft = kSideLeft + kSaveAsWidth + kLoadStateWidth + 2 * kGap;
constexpr int kManualLabelWidth = 1950;
constexpr int kFrameTop = kTableBottom - kFrameHeight;
constexpr int kFootTop = kFrameTop - 2 * kRowStep;  // the two rows of the command row
constexpr int kNoticeTop = kTableBottom + 90;
constexpr int kContentHeight = kNoticeTop + kLabelHeight + kMargin;
// The short notes that pop up beside a command: their width, their drop below the
// command's top (Save, Restore) and their gap to its left edge; shown for kPopUpShownMs.
constexpr int kPopUpWidth = 2400;
constexpr int kPopUpDrop = 475;
constexpr int kPopUpGap = 50;
constexpr int kPopUpShownMs = 2000;
constexpr int kSaveAsPopUpDrop = 350;  // the note of Save as, over the command row
constexpr int kMinWidth = 10200;
constexpr int kMinHeight = 4800;

}  // namespace MainLayout

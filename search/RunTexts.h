#pragma once
// Program text numbers of the step controls of the main window and of the run dialog.

// The main window's Back, Forward, step list and Run button.
namespace StepText {

constexpr int Run = 36;
constexpr int Stop = 43;
constexpr int FirstStepSize = 170;  // 170 .. 174: 30 minutes, 1 day, 1 week, 1 month, 1 year
constexpr int Forward = 208;
constexpr int Back = 209;
constexpr int StepToolTip = 222;

}  // namespace StepText

// The run dialog frmRun.
namespace RunText {

constexpr int Title = 36;  // also its Run button
constexpr int Found = 7;   // closes the German sentence after the pattern list
constexpr int Cancel = 117;
constexpr int RunUntilStopped = 118;
constexpr int RunUntilFinding = 119;
constexpr int RunQuickly = 120;
constexpr int TwoOrMore = 121;

}  // namespace RunText

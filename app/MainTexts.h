#pragma once
// Program text numbers of the main window: its captions, messages and pop-ups.

namespace MainText {

constexpr int DateSetCaption[3] = {4, 5, 6};  // "World date", "1st birthdate", "2nd birthdate"
constexpr int WorldTransits = 160;
constexpr int NatalAspects = 213;
constexpr int PersonalTransits = 161;
constexpr int Synastry = 31;
constexpr int Compute = 200;
constexpr int Configure = 201;
constexpr int Clear = 202;
constexpr int Save = 203;
constexpr int Restore = 204;
constexpr int Quit = 205;
constexpr int Help = 206;
constexpr int Now = 207;
constexpr int Report = 210;
constexpr int Calendar = 1309;  // "Calendar ..."
constexpr int SaveAs = 211;
constexpr int LoadFrom = 212;
constexpr int ModeToolTip = 215;                // World transits, Synastry
constexpr int NatalToolTip[2] = {240, 241};     // natal aspects of the 1st, 2nd birthdate
constexpr int PersonalToolTip[2] = {242, 243};  // personal transits of the 1st, 2nd
constexpr int AnglesFrame = 216;
constexpr int AnglesToolTip = 217;
constexpr int Degrees = 218;
constexpr int Radians = 219;
constexpr int LanguageToolTip = 220;
constexpr int Month = 223;
constexpr int Day = 1003;
constexpr int Year = 225;
constexpr int Time = 226;
constexpr int Timezone = 227;
constexpr int Notice = 228;
constexpr int UserManual = 229;
constexpr int UserManualLink = 137;
// Names that a screen reader gives the parts without a caption of their own.
constexpr int ReportName = 1004;
constexpr int TableName = 1005;
constexpr int PictureName = 1006;
constexpr int StepSizeName = 1007;

// Titles, the hint line and the command row.
constexpr int ProductName = 1;
constexpr int ClickOnAspect = 32;  // the hint line in the transit modes
constexpr int DisplayChart = 37;
constexpr int DisplayTable = 41;
constexpr int SaveGraphicAs = 42;  // Save as ... while a graphic is shown
constexpr int Print = 1502;        // in the place of Load from ... while the wheel is shown
constexpr int LanguageFrame = 187;

// Messages and pop-ups.
constexpr int PlutoTableMissing = 2;
constexpr int PlutoTableMissingTitle = 3;
constexpr int DateSetReason[4] = {145, 146, 147, 148};  // codes -1 .. -4 of a date set
constexpr int InvalidDateTitle = 153;
constexpr int ClearQuestion = 342;
constexpr int ClearWhich[3] = {343, 344, 345};  // the world date, 1st, 2nd birthdate
constexpr int QuitQuestion = 149;
constexpr int InputSaved = 128;
constexpr int SavedTo = 129;
constexpr int SaveAsTitle = 130;
constexpr int StateFiles = 131;  // the file dialogs' filter
constexpr int LoadFromTitle = 384;
constexpr int LoadFailedTitle = 385;
constexpr int LoadFailedNotice = 386;
constexpr int LoadedFrom = 387;
constexpr int InputRestored = 399;

}  // namespace MainText

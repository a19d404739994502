#pragma once
// Program text numbers of the image export: its dialog and messages, and the texts drawn
// onto an exported chart wheel.

namespace ExportText {

// The save dialog and the messages after it.
constexpr int DialogTitle = 132;   // "Save graphic as"
constexpr int PngFilter = 133;     // "PNG images"
constexpr int Saved = 134;         // "The graphic was saved as"
constexpr int NotConverted = 135;  // "... it stays a BMP file:"
constexpr int NotWritten = 136;    // "The graphic could not be saved as"
constexpr int NotAFile = 1200;     // "Something other than a file stands there ..."
constexpr int SvgFilter = 1500;    // "SVG pictures"
constexpr int PdfFilter = 1501;    // "PDF documents"
constexpr int PrintFailed = 1504;  // "The chart sheet could not be printed."

// The credit block.
constexpr int DrawnWith = 92;       // "Drawn with Zodarc,"
constexpr int Calculator = 93;      // "the astrology calculator"
constexpr int ByMakerVersion = 94;  // "by Quillfen, version"
constexpr int MakerWebHost = 311;   // "www.quillfen.com"

// The data block.
constexpr int WorldDate = 4;
constexpr int Birthdate[3] = {0, 95, 96};  // "1st birthdate", "2nd birthdate"
constexpr int PersonalTransitsFor = 97;
constexpr int Synastry = 14;
constexpr int Of = 169;
constexpr int And = 57;
constexpr int SiderealZodiac = 46;
constexpr int TropicalZodiac = 47;
constexpr int Sidereal = 48;
constexpr int Tropical = 49;
constexpr int Zodiac = 50;
// The note that the inner planets' lines are left out: one wheel, two lines; two charts,
// a first line per mode and two more.
constexpr int InnerNote[2] = {102, 103};
constexpr int InnerNoteSynastry = 98;
constexpr int InnerNoteTransits = 99;
constexpr int InnerNoteTwoCharts[2] = {100, 101};

}  // namespace ExportText

#pragma once
// What the pictures share with the windows, with no widget in it: colour values as QColor
// and back, UTF-8 texts as QString, and the font that holds the astrological symbols.

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string>

namespace support {

// Twips in one pixel of the screen the windows are laid out for.
constexpr int intTwipsPerPixel = 15;

// The font the glyph letters are drawn in, as the Unicode symbols they stand for.
extern const char* const strSymbolFontName;  // "DejaVu Sans"

// Returns the colour value red + 256 green + 65536 blue as a QColor; a value below 0 or
// above 0xFFFFFF (or not a number) is black.
QColor ColorFromValue(double value);

// Returns the colour value red + 256 green + 65536 blue of color.
double ValueFromColor(const QColor& color);

// Returns a UTF-8 text as a QString.
QString Q(const std::string& text);

// Returns the symbol font at size points.
QFont SymbolFont(double points);

// Returns the dots per inch of the pictures: the wheel and the transit graphic are laid out
// in pixels of 1/PictureDpi() inch, and their fonts in points at that resolution.
int PictureDpi();

// Returns font with its point size such that on painter's device, whose transform scales
// picture pixels to its own resolution, its letters come out as large as in a picture.
QFont FontOnDevice(const QFont& font, const QPainter& painter);

// Returns whether painter paints plain pixels (a picture in memory, the screen), rather
// than shapes and text (an SVG, a PDF page, a printer).
bool OnRaster(const QPainter& painter);

// Draws the outline of text in font with its baseline starting at at, broadened to width
// (painter's units), in color: the rim that keeps a text legible on any background, drawn
// as a shape so that the text itself stays one piece of text.
void DrawTextRim(QPainter& painter, const QPointF& at, const QFont& font, const QString& text,
                 const QColor& color, double width);

// Writes the bytes of a picture file (an SVG, a PDF) to path whole or not at all, as
// FileProc::WriteWholeFile writes; no bytes are a picture that could not be made. Returns
// "" when written, else the reason ("Cannot write PATH: ...").
std::string SavePictureFile(const QByteArray& bytes, const QString& path);

// Writes picture to path in format ("PNG", "BMP") whole or not at all, as
// FileProc::WriteWholeFile writes. Returns "" when written, else the reason ("Cannot write
// PATH: ...").
std::string SavePicture(const QImage& picture, const QString& path, const char* format);

}  // namespace support

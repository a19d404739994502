#pragma once
// What the pictures share with the windows, with no widget in it: colour values as QColor
// and back, UTF-8 texts as QString, and the font that holds the astrological symbols.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>

namespace support {

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

// Writes picture to path in format ("PNG", "BMP") whole or not at all, as
// FileProc::WriteWholeFile writes. Returns "" when written, else the reason ("Cannot write
// PATH: ...").
std::string SavePicture(const QImage& picture, const QString& path, const char* format);

}  // namespace support

#pragma once
// A picture drawn on a painter, as the bytes of a file: a PNG at one to four times the
// picture's size, an SVG or a one-page PDF whose texts stay text. The window's "Save as
// ..." and zodarc-cli chart write the wheel and the transit graphic through it.

#include <QByteArray>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <string>

namespace view {

enum class PictureFormat { Png, Svg, Pdf };

// The largest factor a PNG may be enlarged by.
constexpr int intLargestPictureScale = 4;

// Returns the format that the extension of path names ("svg", "pdf", any case); PNG for
// any other.
PictureFormat FormatOfPath(const std::string& path);

// Paints a picture on a painter in the picture's pixels.
using PicturePainter = std::function<void(QPainter&)>;

// Returns the file of a picture of size (pixels) that paint draws, in format: a PNG of
// scale (1 to intLargestPictureScale) times the size, unsmoothed as the picture itself; an
// SVG of the size; a PDF of one page the size of the picture (a pixel 1/PictureDpi inch).
// title names the picture in the file. Empty when it could not be made.
QByteArray PictureFileBytes(QSize size, PictureFormat format, int scale, const QString& title,
                            const PicturePainter& paint);

}  // namespace view

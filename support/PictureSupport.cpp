#include "support/PictureSupport.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPainterPath>

#include "astro/FileProc.h"

namespace support {

const char* const strSymbolFontName = "DejaVu Sans";

QColor ColorFromValue(double value) {
    if (!(value >= 0.0 && value <= 16777215.0))
        return QColor(0, 0, 0);
    const auto v = static_cast<unsigned long>(value);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

double ValueFromColor(const QColor& color) {
    return color.red() + 256.0 * color.green() + 65536.0 * color.blue();
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont SymbolFont(double points) {
    QFont font(QString::fromLatin1(strSymbolFontName));
    font.setPointSizeF(points);
    return font;
}

int PictureDpi() {
    return QImage(1, 1, QImage::Format_RGB32).logicalDpiY();
}

QFont FontOnDevice(const QFont& font, const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device || device->logicalDpiY() == PictureDpi() || font.pointSizeF() <= 0)
        return font;
    QFont sized(font);
    sized.setPointSizeF(font.pointSizeF() * PictureDpi() / device->logicalDpiY());
    return sized;
}

bool OnRaster(const QPainter& painter) {
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
}

void DrawTextRim(QPainter& painter, const QPointF& at, const QFont& font, const QString& text,
                 const QColor& color, double width) {
    QPainterPath outline;
    outline.addText(at, font, text);
    painter.strokePath(outline, QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

std::string SavePictureFile(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty())
        return "Cannot write " + path.toStdString() + ": the picture could not be made";
    return FileProc::WriteWholeFile(path.toStdString(),
                                    std::string(bytes.constData(), bytes.size()));
}

std::string SavePicture(const QImage& picture, const QString& path, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        return "Cannot write " + path.toStdString() + ": the picture could not be encoded";
    return SavePictureFile(bytes, path);
}

}  // namespace support

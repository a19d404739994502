#include "support/PictureSupport.h"

#include <QBuffer>

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

std::string SavePicture(const QImage& picture, const QString& path, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        return "Cannot write " + path.toStdString() + ": the picture could not be encoded";
    return FileProc::WriteWholeFile(path.toStdString(),
                                    std::string(bytes.constData(), bytes.size()));
}

}  // namespace support

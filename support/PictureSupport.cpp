#include "support/PictureSupport.h"

#include <QBuffer>
#include <QSaveFile>
#include <cerrno>
#include <system_error>

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

const char* const strNotARegularFile =
    "not a regular file (a folder, FIFO, device or socket); it is left as it is";

std::string SaveFileWhole(const QByteArray& bytes, const QString& path) {
    if (FileProc::IsSpecialFile(path.toStdString()))
        return strNotARegularFile;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    // The commit renames even after a failed write, so each step is checked before it.
    errno = 0;
    int error = 0;
    if (file.write(bytes) != bytes.size() || !file.flush())
        error = errno != 0 ? errno : EIO;
    else
        error = FileProc::SyncHandle(file.handle());
    if (error != 0) {
        file.cancelWriting();
        return std::generic_category().message(error);
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::string();
}

std::string SavePicture(const QImage& picture, const QString& path, const char* format) {
    if (FileProc::IsSpecialFile(path.toStdString()))
        return strNotARegularFile;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        return "the picture could not be encoded";
    return SaveFileWhole(bytes, path);
}

}  // namespace support

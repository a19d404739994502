#include "store/imgxport.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstring>

#include "support/PictureSupport.h"

namespace imgxport {
namespace {

int32_t Reply(const QString& text, char* message) {
    const QByteArray bytes = text.toUtf8();
    const int32_t length =
        std::min<int32_t>(static_cast<int32_t>(bytes.size()), lngMessageBufferSize);
    std::memcpy(message, bytes.constData(), static_cast<std::size_t>(length));
    if (length < lngMessageBufferSize)
        message[length] = '\0';
    return length;
}

QByteArray DestinationFormat(const QString& destination) {
    const QByteArray suffix = QFileInfo(destination).suffix().toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray("png");
}

}  // namespace

int32_t convert_graphics_file_3(const char* source, const char* destination, char* message) {
    const QString from = QString::fromUtf8(source);
    const QString to = QString::fromUtf8(destination);
    QImageReader reader(from);
    const QImage picture = reader.read();
    if (picture.isNull())
        return Reply("Cannot read " + from + ": " + reader.errorString(), message);
    const std::string error = support::SavePicture(picture, to, DestinationFormat(to).constData());
    if (!error.empty())
        return Reply(QString::fromStdString(error), message);
    return Reply(QString::fromLatin1(strNoError), message);
}

}  // namespace imgxport

namespace ZDR {

bool ConvertGraphicsFile(const std::string& source, const std::string& destination,
                         bool blnDeleteSourceOnSuccess, bool blnDeleteDestinationOnFailure,
                         std::string& strMessage) {
    const bool destinationExisted = QFileInfo::exists(QString::fromStdString(destination));
    char buffer[imgxport::lngMessageBufferSize];
    const int32_t length =
        imgxport::convert_graphics_file_3(source.c_str(), destination.c_str(), buffer);
    strMessage.assign(buffer, static_cast<std::size_t>(std::max<int32_t>(0, length)));
    const bool converted = strMessage == imgxport::strNoError;
    // A conversion into the very file it read leaves nothing to delete.
    const bool sameFile = QFileInfo(QString::fromStdString(source)).canonicalFilePath() ==
                          QFileInfo(QString::fromStdString(destination)).canonicalFilePath();
    if (converted && blnDeleteSourceOnSuccess && !sameFile)
        QFile::remove(QString::fromStdString(source));
    if (!converted && blnDeleteDestinationOnFailure && !destinationExisted)
        QFile::remove(QString::fromStdString(destination));
    return converted;
}

}  // namespace ZDR

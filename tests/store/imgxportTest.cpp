// The picture conversion and its wrapper: the message, the length it returns, and which
// files are left behind after a success and after each kind of failure.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "store/imgxport.h"

namespace {

class ConversionTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Writes a 40 x 30 BMP with a blue square in it and returns its path.
    std::string Bmp(const QString& name) const {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(QColor(224, 224, 224));
        for (int x = 5; x < 15; ++x)
            for (int y = 5; y < 15; ++y)
                picture.setPixelColor(x, y, QColor(0, 0, 255));
        EXPECT_TRUE(picture.save(dir.filePath(name), "BMP"));
        return Path(name);
    }
    std::string Path(const QString& name) const { return dir.filePath(name).toStdString(); }
    static bool Exists(const std::string& path) {
        return QFile::exists(QString::fromStdString(path));
    }
    static QByteArray Bytes(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(ConversionTest, ASuccessWritesThePngAndDeletesTheBmp) {
    const std::string bmp = Bmp("chart.bmp");
    char message[imgxport::lngMessageBufferSize];
    EXPECT_EQ(imgxport::convert_graphics_file_3(bmp.c_str(), Path("copy.png").c_str(), message), 8);
    EXPECT_EQ(std::string(message, 8), "No Error");

    std::string text;
    EXPECT_TRUE(ZDR::ConvertGraphicsFile(bmp, Path("chart.png"), true, true, text));
    EXPECT_EQ(text, "No Error");
    EXPECT_FALSE(Exists(bmp));
    ASSERT_EQ(Bytes(Path("chart.png")).left(4), QByteArray("\x89PNG"));
    const QImage png(QString::fromStdString(Path("chart.png")));
    EXPECT_EQ(png.size(), QSize(40, 30));
    EXPECT_EQ(png.pixelColor(10, 10), QColor(0, 0, 255));
    EXPECT_EQ(png.pixelColor(30, 20), QColor(224, 224, 224));
    // Without the deletion asked for, the source stays.
    const std::string again = Bmp("again.bmp");
    EXPECT_TRUE(ZDR::ConvertGraphicsFile(again, Path("again.png"), false, true, text));
    EXPECT_TRUE(Exists(again));
}

TEST_F(ConversionTest, TheDestinationFormatFollowsItsExtension) {
    const std::string bmp = Bmp("chart.bmp");
    std::string text;
    EXPECT_TRUE(ZDR::ConvertGraphicsFile(bmp, Path("chart.chart"), false, true, text));
    EXPECT_EQ(Bytes(Path("chart.chart")).left(4), QByteArray("\x89PNG"));  // no picture format
    EXPECT_TRUE(ZDR::ConvertGraphicsFile(bmp, Path("chart.jpg"), false, true, text));
    EXPECT_EQ(Bytes(Path("chart.jpg")).left(2), QByteArray("\xFF\xD8"));
    // Into the very file it reads: the result is not deleted as the source.
    EXPECT_TRUE(ZDR::ConvertGraphicsFile(bmp, bmp, true, true, text));
    EXPECT_TRUE(Exists(bmp));
    EXPECT_EQ(QImage(QString::fromStdString(bmp)).size(), QSize(40, 30));
}

TEST_F(ConversionTest, AFailureNeverLeavesABrokenPictureBehind) {
    std::string text;
    // A source that is no picture: no destination appears, the source stays.
    QFile notAPicture(dir.filePath("broken.bmp"));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("BM not really");
    notAPicture.close();
    EXPECT_FALSE(
        ZDR::ConvertGraphicsFile(Path("broken.bmp"), Path("broken.png"), true, true, text));
    EXPECT_NE(text, "No Error");
    EXPECT_FALSE(text.empty());
    EXPECT_FALSE(Exists(Path("broken.png")));
    EXPECT_TRUE(Exists(Path("broken.bmp")));

    // A picture the user had under that name is kept as it was.
    const std::string earlier = Bmp("earlier.bmp");
    ASSERT_TRUE(ZDR::ConvertGraphicsFile(earlier, Path("kept.png"), true, true, text));
    const QByteArray before = Bytes(Path("kept.png"));
    EXPECT_FALSE(ZDR::ConvertGraphicsFile(Path("broken.bmp"), Path("kept.png"), true, true, text));
    EXPECT_EQ(Bytes(Path("kept.png")), before);

    // A missing source.
    EXPECT_FALSE(ZDR::ConvertGraphicsFile(Path("none.bmp"), Path("none.png"), true, true, text));
    EXPECT_FALSE(Exists(Path("none.png")));
}

TEST_F(ConversionTest, AnUnwritablePlaceFailsAndKeepsTheSource) {
    const std::string bmp = Bmp("chart.bmp");
    std::string text;
    // Below a file, where no folder can be (whoever runs the test).
    EXPECT_FALSE(ZDR::ConvertGraphicsFile(bmp, bmp + "/chart.png", true, true, text));
    EXPECT_NE(text.find("chart.bmp/chart.png"), std::string::npos) << text;
    EXPECT_TRUE(Exists(bmp));
    if (geteuid() == 0)
        return;  // folder permissions do not bind the superuser
    ASSERT_TRUE(QDir(dir.path()).mkdir("locked"));
    QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(ZDR::ConvertGraphicsFile(bmp, Path("locked/chart.png"), true, true, text));
    EXPECT_TRUE(Exists(bmp));
    QFile::setPermissions(dir.filePath("locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ConversionTest, TheMessageFitsItsBuffer) {
    const std::string source = Path(QString(300, QLatin1Char('x')) + ".bmp");
    char message[imgxport::lngMessageBufferSize + 1];
    message[imgxport::lngMessageBufferSize] = '#';
    EXPECT_EQ(imgxport::convert_graphics_file_3(source.c_str(), Path("x.png").c_str(), message),
              imgxport::lngMessageBufferSize);
    EXPECT_EQ(message[imgxport::lngMessageBufferSize], '#');  // nothing beyond the buffer
}

}  // namespace

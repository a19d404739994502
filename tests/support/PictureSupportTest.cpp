// Writing a picture whole or not at all: what stands at the target decides whether it is
// replaced, and a write cut short (here by the largest file size a process may write, as
// on a full disk) leaves the file that was there.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <csignal>

#include "astro/FileProc.h"
#include "support/PictureSupport.h"

namespace {

// A picture of coloured noise: it compresses badly, so its PNG is large.
QImage Noise(int size) {
    QImage picture(size, size, QImage::Format_RGB32);
    quint32 x = 12345;
    for (int r = 0; r < size; ++r) {
        for (int c = 0; c < size; ++c) {
            x = x * 1103515245u + 12345u;
            picture.setPixel(c, r, x >> 8);
        }
    }
    return picture;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PictureSupportTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QStringList Entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                          QDir::Name);
    }
    QTemporaryDir dir;
};

TEST_F(PictureSupportTest, OnlyARegularFileOrNothingIsReplaced) {
    const struct {
        const char* name;
        void (*make)(const QString& path);
        bool blnWritten;
    } rows[] = {
        {"new.png", [](const QString&) {}, true},
        {"old.png",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("an older picture");
         },
         true},
        {"folder.png", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }, false},
        {"fifo.png",
         [](const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path), 0600), 0); },
         false},
    };
    const QImage picture = Noise(40);
    for (const auto& row : rows) {
        const QString path = Path(row.name);
        row.make(path);
        const QFileInfo before(path);
        const std::string error = support::SavePicture(picture, path, "PNG");
        const QFileInfo after(path);
        if (row.blnWritten) {
            EXPECT_EQ(error, "") << row.name;
            EXPECT_EQ(QImage(path).pixel(7, 9), picture.pixel(7, 9)) << row.name;
        } else {
            EXPECT_EQ(error, "Cannot replace " + path.toStdString() + ": " +
                                 FileProc::strNotARegularFile)
                << row.name;
            EXPECT_EQ(after.isDir(), before.isDir()) << row.name;
            EXPECT_EQ(after.isFile(), before.isFile()) << row.name;
        }
    }
    // No temporary file stays behind.
    EXPECT_EQ(Entries(), (QStringList{"fifo.png", "folder.png", "new.png", "old.png"}));
    EXPECT_NE(support::SavePicture(picture, Path("missing/x.png"), "PNG"), "");
}

TEST_F(PictureSupportTest, AWriteCutShortKeepsTheOldFile) {
    const QString path = Path("keep.png");
    ASSERT_EQ(support::SavePicture(Noise(20), path, "PNG"), "");
    const QByteArray before = Contents(path);

    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = 8192;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    // Some 11 KB, which a buffered writer holds whole until its final flush.
    const std::string picture = support::SavePicture(Noise(60), path, "PNG");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_NE(picture, "");
    EXPECT_EQ(Contents(path), before);
    EXPECT_EQ(Entries(), QStringList{"keep.png"});
}

}  // namespace

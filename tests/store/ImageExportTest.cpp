// Saving a graphic as a PNG: the file written, the BMP on the way, the names a user may
// type, a folder that cannot be written, the texts drawn onto an exported wheel, and the
// messages of the command.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <vector>

#include "engine/Compute.h"
#include "store/ImageExport.h"
#include "support/FileDialog.h"
#include "support/MessageBox.h"
#include "tests/EngineTestSupport.h"

namespace {

class ImageExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(LoadTestProgramText());
        Language::intLanguage = Language::intEnglish;
        picture = QImage(400, 400, QImage::Format_RGB32);
        picture.fill(QColor(224, 224, 224));
        support::SetMessageHook([this](const support::MessageRequest& r) {
            messages.push_back(r);
            return support::MsgAnswer::Ok;
        });
    }
    void TearDown() override {
        support::SetMessageHook(nullptr);
        support::SetFileDialogHook(nullptr);
    }
    std::string Path(const QString& name) const { return dir.filePath(name).toStdString(); }
    // The graphic of the command: the grey picture, as a PNG takes it and painted.
    ZDR::GraphicToSave Graphic() const {
        ZDR::GraphicToSave graphic;
        graphic.picture = [this] { return picture; };
        graphic.size = [this] { return picture.size(); };
        graphic.paint = [this](QPainter& painter) {
            painter.fillRect(QRect(QPoint(0, 0), picture.size()), QColor(224, 224, 224));
            painter.drawText(QPointF(20, 40), QStringLiteral("Saturn"));
        };
        return graphic;
    }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
    QImage picture;
    std::vector<support::MessageRequest> messages;
};

TEST_F(ImageExportTest, OnlyThePngRemains) {
    const ZDR::ExportOutcome outcome = ZDR::ExportPicture(picture, Path("sky.png"));
    EXPECT_TRUE(outcome.blnSaved);
    EXPECT_EQ(outcome.strPath, Path("sky.png"));
    EXPECT_EQ(Files(), QStringList{"sky.png"});
    const QImage png(dir.filePath("sky.png"));
    EXPECT_EQ(png.size(), QSize(400, 400));
    EXPECT_EQ(png.pixelColor(200, 200), QColor(224, 224, 224));
}

TEST_F(ImageExportTest, AFileOfTheUsersUnderTheBmpNameIsLeftAlone) {
    QFile photo(dir.filePath("sky.bmp"));
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.write("the user's own picture");
    photo.close();
    EXPECT_TRUE(ZDR::ExportPicture(picture, Path("sky.png")).blnSaved);
    EXPECT_EQ(Files(), (QStringList{"sky.bmp", "sky.png"}));
    ASSERT_TRUE(photo.open(QIODevice::ReadOnly));
    EXPECT_EQ(photo.readAll(), QByteArray("the user's own picture"));

    // A name whose BMP is the very file asked for.
    EXPECT_TRUE(ZDR::ExportPicture(picture, Path("plain.bmp")).blnSaved);
    EXPECT_EQ(QImage(dir.filePath("plain.bmp")).size(), QSize(400, 400));
    EXPECT_EQ(Files(), (QStringList{"plain.bmp", "sky.bmp", "sky.png"}));
}

TEST_F(ImageExportTest, AFolderOrFifoAtThePathIsLeftAsItIs) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("pipe.png")), 0600), 0);
    for (const char* name : {"taken.png", "pipe.png"}) {
        const ZDR::ExportOutcome outcome = ZDR::ExportPicture(picture, Path(name));
        EXPECT_FALSE(outcome.blnSaved) << name;
        EXPECT_FALSE(outcome.blnConverted) << name;
        EXPECT_EQ(outcome.strPath, Path(name));
        EXPECT_EQ(outcome.strDetail, Language::Text(1200));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.png")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              (QStringList{"pipe.png", "taken.png"}));
}

TEST_F(ImageExportTest, TheBmpOnTheWayIsWrittenAmongTheTemporaryFiles) {
    // Where the BMP goes, seen by the folder it leaves: nothing beside the PNG, nothing left
    // among the temporary files.
    ASSERT_TRUE(QDir(dir.path()).mkdir("tmp"));
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(dir.filePath("tmp")));
    const ZDR::ExportOutcome outcome = ZDR::ExportPicture(picture, Path("sky.png"));
    if (savedTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTmp);
    EXPECT_TRUE(outcome.blnSaved);
    EXPECT_EQ(Files(), QStringList{"sky.png"});
    EXPECT_TRUE(QDir(dir.filePath("tmp")).isEmpty());
}

TEST_F(ImageExportTest, AnUnwritablePlaceWritesNothing) {
    const ZDR::ExportOutcome outcome = ZDR::ExportPicture(picture, Path("no-folder/below/sky.png"));
    EXPECT_FALSE(outcome.blnSaved);
    EXPECT_FALSE(outcome.blnConverted);
    EXPECT_EQ(outcome.strPath, Path("no-folder/below/sky.png"));
    EXPECT_FALSE(outcome.strDetail.empty());
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(ImageExportTest, TheCommandAddsTheExtensionAndReports) {
    std::vector<support::FileDialogRequest> asked;
    QString answer = dir.filePath("chart");
    support::SetFileDialogHook([&](const support::FileDialogRequest& r) {
        asked.push_back(r);
        return answer;
    });
    int taken = 0;
    ZDR::GraphicToSave take = Graphic();
    take.picture = [&] {
        ++taken;
        return picture;
    };
    ZDR::SaveGraphicAs(nullptr, "Save graphic as ...", take);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].blnSave);
    EXPECT_EQ(asked[0].strTitle, "Save graphic as");
    EXPECT_EQ(asked[0].strFilter,
              "PNG images (*.png);;SVG pictures (*.svg);;PDF documents (*.pdf)");
    EXPECT_EQ(asked[0].strDefaultSuffix, "png");
    EXPECT_EQ(Files(), QStringList{"chart.png"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText,
              "The graphic was saved as\n" + QDir::toNativeSeparators(dir.filePath("chart.png")));
    EXPECT_EQ(messages[0].strTitle, "Save graphic as ...");
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Information);

    answer = dir.filePath("missing/chart.png");
    ZDR::SaveGraphicAs(nullptr, "Save graphic as ...", take);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].strText.startsWith("The graphic could not be saved as\n" +
                                               QDir::toNativeSeparators(answer) + "\n\n"));
    EXPECT_EQ(messages[1].icon, support::MsgIcon::Warning);

    answer.clear();  // cancelled
    ZDR::SaveGraphicAs(nullptr, "Save graphic as ...", take);
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(taken, 2);  // a cancelled dialog takes no picture
    EXPECT_EQ(Files(), QStringList{"chart.png"});
}

// Counts the pixels of colour in the rectangle.
int Count(const QImage& image, const QRect& area, const QColor& color) {
    int n = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            n += image.pixelColor(x, y) == color;
    return n;
}

TEST_F(ImageExportTest, TheCanvasCarriesTheCreditAndDataBlocks) {
    ZDR::ExportCanvasInput input;
    input.intModeCode = ZDR::intModeWorldTransits;
    input.udtDateSet[0] = {"2024", 3, 10, "22:00", "GMT+1:00"};
    input.strVersion = "26.1";
    const QImage canvas = ZDR::ComposeWheelCanvas(picture, input);
    EXPECT_EQ(canvas.size(), picture.size());
    const QColor blue(0, 0, 255);
    const QColor grey(160, 160, 160);
    EXPECT_GT(Count(canvas, QRect(300, 350, 100, 50), blue), 100);  // the world date
    EXPECT_GT(Count(canvas, QRect(0, 330, 60, 35), blue), 30);      // the zodiac
    EXPECT_GT(Count(canvas, QRect(5, 0, 120, 68), grey), 100);      // the credit
    EXPECT_GT(Count(canvas, QRect(263, 0, 137, 34), grey), 50);     // the web address
    EXPECT_EQ(Count(canvas, QRect(60, 100, 280, 200), blue), 0);    // the wheel untouched
}

}  // namespace

namespace {

// The filter chosen decides the format; its extension is added to a name without one.
TEST_F(ImageExportTest, TheFilterChosenDecidesTheFormat) {
    struct Case {
        QString name;
        QString filter;
        QString written;
        QByteArray start;
    };
    const Case cases[] = {
        {"wheel", "SVG pictures (*.svg)", "wheel.svg", "<?xml"},
        {"sheet.pdf", "PDF documents (*.pdf)", "sheet.pdf", "%PDF"},
        {"plain", "PNG images (*.png)", "plain.png", "\x89PNG"},
        {"guess.svg", "", "guess.svg", "<?xml"},  // no filter known: the extension
    };
    for (const Case& c : cases) {
        support::SetFileDialogHook([&](const support::FileDialogRequest& r) {
            if (r.strChosenFilter)
                *r.strChosenFilter = c.filter;
            return dir.filePath(c.name);
        });
        ZDR::SaveGraphicAs(nullptr, "Save graphic as ...", Graphic());
        QFile file(dir.filePath(c.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.written.toStdString();
        EXPECT_TRUE(file.readAll().startsWith(c.start)) << c.written.toStdString();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back().strText,
                  "The graphic was saved as\n" + QDir::toNativeSeparators(file.fileName()));
    }
    EXPECT_EQ(Files(), (QStringList{"guess.svg", "plain.png", "sheet.pdf", "wheel.svg"}));

    // A folder that is not there: a warning, and nothing written.
    support::SetFileDialogHook([&](const support::FileDialogRequest& r) {
        *r.strChosenFilter = "PDF documents (*.pdf)";
        return dir.filePath("missing/sheet.pdf");
    });
    ZDR::SaveGraphicAs(nullptr, "Save graphic as ...", Graphic());
    EXPECT_EQ(messages.back().icon, support::MsgIcon::Warning);
    EXPECT_TRUE(messages.back().strText.startsWith("The graphic could not be saved as\n"));
    EXPECT_EQ(Files().size(), 4);
}

}  // namespace

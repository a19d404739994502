// The settings store over the platform's settings files, kept in a temporary folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "config/Registry3Qt.h"

namespace {

const std::string strKey = "Software\\Quillfen\\ZDR";
const std::string strOk = "  The operation completed successfully.";

class Registry3QtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // One folder for the whole test run, so that no test ever reaches the user's files.
        static QTemporaryDir dirSettings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dirSettings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dirSettings.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dirSettings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, dirSettings.path());
        strFolder = dirSettings.path();
    }
    void SetUp() override {
        for (const char* org : {"Quillfen", "Broken"})
            QDir(strFolder + "/" + org).removeRecursively();
    }
    // Returns the path of the settings file of an organisation's application.
    static QString FileOf(const char* organisation, const char* application) {
        return QSettings(organisation, application).fileName();
    }
    // Writes raw text as the settings file of an organisation's application.
    static void PutFile(const char* organisation, const char* application, const char* text) {
        QDir().mkpath(strFolder + "/" + organisation);
        QFile file(FileOf(organisation, application));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static inline QString strFolder;
    Registry3::QtSettingsStore store;
};

TEST_F(Registry3QtTest, WritesCreateTheKeyOnceAndReadBack) {
    EXPECT_TRUE(FileOf("Quillfen", "ZDR").startsWith(strFolder));
    EXPECT_EQ(store.WriteStringValue(strKey, "Moon", "1"), "0 New key created." + strOk);
    EXPECT_EQ(store.WriteStringValue(strKey, "Language", "DE"), "0 Key already exists." + strOk);
    EXPECT_EQ(store.WriteStringValue(strKey, "Moon", "0"), "0 Key already exists." + strOk);

    std::string value;
    EXPECT_EQ(store.ReadStringValue(strKey, "Moon", value), "0 OK");
    EXPECT_EQ(value, "0");
    EXPECT_EQ(store.ReadStringValue(strKey, "Language", value), "0 OK");
    EXPECT_EQ(value, "DE");
    EXPECT_EQ(QSettings("Quillfen", "ZDR").value("Language").toString(), "DE");

    store.WriteStringValue(strKey, "Text", "Grüße, Welt");
    store.WriteStringValue(strKey, "Empty", "");
    EXPECT_EQ(store.ReadStringValue(strKey, "Text", value), "0 OK");
    EXPECT_EQ(value, "Grüße, Welt");
    EXPECT_EQ(store.ReadStringValue(strKey, "Empty", value), "0 OK");
    EXPECT_EQ(value, "");
}

TEST_F(Registry3QtTest, ReadReportsMissingKeyNameAndValue) {
    std::string value = "kept";
    EXPECT_EQ(store.ReadStringValue(strKey, "Moon", value), "1 Key not found or is empty.");
    EXPECT_EQ(store.ReadStringValue("", "Moon", value), "1 Key not found or is empty.");
    EXPECT_EQ(store.ReadStringValue("\\\\", "Moon", value), "1 Key not found or is empty.");
    store.WriteStringValue(strKey, "Moon", "1");
    EXPECT_EQ(store.ReadStringValue(strKey, "", value), "2 Name not specified.");
    EXPECT_EQ(store.ReadStringValue(strKey, "IPAD", value), "3 Name not found.");
    EXPECT_EQ(store.ReadStringValue(strKey + "\\Window", "Moon", value),
              "1 Key not found or is empty.");
    EXPECT_EQ(value, "kept");
}

TEST_F(Registry3QtTest, SubKeysAndOtherPathsAreKeptApart) {
    const std::string strSub = strKey + "\\Window";
    EXPECT_EQ(store.WriteStringValue(strKey, "Moon", "1"), "0 New key created." + strOk);
    EXPECT_EQ(store.WriteStringValue(strSub, "Moon", "0"), "0 New key created." + strOk);
    EXPECT_EQ(store.WriteStringValue("Quillfen\\ZDR", "Moon", "x"), "0 New key created." + strOk);
    std::string value;
    store.ReadStringValue(strKey, "Moon", value);
    EXPECT_EQ(value, "1");
    store.ReadStringValue(strSub, "Moon", value);
    EXPECT_EQ(value, "0");
    store.ReadStringValue("Quillfen\\ZDR", "Moon", value);
    EXPECT_EQ(value, "x");
}

TEST_F(Registry3QtTest, WritesThatStoreNothingAreNotReportedAsSuccess) {
    EXPECT_EQ(store.WriteStringValue(strKey, "", "1"),
              "2 Name not specified.  The parameter is incorrect.");
    EXPECT_FALSE(QFile::exists(FileOf("Quillfen", "ZDR")));
    EXPECT_EQ(store.WriteStringValue("", "Moon", "1"),
              "87 Unable to create (or find) key.  The parameter is incorrect.");

    // The settings file's place is taken by a folder: nothing can be written.
    QDir().mkpath(FileOf("Quillfen", "ZDR"));
    EXPECT_EQ(store.WriteStringValue(strKey, "Moon", "1"),
              "5 Unable to create (or find) key.  Access is denied.");
}

TEST_F(Registry3QtTest, UnreadableFileIsNeitherReadNorOverwritten) {
    const char* strBroken = "[General]\nMoon=1\n[Window\nLeft=0\n";
    PutFile("Broken", "ZDR", strBroken);
    const std::string strBrokenKey = "Software\\Broken\\ZDR";
    std::string value = "kept";
    EXPECT_EQ(store.ReadStringValue(strBrokenKey, "Moon", value), "1 Key not found or is empty.");
    EXPECT_EQ(value, "kept");
    EXPECT_EQ(store.WriteStringValue(strBrokenKey, "Moon", "0"),
              "1009 Unable to create (or find) key.  The configuration registry database is "
              "corrupt.");
    QFile file(FileOf("Broken", "ZDR"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(strBroken));
}

TEST_F(Registry3QtTest, ValueThatIsNoSingleTextIsInvalid) {
    PutFile("Quillfen", "ZDR", "[General]\nMoon=1, 0\n");
    std::string value = "kept";
    EXPECT_EQ(store.ReadStringValue(strKey, "Moon", value), "4 The data is invalid.");
    EXPECT_EQ(value, "");
}

}  // namespace

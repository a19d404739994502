// The program-text loader and fetch, over small files written into a temporary folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "text/Language.h"
#include "text/ProgramText.h"

namespace {

namespace fs = std::filesystem;

class ProgramTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() /
                 ("zodarc-text-" + std::string(info->name()) + "-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Writes contents into the file name in the folder; returns its path.
    std::string Write(const std::string& name, const std::string& contents) {
        const fs::path path = folder / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path.string();
    }
    int32_t Load(const std::string& contents) {
        return mathaid::LoadProgramText(Write("zdr.dat", contents));
    }
    static std::string Fetch(int32_t n, int32_t language, int32_t capacity = 1024) {
        std::string buffer = "old";
        const int32_t length = mathaid::FetchProgramText(n, language, buffer, capacity);
        EXPECT_EQ(length == 0, buffer.empty());
        return buffer;
    }
    static std::string Repeat(const std::string& s, int times) {
        std::string out;
        for (int i = 0; i < times; ++i)
            out += s;
        return out;
    }

    fs::path folder;
};

TEST_F(ProgramTextTest, ReadsEntriesCommentsEscapesAndBothLanguages) {
    const std::string file =
        "\xEF\xBB\xBF# comment\n"
        "\n"
        "   \t\n"
        "1|Zodarc|Zodarc\r\n"
        "37|Display chart|Horoskop zeigen\n"
        " 42 |a\\|b\\\\c\\nd|Größe\n"
        "7|~|gefunden";  // the last line needs no line end
    EXPECT_EQ(Load(file), 4);
    EXPECT_EQ(Fetch(1, 0), "Zodarc");  // the CR of a CR LF line end is not part of the text
    EXPECT_EQ(Fetch(37, 0), "Display chart");
    EXPECT_EQ(Fetch(37, 1), "Horoskop zeigen");
    EXPECT_EQ(Fetch(37, 2), "Display chart");  // any language but 1 is English
    EXPECT_EQ(Fetch(37, -1), "Display chart");
    EXPECT_EQ(Fetch(42, 0), "a|b\\c\nd");
    EXPECT_EQ(Fetch(7, 0), "~");  // the library hands the tilde on; the lookup drops it
    EXPECT_EQ(Fetch(2, 0), "");
    EXPECT_EQ(Fetch(0, 0), "");

    // The lookup of the current language: "~" and a missing number give the empty text.
    Language::intLanguage = Language::intEnglish;
    EXPECT_EQ(Language::Text(7), "");
    EXPECT_EQ(Language::Text(2), "");
    EXPECT_EQ(Language::Text(37), "Display chart");
    Language::intLanguage = Language::intGerman;
    EXPECT_EQ(Language::Text(7), "gefunden");
    EXPECT_EQ(Language::Text(42), "Größe");
    Language::intLanguage = Language::intEnglish;
    EXPECT_EQ(Language::TextIn(37, 1), "Horoskop zeigen");
}

TEST_F(ProgramTextTest, FetchCutsAtCapacityInCharactersNeverInsideOne) {
    ASSERT_EQ(Load("5|x|Größe €𝄞!\n"), 1);
    std::string buffer;
    EXPECT_EQ(mathaid::FetchProgramText(5, 1, buffer, 3), 3);
    EXPECT_EQ(buffer, "Grö");
    EXPECT_EQ(mathaid::FetchProgramText(5, 1, buffer, 8), 8);
    EXPECT_EQ(buffer, "Größe €𝄞");
    EXPECT_EQ(mathaid::FetchProgramText(5, 1, buffer, 1024), 9);
    EXPECT_EQ(mathaid::FetchProgramText(5, 1, buffer, 0), 0);
    EXPECT_EQ(buffer, "");
}

TEST_F(ProgramTextTest, FileLevelOutcomes) {
    EXPECT_EQ(mathaid::LoadProgramText((folder / "none.dat").string()), -1);
    EXPECT_EQ(mathaid::LoadProgramText(folder.string()), -1);  // a folder is no file
    EXPECT_EQ(Load(""), -6);
    EXPECT_EQ(Load("\xEF\xBB\xBF"), -6);
    EXPECT_EQ(Load("# only comments\n\n   \n#1|a|b\n"), 0);

    std::string big = "1|a|b\n" + std::string(mathaid::lngMaxFileBytes, '#');
    EXPECT_EQ(Load(big), -3);
    std::string lines;
    for (int i = 1; i <= mathaid::lngMaxFileLines; ++i)
        lines += std::to_string(i) + "|a|b\n";
    EXPECT_EQ(Load(lines), mathaid::lngMaxFileLines);
    EXPECT_EQ(Load(lines + "# one line too many\n"), -3);
}

TEST_F(ProgramTextTest, LineOutcomesNameTheLine) {
    const std::string head = "# texts\n1|One|Eins\n";  // the next line is line 3
    // Missing string: fields missing, empty or extra, a bad number, a bad escape.
    for (const char* line :
         {"2|Two", "2", "2|Two|", "2||Zwei", "|Two|Zwei", "2|Two|Zwei|Drei", "0|Two|Zwei",
          "32768|Two|Zwei", "99999999999|Two|Zwei", "-2|Two|Zwei", "2a|Two|Zwei", "2 3|a|b",
          "\\2|a|b", "2|a\\tb|c", "2|a|b\\", " # 2|a|b"}) {
        EXPECT_EQ(Load(head + line + "\n"), -503) << line;
    }
    // Bytes that are no UTF-8, and control characters, are refused, not cut or copied.
    for (const char* line :
         {"2|Gr\xC3|x", "2|\xC0\xAF|x", "2|\xE0\x80\x80|x", "2|\xED\xA0\x80|x",
          "2|\xF4\x90\x80\x80|x", "2|\x80|x", "2|\xFF|x", "2|a\x01|x", "2|a\rb|x"}) {
        EXPECT_EQ(Load(head + line + "\n"), -503) << line;
    }
    EXPECT_EQ(Load(head + std::string("2|a\0b|x\n", 8)), -503);
    EXPECT_EQ(Load("32767|Last|Letzter\n"), 1);

    // Too long: more than 1024 characters, counted as characters, not bytes.
    EXPECT_EQ(Load(head + "2|" + Repeat("ä", 1024) + "|" + Repeat("x", 1024) + "\n"), 2);
    EXPECT_EQ(Load(head + "2|" + Repeat("ä", 1025) + "|x\n"), -1003);
    EXPECT_EQ(Load(head + "2|x|" + Repeat("a", 1025) + "\n"), -1003);
    EXPECT_EQ(Load(head + "2|x|" + Repeat("\\n", 1025) + "\n"), -1003);

    // Duplicate number.
    EXPECT_EQ(Load(head + "\n01|Again|Nochmal\n"), -1504);

    // The first faulty line decides.
    EXPECT_EQ(Load(head + "2|x\n1|dup|dup\n"), -503);
}

TEST_F(ProgramTextTest, AFailedLoadKeepsTheTableItHad) {
    ASSERT_EQ(Load("3|Three|Drei\n"), 1);
    EXPECT_EQ(Load("4|Four|Vier\n4|Four|Vier\n"), -1502);
    EXPECT_EQ(Load("# nothing\n"), 0);
    EXPECT_EQ(Fetch(3, 1), "Drei");
    EXPECT_EQ(Fetch(4, 1), "");
    ASSERT_EQ(Load("4|Four|Vier\n"), 1);
    EXPECT_EQ(Fetch(3, 1), "");  // a successful load replaces the whole table
}

TEST_F(ProgramTextTest, LanguageLoadBuildsThePathAndTheMessage) {
    Write("zdr.dat", "1|Zodarc|Zodarc\n");
    std::string message = "stale";
    EXPECT_EQ(Language::LoadProgramText(folder.string(), "zdr.dat", message), 1);
    EXPECT_EQ(message, "");
    EXPECT_EQ(Language::LoadProgramText(folder.string() + "/", "zdr.dat", message), 1);

    EXPECT_EQ(Language::LoadProgramText(folder.string(), "missing.dat", message), -1);
    EXPECT_EQ(message,
              "Cannot open file containing program text.\n" + (folder / "missing.dat").string());

    std::string lines = "# header\n";
    for (int i = 2; i < 200; ++i)
        lines += "# filler\n";
    Write("long.dat", lines + "9|" + std::string(1025, 'x') + "|y\n");
    EXPECT_EQ(Language::LoadProgramText(folder.string(), "long.dat", message), -1200);
    EXPECT_EQ(message, "String too long at line 200.");
}

}  // namespace

// The shipped program text: every number the program uses is there in both languages, and
// the texts keep the words and place-holders that the composing code relies on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/EngineTestSupport.h"
#include "text/Language.h"
#include "text/ProgramText.h"

namespace {

// Every text number the program uses.
const std::vector<int> kUsedNumbers = {
    1,   2,   3,   4,   5,   6,   7,   14,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,
    33,  34,  35,  36,  37,  41,  42,  43,  44,  45,  46,  47,  48,  49,  50,  51,  52,  53,
    56,  57,  58,  59,  60,  61,  62,  63,  64,  65,  66,  67,  68,  69,  70,  71,  72,  73,
    75,  76,  77,  78,  79,  80,  81,  82,  83,  84,  85,  86,  88,  89,  90,  91,  92,  93,
    94,  95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111,
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 126, 127, 128, 129, 130, 131, 132,
    133, 134, 135, 136, 137, 145, 146, 147, 148, 149, 153, 154, 155, 156, 157, 158, 159, 160,
    161, 162, 165, 166, 167, 168, 169, 170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 187,
    200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 215, 216, 217, 218,
    219, 220, 222, 223, 225, 226, 227, 228, 229, 230, 231, 232, 233, 240, 241, 242, 243, 260,
    261, 262, 263, 264, 265, 273, 310, 311, 342, 343, 344, 345, 346, 347, 348, 349, 350, 351,
    352, 353, 354, 355, 356, 357, 358, 359, 360, 361, 362, 364, 365, 366, 368, 369, 370, 372,
    382, 383, 384, 385, 386, 387, 388, 389, 390, 391, 392, 393, 394, 395, 396, 399,
    // the transit calendar
    1300, 1301, 1302, 1303, 1304, 1305, 1306, 1307, 1308, 1309, 1310, 1311, 1312, 1313, 1314,
    1315, 1316, 1317, 1318, 1319, 1320, 1321, 1322, 1323, 1324, 1325, 1326, 1327, 1328, 1329,
    1330, 1331, 1332, 1333, 1334, 1335, 1336, 1337, 1338, 1339, 1340, 1341,
    // the main window's wheel legend without colour, the table read aloud
    1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011,
    // files that cannot be written, ephemeris files that disagree with the theory
    1200, 1201,
    // pictures as SVG and PDF, the chart sheet and its printing
    1500, 1501, 1502, 1503, 1504,
    // the place of a birthdate
    1600, 1601, 1602, 1603, 1604, 1605, 1606, 1607, 1608, 1609, 1610, 1611, 1612, 1613, 1614,
    1615, 1616, 1617, 1618,
    // houses and angles
    1620, 1621, 1622, 1623, 1624, 1625, 1626, 1627, 1628, 1629, 1630, 1631, 1632, 1633, 1634,
    1800, 1801, 1802, 1803, 1804, 1805, 1806, 1807, 1808};

const int kLanguages[2] = {Language::intEnglish, Language::intGerman};

size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

class WordingTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::string message;
        intLoaded = Language::LoadProgramText(TestDataFolder(), "zdr.dat", message);
        ASSERT_GT(intLoaded, 0) << message;
    }
    static int32_t intLoaded;
};

int32_t WordingTest::intLoaded = 0;

TEST_F(WordingTest, EveryUsedNumberIsThereInBothLanguagesAndNothingElse) {
    EXPECT_EQ(intLoaded, static_cast<int32_t>(kUsedNumbers.size()));
    for (int n : kUsedNumbers) {
        for (int language : kLanguages) {
            std::string text;
            const int32_t length = mathaid::FetchProgramText(n, language, text, 4096);
            EXPECT_GT(length, 0) << "#" << n << " language " << language;
            EXPECT_LE(length, 1024) << "#" << n;
            EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << "#" << n;
        }
    }
}

TEST_F(WordingTest, HeaderCellsHoldNoAspectAbbreviation) {
    // The chart wheel and the durations find aspects by these letters in the cell texts.
    const char* const abbreviations[] = {"Con", "Opp", "Sqr", "Tri", "Sxt",
                                         "Ssx", "Qui", "Kon", "Qua"};
    for (int n : {14, 46, 47, 68, 69, 70, 71, 75, 76}) {
        for (int language : kLanguages) {
            const std::string text = Language::TextIn(n, language);
            for (const char* abbr : abbreviations) {
                EXPECT_EQ(text.find(abbr), std::string::npos) << "#" << n << ": " << text;
            }
        }
    }
}

TEST_F(WordingTest, PlaceHoldersStandWhereTheCodeReplacesThem) {
    for (int language : kLanguages) {
        const auto text = [language](int n) { return Language::TextIn(n, language); };
        EXPECT_EQ(Count(text(127), "N"), 1u) << text(127);
        EXPECT_EQ(Count(text(53), "12"), 1u) << text(53);
        EXPECT_EQ(Count(text(157), "12"), 1u) << text(157);
        EXPECT_EQ(Count(text(72), "[natal chart]"), 1u);
        EXPECT_EQ(Count(text(73), "[natal chart]"), 1u);
        EXPECT_EQ(Count(text(73), "20"), 1u);
        EXPECT_EQ(Count(text(80), "[5 degrees]"), 1u);
        EXPECT_EQ(Count(text(158), "[8 degrees]"), 1u);
        EXPECT_EQ(Count(text(158), "[start date]"), 1u);
        EXPECT_EQ(Count(text(158), "[end date]"), 1u);
        EXPECT_EQ(Count(text(349), "[time]"), 1u);
        EXPECT_EQ(Count(text(349), "[date]"), 1u);
        EXPECT_EQ(Count(text(349), "[exactness]"), 1u);
        EXPECT_EQ(Count(text(391), "NEW_ORB"), 1u);
        for (int n : {261, 262, 263, 264})
            EXPECT_EQ(Count(text(n), "FILE"), 1u) << text(n);
        for (int n : {261, 262, 263}) {
            EXPECT_EQ(Count(text(n), "FIRST"), 1u) << text(n);
            EXPECT_EQ(Count(text(n), "LAST"), 1u) << text(n);
        }
        // The title glues the connecting phrase and this text together.
        EXPECT_EQ(text(156).substr(0, 1), " ");
    }
    // The chart title turns its degree word into the degree sign.
    EXPECT_EQ(Count(Language::TextIn(26, Language::intEnglish), " degrees"), 1u);
    EXPECT_EQ(Count(Language::TextIn(26, Language::intGerman), " Grad"), 1u);
    // A German synastry description turns "diesem" into "dieser".
    EXPECT_EQ(Count(Language::TextIn(72, Language::intGerman), "diesem"), 1u);
    EXPECT_EQ(Count(Language::TextIn(73, Language::intGerman), "diesem"), 1u);
}

TEST_F(WordingTest, CaptionsTheProgramComparesAndTheProductTexts) {
    const std::pair<int, const char*> english[] = {{1, "Zodarc"},
                                                   {273, "Software"},
                                                   {310, "Quillfen"},
                                                   {37, "Display chart"},
                                                   {41, "Display table"},
                                                   {52, "Show duration"},
                                                   {117, "Cancel"},
                                                   {120, "Run quickly"},
                                                   {160, "World transits"},
                                                   {200, "Compute"},
                                                   {201, "Configure"},
                                                   {207, "Now"},
                                                   {211, "Save as ..."},
                                                   {212, "Load from ..."},
                                                   {352, "Configuration"},
                                                   {353, "Set all non-zero orbs to:"},
                                                   {368, "Reset to default"},
                                                   {369, "Use settings"},
                                                   {370, "Hide"}};
    for (const auto& [n, text] : english) {
        EXPECT_EQ(Language::TextIn(n, Language::intEnglish), text) << "#" << n;
    }
    for (int n : {1, 273, 310}) {
        EXPECT_EQ(Language::TextIn(n, Language::intGerman), Language::TextIn(n, 0)) << "#" << n;
    }
    EXPECT_EQ(Language::TextIn(161, Language::intGerman), "Persönliche Transite");
    EXPECT_EQ(Language::TextIn(209, Language::intGerman), "Zurück");
}

}  // namespace

// The file names of an image export and the texts written onto an exported wheel: the
// credit block and each mode's data block, in both languages.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/Compute.h"
#include "store/ExportLayout.h"
#include "tests/EngineTestSupport.h"

namespace {

TEST(ExportLayoutTest, TheBmpTakesThePlaceOfTheLastThreeCharacters) {
    const std::map<std::string, std::string> rows = {
        {"/home/a/chart.png", "/home/a/chart.bmp"},   {"/home/a/chart.PNG", "/home/a/chart.bmp"},
        {"/home/a/chart.jpeg", "/home/a/chart.jbmp"},  // no three-letter extension
        {"/home/a/chart.gz", "/home/a/chartbmp"},     {"ab", "bmp"},
    };
    for (const auto& [png, bmp] : rows)
        EXPECT_EQ(ZDR::BmpPathFor(png), bmp) << png;
}

TEST(ExportLayoutTest, ANameWithoutExtensionBecomesAPng) {
    const std::map<std::string, std::string> rows = {
        {"/home/a/chart", "/home/a/chart.png"},     {"/home/a/chart.", "/home/a/chart.png"},
        {"/home/a.b/chart", "/home/a.b/chart.png"}, {"/home/a/.chart", "/home/a/.chart.png"},
        {"/home/a/chart.png", "/home/a/chart.png"}, {"/home/a/chart.jpeg", "/home/a/chart.jpeg"},
        {"C:\\Charts\\sky", "C:\\Charts\\sky.png"},
    };
    for (const auto& [typed, png] : rows)
        EXPECT_EQ(ZDR::PngPathWithExtension(typed), png) << typed;
}

using Placed = std::map<std::pair<double, double>, std::string>;

// Returns the text placed at x, y; "" when there is none.
std::string At(const Placed& texts, double x, double y) {
    const auto found = texts.find({x, y});
    return found == texts.end() ? std::string() : found->second;
}

class ExportTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTestProgramText());
        input.udtDateSet[0] = {"2024", 3, 10, "22:00", "GMT+1:00"};
        input.udtDateSet[1] = {"1970", 5, 17, "14:00", "GMT"};
        input.udtDateSet[2] = {"985", 11, 2, "08:30", "GMT-5:00"};
        input.strVersion = "26.1";
        input.strTitleWithOrb = "  Personal transits, 1st birthdate (orb 1°)  ";
    }
    // The texts of mode in language, keyed by their top-left corner.
    Placed Texts(int16_t mode, int16_t language) {
        input.intModeCode = mode;
        input.intLanguage = language;
        input.intCanvasWidth = ZDR::IsTwoChartMode(mode) ? 660 : 400;
        Placed placed;
        for (const ZDR::CanvasText& t : ZDR::ExportCanvasTexts(input)) {
            EXPECT_TRUE(placed.emplace(std::make_pair(t.dblX, t.dblY), t.strText).second)
                << "two texts at " << t.dblX << ", " << t.dblY;
        }
        return placed;
    }
    ZDR::ExportCanvasInput input;
};

TEST_F(ExportTextsTest, TheCreditBlockStandsInTheTopCorners) {
    auto single = Texts(ZDR::intModeWorldTransits, Language::intEnglish);
    EXPECT_EQ(At(single, 5, 0), "Drawn with Zodarc,");
    EXPECT_EQ(At(single, 5, 17), "the astrology calculator");
    EXPECT_EQ(At(single, 5, 34), "by Quillfen, version");
    EXPECT_EQ(At(single, 5, 51), "26.1");
    EXPECT_EQ(At(single, 263, 0), "www.quillfen.com");  // split after the host name
    EXPECT_EQ(At(single, 300, 17), "/zodarc");

    auto two = Texts(ZDR::intModeSynastry, Language::intGerman);
    EXPECT_EQ(At(two, 114, 0), "Gezeichnet mit Zodarc,");
    EXPECT_EQ(At(two, 114, 51), "26.1");
    EXPECT_EQ(At(two, 403, 0), "www.quillfen.com/de/zodarc");  // one line, German path
    for (const ZDR::CanvasText& t : ZDR::ExportCanvasTexts(input))
        EXPECT_EQ(t.lngColor, t.dblY <= 51 && (t.dblX == 114 || t.dblX == 403) ? ZDR::lngCreditColor
                                                                               : ZDR::lngDataColor)
            << t.strText;
}

TEST_F(ExportTextsTest, EachModeHasItsDataBlock) {
    using Key = std::pair<double, double>;
    struct Row {
        int16_t intMode;
        int16_t intLanguage;
        bool blnInnerShown;
        std::map<Key, std::string> expected;
    };
    const std::vector<Row> rows = {
        {ZDR::intModeWorldTransits,
         Language::intEnglish,
         false,
         {{{328, 350}, "World date:"},
          {{308, 367}, "2024-03-10"},
          {{288, 384}, "22:00 GMT+1:00"},
          {{0, 332}, "Tropical"},
          {{0, 349}, "zodiac"},
          {{5, 367}, Language::TextIn(102, 0)},
          {{5, 384}, Language::TextIn(103, 0)}}},
        {ZDR::intModeNatal2,
         Language::intGerman,
         false,
         {{{3, 350}, "2. Geburtsdatum:"},
          {{3, 367}, "985-11-02"},
          {{3, 384}, "08:30 GMT-5:00"},
          {{342, 332}, "Tropisch."},
          {{345, 349}, "Tierkreis"},
          {{315, 367}, Language::TextIn(102, 1)},
          {{265, 384}, Language::TextIn(103, 1)}}},
        {ZDR::intModeNatal1,
         Language::intEnglish,
         true,
         {{{3, 350}, "1st birthdate:"}, {{345, 332}, "Tropical"}, {{350, 349}, "zodiac"}}},
        {ZDR::intModePersonal1,
         Language::intEnglish,
         false,
         {{{114, 385}, "1st birthdate:"},
          {{114, 402}, "1970-05-17"},
          {{114, 419}, "14:00 GMT"},
          {{472, 390}, "World date:"},
          {{452, 407}, "2024-03-10"},
          {{432, 424}, "22:00 GMT+1:00"},
          {{50, 368}, "Personal transits for"},
          {{7, 17}, "Tropical zodiac"},
          {{7, 306}, "Personal transits, 1st birthdate (orb 1°)"},
          {{552, 195.5}, Language::TextIn(99, 0)},
          {{552, 212.5}, Language::TextIn(100, 0)},
          {{552, 229.5}, Language::TextIn(101, 0)}}},
        {ZDR::intModePersonal2,
         Language::intGerman,
         true,
         {{{114, 385}, "2. Geburtsdatum:"},
          {{34, 368}, "Persönliche Transite für"},
          {{7, 17}, "Tropische Tk"}}},
        {ZDR::intModeSynastry,
         Language::intEnglish,
         false,
         {{{114, 385}, "1st birthdate:"},
          {{472, 385}, "2nd birthdate:"},
          {{472, 402}, "985-11-02"},
          {{472, 419}, "08:30 GMT-5:00"},
          {{100, 368}, "Synastry of"},
          {{497, 368}, "and"},
          {{552, 195.5}, Language::TextIn(98, 0)}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.intMode) + ", language " +
                     std::to_string(row.intLanguage));
        input.blnShowInnerPlanetAspects = row.blnInnerShown;
        const auto texts = Texts(row.intMode, row.intLanguage);
        for (const auto& [at, text] : row.expected) {
            const auto found = texts.find(at);
            ASSERT_NE(found, texts.end()) << at.first << ", " << at.second;
            EXPECT_EQ(found->second, text);
        }
        // The inner-planet note only while those lines are left out.
        const bool noteShown = texts.count({5, 384}) + texts.count({265, 384}) +
                               texts.count({310, 384}) + texts.count({552, 229.5});
        EXPECT_EQ(noteShown, !row.blnInnerShown);
    }
}

TEST_F(ExportTextsTest, TheSiderealZodiacIsNamedInBothLanguages) {
    input.blnSidereal = true;
    auto english = Texts(ZDR::intModeNatal1, Language::intEnglish);
    EXPECT_EQ(At(english, 345, 332), "Sidereal");
    auto german = Texts(ZDR::intModeWorldTransits, Language::intGerman);
    EXPECT_EQ(At(german, 0, 332), "Siderisch.");
    auto twoGerman = Texts(ZDR::intModeSynastry, Language::intGerman);
    EXPECT_EQ(At(twoGerman, 7, 17), "Siderische Tk");
    auto twoEnglish = Texts(ZDR::intModePersonal2, Language::intEnglish);
    EXPECT_EQ(At(twoEnglish, 7, 17), "Sidereal zodiac");
}

TEST_F(ExportTextsTest, TheCanvasInputTakesTheControlsAsTheyRead) {
    std::array<DatePr2::DateSetInput, 3> sets;
    sets[0] = {"2024", 3, 10, 43, 26};  // 21:00, GMT+1:00
    sets[1] = {"1970", 5, 17, 0, 0};    // no hour, no timezone chosen
    sets[2] = {"985", 11, 2, 18, 14};   // 08:30, GMT-5:00
    ZDR::ConfigOptions options;
    options.blnSidereal = true;
    options.blnSuppressInnerPlanetAspects = true;
    options.blnDisplayNATZ = false;
    Language::intLanguage = Language::intGerman;
    const ZDR::ExportCanvasInput in =
        ZDR::ExportCanvasOf(ZDR::intModePersonal1, sets, OrbsWith(options), "26.1");
    Language::intLanguage = Language::intEnglish;
    EXPECT_EQ(in.intModeCode, ZDR::intModePersonal1);
    EXPECT_EQ(in.intLanguage, Language::intGerman);
    EXPECT_EQ(in.udtDateSet[0].strYear, "2024");
    EXPECT_EQ(in.udtDateSet[0].intMonth, 3);
    EXPECT_EQ(in.udtDateSet[0].intDay, 10);
    EXPECT_EQ(in.udtDateSet[0].strHour, "21:00");
    EXPECT_EQ(in.udtDateSet[0].strTimezone, "GMT+1:00");
    EXPECT_EQ(in.udtDateSet[1].strHour, "");
    EXPECT_EQ(in.udtDateSet[1].strTimezone, "");
    EXPECT_EQ(in.udtDateSet[2].strHour, "08:30");
    EXPECT_EQ(in.udtDateSet[2].strTimezone, "GMT-5:00");
    options.blnDisplayNATZ = true;
    EXPECT_EQ(ZDR::ExportCanvasOf(ZDR::intModePersonal1, sets, OrbsWith(options), "26.1")
                  .udtDateSet[2]
                  .strTimezone,
              "EST/CDT");
    EXPECT_TRUE(in.blnSidereal);
    EXPECT_FALSE(in.blnShowInnerPlanetAspects);
    EXPECT_EQ(in.strVersion, "26.1");
    EXPECT_EQ(in.strTitleWithOrb.rfind("Persönliche Transite, 1. Geburtsdatum", 0), 0u);
}

}  // namespace

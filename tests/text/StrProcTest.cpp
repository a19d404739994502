// The shared text operations.
#include <gtest/gtest.h>

#include "text/StrProc.h"

namespace {

TEST(StrProcTest, ReplaceAllNeverLooksIntoWhatItInserted) {
    EXPECT_EQ(StrProc::ReplaceAll("N of N", "N", "NN"), "NN of NN");
    EXPECT_EQ(StrProc::ReplaceAll("aaa", "aa", "b"), "ba");
    EXPECT_EQ(StrProc::ReplaceAll("Orb NEW_ORB.", "NEW_ORB", "5°"), "Orb 5°.");
    EXPECT_EQ(StrProc::ReplaceAll("a degrees b", " degrees", ""), "a b");
    EXPECT_EQ(StrProc::ReplaceAll("text", "", "x"), "text");  // nothing to look for
}

TEST(StrProcTest, ReplaceIgnoringCaseMatchesAnyCase) {
    EXPECT_EQ(StrProc::ReplaceIgnoringCase("HTTP://a.b", "http:", "https:"), "https://a.b");
    EXPECT_EQ(StrProc::ReplaceIgnoringCase("Http:x hTTp:y", "http:", "https:"), "https:x https:y");
    EXPECT_EQ(StrProc::ReplaceIgnoringCase("https://a.b", "http:", "https:"), "https://a.b");
    EXPECT_EQ(StrProc::ReplaceIgnoringCase("aAa", "a", "AA"), "AAAAAA");  // never rescans
    EXPECT_EQ(StrProc::ReplaceIgnoringCase("Über", "ü", "u"), "Über");    // ASCII only
    EXPECT_EQ(StrProc::ReplaceIgnoringCase("text", "", "x"), "text");
}

TEST(StrProcTest, LowerCaseTouchesOnlyAsciiCapitals) {
    EXPECT_EQ(StrProc::LowerCase("Synastry"), "synastry");
    EXPECT_EQ(StrProc::LowerCase("ÄÖÜ Großes Trigon"), "ÄÖÜ großes trigon");
}

TEST(StrProcTest, Utf8CharLengthAcceptsOnlyWellFormedCharacters) {
    EXPECT_EQ(StrProc::Utf8CharLength("a", 0), 1u);
    EXPECT_EQ(StrProc::Utf8CharLength("März", 1), 2u);
    EXPECT_EQ(StrProc::Utf8CharLength("°", 0), 2u);
    EXPECT_EQ(StrProc::Utf8CharLength("☉", 0), 3u);
    EXPECT_EQ(StrProc::Utf8CharLength("\xF0\x9F\x9C\x81", 0), 4u);
    EXPECT_EQ(StrProc::Utf8CharLength("\xC0\x80", 0), 0u);      // overlong
    EXPECT_EQ(StrProc::Utf8CharLength("\xED\xA0\x80", 0), 0u);  // surrogate
    EXPECT_EQ(StrProc::Utf8CharLength("\xE2\x98", 0), 0u);      // cut off
    EXPECT_EQ(StrProc::Utf8CharLength("\x80", 0), 0u);          // stray continuation
    EXPECT_EQ(StrProc::Utf8CharLength("a", 1), 0u);             // past the end
}

}  // namespace

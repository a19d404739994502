// Counts as words in English and German.
#include <gtest/gtest.h>

#include <cstdint>

#include "text/NumberWords.h"

namespace {

TEST(NumberWordsTest, EnglishWords) {
    EXPECT_EQ(StrProc::NumberWord(0, false), "No");
    EXPECT_EQ(StrProc::NumberWord(8, false), "Eight");
    EXPECT_EQ(StrProc::NumberWord(12, false), "Twelve");
    EXPECT_EQ(StrProc::NumberWord(13, false), "Thirteen");
    EXPECT_EQ(StrProc::NumberWord(20, false), "Twenty");
    EXPECT_EQ(StrProc::NumberWord(21, false), "Twenty one");
    EXPECT_EQ(StrProc::NumberWord(99, false), "Ninety nine");
    EXPECT_EQ(StrProc::NumberWord(100, false), "100");
    EXPECT_EQ(StrProc::NumberWord(1234, false), "1,234");
}

TEST(NumberWordsTest, GermanWords) {
    EXPECT_EQ(StrProc::NumberWord(0, true), "Keine");
    EXPECT_EQ(StrProc::NumberWord(8, true), "Ache");
    EXPECT_EQ(StrProc::NumberWord(12, true), "Zwölf");
    EXPECT_EQ(StrProc::NumberWord(13, true), "Dreizehn");
    EXPECT_EQ(StrProc::NumberWord(20, true), "Zwanzig");
    EXPECT_EQ(StrProc::NumberWord(21, true), "Eine und zwanzig");
    EXPECT_EQ(StrProc::NumberWord(99, true), "Neun und neunzig");
    EXPECT_EQ(StrProc::NumberWord(100, true), "100");
    EXPECT_EQ(StrProc::NumberWord(1234, true), "1.234");
}

TEST(NumberWordsTest, ExtremesAreDigits) {
    EXPECT_EQ(StrProc::NumberWord(INT32_MAX, false), "2,147,483,647");
    EXPECT_EQ(StrProc::NumberWord(-5, true), "-5");
    EXPECT_EQ(StrProc::NumberWord(INT32_MIN, false), "-2,147,483,648");
}

}  // namespace

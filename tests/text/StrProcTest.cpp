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

TEST(StrProcTest, LowerCaseTouchesOnlyAsciiCapitals) {
    EXPECT_EQ(StrProc::LowerCase("Synastry"), "synastry");
    EXPECT_EQ(StrProc::LowerCase("ÄÖÜ Großes Trigon"), "ÄÖÜ großes trigon");
}

}  // namespace

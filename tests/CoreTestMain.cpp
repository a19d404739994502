// Runs the core tests in a fixed environment.
#include <gtest/gtest.h>

#include "tests/TestEnvironment.h"

int main(int argc, char* argv[]) {
    FixTestEnvironment();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Runs the window tests inside one QApplication on the offscreen platform, in a fixed
// environment.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#include "tests/TestEnvironment.h"

int main(int argc, char* argv[]) {
    FixTestEnvironment();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");  // QApplication takes the locale of the environment
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

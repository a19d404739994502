#pragma once
// Fixes the environment every test runs in, whoever starts the test binary: Universal
// Time, the C locale, and ZODARC_BUILD_DIR naming the build folder with the data files.

#include <clocale>
#include <cstdlib>
#include <ctime>

inline void FixTestEnvironment() {
    setenv("TZ", "UTC", 1);
    tzset();
    setenv("LC_ALL", "C", 1);
    setenv("LANG", "C", 1);
    std::setlocale(LC_ALL, "C");
    setenv("ZODARC_BUILD_DIR", ZODARC_TEST_BUILD_DIR, 0);
}

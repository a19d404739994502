#pragma once
// Runs the built zodarc-cli (or a copy of it) from $ZODARC_BUILD_DIR and collects its exit
// status, standard output and standard error; checks on its output, for the tests of the
// command line.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace CliRunner {

// What one run of a program gave; intExit is -1 when it could not be run or did not exit.
struct CliRun {
    int intExit = -1;
    std::string strOut;
    std::string strErr;
};

// Returns the build folder the tests run in, ending in "/".
inline std::string BuildDir() {
    const char* dir = std::getenv("ZODARC_BUILD_DIR");
    return std::string(dir ? dir : ".") + "/";
}

// Runs program with the arguments (a shell word list) and collects its output.
inline CliRun RunProgram(const std::string& program, const std::string& args) {
    // One file per run: ctest runs the tests of this binary in parallel processes.
    std::string errFile = ::testing::TempDir() + "zodarc-cli-stderrXXXXXX";
    const int fd = mkstemp(errFile.data());
    if (fd < 0)
        return CliRun();
    close(fd);
    const std::string command = "'" + program + "' " + args + " 2>'" + errFile + "'";
    CliRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            run.strOut.append(buffer, n);
        const int status = pclose(pipe);
        run.intExit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::ifstream err(errFile);
        std::stringstream text;
        text << err.rdbuf();
        run.strErr = text.str();
    }
    std::remove(errFile.c_str());
    return run;
}

// Passes when text holds part; a failure shows the whole text.
inline ::testing::AssertionResult Holds(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << part << "\" is not in:\n" << text;
}

// Passes when text begins with start; a failure shows the whole text.
inline ::testing::AssertionResult BeginsWith(const std::string& text, const std::string& start) {
    if (text.compare(0, start.size(), start) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << start << "\" does not begin:\n" << text;
}

// Passes when text ends with end; a failure shows the whole text.
inline ::testing::AssertionResult EndsWith(const std::string& text, const std::string& end) {
    if (text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << end << "\" does not end:\n" << text;
}

// Runs the built zodarc-cli with the arguments (a shell word list).
inline CliRun Cli(const std::string& args) {
    return RunProgram(BuildDir() + "zodarc-cli", args);
}

}  // namespace CliRunner

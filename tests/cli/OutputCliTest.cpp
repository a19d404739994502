// Standard output that cannot be written (a full device) ends every command with status 1
// and a message, instead of a success with the output lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::Holds;

TEST(OutputCli, AnOutputThatCannotBeWrittenIsAFailure) {
    const std::string png = ::testing::TempDir() + "zodarc-output-" + std::to_string(getpid()) +
                            ".png";
    const std::string commands[] = {
        "--help",
        "--version",
        "positions --date 2024-03-10",
        "table --date 2024-03-10 --json",
        "report --mode natal1 --birth1-date 1970-05-17",
        "durations --date 2024-03-10",
        "search --date 2024-01-01 --pattern 3-stellium",
        "chart --png '" + png + "' --date 2024-03-10 --json",
        "positions --help",
    };
    for (const std::string& args : commands) {
        EXPECT_EQ(Cli(args).intExit, 0) << args;
        const CliRun full = Cli(args + " >/dev/full");
        EXPECT_EQ(full.intExit, 1) << args;
        EXPECT_TRUE(Holds(full.strErr, "the output could not be written: No space left on device"))
            << args;
    }
    std::remove(png.c_str());
}

}  // namespace

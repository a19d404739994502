// The manual page and the bash completion of zodarc-cli against the program's own --help:
// every command and every option of each command is in both, and the completion knows
// which options take a value.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::Cli;
using CliRunner::CliRun;
using CliRunner::RunProgram;

const std::string kCompletion = ZODARC_TEST_SOURCE_DIR "/packaging/zodarc-cli.bash-completion";
const std::string kManPage = ZODARC_TEST_SOURCE_DIR "/docs/zodarc-cli.1.in";

std::set<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::set<std::string> words;
    std::string word;
    while (in >> word)
        words.insert(word);
    return words;
}

// The words that the completion script prints after it is read: shell is run in bash.
std::set<std::string> FromCompletion(const std::string& shell) {
    const CliRun run = RunProgram("bash", "-c 'source \"" + kCompletion + "\" && " + shell + "'");
    EXPECT_EQ(run.intExit, 0) << shell << ": " << run.strErr;
    return Words(run.strOut);
}

// The commands that zodarc-cli --help lists.
std::set<std::string> Commands() {
    const CliRun run = Cli("--help");
    EXPECT_EQ(run.intExit, 0);
    std::set<std::string> commands;
    const std::regex line("\n  ([a-z]+) ");
    for (std::sregex_iterator it(run.strOut.begin(), run.strOut.end(), line), end; it != end; ++it)
        commands.insert((*it)[1]);
    return commands;
}

// The options that zodarc-cli COMMAND --help describes; those written with a value
// ("--state FILE") also go into valued.
std::set<std::string> Options(const std::string& command, std::set<std::string>& valued) {
    const CliRun run = Cli(command + " --help");
    EXPECT_EQ(run.intExit, 0) << command;
    std::set<std::string> options;
    const std::regex line("\n  (--[a-z0-9-]+)( [^ \n])?");
    for (std::sregex_iterator it(run.strOut.begin(), run.strOut.end(), line), end; it != end;
         ++it) {
        options.insert((*it)[1]);
        if ((*it)[2].matched)
            valued.insert((*it)[1]);
    }
    return options;
}

std::string ManPage() {
    std::ifstream in(kManPage);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The roff spelling of a command-line word: every hyphen escaped.
std::string Roff(const std::string& word) {
    return std::regex_replace(word, std::regex("-"), "\\-");
}

TEST(CliDocs, CompletionAndManualPageNameEveryCommand) {
    const std::set<std::string> commands = Commands();
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(FromCompletion("echo $_zodarc_cli_commands"), commands)
        << "_zodarc_cli_commands in " << kCompletion << " against zodarc-cli --help";
    const std::string man = ManPage();
    for (const std::string& command : commands)
        EXPECT_NE(man.find("\n.B " + command + "\n"), std::string::npos)
            << command << " is not described under COMMANDS in " << kManPage;
}

TEST(CliDocs, CompletionAndManualPageCarryEveryOptionOfEachCommand) {
    const std::set<std::string> valuedByCompletion = FromCompletion("echo $_zodarc_cli_valued");
    const std::string man = ManPage();
    for (const std::string& command : Commands()) {
        std::set<std::string> valued;
        std::set<std::string> options = Options(command, valued);
        ASSERT_FALSE(options.empty()) << command;
        options.insert("--help");
        EXPECT_EQ(FromCompletion("_zodarc_cli_options " + command), options)
            << "_zodarc_cli_options " << command << " in " << kCompletion << " against zodarc-cli "
            << command << " --help";
        for (const std::string& option : options) {
            EXPECT_EQ(valuedByCompletion.count(option), valued.count(option))
                << command << " " << option << " takes a value in --help or in "
                << "_zodarc_cli_valued of " << kCompletion << ", not in both";
            EXPECT_NE(man.find(Roff(option)), std::string::npos)
                << command << " " << option << " is not described in " << kManPage;
        }
    }
}

}  // namespace

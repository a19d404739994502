// The installed tree: cmake --install of the build folder into a temporary prefix puts every
// file in its place (the help texts and the user manual with every page and picture it links
// to among them), zodarc-cli runs from there with its data, and the menu entry, the
// software-centre description and the manual pages pass their validators where these are
// installed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "support/ViewText.h"
#include "support/WebAddress.h"
#include "tests/cli/CliRunner.h"

namespace {

using CliRunner::BuildDir;
using CliRunner::CliRun;
using CliRunner::Holds;
using CliRunner::RunProgram;

const std::string kAppId = "com.quillfen.Zodarc";

class InstallTreeTest : public ::testing::Test {
  protected:
    // One installation for all tests of this process.
    static void SetUpTestSuite() {
        std::string pattern = ::testing::TempDir() + "zodarc-install-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        strPrefix = pattern + "/";
        const CliRun run = RunProgram(
            ZODARC_TEST_CMAKE, "--install '" + BuildDir() + "' --prefix '" + strPrefix + "'");
        ASSERT_EQ(run.intExit, 0) << run.strOut << run.strErr;
    }
    static void TearDownTestSuite() {
        if (!strPrefix.empty())
            std::system(("rm -rf '" + strPrefix + "'").c_str());
    }

    static bool Installed(const std::string& path) {
        struct stat info;
        return stat((strPrefix + path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(strPrefix + path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // Runs a validator on an installed file; skips the test when the validator is missing.
    static CliRun Validate(const std::string& validator, const std::string& args) {
        if (RunProgram("sh", "-c 'command -v " + validator + "'").intExit != 0)
            return CliRun();
        return RunProgram(validator, args);
    }

    static std::string strPrefix;
};

std::string InstallTreeTest::strPrefix;

TEST_F(InstallTreeTest, EveryFileStandsInItsPlace) {
    const char* const files[] = {
        "bin/zodarc",
        "bin/zodarc-cli",
        "share/zodarc/zdr.dat",
        "share/zodarc/pluto.slx",
        "share/applications/com.quillfen.Zodarc.desktop",
        "share/metainfo/com.quillfen.Zodarc.metainfo.xml",
        "share/icons/hicolor/scalable/apps/com.quillfen.Zodarc.svg",
        "share/icons/hicolor/16x16/apps/com.quillfen.Zodarc.png",
        "share/icons/hicolor/24x24/apps/com.quillfen.Zodarc.png",
        "share/icons/hicolor/32x32/apps/com.quillfen.Zodarc.png",
        "share/icons/hicolor/48x48/apps/com.quillfen.Zodarc.png",
        "share/icons/hicolor/64x64/apps/com.quillfen.Zodarc.png",
        "share/icons/hicolor/128x128/apps/com.quillfen.Zodarc.png",
        "share/icons/hicolor/256x256/apps/com.quillfen.Zodarc.png",
        "share/man/man1/zodarc.1.gz",
        "share/man/man1/zodarc-cli.1.gz",
        "share/bash-completion/completions/zodarc-cli",
        "share/doc/zodarc/copyright",
        "share/doc/zodarc/changelog.Debian.gz",
    };
    for (const char* file : files)
        EXPECT_TRUE(Installed(file)) << file;
    // The ephemeris files are the system's, unless the install was asked to carry copies.
    EXPECT_EQ(Installed("share/zodarc/sepl_18.se1"), ZODARC_TEST_INSTALLS_EPHEMERIS != 0);
}

TEST_F(InstallTreeTest, InstalledCliFindsItsData) {
    const std::string args = "positions --date 2000-01-01 --time 12:00";
    const CliRun installed = RunProgram(strPrefix + "bin/zodarc-cli", args);
    ASSERT_EQ(installed.intExit, 0) << installed.strErr;
    EXPECT_EQ(installed.strErr, "");
    EXPECT_EQ(installed.strOut, RunProgram(BuildDir() + "zodarc-cli", args).strOut);
    EXPECT_TRUE(Holds(installed.strOut, "Sun       280.368919"));  // ephemeris files
    EXPECT_TRUE(Holds(installed.strOut, "Pluto     251.450000"));  // Pluto table
}

TEST_F(InstallTreeTest, HelpTextsAndUserManualAreInstalledWhole) {
    const std::string data = "share/zodarc/";
    for (int language : {0, 1}) {
        EXPECT_GT(Read(data + ViewText::HelpFileName(language)).size(), 1000u) << language;
        EXPECT_TRUE(Installed(weblink::ManualPagePath(data, language))) << language;
    }
    // Every page and picture that a page of the manual names stands beside it.
    const std::regex link(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re");
    int pages = 0;
    int links = 0;
    const std::filesystem::path manual = strPrefix + data + "manual";
    for (const auto& entry : std::filesystem::recursive_directory_iterator(manual)) {
        if (entry.path().extension() != ".html")
            continue;
        ++pages;
        const std::string page = Read(entry.path().string().substr(strPrefix.size()));
        for (std::sregex_iterator m(page.begin(), page.end(), link), end; m != end; ++m) {
            ++links;
            EXPECT_TRUE(std::filesystem::exists(entry.path().parent_path() / (*m)[1].str()))
                << entry.path() << " names " << (*m)[1].str();
        }
    }
    EXPECT_GE(pages, 2);
    EXPECT_GE(links, pages);
}

TEST_F(InstallTreeTest, MenuEntryAndDescriptionValidate) {
    const std::string desktop = "share/applications/" + kAppId + ".desktop";
    const std::string metainfo = "share/metainfo/" + kAppId + ".metainfo.xml";
    const std::string entry = Read(desktop);
    EXPECT_TRUE(Holds(entry, "\nExec=zodarc\n"));
    EXPECT_TRUE(Holds(entry, "\nIcon=" + kAppId + "\n"));
    const std::string description = Read(metainfo);
    EXPECT_TRUE(Holds(description, "<launchable type=\"desktop-id\">" + kAppId + ".desktop<"));

    const CliRun entryCheck = Validate("desktop-file-validate", "'" + strPrefix + desktop + "'");
    const CliRun descriptionCheck =
        Validate("appstreamcli", "validate --no-net '" + strPrefix + metainfo + "'");
    if (entryCheck.intExit < 0 || descriptionCheck.intExit < 0)
        GTEST_SKIP() << "desktop-file-validate or appstreamcli is not installed";
    EXPECT_EQ(entryCheck.intExit, 0) << entryCheck.strOut;
    EXPECT_EQ(descriptionCheck.intExit, 0) << descriptionCheck.strOut;
}

TEST_F(InstallTreeTest, NewestReleaseEntriesAreThisVersion) {
    std::smatch release;
    const std::string description = Read("share/metainfo/" + kAppId + ".metainfo.xml");
    ASSERT_TRUE(
        std::regex_search(description, release, std::regex("<release version=\"([^\"]+)\"")));
    EXPECT_EQ(release[1], ZODARC_VERSION) << "software-centre description";
    const CliRun changelog =
        RunProgram("gzip", "-dc '" + strPrefix + "share/doc/zodarc/changelog.Debian.gz'");
    EXPECT_TRUE(
        CliRunner::BeginsWith(changelog.strOut, "zodarc (" + std::string(ZODARC_VERSION) + "-1) "));
}

TEST_F(InstallTreeTest, ManualPagesRenderWithoutWarnings) {
    for (const char* page : {"zodarc.1.gz", "zodarc-cli.1.gz"}) {
        const CliRun run = Validate(
            "man", "--warnings -E UTF-8 -l '" + strPrefix + "share/man/man1/" + page + "'");
        if (run.intExit < 0)
            GTEST_SKIP() << "man is not installed";
        EXPECT_EQ(run.intExit, 0) << page;
        EXPECT_EQ(run.strErr, "") << page;
        EXPECT_TRUE(Holds(run.strOut, "SEE ALSO")) << page;
    }
}

}  // namespace

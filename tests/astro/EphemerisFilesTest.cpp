// Damaged, missing and special ephemeris files, on a copy of the data folder: each is named
// with the years it concerns, a damaged one gives no position in its span and leaves the
// other spans as they were, a missing one gives the analytic theory's positions for every
// body it serves, and a special file is never opened.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "tests/EngineTestSupport.h"
#include "text/EphemerisText.h"
#include "text/Language.h"

namespace {

namespace fs = std::filesystem;

constexpr double kYear1700 = 2341972.5;  // 1 January 1700, span of sepl_12 and semo_12
constexpr double kYear2000 = 2451545.0;  // span of sepl_18 and semo_18
constexpr double kYear900 = 2049964.5;   // span of sepl_06

enum class Damage { Empty, Cut, Random, Missing, Folder, Fifo };

class EphemerisFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadTestDataFiles());
        Language::intLanguage = Language::intEnglish;
        std::string pattern = (fs::temp_directory_path() / "zdr-ephe-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
        CopyDataFolder();
    }
    void TearDown() override {
        orbitlib::set_datafiles_folder(TestDataFolder().c_str());
        Language::intLanguage = Language::intEnglish;
        std::error_code ec;
        fs::remove_all(folder, ec);
    }

    // Fills the folder with fresh copies of the build folder's ephemeris files.
    void CopyDataFolder() {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            fs::remove_all(entry.path());
        for (const fs::directory_entry& entry : fs::directory_iterator(TestDataFolder())) {
            if (entry.path().extension() == ".se1")
                fs::copy_file(entry.path(), folder + entry.path().filename().string());
        }
    }

    // Damages the copy of the named file.
    void Spoil(const std::string& name, Damage damage) {
        const std::string path = folder + name;
        const auto size = fs::exists(path) ? fs::file_size(path) : 0;
        if (damage != Damage::Cut && damage != Damage::Random)
            fs::remove(path);
        if (damage == Damage::Empty) {
            std::ofstream{path};
        } else if (damage == Damage::Cut) {
            fs::resize_file(path, 1000);
        } else if (damage == Damage::Random) {
            std::mt19937 random(11);
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            for (std::uintmax_t i = 0; i < size; ++i)
                out.put(static_cast<char>(random()));
        } else if (damage == Damage::Folder) {
            fs::create_directory(path);
        } else if (damage == Damage::Fifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        }
    }

    // What became of the named file since the folder was given.
    static orbitlib::FileTrouble Trouble(const std::string& name) {
        const orbitlib::EphemerisFile* files = orbitlib::EphemerisFiles();
        for (int k = 0; k < orbitlib::intNumEphemerisFiles; ++k) {
            if (name == files[k].strName)
                return files[k].udtTrouble;
        }
        ADD_FAILURE() << name << " is no ephemeris file";
        return orbitlib::FileTrouble::None;
    }

    // Asks each ephemeris file for a position, as the start-up does, and returns what the
    // program then says.
    static std::string Check() {
        orbitlib::ProbeEphemerisFiles();
        return ZDR::EphemerisFilesMessage();
    }

    // The longitude of body b at jd from the build folder's files.
    static double Reference(int16_t b, double jd) {
        orbitlib::set_datafiles_folder(TestDataFolder().c_str());
        return ZDR::BodyLongitude(b, jd);
    }

    std::string folder;
};

TEST_F(EphemerisFilesTest, ADamagedFileIsNamedWithItsYearsAndTheOtherSpansStillCompute) {
    struct Row {
        const char* name;
        Damage damage;
        double jd;       // a moment in the file's span
        double otherJD;  // a moment in another span
        const char* years;
    };
    const Row rows[] = {
        {"sepl_18.se1", Damage::Empty, kYear2000, kYear1700, "1800 to 2399"},
        {"sepl_18.se1", Damage::Cut, kYear2000, kYear1700, "1800 to 2399"},
        {"sepl_18.se1", Damage::Random, kYear2000, kYear1700, "1800 to 2399"},
        // The Earth is found from the Moon: a damaged Moon's file stops every body.
        {"semo_18.se1", Damage::Cut, kYear2000, kYear1700, "1800 to 2399"},
        {"semo_18.se1", Damage::Random, kYear2000, kYear1700, "1800 to 2399"},
        {"semo_12.se1", Damage::Empty, kYear1700, kYear2000, "1200 to 1799"},
        {"sepl_06.se1", Damage::Cut, kYear900, kYear2000, "600 to 1199"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const double sun = Reference(1, row.otherJD);
        const double moon = Reference(10, row.otherJD);
        CopyDataFolder();
        Spoil(row.name, row.damage);
        orbitlib::set_datafiles_folder(folder.c_str());
        const std::string message = Check();
        EXPECT_EQ(message.rfind("The ephemeris file " + std::string(row.name) +
                                    " is damaged. The Sun, the Moon and the planets (all but "
                                    "Pluto) have no positions in the years " +
                                    row.years +
                                    ".\nThe "
                                    "ephemeris library says: Ephemeris file " +
                                    folder + row.name + " is damaged",
                                0),
                  0u)
            << message;
        EXPECT_EQ(Trouble(row.name), orbitlib::FileTrouble::Damaged);
        for (int16_t b : {1, 4, 8})
            EXPECT_TRUE(ZDR::PositionFailed(ZDR::BodyLongitude(b, row.jd))) << b;
        EXPECT_LT(ZDR::BodyLongitude(10, row.jd), 0);  // -99 before 1600
        // Right after a failure the other spans give their positions, unchanged.
        EXPECT_EQ(ZDR::BodyLongitude(1, row.otherJD), sun);
        EXPECT_EQ(ZDR::BodyLongitude(10, row.otherJD), moon);
        EXPECT_EQ(ZDR::EphemerisFileMessages().size(), 1u);
    }
}

TEST_F(EphemerisFilesTest, AMissingFileIsNamedForEveryBodyThatComesFromTheAnalyticTheory) {
    struct Row {
        const char* name;
        double jd;
        bool blnMoonOnly;  // only the Moon comes from the theory
        const char* message;
    };
    const Row rows[] = {
        {"sepl_18.se1", kYear2000, false,
         "The ephemeris file sepl_18.se1 is missing. In the years 1800 to 2399 the positions of "
         "the Sun, the Moon and the planets (all but Pluto) come from the built-in analytic "
         "theory and are less precise."},
        {"semo_18.se1", kYear2000, true,
         "The ephemeris file semo_18.se1 is missing. In the years 1800 to 2099 the positions of "
         "the Moon come from the built-in analytic theory and are less precise."},
        {"semo_12.se1", kYear1700, true,
         "The ephemeris file semo_12.se1 is missing. In the years 1600 to 1799 the positions of "
         "the Moon come from the built-in analytic theory and are less precise."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Spoil(row.name, Damage::Missing);
        // Each body on its own, the first position after the folder was given: the library
        // keeps its flags as asked when only the Moon's file is missing.
        for (int16_t b : {1, 2, 3, 4, 5, 6, 7, 8, 10}) {
            const double reference = Reference(b, row.jd);
            orbitlib::set_datafiles_folder(folder.c_str());
            const double L = ZDR::BodyLongitude(b, row.jd);
            EXPECT_NEAR(L, reference, 1e-4) << b;  // within 20 arcseconds
            const bool blnAnalytic = !row.blnMoonOnly || b == 10;
            EXPECT_EQ(orbitlib::AnalyticEphemerisUsed(), blnAnalytic) << b;
            EXPECT_EQ(Trouble(row.name),
                      blnAnalytic ? orbitlib::FileTrouble::Missing : orbitlib::FileTrouble::None)
                << b;
        }
        orbitlib::set_datafiles_folder(folder.c_str());
        const std::string message = Check();
        EXPECT_EQ(message.rfind(std::string(row.message) + "\nThe ephemeris library says: ", 0), 0u)
            << message;
        EXPECT_EQ(ZDR::EphemerisFileMessages().size(), 1u);
        CopyDataFolder();
    }
}

TEST_F(EphemerisFilesTest, ASpecialFileInPlaceOfALibraryFileIsNeverOpened) {
    const std::pair<const char*, Damage> rows[] = {
        {"sepl_18.se1", Damage::Fifo},
        {"sepl_18.se1", Damage::Folder},
        {"semo_06.se1", Damage::Fifo},
        {"sedeltat.txt", Damage::Fifo},
    };
    for (const auto& [name, damage] : rows) {
        SCOPED_TRACE(name);
        Spoil(name, damage);
        orbitlib::set_datafiles_folder(folder.c_str());
        EXPECT_EQ(orbitlib::RefusedLibraryFile(), name);
        for (int16_t b = 1; b <= 10; ++b) {
            const double L = ZDR::BodyLongitude(b, kYear2000);
            EXPECT_EQ(ZDR::PositionFailed(L), b != 9) << b;  // Pluto comes from its table
        }
        EXPECT_EQ(Check(),
                  "In place of " + std::string(name) +
                      ", a file of the ephemeris library, there is a folder or another special "
                      "file, so the library is not used: the Sun, the Moon and the planets (all "
                      "but Pluto) have no positions at all.");
        CopyDataFolder();
    }
    orbitlib::set_datafiles_folder(folder.c_str());
    EXPECT_EQ(orbitlib::RefusedLibraryFile(), "");
    EXPECT_EQ(Check(), "");
}

TEST_F(EphemerisFilesTest, TheMessagesSpeakTheCurrentLanguage) {
    Spoil("semo_18.se1", Damage::Missing);
    Spoil("sepl_06.se1", Damage::Cut);
    orbitlib::set_datafiles_folder(folder.c_str());
    Language::intLanguage = Language::intGerman;
    const std::string message = Check();
    EXPECT_EQ(message.rfind("Die Ephemeridendatei sepl_06.se1 ist beschädigt. Sonne, Mond und "
                            "Planeten (außer Pluto) haben in den Jahren 600 bis 1199 keine "
                            "Positionen.\nDie Ephemeriden-Bibliothek meldet: Ephemeris file ",
                            0),
              0u)
        << message;
    EXPECT_NE(message.find("\n\nDie Ephemeridendatei semo_18.se1 fehlt. In den Jahren 1800 bis "
                           "2099 stammen die Positionen des Mondes aus der eingebauten "
                           "analytischen Theorie und sind weniger genau.\n"),
              std::string::npos)
        << message;
    EXPECT_EQ(ZDR::EphemerisFilesTitle(), "Ephemeridendateien");
}

}  // namespace

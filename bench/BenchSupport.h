#pragma once
// Data preparation shared by the benchmarks: the data files the build puts beside this
// executable, each read once for the whole run.

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "astro/Ephemeris.h"
#include "astro/Positions.h"
#include "engine/Catalogue.h"
#include "text/Language.h"

// Returns the folder of this executable without a trailing separator; "." when the system
// does not tell.
inline std::string ExecutableFolder() {
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string folder = n > 0 ? std::string(path, n) : std::string("./");
    folder.erase(folder.rfind('/'));
    return folder;
}

// Points the positions at the data files beside this executable and reads the Pluto table;
// a table that cannot be read ends the run with its message.
inline void PreparePositions() {
    static bool blnPrepared = false;
    if (blnPrepared)
        return;
    blnPrepared = true;
    ZDR::strDataFolder = ExecutableFolder() + "/";
    orbitlib::set_datafiles_folder(ZDR::strDataFolder.c_str());
    std::string error;
    if (!ZDR::ReadPlutoData("pluto.slx", error)) {
        std::fprintf(stderr, "%s\n", ZDR::PlutoDataErrorMessage(error).c_str());
        std::exit(1);
    }
}

// Loads the program text beside this executable and sets the catalogue to its start-up
// state, names in the current language.
inline void PrepareProgramText() {
    static bool blnPrepared = false;
    if (blnPrepared)
        return;
    blnPrepared = true;
    std::string message;
    Language::LoadProgramText(ExecutableFolder(), "zdr.dat", message);
    ZDR::InitialiseCatalogue();
}

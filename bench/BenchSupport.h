#pragma once
// Data preparation shared by the benchmarks: the core started once for the whole run from
// the data files the build puts beside this executable.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "config/Options.h"
#include "config/OptionsInForce.h"
#include "engine/CoreStartup.h"
#include "text/Language.h"

// Returns the folder of the data files of this executable.
inline std::string BenchDataFolder() {
    return ZDR::DataFolder(ZDR::ExecutableFolder());
}

// Starts the core (program text, catalogue with names in the current language, positions,
// Pluto table) and puts the default options in force, once for the whole run; a start-up
// that fails ends the run with its messages.
inline void PrepareCore() {
    static bool blnPrepared = false;
    if (blnPrepared)
        return;
    blnPrepared = true;
    const ZDR::CoreStartup core = ZDR::StartCore(BenchDataFolder());
    for (const ZDR::StartupMessage& message : core.udtMessages)
        std::fprintf(stderr, "%s\n", message.strText.c_str());
    if (core.intOutcome != ZDR::intStartupDone)
        std::exit(1);
    ZDR::UseSettings(ZDR::DefaultOptions(Language::intLanguage, ZDR::ConfigOptions{}));
}

#include "config/OptionsInForce.h"

#include "astro/Positions.h"
#include "config/Options.h"
#include "text/Language.h"

namespace ZDR {

namespace {

ConfigOptions& InForce() {
    static ConfigOptions options = DefaultOptions(Language::intEnglish, ConfigOptions{});
    return options;
}

}  // namespace

const ConfigOptions& OptionsInForce() {
    return InForce();
}

void UseSettings(const ConfigOptions& options) {
    InForce() = options;
    SetOrbs(options);
    blnSidereal = options.blnSidereal;
}

void UseStateFileSettings(const ConfigOptions& fileOptions) {
    ConfigOptions options = fileOptions;
    options.blnSuppressInnerPlanetAspects = InForce().blnSuppressInnerPlanetAspects;
    options.blnDisplayNATZ = InForce().blnDisplayNATZ;
    options.intHouseSystem = InForce().intHouseSystem;
    options.blnAscendantLeft = InForce().blnAscendantLeft;
    UseSettings(options);
}

}  // namespace ZDR

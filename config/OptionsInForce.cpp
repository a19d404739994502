#include "config/OptionsInForce.h"

#include "config/Options.h"
#include "text/Language.h"

namespace ZDR {

namespace {

ConfigOptions& InForce() {
    static ConfigOptions options = DefaultOptions(Language::intEnglish, ConfigOptions{});
    return options;
}

// The computations' form of InForce: no orb until the first UseSettings.
ChartOptions& ChartInForce() {
    static ChartOptions chart = [] {
        ChartOptions c;
        c.udtConfig = InForce();
        DeriveOrbLimits(c);
        c.dblMidpointOrb = MidpointOrb(c.udtConfig.intMidpointOrbIndex);
        return c;
    }();
    return chart;
}

}  // namespace

const ConfigOptions& OptionsInForce() {
    return InForce();
}

const ChartOptions& ChartOptionsInForce() {
    return ChartInForce();
}

void UseSettings(const ConfigOptions& options) {
    InForce() = options;
    ChartInForce() = MakeChartOptions(options);
}

void UseStateFileSettings(const ConfigOptions& fileOptions) {
    ConfigOptions options = fileOptions;
    options.blnSuppressInnerPlanetAspects = InForce().blnSuppressInnerPlanetAspects;
    options.blnDisplayNATZ = InForce().blnDisplayNATZ;
    options.intHouseSystem = InForce().intHouseSystem;
    options.blnAscendantLeft = InForce().blnAscendantLeft;
    options.blnAnglesInAspects = InForce().blnAnglesInAspects;
    UseSettings(options);
}

}  // namespace ZDR

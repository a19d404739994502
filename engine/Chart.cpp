#include "engine/Chart.h"

namespace ZDR {

bool HasAngles(const ChartPositions& positions, int side) {
    return side >= 0 && side < 2 && positions.dblPos[pointAscendant][side] >= 0;
}

int16_t BodiesTakingPart(const ChartPositions& positions) {
    const int16_t n = positions.intNumBodies;
    return n < 0 ? 0 : (n > intCatalogueBodies ? intCatalogueBodies : n);
}

void DeriveOrbLimits(ChartOptions& options) {
    for (int s = 0; s < intNumOrbSets; ++s) {
        double max = 0.0;
        double min = 20.0;
        for (int k = 1; k < intAspectSlots; ++k) {
            const double o = options.dblOrb[k][s];
            if (o > max)
                max = o;
            if (o > 0.0 && o < min)
                min = o;
        }
        options.dblMaxOrb[s] = max;
        options.dblMinOrb[s] = min;
        if (s == 0)
            options.blnOrbsEqual = (max == min);
    }
}

}  // namespace ZDR

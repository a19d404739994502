#include "engine/EngineTables.h"

namespace ZDR {

double dblChartAJD[3] = {};
double dblPos[intBodySlots][2] = {};
bool blnRetro[intBodySlots][2] = {};
double dblOrb[intAspectSlots][intNumOrbSets] = {};
int16_t intNumAspectsOfType[intAspectSlots] = {};
int16_t intNumBodies = intCatalogueBodies;
int16_t intNumPatternsOfType[intCataloguePatterns] = {};

}  // namespace ZDR

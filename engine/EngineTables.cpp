#include "engine/EngineTables.h"

namespace ZDR {

double dblChartAJD[3] = {};
double dblPos[11][2] = {};
bool blnRetro[11][2] = {};
double dblOrb[8][3] = {};
int16_t intNumAspectsOfType[8] = {};
int16_t intNumBodies = 10;
int16_t intNumPatternsOfType[14] = {};

}  // namespace ZDR

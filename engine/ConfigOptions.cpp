#include "engine/ConfigOptions.h"

namespace ZDR {

namespace {

constexpr int kBoldfaceDivisor[intNumBoldfaceFactors] = {2, 3, 4, 5, 6, 8, 10, 15, 20};

}  // namespace

int BoldfaceDivisor(int16_t index) {
    if (index < 0 || index >= intNumBoldfaceFactors)
        index = intDefaultBoldfaceFactorIndex;
    return kBoldfaceDivisor[index];
}

}  // namespace ZDR

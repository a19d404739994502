#pragma once
// The counts of the catalogue and its body, aspect and pattern indices: every array of
// bodies, aspects or patterns is sized, and every loop over them bounded, by these names.
// Arrays indexed by body or aspect keep index 0 unused ("Earth", no aspect), hence the
// slot counts one above the counts.

#include <cstdint>

namespace ZDR {

// Bodies 1..10; 0 is the Earth, which is never computed.
enum BodyIndex : int16_t {
    bodyEarth = 0,
    bodySun,
    bodyMercury,
    bodyVenus,
    bodyMars,
    bodyJupiter,
    bodySaturn,
    bodyUranus,
    bodyNeptune,
    bodyPluto,
    bodyMoon,
};
constexpr int16_t intCatalogueBodies = bodyMoon;          // the bodies computed: 10
constexpr int16_t intBodySlots = intCatalogueBodies + 1;  // arrays by body index 0..10
// The last of the bodies without the Moon: the chart-A bodies of personal transits
// without the transiting Moon.
constexpr int16_t intLastPlanet = bodyPluto;

// The angles of a chart with a place, which take part in aspects when the option asks for
// it: points 11 and 12 after the bodies. Arrays by point index 0..12.
enum AnglePoint : int16_t {
    pointAscendant = intBodySlots,
    pointMidheaven,
};
constexpr int16_t intNumAngles = 2;
constexpr int16_t intLastPoint = pointMidheaven;  // the last of bodies and angles: 12
constexpr int16_t intPointSlots = intLastPoint + 1;

// Aspects 1..7; 0 means no aspect.
enum AspectIndex : int16_t {
    aspectNone = 0,
    aspectConjunction,
    aspectOpposition,
    aspectSquare,
    aspectTrine,
    aspectSextile,
    aspectSemisextile,
    aspectQuincunx,
};
constexpr int16_t intCatalogueAspects = aspectQuincunx;      // 7
constexpr int16_t intAspectSlots = intCatalogueAspects + 1;  // arrays by aspect index 0..7

// Aspect patterns 0..13, in the order of the report.
enum PatternKind : int16_t {
    patternGrandTrine = 0,
    patternKite,
    patternRectangle,
    patternTSquare,
    patternGrandCross,
    patternYod,
    patternYodKite,
    patternTrapezium,
    patternStellium6,
    patternStellium5,
    patternStellium4,
    patternStellium3,
    patternGrandSextile,
    patternMidpoint,
};
constexpr int16_t intCataloguePatterns = patternMidpoint + 1;  // 14 kinds, indices 0..13

// Zodiac signs 0..11, Aries..Pisces.
constexpr int16_t intCatalogueSigns = 12;

// Orb sets 0..2: world transits and natal aspects, personal transits, synastry.
constexpr int16_t intNumOrbSets = 3;

}  // namespace ZDR

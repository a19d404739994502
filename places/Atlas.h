#pragma once
// The offline atlas: the cities of the system's geonames database (about 24,000, with
// region, country, IANA zone, coordinates and population) and their German names from the
// database's own gettext catalogue, keyed by each place's id. Only places/Atlas.cpp calls
// the library.

#include <cstdint>
#include <string>
#include <vector>

namespace Places {

// One city of the atlas. Names in UTF-8; a German name the catalogue lacks is the English
// one.
struct AtlasPlace {
    std::string strName;         // "Munich"
    std::string strNameDe;       // "München"
    std::string strRegion;       // "Bavaria"; may be empty
    std::string strRegionDe;     // "Bayern"
    std::string strRegionCode;   // "02" ("IL" for Illinois)
    std::string strCountry;      // "Germany"
    std::string strCountryDe;    // "Deutschland"
    std::string strCountryCode;  // "DE"
    std::string strZone;         // "Europe/Berlin"
    double dblLatitude = 0;      // degrees, north positive
    double dblLongitude = 0;     // degrees, east positive
    uint32_t lngPopulation = 0;
};

// Returns every city of the atlas, read on first use; empty when the database is missing.
const std::vector<AtlasPlace>& AtlasPlaces();

}  // namespace Places

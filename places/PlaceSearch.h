#pragma once
// Finding places of the atlas by name, as a user types them: English or German names,
// case and accents ignored ("zurich" finds Zürich), largest first.

#include <cstddef>
#include <string>
#include <vector>

#include "places/Atlas.h"

namespace Places {

// Returns text for comparing names: lower case, the accents of Latin letters dropped
// ("Zürich" -> "zurich", "Straße" -> "strasse", "İstanbul" -> "istanbul").
std::string FoldedName(const std::string& text);

// Returns the places whose English or German name has a word that begins with the name
// typed ("Ulm" finds Ulm and Neu-Ulm, "Wien" and "Vienna" find Vienna). Text after a comma
// narrows them to places whose region or country (either language) or its code begins
// with it ("Springfield, Illinois", "Ulm, DE"). Exact names come first, then the others,
// each group largest first; at most maxCount.
std::vector<const AtlasPlace*> FindPlaces(const std::string& text, std::size_t maxCount);

// Returns the places whose name is exactly the name given (either language, case and
// accents ignored), narrowed by a region, country or country code after a comma that must
// match whole; largest first. "City", "City, Region" or "City, Country".
std::vector<const AtlasPlace*> PlacesNamed(const std::string& text);

// Returns "City, Region, Country" in language (1 German, any other English); the region is
// left out when the atlas has none.
std::string PlaceLabel(const AtlasPlace& place, int language);

}  // namespace Places

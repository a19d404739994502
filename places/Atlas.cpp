#include "places/Atlas.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <unordered_map>

#include <geonames.h>

namespace Places {
namespace {

// The German names of the catalogue, by key: a place's id ("2867714"), a country code
// ("DE") or a country code and a region code ("DE.02").
using Catalogue = std::unordered_map<std::string, std::string>;

constexpr const char* kGermanCatalogue = "/usr/share/locale/de/LC_MESSAGES/geonames.mo";

uint32_t Word(const std::string& data, std::size_t at, bool blnSwapped) {
    uint32_t w = 0;
    std::memcpy(&w, data.data() + at, 4);
    if (blnSwapped)
        w = (w >> 24) | ((w >> 8) & 0xFF00) | ((w << 8) & 0xFF0000) | (w << 24);
    return w;
}

// Reads a compiled gettext catalogue: a magic word, the count of strings, and the tables
// of original and translated strings (length and offset each). Empty when the file is
// missing or malformed.
Catalogue ReadCatalogue(const char* path) {
    Catalogue catalogue;
    std::ifstream in(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < 28)
        return catalogue;
    const uint32_t magic = Word(data, 0, false);
    const bool blnSwapped = magic == 0xde120495;
    if (!blnSwapped && magic != 0x950412de)
        return catalogue;
    const uint32_t count = Word(data, 8, blnSwapped);
    const uint32_t originals = Word(data, 12, blnSwapped);
    const uint32_t translations = Word(data, 16, blnSwapped);
    // Returns string i of the table at offset table, or false when it lies outside.
    auto string = [&](uint32_t table, uint32_t i, std::string& out) {
        const uint64_t entry = uint64_t{table} + uint64_t{i} * 8;
        if (entry + 8 > data.size())
            return false;
        const uint32_t length = Word(data, entry, blnSwapped);
        const uint32_t offset = Word(data, entry + 4, blnSwapped);
        if (uint64_t{offset} + length > data.size())
            return false;
        out.assign(data, offset, length);
        return true;
    };
    for (uint32_t i = 0; i < count; ++i) {
        std::string key;
        std::string value;
        if (!string(originals, i, key) || !string(translations, i, value))
            return Catalogue();
        if (!key.empty())
            catalogue.emplace(std::move(key), std::move(value));
    }
    return catalogue;
}

std::string Child(GVariant* city, gsize i) {
    const gchar* text = nullptr;
    g_variant_get_child(city, i, "&s", &text);
    return text ? text : "";
}

const std::string& German(const Catalogue& catalogue, const std::string& key,
                          const std::string& english) {
    const auto it = catalogue.find(key);
    return it == catalogue.end() || it->second.empty() ? english : it->second;
}

std::vector<AtlasPlace> ReadAtlas() {
    const Catalogue german = ReadCatalogue(kGermanCatalogue);
    std::vector<AtlasPlace> places;
    const gint count = geonames_get_n_cities();
    places.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (city == nullptr)
            continue;
        // A city is (id, name, region code, region, country code, country, zone,
        // population, latitude, longitude).
        if (g_variant_is_of_type(city, G_VARIANT_TYPE("(sssssssudd)"))) {
            AtlasPlace p;
            const std::string id = Child(city, 0);
            p.strRegionCode = Child(city, 2);
            p.strName = Child(city, 1);
            p.strRegion = Child(city, 3);
            p.strCountryCode = Child(city, 4);
            p.strCountry = Child(city, 5);
            p.strZone = Child(city, 6);
            p.lngPopulation = geonames_city_get_population(city);
            p.dblLatitude = geonames_city_get_latitude(city);
            p.dblLongitude = geonames_city_get_longitude(city);
            p.strNameDe = German(german, id, p.strName);
            p.strRegionDe = German(german, p.strCountryCode + "." + p.strRegionCode, p.strRegion);
            p.strCountryDe = German(german, p.strCountryCode, p.strCountry);
            places.push_back(std::move(p));
        }
        geonames_city_free(city);
    }
    return places;
}

}  // namespace

const std::vector<AtlasPlace>& AtlasPlaces() {
    static const std::vector<AtlasPlace> places = ReadAtlas();
    return places;
}

}  // namespace Places

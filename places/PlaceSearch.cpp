#include "places/PlaceSearch.h"

#include <algorithm>
#include <cstdint>

namespace Places {
namespace {

// Base letters of U+00C0 .. U+017F; '*' stands for a letter folded to two ('ß' to "ss").
constexpr const char* kLatin1 =
    "aaaaaa*ceeeeiiiidnooooo*ouuuuyt*aaaaaa*ceeeeiiiidnooooo*ouuuuyty";
constexpr const char* kLatinExtendedA =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkklllllllllln"
    "nnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";

// Appends the folded form of the code point cp.
void AppendFolded(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp >= 'A' && cp <= 'Z' ? cp + 32 : cp);
        return;
    }
    char base = 0;
    if (cp >= 0xC0 && cp <= 0xFF) {
        base = kLatin1[cp - 0xC0];
    } else if (cp >= 0x100 && cp <= 0x17F) {
        base = kLatinExtendedA[cp - 0x100];
    } else if (cp >= 0x218 && cp <= 0x21B) {  // Romanian s and t with comma below
        base = cp < 0x21A ? 's' : 't';
    }
    if (base != 0 && base != '*') {
        out += base;
        return;
    }
    switch (cp) {
        case 0xC6: case 0xE6: out += "ae"; return;
        case 0xD7: out += "x"; return;
        case 0xF7: out += "/"; return;
        case 0xDF: out += "ss"; return;
        case 0x132: case 0x133: out += "ij"; return;
        case 0x152: case 0x153: out += "oe"; return;
        default: break;
    }
    // Any other character stays as it is.
    if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (cp & 0x3F));
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Splits "name, qualifier" at its first comma, both folded.
void SplitQuery(const std::string& text, std::string& name, std::string& qualifier) {
    const std::size_t comma = text.find(',');
    name = FoldedName(Trimmed(text.substr(0, comma)));
    qualifier = comma == std::string::npos ? std::string() : FoldedName(Trimmed(text.substr(comma + 1)));
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Whether a word of name (after a blank, hyphen, apostrophe or full stop) begins with
// prefix.
bool WordStartsWith(const std::string& name, const std::string& prefix) {
    for (std::size_t at = 0; at < name.size(); ++at) {
        if ((at == 0 || std::string(" -'.(").find(name[at - 1]) != std::string::npos) &&
            name.compare(at, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

// Whether the qualifier names the region or the country of p: the start of one when
// blnWhole is false, all of one when it is true.
bool QualifierFits(const AtlasPlace& p, const std::string& qualifier, bool blnWhole) {
    if (qualifier.empty())
        return true;
    for (const std::string* text :
         {&p.strRegion, &p.strRegionDe, &p.strRegionCode, &p.strCountry, &p.strCountryDe,
          &p.strCountryCode}) {
        const std::string folded = FoldedName(*text);
        if (blnWhole ? folded == qualifier : StartsWith(folded, qualifier))
            return true;
    }
    return false;
}

// The folded English and German names of the atlas's places, in the atlas's order.
struct FoldedNames {
    std::string strEnglish;
    std::string strGerman;
};

const std::vector<FoldedNames>& AtlasFoldedNames() {
    static const std::vector<FoldedNames> names = [] {
        std::vector<FoldedNames> folded;
        for (const AtlasPlace& p : AtlasPlaces())
            folded.push_back({FoldedName(p.strName), FoldedName(p.strNameDe)});
        return folded;
    }();
    return names;
}

void SortLargestFirst(std::vector<const AtlasPlace*>& places) {
    std::stable_sort(places.begin(), places.end(), [](const AtlasPlace* a, const AtlasPlace* b) {
        return a->lngPopulation > b->lngPopulation;
    });
}

}  // namespace

std::string FoldedName(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const int length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) {
            ++i;  // a broken byte is dropped
            continue;
        }
        uint32_t cp = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        AppendFolded(out, cp);
        i += length;
    }
    return out;
}

std::vector<const AtlasPlace*> FindPlaces(const std::string& text, std::size_t maxCount) {
    std::string name;
    std::string qualifier;
    SplitQuery(text, name, qualifier);
    std::vector<const AtlasPlace*> exact;
    std::vector<const AtlasPlace*> others;
    if (name.empty())
        return exact;
    const std::vector<AtlasPlace>& places = AtlasPlaces();
    const std::vector<FoldedNames>& folded = AtlasFoldedNames();
    for (std::size_t i = 0; i < places.size(); ++i) {
        const AtlasPlace& p = places[i];
        const std::string& english = folded[i].strEnglish;
        const std::string& german = folded[i].strGerman;
        if (!(WordStartsWith(english, name) || WordStartsWith(german, name)) ||
            !QualifierFits(p, qualifier, false))
            continue;
        (english == name || german == name ? exact : others).push_back(&p);
    }
    SortLargestFirst(exact);
    SortLargestFirst(others);
    exact.insert(exact.end(), others.begin(), others.end());
    if (exact.size() > maxCount)
        exact.resize(maxCount);
    return exact;
}

std::vector<const AtlasPlace*> PlacesNamed(const std::string& text) {
    std::string name;
    std::string qualifier;
    SplitQuery(text, name, qualifier);
    std::vector<const AtlasPlace*> found;
    const std::vector<AtlasPlace>& places = AtlasPlaces();
    const std::vector<FoldedNames>& folded = AtlasFoldedNames();
    for (std::size_t i = 0; i < places.size(); ++i) {
        if ((folded[i].strEnglish == name || folded[i].strGerman == name) &&
            QualifierFits(places[i], qualifier, true))
            found.push_back(&places[i]);
    }
    SortLargestFirst(found);
    return found;
}

std::string PlaceLabel(const AtlasPlace& place, int language) {
    const bool blnGerman = language == 1;
    std::string label = blnGerman ? place.strNameDe : place.strName;
    const std::string& region = blnGerman ? place.strRegionDe : place.strRegion;
    if (!region.empty())
        label += ", " + region;
    return label + ", " + (blnGerman ? place.strCountryDe : place.strCountry);
}

}  // namespace Places

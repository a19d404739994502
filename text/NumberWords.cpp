#include "text/NumberWords.h"

#include <cctype>

#include "astro/DateKit.h"

namespace StrProc {

namespace {

// Words for 0 to 19, and for the tens 20 to 90 at index tens - 2.
const char* const strEnglishUnits[20] = {"No",      "One",     "Two",       "Three",    "Four",
                                         "Five",    "Six",     "Seven",     "Eight",    "Nine",
                                         "Ten",     "Eleven",  "Twelve",    "Thirteen", "Fourteen",
                                         "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
const char* const strEnglishTens[8] = {"Twenty", "Thirty",  "Forty",  "Fifty",
                                       "Sixty",  "Seventy", "Eighty", "Ninety"};
const char* const strGermanUnits[20] = {
    "Keine",    "Eine",     "Zwei",      "Drei",     "Vier",     "Fünf",    "Sechs",
    "Sieben",   "Ache",     "Neun",      "Zehn",     "Elf",      "Zwölf",   "Dreizehn",
    "Vierzehn", "Fünfzehn", "Sechszehn", "Siebzehn", "Achtzehn", "Neunzehn"};
const char* const strGermanTens[8] = {"Zwanzig",  "Dreißig", "Vierzig", "Fünfzig",
                                      "Sechszig", "Siebzig", "Achtzig", "Neunzig"};

// Returns word with its first letter in lower case (every word here begins with an
// unaccented capital).
std::string LowerFirst(std::string word) {
    word[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(word[0])));
    return word;
}

}  // namespace

std::string NumberWord(int32_t n, bool blnGerman) {
    if (n < 0 || n >= 100) {
        char strSeparated[20];
        datekit::separate_thousands(std::to_string(n).c_str(), blnGerman ? '.' : ',', strSeparated,
                                    sizeof strSeparated);
        return strSeparated;
    }
    const char* const* strUnits = blnGerman ? strGermanUnits : strEnglishUnits;
    if (n < 20)
        return strUnits[n];
    // The list is chosen first: GCC 12's UndefinedBehaviorSanitizer misreads an index into
    // a conditional array expression as out of bounds.
    const char* const* strTensWords = blnGerman ? strGermanTens : strEnglishTens;
    const std::string strTens = strTensWords[n / 10 - 2];
    if (n % 10 == 0)
        return strTens;
    if (blnGerman)
        return strUnits[n % 10] + std::string(" und ") + LowerFirst(strTens);
    return strTens + " " + LowerFirst(strUnits[n % 10]);
}

}  // namespace StrProc

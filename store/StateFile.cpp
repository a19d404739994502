#include "store/StateFile.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "astro/FileProc.h"
#include "text/StrProc.h"

namespace ZDR {

namespace {

namespace fs = std::filesystem;

// List sizes of the main window's boxes.
constexpr int kNumMonthEntries = 13;     // empty, January .. December
constexpr int kNumDayEntries = 32;       // empty, 1 .. 31
constexpr int kNumHourEntries = 49;      // empty, 00:00 .. 23:30
constexpr int kNumTimezoneEntries = 48;  // empty, GMT-11:30 .. GMT+11:30
constexpr int kNumStepSizes = 5;         // half an hour .. one year

// What a negative value of a list without a valid negative entry turns into.
constexpr int16_t kNegativeBoldfaceFactor = 2;
constexpr int16_t kNegativeProportion = 1;
constexpr int16_t kNegativeMidpointOrb = 3;

constexpr int64_t kLargestColor = 0xFFFFFF;  // red + 256 x green + 65536 x blue
constexpr std::size_t kMaxQuotedValue = 20;  // bytes of a bad value quoted in a message

// ---------------------------------------------------------------- the 52 lines

// How a line holds its value.
enum class LineForm {
    Index,           // a list index 0 .. count - 1 (print form)
    IndexOrDefault,  // as Index, where a negative value stands for the entry intNegative
    Zone,            // a timezone index; one outside the list selects the empty entry
    Year,            // the year text
    ModeOption,      // a truth value; one read as selected takes the selection from the others
    Boolean,         // a truth value
    Complement,      // the opposite of the truth value before it; read, never applied
    CheckBox,        // 1 ticked, 0 not (print form)
    OrbIndex,        // an orb list index of the applied table (write form); also the dialog's
    Color,           // a colour (write form); 0 leaves the colour as it is
};

// Where a line's value lives: exactly one of the four is set.
struct LineField {
    int16_t* intValue = nullptr;
    bool* blnValue = nullptr;
    std::string* strValue = nullptr;
    double* dblValue = nullptr;
};

// One line of the file: its form, the size of its list and the entry a negative value
// stands for, and its field in the data (k: the date set, option, orb list or aspect).
struct StateLine {
    LineForm udtForm;
    int intCount;
    int16_t intNegative;
    int k;
    LineField (*Field)(StateFileData& data, int k);
};

// Returns the 52 lines in the order of the file; the writer and the reader both walk them.
const std::vector<StateLine>& StateLines() {
    static const std::vector<StateLine> lines = [] {
        std::vector<StateLine> v;
        auto add = [&v](LineForm form, int count, int16_t negative, int k,
                        LineField (*field)(StateFileData&, int)) {
            v.push_back({form, count, negative, k, field});
        };
        for (int set = 0; set < 3; ++set) {
            add(LineForm::Index, kNumMonthEntries, 0, set, [](StateFileData& d, int k) {
                return LineField{&d.dateSets[k].intMonthIndex, nullptr, nullptr, nullptr};
            });
            add(LineForm::Index, kNumDayEntries, 0, set, [](StateFileData& d, int k) {
                return LineField{&d.dateSets[k].intDayIndex, nullptr, nullptr, nullptr};
            });
            add(LineForm::Year, 0, 0, set, [](StateFileData& d, int k) {
                return LineField{nullptr, nullptr, &d.dateSets[k].strYearText, nullptr};
            });
            add(LineForm::Index, kNumHourEntries, 0, set, [](StateFileData& d, int k) {
                return LineField{&d.dateSets[k].intHourIndex, nullptr, nullptr, nullptr};
            });
            add(LineForm::Zone, kNumTimezoneEntries, 0, set, [](StateFileData& d, int k) {
                return LineField{&d.dateSets[k].intTimezoneIndex, nullptr, nullptr, nullptr};
            });
        }
        for (int option = 0; option < intNumModeOptions; ++option) {
            add(LineForm::ModeOption, 0, 0, option, [](StateFileData& d, int k) {
                return LineField{nullptr, &d.blnModeOption[k], nullptr, nullptr};
            });
        }
        add(LineForm::Index, kNumStepSizes, 0, 0, [](StateFileData& d, int) {
            return LineField{&d.intStepSizeIndex, nullptr, nullptr, nullptr};
        });
        for (int list = 0; list < 2; ++list) {
            add(LineForm::Index, intNumOrbEntries, 0, list, [](StateFileData& d, int k) {
                return LineField{&d.options.intOrbListIndex[k], nullptr, nullptr, nullptr};
            });
        }
        add(LineForm::CheckBox, 0, 0, 0, [](StateFileData& d, int) {
            return LineField{nullptr, &d.options.blnUseColor, nullptr, nullptr};
        });
        add(LineForm::CheckBox, 0, 0, 0, [](StateFileData& d, int) {
            return LineField{nullptr, &d.options.blnUseBoldface, nullptr, nullptr};
        });
        add(LineForm::IndexOrDefault, intNumBoldfaceFactors, kNegativeBoldfaceFactor, 0,
            [](StateFileData& d, int) {
                return LineField{&d.options.intBoldfaceFactorIndex, nullptr, nullptr, nullptr};
            });
        // Two pairs of option buttons: the first of each pair, then its complement.
        for (LineForm form : {LineForm::Boolean, LineForm::Complement}) {
            add(form, 0, 0, 0, [](StateFileData& d, int) {
                return LineField{nullptr, &d.options.bln1DegOfOrb, nullptr, nullptr};
            });
        }
        for (LineForm form : {LineForm::Boolean, LineForm::Complement}) {
            add(form, 0, 0, 0, [](StateFileData& d, int) {
                return LineField{nullptr, &d.options.blnSidereal, nullptr, nullptr};
            });
        }
        add(LineForm::IndexOrDefault, intNumProportions, kNegativeProportion, 0,
            [](StateFileData& d, int) {
                return LineField{&d.options.intProportionIndex[0], nullptr, nullptr, nullptr};
            });
        for (int list = 0; list < intNumOrbLists; ++list) {
            add(LineForm::OrbIndex, intNumOrbEntries, 0, list, [](StateFileData& d, int k) {
                return LineField{&d.intOrbIndex[k], nullptr, nullptr, nullptr};
            });
        }
        for (int aspect = 1; aspect <= intCatalogueAspects; ++aspect) {
            add(LineForm::Color, 0, 0, aspect, [](StateFileData& d, int k) {
                return LineField{nullptr, nullptr, nullptr, &d.options.dblAspectColor[k]};
            });
        }
        add(LineForm::CheckBox, 0, 0, 0, [](StateFileData& d, int) {
            return LineField{nullptr, &d.options.blnWaxingWaningAspects, nullptr, nullptr};
        });
        add(LineForm::CheckBox, 0, 0, 0, [](StateFileData& d, int) {
            return LineField{nullptr, &d.options.blnKeepZodiac, nullptr, nullptr};
        });
        add(LineForm::IndexOrDefault, intNumMidpointOrbEntries, kNegativeMidpointOrb, 0,
            [](StateFileData& d, int) {
                return LineField{&d.options.intMidpointOrbIndex, nullptr, nullptr, nullptr};
            });
        add(LineForm::IndexOrDefault, intNumProportions, kNegativeProportion, 0,
            [](StateFileData& d, int) {
                return LineField{&d.options.intProportionIndex[1], nullptr, nullptr, nullptr};
            });
        add(LineForm::CheckBox, 0, 0, 0, [](StateFileData& d, int) {
            return LineField{nullptr, &d.options.blnIncludeTransitingMoon, nullptr, nullptr};
        });
        return v;
    }();
    return lines;
}

bool IsControlCharacter(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F;
}

// Returns text without control characters and broken UTF-8, cut to maxBytes at a character
// boundary.
std::string CleanText(std::string_view text, std::size_t maxBytes) {
    std::string clean;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = StrProc::Utf8CharLength(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        if (!(length == 1 && IsControlCharacter(text[i]))) {
            if (clean.size() + length > maxBytes)
                break;
            clean.append(text, i, length);
        }
        i += length;
    }
    return clean;
}

// Whether buffer is UTF-8 text whose only control characters are tabs and line ends.
bool IsText(std::string_view buffer) {
    for (std::size_t i = 0; i < buffer.size();) {
        const std::size_t length = StrProc::Utf8CharLength(buffer, i);
        if (length == 0)
            return false;
        if (length == 1 && IsControlCharacter(buffer[i]) && buffer[i] != '\t' &&
            buffer[i] != '\r' && buffer[i] != '\n')
            return false;
        i += length;
    }
    return true;
}

std::string_view Trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = (a[i] >= 'a' && a[i] <= 'z') ? static_cast<char>(a[i] - 32) : a[i];
        const char y = (b[i] >= 'a' && b[i] <= 'z') ? static_cast<char>(b[i] - 32) : b[i];
        if (x != y)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- writing

// Integer, print form: a blank in place of the sign of a number that is not negative, and
// a blank after it.
void PutPrintInteger(std::string& out, int value) {
    if (value >= 0)
        out += ' ';
    out += std::to_string(value);
    out += " \r\n";
}

// Integer, write form: the digits alone.
void PutWriteInteger(std::string& out, int64_t value) {
    out += std::to_string(value);
    out += "\r\n";
}

void PutBoolean(std::string& out, bool value) {
    out += value ? "#TRUE#\r\n" : "#FALSE#\r\n";
}

void PutCheckBox(std::string& out, bool ticked) {
    PutPrintInteger(out, ticked ? 1 : 0);
}

// A colour as the file holds it; 0 (keep the current colour) for a value that is none.
int64_t ColorValue(double color) {
    if (!std::isfinite(color) || color < 0 || color > static_cast<double>(kLargestColor))
        return 0;
    return std::llround(color);
}

// The words of the choices for a skipped or repeated clock time, by intDst.
const char* const kDstWord[3] = {"-", "summer", "standard"};
constexpr std::size_t kMaxPlaceName = 200;  // bytes of a place's name the file keeps

// A number of degrees in the shortest form that reads back the same, whatever the locale.
std::string DegreesText(double degrees) {
    char text[32];
    const std::to_chars_result r = std::to_chars(text, text + sizeof text, degrees);
    return std::string(text, r.ptr);
}

// The lines after the 52 for the date sets with a place; nothing when none has one.
void AppendPlaceLines(std::string& out, const StateFileData& data) {
    bool blnAny = false;
    for (const Places::DatePlace& place : data.udtPlaces)
        blnAny = blnAny || place.blnSet;
    if (!blnAny)
        return;
    // Line 53 repeats line 51, so that a reader of the 52 lines takes the same value from it.
    PutPrintInteger(out, data.options.intProportionIndex[1]);
    for (std::size_t i = 0; i < data.udtPlaces.size(); ++i) {
        const Places::DatePlace& p = data.udtPlaces[i];
        if (!p.blnSet)
            continue;
        const int16_t minute = Places::PlaceMinute(data.dateSets[i], p);
        char time[16];
        std::snprintf(time, sizeof time, "%02d:%02d", minute / 60, minute % 60);
        const int dst = p.intDst >= 0 && p.intDst <= 2 ? p.intDst : 0;
        out += "Place" + std::to_string(i) + ": " + time + "; " + kDstWord[dst] + "; " +
               DegreesText(p.dblLatitude) + "; " + DegreesText(p.dblLongitude) + "; " +
               CleanText(p.strZone, kMaxPlaceName) + "; " + CleanText(p.strName, kMaxPlaceName) +
               "\r\n";
    }
}

std::string StateFileText(const StateFileData& data) {
    StateFileData values = data;  // the fields are reached through the line table
    std::string out;
    for (const StateLine& line : StateLines()) {
        const LineField field = line.Field(values, line.k);
        switch (line.udtForm) {
        case LineForm::Index:
        case LineForm::IndexOrDefault:
        case LineForm::Zone:
            PutPrintInteger(out, *field.intValue);
            break;
        case LineForm::Year:
            out += CleanText(*field.strValue, intMaxYearTextLength);
            out += "\r\n";
            break;
        case LineForm::ModeOption:
        case LineForm::Boolean:
            PutBoolean(out, *field.blnValue);
            break;
        case LineForm::Complement:
            PutBoolean(out, !*field.blnValue);
            break;
        case LineForm::CheckBox:
            PutCheckBox(out, *field.blnValue);
            break;
        case LineForm::OrbIndex:
            PutWriteInteger(out, *field.intValue);
            break;
        case LineForm::Color:
            PutWriteInteger(out, ColorValue(*field.dblValue));
            break;
        }
    }
    AppendPlaceLines(out, data);
    return out;
}

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

std::string ErrnoText() {
    return ErrorText(errno);
}

// ---------------------------------------------------------------- reading

bool Digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Degrees within -limit..limit, written as DegreesText writes them.
bool Degrees(std::string_view text, double limit, double& degrees) {
    const std::from_chars_result r = std::from_chars(text.data(), text.data() + text.size(), degrees);
    return r.ec == std::errc() && r.ptr == text.data() + text.size() && std::fabs(degrees) <= limit;
}

// Reads the values of a state file one line after the other. Every reading function
// returns false after a failure, whose description is then in strError.
class StateReader {
  public:
    StateReader(std::string_view text, const std::string& path) : rest(text), strPath(path) {}

    std::string strError;

    // Returns the next line without the blanks around it; at the end of the file an empty
    // one, with blnAtEnd set.
    std::string_view NextLine() {
        ++intLine;
        if (rest.empty()) {
            blnAtEnd = true;
            return {};
        }
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        return Trimmed(line);
    }

    // Whether only blank lines remain.
    bool OnlyBlanksLeft() const {
        return rest.find_first_not_of(" \t\r\n") == std::string_view::npos;
    }

    bool Year(std::string& text) {
        const std::string_view line = Value();
        if (blnAtEnd)
            return false;
        const std::string_view year = Trimmed(line.substr(0, line.find(',')));
        if (year.size() > intMaxYearTextLength)
            return Fail("Year text too long");
        text = std::string(year);
        return true;
    }

    // A 16-bit integer in either form; colour lines take 32 bits.
    bool Integer(int64_t& value, int64_t smallest = INT16_MIN, int64_t largest = INT16_MAX) {
        const std::string_view line = Value();
        if (blnAtEnd)
            return false;
        std::size_t i = (!line.empty() && (line[0] == '-' || line[0] == '+')) ? 1 : 0;
        if (i == line.size())
            return Fail("Not a number", line);
        int64_t magnitude = 0;
        for (; i < line.size(); ++i) {
            if (line[i] < '0' || line[i] > '9')
                return Fail("Not a number", line);
            magnitude = magnitude * 10 + (line[i] - '0');
            if (magnitude > INT32_MAX)
                return Fail("Number out of range", line);
        }
        value = line[0] == '-' ? -magnitude : magnitude;
        if (value < smallest || value > largest)
            return Fail("Number out of range", line);
        return true;
    }

    // A list index 0 .. count - 1.
    bool Index(int16_t& index, int count) {
        int64_t value = 0;
        if (!Integer(value))
            return false;
        if (value < 0 || value >= count)
            return Fail("Invalid list index", std::to_string(value));
        index = static_cast<int16_t>(value);
        return true;
    }

    // A list index 0 .. count - 1, where a negative value stands for negativeIndex.
    bool IndexOrDefault(int16_t& index, int count, int16_t negativeIndex) {
        int64_t value = 0;
        if (!Integer(value))
            return false;
        if (value >= count)
            return Fail("Invalid list index", std::to_string(value));
        index = value < 0 ? negativeIndex : static_cast<int16_t>(value);
        return true;
    }

    // A timezone index; one outside the list selects the empty entry.
    bool TimezoneIndex(int16_t& index) {
        int64_t value = 0;
        if (!Integer(value))
            return false;
        index = (value >= 0 && value < kNumTimezoneEntries) ? static_cast<int16_t>(value) : 0;
        return true;
    }

    bool CheckBox(bool& ticked) {
        int64_t value = 0;
        if (!Integer(value))
            return false;
        if (value != 0 && value != 1)
            return Fail("Invalid check box state", std::to_string(value));
        ticked = value == 1;
        return true;
    }

    // "#TRUE#" / "#FALSE#" or "True" / "False", in any case.
    bool Boolean(bool& value) {
        const std::string_view line = Value();
        if (blnAtEnd)
            return false;
        if (EqualsIgnoringCase(line, "#TRUE#") || EqualsIgnoringCase(line, "True")) {
            value = true;
        } else if (EqualsIgnoringCase(line, "#FALSE#") || EqualsIgnoringCase(line, "False")) {
            value = false;
        } else {
            return Fail("Not a truth value", line);
        }
        return true;
    }

    // A colour; 0 leaves color as it is.
    bool Color(double& color) {
        int64_t value = 0;
        if (!Integer(value, INT32_MIN, INT32_MAX))
            return false;
        if (value < 0 || value > kLargestColor)
            return Fail("Invalid colour", std::to_string(value));
        if (value != 0)
            color = static_cast<double>(value);
        return true;
    }

    // A line after the 53rd: the place of a date set ("Place1: 14:07; -; 48.39841; 9.99155;
    // Europe/Berlin; Ulm, ..."); another line is passed over.
    bool Place(std::array<Places::DatePlace, 3>& places) {
        const std::string_view line = NextLine();
        if (line.size() < 7 || line.substr(0, 5) != "Place" || line[6] != ':')
            return true;
        const int set = line[5] - '0';
        if (set < 0 || set > 2)
            return Fail("Invalid place", line);
        std::string_view fields[6];
        std::string_view rest = line.substr(7);
        for (int k = 0; k < 6; ++k) {
            const std::size_t end = k < 5 ? rest.find(';') : rest.size();
            if (end == std::string_view::npos)
                return Fail("Invalid place", line);
            fields[k] = Trimmed(rest.substr(0, end));
            rest = end < rest.size() ? rest.substr(end + 1) : std::string_view{};
        }
        Places::DatePlace p;
        p.blnSet = true;
        const std::string_view time = fields[0];
        if (time.size() != 5 || time[2] != ':' || !Digits(time.substr(0, 2)) || !Digits(time.substr(3)))
            return Fail("Invalid place", line);
        const int hours = (time[0] - '0') * 10 + (time[1] - '0');
        const int minutes = (time[3] - '0') * 10 + (time[4] - '0');
        p.intMinute = static_cast<int16_t>(hours * 60 + minutes);
        p.intDst = -1;
        for (int16_t k = 0; k < 3; ++k) {
            if (fields[1] == kDstWord[k])
                p.intDst = k;
        }
        if (hours > 23 || minutes > 59 || p.intDst < 0 || !Degrees(fields[2], 90, p.dblLatitude) ||
            !Degrees(fields[3], 180, p.dblLongitude) || fields[4].empty())
            return Fail("Invalid place", line);
        p.strZone = std::string(fields[4]);
        p.strName = CleanText(fields[5], kMaxPlaceName);
        places[set] = p;
        return true;
    }

  private:
    std::string_view rest;
    const std::string& strPath;
    int intLine = 0;
    bool blnAtEnd = false;

    // The next line for a value, failing at the end of the file.
    std::string_view Value() {
        const std::string_view line = NextLine();
        if (blnAtEnd)
            Fail("Unexpected end of file");
        return line;
    }

    bool Fail(const char* problem) {
        strError = std::string(problem) + " in line " + std::to_string(intLine) + " of " + strPath;
        return false;
    }

    bool Fail(const char* problem, std::string_view value) {
        Fail(problem);
        strError += ": \"" + CleanText(value, kMaxQuotedValue) + "\"";
        return false;
    }
};

// Reads one of the 52 lines into its field of data.
bool ReadLine(StateReader& in, const StateLine& line, StateFileData& data) {
    const LineField field = line.Field(data, line.k);
    switch (line.udtForm) {
    case LineForm::Index:
        return in.Index(*field.intValue, line.intCount);
    case LineForm::IndexOrDefault:
        return in.IndexOrDefault(*field.intValue, line.intCount, line.intNegative);
    case LineForm::Zone:
        return in.TimezoneIndex(*field.intValue);
    case LineForm::Year:
        return in.Year(*field.strValue);
    case LineForm::ModeOption: {
        // An option button read as selected takes the selection from the others.
        bool selected = false;
        if (!in.Boolean(selected))
            return false;
        if (selected)
            data.blnModeOption.fill(false);
        *field.blnValue = selected;
        return true;
    }
    case LineForm::Boolean:
        return in.Boolean(*field.blnValue);
    case LineForm::Complement: {
        bool complement = false;
        return in.Boolean(complement);
    }
    case LineForm::CheckBox:
        return in.CheckBox(*field.blnValue);
    case LineForm::OrbIndex:
        if (!in.Index(*field.intValue, line.intCount))
            return false;
        data.options.intOrbListIndex[line.k] = *field.intValue;
        return true;
    case LineForm::Color:
        return in.Color(*field.dblValue);
    }
    return false;
}

// Reads lines 1 to 52 and the optional 53rd into data, in the order of the file.
bool ReadValues(StateReader& in, StateFileData& data) {
    ConfigOptions& o = data.options;
    for (const StateLine& line : StateLines()) {
        if (!ReadLine(in, line, data))
            return false;
    }
    data.udtPlaces.fill(Places::DatePlace());
    // A file of 52 lines ends here: the synastry proportion follows the personal one.
    if (in.OnlyBlanksLeft()) {
        o.intProportionIndex[1] = o.intProportionIndex[0];
        return true;
    }
    if (!in.IndexOrDefault(o.intProportionIndex[1], intNumProportions, kNegativeProportion))
        return false;
    // The places; other lines are passed over.
    while (!in.OnlyBlanksLeft()) {
        if (!in.Place(data.udtPlaces))
            return false;
    }
    return true;
}

}  // namespace

std::string WriteStateFile(const std::string& path, const StateFileData& data) {
    return FileProc::WriteWholeFile(path, StateFileText(data));
}

std::string ReadStateFile(const std::string& path, StateFileData& data) {
    std::error_code ec;
    const fs::path file = fs::u8path(path);
    const fs::file_status status = fs::status(file, ec);
    if (status.type() == fs::file_type::not_found)
        return "File not found: " + path;
    if (ec)
        return "Cannot open " + path + ": " + ec.message();
    if (FileProc::IsSpecialFile(path))
        return "Not a state file: " + path;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return "Cannot open " + path + ": " + ErrnoText();
    std::string buffer(intMaxStateFileSize + 1, '\0');
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad())
        return "Cannot read " + path + ": " + ErrnoText();
    buffer.resize(static_cast<std::size_t>(in.gcount()));
    if (buffer.size() > intMaxStateFileSize)
        return "Not a state file (larger than 64 KiB): " + path;
    std::string_view text = buffer;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    if (!IsText(text))
        return "Not a text file: " + path;
    StateReader reader(text, path);
    if (!ReadValues(reader, data))
        return reader.strError;
    return std::string();
}

int SelectedModeOption(const StateFileData& data) {
    for (int k = intNumModeOptions - 1; k >= 0; --k) {
        if (data.blnModeOption[k])
            return k;
    }
    return -1;
}

std::string UserStateFilePath(const std::string& dataFolder) {
    const fs::path folder = fs::u8path(dataFolder) / "Quillfen";
    std::error_code ec;
    fs::create_directories(folder, ec);
    return (folder / "zdr.usr").u8string();
}

}  // namespace ZDR

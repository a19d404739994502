#include "text/ProgramText.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <new>
#include <unordered_map>

#include "astro/FileProc.h"
#include "text/StrProc.h"

namespace mathaid {
namespace {

// English and German text of one number.
using Entry = std::array<std::string, 2>;
using Table = std::unordered_map<int32_t, Entry>;

Table gTable;

constexpr int32_t lngMissingStringBase = 500;
constexpr int32_t lngTooLongBase = 1000;
constexpr int32_t lngDuplicateBase = 1500;
constexpr int32_t lngMaxTextNumber = 32767;

enum class LineOutcome { Entry, Malformed, TooLong };

bool IsBlankOrComment(const std::string& data, size_t begin, size_t end) {
    if (begin < end && data[begin] == '#')
        return true;
    for (size_t i = begin; i < end; ++i) {
        if (data[i] != ' ' && data[i] != '\t')
            return false;
    }
    return true;
}

// Reads the text number of an entry: blanks around it allowed, digits only, 1..32767.
bool TextNumber(const std::string& field, int32_t& number) {
    size_t first = field.find_first_not_of(" \t");
    size_t last = field.find_last_not_of(" \t");
    if (first == std::string::npos)
        return false;
    int32_t value = 0;
    for (size_t i = first; i <= last; ++i) {
        if (field[i] < '0' || field[i] > '9')
            return false;
        value = value * 10 + (field[i] - '0');
        if (value > lngMaxTextNumber)
            return false;
    }
    if (value < 1)
        return false;
    number = value;
    return true;
}

// Splits the entry line data[begin, end) into its number and its two unescaped texts.
LineOutcome ParseEntry(const std::string& data, size_t begin, size_t end, int32_t& number,
                       Entry& texts) {
    std::string field[3];
    int32_t chars[3] = {0, 0, 0};
    int f = 0;
    size_t i = begin;
    while (i < end) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return LineOutcome::Malformed;
        if (c == '|') {
            if (++f > 2)
                return LineOutcome::Malformed;
            ++i;
            continue;
        }
        if (c == '\\') {
            const char next = i + 1 < end ? data[i + 1] : '\0';
            if (next != 'n' && next != '\\' && next != '|')
                return LineOutcome::Malformed;
            field[f] += next == 'n' ? '\n' : next;
            ++chars[f];
            i += 2;
            continue;
        }
        const size_t n = StrProc::Utf8CharLength(std::string_view(data.data(), end), i);
        if (n == 0)
            return LineOutcome::Malformed;
        field[f].append(data, i, n);
        ++chars[f];
        i += n;
    }
    if (f != 2 || field[1].empty() || field[2].empty() || !TextNumber(field[0], number)) {
        return LineOutcome::Malformed;
    }
    if (chars[1] > lngMaxTextLength || chars[2] > lngMaxTextLength)
        return LineOutcome::TooLong;
    texts[0] = std::move(field[1]);
    texts[1] = std::move(field[2]);
    return LineOutcome::Entry;
}

// Reads the whole file into data; returns 0, -1 cannot open, -3 too large or -7.
int32_t ReadWholeFile(const std::string& path, std::string& data) {
    // A folder, FIFO or device cannot be opened as the program text: it could block.
    if (FileProc::IsSpecialFile(path))
        return -1;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (!in)
        return -1;
    data.resize(static_cast<size_t>(lngMaxFileBytes) + 1);
    in.read(&data[0], static_cast<std::streamsize>(data.size()));
    if (in.bad())
        return -7;
    data.resize(static_cast<size_t>(in.gcount()));
    if (data.size() > static_cast<size_t>(lngMaxFileBytes))
        return -3;
    return 0;
}

int32_t LoadInto(const std::string& path, Table& table) {
    std::string data;
    const int32_t read = ReadWholeFile(path, data);
    if (read != 0)
        return read;
    size_t pos = data.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    if (pos == data.size())
        return -6;
    int32_t line = 0;
    while (pos < data.size()) {
        const size_t begin = pos;
        const size_t newline = data.find('\n', pos);
        size_t end = newline == std::string::npos ? data.size() : newline;
        pos = newline == std::string::npos ? data.size() : newline + 1;
        if (end > begin && data[end - 1] == '\r')
            --end;
        if (++line > lngMaxFileLines)
            return -3;
        if (IsBlankOrComment(data, begin, end))
            continue;
        int32_t number = 0;
        Entry texts;
        const LineOutcome outcome = ParseEntry(data, begin, end, number, texts);
        if (outcome == LineOutcome::Malformed)
            return -(lngMissingStringBase + line);
        if (outcome == LineOutcome::TooLong)
            return -(lngTooLongBase + line);
        if (!table.emplace(number, std::move(texts)).second)
            return -(lngDuplicateBase + line);
    }
    return static_cast<int32_t>(table.size());
}

}  // namespace

int32_t LoadProgramText(const std::string& path) {
    try {
        Table table;
        const int32_t outcome = LoadInto(path, table);
        if (outcome > 0)
            gTable.swap(table);
        return outcome;
    } catch (const std::bad_alloc&) {
        return -8;
    } catch (const std::exception&) {
        return -7;
    }
}

int32_t FetchProgramText(int32_t n, int32_t language, std::string& buffer, int32_t capacity) {
    buffer.clear();
    if (capacity <= 0)
        return 0;
    const auto it = gTable.find(n);
    if (it == gTable.end())
        return 0;
    const std::string& text = it->second[language == 1 ? 1 : 0];
    // The stored texts are well-formed UTF-8, so each lead byte tells its character's size.
    int32_t count = 0;
    size_t bytes = 0;
    while (bytes < text.size() && count < capacity) {
        const unsigned char lead = static_cast<unsigned char>(text[bytes]);
        bytes += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        ++count;
    }
    buffer.assign(text, 0, bytes);
    return count;
}

}  // namespace mathaid

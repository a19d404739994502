#include "support/ViewText.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "text/StrProc.h"

namespace ViewText {
namespace {

constexpr const char* kTooLargeNotice =
    "NOTE: This file is too large to display entirely in this textbox.\n"
    "To view the entire contents of the file load it into NotePad,\n"
    "WordPad or some other text editor.\n\n";
constexpr const char* kNotAllShownNotice =
    "\n\nNOTE: Entire contents of file have not been displayed.\n";

// Returns the byte length of the first count characters of text (all of it when shorter).
std::size_t BytesOfCharacters(const std::string& text, std::size_t count) {
    std::size_t at = 0;
    for (std::size_t n = 0; n < count && at < text.size(); ++n) {
        const std::size_t length = StrProc::Utf8CharLength(text, at);
        at += length == 0 ? 1 : length;
    }
    return at;
}

FileReading Failure(int error) {
    FileReading reading;
    reading.strMessage = "Error " + std::to_string(error) + ".  " + std::strerror(error);
    reading.strTitle = "Error reading file";
    return reading;
}

}  // namespace

std::string HelpFileName(int language) {
    return language == 1 ? "zdr_help_de.txt" : "zdr_help.txt";
}

std::size_t CharacterCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        const std::size_t length = StrProc::Utf8CharLength(text, at);
        at += length == 0 ? 1 : length;
    }
    return count;
}

std::string ShownText(const std::string& fileText) {
    if (CharacterCount(fileText) < intTextBoxCapacity)
        return fileText;
    const std::string head = kTooLargeNotice;
    const std::string tail = kNotAllShownNotice;
    const std::size_t room = intTextBoxCapacity - CharacterCount(head) - CharacterCount(tail);
    return head + fileText.substr(0, BytesOfCharacters(fileText, room)) + tail;
}

FileReading ReadFileForViewing(const std::string& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file)
        return Failure(errno != 0 ? errno : EIO);
    FileReading reading;
    // No more than the text box can show is read: four bytes a character at most, and a
    // few beyond to see that the file goes on.
    constexpr std::size_t kMostBytes = 4 * intTextBoxCapacity + 8;
    char buffer[65536];
    while (reading.strText.size() < kMostBytes) {
        const std::size_t want = std::min(sizeof buffer, kMostBytes - reading.strText.size());
        const std::size_t n = std::fread(buffer, 1, want, file.get());
        reading.strText.append(buffer, n);
        if (n < want)
            break;
    }
    if (std::ferror(file.get()))
        return Failure(errno != 0 ? errno : EIO);
    if (reading.strText.empty()) {
        reading.strMessage = "File is empty!";
        reading.strTitle = "Error";
        return reading;
    }
    // Line ends become "\n" whatever system wrote the file.
    reading.strText = StrProc::ReplaceAll(reading.strText, "\r\n", "\n");
    reading.blnRead = true;
    return reading;
}

}  // namespace ViewText

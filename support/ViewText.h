#pragma once
// What the text viewer shows: a text file read whole, cut with two notices when it is too
// large for the text box, and the viewer's captions and messages.

#include <cstddef>
#include <cstdint>
#include <string>

namespace ViewText {

// Characters the viewer's text box holds.
constexpr std::size_t intTextBoxCapacity = 65530;

// The viewer's caption and buttons; widths in twips.
constexpr const char* strViewerCaption = "Viewing";
constexpr const char* strCloseCaption = "Close";
constexpr const char* strCopyAllCaption = "Copy to clipboard";
constexpr const char* strCopySelectedCaption = "Copy selected text to clipboard";
constexpr int intCopyAllWidth = 3270;
constexpr int intCopySelectedWidth = 4425;

// Returns the file name of the help text in language (1 German, any other value English):
// "zdr_help_de.txt" or "zdr_help.txt".
std::string HelpFileName(int language);

// Returns the number of characters of a UTF-8 text (a byte that starts no well-formed
// character counts as one).
std::size_t CharacterCount(const std::string& text);

// Returns what the text box shows of fileText: the text itself when it has at most
// intTextBoxCapacity - 1 characters; otherwise a notice, the beginning of the text cut at a
// character boundary and a closing notice, at most intTextBoxCapacity characters in all.
std::string ShownText(const std::string& fileText);

// The outcome of reading a file for the viewer: blnRead with its text, or the message and
// the title of the warning to show instead.
struct FileReading {
    bool blnRead = false;
    std::string strText;
    std::string strMessage;
    std::string strTitle;
};

// Reads the file at path (UTF-8) whole. An empty file gives "File is empty!" titled
// "Error"; any other failure "Error N.  description" (N the system's error number) titled
// "Error reading file".
FileReading ReadFileForViewing(const std::string& path);

}  // namespace ViewText

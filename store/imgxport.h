#pragma once
// Picture-file conversion: a BMP written by the program becomes a PNG (or whatever picture
// format the destination's extension names), and the wrapper that tidies up after it.

#include <cstdint>
#include <string>

namespace imgxport {

// Characters of the message buffer that convert_graphics_file_3 writes into.
constexpr int32_t lngMessageBufferSize = 255;

// The message of a conversion that wrote its destination.
constexpr const char* strNoError = "No Error";

// Converts the picture file source into destination (UTF-8 paths); the source's format is
// read from its contents, the destination's follows its extension (PNG for an extension
// that names no picture format). The destination is replaced only by a complete file.
// Writes a message of at most lngMessageBufferSize characters into message (not ended by
// a NUL when it fills the buffer) and returns its length; the message is "No Error" when
// the destination was written.
int32_t convert_graphics_file_3(const char* source, const char* destination, char* message);

}  // namespace imgxport

namespace ZDR {

// Converts source into destination (UTF-8 paths) and puts the conversion's message into
// strMessage. Returns true when the destination was written; then source is deleted when
// blnDeleteSourceOnSuccess. On failure destination is deleted when
// blnDeleteDestinationOnFailure, unless it stood there before the call (a picture the user
// already had is never lost); errors of the deletions are ignored.
bool ConvertGraphicsFile(const std::string& source, const std::string& destination,
                         bool blnDeleteSourceOnSuccess, bool blnDeleteDestinationOnFailure,
                         std::string& strMessage);

}  // namespace ZDR

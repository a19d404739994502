#pragma once
// What the program says about its ephemeris files: the message at start-up, which the
// command line also prints when its positions met a missing or damaged file.

#include <string>
#include <vector>

namespace ZDR {

// Returns, in the current language, one message for each ephemeris file whose trouble the
// positions computed so far have met (missing, damaged), oldest span first, after the one
// for a special file in place of one of the library's files: the file, the years whose positions it
// concerns and what became of them, and the library's own words on it. None when every file needed
// was read.
std::vector<std::string> EphemerisFileMessages();

// Returns the messages of EphemerisFileMessages joined by blank lines: what the desktop
// program says once at start-up, after the core's start-up has asked each file for a
// position. "" when every file was read.
std::string EphemerisFilesMessage();

// Returns the title of the start-up message, text #260 ("Ephemeris files").
std::string EphemerisFilesTitle();

}  // namespace ZDR

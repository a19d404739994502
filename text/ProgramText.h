#pragma once
// The program-text table: every numbered user-visible text in English and German, loaded
// once from the program-text file and fetched by text number and language.
//
// File format (UTF-8): one entry per line, "N|English|German", N a text number 1..32767.
// In a text "\n" stands for a line break (one LF), "\\" for a backslash and "\|" for a
// bar; a text that is a lone "~" is intentionally empty (the caller turns it into "").
// Lines starting with "#" are comments and blank lines are skipped; line numbers count
// every line of the file from 1. Line ends may be LF or CR LF; a leading byte-order mark
// is ignored.

#include <cstdint>
#include <string>

namespace mathaid {

// Longest text in characters (Unicode code points, not bytes).
constexpr int32_t lngMaxTextLength = 1024;
// Largest file the loader accepts: lines, and bytes.
constexpr int32_t lngMaxFileLines = 500;
constexpr int32_t lngMaxFileBytes = 1024 * 1024;

// Loads the program-text file at path (UTF-8). The table is replaced only when at least
// one entry was read; on any other outcome the table stays as it was. Returns the number
// of entries (> 0), or: 0 no entry (only blank and comment lines); -1 cannot open (no
// such file, or a folder, FIFO or device); -3 too much text (more than lngMaxFileLines lines or
// lngMaxFileBytes bytes); -6 the file is empty; -7 reading failed; -8 out of memory;
// -(500 + L) missing string at line L: not three fields, an empty field, a number that is
// not 1..32767, a backslash before anything but n, \ or |, bytes that are not UTF-8, or a
// control character; -(1000 + L) a text of more than lngMaxTextLength characters at line
// L; -(1500 + L) a number that an earlier line already gave, at line L.
int32_t LoadProgramText(const std::string& path);

// Puts text #n of a language (1 German, any other value English) into buffer, cut after
// capacity characters, never inside a character. Returns its length in characters; 0
// (buffer empty) when the table lacks n or capacity is 0 or less.
int32_t FetchProgramText(int32_t n, int32_t language, std::string& buffer, int32_t capacity);

}  // namespace mathaid

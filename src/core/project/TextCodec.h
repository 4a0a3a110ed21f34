// Windows-1250 text files with CR LF line ends, as the program's data files and
// project files are stored. Inside the program all texts are UTF-8.
#pragma once

#include "core/project/Error.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrim {

// Windows-1250 bytes -> UTF-8. The five bytes the code page leaves undefined
// map to the C1 control characters of the same value, so every byte sequence
// survives a decode/encode round trip unchanged.
std::string DecodeCp1250(std::string_view bytes);

// Decodes one UTF-8 sequence at text[i] and advances i. Malformed bytes
// decode as U+FFFD one byte at a time.
char32_t NextCodePoint(std::string_view text, size_t& i);

// True when every sequence of text is a well-formed UTF-8 character.
bool IsUtf8(std::string_view text);

// UTF-8 -> Windows-1250. Characters the code page cannot hold become '?'.
std::string EncodeCp1250(std::string_view utf8);

// Result of reading a whole text file.
struct TextFileLines {
    std::vector<std::string> lines; // UTF-8, without line ends
    std::string error;              // empty on success; a Czech message naming the file
    bool ok() const { return error.empty(); }
};

// Reads a Windows-1250 text file and splits it into lines. CR LF, a lone LF
// and a lone CR all end a line; a UTF-8 byte-order mark at the start is
// taken as "the file is UTF-8" and skipped. Files larger than maxBytes are
// refused with a message rather than read.
TextFileLines ReadTextFileLines(const std::string& path, size_t maxBytes = 64u * 1024u * 1024u);

// The lines of a text file's bytes as ReadTextFileLines splits and decodes them.
std::vector<std::string> SplitTextLines(std::string_view bytes);

// Encodes lines as Windows-1250, each ended by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// Writes bytes to a temporary file beside path and renames it over path, so a
// failed write never damages an existing file. Fails with a Czech message
// naming the file.
Error WriteFileAtomically(const std::string& path, const std::string& bytes);

// Joins a directory and a name with the platform's separator.
std::string JoinPath(const std::string& directory, const std::string& name);

} // namespace hydrim

// Field splitting of the reference table files.
#pragma once

#include <string>
#include <vector>

namespace hydrim {

// Splits a line into splits + 1 fields: each of the first `splits` fields is
// the text before the next separator, which is then removed together with
// that text; the last field is whatever remains. When a separator is missing
// the field is empty and nothing is removed, so every later split field is
// empty too and the last field receives the whole remainder.
std::vector<std::string> SplitFields(const std::string& line, char separator, size_t splits);

// A roughness range "a-b" of whole numbers 0..255 (blanks allowed around the
// numbers); a text without '-' gives 1 and 1. False when a number is not a
// whole number in range.
bool ParseRoughnessRange(const std::string& range, unsigned char& minimum, unsigned char& maximum);

} // namespace hydrim

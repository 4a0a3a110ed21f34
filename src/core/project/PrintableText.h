// A text read from a file as a message may quote it: shortened, and with the
// control characters that a damaged or binary file is full of replaced, so a
// message box or a terminal never receives raw bytes.
#pragma once

#include <string>

namespace hydrim {

// At most maxCharacters characters of text (then "…"), each control
// character (C0, DEL, C1) shown as "?".
std::string PrintableExcerpt(const std::string& text, size_t maxCharacters = 40);

} // namespace hydrim

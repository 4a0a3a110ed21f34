// Conversion of the input window's texts into numbers. The texts use "." as
// the decimal point whatever the user's locale says, so the conversion does
// not depend on the C locale of the process.
#pragma once

#include <string>

namespace hydrim {

// The leading decimal number of text ("12.5", ".5", "-3e2"): leading blanks
// are skipped and the rest of the text is ignored (the stored field text
// spelling of core/project/DecimalText.h). A text without a number, or with
// one beyond the range of double, gives 0.
double TextToReal(const std::string& text);

// The leading decimal integer of text ("120", "12.5" -> 12); a text without
// digits gives 0, values beyond the 32-bit range are clamped to it.
int TextToInteger(const std::string& text);

} // namespace hydrim

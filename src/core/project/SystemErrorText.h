// The reasons the operating system gives for a failed file operation, in
// Czech: every message the user reads is Czech, whatever the C library's
// language ("No such file or directory" reads "soubor nebo adresář neexistuje").
#pragma once

#include <string>
#include <system_error>

namespace hydrim {

// The reason of an errno value; an unknown one is named with its number and
// the system's own words.
std::string SystemErrorText(int errorNumber);

// The same for an error code of the file system library (errno values);
// a code of another category keeps its own message.
std::string SystemErrorText(const std::error_code& error);

} // namespace hydrim

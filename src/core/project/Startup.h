// Start-up of the program without windows: the working-directory check, the
// data and project directories, the project directory remembered in
// "ADRES.CFG", and the decimal-separator rule of the user's locale.
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"

#include <string>
#include <string_view>

namespace hydrim {

inline const std::string DataDirName = "DATA";
inline const std::string ProjectsDirName = "PROJEKTY";
inline const std::string AddressConfigName = "ADRES.CFG";
inline const std::string RootDirectoryMessage = "Tento program nelze spouštět z kořenového adresáře. ";
inline const std::string DecimalSeparatorMessage = "Nastav si správný oddělovač desetinných čísel!";

// True when directory is the root of a file system or of a drive ("/", "C:\",
// "D:"), where the program must not keep its data.
bool IsRootDirectory(const std::string& directory);

// Sets BaseDir to workingDir, refuses a root directory, creates "PROJEKTY"
// and "DATA" below it when they are missing, and sets ProjectDir to
// "PROJEKTY" or to the first line of "DATA/ADRES.CFG" when that file exists.
// Fails with a Czech message (a root directory, a directory that cannot be
// created).
Error StartupChecks(AppState& state, const std::string& workingDir);

// The data directory below BaseDir.
std::string DataDirectory(const AppState& state);

// Writes ProjectDir as the only line of "DATA/ADRES.CFG" (at program exit).
// Fails with a Czech message naming the file.
Error WriteAddressConfig(const AppState& state);

struct DecimalSeparatorCheck {
    bool ok = false;
    char separator = '.';
    std::string message; // DecimalSeparatorMessage when not ok
};

// The acceptance rule: the first character of the locale's decimal-separator
// setting must be "." or ",".
DecimalSeparatorCheck CheckDecimalSeparator(std::string_view localeSetting);

// The decimal-separator setting of the named locale ("" = the environment's
// LC_ALL, LC_NUMERIC or LANG, as the C library chooses). A locale that is not
// installed falls back to the "C" locale's ".".
std::string LocaleDecimalSeparatorSetting(const std::string& localeName = "");

// The locale name the C library takes LC_NUMERIC from: LC_ALL, else
// LC_NUMERIC, else LANG (the first non-empty one), else "C".
std::string NumericLocaleNameFromEnvironment();

} // namespace hydrim

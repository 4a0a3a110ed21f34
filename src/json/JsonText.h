// JSON text of the engine's documents, as the command line prints them and
// the browser version returns them: reals with 17 significant digits, so a
// reader gets back the very double the engine computed.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace hydrim {

// A real with 17 significant digits ("0.10000000000000001", "300.0"); a
// value that is not finite gives "null".
std::string FormatReal(double value);

// Serialises JSON with every real written by FormatReal; objects are
// indented by two blanks per level, arrays stay on one line.
std::string DumpJson(const nlohmann::ordered_json& value, int indent = 0);

} // namespace hydrim

// Texts of the design report's method: placeholders %1, %2, ... filled in
// one pass, lists joined, numbers with the tables' decimal separator.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace hydrim::report {

// pattern with %1 .. %9 replaced by args[0] .. args[8]; a "%" not followed by
// the number of an argument stays as it is.
std::string Arg(std::string_view pattern, std::initializer_list<std::string> args);

std::string Join(const std::vector<std::string>& parts, std::string_view separator);

// A decimal point between two digits written as separator ("0.2·" -> "0,2·").
std::string LocalDecimals(std::string text, char separator);

// value with decimals decimals, the separator given.
std::string Fixed(double value, int decimals, char separator);

} // namespace hydrim::report

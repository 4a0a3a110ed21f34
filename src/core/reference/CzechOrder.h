// Czech alphabetical order of station names: Č, Ř, Š and Ž are letters of
// their own after C, R, S and Z, CH is a letter after H; other accents and
// letter case decide only between names that are otherwise equal.
#pragma once

#include <string>

namespace hydrim {

// True when UTF-8 text a comes before b in Czech alphabetical order.
bool CzechLess(const std::string& a, const std::string& b);

} // namespace hydrim

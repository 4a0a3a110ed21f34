// Czech alphabetical order of station names: Č, Ř, Š and Ž are letters of
// their own after C, R, S and Z, CH is a letter after H; other accents and
// letter case decide only between names that are otherwise equal.
#pragma once

#include <string>

namespace hydrim {

// True when UTF-8 text a comes before b in Czech alphabetical order.
bool CzechLess(const std::string& a, const std::string& b);

// Compares the beginning of UTF-8 text name, as many letters as prefix has,
// with prefix by the letters alone (accents, case and the kind of blank or
// punctuation aside; CH counts as one letter): negative when the beginning
// comes before prefix in Czech alphabetical order, 0 when name begins with
// prefix ("Ústí nad Labem" begins with "usti n"), positive when it follows.
int CompareCzechBeginning(const std::string& name, const std::string& prefix);

} // namespace hydrim

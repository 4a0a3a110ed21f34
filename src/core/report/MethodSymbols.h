// The symbols the method section of the design report may name, with their
// meanings and units, and the sources of the method and of the shipped
// tables. Symbols, meanings and units are those of the result tables'
// layout files (DATA/VarTab*.tab, tabulka2.tab, tabulka3.tab), in their
// markup: a symbol's blank and base, its index lowered; "m3", "-1" raised.
#pragma once

#include <string>
#include <string_view>

#include <vector>

namespace hydrim::report {

struct MethodSymbol {
    const char* symbol;  // " Hs", " max iso", " g" (γ)
    const char* meaning; // "úhrn návrhové srážky"
    const char* unit;    // "[mm]", "[m3.s-1]"; empty for a dimensionless number
};

// Every symbol of the method, in the order of the list.
const std::vector<MethodSymbol>& MethodSymbols();

// The entry of symbol, or nullptr.
const MethodSymbol* FindMethodSymbol(std::string_view symbol);

// The literature list, in the order of its numbers [1], [2], ...
const std::vector<std::string>& MethodReferences();

} // namespace hydrim::report

// The method section of the design report: what was computed for this
// project, step by step, with numbered formulas in the symbols of the result
// tables, the design rain's coefficients and its 300-minute cap as they
// apply to this project's numbers, the list of symbols (symbol, meaning,
// unit) and the sources of the method and of the shipped tables.
#pragma once

#include "core/project/ProjectData.h"
#include "core/report/FormulaTree.h"

#include <array>
#include <string>
#include <vector>

namespace hydrim::report {

// What the method section says about the project computed.
struct MethodFacts {
    int variant = 0; // 0 Variant I, 1 II, 2 III
    bool twoSlopes = false;
    char decimalSeparator = '.';   // the result tables' separator
    std::string rainfallSource;    // station name or "zadáno uživatelem"; empty for Variant III
    std::array<int, 2> curveTypes; // antecedent moisture group of the left (only) and right slope
    int returnPeriod = 0;          // Variant II: N [years]
    int duration = 0;              // Variants II, III: the design rain ts [min]
    double intensity = 0;          // Variant III: the design rain is [mm/min]

    // The coefficients of "par.tab" a design rain used.
    struct Coefficients {
        int returnPeriod = 0; // N [years]
        int duration = 0;     // ts [min]
        int band = 0;         // 1: 10-40, 2: 41-120, 3: other durations
        double a = 0, b = 0, c = 0;
    };
    std::vector<Coefficients> coefficients;

    // Variant I: a slope whose critical duration exceeded the 300-minute cap.
    struct CappedRain {
        int returnPeriod = 0;
        bool right = false;
        int criticalDuration = 0; // tsk [min]
        int designDuration = 0;   // ts of the catchment [min]
    };
    std::vector<CappedRain> capped;
};

MethodFacts MethodFactsOf(const AppState& state, const std::string& rainfallSource);

struct MethodItem {
    enum Kind {
        Heading,   // text
        Paragraph, // text, symbols written as {tsk} (the layout files' symbol without its blank)
        Formula,   // formula numbered number, text a note beside it
        SymbolRow, // symbol, meaning and unit in the layout files' markup
        Reference, // text, numbered number
    };
    Kind kind = Paragraph;
    std::string text;
    FormulaNode formula;
    int number = 0;
    std::string symbol, meaning, unit;
};

// The items of the section for the project, in reading order.
std::vector<MethodItem> MethodSection(const MethodFacts& facts);

} // namespace hydrim::report

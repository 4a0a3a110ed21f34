// The groups of antecedent moisture (PVP): the 5-day rainfall before the
// event outside and in the growing season that puts a slope into group 1, 2
// or 3, which is the curve type of its CN (dry, average, wet conditions).
#pragma once

#include <array>
#include <string>

namespace hydrim {

struct MoistureGroupTable {
    std::string Title;                // "Skupiny předchozích vláhových podmínek"
    std::string GroupHeading;         // "Skupina PVP"
    std::string RainHeading;          // "Úhrn srážek za 5 předchozích dnů [mm]"
    std::string SeasonsTitle;         // the two seasons, as the title of the rainfall column
    std::array<std::string, 3> Items; // "1", "2", "3": the curve types
    // Per group the 5-day rainfall [mm] outside and in the growing season,
    // as one line under SeasonsTitle: < 13 / < 36, 13 - 28 / 36 - 53, > 28 / > 53.
    std::array<std::string, 3> RainLines;
};

const MoistureGroupTable& MoistureGroups();

} // namespace hydrim

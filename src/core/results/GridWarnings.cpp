#include "core/results/GridWarnings.h"

#include "core/results/WarningLists.h"

namespace hydrim {

namespace {

// Variant I grid numbers: 1 the inputs, 2 .. 6 the output sheets of N = 5 .. 100.
constexpr int InputsGrid = 1;
constexpr int LastOutputGrid = 6;

} // namespace

Warnings WarningsOfGrid(const Warnings& all, const ResultGrid& grid) {
    if (grid.Kind != GridKind::VariantISheet || grid.Number < InputsGrid || grid.Number > LastOutputGrid) {
        return all;
    }
    if (grid.Number == InputsGrid) {
        Warnings general;
        for (const Warning& warning : all) {
            if (warning.ReturnPeriod == 0) {
                general.push_back(warning);
            }
        }
        return general;
    }
    return WarningsOfReturnPeriod(all, ReturnPeriods[static_cast<size_t>(grid.Number - 1)]);
}

} // namespace hydrim

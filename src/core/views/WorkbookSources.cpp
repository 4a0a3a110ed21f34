// What the exports read from a computed project: the result grids built
// from the result set of the family that computed last.
#include "views/WorkbookExport.h"

namespace hydrim {

std::vector<ResultGrid> ResultGridsOf(const AppState& state, const std::string& dataDir, std::string& error) {
    error.clear();
    const char separator = state.LocaleDecimalSeparator;
    if (state.LastResultVariantI) {
        const VariantILayouts layouts = ReadVariantILayouts(dataDir);
        error = layouts.Error;
        const std::array<ResultGrid, 8> grids = BuildVariantITables(state, layouts, separator);
        return {grids.begin(), grids.end()};
    }
    // Variant item 1 is Variant II, 2 is Variant III.
    const int variant = state.CurrentProject.Texts.Variant == 2 ? 3 : 2;
    const bool twoSlopes = state.CurrentProject.Texts.CatchmentType == 1;
    const LayoutText layout = ReadVariant23Layout(dataDir, variant);
    error = layout.Error;
    return {BuildVariant23Table(state, layout, variant, twoSlopes, separator)};
}

} // namespace hydrim

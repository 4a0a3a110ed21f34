// Fuzzes the result-table layout readers and the drawing rules of their row
// texts. The first byte picks the layout (VarTab1..8.tab, tabulka2.tab,
// tabulka3.tab), the rest is the file; the layout is then built into its
// result grid and every cell is cut into its styled runs, as the window,
// the printer and the workbook do.
#include "FuzzSupport.h"

#include "core/reference/LayoutFiles.h"
#include "core/results/CellMarkup.h"
#include "core/results/ResultTable.h"

#include <cstddef>
#include <cstdint>

using namespace hydrim;

namespace {

void DrawEveryCell(const ResultGrid& grid) {
    for (int row = 0; row < grid.RowCount(); ++row) {
        RowStyle(grid, row);
        for (int column = 0; column < grid.ColumnCount(); ++column) {
            CellRuns(grid, row, column);
        }
    }
    GridAsText(grid);
    GridAsCsv(grid);
    CopyTableText(grid);
}

// One computed-looking result set, so value cells are not all zero.
const AppState& SampleState() {
    static const AppState state = [] {
        AppState s;
        s.TwoSlopes = true;
        s.VariantI.PeakDischargeC.fill(12.5);
        s.VariantI.VolumeC.fill(2.5e6);
        s.Variant23.DesignPeakC = 3.25;
        s.Variant23.DesignVolumeC = 75000.0;
        return s;
    }();
    return state;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const int pick = data[0] % 10; // 0..7 Variant I grids, 8 tabulka2, 9 tabulka3
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto& directory = fuzz::ScratchDirectory();
    const std::string dataDir = directory.string();

    if (pick < 8) {
        const int grid = pick + 1;
        fuzz::WriteScratchFile(directory, VariantILayoutFileName(grid), bytes);
        const LayoutText layout =
            ReadLayoutFile(dataDir, VariantILayoutFileName(grid), VariantILayoutRows[grid]);
        fuzz::Require(layout.ok(), "a layout file is read whatever it holds");
        fuzz::Require(static_cast<int>(layout.Lines.size()) == VariantILayoutRows[grid], "fixed line count");
        VariantILayouts layouts;
        layouts.Grids[static_cast<size_t>(grid - 1)] = layout;
        for (const ResultGrid& table : BuildVariantITables(SampleState(), layouts, ',')) {
            DrawEveryCell(table);
        }
        return 0;
    }
    const int variant = pick == 8 ? 2 : 3;
    fuzz::WriteScratchFile(directory, variant == 2 ? "tabulka2.tab" : "tabulka3.tab", bytes);
    const LayoutText layout = ReadVariant23Layout(dataDir, variant);
    fuzz::Require(layout.ok(), "a layout file is read whatever it holds");
    fuzz::Require(layout.Lines.size() ==
                      static_cast<size_t>(variant == 2 ? Variant2LayoutRows : Variant3LayoutRows),
                  "fixed line count");
    for (const bool twoSlopes : {false, true}) {
        DrawEveryCell(BuildVariant23Table(SampleState(), layout, variant, twoSlopes, '.'));
    }
    return 0;
}

// The eight Variant I grids: inputs, one output sheet per return period,
// the slopes + catchment summary and the catchment summary.
#include "core/results/GridLayout.h"
#include "core/results/NumberFormat.h"
#include "core/results/ResultTable.h"

#include <algorithm>

namespace hydrim {
namespace {

constexpr const char* SymbolWidthText = " max iso";
constexpr const char* WideSymbolWidthText = " max isoX";
constexpr const char* DescriptionWidthText = " 1-denní maximální srážkový úhrn pro N=100 ";
constexpr const char* SummaryDescriptionWidthText = " objem PV vyvolany H1d100 ";
constexpr const char* UnitWidthText = "  [mm.min-1]";

const std::array<const char*, 8> TabTitles = {
    "VSTUP",       "VÝSTUP N=5",   "VÝSTUP N=10",           "VÝSTUP N=20",
    "VÝSTUP N=50", "VÝSTUP N=100", "VÝSTUP - SVAHY+POVODÍ", "VÝSTUP - POVODÍ"};
const std::array<const char*, 8> SheetNames = {
    "Vstup",       "Výstup N=5",   "Výstup N=10",           "Výstup N=20",
    "Výstup N=50", "Výstup N=100", "Výstup Povodí + Svahy", "Výstup Povodí"};

// Output sheet rows (grids 2..6).
enum SheetRow {
    RowCnAdj = 1,
    RowRetention = 2,
    RowWidth = 3,
    RowFlowLength = 4,
    RowCriticalDuration = 6,
    RowCriticalIntensity = 7,
    RowCriticalDepth = 8,
    RowCriticalPonding = 9,
    RowCriticalExcessDuration = 10,
    RowCriticalExcessIntensity = 11,
    RowCriticalRunoff = 12,
    RowRainDuration = 14,
    RowRainIntensity = 15,
    RowRainDepth = 16,
    RowPonding = 17,
    RowExcessDuration = 18,
    RowExcessIntensity = 19,
    RowRunoff = 20,
    RowEquilibriumTime = 21,
    RowEquilibriumIntensity = 22,
    RowVolumeDepth = 23,
    RowPeakIntensity = 24,
    RowPeak = 25,
    RowVolume = 27,
    RowRise = 28,
    RowFall = 29,
    RowPlateau = 30,
    RowLength = 31,
    RowDailyVolume = 33,
    RowDailyRise = 34,
    RowDailyFall = 35,
    RowDailyPlateau = 36,
    RowDailyLength = 37,
};

// Columns of the values in grids 1..7 (grid 7 is shifted by one).
struct ValueColumns {
    int cat;
    int left;
    int right; // -1 with one slope
};

ValueColumns ColumnsFor(bool twoSlopes, int shift) {
    return {2 + shift, (twoSlopes ? 3 : 2) + shift, twoSlopes ? 4 + shift : -1};
}

// Writes the left and (two slopes) right texts of one row.
void PutSlopes(ResultGrid& grid, int row, const ValueColumns& columns, const std::string& left,
               const std::string& right) {
    PutCell(grid, row, columns.left, left);
    if (columns.right >= 0) {
        PutCell(grid, row, columns.right, right);
    }
}

// Writes left, right and then the catchment, so that with one slope (left
// and catchment share a column) the catchment value stands.
void PutSlopesAndCatchment(ResultGrid& grid, int row, const ValueColumns& columns, const std::string& left,
                           const std::string& right, const std::string& catchment) {
    PutSlopes(grid, row, columns, left, right);
    PutCell(grid, row, columns.cat, catchment);
}

// Grids 1..6 (and 7, 8): the designed columns, titles, widths and layout texts.
ResultGrid SheetGrid(int number, const LayoutText& layout) {
    ResultGrid grid = MakeGrid(GridKind::VariantISheet, number, VariantILayoutRows[number], 7);
    grid.WidthTexts = {SymbolWidthText,
                       DescriptionWidthText,
                       CatchmentTitle,
                       LeftSlopeTitle,
                       RightSlopeTitle,
                       UnitWidthText,
                       ""};
    grid.VisibleColumns[6] = false;
    grid.UnitColumn = 5;
    PutColumnTitles(grid, 2);
    for (int row = 0; row < grid.RowCount(); ++row) {
        const LayoutLine line = layout.Line(row);
        PutCell(grid, row, 0, line.Symbol);
        PutCell(grid, row, 1, line.Description);
        PutCell(grid, row, 5, line.Unit);
    }
    return grid;
}

ResultGrid SummaryGrid(const LayoutText& layout) {
    ResultGrid grid = MakeGrid(GridKind::VariantISummary, 7, VariantILayoutRows[7], 8);
    grid.WidthTexts = {"1000",
                       WideSymbolWidthText,
                       SummaryDescriptionWidthText,
                       CatchmentTitle,
                       LeftSlopeTitle,
                       RightSlopeTitle,
                       UnitWidthText,
                       ""};
    grid.VisibleColumns[7] = false;
    grid.SymbolColumn = 1;
    grid.DescriptionColumn = 2;
    grid.UnitColumn = 6;
    PutColumnTitles(grid, 3);
    for (int row = 0; row < grid.RowCount(); ++row) {
        const LayoutLine line = layout.Line(row);
        const int first = row < 2 ? 0 : 1;
        PutCell(grid, row, first, line.Symbol);
        PutCell(grid, row, first + 1, line.Description);
        PutCell(grid, row, 6, line.Unit);
    }
    for (int i = 1; i <= 5; ++i) {
        const int firstRow = 3 * (i - 1) + 2;
        const std::string label = "  " + std::to_string(ReturnPeriods[static_cast<size_t>(i)]);
        PutCell(grid, firstRow, 0, label);
        grid.Spans.push_back({firstRow, 3, 0, label});
    }
    return grid;
}

ResultGrid CatchmentGrid(const LayoutText& layout) {
    ResultGrid grid = MakeGrid(GridKind::VariantICatchment, 8, VariantILayoutRows[8], 8);
    grid.WidthTexts = {WideSymbolWidthText, WideSymbolWidthText, WideSymbolWidthText, WideSymbolWidthText,
                       WideSymbolWidthText, WideSymbolWidthText, UnitWidthText,       ""};
    grid.VisibleColumns[7] = false;
    grid.DescriptionColumn = -1;
    grid.UnitColumn = 6;
    for (int row = 0; row < grid.RowCount(); ++row) {
        const LayoutLine line = layout.Line(row);
        PutCell(grid, row, 0, line.Symbol);
        PutCell(grid, row, 6, line.Unit);
    }
    for (int i = 1; i <= 5; ++i) {
        PutCell(grid, 1, i, "  " + std::to_string(ReturnPeriods[static_cast<size_t>(i)]));
    }
    grid.ValueColumns = {1, 2, 3, 4, 5};
    return grid;
}

void FillInputs(ResultGrid& grid, const AppState& state, char sep) {
    const NumericInputs& in = state.Inputs;
    const ValueColumns c = ColumnsFor(state.TwoSlopes, 0);
    PutCell(grid, 1, c.cat, CellInput(state.VariantI.TotalArea, 2, sep));
    PutSlopes(grid, 2, c, CellInput(in.AreaL, 2, sep), CellInput(in.AreaR, 2, sep));
    PutSlopes(grid, 3, c, CellInput(in.SlopeL, 1, sep), CellInput(in.SlopeR, 1, sep));
    PutSlopes(grid, 4, c, CellInput(in.RoughnessL, 2, sep), CellInput(in.RoughnessR, 2, sep));
    PutCell(grid, 5, c.cat, CellInput(in.ValleyLength, 2, sep));
    PutCell(grid, 6, c.cat, CellInput(in.ValleySlope, 2, sep));
    PutSlopes(grid, 7, c, CellInteger(in.CnTypeL), CellInteger(in.CnTypeR));
    PutSlopes(grid, 8, c, CellInput(in.CnL, 1, sep), CellInput(in.CnR, 1, sep));
    PutCell(grid, 9, c.cat, CellInteger(ReturnPeriods[1]));
    StackedCell periods{9, c.cat, {}};
    for (int i = 1; i <= 5; ++i) {
        periods.Lines.push_back(CellInteger(ReturnPeriods[static_cast<size_t>(i)]));
        PutCell(grid, 9 + i, c.cat, CellInput(in.RainByN[static_cast<size_t>(i)], 1, sep));
    }
    grid.Stacked.push_back(periods);
    grid.RowLines[9] = 5;
}

// Exponents of the volumes of each return period, decided by the catchment.
struct VolumeExponents {
    ByN<int> volume{};
    ByN<int> daily{};
};

VolumeExponents ExponentsOf(const VariantIResults& r) {
    VolumeExponents e;
    for (size_t i = 1; i <= 5; ++i) {
        e.volume[i] = VolumeExponent(r.VolumeC[i]);
        e.daily[i] = VolumeExponent(r.DailyVolumeC[i]);
    }
    return e;
}

void FillOutputSheet(ResultGrid& grid, const AppState& state, size_t i, const VolumeExponents& e, char sep) {
    const VariantIResults& r = state.VariantI;
    const DerivedParams& d = state.Derived;
    const ValueColumns c = ColumnsFor(state.TwoSlopes, 0);
    auto fixed = [sep](double v, int decimals) { return CellFixed(v, decimals, sep); };
    auto sig3 = [sep](double v) { return CellSignificant3(v, sep); };
    auto slopesF = [&](int row, double left, double right, int decimals) {
        PutSlopes(grid, row, c, fixed(left, decimals), fixed(right, decimals));
    };
    auto slopesI = [&](int row, int left, int right) {
        PutSlopes(grid, row, c, CellInteger(left), CellInteger(right));
    };
    auto allI = [&](int row, int left, int right, int catchment) {
        PutSlopesAndCatchment(grid, row, c, CellInteger(left), CellInteger(right), CellInteger(catchment));
    };

    slopesF(RowCnAdj, d.CnAdjL, d.CnAdjR, 1);
    slopesF(RowRetention, d.RetentionL, d.RetentionR, 1);
    slopesF(RowWidth, d.WidthL, d.WidthR, 2);
    slopesF(RowFlowLength, d.FlowLengthL, d.FlowLengthR, 2);

    slopesI(RowCriticalDuration, r.CriticalDurationL[i], r.CriticalDurationR[i]);
    slopesF(RowCriticalIntensity, r.CriticalIntensityL[i], r.CriticalIntensityR[i], 3);
    slopesF(RowCriticalDepth, r.CriticalDepthL[i], r.CriticalDepthR[i], 1);
    slopesI(RowCriticalPonding, r.CriticalPondingTimeL[i], r.CriticalPondingTimeR[i]);
    slopesI(RowCriticalExcessDuration, r.CriticalExcessDurationL[i], r.CriticalExcessDurationR[i]);
    slopesF(RowCriticalExcessIntensity, r.CriticalExcessIntensityL[i], r.CriticalExcessIntensityR[i], 3);
    slopesF(RowCriticalRunoff, r.CriticalRunoffDepthL[i], r.CriticalRunoffDepthR[i], 1);

    PutCell(grid, RowRainDuration, c.cat, CellInteger(r.RainDurationL[i]));
    PutCell(grid, RowRainIntensity, c.cat, fixed(r.RainIntensityL[i], 3));
    PutCell(grid, RowRainDepth, c.cat, fixed(r.RainDepthL[i], 1));
    const int catchmentPonding =
        state.TwoSlopes ? std::min(r.PondingTimeL[i], r.PondingTimeR[i]) : r.PondingTimeL[i];
    allI(RowPonding, r.PondingTimeL[i], r.PondingTimeR[i], catchmentPonding);
    slopesI(RowExcessDuration, r.ExcessDurationL[i], r.ExcessDurationR[i]);
    slopesF(RowExcessIntensity, r.ExcessIntensityL[i], r.ExcessIntensityR[i], 3);
    slopesF(RowRunoff, r.RunoffDepthL[i], r.RunoffDepthR[i], 1);
    slopesI(RowEquilibriumTime, r.EquilibriumTimeL[i], r.EquilibriumTimeR[i]);
    slopesF(RowEquilibriumIntensity, r.EquilibriumIntensityL[i], r.EquilibriumIntensityR[i], 3);
    slopesF(RowVolumeDepth, r.VolumeDepthL[i], r.VolumeDepthR[i], 1);
    slopesF(RowPeakIntensity, r.PeakIntensityL[i], r.PeakIntensityR[i], 3);
    PutSlopesAndCatchment(grid, RowPeak, c, sig3(r.PeakDischargeL[i]), sig3(r.PeakDischargeR[i]),
                          sig3(r.PeakDischargeC[i]));

    const double volumeScale = PowerOfTen(e.volume[i]);
    PutSlopesAndCatchment(grid, RowVolume, c, sig3(r.VolumeL[i] / volumeScale),
                          sig3(r.VolumeR[i] / volumeScale), sig3(r.VolumeC[i] / volumeScale));
    PutCell(grid, RowVolume, 5, InsertPowerOfTen(grid.Cell(RowVolume, 5), e.volume[i]));
    allI(RowRise, r.RiseTimeL[i], r.RiseTimeR[i], r.RiseTimeC[i]);
    allI(RowFall, r.FallTimeL[i], r.FallTimeR[i], r.FallTimeC[i]);
    allI(RowPlateau, r.PlateauTimeL[i], r.PlateauTimeR[i], r.PlateauTimeC[i]);
    allI(RowLength, r.HydrographLengthL[i], r.HydrographLengthR[i], r.HydrographLengthC[i]);

    const double dailyScale = PowerOfTen(e.daily[i]);
    PutSlopesAndCatchment(grid, RowDailyVolume, c, sig3(r.DailyVolumeL[i] / dailyScale),
                          sig3(r.DailyVolumeR[i] / dailyScale), sig3(r.DailyVolumeC[i] / dailyScale));
    PutCell(grid, RowDailyVolume, 5, InsertPowerOfTen(grid.Cell(RowDailyVolume, 5), e.daily[i]));
    allI(RowDailyRise, r.DailyRiseTimeL[i], r.DailyRiseTimeR[i], r.DailyRiseTimeC[i]);
    allI(RowDailyFall, r.DailyFallTimeL[i], r.DailyFallTimeR[i], r.DailyFallTimeC[i]);
    allI(RowDailyPlateau, r.DailyPlateauTimeL[i], r.DailyPlateauTimeR[i], r.DailyPlateauTimeC[i]);
    allI(RowDailyLength, r.DailyHydrographLengthL[i], r.DailyHydrographLengthR[i],
         r.DailyHydrographLengthC[i]);
}

void FillSummary(ResultGrid& grid, const AppState& state, const VolumeExponents& e, char sep) {
    const VariantIResults& r = state.VariantI;
    const ValueColumns c = ColumnsFor(state.TwoSlopes, 1);
    auto sig3 = [sep](double v) { return CellSignificant3(v, sep); };
    for (size_t i = 1; i <= 5; ++i) {
        const int peakRow = 3 * (static_cast<int>(i) - 1) + 2;
        const double volumeScale = PowerOfTen(e.volume[i]);
        const double dailyScale = PowerOfTen(e.daily[i]);
        PutSlopesAndCatchment(grid, peakRow, c, sig3(r.PeakDischargeL[i]), sig3(r.PeakDischargeR[i]),
                              sig3(r.PeakDischargeC[i]));
        PutSlopesAndCatchment(grid, peakRow + 1, c, sig3(r.VolumeL[i] / volumeScale),
                              sig3(r.VolumeR[i] / volumeScale), sig3(r.VolumeC[i] / volumeScale));
        PutSlopesAndCatchment(grid, peakRow + 2, c, sig3(r.DailyVolumeL[i] / dailyScale),
                              sig3(r.DailyVolumeR[i] / dailyScale), sig3(r.DailyVolumeC[i] / dailyScale));
        PutCell(grid, peakRow + 1, 6, InsertPowerOfTen(grid.Cell(peakRow + 1, 6), e.volume[i]));
        PutCell(grid, peakRow + 2, 6, InsertPowerOfTen(grid.Cell(peakRow + 2, 6), e.daily[i]));
    }
}

// The catchment summary shows all return periods of a row with the one
// power of ten of its largest volume.
void FillCatchmentSummary(ResultGrid& grid, const AppState& state, const VolumeExponents& e, char sep) {
    const VariantIResults& r = state.VariantI;
    const int largest = *std::max_element(e.volume.begin() + 1, e.volume.end());
    const int largestDaily = *std::max_element(e.daily.begin() + 1, e.daily.end());
    for (size_t i = 1; i <= 5; ++i) {
        const int column = static_cast<int>(i);
        PutCell(grid, 2, column, CellSignificant3(r.PeakDischargeC[i], sep));
        PutCell(grid, 3, column, CellSignificant3(r.VolumeC[i] / PowerOfTen(largest), sep));
        PutCell(grid, 4, column, CellSignificant3(r.DailyVolumeC[i] / PowerOfTen(largestDaily), sep));
    }
    PutCell(grid, 3, 6, InsertPowerOfTen(grid.Cell(3, 6), largest));
    PutCell(grid, 4, 6, InsertPowerOfTen(grid.Cell(4, 6), largestDaily));
}

void SetRowStyles(ResultGrid& grid) {
    grid.ShadedRows = {0};
    switch (grid.Number) {
    case 1:
        grid.BoldRows = {0};
        grid.SectionRows = {0, 9, 15, 15, 15, 15, 15};
        break;
    case 7:
        grid.BoldRows = {0};
        grid.SectionRows = {0, 1, 4, 7, 10, 13, 17};
        break;
    case 8:
        grid.BoldRows = {0};
        grid.SectionRows = {0, 1, 2, 3, 5, 5, 5};
        break;
    default:
        grid.BoldRows = {0, 5, 13, 26, 32};
        grid.HighlightRow = RowPeak;
        grid.SectionRows = {0, 5, 13, 26, 32, 38, 38};
        break;
    }
}

} // namespace

std::array<ResultGrid, 8> BuildVariantITables(const AppState& state, const VariantILayouts& layouts,
                                              char decimalSeparator) {
    const VolumeExponents exponents = ExponentsOf(state.VariantI);
    std::array<ResultGrid, 8> grids;
    for (int number = 1; number <= 8; ++number) {
        const LayoutText& layout = layouts.Grids[static_cast<size_t>(number - 1)];
        ResultGrid& grid = grids[static_cast<size_t>(number - 1)];
        if (number <= 6) {
            grid = SheetGrid(number, layout);
        } else if (number == 7) {
            grid = SummaryGrid(layout);
        } else {
            grid = CatchmentGrid(layout);
        }
        grid.Title = TabTitles[static_cast<size_t>(number - 1)];
        grid.SheetName = SheetNames[static_cast<size_t>(number - 1)];
        SetRowStyles(grid);
        if (number == 1) {
            FillInputs(grid, state, decimalSeparator);
        } else if (number <= 6) {
            FillOutputSheet(grid, state, static_cast<size_t>(number - 1), exponents, decimalSeparator);
        } else if (number == 7) {
            FillSummary(grid, state, exponents, decimalSeparator);
        } else {
            FillCatchmentSummary(grid, state, exponents, decimalSeparator);
        }
        if (number <= 7) {
            const int shift = number == 7 ? 1 : 0;
            if (!state.TwoSlopes) {
                ReduceToOneSlope(grid, 3 + shift);
                grid.ValueColumns = {2 + shift};
            } else {
                grid.ValueColumns = {2 + shift, 3 + shift, 4 + shift};
            }
        }
    }
    return grids;
}

} // namespace hydrim

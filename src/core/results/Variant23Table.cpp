// The single result grid of Variants II and III.
#include "core/results/GridLayout.h"
#include "core/results/NumberFormat.h"
#include "core/results/ResultTable.h"

#include <algorithm>

namespace hydrim {
namespace {

// Row of a quantity in the Variant II and in the Variant III table (-1: not shown).
struct Rows {
    int variant2;
    int variant3;
    int in(int variant) const { return variant == 3 ? variant3 : variant2; }
};

constexpr Rows RowTotalArea{1, 1}, RowArea{2, 2}, RowSlope{3, 3}, RowRoughness{4, 4}, RowCnType{5, 5},
    RowCn{6, 6}, RowReturnPeriod{7, -1}, RowRainN{8, -1}, RowRain100{9, -1}, RowValleyLength{10, 7},
    RowValleySlope{11, 8}, RowInputDuration{12, 9}, RowInputIntensity{-1, 10}, RowCnAdj{14, 12},
    RowRetention{15, 13}, RowWidth{16, 14}, RowFlowLength{17, 15}, RowCritDuration{19, -1},
    RowCritIntensity{20, -1}, RowCritDepth{21, -1}, RowCritPonding{22, -1}, RowCritExcessDuration{23, -1},
    RowCritExcessIntensity{24, -1}, RowCritRunoff{25, -1}, RowDuration{27, 17}, RowIntensity{28, 18},
    RowDepth{29, 19}, RowPonding{30, 20}, RowExcessDuration{31, 21}, RowExcessIntensity{32, 22},
    RowRunoff{33, 23}, RowEquilibriumTime{34, 24}, RowEquilibriumIntensity{35, 25}, RowVolumeDepth{36, 26},
    RowPeakIntensity{37, 27}, RowPeak{38, 28}, RowVolume{40, 30}, RowRise{41, 31}, RowFall{42, 32},
    RowPlateau{43, 33}, RowLength{44, 34};

class Writer {
public:
    Writer(ResultGrid& grid, int variant, bool twoSlopes, char separator)
        : grid_(grid), variant_(variant), twoSlopes_(twoSlopes), separator_(separator) {}

    std::string Fixed(double v, int decimals) const { return CellFixed(v, decimals, separator_); }
    std::string Input(double v, int decimals) const { return CellInput(v, decimals, separator_); }
    void SlopesInput(Rows rows, double left, double right, int decimals) const {
        Slopes(rows, Input(left, decimals), Input(right, decimals));
    }
    std::string Sig3(double v) const { return CellSignificant3(v, separator_); }

    void Catchment(Rows rows, const std::string& text) const { PutCell(grid_, rows.in(variant_), 2, text); }
    // The slope column S (2 with one slope, 3 with two) and the right column R.
    void Slopes(Rows rows, const std::string& left, const std::string& right) const {
        PutCell(grid_, rows.in(variant_), twoSlopes_ ? 3 : 2, left);
        if (twoSlopes_) {
            PutCell(grid_, rows.in(variant_), 4, right);
        }
    }
    // Slope values first, so the catchment value stands where both share a column.
    void All(Rows rows, const std::string& left, const std::string& right,
             const std::string& catchment) const {
        Slopes(rows, left, right);
        Catchment(rows, catchment);
    }
    void SlopesFixed(Rows rows, double left, double right, int decimals) const {
        Slopes(rows, Fixed(left, decimals), Fixed(right, decimals));
    }
    void SlopesInt(Rows rows, int left, int right) const {
        Slopes(rows, CellInteger(left), CellInteger(right));
    }
    void AllInt(Rows rows, int left, int right, int catchment) const {
        All(rows, CellInteger(left), CellInteger(right), CellInteger(catchment));
    }
    int Row(Rows rows) const { return rows.in(variant_); }

private:
    ResultGrid& grid_;
    int variant_;
    bool twoSlopes_;
    char separator_;
};

void FillInputRows(const Writer& w, const AppState& state) {
    const NumericInputs& in = state.Inputs;
    const DerivedParams& d = state.Derived;
    w.Catchment(RowTotalArea, w.Input(state.Variant23.TotalArea, 2));
    w.SlopesInput(RowArea, in.AreaL, in.AreaR, 2);
    w.SlopesInput(RowSlope, in.SlopeL, in.SlopeR, 1);
    w.SlopesInput(RowRoughness, in.RoughnessL, in.RoughnessR, 2);
    w.SlopesInt(RowCnType, in.CnTypeL, in.CnTypeR);
    w.SlopesInput(RowCn, in.CnL, in.CnR, 1);
    w.Catchment(RowReturnPeriod, CellInteger(in.ReturnPeriod));
    w.Catchment(RowRainN, w.Input(in.RainN, 1));
    w.Catchment(RowRain100, w.Input(in.Rain100, 1));
    w.Catchment(RowValleyLength, w.Input(in.ValleyLength, 2));
    w.Catchment(RowValleySlope, w.Input(in.ValleySlope, 2));
    w.Catchment(RowInputDuration, CellInteger(in.DurationL));
    w.Catchment(RowInputIntensity, w.Input(in.IntensityL, 3));
    w.SlopesFixed(RowCnAdj, d.CnAdjL, d.CnAdjR, 1);
    w.SlopesFixed(RowRetention, d.RetentionL, d.RetentionR, 1);
    w.SlopesFixed(RowWidth, d.WidthL, d.WidthR, 2);
    w.SlopesFixed(RowFlowLength, d.FlowLengthL, d.FlowLengthR, 2);
}

void FillCriticalRows(const Writer& w, const Variant23Results& r) {
    w.SlopesInt(RowCritDuration, r.CritDurationL, r.CritDurationR);
    w.SlopesFixed(RowCritIntensity, r.CritIntensityL, r.CritIntensityR, 3);
    w.SlopesFixed(RowCritDepth, r.CritDepthL, r.CritDepthR, 1);
    w.SlopesInt(RowCritPonding, r.CritPondingL, r.CritPondingR);
    w.SlopesInt(RowCritExcessDuration, r.CritExcessDurationL, r.CritExcessDurationR);
    w.SlopesFixed(RowCritExcessIntensity, r.CritExcessIntensityL, r.CritExcessIntensityR, 3);
    w.SlopesFixed(RowCritRunoff, r.CritRunoffL, r.CritRunoffR, 1);
}

void FillDesignRows(const Writer& w, const AppState& state, bool twoSlopes) {
    const Variant23Results& r = state.Variant23;
    w.Catchment(RowDuration, CellInteger(state.Inputs.DurationL));
    w.Catchment(RowIntensity, w.Fixed(state.Inputs.IntensityL, 3));
    w.Catchment(RowDepth, w.Fixed(r.DesignDepthL, 1));
    const int catchmentPonding = twoSlopes ? std::min(r.DesignPondingL, r.DesignPondingR) : r.DesignPondingL;
    w.AllInt(RowPonding, r.DesignPondingL, r.DesignPondingR, catchmentPonding);
    w.SlopesInt(RowExcessDuration, r.DesignExcessDurationL, r.DesignExcessDurationR);
    w.SlopesFixed(RowExcessIntensity, r.DesignExcessIntensityL, r.DesignExcessIntensityR, 3);
    w.SlopesFixed(RowRunoff, r.DesignRunoffL, r.DesignRunoffR, 1);
    w.SlopesInt(RowEquilibriumTime, r.DesignEquilibriumTimeL, r.DesignEquilibriumTimeR);
    w.SlopesFixed(RowEquilibriumIntensity, r.DesignEquilibriumIntensityL, r.DesignEquilibriumIntensityR, 3);
    w.SlopesFixed(RowVolumeDepth, r.DesignVolumeDepthL, r.DesignVolumeDepthR, 1);
    w.SlopesFixed(RowPeakIntensity, r.DesignPeakIntensityL, r.DesignPeakIntensityR, 3);
    w.All(RowPeak, w.Sig3(r.DesignPeakL), w.Sig3(r.DesignPeakR), w.Sig3(r.DesignPeakC));
    w.AllInt(RowRise, r.DesignRiseL, r.DesignRiseR, r.DesignRiseC);
    w.AllInt(RowFall, r.DesignFallL, r.DesignFallR, r.DesignFallC);
    w.AllInt(RowPlateau, r.DesignPlateauL, r.DesignPlateauR, r.DesignPlateauC);
    w.AllInt(RowLength, r.DesignLengthL, r.DesignLengthR, r.DesignLengthC);
}

// The volumes are shown in m³, 10³ m³ or 10⁶ m³ as the catchment volume
// decides; the result set keeps m³.
void FillVolumeRow(const Writer& w, ResultGrid& grid, const Variant23Results& r) {
    const int exponent = VolumeExponent(r.DesignVolumeC);
    const double scale = PowerOfTen(exponent);
    w.All(RowVolume, w.Sig3(r.DesignVolumeL / scale), w.Sig3(r.DesignVolumeR / scale),
          w.Sig3(r.DesignVolumeC / scale));
    const int row = w.Row(RowVolume);
    PutCell(grid, row, grid.UnitColumn, InsertPowerOfTen(grid.Cell(row, grid.UnitColumn), exponent));
}

void SetRowStyles(ResultGrid& grid, int variant) {
    if (variant == 3) {
        grid.Table23SectionRows = {0, 11, 16, 29};
        grid.Table23TopHeadingRows = {0, 11};
        grid.Table23PeakRow = 28;
        grid.Table23SectionStarts = {0, 11, 16, 29, 35, 35, 35};
    } else {
        grid.Table23SectionRows = {0, 13, 18, 26, 39};
        grid.Table23TopHeadingRows = {0, 13};
        grid.Table23PeakRow = 38;
        grid.Table23SectionStarts = {0, 13, 18, 26, 39, 45, 45};
    }
    grid.BoldRows = {grid.Table23SectionRows.begin(), grid.Table23SectionRows.end()};
    grid.ShadedRows = {grid.Table23TopHeadingRows.begin(), grid.Table23TopHeadingRows.end()};
    grid.HighlightRow = grid.Table23PeakRow;
    grid.SectionRows = grid.Table23SectionStarts;
}

} // namespace

ResultGrid BuildVariant23Table(const AppState& state, const LayoutText& layout, int variant, bool twoSlopes,
                               char decimalSeparator) {
    variant = variant == 3 ? 3 : 2;
    const int rows = variant == 3 ? Variant3LayoutRows : Variant2LayoutRows;
    ResultGrid grid = MakeGrid(GridKind::Variant23, variant, rows, 7);
    grid.Title = "Výstup";
    grid.SheetName = "Výstup";
    grid.WidthTexts = {" max iso",
                       " 1-denní maximální srážkový úhrn pro N=100 ",
                       CatchmentTitle,
                       LeftSlopeTitle,
                       RightSlopeTitle,
                       "  [mm.min-1]",
                       ""};
    grid.VisibleColumns[6] = false;
    grid.UnitColumn = 5;
    SetRowStyles(grid, variant);
    PutColumnTitles(grid, 2);
    for (int row = 0; row < rows; ++row) {
        const LayoutLine line = layout.Line(row);
        PutCell(grid, row, 0, line.Symbol);
        PutCell(grid, row, 1, line.Description);
        PutCell(grid, row, 5, line.Unit);
    }
    if (!twoSlopes) {
        ReduceToOneSlope(grid, 3);
    }
    grid.ValueColumns = twoSlopes ? std::vector<int>{2, 3, 4} : std::vector<int>{2};

    const Writer writer(grid, variant, twoSlopes, decimalSeparator);
    FillInputRows(writer, state);
    if (variant == 2) {
        FillCriticalRows(writer, state.Variant23);
    }
    FillDesignRows(writer, state, twoSlopes);
    FillVolumeRow(writer, grid, state.Variant23);
    return grid;
}

} // namespace hydrim

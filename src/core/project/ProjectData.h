// Program-wide data of the discharge computation: the application state, the
// project inputs (as the texts the user typed), their numeric form, the slope
// parameters derived from them, and the result sets of both computation
// families. Everything lives in one AppState object that the caller owns and
// passes by reference, so a test can build a fresh one.
//
// Names follow the domain vocabulary used throughout the program: a suffix L
// is the left (or only) slope, R the right slope, C the whole catchment.
// Arrays "by N" are 1-based over the return periods 5, 10, 20, 50, 100 years;
// element 0 is unused.
#pragma once

#include "core/project/Warning.h"

#include <array>
#include <bitset>
#include <string>
#include <vector>

namespace hydrim {

// Return periods of Variant I, index 1..5 (element 0 unused).
inline constexpr std::array<int, 6> ReturnPeriods = {0, 5, 10, 20, 50, 100};
// The items of the return-period list of the input window (item index 0..5).
inline constexpr std::array<int, 6> ReturnPeriodItems = {2, 5, 10, 20, 50, 100};
// Spreadsheet column letters.
inline constexpr const char* ColumnLetters = "ABCDEFGHIJ";

template <typename T> using ByN = std::array<T, 6>; // index 1..5

// Coefficient table "par.tab": [group 1..8][band 1..3] -> three integers in
// thousandths (coefficient, depth exponent, intensity exponent).
struct ParTable {
    std::array<std::array<std::array<int, 3>, 4>, 9> Values{};
    const std::array<int, 3>& at(int group, int band) const { return Values[group][band]; }
};

// 1-day maximum rainfall texts per return-period item (N = 2, 5, 10, 20, 50, 100).
struct RainfallTexts {
    std::array<std::string, 6> Texts;
    int ReturnPeriodIndex = 5;
};

// Which input fields hold a usable value: members 0..23 in three groups of
// eight (valley line and rainfall, left slope, right slope).
class FilledInputs {
public:
    void add(int member) { bits_.set(static_cast<size_t>(member)); }
    void remove(int member) { bits_.reset(static_cast<size_t>(member)); }
    void set(int member, bool on) { bits_.set(static_cast<size_t>(member), on); }
    bool contains(int member) const { return bits_.test(static_cast<size_t>(member)); }
    void clear() { bits_.reset(); }
    bool empty() const { return bits_.none(); }
    std::bitset<24> bits() const { return bits_; }
    bool operator==(const FilledInputs&) const = default;

private:
    std::bitset<24> bits_;
};

// Entries made in the lookup dialogs, per slope (slope index 1 = left,
// 0 = right). Cells are fixed-width texts (12 characters, 8 for soil-unit
// groups); the arrays are indexed by the dialog's grid row.
struct LookupState {
    static constexpr int CellWidth = 12;
    static constexpr int GroupWidth = 8;
    // [slope][column 0..1][row 2..16]
    std::array<std::array<std::array<std::string, 17>, 2>, 2> RoughnessInputs;
    // [slope][row 2..16]: the roughness class a row's entries were made for,
    // as a table line "description;class!a-b"; empty where it is not known.
    std::array<std::array<std::string, 17>, 2> RoughnessClasses;
    std::array<std::array<std::string, 6>, 2> SoilGroupAreas;  // rows 2..5
    std::array<std::array<std::string, 67>, 2> SoilUnitAreas;  // rows 3..66
    std::array<std::array<std::string, 67>, 2> SoilUnitGroups; // rows 3..66
    std::array<std::array<std::string, 53>, 2> LandUseAreas;   // rows 2..52
    int RainfallStationRow = 1;
    bool SoilGroupByFiltration = true;
    bool LeftSoilGroupByFiltration = true;
    bool RightSoilGroupByFiltration = true;
    bool DialogForLeftSlope = true;
};

// The project as the user typed it: the texts of the input window's fields.
// Edit[k] is the text of field EditK (1..26); Edit7, Edit13 and Edit20 stay empty.
struct ProjectTexts {
    std::vector<std::string> Description; // the project description, one line each
    int CatchmentType = -1;               // ComboBox1: -1 none, 0 one slope, 1 two slopes
    int Variant = -1;                     // ComboBox2: -1 none, 0 Variant I, 1 II, 2 III
    int ReturnPeriodItem = 5;             // ComboBox3: -1, or 0..5 for N = 2..100
    int CnTypeItemL = -1;                 // ComboBox4: -1, or 0..2 for curve types 1..3
    int CnTypeItemR = -1;                 // ComboBox5
    std::array<std::string, 27> Edit;
    bool operator==(const ProjectTexts&) const = default;
};

// True when the catchment type is two slopes ("Dva svahy").
bool HasTwoSlopes(const ProjectTexts& texts);

// The number of the Variant II / III choice: 3 for Variant III, else 2.
int Variant23Number(const ProjectTexts& texts);

// Named edit fields (index into ProjectTexts::Edit).
enum EditField : int {
    EditIdentificationFirst = 1, // "Identifikační číslo", "Tok", "Závěrový profil", "Lokalita"
    EditIdentificationLast = 4,
    EditValleyLength = 5,
    EditValleySlope = 6,
    EditRainN = 8, // N of Variant II, N = 5 of Variant I
    EditRain100 = 9,
    EditAreaL = 10,
    EditSlopeL = 11,
    EditRoughnessL = 12,
    EditCnL = 14,
    EditDurationL = 15,
    EditIntensityL = 16,
    EditAreaR = 17,
    EditSlopeR = 18,
    EditRoughnessR = 19,
    EditCnR = 21,
    EditDurationR = 22,
    EditIntensityR = 23,
    EditRain10 = 24,
    EditRain20 = 25,
    EditRain50 = 26,
};

inline const std::string DefaultChartTitle = "Název grafu";

// Everything a project file stores.
struct Project {
    ProjectTexts Texts;
    RainfallTexts Rainfall;
    FilledInputs Filled;
    LookupState Lookup;
    std::string ChartTitle1 = DefaultChartTitle;
    std::string ChartTitle2 = DefaultChartTitle;
};

// Numeric inputs, filled from the texts by the preparation step of a computation.
struct NumericInputs {
    double ValleyLength = 0, ValleySlope = 0;
    int ReturnPeriod = 0;
    double RainN = 0, Rain100 = 0;
    ByN<double> RainByN{};
    double AreaL = 0, AreaR = 0;
    double SlopeL = 0, SlopeR = 0;
    double RoughnessL = 0, RoughnessR = 0;
    double CnL = 0, CnR = 0;
    int CnTypeL = 0, CnTypeR = 0;
    int DurationL = 0, DurationR = 0;
    double IntensityL = 0, IntensityR = 0;
    int RainDuration = 0;
    double RainIntensity = 0;
};

// Slope parameters derived from the inputs.
struct DerivedParams {
    double CnAdjL = 0, CnAdjR = 0;
    double RetentionL = 0, RetentionR = 0;
    double AbstractionExponent = 0; // Variant II
    double AbstractionFactor = 0;   // Variants II, III
    ByN<double> AbstractionExponentByN{}, AbstractionFactorByN{};
    double InitialLossL = 0, InitialLossR = 0;
    double NetRetentionL = 0, NetRetentionR = 0;
    ByN<double> InitialLossByNL{}, InitialLossByNR{};
    ByN<double> NetRetentionByNL{}, NetRetentionByNR{};
    double WidthL = 0, WidthR = 0;
    double FlowLengthL = 0, FlowLengthR = 0;
    double FlowCoefL = 0, FlowCoefR = 0;
};

// The rain selected last by SelectRainCoefficients.
struct RainState {
    double RainCoefficient = 0;
    double RainDepthExponent = 0;
    double RainIntensityExponent = 0;
    double RainFactor = 0;
};

// Values of the last trial of a critical-duration search.
struct TrialValues {
    double TrialExcessIntensityL = 0, TrialEquilibriumIntensityL = 0;
    double TrialExcessIntensityR = 0, TrialEquilibriumIntensityR = 0;
};

// Variant I result set: arrays over the return periods (index 1..5).
// Volumes are in m³ and are never scaled in place; the result tables scale
// copies for display.
struct VariantIResults {
    double TotalArea = 0;
    ByN<double> TrialRainDepth{};

    ByN<int> CriticalDurationL{}, CriticalDurationR{};
    ByN<double> CriticalIntensityL{}, CriticalIntensityR{};
    ByN<double> CriticalDepthL{}, CriticalDepthR{};
    ByN<int> CriticalPondingTimeL{}, CriticalPondingTimeR{};
    ByN<int> CriticalExcessDurationL{}, CriticalExcessDurationR{};
    ByN<double> CriticalRunoffDepthL{}, CriticalRunoffDepthR{};
    ByN<double> CriticalExcessIntensityL{}, CriticalExcessIntensityR{};

    ByN<int> RainDurationL{}, RainDurationR{}, RainDurationC{};
    ByN<double> RainIntensityL{}, RainIntensityR{}, RainIntensityC{};
    ByN<double> RainDepthL{}, RainDepthR{};
    ByN<int> PondingTimeL{}, PondingTimeR{};
    ByN<int> ExcessDurationL{}, ExcessDurationR{};
    ByN<double> RunoffDepthL{}, RunoffDepthR{};
    ByN<double> ExcessIntensityL{}, ExcessIntensityR{};
    ByN<int> EquilibriumTimeL{}, EquilibriumTimeR{};
    ByN<double> EquilibriumIntensityL{}, EquilibriumIntensityR{};
    ByN<double> VolumeDepthL{}, VolumeDepthR{};
    ByN<double> PeakIntensityL{}, PeakIntensityR{};
    ByN<double> PeakDischargeL{}, PeakDischargeR{}, PeakDischargeC{};
    ByN<int> RiseTimeL{}, RiseTimeR{}, RiseTimeC{};
    ByN<int> PlateauTimeL{}, PlateauTimeR{}, PlateauTimeC{};
    ByN<int> FallTimeL{}, FallTimeR{}, FallTimeC{};
    ByN<int> HydrographLengthL{}, HydrographLengthR{}, HydrographLengthC{};
    ByN<double> VolumeL{}, VolumeR{}, VolumeC{};
    ByN<int> ShapeNumeratorL{}, ShapeNumeratorR{};
    ByN<int> ShapeDivisorL{}, ShapeDivisorR{};

    ByN<double> DailyRunoffDepthL{}, DailyRunoffDepthR{};
    ByN<double> DailyVolumeL{}, DailyVolumeR{}, DailyVolumeC{};
    ByN<int> DailyRiseTimeL{}, DailyRiseTimeR{}, DailyRiseTimeC{};
    ByN<int> DailyPlateauTimeL{}, DailyPlateauTimeR{}, DailyPlateauTimeC{};
    ByN<int> DailyFallTimeL{}, DailyFallTimeR{}, DailyFallTimeC{};
    ByN<int> DailyHydrographLengthL{}, DailyHydrographLengthR{}, DailyHydrographLengthC{};
    ByN<int> DailyShapeNumeratorL{}, DailyShapeNumeratorR{};
    ByN<int> DailyShapeDivisorL{}, DailyShapeDivisorR{};
};

// Variant II/III result set (scalars). Volumes in m³, never scaled in place.
struct Variant23Results {
    double TotalArea = 0;
    int ReturnPeriodGroup = 1;
    double CritRainFactorL = 0, CritRainFactorR = 0;
    double CritIntensityExponentL = 0, CritIntensityExponentR = 0;

    int CritDurationL = 0, CritDurationR = 0;
    double CritIntensityL = 0, CritIntensityR = 0;
    double CritDepthL = 0, CritDepthR = 0;
    int CritPondingL = 0, CritPondingR = 0;
    int CritExcessDurationL = 0, CritExcessDurationR = 0;
    double CritRunoffL = 0, CritRunoffR = 0;
    double CritExcessIntensityL = 0, CritExcessIntensityR = 0;

    double DesignDepthL = 0, DesignDepthR = 0;
    int DesignPondingL = 0, DesignPondingR = 0;
    int DesignExcessDurationL = 0, DesignExcessDurationR = 0;
    double DesignRunoffL = 0, DesignRunoffR = 0;
    double DesignExcessIntensityL = 0, DesignExcessIntensityR = 0;
    int DesignEquilibriumTimeL = 0, DesignEquilibriumTimeR = 0;
    double DesignEquilibriumIntensityL = 0, DesignEquilibriumIntensityR = 0;
    double DesignVolumeDepthL = 0, DesignVolumeDepthR = 0;
    double DesignPeakIntensityL = 0, DesignPeakIntensityR = 0;
    double DesignPeakL = 0, DesignPeakR = 0, DesignPeakC = 0;
    double DesignVolumeL = 0, DesignVolumeR = 0, DesignVolumeC = 0;
    int DesignRiseL = 0, DesignRiseR = 0, DesignRiseC = 0;
    int DesignPlateauL = 0, DesignPlateauR = 0, DesignPlateauC = 0;
    int DesignFallL = 0, DesignFallR = 0, DesignFallC = 0;
    int DesignLengthL = 0, DesignLengthR = 0, DesignLengthC = 0;
    int DesignShapeNumeratorL = 0, DesignShapeNumeratorR = 0;
    int DesignShapeDivisorL = 0, DesignShapeDivisorR = 0;
};

// Reference arrays read from the table files of the data directory.
struct ReferenceTables {
    // [value column 1..10][row 0..579], text[8]
    std::array<std::array<std::string, 580>, 11> RainfallTable;
    std::array<unsigned char, 17> RoughnessMin{}, RoughnessMax{}; // rows 2..16
    // [soil group 1..7][row 0..52], text[10]
    std::array<std::array<std::string, 53>, 8> CurveNumberTable;
    std::array<std::string, 67> SoilUnitGroupsOriginal; // rows 3..66, text[8]
};

// The one program-wide state object.
struct AppState {
    std::string BaseDir;
    std::string ProjectDir;
    char InputDecimalSeparator = '.';
    char LocaleDecimalSeparator = '.';
    bool LastResultVariantI = false;
    bool TwoSlopes = false;
    bool HydrographFromDesignRain = true;

    ParTable Par;
    ReferenceTables Reference;
    Project CurrentProject;

    NumericInputs Inputs;
    DerivedParams Derived;
    RainState Rain;
    TrialValues Trial;
    VariantIResults VariantI;
    Variant23Results Variant23;
    // The warnings of the last computation; emptied when a computation starts.
    hydrim::Warnings Warnings;
};

// Empties the lookup-dialog entries of both slopes, restores the soil-unit
// groups from the table as read, and resets the path flags and station row.
void ResetProjectTables(LookupState& lookup, const ReferenceTables& reference);

// Decimal text of n, padded with a leading "0" to two characters ("5" -> "05").
std::string TwoDigits(int n);

// Cuts a text to at most n characters (characters, not bytes: texts are UTF-8).
std::string CutText(const std::string& text, size_t n);

} // namespace hydrim

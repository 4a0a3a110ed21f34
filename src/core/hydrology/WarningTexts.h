// The texts of the warnings of a computation and of the reasons added to a
// no-runoff message: every sentence the user reads about a doubtful result is
// worded here, in plain Czech, and nowhere in the formulas. Numbers are
// written with a decimal point, as the inputs are typed.
#pragma once

#include "core/project/Warning.h"

#include <string>
#include <vector>

namespace hydrim {

// Stable codes of the warnings, for scripts reading the command line's JSON.
inline const std::string HydrographVolumeCode = "hydrograph-volume";
inline const std::string DurationOverDayCode = "duration-over-day";
inline const std::string DepthOverDailyRainCode = "depth-over-daily-rain";
inline const std::string DesignRainCappedCode = "design-rain-capped";
inline const std::string ImplausibleInputCode = "implausible-input";
inline const std::string FallingRainfallCode = "rainfall-falling";
inline const std::string CatchmentPeakCode = "catchment-peak";

// What a result is about, as the sentences name it: the slope ("levý svah",
// "pravý svah", "svah" for the only slope) or the catchment ("povodí"), and
// the return period N [years] (0: none, as in Variant III).
struct WarningPlace {
    WarningSubject Subject = WarningSubject::None;
    bool TwoSlopes = false;
    int ReturnPeriod = 0;
};

// The subject as the sentences name it: "levý svah" ("svah" when it is the
// only slope), "pravý svah", "povodí", or nothing.
std::string SubjectName(WarningSubject subject, bool twoSlopes);

// Which hydrograph of a slope: of the design rain, or of the 1-day rainfall.
enum class HydrographKind { DesignRain, DailyRain };

// A drawn hydrograph whose volume [m3] differs from the runoff volume W
// [m3]. drawnPastEnd: the difference lies in the part drawn after the
// slope's own hydrograph ends (for the catchment: after the shorter
// slope's), pastEnd [m3], where the outputs continue it over the other
// slope's longer hydrograph; else the shape could not carry the volume.
Warning HydrographVolumeWarning(const WarningPlace& place, HydrographKind kind, double hydrographVolume,
                                double runoffVolume, bool drawnPastEnd = false, double pastEnd = 0);

// A catchment peak [m3/s] above the sum of its slopes' peaks [m3/s], which
// its hydrograph reaches at most.
Warning CatchmentPeakWarning(int returnPeriod, double catchmentPeak, double slopePeaks);

// A critical rain longer than one day [min].
Warning DurationOverDayWarning(const WarningPlace& place, int criticalDuration);

// A rain depth [mm] above the 1-day rainfall of its return period [mm];
// critical: the depth of the critical rain, else of the design rain.
Warning DepthOverDailyRainWarning(const WarningPlace& place, bool critical, double depth, double dailyRain);

// The design rains of one slope that the cap kept below the critical
// duration: per return period N [years], the critical duration tsk and the
// design rain ts [min] the slope's column of the tables shows.
struct CappedDesignRains {
    WarningSubject Subject = WarningSubject::None;
    std::vector<int> ReturnPeriods;
    std::vector<int> CriticalDurations;
    std::vector<int> DesignDurations;
};

// One note for the whole computation on the design rain capped at cap
// minutes, with the numbers of the tables for every slope and return period
// concerned. commonRainSearched: for two slopes of which only one was capped,
// the common design rain was searched between the other slope's critical
// duration and the cap. Subject and return period are those of the only
// slope and N concerned, else none.
Warning DesignRainCappedNote(const std::vector<CappedDesignRains>& slopes, bool twoSlopes, int cap,
                             bool commonRainSearched);

// An input far outside small-catchment practice: what it is (e.g. "sklon
// svahu"), its value and unit, and the usual range as text (e.g. "0.1 až 100 %").
Warning ImplausibleInputWarning(WarningSubject subject, bool twoSlopes, const std::string& what, double value,
                                const std::string& unit, const std::string& usualRange);

// 1-day rainfalls [mm] that fall as the return period grows: the rainfall
// of N years is below the one of the shorter period shorterN.
Warning FallingRainfallWarning(int shorterN, double shorterRain, int n, double rain);

// Second line of a no-runoff message: why no runoff was found and what to check.
// The rain of the longest trial duration [min] does not even exceed the
// initial abstraction Ia [mm].
std::string NoRunoffRainBelowLossReason(int longestDuration, double initialLoss);
// Rain exceeds the initial abstraction, but the slope does not reach
// equilibrium within the longest trial duration [min].
std::string NoRunoffNoEquilibriumReason(int longestDuration);
// The design rain ends before runoff starts (ponding time >= rain duration).
std::string NoRunoffDesignRainTooShortReason();

} // namespace hydrim

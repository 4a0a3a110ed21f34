#include "core/hydrology/WarningTexts.h"

#include "core/project/NumberChars.h"

#include <algorithm>
#include <cmath>

namespace hydrim {

namespace {

// A number with the given decimals and a decimal point, whatever the locale.
std::string Number(double value, int decimals) {
    char buffer[64];
    const auto [end, ec] =
        DoubleToChars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

// An input value as briefly as it reads: whole numbers and two decimals from
// 1 up, three significant digits below ("99999", "12.5", "0.001", "1e-08").
std::string InputValue(double value) {
    char buffer[64];
    const auto [end, ec] =
        std::fabs(value) >= 1.0
            ? DoubleToChars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2)
            : DoubleToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 3);
    if (ec != std::errc()) {
        return "?";
    }
    std::string text(buffer, end);
    if (std::fabs(value) >= 1.0) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

// "566, 473, 416"; with sameOnce, values that are all equal once ("300").
std::string Listed(const std::vector<int>& values, bool sameOnce) {
    const bool allSame =
        !values.empty() && std::all_of(values.begin(), values.end(), [&](int v) { return v == values[0]; });
    std::string text;
    for (size_t k = 0; k < (sameOnce && allSame ? 1 : values.size()); ++k) {
        text += (k > 0 ? ", " : "") + std::to_string(values[k]);
    }
    return text;
}

// "1 rok", "2 roky", "5 let".
std::string Years(int n) {
    const char* word = n == 1 ? "rok" : (n >= 2 && n <= 4 ? "roky" : "let");
    return std::to_string(n) + " " + word;
}

// "levý svah, N = 5 let" / "povodí" / "svah".
std::string PlaceText(const WarningPlace& place) {
    std::string text = SubjectName(place.Subject, place.TwoSlopes);
    if (place.ReturnPeriod > 0) {
        text += ", N = " + Years(place.ReturnPeriod);
    }
    return text;
}

Warning Make(const std::string& code, std::string message, WarningSubject subject, int returnPeriod) {
    return Warning{code, std::move(message), subject, returnPeriod};
}

} // namespace

std::string SubjectName(WarningSubject subject, bool twoSlopes) {
    switch (subject) {
    case WarningSubject::LeftSlope:
        return twoSlopes ? "levý svah" : "svah";
    case WarningSubject::RightSlope:
        return "pravý svah";
    case WarningSubject::Catchment:
        return "povodí";
    case WarningSubject::None:
        break;
    }
    return "";
}

Warning HydrographVolumeWarning(const WarningPlace& place, HydrographKind kind, double hydrographVolume,
                                double runoffVolume, bool drawnPastEnd, double pastEnd) {
    const double share =
        runoffVolume != 0.0 ? 100.0 * std::fabs(hydrographVolume / runoffVolume - 1.0) : 100.0;
    const std::string which =
        kind == HydrographKind::DesignRain ? "Hydrogram návrhového deště" : "Hydrogram 1denní srážky";
    const std::string cause =
        drawnPastEnd
            ? " Z toho " + Number(pastEnd, 0) + " m³ leží za koncem " +
                  (place.Subject == WarningSubject::Catchment ? "kratšího hydrogramu svahu"
                                                              : "hydrogramu svahu") +
                  ": graf a časové řady kreslí oba svahy po celé délce delšího z hydrogramů a kratší "
                  "pokračuje svou sestupnou větví. Průběh hydrogramu berte jen orientačně."
            : " Tvar hydrogramu nelze k objemu přizpůsobit; průběh hydrogramu berte jen orientačně.";
    return Make(HydrographVolumeCode,
                which + " (" + PlaceText(place) + ") nenese objem odtoku: objem pod hydrogramem je " +
                    Number(hydrographVolume, 0) + " m³, objem odtoku W je " + Number(runoffVolume, 0) +
                    " m³ (rozdíl " + Number(share, 0) + " %)." + cause,
                place.Subject, place.ReturnPeriod);
}

Warning CatchmentPeakWarning(int returnPeriod, double catchmentPeak, double slopePeaks) {
    return Make(CatchmentPeakCode,
                "Kulminační průtok povodí (N = " + Years(returnPeriod) + ") " + Number(catchmentPeak, 3) +
                    " m³/s je větší než součet kulminačních průtoků svahů " + Number(slopePeaks, 3) +
                    " m³/s, kterého dosahuje hydrogram povodí: při hledání společného deště byl jeden svah "
                    "počítán jako neustálený, ač ustáleného stavu dosáhl.",
                WarningSubject::Catchment, returnPeriod);
}

Warning DurationOverDayWarning(const WarningPlace& place, int criticalDuration) {
    return Make(DurationOverDayCode,
                "Kritická doba deště (" + PlaceText(place) + ") je " + std::to_string(criticalDuration) +
                    " min, déle než 1 den (1440 min). Redukce 1denní srážky platí jen do 1 dne; "
                    "hodnoty pro tento déšť jsou extrapolované.",
                place.Subject, place.ReturnPeriod);
}

Warning DepthOverDailyRainWarning(const WarningPlace& place, bool critical, double depth, double dailyRain) {
    const std::string which = critical ? "Úhrn deště kritické doby" : "Úhrn návrhového deště";
    return Make(DepthOverDailyRainCode,
                which + " (" + PlaceText(place) + ") je " + Number(depth, 1) +
                    " mm, více než 1denní srážka " + Number(dailyRain, 1) +
                    " mm. Redukce srážky je tu použita mimo svou platnost; hodnoty jsou extrapolované.",
                place.Subject, place.ReturnPeriod);
}

Warning DesignRainCappedNote(const std::vector<CappedDesignRains>& slopes, bool twoSlopes, int cap,
                             bool commonRainSearched) {
    std::string message = "Návrhový déšť je omezen na nejvýše " + std::to_string(cap) +
                          " min, kritická doba deště tsk je ale delší: ";
    WarningSubject subject = WarningSubject::None;
    std::vector<int> periods;
    for (size_t s = 0; s < slopes.size(); ++s) {
        const CappedDesignRains& slope = slopes[s];
        subject = s == 0 ? slope.Subject : WarningSubject::None;
        periods.insert(periods.end(), slope.ReturnPeriods.begin(), slope.ReturnPeriods.end());
        message += (s > 0 ? "; " : "") + SubjectName(slope.Subject, twoSlopes) +
                   " má pro N = " + Listed(slope.ReturnPeriods, false) +
                   " let tsk = " + Listed(slope.CriticalDurations, false) +
                   " min a návrhový déšť ts = " + Listed(slope.DesignDurations, true) + " min";
    }
    message += ".";
    if (commonRainSearched) {
        message += " Společný návrhový déšť obou svahů se hledá mezi kritickou dobou deště druhého svahu a " +
                   std::to_string(cap) + " min.";
    }
    message +=
        " Při návrhovém dešti kratším než tsk svah nedosáhne ustáleného odtoku: jeho kulminační průtok "
        "Qmax je spočten pro neustálený odtok a hodnoty kritického deště (tsk až Hok) platí pro delší "
        "déšť, než je návrhový.";
    const bool onePeriod =
        std::all_of(periods.begin(), periods.end(), [&](int n) { return n == periods[0]; });
    Warning note = Make(DesignRainCappedCode, std::move(message), subject,
                        !periods.empty() && onePeriod ? periods[0] : 0);
    note.Severity = WarningSeverity::Note;
    return note;
}

Warning ImplausibleInputWarning(WarningSubject subject, bool twoSlopes, const std::string& what, double value,
                                const std::string& unit, const std::string& usualRange) {
    const std::string whose =
        subject == WarningSubject::None ? "" : " (" + SubjectName(subject, twoSlopes) + ")";
    return Make(ImplausibleInputCode,
                "Neobvyklé zadání" + whose + ": " + what + " " + InputValue(value) +
                    (unit.empty() ? "" : " ") + unit + " je mimo rozsah obvyklý na malých povodích (" +
                    usualRange + "). Výpočet proběhl, výsledky ale ověřte.",
                subject, 0);
}

Warning FallingRainfallWarning(int shorterN, double shorterRain, int n, double rain) {
    return Make(FallingRainfallCode,
                "1denní srážka pro N = " + Years(n) + " (" + Number(rain, 1) +
                    " mm) je menší než pro N = " + Years(shorterN) + " (" + Number(shorterRain, 1) +
                    " mm); se vzrůstající dobou opakování má srážka růst. Zkontrolujte zadané srážky.",
                WarningSubject::None, n);
}

std::string NoRunoffRainBelowLossReason(int longestDuration, double initialLoss) {
    return "Příčina: ani déšť trvající " + std::to_string(longestDuration) +
           " min nepřekročí počáteční ztrátu Ia = " + Number(initialLoss, 1) +
           " mm. Zkontrolujte číslo CN, typ křivky CN a 1denní srážky.";
}

std::string NoRunoffNoEquilibriumReason(int longestDuration) {
    return "Příčina: odtok na svahu nedosáhne ustáleného stavu ani při dešti trvajícím " +
           std::to_string(longestDuration) +
           " min – svah je pro zadané hodnoty příliš drsný, plochý nebo dlouhý. "
           "Zkontrolujte drsnost, sklon svahu, plochu a délku údolnice.";
}

std::string NoRunoffDesignRainTooShortReason() {
    return "Příčina: návrhový déšť skončí dříve, než se na svahu začne tvořit odtok (doba do vzniku odtoku "
           "není kratší než doba deště). Zkontrolujte číslo CN, srážky a dobu nebo intenzitu deště.";
}

} // namespace hydrim

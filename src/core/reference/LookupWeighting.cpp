#include "core/reference/LookupWeighting.h"

#include "core/reference/LookupEntry.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace hydrim {

namespace {

LookupOutcome Failure(LookupStatus status, int row = 0) {
    LookupOutcome outcome;
    outcome.status = status;
    outcome.row = row;
    return outcome;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A row's area with its weight, ready for summing.
struct Weighted {
    double weight;
    double area;
};

// Sums the areas and forms sum(weight·area/T), each term divided by T in row
// order as the dialogs always did, so results match to the last digit.
LookupOutcome WeightedMean(const std::vector<Weighted>& terms) {
    double total = 0;
    for (const Weighted& term : terms) {
        total += term.area;
    }
    if (total == 0) {
        return Failure(LookupStatus::ZeroArea);
    }
    LookupOutcome outcome;
    for (const Weighted& term : terms) {
        outcome.value += term.weight * term.area / total;
    }
    return outcome;
}

} // namespace

int SoilGroupCategory(double m) {
    const double n = std::nearbyint(100.0 * m);
    static constexpr std::array<int, 6> upperBounds = {125, 175, 225, 275, 325, 375};
    for (size_t i = 0; i < upperBounds.size(); ++i) {
        if (n <= upperBounds[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return 7;
}

std::optional<double> SoilUnitGroupWeight(const std::string& group) {
    static const std::array<std::pair<const char*, double>, 7> weights = {{
        {"A", 1.0},
        {"A - B", 1.5},
        {"B", 2.0},
        {"B - C", 2.5},
        {"C", 3.0},
        {"C - D", 3.5},
        {"D", 4.0},
    }};
    const std::string text = Trimmed(group);
    for (const auto& [name, weight] : weights) {
        if (text == name) {
            return weight;
        }
    }
    return std::nullopt;
}

bool SoilGroupNeedsDecision(const std::string& group) {
    return group.find('(') != std::string::npos;
}

std::string SoilGroupLetters(const std::string& group) {
    std::string letters;
    for (char letter : std::string("ABCD")) {
        if (group.find(letter) != std::string::npos) {
            letters += letter;
        }
    }
    return letters;
}

LookupOutcome SoilGroupFromAreas(const std::array<std::string, 4>& areasAtoD) {
    std::vector<Weighted> terms;
    for (size_t i = 0; i < areasAtoD.size(); ++i) {
        if (areasAtoD[i].empty()) {
            continue;
        }
        const std::optional<double> area = ParseDecimalText(areasAtoD[i]);
        if (!area) {
            return Failure(LookupStatus::InvalidNumber, static_cast<int>(i) + 2);
        }
        terms.push_back({static_cast<double>(i + 1), *area});
    }
    LookupOutcome outcome = WeightedMean(terms);
    if (outcome.ok()) {
        outcome.category = SoilGroupCategory(outcome.value);
    }
    return outcome;
}

namespace {

// Walks the rows with an area and weights each by the number its value stands
// for; a row whose value stands for none fails with missingStatus.
template <typename WeightOf>
LookupOutcome WeightRowsByArea(const std::vector<AreaRow>& rows, WeightOf weightOf,
                               LookupStatus missingStatus) {
    std::vector<Weighted> terms;
    for (const AreaRow& row : rows) {
        if (row.area.empty()) {
            continue;
        }
        const std::optional<double> area = ParseDecimalText(row.area);
        if (!area) {
            return Failure(LookupStatus::InvalidNumber, row.row);
        }
        const std::optional<double> weight = weightOf(row.value);
        if (!weight) {
            return Failure(missingStatus, row.row);
        }
        terms.push_back({*weight, *area});
    }
    return WeightedMean(terms);
}

} // namespace

LookupOutcome SoilGroupFromUnits(const std::vector<AreaRow>& rows) {
    LookupOutcome outcome = WeightRowsByArea(rows, SoilUnitGroupWeight, LookupStatus::MissingGroup);
    if (outcome.ok()) {
        outcome.category = SoilGroupCategory(outcome.value);
    }
    return outcome;
}

LookupOutcome WeightedCurveNumber(const std::vector<AreaRow>& rows) {
    return WeightRowsByArea(
        rows, [](const std::string& value) { return ParseDecimalText(Trimmed(value)); },
        LookupStatus::MissingCurveNumber);
}

LookupOutcome WeightedRoughness(const std::vector<AreaRow>& rows) {
    std::vector<Weighted> terms;
    for (const AreaRow& row : rows) {
        if (row.area.empty() || row.value.empty()) {
            continue;
        }
        const std::optional<double> area = ParseDecimalText(row.area);
        const std::optional<double> value = ParseDecimalText(row.value);
        if (!area || !value) {
            return Failure(LookupStatus::InvalidNumber, row.row);
        }
        terms.push_back({*value, *area});
    }
    return WeightedMean(terms);
}

namespace {

// An area for a message: three decimals at most, no trailing zeros.
std::string AreaText(double area) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", area);
    std::string text = buffer;
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string AreaSumWarning(const std::vector<std::string>& areas, const std::string& slopeArea) {
    const std::optional<double> slope = ParseDecimalText(Trimmed(slopeArea));
    double sum = 0;
    for (const std::string& area : areas) {
        sum += ParseDecimalText(Trimmed(area)).value_or(0.0);
    }
    if (!slope || *slope <= 0 || sum <= 0 || std::abs(sum - *slope) <= 0.01 * *slope) {
        return {};
    }
    return "Součet zadaných ploch (" + AreaText(sum) + " km²) neodpovídá ploše svahu (" + AreaText(*slope) +
           " km²). Zkontrolujte plochy: výsledek je jejich váženým průměrem.";
}

std::string LookupFailureMessage(const LookupOutcome& outcome, const std::string& rowName) {
    switch (outcome.status) {
    case LookupStatus::Ok:
        return {};
    case LookupStatus::MissingCurveNumber:
        return "Řádek „" + rowName + "“ nemá v tabulce číslo CN, plochu u něj nelze započítat.";
    case LookupStatus::MissingGroup:
        return "Půdní jednotka " + rowName +
               " nemá určenou hydrologickou skupinu půd. Vyberte skupinu, nebo plochu této jednotky smažte.";
    case LookupStatus::ZeroArea:
    case LookupStatus::InvalidNumber:
        break;
    }
    return WrongInputMessage;
}

std::string SoilUnitAreaRefusal(const std::string& group, const std::string& unitName) {
    if (SoilUnitGroupWeight(group)) {
        return {};
    }
    if (SoilGroupNeedsDecision(group)) {
        return UndecidedGroupMessage;
    }
    return "Půdní jednotka " + unitName +
           " nemá v tabulce uvedenou hydrologickou skupinu půd, plochu u ní nelze zadat.";
}

} // namespace hydrim

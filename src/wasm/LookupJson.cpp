#include "wasm/LookupJson.h"

#include "core/project/FieldLimits.h"
#include "core/reference/LookupEntry.h"
#include "core/reference/LookupRainfall.h"
#include "core/reference/LookupWeighting.h"

#include <array>
#include <vector>

namespace hydrim::wasm {
namespace {

using json = nlohmann::json;
using ordered = nlohmann::ordered_json;

// The smallest roughness γ [s] the roughness dialog inserts.
constexpr double SmallestRoughness = 1.0;

const char* StatusName(LookupStatus status) {
    switch (status) {
    case LookupStatus::ZeroArea:
        return "zeroArea";
    case LookupStatus::InvalidNumber:
        return "invalidNumber";
    case LookupStatus::MissingGroup:
        return "missingGroup";
    case LookupStatus::MissingCurveNumber:
        return "missingCurveNumber";
    case LookupStatus::Ok:
        break;
    }
    return "ok";
}

std::vector<AreaRow> AreaRows(const json& rows) {
    std::vector<AreaRow> out;
    for (const json& row : rows) {
        out.push_back(
            {row.value("row", 0), row.value("value", std::string()), row.value("area", std::string())});
    }
    return out;
}

std::string RowName(const json& request, int row) {
    for (const json& entry : request.value("rows", json::array())) {
        if (entry.value("row", 0) == row) {
            return entry.value("name", std::string());
        }
    }
    return {};
}

} // namespace

ordered LookupJson(const json& request) {
    const std::string kind = request.value("kind", std::string());
    LookupOutcome outcome;
    double smallest = 0;
    if (kind == "soilGroupAreas") {
        outcome = SoilGroupFromAreas(request.at("areas").get<std::array<std::string, 4>>());
    } else if (kind == "soilUnits") {
        outcome = SoilGroupFromUnits(AreaRows(request.at("rows")));
    } else if (kind == "roughness") {
        outcome = WeightedRoughness(AreaRows(request.at("rows")));
        smallest = SmallestRoughness;
    } else {
        outcome = WeightedCurveNumber(AreaRows(request.at("rows")));
        smallest = CurveNumberLimits.Low;
    }
    ordered reply = {{"status", StatusName(outcome.status)},
                     {"value", outcome.value},
                     {"text", outcome.ok() ? FormatLookupResult(outcome.value) : std::string()},
                     {"category", outcome.category},
                     {"row", outcome.row},
                     {"insertable", outcome.ok() && outcome.value >= smallest},
                     {"message", LookupFailureMessage(outcome, RowName(request, outcome.row))}};
    if (const auto slopeArea = request.find("slopeArea"); slopeArea != request.end()) {
        std::vector<std::string> areas;
        if (kind == "soilGroupAreas") {
            areas = request.at("areas").get<std::vector<std::string>>();
        } else {
            for (const AreaRow& row : AreaRows(request.at("rows"))) {
                areas.push_back(row.area);
            }
        }
        reply["areaWarning"] = AreaSumWarning(areas, slopeArea->get<std::string>());
    }
    return reply;
}

ordered LookupCellJson(const json& request) {
    const std::string kind = request.value("kind", std::string());
    const std::string text = request.value("text", std::string());
    if (kind != "roughnessFinished") {
        return {{"text", CorrectAreaText(text)}, {"message", ""}};
    }
    const int minimum = request.value("minimum", 0);
    const int maximum = request.value("maximum", 0);
    const std::string finished = FinishRoughnessText(text, minimum, maximum);
    std::string message;
    if (finished != text) {
        message = OutOfRangeMessage + "\n\nDruh povrchu: " + request.value("surface", std::string()) +
                  ", třída " + request.value("class", std::string()) + "\nZadaná hodnota: " + text +
                  "\nPřípustné hodnoty: " + std::to_string(minimum) + " až " + std::to_string(maximum) +
                  "\nNová hodnota: " + finished;
    }
    return {{"text", finished}, {"message", message}};
}

ordered FindStationJson(const json& request) {
    const auto names = request.value("names", std::vector<std::string>());
    return {{"row", FindStationRow(names, request.value("typed", std::string()))}};
}

ordered SoilUnitAreaJson(const json& request) {
    const std::string group = request.value("group", std::string());
    return {{"message", SoilUnitAreaRefusal(group, request.value("unit", std::string()))},
            {"decide", SoilGroupNeedsDecision(group)},
            {"letters", SoilGroupLetters(group)}};
}

} // namespace hydrim::wasm

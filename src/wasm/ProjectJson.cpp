#include "wasm/ProjectJson.h"

#include "core/project/ProjectFile.h"

namespace hydrim::wasm {
namespace {

using json = nlohmann::json;
using ordered = nlohmann::ordered_json;

// Reads member name of object into value when it is there; a member of the
// wrong type or length throws json's own exceptions, caught below.
template <typename T> void Read(const json& object, const char* name, T& value) {
    const auto found = object.find(name);
    if (found != object.end()) {
        value = found->get<T>();
    }
}

template <typename T, size_t N>
void ReadArray(const json& array, std::array<T, N>& values, const char* name) {
    if (!array.is_array() || array.size() != N) {
        throw std::invalid_argument(std::string(name) + ": " + std::to_string(N) + " položek");
    }
    for (size_t i = 0; i < N; ++i) {
        if constexpr (std::is_same_v<T, std::string>) {
            values[i] = array[i].get<std::string>();
        } else {
            ReadArray(array[i], values[i], name);
        }
    }
}

template <typename T, size_t N>
void ReadMember(const json& object, const char* name, std::array<T, N>& values) {
    const auto found = object.find(name);
    if (found != object.end()) {
        ReadArray(*found, values, name);
    }
}

ordered LookupToJson(const LookupState& lookup) {
    return {{"roughnessInputs", lookup.RoughnessInputs},
            {"roughnessClasses", lookup.RoughnessClasses},
            {"soilGroupAreas", lookup.SoilGroupAreas},
            {"soilUnitAreas", lookup.SoilUnitAreas},
            {"soilUnitGroups", lookup.SoilUnitGroups},
            {"landUseAreas", lookup.LandUseAreas},
            {"rainfallStationRow", lookup.RainfallStationRow},
            {"soilGroupByFiltration", lookup.SoilGroupByFiltration},
            {"leftSoilGroupByFiltration", lookup.LeftSoilGroupByFiltration},
            {"rightSoilGroupByFiltration", lookup.RightSoilGroupByFiltration},
            {"dialogForLeftSlope", lookup.DialogForLeftSlope}};
}

void LookupFromJson(const json& object, LookupState& lookup) {
    ReadMember(object, "roughnessInputs", lookup.RoughnessInputs);
    ReadMember(object, "roughnessClasses", lookup.RoughnessClasses);
    ReadMember(object, "soilGroupAreas", lookup.SoilGroupAreas);
    ReadMember(object, "soilUnitAreas", lookup.SoilUnitAreas);
    ReadMember(object, "soilUnitGroups", lookup.SoilUnitGroups);
    ReadMember(object, "landUseAreas", lookup.LandUseAreas);
    Read(object, "rainfallStationRow", lookup.RainfallStationRow);
    Read(object, "soilGroupByFiltration", lookup.SoilGroupByFiltration);
    Read(object, "leftSoilGroupByFiltration", lookup.LeftSoilGroupByFiltration);
    Read(object, "rightSoilGroupByFiltration", lookup.RightSoilGroupByFiltration);
    Read(object, "dialogForLeftSlope", lookup.DialogForLeftSlope);
}

void CheckItem(int item, int low, int high, const char* name) {
    if (item < low || item > high) {
        throw std::invalid_argument(std::string(name) + " mimo rozsah " + std::to_string(low) + " až " +
                                    std::to_string(high));
    }
}

} // namespace

ordered ProjectToJson(const Project& project) {
    const ProjectTexts& texts = project.Texts;
    return {{"description", texts.Description},
            {"catchmentType", texts.CatchmentType},
            {"variant", texts.Variant},
            {"returnPeriodItem", texts.ReturnPeriodItem},
            {"cnTypeItemL", texts.CnTypeItemL},
            {"cnTypeItemR", texts.CnTypeItemR},
            {"edit", texts.Edit},
            {"rainfall",
             {{"texts", project.Rainfall.Texts}, {"returnPeriodIndex", project.Rainfall.ReturnPeriodIndex}}},
            {"lookup", LookupToJson(project.Lookup)},
            {"chartTitle1", project.ChartTitle1},
            {"chartTitle2", project.ChartTitle2}};
}

bool ProjectFromJson(const json& object, Project& project, std::string& error) {
    if (!object.is_object()) {
        error = "Projekt není objekt JSON.";
        return false;
    }
    Project read = project;
    try {
        ProjectTexts& texts = read.Texts;
        Read(object, "description", texts.Description);
        Read(object, "catchmentType", texts.CatchmentType);
        Read(object, "variant", texts.Variant);
        Read(object, "returnPeriodItem", texts.ReturnPeriodItem);
        Read(object, "cnTypeItemL", texts.CnTypeItemL);
        Read(object, "cnTypeItemR", texts.CnTypeItemR);
        CheckItem(texts.CatchmentType, -1, 1, "catchmentType");
        CheckItem(texts.Variant, -1, 2, "variant");
        CheckItem(texts.ReturnPeriodItem, -1, 5, "returnPeriodItem");
        CheckItem(texts.CnTypeItemL, -1, 2, "cnTypeItemL");
        CheckItem(texts.CnTypeItemR, -1, 2, "cnTypeItemR");
        ReadMember(object, "edit", texts.Edit);
        if (const auto rainfall = object.find("rainfall"); rainfall != object.end()) {
            ReadMember(*rainfall, "texts", read.Rainfall.Texts);
            Read(*rainfall, "returnPeriodIndex", read.Rainfall.ReturnPeriodIndex);
            CheckItem(read.Rainfall.ReturnPeriodIndex, -1, 5, "rainfall.returnPeriodIndex");
        }
        if (const auto lookup = object.find("lookup"); lookup != object.end()) {
            LookupFromJson(*lookup, read.Lookup);
        }
        Read(object, "chartTitle1", read.ChartTitle1);
        Read(object, "chartTitle2", read.ChartTitle2);
    } catch (const std::exception& problem) {
        error = std::string("Chybný projekt: ") + problem.what();
        return false;
    }
    read.Filled = DeriveFilledInputs(read);
    project = std::move(read);
    return true;
}

} // namespace hydrim::wasm

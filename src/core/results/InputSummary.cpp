#include "core/results/InputSummary.h"

#include "core/hydrology/TextNumbers.h"
#include "core/project/ProjectData.h"
#include "core/reference/LookupRainfall.h"
#include "core/reference/LookupWeighting.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/RoughnessClasses.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace hydrim {
namespace {

constexpr int RightSlope = 0, LeftSlope = 1;
const std::array<const char*, 8> SoilGroupNames = {"", "A", "A - B", "B", "B - C", "C", "C - D", "D"};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        const std::string trimmed = Trimmed(part);
        if (!trimmed.empty()) {
            text += (text.empty() ? "" : ", ") + trimmed;
        }
    }
    return text;
}

std::string OrDash(const std::string& text) {
    const std::string trimmed = Trimmed(text);
    return trimmed.empty() ? "–" : trimmed;
}

std::string TwoDecimals(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

std::string RowName(const std::vector<std::string>& names, int row) {
    const auto index = static_cast<size_t>(row);
    return index < names.size() && !names[index].empty() ? names[index] : "řádek " + std::to_string(row);
}

// "name: value, plocha area km²" for each row of a lookup grid with an area.
template <size_t Rows>
std::vector<std::string> AreaNotes(const std::array<std::string, Rows>& areas,
                                   const std::array<std::string, Rows>* values, const std::string& valueName,
                                   const std::vector<std::string>& names, int first, int last) {
    std::vector<std::string> notes;
    for (int row = first; row <= last; ++row) {
        const std::string area = Trimmed(areas[static_cast<size_t>(row)]);
        if (area.empty()) {
            continue;
        }
        std::string note = "  " + RowName(names, row) + ": ";
        if (values) {
            note += valueName + " " + OrDash((*values)[static_cast<size_t>(row)]) + ", ";
        }
        notes.push_back(note + "plocha " + area + " km²");
    }
    return notes;
}

void Append(std::vector<std::string>& notes, const std::string& heading, const std::vector<std::string>& rows,
            const std::string& outcome) {
    if (rows.empty()) {
        return;
    }
    notes.push_back(heading + (outcome.empty() ? std::string() : " (" + outcome + ")") + ":");
    notes.insert(notes.end(), rows.begin(), rows.end());
}

std::vector<AreaRow> AreaRows(const std::array<std::string, 17>& values,
                              const std::array<std::string, 17>& areas) {
    std::vector<AreaRow> rows;
    for (int row = 2; row <= 16; ++row) {
        rows.push_back({row, values[static_cast<size_t>(row)], areas[static_cast<size_t>(row)]});
    }
    return rows;
}

std::string SoilGroupOutcome(const LookupOutcome& outcome) {
    if (!outcome.ok() || outcome.category < 1 || outcome.category > 7) {
        return {};
    }
    return "vychází skupina " + std::string(SoilGroupNames[static_cast<size_t>(outcome.category)]);
}

// The lookup entries behind the roughness, the soil group and the curve
// number of one slope.
std::vector<std::string> LookupNotes(const LookupState& lookup, int slope, const LookupRowNames& names) {
    std::vector<std::string> notes;
    const auto& roughness = lookup.RoughnessInputs[static_cast<size_t>(slope)];
    const LookupOutcome weighted = WeightedRoughness(AreaRows(roughness[0], roughness[1]));
    Append(notes, "Drsnost jako plošně vážený průměr podle druhu povrchu",
           AreaNotes(roughness[1], &roughness[0], "γ", names.Roughness, 2, 16),
           weighted.ok() ? "γ = " + TwoDecimals(weighted.value) + " s" : std::string());

    const bool byGroups =
        slope == LeftSlope ? lookup.LeftSoilGroupByFiltration : lookup.RightSoilGroupByFiltration;
    const auto slopeIndex = static_cast<size_t>(slope);
    if (byGroups) {
        const auto& areas = lookup.SoilGroupAreas[slopeIndex];
        const std::array<std::string, 4> atoD = {areas[2], areas[3], areas[4], areas[5]};
        Append(notes, "Hydrologická skupina půd z ploch skupin",
               AreaNotes(areas, static_cast<const std::array<std::string, 6>*>(nullptr), "",
                         {"", "", "A", "B", "C", "D"}, 2, 5),
               SoilGroupOutcome(SoilGroupFromAreas(atoD)));
    } else {
        std::vector<AreaRow> rows;
        for (int row = 3; row <= 66; ++row) {
            rows.push_back({row, lookup.SoilUnitGroups[slopeIndex][static_cast<size_t>(row)],
                            lookup.SoilUnitAreas[slopeIndex][static_cast<size_t>(row)]});
        }
        Append(notes, "Hydrologická skupina půd z půdních jednotek",
               AreaNotes(lookup.SoilUnitAreas[slopeIndex], &lookup.SoilUnitGroups[slopeIndex], "skupina",
                         names.SoilUnit, 3, 66),
               SoilGroupOutcome(SoilGroupFromUnits(rows)));
    }
    Append(notes, "Číslo CN jako plošně vážený průměr podle druhu pozemku",
           AreaNotes(lookup.LandUseAreas[slopeIndex],
                     static_cast<const std::array<std::string, 53>*>(nullptr), "", names.LandUse, 2, 52),
           "");
    if (notes.empty()) {
        notes.push_back("Hodnoty zadány přímo, bez pomocných tabulek.");
    }
    return notes;
}

InputBlock SlopeBlock(const Project& project, bool left, bool twoSlopes, const LookupRowNames& names) {
    const ProjectTexts& texts = project.Texts;
    const int variant = texts.Variant;
    auto edit = [&texts](int k) { return OrDash(texts.Edit[static_cast<size_t>(k)]); };
    const int offset = left ? 0 : EditAreaR - EditAreaL;
    const int curveType = left ? texts.CnTypeItemL : texts.CnTypeItemR;
    InputBlock block;
    block.Heading = !twoSlopes ? "Svah" : left ? "Levý svah" : "Pravý svah";
    block.Lines = {{"Plocha svahu", edit(EditAreaL + offset), "km²"},
                   {"Sklon svahu", edit(EditSlopeL + offset), "%"},
                   {"Drsnost γ", edit(EditRoughnessL + offset), "s"},
                   {"Typ CN křivky (skupina předchozích vláhových podmínek)",
                    curveType >= 0 ? std::to_string(curveType + 1) : "–", ""},
                   {"Číslo CN křivky", edit(EditCnL + offset), ""}};
    if (variant >= 1) {
        block.Lines.push_back({"Doba trvání deště", edit(EditDurationL + offset), "min"});
    }
    if (variant == 2) {
        block.Lines.push_back({"Intenzita deště", edit(EditIntensityL + offset), "mm/min"});
    }
    block.Notes = LookupNotes(project.Lookup, left ? LeftSlope : RightSlope, names);
    return block;
}

InputBlock CatchmentBlock(const Project& project) {
    const ProjectTexts& texts = project.Texts;
    auto edit = [&texts](int k) { return OrDash(texts.Edit[static_cast<size_t>(k)]); };
    InputBlock block;
    block.Heading = "Povodí a srážky";
    block.Lines = {{"Délka údolnice", edit(EditValleyLength), "km"},
                   {"Sklon údolnice", edit(EditValleySlope), "%"}};
    const std::string rain = "1-denní maximální srážkový úhrn pro N = ";
    if (texts.Variant == 0) {
        const std::array<std::pair<int, const char*>, 5> fields = {{{EditRainN, "5"},
                                                                    {EditRain10, "10"},
                                                                    {EditRain20, "20"},
                                                                    {EditRain50, "50"},
                                                                    {EditRain100, "100"}}};
        for (const auto& [k, n] : fields) {
            block.Lines.push_back({rain + n + " let", edit(k), "mm"});
        }
    } else if (texts.Variant == 1) {
        const int item = texts.ReturnPeriodItem;
        const std::string n =
            item >= 0 && item <= 5 ? std::to_string(ReturnPeriodItems[static_cast<size_t>(item)]) : "–";
        block.Lines.push_back({"Doba opakování N", n, "roky"});
        block.Lines.push_back({rain + n + " let", edit(EditRainN), "mm"});
        block.Lines.push_back({rain + "100 let", edit(EditRain100), "mm"});
    }
    return block;
}

// The input fields the rainfall dialog fills, in the order of its value
// columns (RainfallDialogColumns).
std::vector<int> RainfallFields(int variant) {
    if (variant == 0) {
        return {EditRainN, EditRain10, EditRain20, EditRain50, EditRain100};
    }
    return {EditRainN, EditRain100};
}

} // namespace

std::string RainfallSource(const Project& project, const LookupRowNames& names) {
    const ProjectTexts& texts = project.Texts;
    if (texts.Variant != 0 && texts.Variant != 1) {
        return {};
    }
    const std::string typed = "zadáno uživatelem";
    const int row = project.Lookup.RainfallStationRow;
    if (row < 1 || row >= static_cast<int>(names.Stations.size())) {
        return typed;
    }
    const StationRow& station = names.Stations[static_cast<size_t>(row)];
    const std::vector<int> columns = RainfallDialogColumns(texts.Variant, texts.ReturnPeriodItem);
    const std::vector<int> fields = RainfallFields(texts.Variant);
    if (Trimmed(station.Name).empty()) {
        return typed;
    }
    for (size_t k = 0; k < fields.size(); ++k) {
        const int column = columns[k];
        const std::string& value = station.Values[static_cast<size_t>(std::clamp(column, 0, 10))];
        const std::string& field = texts.Edit[static_cast<size_t>(fields[k])];
        if (column < 1 || Trimmed(value).empty() || TextToReal(value) != TextToReal(field)) {
            return typed;
        }
    }
    return Trimmed(station.Name);
}

LookupRowNames ReadLookupRowNames(const std::string& dataDir) {
    ReferenceTables reference;
    LookupRowNames names;
    // A class is named whole: the description of its group, the class and its range.
    for (const std::string& key : RoughnessClassKeysOf(ReadRoughnessTable(dataDir, reference).Grid)) {
        names.Roughness.push_back(key.empty() ? std::string() : RoughnessClassName(key));
    }
    // A land use names its kind only on its first row; the rows below add
    // the way of tillage and the hydrologic condition.
    std::string kind;
    for (const auto& row : ReadCurveNumberTable(dataDir, reference).Grid.Cells) {
        if (!row.empty() && !Trimmed(row[0]).empty()) {
            kind = Trimmed(row[0]);
        }
        names.LandUse.push_back(row.size() < 3 ? std::string() : Joined({kind, row[1], row[2]}));
    }
    for (const auto& row : ReadSoilUnitTable(dataDir, reference).Grid.Cells) {
        names.SoilUnit.push_back(row.size() < 2 ? std::string() : Joined({"HPJ " + Trimmed(row[0]), row[1]}));
    }
    const TableGrid stations = ReadRainfallTable(dataDir, reference).Grid;
    for (size_t row = 0; row < stations.Cells.size(); ++row) {
        StationRow station{stations.cell(row, 1), {}};
        for (size_t k = 1; k <= 10; ++k) {
            station.Values[k] = reference.RainfallTable[k][row];
        }
        names.Stations.push_back(station);
    }
    return names;
}

std::vector<InputLine> IdentificationLines(const ProjectTexts& texts) {
    const std::array<const char*, 4> captions = {"Identifikační číslo", "Tok", "Závěrový profil", "Lokalita"};
    std::vector<InputLine> lines;
    for (int k = EditIdentificationFirst; k <= EditIdentificationLast; ++k) {
        lines.push_back({captions[static_cast<size_t>(k - EditIdentificationFirst)],
                         OrDash(texts.Edit[static_cast<size_t>(k)]), ""});
    }
    return lines;
}

std::vector<InputBlock> SummarizeInputs(const Project& project, const LookupRowNames& names) {
    const ProjectTexts& texts = project.Texts;
    const bool twoSlopes = HasTwoSlopes(texts);
    const std::array<const char*, 3> variants = {"Varianta I", "Varianta II", "Varianta III"};
    InputBlock computation;
    computation.Heading = "Výpočet";
    computation.Lines = {
        {"Typ povodí", twoSlopes ? "Dva svahy" : "Jeden svah", ""},
        {"Varianta výpočtu",
         texts.Variant >= 0 && texts.Variant <= 2 ? variants[static_cast<size_t>(texts.Variant)] : "–", ""}};
    InputBlock catchment = CatchmentBlock(project);
    if (const std::string source = RainfallSource(project, names); !source.empty()) {
        catchment.Lines.push_back({"Zdroj 1-denních srážkových úhrnů", source, ""});
    }
    std::vector<InputBlock> blocks = {computation, catchment};
    blocks.push_back(SlopeBlock(project, true, twoSlopes, names));
    if (twoSlopes) {
        blocks.push_back(SlopeBlock(project, false, twoSlopes, names));
    }
    return blocks;
}

} // namespace hydrim

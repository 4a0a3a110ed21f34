#include "core/project/ProjectData.h"

namespace hydrim {

bool HasTwoSlopes(const ProjectTexts& texts) {
    return texts.CatchmentType == 1;
}

int Variant23Number(const ProjectTexts& texts) {
    return texts.Variant == 2 ? 3 : 2;
}

void ResetProjectTables(LookupState& lookup, const ReferenceTables& reference) {
    for (auto& slope : lookup.RoughnessInputs) {
        for (auto& column : slope) {
            column.fill({});
        }
    }
    for (auto& slope : lookup.RoughnessClasses) {
        slope.fill({});
    }
    for (auto& slope : lookup.SoilGroupAreas) {
        slope.fill({});
    }
    for (auto& slope : lookup.SoilUnitAreas) {
        slope.fill({});
    }
    for (auto& slope : lookup.LandUseAreas) {
        slope.fill({});
    }
    for (auto& slope : lookup.SoilUnitGroups) {
        slope = reference.SoilUnitGroupsOriginal;
    }
    lookup.SoilGroupByFiltration = true;
    lookup.LeftSoilGroupByFiltration = true;
    lookup.RightSoilGroupByFiltration = true;
    lookup.RainfallStationRow = 1;
}

std::string TwoDigits(int n) {
    std::string text = std::to_string(n);
    if (text.size() == 1) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string CutText(const std::string& text, size_t n) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        // A UTF-8 continuation byte does not start a new character.
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == n) {
                return text.substr(0, i);
            }
            ++characters;
        }
    }
    return text;
}

} // namespace hydrim

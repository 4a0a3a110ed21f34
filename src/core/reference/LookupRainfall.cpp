#include "core/reference/LookupRainfall.h"

#include "core/reference/CzechOrder.h"

#include <algorithm>
#include <array>

namespace hydrim {

int RainfallValueColumn(int returnPeriodItem) {
    static constexpr std::array<int, 6> columns = {1, 2, 3, 4, 6, 9};
    if (returnPeriodItem < 0 || returnPeriodItem >= static_cast<int>(columns.size()))
        return 0;
    return columns[static_cast<size_t>(returnPeriodItem)];
}

std::vector<int> RainfallDialogColumns(int variantItem, int returnPeriodItem) {
    if (variantItem < 1)
        return {2, 3, 4, 6, 9};
    return {RainfallValueColumn(returnPeriodItem), 9};
}

int FindStationRow(const std::vector<std::string>& names, const std::string& typed) {
    if (typed.empty()) {
        return -1;
    }
    int follows = -1; // the first station in Czech order after the typed text
    int last = -1;
    for (size_t row = 1; row < names.size(); ++row) {
        const std::string& name = names[row];
        if (name.empty()) {
            continue;
        }
        last = static_cast<int>(row);
        const int order = CompareCzechBeginning(name, typed);
        if (order == 0) {
            return static_cast<int>(row);
        }
        if (order > 0 && (follows < 0 || CzechLess(name, names[static_cast<size_t>(follows)]))) {
            follows = static_cast<int>(row);
        }
    }
    return follows >= 0 ? follows : last;
}

bool HasStations(const std::vector<std::string>& names) {
    return std::any_of(names.begin() + std::min<size_t>(1, names.size()), names.end(),
                       [](const std::string& name) { return !name.empty(); });
}

} // namespace hydrim

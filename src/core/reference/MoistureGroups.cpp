#include "core/reference/MoistureGroups.h"

namespace hydrim {

const MoistureGroupTable& MoistureGroups() {
    static const MoistureGroupTable table = {
        "Skupiny předchozích vláhových podmínek",
        "Skupina PVP",
        "Úhrn srážek za 5 předchozích dnů [mm]",
        "Mimovegetační období           Vegetační období",
        {"1", "2", "3"},
        {"< 13                                     < 36", "13 - 28                                 36 - 53",
         "> 28                                     > 53"},
    };
    return table;
}

} // namespace hydrim

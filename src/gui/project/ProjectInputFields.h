// Field numbers and small rules the input window's source files share.
#pragma once

#include "core/project/ProjectData.h"

#include <QString>

#include <array>

namespace hydrim::gui::input_fields {

// Item 0 of the return-period list is N = 2; the list starts on "100".
constexpr int ListReturnPeriod = 3, ListCurveTypeL = 4, ListCurveTypeR = 5;
// The number fieldLeft() uses for the return-period list.
constexpr int ReturnPeriodListField = 0;

constexpr std::array NumericFields = {5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26};
constexpr std::array FieldsWithExitRules = {8, 9, 14, 15, 16, 21, 22, 23, 24, 25, 26};

inline bool IsRainKeyField(int k) {
    return k == EditRain10 || k == EditRain20 || k == EditRain50;
}

inline QString RainLabelForVariant(int variant) {
    return QStringLiteral("1-denní maximální srážkový\n") +
           (variant == 0 ? QStringLiteral("úhrn pro N = 5 [mm]") : QStringLiteral("úhrn pro N [mm]"));
}

inline int ValidItem(int item, int count) {
    return item >= 0 && item < count ? item : -1;
}

} // namespace hydrim::gui::input_fields

#include "core/project/FieldInfo.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

TEST(FieldInfo, TooltipsNameQuantityUnitAndRange) {
    EXPECT_EQ(FieldTooltip(EditCnR, 0, 1), "Číslo CN křivky (pravý svah)\nJednotka: bezrozměrné číslo\n"
                                           "Přípustné hodnoty: 40 až 100\nNejvýše 5 znaků, desetinná tečka");
    EXPECT_EQ(FieldName(EditIntensityL, 2, 0), "Intenzita deště [mm.min⁻¹]");
    EXPECT_EQ(FieldName(EditRainN, 0, 0), "1-denní maximální srážkový úhrn pro N = 5 let [mm]");
    EXPECT_EQ(FieldName(EditRainN, 1, 0),
              "1-denní maximální srážkový úhrn pro zvolenou dobu opakování N [mm]");
    // Every numeric field of the window is described; the texts are not.
    for (int k : {5, 6, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18, 19, 21, 22, 23, 24, 25, 26}) {
        const FieldInfo info = DescribeField(k, 0);
        EXPECT_FALSE(info.Quantity.empty() || info.Range.empty()) << k;
    }
    EXPECT_TRUE(FieldTooltip(1, 0, 0).empty());
    EXPECT_TRUE(FieldTooltip(13, 0, 0).empty());
}

TEST(FieldInfo, CorrectionDetailsSayWhatWasWrittenAndWhy) {
    EXPECT_EQ(CorrectionDetail({CorrectionMessage::OutOfRange, EditDurationL, "300"}, "450", 1, 1),
              "Pole: Doba trvání deště [min] (levý svah)\nZadaná hodnota: 450\n"
              "Přípustné hodnoty: 10 až 300, celé minuty\nNová hodnota: 300");
    const std::string rain100 = CorrectionDetail({CorrectionMessage::Rain100, EditRain100, "80"}, "", 1, 0);
    EXPECT_EQ(rain100.substr(0, rain100.find("\nÚhrn")),
              "Pole: 1-denní maximální srážkový úhrn pro N = 100 let [mm]\nDosavadní hodnota: (prázdné)");
    EXPECT_NE(rain100.find("\nNová hodnota: 80"), std::string::npos);
    EXPECT_TRUE(CorrectionDetail({CorrectionMessage::None, EditDurationR, "60"}, "", 1, 1).empty());
}

} // namespace
} // namespace hydrim

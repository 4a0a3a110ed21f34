// Every rule of the input fields reads its bounds from the one table of field
// limits: the correction when a field is left, the check before a
// computation, the tooltip's range and the station table's depths agree with
// it for every numeric field.
#include "core/project/FieldInfo.h"
#include "core/project/FieldLimits.h"
#include "core/project/InputCheck.h"
#include "core/project/InputRules.h"
#include "core/reference/StationTable.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

std::string ExitText(int k, const std::string& text) {
    InputFieldTexts fields;
    fields.Variant = 0;
    fields.Edit[static_cast<size_t>(k)] = text;
    fields.Edit[EditRain100] = k == EditRain100 ? text : "";
    for (const Correction& step : ExitCorrections(k, fields)) {
        if (step.Field == k) {
            return step.Text;
        }
    }
    return text;
}

TEST(FieldLimits, EveryRuleOfAFieldFollowsItsLimits) {
    ProjectTexts texts;
    texts.CatchmentType = 1;
    texts.Variant = 1;
    for (const int k : NumericFieldNumbers()) {
        const FieldLimits& limits = LimitsOfField(k);
        SCOPED_TRACE("Edit" + std::to_string(k));
        EXPECT_EQ(DescribeField(k, 0).Range.rfind(RangeText(limits), 0), 0u);
        if (!limits.Bounded()) {
            EXPECT_EQ(FieldTextProblem(texts, k, "99999"), "");
            continue;
        }
        const std::string low = std::to_string(limits.Low), high = std::to_string(limits.High);
        EXPECT_EQ(FieldTextProblem(texts, k, low), "");
        EXPECT_EQ(FieldTextProblem(texts, k, high), "");
        const std::string above = FieldTextProblem(texts, k, std::to_string(limits.High + 1));
        EXPECT_NE(above.find(OutOfRangeProblem(limits)), std::string::npos) << above;
        EXPECT_EQ(ExitText(k, std::to_string(limits.High + 1)), high);
        EXPECT_EQ(ExitText(k, "1"), low);
    }
    EXPECT_EQ(FieldLabel(texts, EditCnR), "Číslo CN křivky [40-100] (pravý svah)");
    EXPECT_EQ(SmallestDepth, RainfallLimits.Low);
    EXPECT_EQ(LargestDepth, RainfallLimits.High);
}

} // namespace
} // namespace hydrim

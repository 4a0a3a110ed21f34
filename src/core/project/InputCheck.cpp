#include "core/project/InputCheck.h"

#include "core/project/FieldLimits.h"
#include "core/project/InputRules.h"

#include <string>
#include <utility>

namespace hydrim {
namespace {

struct NumericField {
    int edit;
    std::string label;
};

const std::string RainLabel = "1-denní maximální srážkový úhrn pro ";
const std::string ValleyLengthLabel = "Délka údolnice [km]";
const std::string ValleySlopeLabel = "Sklon údolnice [%]";

std::string SlopeSuffix(bool twoSlopes, bool left) {
    if (!twoSlopes) {
        return {};
    }
    return left ? " (levý svah)" : " (pravý svah)";
}

// Checks the text of field EditK against the field's limits; returns the
// problem or "".
std::string CheckField(const std::string& text, const std::string& label, int k) {
    if (text.empty()) {
        return label + ": " + NotFilledProblem;
    }
    // A number as the input window holds it; a minus sign in front is read
    // so that the message can say what is wrong with the value.
    const bool negative = text.front() == '-';
    const std::optional<double> value = FieldValue(negative ? text.substr(1) : text);
    if (!value) {
        return label + ": " + NotANumberProblem(text);
    }
    if (negative || *value <= 0.0) {
        return label + ": " + NotPositiveProblem;
    }
    const std::string problem = LimitsProblem(LimitsOfField(k), *value);
    return problem.empty() ? problem : label + ": " + problem;
}

// The rainfall fields of the variant, in the order of the window.
std::vector<NumericField> RainfallFields(int variant) {
    if (variant == 0) {
        return {{EditRainN, RainLabel + "N = 5 [mm]"},
                {EditRain10, RainLabel + "N = 10 [mm]"},
                {EditRain20, RainLabel + "N = 20 [mm]"},
                {EditRain50, RainLabel + "N = 50 [mm]"},
                {EditRain100, RainLabel + "N = 100 [mm]"}};
    }
    if (variant == 1) {
        return {{EditRainN, RainLabel + "N [mm]"}, {EditRain100, RainLabel + "N = 100 [mm]"}};
    }
    return {};
}

// The slope fields of the variant; offset 0 for the left slope, 7 for the right.
std::vector<NumericField> SlopeFields(int variant, int offset, const std::string& suffix) {
    std::vector<NumericField> fields = {
        {EditAreaL + offset, "Plocha svahu [km²]" + suffix},
        {EditSlopeL + offset, "Sklon svahu [%]" + suffix},
        {EditRoughnessL + offset, "Drsnost γ [s]" + suffix},
        {EditCnL + offset, "Číslo CN křivky [" + BoundsText(CurveNumberLimits) + "]" + suffix}};
    if (variant >= 1) {
        fields.push_back({EditDurationL + offset, "Doba trvání deště [min]" + suffix});
    }
    if (variant == 2) {
        fields.push_back({EditIntensityL + offset, "Intenzita deště [mm.min⁻¹]" + suffix});
    }
    return fields;
}

void CheckFields(const ProjectTexts& texts, const std::vector<NumericField>& fields,
                 std::vector<InputProblem>& problems) {
    for (const NumericField& field : fields) {
        if (std::string problem = CheckField(texts.Edit[field.edit], field.label, field.edit);
            !problem.empty()) {
            problems.push_back({field.edit, 0, problem});
        }
    }
}

// The window raises the N = 100 rainfall to the largest of the others, and
// with N = 100 chosen in Variant II makes both fields equal.
void CheckRainfallOrder(const ProjectTexts& texts, std::vector<InputProblem>& problems) {
    const std::optional<double> rain100 = FieldValue(texts.Edit[EditRain100]);
    if (!rain100) {
        return;
    }
    const std::string label100 = RainLabel + "N = 100 [mm]";
    for (const NumericField& field : RainfallFields(texts.Variant)) {
        const std::optional<double> value = FieldValue(texts.Edit[field.edit]);
        if (field.edit != EditRain100 && value && *value > *rain100) {
            problems.push_back({EditRain100, 0,
                                label100 + ": nesmí být menší než " + field.label.substr(RainLabel.size()) +
                                    " (" + texts.Edit[field.edit] + ")."});
            return;
        }
    }
    const std::optional<double> rainN = FieldValue(texts.Edit[EditRainN]);
    if (texts.Variant == 1 && texts.ReturnPeriodItem == 5 && rainN && *rainN != *rain100) {
        problems.push_back(
            {EditRainN, 0, RainLabel + "N [mm]: pro N = 100 let musí být shodný s úhrnem pro N = 100."});
    }
}

// The window keeps the rain duration and intensity equal on both slopes.
void CheckSlopesAgree(const ProjectTexts& texts, std::vector<InputProblem>& problems) {
    std::vector<std::pair<int, std::string>> pairs;
    if (texts.Variant >= 1) {
        pairs.emplace_back(EditDurationL, "Doba trvání deště [min]");
    }
    if (texts.Variant == 2) {
        pairs.emplace_back(EditIntensityL, "Intenzita deště [mm.min⁻¹]");
    }
    for (const auto& [left, label] : pairs) {
        const std::optional<double> l = FieldValue(texts.Edit[left]);
        const std::optional<double> r = FieldValue(texts.Edit[left + 7]);
        if (l && r && *l != *r) {
            problems.push_back({left + 7, 0, label + " (pravý svah): musí být shodná s levým svahem."});
        }
    }
}

bool IsChosen(int item, int last) {
    return item >= 0 && item <= last;
}

} // namespace

std::string FieldLabel(const ProjectTexts& texts, int k) {
    if (k == EditValleyLength) {
        return ValleyLengthLabel;
    }
    if (k == EditValleySlope) {
        return ValleySlopeLabel;
    }
    for (const NumericField& field : RainfallFields(texts.Variant == 1 ? 1 : 0)) {
        if (field.edit == k) {
            return field.label;
        }
    }
    const bool right = k >= EditAreaR;
    const std::string suffix = SlopeSuffix(right || HasTwoSlopes(texts), !right);
    for (const NumericField& field : SlopeFields(2, right ? 7 : 0, suffix)) {
        if (field.edit == k) {
            return field.label;
        }
    }
    return "Edit" + std::to_string(k);
}

std::string FieldTextProblem(const ProjectTexts& texts, int k, const std::string& text) {
    return text.empty() ? std::string() : CheckField(text, FieldLabel(texts, k), k);
}

std::vector<int> RequiredMembers(int catchmentType, int variant) {
    static const std::vector<int> group1[3] = {{0, 1, 3, 4, 5, 6, 7}, {0, 1, 2, 3, 4}, {0, 1}};
    static const std::vector<int> left[3] = {
        {8, 9, 10, 11, 12}, {8, 9, 10, 11, 12, 13}, {8, 9, 10, 11, 12, 13, 14}};
    if (!IsChosen(catchmentType, 1) || !IsChosen(variant, 2)) {
        return {};
    }
    std::vector<int> members = group1[variant];
    for (int member : left[variant]) {
        members.push_back(member);
    }
    if (catchmentType == 1) {
        for (int member : left[variant]) {
            members.push_back(member + 8);
        }
    }
    return members;
}

std::vector<InputProblem> FindInputProblems(const Project& project) {
    const ProjectTexts& texts = project.Texts;
    std::vector<InputProblem> problems;
    if (!IsChosen(texts.CatchmentType, 1)) {
        problems.push_back({0, 1, "Typ povodí: není zvolen."});
    }
    if (!IsChosen(texts.Variant, 2)) {
        problems.push_back({0, 2, "Varianta: není zvolena."});
    }
    if (!problems.empty()) {
        return problems;
    }
    const bool twoSlopes = HasTwoSlopes(texts);
    CheckFields(texts, {{EditValleyLength, ValleyLengthLabel}, {EditValleySlope, ValleySlopeLabel}},
                problems);
    if (texts.Variant == 1 && !IsChosen(texts.ReturnPeriodItem, 5)) {
        problems.push_back({0, 3, "Doba opakování N [roky]: není zvolena."});
    }
    CheckFields(texts, RainfallFields(texts.Variant), problems);
    CheckRainfallOrder(texts, problems);
    for (const bool left : {true, false}) {
        if (!left && !twoSlopes) {
            break;
        }
        const std::string suffix = SlopeSuffix(twoSlopes, left);
        std::vector<NumericField> fields = SlopeFields(texts.Variant, left ? 0 : 7, suffix);
        CheckFields(texts, {fields.begin(), fields.begin() + 3}, problems);
        if (!IsChosen(left ? texts.CnTypeItemL : texts.CnTypeItemR, 2)) {
            problems.push_back({0, left ? 4 : 5, "Typ CN křivky [1,2,3]" + suffix + ": není zvolen."});
        }
        CheckFields(texts, {fields.begin() + 3, fields.end()}, problems);
    }
    if (twoSlopes) {
        CheckSlopesAgree(texts, problems);
    }
    return problems;
}

std::vector<std::string> CheckInputs(const Project& project) {
    std::vector<std::string> texts;
    for (InputProblem& problem : FindInputProblems(project)) {
        texts.push_back(std::move(problem.Text));
    }
    return texts;
}

} // namespace hydrim

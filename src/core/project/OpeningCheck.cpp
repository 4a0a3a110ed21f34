#include "core/project/OpeningCheck.h"

#include "core/project/InputCheck.h"
#include "core/project/InputRules.h"
#include "core/project/PrintableText.h"
#include "core/project/ProjectFile.h"

#include <array>

namespace hydrim {
namespace {

// The numeric fields other than the rainfall, in the order of the window.
constexpr std::array SlopeAndValleyFields = {
    EditValleyLength, EditValleySlope, EditAreaL,      EditSlopeL,    EditRoughnessL,
    EditCnL,          EditDurationL,   EditIntensityL, EditAreaR,     EditSlopeR,
    EditRoughnessR,   EditCnR,         EditDurationR,  EditIntensityR};

// The text the window's range correction writes into field EditK holding
// text when it is left, or "" when it writes nothing there.
std::string RangeCorrection(int k, const std::string& text) {
    InputFieldTexts fields;
    fields.Edit[static_cast<size_t>(k)] = text;
    fields.Variant = 0; // the N = 100 rules of the other variants do not touch field k
    for (const Correction& step : ExitCorrections(k, fields)) {
        if (step.Field == k && step.Message == CorrectionMessage::OutOfRange) {
            return step.Text;
        }
    }
    return {};
}

// The text the field keeps: text itself, its range bound, or "" (refused).
std::string CheckedText(const ProjectTexts& texts, int k, const std::string& text) {
    if (FieldTextProblem(texts, k, text).empty()) {
        return text;
    }
    const std::optional<double> value = FieldValue(text);
    if (!value || *value <= 0.0) {
        return {};
    }
    const std::string bound = RangeCorrection(k, text);
    return !bound.empty() && FieldTextProblem(texts, k, bound).empty() ? bound : std::string();
}

class Corrector {
public:
    explicit Corrector(Project& project) : project_(project), texts_(project.Texts) {}

    std::vector<ValueCorrection> run() {
        checkRainfall();
        for (int k : SlopeAndValleyFields) {
            std::string& text = texts_.Edit[static_cast<size_t>(k)];
            set(FieldLabel(texts_, k), text, CheckedText(texts_, k, text));
        }
        if (HasTwoSlopes(texts_) && texts_.Variant >= 1) {
            makeSlopesAgree(EditDurationL);
        }
        if (HasTwoSlopes(texts_) && texts_.Variant == 2) {
            makeSlopesAgree(EditIntensityL);
        }
        project_.Filled = DeriveFilledInputs(project_);
        return std::move(corrections_);
    }

private:
    void set(const std::string& label, std::string& text, const std::string& used) {
        if (used != text) {
            corrections_.push_back({label, text, used});
            text = used;
        }
    }

    // The rainfall texts kept per return period, then the fields showing them.
    void checkRainfall() {
        auto& rain = project_.Rainfall.Texts;
        for (size_t i = 0; i < rain.size(); ++i) {
            set(RainLabel(i), rain[i], CheckedText(texts_, EditRain100, rain[i]));
        }
        showRainfallInFields();
        if (texts_.Variant != 0 && texts_.Variant != 1) {
            return;
        }
        InputFieldTexts fields;
        fields.Edit = texts_.Edit;
        fields.Variant = texts_.Variant;
        fields.ReturnPeriodItem = texts_.ReturnPeriodItem;
        for (const Correction& step : ExitCorrections(EditRain100, fields)) {
            if (step.Field == EditRain100) {
                set(FieldLabel(texts_, EditRain100), rain[5], step.Text);
            }
        }
        showRainfallInFields();
    }

    void showRainfallInFields() {
        const auto& rain = project_.Rainfall.Texts;
        auto& edit = texts_.Edit;
        const int index = project_.Rainfall.ReturnPeriodIndex;
        edit[EditRain10] = rain[2];
        edit[EditRain20] = rain[3];
        edit[EditRain50] = rain[4];
        edit[EditRain100] = rain[5];
        const int shown = texts_.Variant == 0 ? 1 : index;
        edit[EditRainN] = shown >= 0 && shown <= 5 ? rain[static_cast<size_t>(shown)] : std::string();
    }

    // The window makes the right slope's value that of the left one.
    void makeSlopesAgree(int left) {
        const std::string& leftText = texts_.Edit[static_cast<size_t>(left)];
        std::string& rightText = texts_.Edit[static_cast<size_t>(left + 7)];
        if (!leftText.empty() && !rightText.empty()) {
            set(FieldLabel(texts_, left + 7), rightText, leftText);
        }
    }

    static std::string RainLabel(size_t item) {
        return "1-denní maximální srážkový úhrn pro N = " + std::to_string(ReturnPeriodItems[item]) + " [mm]";
    }

    Project& project_;
    ProjectTexts& texts_;
    std::vector<ValueCorrection> corrections_;
};

} // namespace

std::vector<ValueCorrection> CorrectOpenedProject(Project& project) {
    return Corrector(project).run();
}

std::string CorrectionsNotice(const std::vector<ValueCorrection>& corrections) {
    if (corrections.empty()) {
        return {};
    }
    std::string notice = "Projekt obsahuje hodnoty, které vstupní okno nepřijímá. Byly upraveny takto:";
    for (const ValueCorrection& correction : corrections) {
        notice += "\n• " + correction.Label + ": načteno \"" + PrintableExcerpt(correction.Read) + "\", ";
        notice += correction.Used.empty() ? std::string("hodnota odmítnuta, pole zůstává prázdné.")
                                          : "použito \"" + correction.Used + "\".";
    }
    return notice;
}

} // namespace hydrim

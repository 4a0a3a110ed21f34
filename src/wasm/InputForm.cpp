#include "wasm/InputForm.h"

#include "core/project/FieldInfo.h"
#include "core/project/FieldLimits.h"
#include "core/project/InputCheck.h"
#include "core/project/RainfallOrder.h"
#include "core/project/TextCodec.h"

#include <algorithm>

namespace hydrim::wasm {
namespace {

using ordered = nlohmann::ordered_json;

bool IsNumericField(int k) {
    const std::vector<int>& fields = NumericFieldNumbers();
    return std::find(fields.begin(), fields.end(), k) != fields.end();
}

bool IsRainKeyField(int k) {
    return k == EditRain10 || k == EditRain20 || k == EditRain50;
}

size_t Characters(std::string_view text) {
    size_t count = 0;
    for (size_t i = 0; i < text.size();) {
        NextCodePoint(text, i);
        ++count;
    }
    return count;
}

// The rainfall text kept per return period follows the N fields.
void StoreRainfallText(Project& project, int k, const std::string& text) {
    auto& texts = project.Rainfall.Texts;
    if (k == EditRainN) {
        const int index = project.Texts.Variant == 0 ? 1 : project.Texts.ReturnPeriodItem;
        if (index >= 0 && index < static_cast<int>(texts.size())) {
            texts[static_cast<size_t>(index)] = text;
        }
    } else if (k == EditRain100) {
        texts[5] = text;
    } else if (IsRainKeyField(k)) {
        texts[static_cast<size_t>(k - EditRain10 + 2)] = text;
    }
}

void WriteField(Project& project, int k, const std::string& text) {
    EditText(project, k, text, static_cast<int>(Characters(text)), false);
}

ordered FilledMembers(const FilledInputs& filled) {
    ordered members = ordered::array();
    for (int m = 0; m < 24; ++m) {
        if (filled.contains(m)) {
            members.push_back(m);
        }
    }
    return members;
}

} // namespace

FieldText EditText(Project& project, int k, const std::string& text, int caret, bool typed) {
    ProjectTexts& texts = project.Texts;
    if (k == DescriptionField) {
        texts.Description = DescriptionLines(text);
        return {text, caret};
    }
    if (k < 1 || k > 26 || k == 7 || k == 13 || k == 20) {
        return {texts.Edit[static_cast<size_t>(std::clamp(k, 0, 26))], 0}; // no such field in the window
    }
    std::string& field = texts.Edit[static_cast<size_t>(k)];
    if (!IsNumericField(k)) {
        // The identification texts: a typed text stops at the field's length,
        // which a longer text of an opened file extends.
        const size_t longest = std::max<size_t>(IdentificationMaxLength, Characters(field));
        field = typed ? CutText(text, longest) : text;
        project.Filled = DeriveFilledInputs(project);
        return {field, std::min(caret, static_cast<int>(Characters(field)))};
    }
    const FilteredText filtered = FilterNumber(text, caret, typed ? NumericFieldMaxLength : 0);
    field = filtered.Text;
    StoreRainfallText(project, k, filtered.Text);
    // The right slope's rain is the left slope's: the window shows it once.
    if (k == EditDurationL || k == EditIntensityL) {
        texts.Edit[static_cast<size_t>(k + 7)] = filtered.Text;
    }
    project.Filled = DeriveFilledInputs(project);
    return {filtered.Text, filtered.Caret};
}

void ChooseItem(Project& project, int list, int item) {
    ProjectTexts& texts = project.Texts;
    const auto& kept = project.Rainfall.Texts;
    switch (list) {
    case 1:
        texts.CatchmentType = std::clamp(item, -1, 1);
        break;
    case 2:
        texts.Variant = std::clamp(item, -1, 2);
        // The rainfall fields show the texts kept for the variant's return periods.
        if (texts.Variant == 0) {
            WriteField(project, EditRainN, kept[1]);
            for (int k : {EditRain10, EditRain20, EditRain50}) {
                WriteField(project, k, kept[static_cast<size_t>(k - EditRain10 + 2)]);
            }
        } else if (texts.Variant == 1 && texts.ReturnPeriodItem >= 0) {
            WriteField(project, EditRainN, kept[static_cast<size_t>(texts.ReturnPeriodItem)]);
        }
        break;
    case 3:
        texts.ReturnPeriodItem = std::clamp(item, -1, 5);
        project.Rainfall.ReturnPeriodIndex = texts.ReturnPeriodItem;
        // Variant I keeps N = 5 in the N field whatever the (hidden) list shows.
        if (texts.ReturnPeriodItem >= 0 && texts.Variant != 0) {
            WriteField(project, EditRainN, kept[static_cast<size_t>(texts.ReturnPeriodItem)]);
        }
        break;
    case 4:
        texts.CnTypeItemL = std::clamp(item, -1, 2);
        break;
    case 5:
        texts.CnTypeItemR = std::clamp(item, -1, 2);
        break;
    default:
        break;
    }
    project.Filled = DeriveFilledInputs(project);
}

std::vector<LeftFieldStep> LeaveField(Project& project, int k, std::string& warning) {
    const ProjectTexts& texts = project.Texts;
    InputFieldTexts fields;
    fields.Edit = texts.Edit;
    fields.Variant = texts.Variant;
    fields.ReturnPeriodItem = texts.ReturnPeriodItem;
    const std::vector<Correction> steps =
        k == 0 ? ReturnPeriodExitCorrections(fields) : ExitCorrections(k, fields);
    std::vector<LeftFieldStep> done;
    for (const Correction& step : steps) {
        LeftFieldStep left{step, CorrectionMessageText(step.Message), {}};
        if (step.Message != CorrectionMessage::None) {
            left.Detail = CorrectionDetail(step, texts.Edit[static_cast<size_t>(step.Field)], texts.Variant,
                                           texts.CatchmentType);
        }
        WriteField(project, step.Field, step.Text);
        done.push_back(std::move(left));
    }
    warning = FallingRainfallWarning(project.Texts.Edit, project.Texts.Variant, k);
    return done;
}

void ShowOpenedProject(Project& project) {
    ProjectTexts& texts = project.Texts;
    const auto number = [](const std::string& text) {
        return FilterNumber(text, static_cast<int>(text.size()), 0).Text;
    };
    texts.Description = DescriptionLines(DescriptionText(texts.Description));
    for (std::string& text : project.Rainfall.Texts) {
        text = number(text);
    }
    project.Rainfall.ReturnPeriodIndex = texts.ReturnPeriodItem;
    for (int k = 1; k <= 26; ++k) {
        std::string& text = texts.Edit[static_cast<size_t>(k)];
        if (k == 7 || k == 13 || k == 20) {
            text.clear();
        } else if (IsNumericField(k)) {
            text = number(text);
        }
    }
    // The rainfall fields show the texts kept per return period.
    const auto& kept = project.Rainfall.Texts;
    const int shown = texts.Variant == 0 ? 1 : project.Rainfall.ReturnPeriodIndex;
    texts.Edit[EditRainN] = shown >= 0 ? kept[static_cast<size_t>(shown)] : std::string();
    texts.Edit[EditRain100] = kept[5];
    for (int k : {EditRain10, EditRain20, EditRain50}) {
        texts.Edit[static_cast<size_t>(k)] = kept[static_cast<size_t>(k - EditRain10 + 2)];
    }
    project.Filled = DeriveFilledInputs(project);
}

ordered WindowState(const Project& project) {
    const ProjectTexts& texts = project.Texts;
    const int type = texts.CatchmentType;
    const int variant = texts.Variant;
    ordered problems = ordered::array();
    for (const InputProblem& problem : FindInputProblems(project)) {
        problems.push_back({{"edit", problem.Edit}, {"comboBox", problem.ComboBox}, {"text", problem.Text}});
    }
    const bool enabled = ComputeEnabled(type, variant, project.Filled);
    ordered shown = ordered::array();
    ordered tooltips = ordered::object();
    for (const int k : NumericFieldNumbers()) {
        // The right slope's rain is the left slope's: shown once.
        if (EditShown(type, variant, k) && k != EditDurationR && k != EditIntensityR) {
            shown.push_back(k);
        }
        tooltips[std::to_string(k)] = FieldTooltip(k, variant, type);
    }
    return {{"problems", problems},
            {"computeEnabled", enabled},
            {"canCompute", enabled && problems.empty()},
            {"filled", FilledMembers(project.Filled)},
            {"shown",
             {{"variant", type >= 0},
              {"catchment", type >= 0 && variant >= 0},
              {"rightSlope", type == 1 && variant >= 0},
              {"computeButton", variant >= 0},
              {"returnPeriod", ReturnPeriodShown(type, variant)},
              {"rainfallButton", RainfallButtonShown(type, variant)},
              {"edits", shown}}},
            {"tooltips", tooltips}};
}

} // namespace hydrim::wasm

#include "core/project/InputRules.h"

#include "core/project/DecimalText.h"

#include <algorithm>
#include <initializer_list>

namespace hydrim {

namespace {

// ---------------------------------------------------------------- UTF-8

// Code points of a UTF-8 text; a malformed byte counts as one character.
std::u32string DecodeUtf8(const std::string& text) {
    std::u32string out;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        size_t length = 1;
        char32_t code = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            length = 4;
            code = lead & 0x07;
        } else if (lead >= 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xC0) {
            length = 2;
            code = lead & 0x1F;
        }
        if (length > 1 && i + length <= text.size()) {
            bool valid = true;
            for (size_t j = 1; j < length; ++j) {
                const auto next = static_cast<unsigned char>(text[i + j]);
                valid = valid && (next & 0xC0) == 0x80;
                code = (code << 6) | (next & 0x3F);
            }
            if (valid) {
                out.push_back(code);
                i += length;
                continue;
            }
        }
        out.push_back(0xFFFD);
        ++i;
    }
    return out;
}

bool IsDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
bool IsPoint(char32_t c) {
    return c == U'.' || c == U',';
}

// The character before the caret, judged as the one just typed.
void JudgeTypedCharacter(std::u32string& text, int& caret) {
    if (caret < 1) {
        return;
    }
    const size_t typed = static_cast<size_t>(caret - 1);
    const char32_t c = text[typed];
    if (IsDigit(c)) {
        return;
    }
    std::u32string rest = text;
    rest.erase(typed, 1);
    if (IsPoint(c) && rest.find(U'.') == std::u32string::npos && caret > 1) {
        text[typed] = U'.';
        return;
    }
    text = rest;
    --caret;
}

// Keeps the digits and the first point of the whole text; a point that would
// stand first gets a "0" before it.
FilteredText CleanWhole(const std::u32string& text, int caret) {
    FilteredText out;
    out.Caret = -1;
    bool hasPoint = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool keepPoint = IsPoint(c) && !hasPoint;
        if (keepPoint && out.Text.empty()) {
            out.Text += '0';
        }
        if (static_cast<int>(i) == caret) {
            out.Caret = static_cast<int>(out.Text.size());
        }
        if (IsDigit(c)) {
            out.Text += static_cast<char>(c);
        } else if (keepPoint) {
            out.Text += '.';
            hasPoint = true;
        }
    }
    if (out.Caret < 0) {
        out.Caret = static_cast<int>(out.Text.size());
    }
    return out;
}

// Drops the characters inserted last (just before the caret, then from the
// end) until the text has at most maxLength characters.
void LimitLength(FilteredText& field, int maxLength) {
    int excess = static_cast<int>(field.Text.size()) - maxLength;
    if (maxLength <= 0 || excess <= 0) {
        return;
    }
    const int beforeCaret = std::min(excess, field.Caret);
    field.Text.erase(static_cast<size_t>(field.Caret - beforeCaret), static_cast<size_t>(beforeCaret));
    field.Caret -= beforeCaret;
    excess -= beforeCaret;
    field.Text.erase(field.Text.size() - static_cast<size_t>(excess));
    if (!field.Text.empty() && field.Text.front() == '.') {
        field.Text.erase(0, 1);
        field.Caret = std::max(0, field.Caret - 1);
    }
}

// ---------------------------------------------------------------- corrections

bool Contains(std::initializer_list<int> list, int k) {
    return std::find(list.begin(), list.end(), k) != list.end();
}

// Applies correction steps to a copy of the field texts and records them.
class CorrectionRun {
public:
    explicit CorrectionRun(const InputFieldTexts& fields) : fields_(fields) {}

    const std::string& text(int k) const { return fields_.Edit[static_cast<size_t>(k)]; }
    bool empty(int k) const { return text(k).empty(); }
    double value(int k, double whenEmpty) const {
        if (empty(k)) {
            return whenEmpty;
        }
        return FieldValue(text(k)).value_or(0.0);
    }
    int variant() const { return fields_.Variant; }
    bool returnPeriodIs100() const { return fields_.ReturnPeriodItem == ReturnPeriodItem100; }

    void write(int k, const std::string& newText, CorrectionMessage message) {
        steps_.push_back({message, k, newText});
        fields_.Edit[static_cast<size_t>(k)] = newText;
    }

    // A value out of the field's limits is corrected to the nearer bound,
    // written as a whole number.
    void clamp(int k) {
        const FieldLimits& limits = LimitsOfField(k);
        const double v = value(k, 0.0);
        if (v > limits.High) {
            write(k, std::to_string(limits.High), CorrectionMessage::OutOfRange);
        } else if (v < limits.Low) {
            write(k, std::to_string(limits.Low), CorrectionMessage::OutOfRange);
        }
    }

    // Keeps the pair equal: an empty field takes its twin's text, otherwise
    // the twin takes this field's text.
    void synchronise(int k, int twin) {
        if (empty(k)) {
            if (text(k) != text(twin)) {
                write(k, text(twin), CorrectionMessage::None);
            }
        } else if (text(twin) != text(k)) {
            write(twin, text(k), CorrectionMessage::None);
        }
    }

    // An empty N = 100 field is filled without a message: nothing typed is
    // changed, and a field not filled yet is no error.
    void setRain100From(int k) {
        write(EditRain100, text(k),
              empty(EditRain100) ? CorrectionMessage::None : CorrectionMessage::Rain100);
    }

    std::vector<Correction> steps() const { return steps_; }

private:
    InputFieldTexts fields_;
    std::vector<Correction> steps_;
};

// An empty N = 100 field never makes another rainfall field correct it.
constexpr double EmptyRain100 = 10000.0;

// A rainfall field other than N = 100 was left.
void CorrectRainfall(CorrectionRun& run, int k) {
    run.clamp(k);
    if (run.value(k, 0.0) > run.value(EditRain100, EmptyRain100)) {
        run.setRain100From(k);
    }
    // With N = 100 chosen in Variants II and III, both fields hold the same rain.
    if (k == EditRainN && (run.variant() == 1 || run.variant() == 2) && run.returnPeriodIs100() &&
        run.value(EditRainN, 0.0) != run.value(EditRain100, EmptyRain100)) {
        run.setRain100From(EditRainN);
    }
}

// The N = 100 field was left: it may not be below the other rainfall fields.
void CorrectRain100(CorrectionRun& run) {
    run.clamp(EditRain100);
    if (run.variant() == 0) {
        int largest = EditRainN;
        for (int k : {EditRain10, EditRain20, EditRain50}) {
            if (run.value(k, 0.0) > run.value(largest, 0.0)) {
                largest = k;
            }
        }
        if (run.value(largest, 0.0) > run.value(EditRain100, 0.0)) {
            run.setRain100From(largest);
        }
        return;
    }
    if (run.value(EditRainN, 0.0) > run.value(EditRain100, 0.0)) {
        run.setRain100From(EditRainN);
    }
    const double rainN = run.value(EditRainN, 0.0);
    if (run.returnPeriodIs100() && rainN != run.value(EditRain100, 0.0) && rainN > 0) {
        run.setRain100From(EditRainN);
    }
}

} // namespace

// ---------------------------------------------------------------- filtering

FilteredText FilterNumber(const std::string& text, int caret, int maxLength) {
    std::u32string chars = DecodeUtf8(text);
    if (chars.empty()) {
        return {};
    }
    caret = std::clamp(caret, 0, static_cast<int>(chars.size()));
    JudgeTypedCharacter(chars, caret);
    FilteredText out = CleanWhole(chars, caret);
    LimitLength(out, maxLength);
    return out;
}

std::optional<double> FieldValue(std::string_view text) {
    if (text.empty() || !IsDigit(static_cast<unsigned char>(text.front()))) {
        return std::nullopt;
    }
    return ParseDecimalText(text);
}

std::optional<char> RainKeyFilter(std::string_view fieldText, char32_t key) {
    if (key == U'\b' || IsDigit(key)) {
        return static_cast<char>(key);
    }
    if (IsPoint(key) && !fieldText.empty() && fieldText.find('.') == std::string_view::npos) {
        return '.';
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- membership

int FieldMember(int k) {
    switch (k) {
    case EditValleyLength:
        return 0;
    case EditValleySlope:
        return 1;
    case EditRainN:
        return 3;
    case EditRain100:
        return 4;
    case EditRain10:
        return 5;
    case EditRain20:
        return 6;
    case EditRain50:
        return 7;
    default:
        break;
    }
    // Slope fields: Edit10.. left from member 8, Edit17.. right from 16, in
    // the same order, with the curve-type lists in the place of Edit13/Edit20.
    if (k >= EditAreaL && k <= EditIntensityL && k != 13) {
        return k - EditAreaL + 8;
    }
    if (k >= EditAreaR && k <= EditIntensityR && k != 20) {
        return k - EditAreaR + 16;
    }
    return -1;
}

bool FieldCountsFilled(int k, std::string_view text) {
    if (k == EditRain10 || k == EditRain20 || k == EditRain50) {
        return !text.empty();
    }
    const auto value = FieldValue(text);
    return value && *value > 0.0;
}

namespace {

bool HasAll(const FilledInputs& filled, int first, int last) {
    for (int m = first; m <= last; ++m) {
        if (!filled.contains(m)) {
            return false;
        }
    }
    return true;
}

bool HasAll(const FilledInputs& filled, std::initializer_list<int> members) {
    return std::all_of(members.begin(), members.end(), [&](int m) { return filled.contains(m); });
}

// The group (0..2) holds exactly the members first..last.
bool HasExactly(const FilledInputs& filled, int group, int first, int last) {
    for (int m = group * 8; m < group * 8 + 8; ++m) {
        if (filled.contains(m) != (m >= first && m <= last)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool ComputeEnabled(int catchmentType, int variant, const FilledInputs& filled) {
    const bool twoSlopes = catchmentType == 1;
    if (catchmentType < 0 || catchmentType > 1) {
        return false;
    }
    switch (variant) {
    case 0:
        return HasAll(filled, {0, 1, 3, 4, 5, 6, 7}) && HasAll(filled, 8, 12) &&
               (!twoSlopes || HasAll(filled, 16, 20));
    case 1:
        return HasAll(filled, 0, 4) && HasAll(filled, 8, 13) && (!twoSlopes || HasAll(filled, 16, 21));
    case 2:
        return HasAll(filled, {0, 1}) && HasExactly(filled, 1, 8, 14) &&
               (!twoSlopes || HasExactly(filled, 2, 16, 22));
    default:
        return false;
    }
}

// ---------------------------------------------------------------- visibility

bool EditShown(int catchmentType, int variant, int k) {
    if (catchmentType < 0 || variant < 0) {
        return false;
    }
    const bool twoSlopes = catchmentType == 1;
    const bool right = k >= EditAreaR && k <= EditIntensityR;
    if (right && !twoSlopes) {
        return false;
    }
    if (Contains({EditValleyLength, EditValleySlope, EditAreaL, EditSlopeL, EditRoughnessL, EditCnL,
                  EditAreaR, EditSlopeR, EditRoughnessR, EditCnR},
                 k)) {
        return true;
    }
    if (Contains({EditRainN, EditRain100}, k)) {
        return variant == 0 || variant == 1;
    }
    if (Contains({EditRain10, EditRain20, EditRain50}, k)) {
        return variant == 0;
    }
    if (Contains({EditDurationL, EditDurationR}, k)) {
        return variant == 1 || variant == 2;
    }
    if (Contains({EditIntensityL, EditIntensityR}, k)) {
        return variant == 2;
    }
    return false; // identification texts and the never-shown Edit7, Edit13, Edit20
}

bool ReturnPeriodShown(int catchmentType, int variant) {
    return catchmentType >= 0 && variant == 1;
}

bool RainfallButtonShown(int catchmentType, int variant) {
    return catchmentType >= 0 && (variant == 0 || variant == 1);
}

// ---------------------------------------------------------------- description

std::string DescriptionText(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i];
    }
    if (!lines.empty() && lines.back().empty()) {
        text += '\n';
    }
    return text;
}

std::vector<std::string> DescriptionLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

// ---------------------------------------------------------------- corrections

const std::string& CorrectionMessageText(CorrectionMessage message) {
    static const std::string none;
    switch (message) {
    case CorrectionMessage::OutOfRange:
        return OutOfRangeMessage;
    case CorrectionMessage::Rain100:
        return Rain100Message;
    default:
        return none;
    }
}

std::vector<Correction> ExitCorrections(int k, const InputFieldTexts& fields) {
    CorrectionRun run(fields);
    const bool filled = !run.empty(k);
    if (k == EditCnL || k == EditCnR) {
        if (filled) {
            run.clamp(k);
        }
    } else if (k == EditDurationL || k == EditDurationR) {
        if (filled) {
            run.clamp(k);
        }
        run.synchronise(k, k == EditDurationL ? EditDurationR : EditDurationL);
    } else if (k == EditIntensityL || k == EditIntensityR) {
        run.synchronise(k, k == EditIntensityL ? EditIntensityR : EditIntensityL);
    } else if (Contains({EditRainN, EditRain10, EditRain20, EditRain50}, k)) {
        if (filled) {
            CorrectRainfall(run, k);
        }
    } else if (k == EditRain100) {
        if (filled) {
            CorrectRain100(run);
        }
    }
    return run.steps();
}

std::vector<Correction> ReturnPeriodExitCorrections(const InputFieldTexts& fields) {
    CorrectionRun run(fields);
    if (run.returnPeriodIs100() && !run.empty(EditRainN) && run.text(EditRainN) != run.text(EditRain100)) {
        run.setRain100From(EditRainN);
    }
    return run.steps();
}

} // namespace hydrim

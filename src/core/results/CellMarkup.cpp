#include "core/results/CellMarkup.h"

#include <map>

namespace hydrim {
namespace {

constexpr int RoughnessRow = 4;

// Byte offset after the first n characters of a UTF-8 text.
size_t OffsetOfCharacter(std::string_view text, size_t n) {
    size_t offset = 0;
    for (size_t k = 0; k < n && offset < text.size(); ++k) {
        ++offset;
        while (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80) {
            ++offset;
        }
    }
    return offset;
}

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

void Append(std::vector<TextRun>& runs, std::string_view text, TextRun::Position position) {
    if (!text.empty()) {
        runs.push_back({std::string(text), position, false, false});
    }
}

// Splits after `headLength` bytes: the head normal, the rest lowered.
std::vector<TextRun> LowerTail(std::string_view text, size_t headLength) {
    std::vector<TextRun> runs;
    Append(runs, text.substr(0, headLength), TextRun::Normal);
    Append(runs, text.substr(headLength), TextRun::Lowered);
    return runs;
}

bool IsSymbolCell(const ResultGrid& grid, int row, int column) {
    if (column != grid.SymbolColumn) {
        return false;
    }
    return grid.Kind != GridKind::VariantISummary || row >= 2;
}

std::vector<TextRun> HeadingRuns(std::string_view text) {
    const size_t marker = text.find("H1dN");
    if (marker == std::string_view::npos) {
        std::vector<TextRun> runs;
        Append(runs, text, TextRun::Normal);
        return runs;
    }
    return LowerTail(text, marker + 1);
}

std::vector<TextRun> RunsOfCell(const ResultGrid& grid, int row, int column) {
    const std::string& text = grid.Cell(row, column);
    if (grid.HeadingAcrossRow(row)) {
        if (column == 0) {
            return HeadingRuns(text);
        }
        if (row != 0 || column < 2) {
            return {};
        }
        std::vector<TextRun> runs;
        Append(runs, text, TextRun::Normal);
        return runs;
    }
    if (IsSymbolCell(grid, row, column)) {
        // The Greek letter of the roughness row (inputs sheet, Variant II / III).
        const bool greek =
            row == RoughnessRow &&
            (grid.Kind == GridKind::Variant23 || (grid.Kind == GridKind::VariantISheet && grid.Number == 1));
        const bool namedBases = grid.Kind == GridKind::VariantISheet || grid.Kind == GridKind::Variant23;
        return SymbolRuns(text, greek, namedBases);
    }
    if (column == grid.DescriptionColumn) {
        if (grid.Kind == GridKind::VariantISummary) {
            return DescriptionRuns(text, {"H1d"});
        }
        return DescriptionRuns(text, {"tsk", "H1dN"});
    }
    if (column == grid.UnitColumn) {
        return UnitRuns(text);
    }
    std::vector<TextRun> runs;
    Append(runs, text, TextRun::Normal);
    return runs;
}

} // namespace

std::vector<TextRun> SymbolRuns(std::string_view text, bool symbolFontWhenShort, bool namedBases) {
    if (CharacterCount(text) <= 2) {
        std::vector<TextRun> runs;
        Append(runs, text, TextRun::Normal);
        if (!runs.empty()) {
            runs.front().symbolFont = symbolFontWhenShort;
        }
        return runs;
    }
    size_t baseCharacters = 2;
    if (namedBases && text.starts_with(" C")) {
        baseCharacters = 3; // " CN"
    } else if (namedBases && text.starts_with(" m")) {
        baseCharacters = 6; // " max i"
    }
    return LowerTail(text, OffsetOfCharacter(text, baseCharacters));
}

std::vector<TextRun> DescriptionRuns(std::string_view text, const std::vector<std::string_view>& markers) {
    size_t first = std::string_view::npos;
    for (std::string_view marker : markers) {
        first = std::min(first, text.find(marker));
    }
    if (first == std::string_view::npos) {
        std::vector<TextRun> runs;
        Append(runs, text, TextRun::Normal);
        return runs;
    }
    return LowerTail(text, first + 1);
}

std::vector<TextRun> UnitRuns(std::string_view text) {
    std::vector<TextRun> runs;
    size_t cursor = 0;
    // Normal text up to `end`, then `length` raised characters.
    auto raise = [&](size_t end, size_t length) {
        Append(runs, text.substr(cursor, end - cursor), TextRun::Normal);
        Append(runs, text.substr(end, length), TextRun::Raised);
        cursor = std::min(text.size(), end + length);
    };
    const size_t powerOfTen = text.find("10");
    if (powerOfTen != std::string_view::npos && powerOfTen + 2 < text.size()) {
        raise(powerOfTen + 2, 1);
    }
    size_t metre = text.find("m2", cursor);
    if (metre == std::string_view::npos) {
        metre = text.find("m3", cursor);
    }
    if (metre != std::string_view::npos) {
        raise(metre + 1, 1);
    }
    const size_t minus = text.find('-', cursor);
    if (minus != std::string_view::npos) {
        raise(minus, 2);
    }
    Append(runs, text.substr(cursor), TextRun::Normal);
    return runs;
}

std::vector<TextRun> CellRuns(const ResultGrid& grid, int row, int column) {
    std::vector<TextRun> runs = RunsOfCell(grid, row, column);
    const bool bold = RowStyle(grid, row).bold;
    for (TextRun& run : runs) {
        run.bold = bold;
    }
    return runs;
}

CellStyle RowStyle(const ResultGrid& grid, int row) {
    if (row == grid.HighlightRow) {
        return {true, CellStyle::Peak};
    }
    if (grid.IsBoldRow(row)) {
        return {true, grid.IsShadedRow(row) ? CellStyle::Heading : CellStyle::Plain};
    }
    return {false, CellStyle::Plain};
}

std::string SymbolFontToUnicode(std::string_view text) {
    static const std::map<char, const char*> greek = {
        {'a', "α"}, {'b', "β"}, {'g', "γ"}, {'d', "δ"}, {'e', "ε"}, {'z', "ζ"}, {'h', "η"}, {'q', "θ"},
        {'i', "ι"}, {'k', "κ"}, {'l', "λ"}, {'m', "μ"}, {'n', "ν"}, {'x', "ξ"}, {'o', "ο"}, {'p', "π"},
        {'r', "ρ"}, {'s', "σ"}, {'t', "τ"}, {'u', "υ"}, {'f', "φ"}, {'c', "χ"}, {'y', "ψ"}, {'w', "ω"},
        {'A', "Α"}, {'B', "Β"}, {'G', "Γ"}, {'D', "Δ"}, {'E', "Ε"}, {'Z', "Ζ"}, {'H', "Η"}, {'Q', "Θ"},
        {'I', "Ι"}, {'K', "Κ"}, {'L', "Λ"}, {'M', "Μ"}, {'N', "Ν"}, {'X', "Ξ"}, {'O', "Ο"}, {'P', "Π"},
        {'R', "Ρ"}, {'S', "Σ"}, {'T', "Τ"}, {'U', "Υ"}, {'F', "Φ"}, {'C', "Χ"}, {'Y', "Ψ"}, {'W', "Ω"}};
    std::string result;
    for (char c : text) {
        const auto found = greek.find(c);
        result += found == greek.end() ? std::string(1, c) : std::string(found->second);
    }
    return result;
}

std::string SuperscriptText(std::string_view text) {
    // Digits, signs and the small letters that Unicode has as superscript
    // (modifier) characters; "q" has none.
    static const std::map<std::string_view, const char*> superscripts = {
        {"0", "⁰"}, {"1", "¹"}, {"2", "²"}, {"3", "³"}, {"4", "⁴"}, {"5", "⁵"}, {"6", "⁶"}, {"7", "⁷"},
        {"8", "⁸"}, {"9", "⁹"}, {"-", "⁻"}, {"−", "⁻"}, {"+", "⁺"}, {"a", "ᵃ"}, {"b", "ᵇ"}, {"c", "ᶜ"},
        {"d", "ᵈ"}, {"e", "ᵉ"}, {"f", "ᶠ"}, {"g", "ᵍ"}, {"h", "ʰ"}, {"i", "ⁱ"}, {"j", "ʲ"}, {"k", "ᵏ"},
        {"l", "ˡ"}, {"m", "ᵐ"}, {"n", "ⁿ"}, {"o", "ᵒ"}, {"p", "ᵖ"}, {"r", "ʳ"}, {"s", "ˢ"}, {"t", "ᵗ"},
        {"u", "ᵘ"}, {"v", "ᵛ"}, {"w", "ʷ"}, {"x", "ˣ"}, {"y", "ʸ"}, {"z", "ᶻ"}};
    std::string result;
    for (size_t at = 0; at < text.size();) {
        const size_t next = OffsetOfCharacter(text.substr(at), 1) + at;
        const auto found = superscripts.find(text.substr(at, next - at));
        if (found == superscripts.end()) {
            return {};
        }
        result += found->second;
        at = next;
    }
    return result;
}

std::string PlainText(const std::vector<TextRun>& runs, RaisedNotation notation) {
    std::string text;
    for (const TextRun& run : runs) {
        const std::string shown = run.symbolFont ? SymbolFontToUnicode(run.text) : run.text;
        if (run.position != TextRun::Raised) {
            text += shown;
            continue;
        }
        const std::string superscript = notation == RaisedNotation::Superscript ? SuperscriptText(shown) : "";
        text += superscript.empty() ? "^" + shown : superscript;
    }
    return text;
}

std::string JoinRuns(const std::vector<TextRun>& runs) {
    std::string text;
    for (const TextRun& run : runs) {
        text += run.text;
    }
    return text;
}

} // namespace hydrim

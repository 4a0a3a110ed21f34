#include "wasm/ReportJson.h"

#include "core/results/CellMarkup.h"
#include "wasm/ResultsJson.h"

#include <array>

namespace hydrim::wasm {

namespace {

using ordered = nlohmann::ordered_json;
using report::FormulaNode;

// A symbol of the layout files' markup as the tables draw it, without its
// leading blank; "g" is the roughness γ.
std::vector<TextRun> SymbolOf(const std::string& markup) {
    std::vector<TextRun> runs = SymbolRuns(markup, markup == " g", true);
    if (!runs.empty() && runs.front().text.starts_with(' ')) {
        runs.front().text.erase(0, 1);
    }
    return runs;
}

// A paragraph's words with their symbols, a blank between words.
std::vector<TextRun> TextRuns(const std::string& text) {
    std::vector<TextRun> runs;
    const auto plain = [&runs](const std::string& piece) {
        if (!runs.empty() && runs.back().position == TextRun::Normal && !runs.back().symbolFont) {
            runs.back().text += piece;
        } else {
            runs.push_back(TextRun{piece, TextRun::Normal, false, false});
        }
    };
    bool first = true;
    for (const FormulaNode& word : report::InlineWords(text)) {
        if (!first) {
            plain(" ");
        }
        first = false;
        for (const FormulaNode& piece : word.children) {
            if (piece.kind == FormulaNode::Symbol) {
                for (TextRun& run : SymbolOf(piece.text)) {
                    runs.push_back(std::move(run));
                }
            } else {
                plain(piece.text);
            }
        }
    }
    return runs;
}

ordered NodeJson(const FormulaNode& node) {
    static const std::array<const char*, 8> kinds = {"text",     "symbol", "row",    "power",
                                                     "fraction", "root",   "fenced", "sum"};
    ordered out = {{"kind", kinds[static_cast<size_t>(node.kind)]}};
    if (node.kind == FormulaNode::Symbol) {
        out["runs"] = RunsJson(SymbolOf(node.text));
    } else if (node.kind == FormulaNode::Text || node.kind == FormulaNode::Power) {
        out["text"] = node.text;
    }
    if (!node.children.empty()) {
        ordered children = ordered::array();
        for (const FormulaNode& child : node.children) {
            children.push_back(NodeJson(child));
        }
        out["children"] = std::move(children);
    }
    return out;
}

ordered ItemJson(const report::MethodItem& item) {
    switch (item.kind) {
    case report::MethodItem::Heading:
        return {{"kind", "heading"}, {"text", item.text}};
    case report::MethodItem::Paragraph:
        return {{"kind", "paragraph"}, {"runs", RunsJson(TextRuns(item.text))}};
    case report::MethodItem::Formula:
        return {{"kind", "formula"},
                {"number", item.number},
                {"formula", NodeJson(item.formula)},
                {"note", RunsJson(TextRuns(item.text))}};
    case report::MethodItem::SymbolRow:
        return {{"kind", "symbol"},
                {"symbol", RunsJson(SymbolOf(item.symbol))},
                {"meaning", RunsJson(DescriptionRuns(item.meaning, {"tsk", "H1dN"}))},
                {"unit", RunsJson(item.unit.empty() ? std::vector<TextRun>{} : UnitRuns(item.unit))}};
    case report::MethodItem::Reference:
        break;
    }
    return {{"kind", "reference"}, {"number", item.number}, {"runs", RunsJson(TextRuns(item.text))}};
}

ordered LinesJson(const std::vector<InputLine>& lines) {
    ordered out = ordered::array();
    for (const InputLine& line : lines) {
        out.push_back({{"label", line.Label}, {"value", line.Value}, {"unit", line.Unit}});
    }
    return out;
}

} // namespace

ordered ReportJson(const report::ReportContent& content) {
    ordered inputs = ordered::array();
    for (const InputBlock& block : content.Inputs) {
        inputs.push_back(
            {{"heading", block.Heading}, {"lines", LinesJson(block.Lines)}, {"notes", block.Notes}});
    }
    ordered warnings = ordered::array();
    for (const std::string& text : content.Warnings) {
        warnings.push_back({{"text", text}, {"severity", SeverityCode(WarningSeverity::Warning)}});
    }
    for (const std::string& text : content.Notes) {
        warnings.push_back({{"text", text}, {"severity", SeverityCode(WarningSeverity::Note)}});
    }
    ordered method = ordered::array();
    for (const report::MethodItem& item : report::MethodSection(content.Method)) {
        method.push_back(ItemJson(item));
    }
    return {{"identification", LinesJson(content.Identification)},
            {"description", content.Description},
            {"inputs", std::move(inputs)},
            {"warnings", std::move(warnings)},
            {"method", std::move(method)}};
}

} // namespace hydrim::wasm

#include "core/report/FormulaTree.h"

namespace hydrim::report {

namespace {

FormulaNode Node(FormulaNode::Kind kind, std::string text, std::vector<FormulaNode> children) {
    return FormulaNode{kind, std::move(text), std::move(children)};
}

} // namespace

FormulaNode F(const std::string& text) {
    return Node(FormulaNode::Text, text, {});
}

FormulaNode Sym(const char* markup) {
    return Node(FormulaNode::Symbol, markup, {});
}

FormulaNode Seq(std::vector<FormulaNode> items) {
    return Node(FormulaNode::Row, {}, std::move(items));
}

FormulaNode Pow(FormulaNode base, const std::string& exponent) {
    return Node(FormulaNode::Power, exponent, {std::move(base)});
}

FormulaNode Frac(FormulaNode numerator, FormulaNode denominator) {
    return Node(FormulaNode::Fraction, {}, {std::move(numerator), std::move(denominator)});
}

FormulaNode Sqrt(FormulaNode radicand) {
    return Node(FormulaNode::Root, {}, {std::move(radicand)});
}

FormulaNode Paren(FormulaNode inside) {
    return Node(FormulaNode::Fenced, {}, {std::move(inside)});
}

FormulaNode SumOf(FormulaNode below, FormulaNode above) {
    return Node(FormulaNode::Sum, {}, {std::move(below), std::move(above)});
}

std::vector<FormulaNode> InlineWords(const std::string& text) {
    std::vector<FormulaNode> words;
    std::vector<FormulaNode> pieces;
    std::string plain;
    const auto endPlain = [&] {
        if (!plain.empty()) {
            pieces.push_back(F(plain));
            plain.clear();
        }
    };
    const auto endWord = [&] {
        endPlain();
        if (!pieces.empty()) {
            words.push_back(Seq(std::move(pieces)));
            pieces.clear();
        }
    };
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const size_t close = c == '{' ? text.find('}', at) : std::string::npos;
        if (close != std::string::npos && close > at) {
            endPlain();
            pieces.push_back(Node(FormulaNode::Symbol, " " + text.substr(at + 1, close - at - 1), {}));
            at = close;
        } else if (c == ' ') {
            endWord();
        } else {
            plain += c;
        }
    }
    endWord();
    return words;
}

void CollectSymbols(const FormulaNode& formula, std::vector<std::string>& symbols) {
    if (formula.kind == FormulaNode::Symbol) {
        symbols.push_back(formula.text);
    }
    for (const FormulaNode& child : formula.children) {
        CollectSymbols(child, symbols);
    }
}

} // namespace hydrim::report

// How a result-table cell is drawn: its text cut into styled runs, and the
// style of its row. This is the one place that knows the drawing conventions
// of the layout texts, so the screen painter, the printer and the
// spreadsheet's rich text all show the same thing:
//  - symbols: a base (the first two characters, " CN" for " C...", " max i"
//    for " m...") and the rest lowered as an index; a one- or two-character
//    symbol in the roughness row is a Greek letter of the "Symbol" font;
//  - descriptions: the characters after the "t" of "tsk" / the "H" of "H1dN"
//    ("H1d" in the slopes + catchment summary) lowered;
//  - units: the digit of "m2" / "m3" raised, "-1" raised, and an inserted
//    power of ten "10" + digit + "." shown as 10 with a raised exponent, the
//    full stop standing for the multiplication sign.
// Lowered and raised runs are drawn in 3/5 of the font height; a lowered run
// starts a third of the text height below the cell's top, a raised run at the
// top.
#pragma once

#include "core/results/ResultTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace hydrim {

struct TextRun {
    enum Position { Normal, Lowered, Raised };
    std::string text;
    Position position = Normal;
    bool symbolFont = false; // the text is in the "Symbol" font ("g" is gamma)
    bool bold = false;
    bool operator==(const TextRun&) const = default;
};

// Style of a whole row.
struct CellStyle {
    enum Background {
        Plain,   // the grid's normal cell colour
        Heading, // light cyan (red 204, green 255, blue 255)
        Peak,    // light yellow (red 255, green 255, blue 204)
    };
    bool bold = false;
    Background background = Plain;
};

// Runs of one cell, left to right. Every run carries the row's bold flag.
// For a Variant II / III section row (grid.HeadingAcrossRow(row)) column 0
// returns the heading, to be drawn from the row's left edge across the whole
// row, and the other columns return nothing (row 0 keeps its titles from
// column 2 on). Empty cells give no runs.
std::vector<TextRun> CellRuns(const ResultGrid& grid, int row, int column);

CellStyle RowStyle(const ResultGrid& grid, int row);

// The single rules, for texts outside a result grid (the time-series unit
// row uses UnitRuns).
std::vector<TextRun> SymbolRuns(std::string_view text, bool symbolFontWhenShort, bool namedBases);
std::vector<TextRun> DescriptionRuns(std::string_view text, const std::vector<std::string_view>& markers);
std::vector<TextRun> UnitRuns(std::string_view text);

// A text written in the "Symbol" font as the Unicode Greek letters it shows
// ("g" -> "γ"), for painters that lack that font.
std::string SymbolFontToUnicode(std::string_view text);

// The Unicode superscript form of a raised text ("3" -> "³", "-1" -> "⁻¹",
// "−c" -> "⁻ᶜ"), or an empty text when one of its characters has none
// (a decimal point or comma, "q", capitals). Drawing a raised part as these
// characters lets a PDF's text read as it is shown.
std::string SuperscriptText(std::string_view text);

// The runs joined back into one text (for tests and plain output).
std::string JoinRuns(const std::vector<TextRun>& runs);

// How a plain text shows the raised parts of a unit.
enum class RaisedNotation {
    Superscript, // Unicode superscript characters: "[10³.m³]", "[m³.s⁻¹]"
    Caret,       // ASCII, one "^" before each raised part: "[10^3.m^3]", "[m^3.s^-1]"
};

// The runs as one UTF-8 text that keeps what the drawing shows: raised parts
// in the notation (a raised part without superscript characters gets a
// caret), "Symbol" font letters as Greek letters, lowered parts as they are.
std::string PlainText(const std::vector<TextRun>& runs, RaisedNotation notation);

} // namespace hydrim

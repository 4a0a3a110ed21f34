// Drawing of styled text runs (core/results/CellMarkup.h) on any device: the
// screen grids, printed pages, PDF files and the design report. Indices are
// lowered in a smaller font. An exponent that Unicode has superscript
// characters for (digits, "-", "+") is drawn as those characters, so that the
// text of a PDF copies and searches as it reads ("10³.m³", "m³.s⁻¹", "km²",
// not "103.m3"); any other exponent is raised in the smaller font. Every
// document draws unit texts through these functions.
#pragma once

#include "core/results/CellMarkup.h"

#include <QFont>
#include <QPointF>

#include <string_view>
#include <vector>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

// Draws runs left to right on one line of font whose top left corner is at
// topLeft (each run bold as it says); returns the width drawn.
double DrawRuns(QPainter& painter, const QPointF& topLeft, const std::vector<TextRun>& runs,
                const QFont& font);

// The width DrawRuns takes on device (nullptr: the screen).
double RunsWidth(const std::vector<TextRun>& runs, const QFont& font, const QPaintDevice* device);

// Draws a unit written in the layout files' markup ("[m3.s-1]", "[km2]", a
// power of ten "103." before it) as DrawRuns does; returns the width drawn.
double DrawUnitText(QPainter& painter, const QPointF& topLeft, std::string_view unit, const QFont& font);

} // namespace hydrim::render

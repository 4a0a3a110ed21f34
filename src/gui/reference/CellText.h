// Drawing of the lookup grids' cell texts: lines made of runs of normal and
// superscript text (km², mm.min⁻¹), the Greek letters the tables write with
// Latin letters meant for a symbol font, and the grids' fonts.
#pragma once

#include "gui/common/TextRun.h"

#include <QFont>
#include <QList>
#include <QString>

class QPainter;
class QRect;

namespace hydrim::gui {

using TextLine = QList<TextRun>;

// The grids' font: "Times New Roman" (a serif face where it is missing).
QFont LookupFont(int pointSize, bool bold = false);

// A plain line of one run.
TextLine PlainLine(const QString& text);
// "Plocha[km]" -> "Plocha[km", superscript "2", "]": the unit of an area
// header, whose last character is preceded by a superscript two ("[km2]"
// has its own two raised).
TextLine AreaHeaderLine(const QString& text);
// "mm.min-1" -> "mm.min", superscript "-1": every "-1" that follows a letter or
// a "." is raised.
TextLine MinusOneLine(const QString& text);
// Latin letters written for a symbol font, as the Greek letters they show
// there ("g" -> "γ", "a" -> "α", ...).
QString SymbolFontText(const QString& text);

// Width of a line in pixels; superscripts use a font three points smaller.
int LineWidth(const TextLine& line, const QFont& font);
// Draws a line with its baseline at y, starting at x.
void DrawLine(QPainter& painter, int x, int baseline, const TextLine& line, const QFont& font);
// Draws lines one below the other from the top-left of rect (with a small
// inset), lineHeight pixels apart (0: the font's line spacing).
void DrawLines(QPainter& painter, const QRect& rect, const QList<TextLine>& lines, const QFont& font,
               int lineHeight = 0);

} // namespace hydrim::gui

// The warnings on printed pages: one paragraph per warning, wrapped to the
// width of the block and opened by its severity ("Upozornění: ...",
// "Poznámka: ..."), the warnings before the notes. A table page prints them
// below the table (on a page of their own when they do not fit there), a
// chart page in a band below the chart.
#pragma once

#include "core/project/Warning.h"

#include <QFont>
#include <QRect>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

// A warning as the documents show it: "Upozornění: " or "Poznámka: " and
// its message.
QString LabelledWarningText(const Warning& warning);

// The labelled texts of warnings, the warnings before the notes.
QStringList WarningTexts(const Warnings& warnings);

// The height [device pixels] the notes take at width with font on device.
int NotesHeight(const QStringList& notes, const QFont& font, const QPaintDevice& device, int width);

// Paints the notes into rect (from its top; the height is not checked).
void PaintNotes(QPainter& painter, const QStringList& notes, const QFont& font, const QRect& rect);

} // namespace hydrim::render

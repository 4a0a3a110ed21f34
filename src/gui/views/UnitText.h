// Unit texts such as "[m3.s-1]" drawn with their exponents raised: a run of
// digits (with an optional minus sign) right after a letter is an exponent.
#pragma once

#include "gui/common/TextRun.h"

#include <QFont>
#include <QList>
#include <QString>

QT_BEGIN_NAMESPACE
class QPainter;
class QRect;
QT_END_NAMESPACE

namespace hydrim::gui {

// "[m3.s-1]" -> "[m", ^"3", ".s", ^"-1", "]".
QList<TextRun> SplitExponents(const QString& unit);

// The font of the raised parts: 3/5 of the normal height, rounded.
QFont SuperscriptFont(const QFont& font);

// Width of the unit text as DrawUnitText draws it.
int UnitTextWidth(const QString& unit, const QFont& font);

// Draws the unit text centred horizontally and vertically in rect.
void DrawUnitText(QPainter& painter, const QRect& rect, const QString& unit, const QFont& font);

} // namespace hydrim::gui

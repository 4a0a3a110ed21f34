// What every printed page carries besides its table or chart, so that a
// single sheet stands on its own: the project file's name and the date of
// the computation in the top margin and "strana X z Y" in the bottom
// margin; and the project description of a table page wrapped to the page
// width instead of running off its right edge.
#pragma once

#include <QDateTime>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

struct PageFurniture {
    QString fileName; // the project file's name (or the unnamed project's caption)
    QDateTime date;   // when the results were computed; invalid: not shown
    int page = 1;
    int pageCount = 1;
};

// "NAME   Datum výpočtu: d. M. yyyy H:mm" (the parts that are known).
QString PageHeaderText(const PageFurniture& furniture);

// "strana X z Y".
QString PageNumberText(const PageFurniture& furniture);

// Paints the header right-aligned at the top of header (cut short with "…"
// where it is wider) and the page number centred at the top of footer.
void PaintPageFurniture(QPainter& painter, const PageFurniture& furniture, const QFont& font,
                        const QRect& header, const QRect& footer);

// The description lines broken at word boundaries (inside a word that alone
// is too long) into lines no wider than width in font on device; an empty
// line stays.
QStringList WrapLines(const QStringList& lines, const QFont& font, const QPaintDevice& device, int width);

} // namespace hydrim::render

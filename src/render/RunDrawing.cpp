#include "render/RunDrawing.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace hydrim::render {

namespace {

constexpr double ScreenDpi = 96.0;
// Lowered and raised runs are drawn in three fifths of the font height.
constexpr double SmallFontRatio = 3.0 / 5.0;

QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The font height in pixels of the device.
double PixelHeight(const QFont& font, const QPaintDevice* device) {
    if (font.pixelSize() > 0) {
        return font.pixelSize();
    }
    const double dpi = device ? device->logicalDpiY() : ScreenDpi;
    return font.pointSizeF() * dpi / 72.0;
}

// One run as it is drawn: its text, its font and its baseline below the
// line's top.
struct PlacedRun {
    QString text;
    QFont font;
    double baseline = 0;
};

class RunLayout {
public:
    RunLayout(const QFont& font, const QPaintDevice* device)
        : normal_(device ? QFont(font, device) : font), small_(normal_) {
        small_.setPixelSize(
            std::max(1, static_cast<int>(std::nearbyint(SmallFontRatio * PixelHeight(normal_, device)))));
        const QFontMetricsF normalMetrics(normal_);
        const QFontMetricsF smallMetrics(small_);
        normalBaseline_ = normalMetrics.ascent();
        // A lowered run starts a third of the text height below the line's top.
        loweredBaseline_ = std::nearbyint(normalMetrics.height() / 3.0) + smallMetrics.ascent();
        raisedBaseline_ = smallMetrics.ascent();
    }

    PlacedRun place(const TextRun& run) const {
        const std::string shown = run.symbolFont ? SymbolFontToUnicode(run.text) : run.text;
        PlacedRun placed{ToQt(shown), normal_, normalBaseline_};
        if (run.position == TextRun::Raised) {
            if (const std::string superscript = SuperscriptCharacters(shown); !superscript.empty()) {
                placed.text = ToQt(superscript);
            } else {
                placed.font = small_;
                placed.baseline = raisedBaseline_;
            }
        } else if (run.position == TextRun::Lowered) {
            placed.font = small_;
            placed.baseline = loweredBaseline_;
        }
        placed.font.setBold(run.bold);
        return placed;
    }

private:
    QFont normal_;
    QFont small_;
    double normalBaseline_ = 0;
    double loweredBaseline_ = 0;
    double raisedBaseline_ = 0;
};

} // namespace

double DrawRuns(QPainter& painter, const QPointF& topLeft, const std::vector<TextRun>& runs,
                const QFont& font) {
    const RunLayout layout(font, painter.device());
    double x = topLeft.x();
    for (const TextRun& run : runs) {
        const PlacedRun placed = layout.place(run);
        painter.setFont(placed.font);
        painter.drawText(QPointF(x, topLeft.y() + placed.baseline), placed.text);
        x += QFontMetricsF(placed.font).horizontalAdvance(placed.text);
    }
    return x - topLeft.x();
}

double RunsWidth(const std::vector<TextRun>& runs, const QFont& font, const QPaintDevice* device) {
    const RunLayout layout(font, device);
    double width = 0;
    for (const TextRun& run : runs) {
        const PlacedRun placed = layout.place(run);
        width += QFontMetricsF(placed.font).horizontalAdvance(placed.text);
    }
    return width;
}

double DrawUnitText(QPainter& painter, const QPointF& topLeft, std::string_view unit, const QFont& font) {
    return DrawRuns(painter, topLeft, UnitRuns(unit), font);
}

} // namespace hydrim::render

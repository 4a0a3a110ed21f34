#include "render/PrintNotes.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace hydrim::render {

namespace {

const QString Heading = QStringLiteral("Upozornění");

QFont BoldOf(const QFont& font) {
    QFont bold(font);
    bold.setBold(true);
    return bold;
}

int ParagraphHeight(const QString& text, const QFont& font, const QPaintDevice& device, int width) {
    const QFontMetrics metrics(font, &device);
    return metrics.boundingRect(QRect(0, 0, width, 1 << 24), Qt::TextWordWrap, text).height();
}

} // namespace

QStringList WarningTexts(const Warnings& warnings) {
    QStringList texts;
    for (const Warning& warning : warnings) {
        texts << QString::fromStdString(warning.Message);
    }
    return texts;
}

int NotesHeight(const QStringList& notes, const QFont& font, const QPaintDevice& device, int width) {
    if (notes.isEmpty()) {
        return 0;
    }
    int height = QFontMetrics(BoldOf(font), &device).height();
    for (const QString& note : notes) {
        height += ParagraphHeight(note, font, device, width);
    }
    return height;
}

void PaintNotes(QPainter& painter, const QStringList& notes, const QFont& font, const QRect& rect) {
    if (notes.isEmpty()) {
        return;
    }
    const QPaintDevice& device = *painter.device();
    painter.save();
    painter.setPen(Qt::black);
    const QFont bold = BoldOf(font);
    painter.setFont(bold);
    int y = rect.top();
    const int headingHeight = QFontMetrics(bold, &device).height();
    painter.drawText(QRect(rect.left(), y, rect.width(), headingHeight), Qt::AlignLeft | Qt::AlignTop,
                     Heading);
    y += headingHeight;
    painter.setFont(font);
    for (const QString& note : notes) {
        const int height = ParagraphHeight(note, font, device, rect.width());
        painter.drawText(QRect(rect.left(), y, rect.width(), height), Qt::TextWordWrap | Qt::AlignTop, note);
        y += height;
    }
    painter.restore();
}

} // namespace hydrim::render

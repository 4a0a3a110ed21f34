#include "render/PrintNotes.h"

#include "core/results/WarningLists.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

namespace hydrim::render {

namespace {

int ParagraphHeight(const QString& text, const QFont& font, const QPaintDevice& device, int width) {
    const QFontMetrics metrics(font, &device);
    return metrics.boundingRect(QRect(0, 0, width, 1 << 24), Qt::TextWordWrap, text).height();
}

} // namespace

QString LabelledWarningText(const Warning& warning) {
    return QString::fromUtf8(SeverityLabel(warning.Severity)) + QStringLiteral(": ") +
           QString::fromStdString(warning.Message);
}

QStringList WarningTexts(const Warnings& warnings) {
    QStringList texts;
    for (const WarningSeverity severity : {WarningSeverity::Warning, WarningSeverity::Note}) {
        for (const Warning& warning : OfSeverity(warnings, severity)) {
            texts << LabelledWarningText(warning);
        }
    }
    return texts;
}

int NotesHeight(const QStringList& notes, const QFont& font, const QPaintDevice& device, int width) {
    int height = 0;
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
    int y = rect.top();
    painter.setFont(font);
    for (const QString& note : notes) {
        const int height = ParagraphHeight(note, font, device, rect.width());
        painter.drawText(QRect(rect.left(), y, rect.width(), height), Qt::TextWordWrap | Qt::AlignTop, note);
        y += height;
    }
    painter.restore();
}

} // namespace hydrim::render

#include "gui/common/ResultNotice.h"

#include "core/results/WarningLists.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace hydrim::gui {

namespace {

// A label of warnings of one severity: a box in its background colour, or
// a line in its text colour.
void StyleList(QLabel* label, ResultNotice::Form form, const char* objectName, const char* background,
               const char* colour) {
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setTextFormat(Qt::PlainText);
    if (form == ResultNotice::Form::Box) {
        label->setFrameShape(QFrame::StyledPanel);
        label->setStyleSheet(
            QStringLiteral("QLabel { background: %1; padding: 4px; }").arg(QLatin1String(background)));
    } else {
        label->setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(QLatin1String(colour)));
    }
}

// The text of a list: its label, then one bullet a line (box) or the texts
// in a row (line); empty without texts.
QString ListText(ResultNotice::Form form, WarningSeverity severity, const Warnings& warnings) {
    QStringList texts;
    for (const Warning& warning : warnings) {
        texts << QString::fromStdString(warning.Message);
    }
    if (texts.isEmpty()) {
        return {};
    }
    const QString heading =
        QString::fromUtf8(SeverityLabel(severity, static_cast<size_t>(texts.size()))) + QLatin1Char(':');
    return form == ResultNotice::Form::Box
               ? heading + QStringLiteral("\n• ") + texts.join(QStringLiteral("\n• "))
               : heading + QLatin1Char(' ') + texts.join(QLatin1Char(' '));
}

} // namespace

ResultNotice::ResultNotice(Form form, QWidget* parent)
    : QWidget(parent), form_(form), outOfDateLabel_(new QLabel(this)), lists_(new QScrollArea(this)) {
    setObjectName(QStringLiteral("Upozorneni"));
    outOfDateLabel_->setObjectName(QStringLiteral("NeaktualniVysledky"));
    outOfDateLabel_->setText(QString::fromStdString(OutOfDateMessage));
    outOfDateLabel_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    auto* content = new QWidget;
    warningsLabel_ = new QLabel(content);
    notesLabel_ = new QLabel(content);
    StyleList(warningsLabel_, form_, "SeznamUpozorneni", "#fff8dc", "#8a5a00");
    StyleList(notesLabel_, form_, "SeznamPoznamek", "#eef3f8", "#35506b");
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(2);
    contentLayout->addWidget(warningsLabel_);
    contentLayout->addWidget(notesLabel_);
    lists_->setWidget(content);
    lists_->setWidgetResizable(true);
    lists_->setFrameShape(QFrame::NoFrame);
    lists_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No taller than its lists: the table or the chart takes the rest.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(outOfDateLabel_);
    layout->addWidget(lists_);
    refresh();
}

void ResultNotice::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitLists();
}

// The lists take the height their texts need at the present width, up to
// MaxBoxLines or MaxLineLines lines; beyond that they scroll, so that many warnings
// neither squeeze the table or the chart away nor lose their last lines.
void ResultNotice::fitLists() {
    const int lines = form_ == Form::Box ? MaxBoxLines : MaxLineLines;
    const int most = lines * fontMetrics().lineSpacing() + 4 * fontMetrics().height() / 5;
    QWidget* content = lists_->widget();
    const int width = std::max(lists_->viewport()->width(), 1);
    const int needed =
        content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height();
    lists_->setFixedHeight(std::min(std::max(needed, 0), most));
}

QStringList ResultNotice::warningTexts() const {
    QStringList texts;
    for (const Warning& warning : warnings_) {
        texts << QString::fromStdString(warning.Message);
    }
    return texts;
}

Warnings ResultNotice::shownWarnings() const {
    return OutputWarnings(warnings_, outOfDate_);
}

void ResultNotice::setWarnings(const Warnings& warnings) {
    warnings_ = warnings;
    refresh();
}

void ResultNotice::setOutOfDate(bool outOfDate) {
    outOfDate_ = outOfDate;
    refresh();
}

void ResultNotice::refresh() {
    warningsLabel_->setText(
        ListText(form_, WarningSeverity::Warning, OfSeverity(warnings_, WarningSeverity::Warning)));
    notesLabel_->setText(
        ListText(form_, WarningSeverity::Note, OfSeverity(warnings_, WarningSeverity::Note)));
    warningsLabel_->setVisible(!warningsLabel_->text().isEmpty());
    notesLabel_->setVisible(!notesLabel_->text().isEmpty());
    lists_->setVisible(!warnings_.empty());
    outOfDateLabel_->setVisible(outOfDate_);
    setVisible(outOfDate_ || !warnings_.empty());
    fitLists();
}

ResultNotice* NoticeOf(QWidget* window) {
    return window ? window->findChild<ResultNotice*>(QStringLiteral("Upozorneni")) : nullptr;
}

} // namespace hydrim::gui

#include "gui/common/ResultNotice.h"

#include "core/results/WarningLists.h"

#include <QLabel>
#include <QVBoxLayout>

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
    : QWidget(parent), form_(form), outOfDateLabel_(new QLabel(this)), warningsLabel_(new QLabel(this)),
      notesLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("Upozorneni"));
    outOfDateLabel_->setObjectName(QStringLiteral("NeaktualniVysledky"));
    outOfDateLabel_->setText(QString::fromStdString(OutOfDateMessage));
    outOfDateLabel_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    StyleList(warningsLabel_, form_, "SeznamUpozorneni", "#fff8dc", "#8a5a00");
    StyleList(notesLabel_, form_, "SeznamPoznamek", "#eef3f8", "#35506b");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(outOfDateLabel_);
    layout->addWidget(warningsLabel_);
    layout->addWidget(notesLabel_);
    refresh();
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
    outOfDateLabel_->setVisible(outOfDate_);
    setVisible(outOfDate_ || !warnings_.empty());
}

ResultNotice* NoticeOf(QWidget* window) {
    return window ? window->findChild<ResultNotice*>(QStringLiteral("Upozorneni")) : nullptr;
}

} // namespace hydrim::gui

#include "gui/common/ResultNotice.h"

#include "core/results/WarningLists.h"

#include <QLabel>
#include <QVBoxLayout>

namespace hydrim::gui {

ResultNotice::ResultNotice(Form form, QWidget* parent)
    : QWidget(parent), form_(form), outOfDateLabel_(new QLabel(this)), warningsLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("Upozorneni"));
    outOfDateLabel_->setObjectName(QStringLiteral("NeaktualniVysledky"));
    outOfDateLabel_->setText(QString::fromStdString(OutOfDateMessage));
    outOfDateLabel_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    warningsLabel_->setObjectName(QStringLiteral("SeznamUpozorneni"));
    warningsLabel_->setWordWrap(true);
    warningsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    warningsLabel_->setTextFormat(Qt::PlainText);
    if (form_ == Form::Box) {
        warningsLabel_->setFrameShape(QFrame::StyledPanel);
        warningsLabel_->setStyleSheet(QStringLiteral("QLabel { background: #fff8dc; padding: 4px; }"));
    } else {
        warningsLabel_->setStyleSheet(QStringLiteral("QLabel { color: #8a5a00; }"));
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(outOfDateLabel_);
    layout->addWidget(warningsLabel_);
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
    const QStringList texts = warningTexts();
    const QString heading = QStringLiteral("Upozornění:");
    warningsLabel_->setText(form_ == Form::Box
                                ? heading + QStringLiteral("\n• ") + texts.join(QStringLiteral("\n• "))
                                : heading + QLatin1Char(' ') + texts.join(QLatin1Char(' ')));
    warningsLabel_->setVisible(!texts.isEmpty());
    outOfDateLabel_->setVisible(outOfDate_);
    setVisible(outOfDate_ || !texts.isEmpty());
}

ResultNotice* NoticeOf(QWidget* window) {
    return window ? window->findChild<ResultNotice*>(QStringLiteral("Upozorneni")) : nullptr;
}

} // namespace hydrim::gui

#include "gui/results/Variant23ResultTableWindow.h"

#include "gui/common/ResultNotice.h"
#include "gui/results/ResultGridView.h"

#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace hydrim::gui {

Variant23ResultTableWindow::Variant23ResultTableWindow(ResultGrid grid, const Warnings& warnings,
                                                       const QFont& tableFont, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Tabulka1"));
    setWindowTitle(QStringLiteral("Tabulka výsledků"));
    grid_ = new ResultGridView(std::move(grid), tableFont, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    notice_ = new ResultNotice(ResultNotice::Form::Box, this);
    notice_->setWarnings(warnings);
    layout->addWidget(notice_);
}

void Variant23ResultTableWindow::copyTable() {
    grid_->copyTable();
}

QSize Variant23ResultTableWindow::sizeHint() const {
    // Room for a vertical scroll bar; the window that shows it bounds the height.
    const QSize natural = grid_->naturalSize();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int noticeHeight = notice_->isHidden() ? 0 : notice_->sizeHint().height();
    return {natural.width() + scrollBar, natural.height() + noticeHeight};
}

} // namespace hydrim::gui

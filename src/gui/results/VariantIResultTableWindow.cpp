#include "gui/results/VariantIResultTableWindow.h"

#include "gui/common/ResultNotice.h"
#include "gui/results/ResultGridView.h"

#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace hydrim::gui {

VariantIResultTableWindow::VariantIResultTableWindow(std::vector<ResultGrid> grids, const Warnings& warnings,
                                                     const QFont& tableFont, QWidget* parent)
    : QWidget(parent), tabs_(new QTabWidget(this)) {
    setObjectName(QStringLiteral("TabulkaV1_f"));
    setWindowTitle(QStringLiteral("Tabulka výsledků"));
    tabs_->setObjectName(QStringLiteral("TabControl1"));
    tabs_->setDocumentMode(true);

    for (size_t i = 0; i < grids.size() && i < grids_.size(); ++i) {
        const QString title = QString::fromStdString(grids[i].Title);
        auto* view = new ResultGridView(std::move(grids[i]), tableFont, tabs_);
        view->setObjectName(QStringLiteral("StringGrid%1").arg(i + 1));
        grids_[i] = view;
        tabs_->addTab(view, title);
    }
    tabs_->setCurrentIndex(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs_);
    notice_ = new ResultNotice(ResultNotice::Form::Box, this);
    notice_->setWarnings(warnings);
    layout->addWidget(notice_);
}

ResultGridView* VariantIResultTableWindow::grid(int k) const {
    return k >= 1 && k <= 8 ? grids_[static_cast<size_t>(k - 1)] : nullptr;
}

ResultGridView* VariantIResultTableWindow::currentGrid() const {
    return grid(tabs_->currentIndex() + 1);
}

QSize VariantIResultTableWindow::sizeHint() const {
    QSize size(0, 0);
    for (const ResultGridView* view : grids_) {
        if (view) {
            size = size.expandedTo(view->naturalSize());
        }
    }
    const QSize tabBar = tabs_->tabBar()->sizeHint();
    // Room for a vertical scroll bar; the window that shows it bounds the height.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int noticeHeight = notice_->isHidden() ? 0 : notice_->sizeHint().height();
    return {std::max(size.width() + scrollBar, tabBar.width()),
            size.height() + tabBar.height() + 4 + noticeHeight};
}

} // namespace hydrim::gui

#include "gui/views/ChartWindow.h"

#include "core/results/WarningLists.h"
#include "gui/common/ResultNotice.h"
#include "gui/views/HydrographChartView.h"

#include <QVBoxLayout>

namespace hydrim::gui {

ChartWindow::ChartWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setWindowTitle(QStringLiteral("Zobrazení hydrogramů"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);
    view_ = new HydrographChartView(this);
    layout_->addWidget(view_);
    notice_ = new ResultNotice(ResultNotice::Form::Line, this);
    layout_->addWidget(notice_);
    connect(view_, &HydrographChartView::titleEdited, this, &ChartWindow::storeTitle);
    resize(900, 620);
}

void ChartWindow::draw(render::HydrographChartContent content) {
    designRain_ = content.designRain;
    state_.HydrographFromDesignRain = designRain_;
    const std::string& title =
        designRain_ ? state_.CurrentProject.ChartTitle1 : state_.CurrentProject.ChartTitle2;
    content.title = QString::fromStdString(title);
    notice_->setWarnings(WarningsOfReturnPeriod(state_.Warnings, content.returnPeriod));
    view_->setContent(content);
}

void ChartWindow::storeTitle(const QString& title) {
    std::string& stored = designRain_ ? state_.CurrentProject.ChartTitle1 : state_.CurrentProject.ChartTitle2;
    stored = title.toStdString();
    emit modified();
}

} // namespace hydrim::gui

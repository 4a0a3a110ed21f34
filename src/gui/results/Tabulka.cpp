#include "gui/results/Tabulka.h"

#include "core/Engine.h"
#include "core/project/Startup.h"
#include "gui/common/Messages.h"
#include "gui/common/ResultNotice.h"
#include "gui/results/ResultGridView.h"

#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace hydrim::gui {

TTabulka1::TTabulka1(const AppState& state, const QFont& tableFont, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tabulka1"));
    setWindowTitle(QStringLiteral("Tabulka výsledků"));
    Error error;
    grid_ = new ResultGridView(Variant23Grid(state, DataDirectory(state), error), tableFont, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    notice_ = new ResultNotice(ResultNotice::Form::Box, this);
    notice_->setWarnings(ResultWarnings(state));
    layout->addWidget(notice_);
    if (error)
        ShowError(this, QString::fromStdString(error.Message));
}

void TTabulka1::Kopirujtabulku1Click() {
    grid_->copyTable();
}

QSize TTabulka1::sizeHint() const {
    // Room for a vertical scroll bar; the window that shows it bounds the height.
    const QSize natural = grid_->naturalSize();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int noticeHeight = notice_->isHidden() ? 0 : notice_->sizeHint().height();
    return {natural.width() + scrollBar, natural.height() + noticeHeight};
}

} // namespace hydrim::gui

#include "results/Tabulka.h"

#include "app/Messages.h"
#include "project/Startup.h"
#include "reference/LayoutFiles.h"
#include "results/ResultGridView.h"

#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace hydrim::gui {

namespace {

// The grid of the variant chosen in the project (2 = Variant II, 3 = Variant III).
ResultGrid BuildGrid(const AppState& state, QString& error) {
    const int variant = state.CurrentProject.Texts.Variant == 2 ? 3 : 2;
    const bool twoSlopes = state.CurrentProject.Texts.CatchmentType == 1;
    const LayoutText layout = ReadVariant23Layout(DataDirectory(state), variant);
    error = QString::fromStdString(layout.Error);
    return BuildVariant23Table(state, layout, variant, twoSlopes, state.LocaleDecimalSeparator);
}

} // namespace

TTabulka1::TTabulka1(const AppState& state, const QFont& tableFont, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tabulka1"));
    setWindowTitle(QStringLiteral("Tabulka výsledků"));
    QString error;
    grid_ = new ResultGridView(BuildGrid(state, error), tableFont, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    if (!error.isEmpty())
        ShowError(this, error);
}

void TTabulka1::Kopirujtabulku1Click() {
    grid_->copyTable();
}

QSize TTabulka1::sizeHint() const {
    // Room for a vertical scroll bar; the window that shows it bounds the height.
    const QSize natural = grid_->naturalSize();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {natural.width() + scrollBar, natural.height()};
}

} // namespace hydrim::gui

#include "gui/views/TimeSeriesWindow.h"

#include "core/results/WarningLists.h"
#include "core/series/ChartTexts.h"
#include "gui/common/ColumnStretch.h"
#include "gui/common/ResultNotice.h"
#include "gui/views/TimeSeriesModel.h"
#include "gui/views/TwoRowHeader.h"
#include "gui/views/UnitText.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace hydrim::gui {

namespace {

constexpr int ColumnPadding = 10;
constexpr int RowPadding = 4;

QFont ListingFont() {
    QFont font(QStringLiteral("Times New Roman"), 12);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace

TimeSeriesWindow::TimeSeriesWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setWindowTitle(QStringLiteral("Časové řady"));
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 0);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("Hydrogram"));
    caption_->setContentsMargins(6, 3, 6, 3);
    layout_->addWidget(caption_);

    model_ = new TimeSeriesModel(this);
    model_->setFont(ListingFont());
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("StringGrid1"));
    table_->setHorizontalHeader(new TwoRowHeader(table_));
    table_->horizontalHeader()->setFont(ListingFont());
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->verticalHeader()->hide();
    // Fixed row heights keep scrolling through tens of thousands of rows cheap.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(ListingFont()).height() + RowPadding);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->setSelectionBehavior(QAbstractItemView::SelectItems);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->setModel(model_);
    layout_->addWidget(table_);
    notice_ = new ResultNotice(ResultNotice::Form::Line, this);
    layout_->addWidget(notice_);
    table_->viewport()->installEventFilter(this);
    resize(520, 560);
}

void TimeSeriesWindow::setListing(TimeSeriesListing listing, int returnPeriod, int captionReturnPeriod) {
    notice_->setWarnings(WarningsOfReturnPeriod(state_.Warnings, returnPeriod));
    const QModelIndex current = table_->currentIndex();
    const bool designRain = listing.ColumnCount() > 1 && listing.ColumnRole(1) == SeriesColumn::Rain;
    caption_->setText(QString::fromStdString(HydrographCaption(designRain, captionReturnPeriod)));
    model_->setListing(std::move(listing));
    fitColumns();
    const int row = std::clamp(current.isValid() ? current.row() : 0, 0, std::max(0, model_->rowCount() - 1));
    const int column =
        std::clamp(current.isValid() ? current.column() : 0, 0, std::max(0, model_->columnCount() - 1));
    if (model_->rowCount() > 0) {
        table_->setCurrentIndex(model_->index(row, column));
    }
}

void TimeSeriesWindow::fitColumns() {
    const QFont font = ListingFont();
    const QFontMetrics metrics(font);
    const TimeSeriesListing* listing = model_->listing();
    naturalWidths_.clear();
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        const QString unit = model_->headerData(column, Qt::Horizontal, UnitRole).toString();
        int width = 0;
        switch (listing->ColumnRole(column)) {
        case SeriesColumn::Time:
            width = metrics.horizontalAdvance(QStringLiteral("Čas [hod:min]")) + ColumnPadding;
            break;
        case SeriesColumn::Rain:
            width = metrics.horizontalAdvance(QStringLiteral("  [mm.min-1]"));
            break;
        default:
            width = metrics.horizontalAdvance(title) + ColumnPadding;
            break;
        }
        width = std::max({width, metrics.horizontalAdvance(title) + ColumnPadding,
                          UnitTextWidth(unit, font) + ColumnPadding});
        naturalWidths_.push_back(width);
    }
    StretchColumns(*table_, naturalWidths_, -1);
}

bool TimeSeriesWindow::eventFilter(QObject* watched, QEvent* event) {
    // The columns share the room a wider window leaves.
    if (watched == table_->viewport() && event->type() == QEvent::Resize) {
        StretchColumns(*table_, naturalWidths_, -1);
    }
    return QWidget::eventFilter(watched, event);
}

CellSelection TimeSeriesWindow::selection() const {
    const int offset = TimeSeriesModel::HeaderRows;
    const QItemSelection selected = table_->selectionModel()->selection();
    if (!selected.isEmpty()) {
        CellSelection cells{selected.first().left(), selected.first().top() + offset,
                            selected.first().right(), selected.first().bottom() + offset};
        for (const QItemSelectionRange& range : selected) {
            cells.Left = std::min(cells.Left, range.left());
            cells.Right = std::max(cells.Right, range.right());
            cells.Top = std::min(cells.Top, range.top() + offset);
            cells.Bottom = std::max(cells.Bottom, range.bottom() + offset);
        }
        return cells;
    }
    const QModelIndex current = table_->currentIndex();
    const int row = (current.isValid() ? current.row() : 0) + offset;
    const int column = current.isValid() ? current.column() : 0;
    return CellSelection{column, row, column, row};
}

void TimeSeriesWindow::select(const CellSelection& cells) {
    const int offset = TimeSeriesModel::HeaderRows;
    const QModelIndex topLeft = model_->index(cells.Top - offset, cells.Left);
    const QModelIndex bottomRight = model_->index(cells.Bottom - offset, cells.Right);
    if (!topLeft.isValid() || !bottomRight.isValid()) {
        return;
    }
    table_->setCurrentIndex(topLeft);
    table_->selectionModel()->select(QItemSelection(topLeft, bottomRight),
                                     QItemSelectionModel::ClearAndSelect);
}

std::string TimeSeriesWindow::copyText(CopyKind kind) const {
    const TimeSeriesListing* listing = model_->listing();
    return listing == nullptr ? std::string() : CopyText(ViewOf(*listing), selection(), kind);
}

void TimeSeriesWindow::copySelection(CopyKind kind) const {
    QApplication::clipboard()->setText(QString::fromStdString(copyText(kind)));
}

} // namespace hydrim::gui

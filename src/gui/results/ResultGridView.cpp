#include "gui/results/ResultGridView.h"

#include "gui/common/ColumnStretch.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace hydrim::gui {

namespace {

constexpr int SelectionAlpha = 80;

} // namespace

ResultGridModel::ResultGridModel(ResultGrid grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(std::move(grid)) {}

int ResultGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.RowCount();
}

int ResultGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColumnCount();
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return QString::fromStdString(grid_.Cell(index.row(), index.column()));
}

ResultCellDelegate::ResultCellDelegate(const render::CellPainter& painter, QObject* parent)
    : QStyledItemDelegate(parent), painter_(painter) {}

void ResultCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const auto* model = static_cast<const ResultGridModel*>(index.model());
    painter_.paintCell(*painter, option.rect, model->grid(), index.row(), index.column());
    if (option.state.testFlag(QStyle::State_Selected)) {
        // The cell's own colours stay readable under the selection.
        QColor highlight = option.palette.color(QPalette::Highlight);
        highlight.setAlpha(SelectionAlpha);
        painter->fillRect(option.rect, highlight);
    }
}

ResultGridView::ResultGridView(ResultGrid grid, const QFont& font, QWidget* parent)
    : QTableView(parent), painter_(font), model_(new ResultGridModel(std::move(grid), this)),
      menu_(new QMenu(this)) {
    setModel(model_);
    setItemDelegate(new ResultCellDelegate(painter_, this));
    setFont(font);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::ClickFocus);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);

    const ResultGrid& g = model_->grid();
    const render::GridGeometry geometry = painter_.geometry(g);
    for (int c = 0; c < g.ColumnCount(); ++c) {
        const int width = static_cast<int>(std::lround(geometry.columnWidths[static_cast<size_t>(c)]));
        naturalWidths_.push_back(width);
        setColumnWidth(c, width);
        setColumnHidden(c, width == 0);
    }
    for (int r = 0; r < g.FirstShownRow(); ++r) {
        setRowHidden(r, true);
    }
    for (int r = 0; r < g.RowCount(); ++r) {
        setRowHeight(r, static_cast<int>(std::lround(geometry.rowHeights[static_cast<size_t>(r)])));
    }
    for (int r = 0; r < g.RowCount(); ++r) {
        for (int c = 0; c < g.ColumnCount(); ++c) {
            const render::CellExtent extent = render::ExtentOf(g, r, c);
            if (!extent.covered() && (extent.rows > 1 || extent.columns > 1)) {
                setSpan(r, c, extent.rows, extent.columns);
            }
        }
    }

    QAction* copy = menu_->addAction(QStringLiteral("Kopíruj tabulku"));
    copy->setObjectName(QStringLiteral("Kopirujtabulku1"));
    connect(copy, &QAction::triggered, this, &ResultGridView::copyTable);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { menu_->popup(viewport()->mapToGlobal(position)); });
}

QString ResultGridView::cellText(int row, int column) const {
    return QString::fromStdString(grid().Cell(row, column));
}

QSize ResultGridView::naturalSize() const {
    int width = 0;
    for (int natural : naturalWidths_) {
        width += natural;
    }
    int height = 0;
    for (int r = 0; r < model_->rowCount(); ++r) {
        height += isRowHidden(r) ? 0 : rowHeight(r);
    }
    return {width + 2 * frameWidth() + 1, height + 2 * frameWidth() + 1};
}

QSize ResultGridView::sizeHint() const {
    return naturalSize();
}

void ResultGridView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    // The description column takes the room a wider window leaves.
    StretchColumns(*this, naturalWidths_, grid().DescriptionColumn);
}

void ResultGridView::copyTable() {
    QApplication::clipboard()->setText(QString::fromStdString(CopyTableText(grid())));
}

std::optional<CellSelection> ResultGridView::selection() const {
    const QItemSelection selected = selectionModel()->selection();
    if (selected.isEmpty()) {
        return std::nullopt;
    }
    int left = selected.first().left(), right = selected.first().right();
    int top = selected.first().top(), bottom = selected.first().bottom();
    for (const QItemSelectionRange& range : selected) {
        left = std::min(left, range.left());
        right = std::max(right, range.right());
        top = std::min(top, range.top());
        bottom = std::max(bottom, range.bottom());
    }
    return ViewSelection(grid(), CellSelection{left, top, right, bottom});
}

void ResultGridView::select(const CellSelection& gridCells) {
    const QModelIndex topLeft = model_->index(gridCells.Top, gridCells.Left);
    const QModelIndex bottomRight = model_->index(gridCells.Bottom, gridCells.Right);
    if (!topLeft.isValid() || !bottomRight.isValid()) {
        return;
    }
    setCurrentIndex(topLeft);
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

std::string ResultGridView::copyText(CopyKind kind) const {
    const TextGridView view = ViewOf(grid());
    const std::optional<CellSelection> cells = selection();
    return CopyText(view, cells.value_or(CellSelection{}), cells ? kind : CopyKind::All);
}

void ResultGridView::copySelection(CopyKind kind) const {
    QApplication::clipboard()->setText(QString::fromStdString(copyText(kind)));
}

} // namespace hydrim::gui

#include "gui/views/TimeSeriesModel.h"

#include "gui/views/TwoRowHeader.h"

namespace hydrim::gui {

TimeSeriesModel::TimeSeriesModel(QObject* parent) : QAbstractTableModel(parent) {}

void TimeSeriesModel::setListing(TimeSeriesListing listing) {
    beginResetModel();
    listing_ = std::make_unique<TimeSeriesListing>(std::move(listing));
    endResetModel();
}

int TimeSeriesModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !listing_) {
        return 0;
    }
    return std::max(0, listing_->RowCount() - HeaderRows);
}

int TimeSeriesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !listing_ ? 0 : listing_->ColumnCount();
}

QVariant TimeSeriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !listing_) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(listing_->Cell(index.row() + HeaderRows, index.column()));
    case Qt::FontRole:
        return font_;
    case Qt::TextAlignmentRole:
        return listing_->ColumnRole(index.column()) == SeriesColumn::Time
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TimeSeriesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!listing_ || section < 0) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + HeaderRows) : QVariant();
    }
    if (section >= listing_->ColumnCount()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(listing_->Cell(0, section));
    case UnitRole:
        return QString::fromStdString(listing_->Cell(1, section));
    case Qt::FontRole:
        return font_;
    default:
        return {};
    }
}

} // namespace hydrim::gui

#include "gui/batch/SummaryModel.h"

#include <QBrush>
#include <QColor>

namespace hydrim::gui {
namespace {

// The shades of the summary workbook: failed rows red, warnings yellow.
QColor RowShade(RowStatus status) {
    switch (status) {
    case RowStatus::Invalid:
    case RowStatus::Partial:
        return QColor(0xF8, 0xCB, 0xAD);
    case RowStatus::Warning:
        return QColor(0xFF, 0xF2, 0xCC);
    case RowStatus::Ok:
    case RowStatus::NoRunoff:
        break;
    }
    return {};
}

// Texts longer than this get a tooltip holding all of them.
constexpr qsizetype LongText = 40;

// A tooltip that wraps (rich text does, plain text would run off the screen).
QString WrappingTip(const QString& text) {
    return QStringLiteral("<p>") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

// Value v of a row in its column's unit with the decimals of the tables, as
// the workbook shows it (the CSV keeps every digit).
QString ValueText(const SummaryRow& row, size_t v, bool decimalComma) {
    if (v >= SummaryValueCount || !row.Values[v]) {
        return {};
    }
    const int decimals = SummaryColumns()[SummaryTextColumns + v].Decimals;
    QString text = QString::number(ShownValue(v, *row.Values[v]), 'f', decimals);
    return decimalComma ? text.replace(QLatin1Char('.'), QLatin1Char(',')) : text;
}

} // namespace

SummaryModel::SummaryModel(QObject* parent) : QAbstractTableModel(parent) {
    for (const std::string& header : SummaryColumnHeaders()) {
        headers_.push_back(QString::fromStdString(header));
    }
}

int SummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SummaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(SummaryColumns().size());
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= rows_.size()) {
        return {};
    }
    const SummaryRow& row = rows_[static_cast<size_t>(index.row())];
    const auto column = static_cast<size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (column >= SummaryTextColumns) {
            return ValueText(row, column - SummaryTextColumns, decimalComma_);
        }
        return QString::fromStdString(SummaryCells(row, decimalComma_)[column]);
    case Qt::ToolTipRole: {
        const std::vector<std::string> cells = SummaryCells(row, decimalComma_);
        const QString text = column < cells.size() ? QString::fromStdString(cells[column]) : QString();
        return text.size() > LongText ? QVariant(WrappingTip(text)) : QVariant();
    }
    case Qt::BackgroundRole: {
        const QColor shade = RowShade(row.Status);
        return shade.isValid() ? QVariant(QBrush(shade)) : QVariant();
    }
    case Qt::TextAlignmentRole:
        return column >= SummaryTextColumns ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<size_t>(section) >= SummaryColumns().size()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return headers_[static_cast<size_t>(section)];
    }
    if (role == Qt::ToolTipRole) {
        return QString::fromStdString(SummaryColumns()[static_cast<size_t>(section)].Description);
    }
    return {};
}

void SummaryModel::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void SummaryModel::append(std::vector<SummaryRow> rows) {
    if (rows.empty()) {
        return;
    }
    const int first = static_cast<int>(rows_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    for (SummaryRow& row : rows) {
        rows_.push_back(std::move(row));
    }
    endInsertRows();
}

} // namespace hydrim::gui

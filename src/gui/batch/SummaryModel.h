// The summary of a batch run as the batch window's grid shows it: the rows
// of core/batch with their Czech headers (a tooltip says what each column
// holds), failed rows shaded red and warnings yellow as in the workbook,
// numbers right-aligned with the tables' decimals, and long texts in a
// tooltip of their own. Rows are
// added in blocks as the run delivers them.
#pragma once

#include "core/batch/BatchSummary.h"

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace hydrim::gui {

class SummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SummaryModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Numbers are shown with a decimal comma when decimalComma is set (the
    // convention of the input table, as the CSV summary writes them).
    void setDecimalComma(bool decimalComma) { decimalComma_ = decimalComma; }
    void clear();
    void append(std::vector<SummaryRow> rows);
    const std::vector<SummaryRow>& rows() const { return rows_; }

private:
    std::vector<SummaryRow> rows_;
    std::vector<QString> headers_;
    bool decimalComma_ = true;
};

} // namespace hydrim::gui

// The time-series listing as a table model: one model row per minute, the
// column titles and units as header data. Cell texts come from the listing on
// demand, so a hydrograph of tens of thousands of minutes costs nothing until
// its rows are scrolled into view.
#pragma once

#include "core/series/TimeSeries.h"

#include <QAbstractTableModel>
#include <QFont>

#include <memory>

namespace hydrim::gui {

class TimeSeriesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Model rows start below the listing's two header rows.
    static constexpr int HeaderRows = 2;

    explicit TimeSeriesModel(QObject* parent = nullptr);

    void setListing(TimeSeriesListing listing);
    const TimeSeriesListing* listing() const { return listing_.get(); }
    void setFont(const QFont& font) { font_ = font; }
    const QFont& font() const { return font_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Horizontal: DisplayRole = the title row, UnitRole = the unit row.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::unique_ptr<TimeSeriesListing> listing_;
    QFont font_;
};

} // namespace hydrim::gui

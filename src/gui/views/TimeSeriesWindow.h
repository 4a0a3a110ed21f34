// What both time-series windows share: the line naming the hydrograph
// listed, the listing table with its two header rows that stretches with the
// window, and the three clipboard copies of its cells.
#pragma once

#include "core/project/ProjectData.h"
#include "core/series/CopyText.h"

#include <QWidget>

#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
class QLabel;
class QTableView;
class QVBoxLayout;
QT_END_NAMESPACE

namespace hydrim::gui {

class TimeSeriesModel;
class ResultNotice;

class TimeSeriesWindow : public QWidget {
    Q_OBJECT
public:
    QTableView* table() const { return table_; }
    // The warnings of the hydrograph listed in one line below the listing,
    // and the out-of-date mark.
    ResultNotice* notice() const { return notice_; }
    QLabel* caption() const { return caption_; }
    TimeSeriesModel* model() const { return model_; }
    QSize sizeHint() const override { return {560, 560}; }

    // The selected rectangle in listing rows (row 0 and 1 are the header
    // rows, so data rows start at 2); the current cell when nothing is
    // selected.
    CellSelection selection() const;
    // Selects listing rows top..bottom, columns left..right.
    void select(const CellSelection& cells);

    std::string copyText(CopyKind kind) const;
    // Puts copyText(kind) on the clipboard as plain text.
    void copySelection(CopyKind kind) const;

protected:
    TimeSeriesWindow(AppState& state, QWidget* parent);
    // Lists the hydrograph of return period N [years] (0: Variant II / III);
    // the caption names captionReturnPeriod when it is above 0 (Variant II).
    void setListing(TimeSeriesListing listing, int returnPeriod, int captionReturnPeriod = 0);
    QVBoxLayout* layout() const { return layout_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppState& state_;

private:
    void fitColumns();

    QLabel* caption_ = nullptr;
    QTableView* table_ = nullptr;
    TimeSeriesModel* model_ = nullptr;
    ResultNotice* notice_ = nullptr;
    std::vector<int> naturalWidths_;
    QVBoxLayout* layout_ = nullptr;
};

} // namespace hydrim::gui

// A result grid on screen: a QTableView over a core result grid, every cell
// drawn by the shared CellPainter, merged cells as the grid defines them, a
// rectangle of cells the user selects for the "&Edituj" copy commands, and
// the context menu "Kopíruj tabulku". The grid stretches with its window:
// the description column takes the room left.
#pragma once

#include "core/results/ResultTable.h"
#include "core/series/CopyText.h"
#include "render/CellPainter.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <optional>
#include <string>

namespace hydrim::gui {

class ResultGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultGridModel(ResultGrid grid, QObject* parent = nullptr);
    const ResultGrid& grid() const { return grid_; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    ResultGrid grid_;
};

class ResultCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ResultCellDelegate(const render::CellPainter& painter, QObject* parent = nullptr);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const render::CellPainter& painter_;
};

class ResultGridView : public QTableView {
    Q_OBJECT
public:
    ResultGridView(ResultGrid grid, const QFont& font, QWidget* parent = nullptr);

    const ResultGrid& grid() const { return model_->grid(); }
    const render::CellPainter& cellPainter() const { return painter_; }
    QString cellText(int row, int column) const;
    // The width and height the grid needs without scroll bars.
    QSize naturalSize() const;
    QSize sizeHint() const override;
    QMenu* contextMenu() const { return menu_; }
    // The selected rectangle in the terms of ViewOf(grid()) (shown rows,
    // visible columns); nothing when no cell is selected.
    std::optional<CellSelection> selection() const;
    // Selects grid rows top..bottom, grid columns left..right.
    void select(const CellSelection& gridCells);
    // The text of an "&Edituj" copy command, as the time-series listing
    // copies: the selected cells (or, with nothing selected, the whole grid).
    std::string copyText(CopyKind kind) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

public slots:
    // "Kopíruj tabulku": the value columns as TAB-separated lines on the clipboard.
    void copyTable();
    // Puts copyText(kind) on the clipboard as plain text.
    void copySelection(CopyKind kind) const;

private:
    render::CellPainter painter_;
    ResultGridModel* model_;
    QMenu* menu_;
    std::vector<int> naturalWidths_; // per column, 0 for hidden ones
};

} // namespace hydrim::gui

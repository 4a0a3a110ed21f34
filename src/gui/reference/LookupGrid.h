// The text grid of the lookup dialogs: a fixed number of rows and columns,
// fixed (header) rows that stay in view while the body scrolls, fixed
// (description) columns, one editable column whose cells take only numbers,
// merged cells, and owner-drawn cell texts.
#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QTableWidget>

#include <functional>

class QLineEdit;

namespace hydrim::gui {

class LookupGrid : public QTableWidget {
    Q_OBJECT
public:
    // Draws the text of a cell into rect (background and lines are drawn);
    // returns false to leave the cell to the default drawing.
    using CellPainter = std::function<bool(QPainter& painter, const QRect& rect, int row, int column)>;
    // Corrects the text of an edited cell.
    using Correction = std::function<QString(int row, int column, const QString& text)>;

    LookupGrid(int rows, int columns, int fixedRows, int fixedColumns, QWidget* parent = nullptr);

    int fixedRows() const { return fixedRows_; }
    int fixedColumns() const { return fixedColumns_; }

    QString text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    // Changes the column count; new cells are empty, existing texts stay.
    void setGridColumnCount(int columns);

    // Makes columns editable in the body rows; rows can be locked one by one.
    void setEditableColumns(const QList<int>& columns);
    void setRowEditable(int row, bool editable);
    bool isCellEditable(int row, int column) const;

    // Row heights, fixed rows included.
    void setGridRowHeight(int row, int height);
    int gridRowHeight(int row) const;
    // Merges cells of the fixed rows (the body uses setSpan).
    void setFixedSpan(int row, int column, int rowSpan, int columnSpan);

    void setCellPainter(CellPainter painter) { painter_ = std::move(painter); }
    // whileTyping runs after every change of an edited cell; whenDone when the
    // edit ends (Enter, leaving the cell).
    void setCorrections(Correction whileTyping, Correction whenDone = {});

    // Makes row the current row (in the first body column, or the editable
    // one), optionally scrolled to the top of the view.
    void setCurrentGridRow(int row, bool toTop);
    // Ends an edit in progress, keeping (finish) or keeping what was typed so
    // far and dropping the editor (cancel).
    void finishEditing();
    void cancelEditing();
    // The editor of the cell being edited, null when no cell is.
    QWidget* cellEditor() const;

    // Width of all columns and height of all rows with the frame, without
    // scroll bars.
    int contentWidth() const;
    int contentHeight() const;
    int fixedRowsHeight() const;
    // The content with a one-pixel grid line around every column (row), the
    // size a dialog gives a grid shown whole; linedWidth() plus the vertical
    // scroll bar for a grid that scrolls.
    int linedWidth() const;
    int linedHeight() const;
    int scrolledWidth() const;

    // Draws a cell the default way (background, text at the top left); the
    // fixed header and the delegate both come here.
    void paintCell(QPainter& painter, const QRect& rect, int row, int column, bool selected) const;
    // Rectangle of a fixed-row cell in header coordinates (spans included).
    QRect fixedCellRect(int row, int column) const;
    bool isFixedCellCovered(int row, int column) const;

signals:
    void editingStarted(int row, int column);
    void cellEdited(int row, int column);
    // The edit of a cell ended (Enter, Tab, leaving the cell, Esc or
    // finishEditing()); its text is the grid's.
    void editFinished(int row, int column);
    // The first letters of a row's name typed into a grid without editable
    // cells: a letter starts the text, and what follows within the
    // application's keyboard input interval (blanks, points and digits too)
    // adds to it; Backspace takes its last character back.
    void searchTyped(const QString& typed);
    void cellHovered(int row, int column);

protected:
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class LookupDelegate;
    void editorTextEdited(QLineEdit* editor, int row, int column);
    bool searchKey(const QKeyEvent* event);
    QString correctedWhenDone(int row, int column, const QString& text) const;
    void updateFlags();
    bool hasEditableCells() const { return !editableColumns_.isEmpty(); }

    int fixedRows_;
    int fixedColumns_;
    QList<int> editableColumns_;
    QList<int> fixedRowHeights_;
    QList<bool> rowEditable_;
    QMap<QPair<int, int>, QPair<int, int>> fixedSpans_; // (row, column) -> (rows, columns)
    CellPainter painter_;
    Correction whileTyping_;
    Correction whenDone_;
    QPair<int, int> editedCell_{-1, -1};
    QString search_;
    QElapsedTimer searchClock_;
};

} // namespace hydrim::gui

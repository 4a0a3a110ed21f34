#include "gui/reference/LookupGrid.h"

#include "core/reference/LookupEntry.h"
#include "gui/reference/CellText.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace hydrim::gui {

namespace {

constexpr int CellTextWidth = 12; // an entry cell holds at most 12 characters
constexpr int DefaultRowHeight = 20;
constexpr int GridLineWidth = 1;

bool IsPrintable(const QString& text) {
    return !text.isEmpty() && text[0].unicode() >= 0x20 && text[0] != u'\x7f';
}

// Applies the grid key filter to a key event: nullopt when it passes as it
// is, an empty string when it is discarded, else the replacement text.
std::optional<QString> FilteredKeyText(const QKeyEvent* event) {
    if (!IsPrintable(event->text()))
        return std::nullopt;
    const std::optional<char32_t> passed = FilterLookupKey(event->text()[0].unicode());
    if (!passed)
        return QString();
    if (*passed != event->text()[0].unicode())
        return QString(QChar(static_cast<char16_t>(*passed)));
    return std::nullopt;
}

// The fixed rows, drawn in the place of the column header so that they stay
// in view while the body scrolls.
class FixedRowsHeader : public QHeaderView {
public:
    explicit FixedRowsHeader(LookupGrid* grid) : QHeaderView(Qt::Horizontal, grid), grid_(grid) {
        setSectionResizeMode(QHeaderView::Fixed);
        setMinimumSectionSize(4);
        setHighlightSections(false);
        setSectionsClickable(false);
    }

    QSize sizeHint() const override { return {QHeaderView::sizeHint().width(), grid_->fixedRowsHeight()}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        for (int row = 0; row < grid_->fixedRows(); ++row)
            for (int column = 0; column < grid_->columnCount(); ++column) {
                if (grid_->isFixedCellCovered(row, column))
                    continue;
                const QRect rect = grid_->fixedCellRect(row, column);
                grid_->paintCell(painter, rect, row, column, false);
                painter.setPen(palette().color(QPalette::Mid));
                painter.drawLine(rect.topRight(), rect.bottomRight());
                painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            }
    }

private:
    LookupGrid* grid_;
};

} // namespace

// Draws every body cell through the grid and edits the editable cells with a
// line edit that lets through only what the grid's key filter passes.
class LookupDelegate : public QStyledItemDelegate {
public:
    explicit LookupDelegate(LookupGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        grid_->paintCell(*painter, option.rect, index.row(), index.column(), selected);
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const int row = index.row();
        const int column = index.column();
        if (!grid_->isCellEditable(row, column))
            return nullptr;
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setMaxLength(CellTextWidth);
        editor->setContextMenuPolicy(Qt::NoContextMenu);
        editor->setFont(grid_->font());
        editor->installEventFilter(const_cast<LookupDelegate*>(this));
        QObject::connect(editor, &QLineEdit::textEdited, grid_,
                         [this, editor, row, column] { grid_->editorTextEdited(editor, row, column); });
        grid_->editedCell_ = {row, column};
        emit grid_->editingStarted(row, column);
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* line = static_cast<QLineEdit*>(editor);
        const QString text = index.data().toString();
        if (line->text() != text)
            line->setText(text);
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
        const QString typed = static_cast<QLineEdit*>(editor)->text();
        const QString text = grid_->correctedWhenDone(index.row(), index.column(), typed);
        if (text != grid_->text(index.row(), index.column())) {
            grid_->setText(index.row(), index.column(), text);
            emit grid_->cellEdited(index.row(), index.column());
        }
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste))
                return true; // typed keys only: a pasted text would pass the filter
            if (const std::optional<QString> replacement = FilteredKeyText(key)) {
                if (!replacement->isEmpty()) {
                    QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), *replacement);
                    QApplication::sendEvent(object, &point);
                }
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    LookupGrid* grid_;
};

LookupGrid::LookupGrid(int rows, int columns, int fixedRows, int fixedColumns, QWidget* parent)
    : QTableWidget(rows, columns, parent), fixedRows_(fixedRows), fixedColumns_(fixedColumns) {
    setFont(LookupFont(10));
    setItemDelegate(new LookupDelegate(this));
    setHorizontalHeader(new FixedRowsHeader(this));
    horizontalHeader()->setVisible(fixedRows > 0);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(4);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    fixedRowHeights_.fill(DefaultRowHeight, fixedRows);
    rowEditable_.fill(true, rows);
    for (int row = 0; row < rows; ++row) {
        setRowHeight(row, DefaultRowHeight);
        setRowHidden(row, row < fixedRows);
        for (int column = 0; column < columns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            setItem(row, column, item);
        }
    }
}

QString LookupGrid::text(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void LookupGrid::setText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, column, cell);
    }
    cell->setText(text);
    if (row < fixedRows_)
        horizontalHeader()->viewport()->update();
}

void LookupGrid::setGridColumnCount(int columns) {
    const int before = columnCount();
    setColumnCount(columns);
    for (int column = before; column < columns; ++column)
        for (int row = 0; row < rowCount(); ++row)
            setText(row, column, QString());
}

void LookupGrid::setEditableColumns(const QList<int>& columns) {
    editableColumns_ = columns;
    updateFlags();
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
}

void LookupGrid::setRowEditable(int row, bool editable) {
    rowEditable_[row] = editable;
    updateFlags();
}

void LookupGrid::updateFlags() {
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < columnCount(); ++column)
            if (QTableWidgetItem* cell = item(row, column)) {
                Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
                if (isCellEditable(row, column))
                    flags |= Qt::ItemIsEditable;
                if (cell->flags() != flags)
                    cell->setFlags(flags);
            }
}

bool LookupGrid::isCellEditable(int row, int column) const {
    return editableColumns_.contains(column) && row >= fixedRows_ && row < rowEditable_.size() &&
           rowEditable_[row];
}

void LookupGrid::setGridRowHeight(int row, int height) {
    if (row < fixedRows_) {
        fixedRowHeights_[row] = height;
        horizontalHeader()->setFixedHeight(fixedRowsHeight());
        updateGeometries();
    } else {
        setRowHeight(row, height);
    }
}

int LookupGrid::gridRowHeight(int row) const {
    return row < fixedRows_ ? fixedRowHeights_[row] : rowHeight(row);
}

void LookupGrid::setFixedSpan(int row, int column, int rowSpan, int columnSpan) {
    fixedSpans_[{row, column}] = {rowSpan, columnSpan};
}

void LookupGrid::setCorrections(Correction whileTyping, Correction whenDone) {
    whileTyping_ = std::move(whileTyping);
    whenDone_ = std::move(whenDone);
}

void LookupGrid::setCurrentGridRow(int row, bool toTop) {
    const int column =
        hasEditableCells() ? editableColumns_.front() : std::min(fixedColumns_, columnCount() - 1);
    setCurrentCell(row, column);
    if (toTop)
        scrollTo(model()->index(row, column), QAbstractItemView::PositionAtTop);
}

void LookupGrid::finishEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QWidget* LookupGrid::cellEditor() const {
    return state() == QAbstractItemView::EditingState ? indexWidget(currentIndex()) : nullptr;
}

void LookupGrid::cancelEditing() {
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

int LookupGrid::contentWidth() const {
    int width = 2 * frameWidth();
    for (int column = 0; column < columnCount(); ++column)
        width += columnWidth(column);
    return width;
}

int LookupGrid::linedWidth() const {
    return contentWidth() + (columnCount() + 2) * GridLineWidth;
}

int LookupGrid::linedHeight() const {
    return contentHeight() + (rowCount() + 2) * GridLineWidth;
}

int LookupGrid::scrolledWidth() const {
    return linedWidth() + verticalScrollBar()->sizeHint().width();
}

int LookupGrid::fixedRowsHeight() const {
    int height = 0;
    for (int h : fixedRowHeights_)
        height += h;
    return height;
}

int LookupGrid::contentHeight() const {
    int height = 2 * frameWidth() + fixedRowsHeight();
    for (int row = fixedRows_; row < rowCount(); ++row)
        if (!isRowHidden(row))
            height += rowHeight(row);
    return height;
}

void LookupGrid::paintCell(QPainter& painter, const QRect& rect, int row, int column, bool selected) const {
    const bool fixed = row < fixedRows_ || column < fixedColumns_;
    QColor background = palette().color(fixed ? QPalette::Button : QPalette::Base);
    if (selected && !fixed)
        background = palette().color(QPalette::Highlight);
    painter.fillRect(rect, background);
    painter.setPen(palette().color(selected && !fixed ? QPalette::HighlightedText : QPalette::Text));
    if (painter_ && painter_(painter, rect, row, column))
        return;
    DrawLines(painter, rect, {PlainLine(text(row, column))}, font());
}

QRect LookupGrid::fixedCellRect(int row, int column) const {
    int top = 0;
    for (int r = 0; r < row; ++r)
        top += fixedRowHeights_[r];
    const auto span = fixedSpans_.value({row, column}, {1, 1});
    int height = 0;
    for (int r = row; r < std::min(fixedRows_, row + span.first); ++r)
        height += fixedRowHeights_[r];
    int width = 0;
    for (int c = column; c < std::min(columnCount(), column + span.second); ++c)
        width += columnWidth(c);
    const int left = horizontalHeader()->sectionViewportPosition(column);
    return QRect(left, top, width, height);
}

bool LookupGrid::isFixedCellCovered(int row, int column) const {
    for (auto it = fixedSpans_.cbegin(); it != fixedSpans_.cend(); ++it) {
        const auto [spanRow, spanColumn] = it.key();
        const auto [rows, columns] = it.value();
        const bool inside =
            row >= spanRow && row < spanRow + rows && column >= spanColumn && column < spanColumn + columns;
        if (inside && (row != spanRow || column != spanColumn))
            return true;
    }
    return false;
}

void LookupGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    // Tab opens the next cell's editor in here: the cell that ended is kept first.
    const auto [row, column] = editedCell_;
    editedCell_ = {-1, -1};
    QTableWidget::closeEditor(editor, hint);
    if (row >= 0) {
        emit editFinished(row, column);
    }
}

void LookupGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        QTableWidget::keyPressEvent(event);
        event->accept(); // Enter stays in the grid; it does not press a dialog button
        return;
    }
    if (!hasEditableCells()) {
        if (!searchKey(event)) {
            QTableWidget::keyPressEvent(event);
        }
        return;
    }
    if (const std::optional<QString> replacement = FilteredKeyText(event)) {
        if (!replacement->isEmpty()) {
            QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, event->modifiers(), *replacement);
            QTableWidget::keyPressEvent(&point);
        }
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool LookupGrid::searchKey(const QKeyEvent* event) {
    const bool continues = !search_.isEmpty() && searchClock_.isValid() &&
                           searchClock_.elapsed() < QApplication::keyboardInputInterval();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (command) {
        return false;
    }
    if (event->key() == Qt::Key_Backspace) {
        if (!continues) {
            return false;
        }
        search_.chop(1);
        searchClock_.start();
        if (!search_.isEmpty()) {
            emit searchTyped(search_);
        }
        return true;
    }
    if (!IsPrintable(event->text()) || !(event->text()[0].isLetter() || continues)) {
        return false;
    }
    search_ = (continues ? search_ : QString()) + event->text();
    searchClock_.start();
    emit searchTyped(search_);
    return true;
}

void LookupGrid::keyboardSearch(const QString&) {
    // Letters search only where a dialog asks for it (searchTyped).
}

void LookupGrid::mouseMoveEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    emit cellHovered(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1);
    QTableWidget::mouseMoveEvent(event);
}

void LookupGrid::editorTextEdited(QLineEdit* editor, int row, int column) {
    const QString typed = editor->text();
    const QString text = whileTyping_ ? whileTyping_(row, column, typed) : typed;
    if (text != typed)
        editor->setText(text);
    setText(row, column, text);
    emit cellEdited(row, column);
}

QString LookupGrid::correctedWhenDone(int row, int column, const QString& text) const {
    QString result = whileTyping_ ? whileTyping_(row, column, text) : text;
    return whenDone_ ? whenDone_(row, column, result) : result;
}

} // namespace hydrim::gui

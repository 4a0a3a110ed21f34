#include "gui/reference/TableEditor.h"

#include "gui/common/Messages.h"
#include "gui/reference/CsvImportPreview.h"
#include "gui/reference/LookupWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hydrim::gui {

namespace {

constexpr int ListedProblems = 8;
const QColor WrongRowColour(255, 215, 215);

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// What a cell of a column takes while typing: digits and one decimal mark,
// a range of whole numbers, or a text of one line.
class CellInput : public QStyledItemDelegate {
public:
    CellInput(const EditableTable& kind, QObject* parent) : QStyledItemDelegate(parent), kind_(kind) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor = static_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        switch (kind_.Columns[static_cast<size_t>(index.column())].Input) {
        case ColumnInput::Decimal:
            editor->setMaxLength(8);
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]*[.,]?[0-9]*")), editor));
            break;
        case ColumnInput::Range:
            editor->setMaxLength(11);
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9 ]*-?[0-9 ]*")), editor));
            break;
        case ColumnInput::Text:
            break;
        }
        return editor;
    }

private:
    const EditableTable& kind_;
};

// The grid, able to end an edit in progress keeping what was typed.
class EditGrid : public QTableWidget {
public:
    EditGrid(int columns, QWidget* parent) : QTableWidget(0, columns, parent) {}
    void finishEditing() {
        if (state() != QAbstractItemView::EditingState) {
            return;
        }
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

// The text a typed cell is stored as: blanks at the ends dropped, a decimal
// comma taken as a point, a range without blanks.
QString StoredText(ColumnInput input, QString text) {
    text = text.trimmed();
    if (input == ColumnInput::Decimal) {
        text.replace(u',', u'.');
    }
    if (input == ColumnInput::Range) {
        text.remove(u' ');
    }
    return text;
}

QString ProblemLine(const LineProblem& problem, const QString& lineWord) {
    if (problem.Line == 0) {
        return Text(problem.Reason);
    }
    return QStringLiteral("%1 %2: %3").arg(lineWord).arg(problem.Line).arg(Text(problem.Reason));
}

QString ProblemList(const std::vector<LineProblem>& problems, const QString& lineWord) {
    QStringList lines;
    for (size_t i = 0; i < problems.size() && i < ListedProblems; ++i) {
        lines.append(ProblemLine(problems[i], lineWord));
    }
    if (problems.size() > ListedProblems) {
        lines.append(QStringLiteral("… a dalších %1").arg(problems.size() - ListedProblems));
    }
    return lines.join(u'\n');
}

} // namespace

TableEditor::TableEditor(const EditableTable& kind, const std::string& dataDir, QWidget* parent)
    : QDialog(parent), kind_(kind), dataDir_(dataDir) {
    setWindowTitle(QStringLiteral("Upravit tabulku – DATA/%1").arg(Text(kind.FileName)));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);

    grid = new EditGrid(static_cast<int>(kind.Columns.size()), this);
    QStringList titles;
    for (const EditedColumn& column : kind.Columns) {
        titles.append(Text(column.Title));
    }
    grid->setHorizontalHeaderLabels(titles);
    grid->setItemDelegate(new CellInput(kind, grid));
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setStretchLastSection(true);
    problems = new QLabel(this);
    problems->setWordWrap(true);
    problems->setStyleSheet(QStringLiteral("color: #b00000;"));

    addButton = new QPushButton(QStringLiteral("&Přidat řádek"), this);
    deleteButton = new QPushButton(QStringLiteral("&Smazat řádek"), this);
    undoButton = new QPushButton(QStringLiteral("&Zpět"), this);
    undoButton->setShortcut(QKeySequence::Undo);
    importButton = new QPushButton(QStringLiteral("&Import z CSV…"), this);
    saveButton = new QPushButton(QStringLiteral("&Uložit"), this);
    closeButton = new QPushButton(QStringLiteral("Zavří&t"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {addButton, deleteButton, undoButton, importButton}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid, 1);
    layout->addWidget(problems);
    layout->addLayout(buttons);
    resize(kind.Columns.size() > 3 ? 760 : 560, 560);

    connect(grid, &QTableWidget::itemChanged, this, &TableEditor::cellChanged);
    connect(addButton, &QPushButton::clicked, this, &TableEditor::addRow);
    connect(deleteButton, &QPushButton::clicked, this, &TableEditor::deleteRow);
    connect(undoButton, &QPushButton::clicked, this, &TableEditor::undo);
    connect(importButton, &QPushButton::clicked, this, &TableEditor::chooseImportFile);
    connect(saveButton, &QPushButton::clicked, this, &TableEditor::save);
    connect(closeButton, &QPushButton::clicked, this, &TableEditor::reject);
}

CsvImportPreview* TableEditor::preview() const {
    return preview_;
}

bool TableEditor::load() {
    LoadedTable loaded = LoadEditableTable(dataDir_, kind_);
    if (!loaded.ok()) {
        ShowLookupMessage(this, QMessageBox::Critical, Text(loaded.Error.Message));
        return false;
    }
    table_ = std::move(loaded.Table);
    rows_ = table_.Rows;
    savedRows_ = rows_;
    history_.clear();
    refill();
    return true;
}

void TableEditor::refill() {
    filling_ = true;
    grid->setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (size_t column = 0; column < kind_.Columns.size(); ++column) {
            const QString text = Text(rows_[static_cast<size_t>(row)].Fields[kind_.Columns[column].Field]);
            QTableWidgetItem* item = grid->item(row, static_cast<int>(column));
            if (!item) {
                grid->setItem(row, static_cast<int>(column), item = new QTableWidgetItem);
            }
            item->setText(text);
        }
        showRowCheck(row);
    }
    filling_ = false;
    showProblems();
}

void TableEditor::showRowCheck(int row) {
    const QString reason = Text(kind_.Check(rows_[static_cast<size_t>(row)]));
    for (int column = 0; column < grid->columnCount(); ++column) {
        QTableWidgetItem* item = grid->item(row, column);
        item->setBackground(reason.isEmpty() ? QBrush() : QBrush(WrongRowColour));
        item->setToolTip(reason);
    }
}

void TableEditor::showProblems() {
    const std::vector<LineProblem> found = CheckEditedRows(kind_, rows_);
    problems->setText(ProblemList(found, QStringLiteral("Řádek")));
    problems->setVisible(!found.empty());
    undoButton->setEnabled(!history_.empty());
    deleteButton->setEnabled(!rows_.empty());
    addButton->setEnabled(rows_.size() < kind_.MaxRows);
}

void TableEditor::remember() {
    history_.push_back(rows_);
}

void TableEditor::cellChanged(QTableWidgetItem* item) {
    if (filling_) {
        return;
    }
    const EditedColumn& column = kind_.Columns[static_cast<size_t>(item->column())];
    const QString text = StoredText(column.Input, item->text());
    std::string& field = rows_[static_cast<size_t>(item->row())].Fields[column.Field];
    if (field == text.toStdString() && item->text() == text) {
        return;
    }
    remember();
    field = text.toStdString();
    filling_ = true;
    item->setText(text);
    showRowCheck(item->row());
    filling_ = false;
    showProblems();
}

void TableEditor::addRow() {
    commitEdit();
    if (rows_.size() >= kind_.MaxRows) {
        return;
    }
    remember();
    const int row = grid->currentRow() < 0 ? static_cast<int>(rows_.size()) : grid->currentRow() + 1;
    rows_.insert(rows_.begin() + row, TableRow{std::vector<std::string>(kind_.FieldCount), 0});
    refill();
    // The new row is typed into at once, from its first text column.
    const int column = std::min(1, grid->columnCount() - 1);
    grid->setCurrentCell(row, column);
    grid->setFocus();
    if (QTableWidgetItem* item = grid->item(row, column)) {
        grid->editItem(item);
    }
}

void TableEditor::deleteRow() {
    commitEdit();
    const int row = grid->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return;
    }
    remember();
    rows_.erase(rows_.begin() + row);
    refill();
    if (!rows_.empty()) {
        grid->setCurrentCell(std::min(row, static_cast<int>(rows_.size()) - 1), grid->currentColumn());
    }
}

void TableEditor::undo() {
    commitEdit();
    if (history_.empty()) {
        return;
    }
    rows_ = std::move(history_.back());
    history_.pop_back();
    refill();
}

void TableEditor::chooseImportFile() {
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Import z CSV"), QString(),
                                     QStringLiteral("Soubory CSV (*.csv *.txt);;Všechny soubory (*)"));
    if (!path.isEmpty()) {
        importFile(path);
    }
}

void TableEditor::importFile(const QString& path) {
    commitEdit();
    const CsvText csv = ReadCsvFile(path.toStdString());
    if (!csv.ok()) {
        ShowLookupMessage(this, QMessageBox::Critical, Text(csv.Error.Message));
        return;
    }
    const TableImport imported = kind_.Import(csv.Records);
    preview_ = new CsvImportPreview(kind_, imported, QFileInfo(path).fileName(), this);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    connect(preview_, &QDialog::finished, this,
            [this, imported](int choice) { takeImport(imported, choice); });
    preview_->open();
}

void TableEditor::takeImport(const TableImport& imported, int choice) {
    if (choice == CsvImportPreview::Cancel) {
        return;
    }
    std::vector<TableRow> taken =
        choice == CsvImportPreview::ReplaceTable ? imported.Rows : kind_.Add(rows_, imported.Rows);
    if (taken.size() > kind_.MaxRows) {
        ShowLookupMessage(this, QMessageBox::Warning,
                          QStringLiteral("Po přidání by tabulka měla %1 řádků, pojme jich nejvýše %2. "
                                         "Import nebyl převzat.")
                              .arg(taken.size())
                              .arg(kind_.MaxRows));
        return;
    }
    if (kind_.Order) {
        kind_.Order(taken);
    }
    remember();
    rows_ = std::move(taken);
    refill();
}

bool TableEditor::save() {
    commitEdit();
    const std::vector<LineProblem> found = CheckEditedRows(kind_, rows_);
    if (!found.empty()) {
        ShowLookupMessage(this, QMessageBox::Warning,
                          QStringLiteral("Tabulku nelze uložit, dokud obsahuje chybné řádky:\n") +
                              ProblemList(found, QStringLiteral("Řádek")));
        return false;
    }
    if (kind_.Order) {
        kind_.Order(rows_);
    }
    table_.Rows = rows_;
    if (const Error error = SaveEditableTable(dataDir_, kind_, table_)) {
        ShowLookupMessage(this, QMessageBox::Critical, Text(error.Message));
        refill();
        return false;
    }
    savedRows_ = rows_;
    history_.clear();
    refill();
    emit saved();
    return true;
}

void TableEditor::reject() {
    commitEdit();
    if (isModified()) {
        const SaveAnswer answer = AskToSave(this, QStringLiteral("Tabulka má neuložené změny. Uložit je?"));
        if (answer == SaveAnswer::Cancel || (answer == SaveAnswer::Save && !save())) {
            return;
        }
    }
    QDialog::reject();
}

void TableEditor::commitEdit() {
    static_cast<EditGrid*>(grid)->finishEditing();
}

void OpenTableEditor(QPointer<TableEditor>& slot, const EditableTable& kind, const std::string& dataDir,
                     QWidget* dialog, std::function<void()> onSaved) {
    if (slot) {
        slot->raise();
        return;
    }
    auto* editor = new TableEditor(kind, dataDir, dialog);
    if (!editor->load()) {
        delete editor;
        return;
    }
    slot = editor;
    QObject::connect(editor, &TableEditor::saved, dialog, std::move(onSaved));
    editor->show();
}

QString TableFileNote(const std::string& emptyText, bool empty, const std::vector<LineProblem>& problems,
                      const std::string& fileName) {
    QStringList parts;
    if (empty) {
        parts.append(Text(emptyText));
    }
    if (!problems.empty()) {
        parts.append(
            QStringLiteral("Soubor DATA/%1 má chybné řádky (opravíte je tlačítkem „Upravit tabulku“):\n")
                .arg(Text(fileName)) +
            ProblemList(problems, QStringLiteral("řádek")));
    }
    return parts.join(u'\n');
}

void ShowTableFileNote(QLabel* note, const std::string& dataDir, const EditableTable& kind,
                       const std::string& emptyText, bool empty, const std::string& fileName) {
    const LoadedTable check = LoadEditableTable(dataDir, kind);
    note->setText(TableFileNote(emptyText, empty, check.Table.Problems, fileName));
    note->setVisible(!note->text().isEmpty());
}

} // namespace hydrim::gui

// "Upravit tabulku": the editor of a reference table the user fills himself
// (the rainfall stations, the roughness classes). Rows are added, edited and
// deleted with their check on entry, imported from CSV after a preview,
// undone step by step while unsaved, and saved into the table file of the
// working directory's data directory (the old file kept as ".bak").
#pragma once

#include "core/reference/TableEditing.h"

#include <QDialog>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace hydrim::gui {

class CsvImportPreview;

class TableEditor : public QDialog {
    Q_OBJECT
public:
    TableEditor(const EditableTable& kind, const std::string& dataDir, QWidget* parent);

    // Reads the table file; false (after a message) when it exists but
    // cannot be read.
    bool load();

    // Imports a CSV file: shows its preview; the rows come into the editor
    // only by the preview's "Přidat k tabulce" or "Nahradit tabulku".
    void importFile(const QString& path);
    CsvImportPreview* preview() const;

    // Writes the table when every row is right; false after a message.
    bool save();
    bool isModified() const { return rows_ != savedRows_; }
    const std::vector<TableRow>& rows() const { return rows_; }

    QTableWidget* grid = nullptr;
    QLabel* problems = nullptr; // the wrong rows, red
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* undoButton = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;

signals:
    // The table file was written.
    void saved();

public slots:
    void addRow();
    void deleteRow();
    void undo();
    void chooseImportFile();
    void reject() override; // asks about unsaved changes

private:
    void cellChanged(QTableWidgetItem* item);
    void takeImport(const TableImport& imported, int choice);
    void remember();
    void refill();
    void showRowCheck(int row);
    void showProblems();
    void commitEdit();

    const EditableTable& kind_;
    std::string dataDir_;
    TableRows table_;
    std::vector<TableRow> rows_;
    std::vector<TableRow> savedRows_;
    std::vector<std::vector<TableRow>> history_;
    QPointer<CsvImportPreview> preview_;
    bool filling_ = false;
};

// Opens the editor of a table for a lookup dialog (or raises the one open in
// slot); onSaved runs whenever the editor has written the file.
void OpenTableEditor(QPointer<TableEditor>& slot, const EditableTable& kind, const std::string& dataDir,
                     QWidget* dialog, std::function<void()> onSaved);

// The note of a lookup dialog about its table file: how to fill an empty
// table, and the wrong lines of a hand-edited file, line by line.
QString TableFileNote(const std::string& emptyText, bool empty, const std::vector<LineProblem>& problems,
                      const std::string& fileName);
// Checks the table file of dataDir and shows its note in note (hidden when
// there is nothing to say).
void ShowTableFileNote(QLabel* note, const std::string& dataDir, const EditableTable& kind,
                       const std::string& emptyText, bool empty, const std::string& fileName);

} // namespace hydrim::gui

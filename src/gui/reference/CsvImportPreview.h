// The preview of a CSV import: the rows that would be taken, the lines
// refused with their reasons, and the choice to add the rows to the table,
// to replace the table with them, or to cancel. Nothing changes before the
// user chooses.
#pragma once

#include "core/reference/TableEditing.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace hydrim::gui {

class CsvImportPreview : public QDialog {
    Q_OBJECT
public:
    enum Choice { Cancel = 0, AddRows = 1, ReplaceTable = 2 };

    CsvImportPreview(const EditableTable& kind, const TableImport& imported, const QString& fileName,
                     QWidget* parent);

    QTableWidget* taken = nullptr;   // the rows to take, with their CSV lines
    QTableWidget* refused = nullptr; // line number and reason
    QLabel* summary = nullptr;
    QPushButton* addButton = nullptr;     // "Přidat k tabulce"
    QPushButton* replaceButton = nullptr; // "Nahradit tabulku"
    QPushButton* cancelButton = nullptr;  // "Zrušit"

private:
    void fillTaken(const EditableTable& kind, const TableImport& imported);
    void fillRefused(const TableImport& imported);
};

} // namespace hydrim::gui

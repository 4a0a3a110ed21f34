#include "gui/reference/CsvImportPreview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hydrim::gui {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidget* ReadOnlyTable(const QStringList& titles, int rows, QWidget* parent) {
    auto* table = new QTableWidget(rows, static_cast<int>(titles.size()), parent);
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    return table;
}

} // namespace

CsvImportPreview::CsvImportPreview(const EditableTable& kind, const TableImport& imported,
                                   const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Import z CSV – náhled"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    QString text = QStringLiteral("Soubor %1: převzít lze %2 řádků, odmítnuto je %3 řádků.")
                       .arg(fileName)
                       .arg(imported.Rows.size())
                       .arg(imported.Refused.size());
    if (imported.HeaderLine > 0) {
        text += QStringLiteral(" Řádek %1 je záhlaví a nepřebírá se.").arg(imported.HeaderLine);
    }
    summary = new QLabel(text, this);
    summary->setWordWrap(true);
    auto* layouts = new QLabel(Text(kind.CsvLayouts), this);
    layouts->setWordWrap(true);

    fillTaken(kind, imported);
    fillRefused(imported);

    addButton = new QPushButton(QStringLiteral("Přidat k tabulce"), this);
    replaceButton = new QPushButton(QStringLiteral("Nahradit tabulku"), this);
    cancelButton = new QPushButton(QStringLiteral("Zrušit"), this);
    addButton->setEnabled(!imported.Rows.empty());
    replaceButton->setEnabled(!imported.Rows.empty());
    connect(addButton, &QPushButton::clicked, this, [this] { done(AddRows); });
    connect(replaceButton, &QPushButton::clicked, this, [this] { done(ReplaceTable); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { done(Cancel); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addButton);
    buttons->addWidget(replaceButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(new QLabel(QStringLiteral("Řádky k převzetí:"), this));
    layout->addWidget(taken, 2);
    layout->addWidget(new QLabel(QStringLiteral("Odmítnuté řádky:"), this));
    layout->addWidget(refused, 1);
    layout->addWidget(layouts);
    layout->addLayout(buttons);
    resize(760, 520);
}

void CsvImportPreview::fillTaken(const EditableTable& kind, const TableImport& imported) {
    QStringList titles = {QStringLiteral("Řádek")};
    for (const EditedColumn& column : kind.Columns) {
        titles.append(Text(column.Title));
    }
    taken = ReadOnlyTable(titles, static_cast<int>(imported.Rows.size()), this);
    for (size_t row = 0; row < imported.Rows.size(); ++row) {
        const TableRow& source = imported.Rows[row];
        const int r = static_cast<int>(row);
        taken->setItem(r, 0, new QTableWidgetItem(QString::number(source.Line)));
        for (size_t column = 0; column < kind.Columns.size(); ++column) {
            taken->setItem(r, static_cast<int>(column) + 1,
                           new QTableWidgetItem(Text(source.Fields[kind.Columns[column].Field])));
        }
    }
    taken->resizeColumnsToContents();
}

void CsvImportPreview::fillRefused(const TableImport& imported) {
    refused = ReadOnlyTable({QStringLiteral("Řádek"), QStringLiteral("Důvod")},
                            static_cast<int>(imported.Refused.size()), this);
    refused->horizontalHeader()->setStretchLastSection(true);
    for (size_t row = 0; row < imported.Refused.size(); ++row) {
        const int r = static_cast<int>(row);
        refused->setItem(r, 0, new QTableWidgetItem(QString::number(imported.Refused[row].Line)));
        refused->setItem(r, 1, new QTableWidgetItem(Text(imported.Refused[row].Reason)));
    }
    refused->resizeColumnToContents(0);
}

} // namespace hydrim::gui

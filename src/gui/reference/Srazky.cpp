#include "gui/reference/Srazky.h"

#include "core/reference/LookupRainfall.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/StationTable.h"
#include "gui/reference/CellText.h"
#include "gui/reference/LookupGrid.h"
#include "gui/reference/TableEditor.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace hydrim::gui {

namespace {

constexpr int StationRows = 580;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr const char* EmptyTableText =
    "Tabulka srážkových úhrnů neobsahuje žádné stanice. Doplníte je tlačítkem „Upravit tabulku“: "
    "stanice a jejich úhrny zapíšete ručně („Přidat řádek“), nebo je načtete ze souboru CSV uloženého "
    "z tabulkového procesoru („Import z CSV…“). Tabulka se uloží do DATA/srazky.tab.";

} // namespace

TSrazky1::TSrazky1(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent), dataDir_(dataDir) {
    setWindowTitle(QStringLiteral("Srážkové úhrny"));
    auto* title = new QLabel(QStringLiteral("Hodnoty maximálních 1-denních srážkových úhrnů"), this);
    QFont titleFont = LookupFont(12, true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    band_ = new QLabel(QStringLiteral("Doba opakování N [roky]  "), this);
    band_->setFont(LookupFont(10, true));
    band_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    band_->setAutoFillBackground(true);
    band_->setStyleSheet(QStringLiteral("background: #d8e4f0; padding: 2px;"));

    StringGrid1 = new LookupGrid(StationRows, 4, 1, 2, this);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setGridRowHeight(0, 24);
    StringGrid1->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        if (row != 0)
            return false;
        // The header in bold, two points larger, at the cell's top left.
        DrawLines(painter, rect, {PlainLine(StringGrid1->text(0, column))}, LookupFont(12, true));
        return true;
    });

    Button1 = new QPushButton(QStringLiteral("Vložit"), this);
    Button2 = new QPushButton(QStringLiteral("Zavřít"), this);
    Button3 = new QPushButton(QStringLiteral("Upravit tabulku"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(title);
    layout->addWidget(band_);
    layout->addWidget(makeNote(QString()));
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(buttons);
    layout->addWidget(Button3, 0, Qt::AlignLeft);

    connect(Button1, &QPushButton::clicked, this, &TSrazky1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TSrazky1::Button3Click);
    connect(StringGrid1, &LookupGrid::searchTyped, this, &TSrazky1::StringGrid1KeyPress);
    connect(StringGrid1, &QTableWidget::currentCellChanged, this, &TSrazky1::updateInsertButton);

    readTable();
    setFixedHeight(screenHeightLess40());
}

void TSrazky1::readTable() {
    const TableReadResult table = ReadRainfallTable(dataDir_, context_.state.Reference);
    readError_ = table.Error;
    fillGrid(table.Grid);
    ShowTableFileNote(note(), dataDir_, StationTableKind(), EmptyTableText, !hasStations(), StationFileName);
    sizeColumns();
    setValueColumns(valueColumns_);
    updateInsertButton();
}

TableEditor* TSrazky1::editor() const {
    return editor_;
}

void TSrazky1::Button3Click() {
    OpenTableEditor(editor_, StationTableKind(), dataDir_, this, [this] { readTable(); });
}

void TSrazky1::fillGrid(const TableGrid& table) {
    names_.assign(StationRows, std::string());
    for (int row = 0; row < StationRows; ++row) {
        StringGrid1->setText(row, 0, Text(table.cell(static_cast<size_t>(row), 0)));
        names_[static_cast<size_t>(row)] = table.cell(static_cast<size_t>(row), 1);
        StringGrid1->setText(row, 1, Text(names_[static_cast<size_t>(row)]));
        // A row without a station is no data: it is not offered.
        if (row > 0)
            StringGrid1->setRowHidden(row, names_[static_cast<size_t>(row)].empty());
    }
}

bool TSrazky1::hasStations() const {
    return HasStations(names_);
}

void TSrazky1::sizeColumns() {
    const QFontMetrics header(LookupFont(12, true));
    const QFontMetrics regular(LookupFont(10));
    StringGrid1->setColumnWidth(0, std::max(header.horizontalAdvance(QStringLiteral("999")),
                                            header.horizontalAdvance(StringGrid1->text(0, 0)) + 5));
    int nameWidth = header.horizontalAdvance(StringGrid1->text(0, 1)) + 5;
    for (int row = 1; row < StationRows; ++row)
        nameWidth = std::max(nameWidth, regular.horizontalAdvance(StringGrid1->text(row, 1)) + 5);
    StringGrid1->setColumnWidth(1, nameWidth);
    valueColumnWidth_ = header.horizontalAdvance(QStringLiteral("900 let")) + 5;
}

void TSrazky1::setValueColumns(const std::vector<int>& valueColumns) {
    const ReferenceTables& reference = context_.state.Reference;
    StringGrid1->setGridColumnCount(2 + static_cast<int>(valueColumns.size()));
    for (size_t i = 0; i < valueColumns.size(); ++i) {
        const int column = 2 + static_cast<int>(i);
        const auto& values = reference.RainfallTable[static_cast<size_t>(valueColumns[i])];
        for (int row = 0; row < StationRows; ++row)
            StringGrid1->setText(row, column, Text(values[static_cast<size_t>(row)]));
        StringGrid1->setColumnWidth(column, valueColumnWidth_);
    }
    band_->setMinimumWidth(0);
    fitWidth();
}

void TSrazky1::fitWidth() {
    const int width = StringGrid1->scrolledWidth();
    StringGrid1->setFixedWidth(width);
    setFixedWidth(width + layout()->contentsMargins().left() + layout()->contentsMargins().right());
}

int TSrazky1::visibleRowNear(int row) const {
    row = std::clamp(row, 1, StationRows - 1);
    for (int r = row; r >= 1; --r)
        if (!StringGrid1->isRowHidden(r))
            return r;
    for (int r = row + 1; r < StationRows; ++r)
        if (!StringGrid1->isRowHidden(r))
            return r;
    return row;
}

void TSrazky1::goToRow(int row) {
    StringGrid1->setCurrentGridRow(visibleRowNear(row), true);
    updateInsertButton();
}

void TSrazky1::openFor(int variantItem, int returnPeriodItem) {
    variantItem_ = variantItem;
    valueColumns_ = RainfallDialogColumns(variantItem, returnPeriodItem);
    setValueColumns(valueColumns_);
    goToRow(context_.lookup().RainfallStationRow);
    showCentred();
    StringGrid1->setFocus();
}

void TSrazky1::StringGrid1KeyPress(const QString& typed) {
    const int row = FindStationRow(names_, typed.toStdString());
    if (row >= 1)
        goToRow(row);
}

void TSrazky1::updateInsertButton() {
    const int row = StringGrid1->currentRow();
    const bool station = row >= 1 && row < StationRows && !names_[static_cast<size_t>(row)].empty();
    Button1->setEnabled(station && context_.link != nullptr);
}

void TSrazky1::Button1Click() {
    const int row = StringGrid1->currentRow();
    if (!context_.link || row < 1 || row >= StationRows || names_[static_cast<size_t>(row)].empty())
        return;
    context_.lookup().RainfallStationRow = row;
    // Edit fields and the grid columns they take; N = 100 is the last column.
    std::vector<std::pair<int, int>> fields = {{EditRainN, 2}, {EditRain100, 3}};
    if (variantItem_ == 0)
        fields = {{EditRainN, 2}, {EditRain10, 3}, {EditRain20, 4}, {EditRain50, 5}, {EditRain100, 6}};
    // The fields are emptied first and N = 100 is written before the others,
    // so the input window's checks against N = 100 compare the station's own
    // values and not those of the station inserted before.
    for (const auto& [field, column] : fields)
        context_.link->setFieldText(field, QString());
    const auto [hundredField, hundredColumn] = fields.back();
    context_.link->setFieldText(hundredField, StringGrid1->text(row, hundredColumn));
    for (size_t i = 0; i + 1 < fields.size(); ++i)
        context_.link->setFieldText(fields[i].first, StringGrid1->text(row, fields[i].second));
    context_.link->appendDescriptionLine(StringGrid1->text(row, 1));
}

} // namespace hydrim::gui

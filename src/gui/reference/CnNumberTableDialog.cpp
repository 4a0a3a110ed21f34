#include "gui/reference/CnNumberTableDialog.h"

#include "core/project/FieldLimits.h"
#include "core/reference/LookupEntry.h"
#include "gui/reference/CellText.h"
#include "gui/reference/LookupGrid.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace hydrim::gui {

namespace {

constexpr int Rows = 53;
constexpr int FirstLandUseRow = 2;
constexpr int NoteRow = 52;
constexpr int CurveNumberColumn = 3;
constexpr int AreaColumn = 4;

// Land-use categories merged in column 0: first and last row.
constexpr std::array<std::pair<int, int>, 9> CategoryGroups = {
    {{2, 4}, {5, 16}, {17, 28}, {29, 34}, {35, 37}, {39, 41}, {42, 44}, {45, 47}, {49, 51}}};

} // namespace

CnNumberTableDialog::CnNumberTableDialog(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent) {
    const QString caption = QStringLiteral("Průměrná čísla odtokových křivek pro zemědělské pozemky");
    setWindowTitle(caption);
    backButton = new QPushButton(QStringLiteral("<< Zpě&t"), this);
    panel = ResultPanel::Create(this, backButton);
    auto* title = new QLabel(caption, this);
    title->setFont(LookupFont(12, true));
    title->setContentsMargins(6, 0, 0, 2);

    grid = new LookupGrid(Rows, 5, 2, 4, this);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setEditableColumns({AreaColumn});
    grid->setCorrections([](int, int, const QString& text) {
        return QString::fromStdString(CorrectAreaText(text.toStdString()));
    });

    auto* legend = new QPlainTextEdit(this);
    legend->setReadOnly(true);
    legend->setPlainText(
        QStringLiteral("Pz - posklizňové zbytky nejméně na 5 % povrchu po celý rok\n"
                       "Př - přímé řádky vedené bez ohledu na sklon pozemku, tedy i po spádnici\n"
                       "Vř - vrstevnicové řádky vedené přesně ve směru vrstevnic - konturově\n"
                       "Pr - pásově pěstované plodiny a příčně průlehované pozemky\n"
                       "Šp - špatné hydrol. podmínky omezující infiltraci vody do půdy a zvyšující odtok\n"
                       "Db - dobré hydrol. podmínky zvyšující infiltraci a snižující odtok\n"
                       "Stř - střední hydrologické podmínky\n"
                       "Sloupce A - B, B - C a C - D nejsou v publikované tabulce (TR-55): jsou to průměry "
                       "sousedních skupin, zaokrouhlené na celá čísla"));
    legend->setFixedHeight(legend->fontMetrics().lineSpacing() * 8 + 12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    panel.layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(panel.layout);
    layout->addWidget(title);
    layout->addWidget(makeNote(QStringLiteral(
        "Tabulka čísel odtokových křivek neobsahuje žádné údaje. Doplňte soubor DATA/CNcistab.tab.")));
    layout->addWidget(grid, 1);
    layout->addWidget(legend);

    const TableReadResult table = ReadCurveNumberTable(dataDir, context_.state.Reference);
    readError_ = table.Error;
    fillGrid(table.Grid);
    showCategory(category_);
    setUpDrawing();
    sizeGrid();

    connect(grid, &LookupGrid::editingStarted, this, [this] { panel.insert->setEnabled(false); });
    connect(panel.compute, &QPushButton::clicked, this, &CnNumberTableDialog::computeWeighted);
    connect(panel.insert, &QPushButton::clicked, this, &CnNumberTableDialog::insertRequested);
    connect(panel.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(backButton, &QPushButton::clicked, this, &CnNumberTableDialog::backRequested);
    setFixedHeight(screenHeightLess40());
}

void CnNumberTableDialog::fillGrid(const TableGrid& table) {
    bool hasRows = false;
    for (int row = 0; row < Rows; ++row) {
        const int columns = row < FirstLandUseRow ? 5 : 3;
        for (int column = 0; column < columns; ++column) {
            grid->setText(row, column, QString::fromStdString(table.cell(static_cast<size_t>(row), column)));
        }
    }
    for (int row = FirstLandUseRow; row < Rows; ++row) {
        hasRows = hasRows || !context_.state.Reference.CurveNumberTable[3][static_cast<size_t>(row)].empty();
    }
    note()->setVisible(!hasRows);
}

void CnNumberTableDialog::showCategory(int category) {
    category_ = category;
    const auto& numbers = context_.state.Reference.CurveNumberTable[static_cast<size_t>(category)];
    for (int row = 1; row < Rows; ++row) {
        const std::string& number = numbers[static_cast<size_t>(row)];
        grid->setText(row, CurveNumberColumn, QString::fromStdString(number));
        // A row without a curve number (the closing note) takes no area.
        if (row >= FirstLandUseRow) {
            grid->setRowEditable(row, !number.empty());
        }
    }
}

void CnNumberTableDialog::setUpDrawing() {
    for (const auto& [first, last] : CategoryGroups) {
        grid->setSpan(first, 0, last - first + 1, 1);
    }
    grid->setSpan(NoteRow, 0, 1, 3);
    for (int row = 49; row <= 51; ++row) {
        grid->setSpan(row, 1, 1, 2);
    }
    for (int column = 0; column < grid->columnCount(); ++column) {
        grid->setFixedSpan(0, column, 2, 1);
    }
    grid->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QFont font = grid->font();
        const QFont bold = LookupFont(font.pointSize() + 2, true);
        if (row == 0) {
            // Both header rows of a column, the area unit with its superscript.
            const QString second = grid->text(1, column);
            DrawLines(painter, rect,
                      {PlainLine(grid->text(0, column)),
                       column == AreaColumn ? AreaHeaderLine(second) : PlainLine(second)},
                      bold);
            return true;
        }
        if (column == 0 && row != NoteRow) {
            painter.setFont(bold);
            painter.drawText(rect.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             grid->text(row, column));
            return true;
        }
        return false;
    });
}

void CnNumberTableDialog::sizeGrid() {
    const QFontMetrics bold(LookupFont(12, true));
    for (int column = 0; column < grid->columnCount(); ++column) {
        int width = 0;
        for (int row = 0; row <= 48; ++row) {
            if (column != 0 || row < FirstLandUseRow) {
                width = std::max(width, bold.horizontalAdvance(grid->text(row, column)) + 5);
            }
        }
        grid->setColumnWidth(column, width);
    }
    // Column 1 is narrowed, as far as its header allows.
    const int headerWidth =
        std::max(bold.horizontalAdvance(grid->text(0, 1)), bold.horizontalAdvance(grid->text(1, 1))) + 5;
    grid->setColumnWidth(1, std::max(grid->columnWidth(1) - 20, headerWidth));
    // The land-use categories wrap inside their merged cells; they get at
    // least the width of their longest word.
    int wordWidth = grid->columnWidth(0);
    for (const auto& [first, last] : CategoryGroups) {
        for (const QString& word : grid->text(first, 0).split(u' ')) {
            wordWidth = std::max(wordWidth, bold.horizontalAdvance(word) + 8);
        }
    }
    grid->setColumnWidth(0, wordWidth);
    grid->setColumnWidth(AreaColumn, std::max(grid->columnWidth(AreaColumn), 70));
    grid->setGridRowHeight(0, bold.lineSpacing() + 2);
    grid->setGridRowHeight(1, bold.lineSpacing() + 2);
    const int width = grid->scrolledWidth() + 20;
    grid->setFixedWidth(width);
    setFixedWidth(width);
}

QString CnNumberTableDialog::areaText(int row) const {
    return grid->text(row, AreaColumn);
}

void CnNumberTableDialog::openWith(const std::array<std::string, 53>& areas) {
    grid->cancelEditing();
    for (int row = FirstLandUseRow; row < Rows; ++row) {
        grid->setText(row, AreaColumn, QString::fromStdString(areas[static_cast<size_t>(row)]));
    }
    grid->setCurrentGridRow(FirstLandUseRow, true);
    compute(false);
    showCentred();
    grid->setFocus();
}

void CnNumberTableDialog::compute(bool report) {
    grid->finishEditing();
    std::vector<AreaRow> rows;
    for (int row = FirstLandUseRow; row < Rows; ++row) {
        rows.push_back({row, grid->text(row, CurveNumberColumn).toStdString(), areaText(row).toStdString()});
    }
    const LookupOutcome outcome = WeightedCurveNumber(rows);
    panel.showOutcome(outcome, CurveNumberLimits.Low);
    if (outcome.ok() || !report) {
        return;
    }
    QString landUse;
    if (outcome.status == LookupStatus::MissingCurveNumber) {
        landUse = (grid->text(outcome.row, 1) + QLatin1Char(' ') + grid->text(outcome.row, 2)).trimmed();
        if (landUse.isEmpty()) {
            landUse = grid->text(outcome.row, 0);
        }
    }
    ShowLookupMessage(this, QMessageBox::Critical,
                      QString::fromStdString(LookupFailureMessage(outcome, landUse.toStdString())));
}

void CnNumberTableDialog::computeWeighted() {
    compute(true);
}

} // namespace hydrim::gui

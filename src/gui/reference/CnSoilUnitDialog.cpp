#include "gui/reference/CnSoilUnitDialog.h"

#include "core/reference/LookupEntry.h"
#include "core/reference/LookupWeighting.h"
#include "gui/reference/CellText.h"
#include "gui/reference/LookupGrid.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace hydrim::gui {

namespace {

constexpr int Rows = 67;
constexpr int FirstUnitRow = 3;
constexpr int LastRow = 66;
constexpr int GroupColumn = 3;
constexpr int AreaColumn = 4;

} // namespace

CnSoilUnitDialog::CnSoilUnitDialog(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Hlavní půdní jednotky"));
    auto* title = new QLabel(QStringLiteral("Kategorie BPEJ a hydrologické skupiny půd HSP"), this);
    title->setFont(LookupFont(12, true));
    continueButton = new QPushButton(QStringLiteral(">> &Pokračuj"), this);
    closeButton = new QPushButton(QStringLiteral("&Zavřít"), this);
    title->setContentsMargins(6, 0, 0, 2);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(6, 2, 3, 2);
    top->addStretch();
    top->addWidget(continueButton);
    top->addSpacing(1);
    top->addWidget(closeButton);

    grid = new LookupGrid(Rows, 5, 3, 4, this);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setEditableColumns({AreaColumn});
    grid->setMouseTracking(true);
    grid->setCorrections([this](int row, int, const QString& text) { return correctArea(row, text); });

    auto* notes = new QPlainTextEdit(this);
    notes->setReadOnly(true);
    notes->setPlainText(QStringLiteral(
        "Pozn.:\n- v závorce symboly map KPP, jinak symboly nové klasifikace\n"
        "- pokud jsou u hydrologických skupin uvedeny dva symboly, znamenají rozpětí variability\n"
        " (např. C - D; při menší četnosti výskytu je alternativa v závorce: B (C)),\n"
        " dané heterogenitou jednotky v zrnitosti či ulehlosti, eventuálně ve vodním režimu"));
    notes->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    notes->setFixedHeight(notes->fontMetrics().lineSpacing() * 6 + 12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(title);
    layout->addWidget(makeNote(
        QStringLiteral("Tabulka půdních jednotek neobsahuje žádné údaje. Doplňte soubor DATA/BPEJtab.tab.")));
    layout->addWidget(grid, 1);
    layout->addWidget(notes);

    const TableReadResult table = ReadSoilUnitTable(dataDir, context_.state.Reference);
    readError_ = table.Error;
    fillGrid(table.Grid);
    setUpDrawing();
    sizeGrid();

    connect(continueButton, &QPushButton::clicked, this, &CnSoilUnitDialog::continueToCurveNumbers);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid, &LookupGrid::cellHovered, this, &CnSoilUnitDialog::hovered);
    connect(grid, &QTableWidget::cellPressed, this, &CnSoilUnitDialog::pressed);
    setFixedHeight(screenHeightLess40());
}

void CnSoilUnitDialog::fillGrid(const TableGrid& table) {
    bool hasUnits = false;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QString text = QString::fromStdString(table.cell(static_cast<size_t>(row), column));
            grid->setText(row, column, text);
            hasUnits = hasUnits || (row >= FirstUnitRow && column == GroupColumn && !text.isEmpty());
        }
    }
    grid->setText(0, AreaColumn, QStringLiteral(" Plocha"));
    grid->setText(1, AreaColumn, QStringLiteral("  [km]"));
    note()->setVisible(!hasUnits);
}

void CnSoilUnitDialog::setUpDrawing() {
    for (int column = 0; column < grid->columnCount(); ++column) {
        grid->setFixedSpan(0, column, 3, 1);
    }
    grid->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QFont font = grid->font();
        if (row == 0) {
            // The three header lines of a column, bold and two points larger.
            const QFont bold = LookupFont(font.pointSize() + 2, true);
            QList<TextLine> lines;
            for (int r = 0; r < 3; ++r) {
                const QString text = grid->text(r, column);
                lines.append(column == AreaColumn && r == 1 ? AreaHeaderLine(text) : PlainLine(text));
            }
            DrawLines(painter, rect, lines, bold);
            return true;
        }
        if (row == LastRow && column == 2) {
            const QStringList parts = grid->text(row, column).split(u':');
            QList<TextLine> lines;
            lines.append(PlainLine(parts.value(0)));
            if (parts.size() > 1) {
                lines.append(PlainLine(parts.value(1)));
            }
            if (parts.size() > 2) {
                lines.append(PlainLine(parts.mid(2).join(u':')));
            }
            DrawLines(painter, rect, lines, font);
            return true;
        }
        return false;
    });
}

void CnSoilUnitDialog::sizeGrid() {
    const QFontMetrics bold(LookupFont(12, true));
    const QFontMetrics regular(grid->font());
    grid->setColumnWidth(0, bold.horizontalAdvance(grid->text(0, 0)) + 5);
    grid->setColumnWidth(3, bold.horizontalAdvance(grid->text(0, 3)) + 5);
    grid->setColumnWidth(4, std::max(bold.horizontalAdvance(QStringLiteral(" Plocha")) + 5, 70));
    for (int column : {1, 2}) {
        int width = 0;
        for (int row = 0; row < LastRow; ++row) {
            const QFontMetrics& metrics = row < FirstUnitRow ? bold : regular;
            width = std::max(width, metrics.horizontalAdvance(grid->text(row, column)) + 5);
        }
        grid->setColumnWidth(column, width);
    }
    // Header lines must fit their columns as well.
    for (int column : {0, 3}) {
        for (int row = 0; row < FirstUnitRow; ++row) {
            grid->setColumnWidth(column, std::max(grid->columnWidth(column),
                                                  bold.horizontalAdvance(grid->text(row, column)) + 5));
        }
    }
    const int lineHeight = bold.lineSpacing();
    grid->setGridRowHeight(0, lineHeight + 2);
    grid->setGridRowHeight(1, lineHeight);
    grid->setGridRowHeight(2, lineHeight);
    grid->setGridRowHeight(LastRow, 3 * 20);
    const int width = grid->scrolledWidth();
    grid->setFixedWidth(width);
    setFixedWidth(width);
}

void CnSoilUnitDialog::loadUnits(const std::array<std::string, 67>& groups,
                                 const std::array<std::string, 67>& areas) {
    grid->cancelEditing();
    const auto& original = context_.state.Reference.SoilUnitGroupsOriginal;
    for (int row = FirstUnitRow; row < Rows; ++row) {
        const auto r = static_cast<size_t>(row);
        const std::string& group = groups[r].empty() ? original[r] : groups[r];
        grid->setText(row, GroupColumn, QString::fromStdString(group));
        grid->setText(row, AreaColumn, QString::fromStdString(areas[r]));
    }
}

QString CnSoilUnitDialog::groupText(int row) const {
    return grid->text(row, GroupColumn);
}
QString CnSoilUnitDialog::areaText(int row) const {
    return grid->text(row, AreaColumn);
}
void CnSoilUnitDialog::setGroupText(int row, const QString& group) {
    grid->setText(row, GroupColumn, group);
}

void CnSoilUnitDialog::open() {
    setDecisionTracking(true);
    grid->setCurrentGridRow(FirstUnitRow, true);
    showCentred();
    grid->setFocus();
}

void CnSoilUnitDialog::setDecisionTracking(bool on) {
    tracking_ = on;
    if (!on) {
        grid->viewport()->unsetCursor();
    }
}

bool CnSoilUnitDialog::offersDecision(int row) const {
    if (row < FirstUnitRow || row >= Rows) {
        return false;
    }
    return SoilGroupNeedsDecision(context_.state.Reference.SoilUnitGroupsOriginal[static_cast<size_t>(row)]);
}

QString CnSoilUnitDialog::unitName(int row) const {
    const QString code = grid->text(row, 0).trimmed();
    return code.isEmpty() ? grid->text(row, 1).trimmed() : code;
}

QString CnSoilUnitDialog::correctArea(int row, const QString& text) {
    const QString corrected = QString::fromStdString(CorrectAreaText(text.toStdString()));
    if (corrected.isEmpty() || refusing_) {
        return corrected;
    }
    const std::string group = groupText(row).toStdString();
    if (SoilUnitGroupWeight(group)) {
        return corrected;
    }
    // Refused: the editor is closed once this edit has been handled.
    refusing_ = true;
    const bool undecided = SoilGroupNeedsDecision(group);
    QTimer::singleShot(0, this, [this, row, undecided] { refuseArea(row, undecided); });
    return QString();
}

void CnSoilUnitDialog::refuseArea(int row, bool undecided) {
    grid->cancelEditing();
    grid->setText(row, AreaColumn, QString());
    refusing_ = false;
    ShowLookupMessage(this, QMessageBox::Warning,
                      QString::fromStdString(
                          SoilUnitAreaRefusal(groupText(row).toStdString(), unitName(row).toStdString())));
    if (undecided) {
        emit decisionRequested(row);
    }
}

void CnSoilUnitDialog::hovered(int row, int column) {
    if (!tracking_) {
        return;
    }
    hoverRow_ = column == GroupColumn && offersDecision(row) ? row : -1;
    if (hoverRow_ >= 0) {
        grid->viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        grid->viewport()->unsetCursor();
    }
}

void CnSoilUnitDialog::pressed(int row, int column) {
    if (tracking_ && column == GroupColumn && offersDecision(row)) {
        emit decisionRequested(row);
    }
}

void CnSoilUnitDialog::continueToCurveNumbers() {
    grid->finishEditing();
    std::vector<AreaRow> rows;
    for (int row = FirstUnitRow; row < Rows; ++row) {
        rows.push_back({row, groupText(row).toStdString(), areaText(row).toStdString()});
    }
    const LookupOutcome outcome = SoilGroupFromUnits(rows);
    if (!outcome.ok()) {
        const QString unit = outcome.status == LookupStatus::MissingGroup ? unitName(outcome.row) : QString();
        ShowLookupMessage(this, QMessageBox::Critical,
                          QString::fromStdString(LookupFailureMessage(outcome, unit.toStdString())));
        return;
    }
    emit soilGroupFound(outcome.category);
}

} // namespace hydrim::gui

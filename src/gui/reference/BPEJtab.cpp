#include "gui/reference/BPEJtab.h"

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

TBPEJtab1::TBPEJtab1(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Hlavní půdní jednotky"));
    auto* title = new QLabel(QStringLiteral("Kategorie BPEJ a hydrologické skupiny půd HSP"), this);
    title->setFont(LookupFont(12, true));
    Button1 = new QPushButton(QStringLiteral(">> &Pokračuj"), this);
    Button2 = new QPushButton(QStringLiteral("&Zavřít"), this);
    title->setContentsMargins(6, 0, 0, 2);
    auto* top = new QHBoxLayout;
    top->setContentsMargins(6, 2, 3, 2);
    top->addStretch();
    top->addWidget(Button1);
    top->addSpacing(1);
    top->addWidget(Button2);

    StringGrid1 = new LookupGrid(Rows, 5, 3, 4, this);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setEditableColumns({AreaColumn});
    StringGrid1->setMouseTracking(true);
    StringGrid1->setCorrections([this](int row, int, const QString& text) { return correctArea(row, text); });

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
    layout->addWidget(StringGrid1, 1);
    layout->addWidget(notes);

    const TableReadResult table = ReadSoilUnitTable(dataDir, context_.state.Reference);
    readError_ = table.Error;
    fillGrid(table.Grid);
    setUpDrawing();
    sizeGrid();

    connect(Button1, &QPushButton::clicked, this, &TBPEJtab1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(StringGrid1, &LookupGrid::cellHovered, this, &TBPEJtab1::hovered);
    connect(StringGrid1, &QTableWidget::cellPressed, this, &TBPEJtab1::pressed);
    setFixedHeight(screenHeightLess40());
}

void TBPEJtab1::fillGrid(const TableGrid& table) {
    bool hasUnits = false;
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < 4; ++column) {
            const QString text = QString::fromStdString(table.cell(static_cast<size_t>(row), column));
            StringGrid1->setText(row, column, text);
            hasUnits = hasUnits || (row >= FirstUnitRow && column == GroupColumn && !text.isEmpty());
        }
    StringGrid1->setText(0, AreaColumn, QStringLiteral(" Plocha"));
    StringGrid1->setText(1, AreaColumn, QStringLiteral("  [km]"));
    note()->setVisible(!hasUnits);
}

void TBPEJtab1::setUpDrawing() {
    for (int column = 0; column < StringGrid1->columnCount(); ++column)
        StringGrid1->setFixedSpan(0, column, 3, 1);
    StringGrid1->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QFont font = StringGrid1->font();
        if (row == 0) {
            // The three header lines of a column, bold and two points larger.
            const QFont bold = LookupFont(font.pointSize() + 2, true);
            QList<TextLine> lines;
            for (int r = 0; r < 3; ++r) {
                const QString text = StringGrid1->text(r, column);
                lines.append(column == AreaColumn && r == 1 ? AreaHeaderLine(text) : PlainLine(text));
            }
            DrawLines(painter, rect, lines, bold);
            return true;
        }
        if (row == LastRow && column == 2) {
            const QStringList parts = StringGrid1->text(row, column).split(u':');
            QList<TextLine> lines;
            lines.append(PlainLine(parts.value(0)));
            if (parts.size() > 1)
                lines.append(PlainLine(parts.value(1)));
            if (parts.size() > 2)
                lines.append(PlainLine(parts.mid(2).join(u':')));
            DrawLines(painter, rect, lines, font);
            return true;
        }
        return false;
    });
}

void TBPEJtab1::sizeGrid() {
    const QFontMetrics bold(LookupFont(12, true));
    const QFontMetrics regular(StringGrid1->font());
    StringGrid1->setColumnWidth(0, bold.horizontalAdvance(StringGrid1->text(0, 0)) + 5);
    StringGrid1->setColumnWidth(3, bold.horizontalAdvance(StringGrid1->text(0, 3)) + 5);
    StringGrid1->setColumnWidth(4, std::max(bold.horizontalAdvance(QStringLiteral(" Plocha")) + 5, 70));
    for (int column : {1, 2}) {
        int width = 0;
        for (int row = 0; row < LastRow; ++row) {
            const QFontMetrics& metrics = row < FirstUnitRow ? bold : regular;
            width = std::max(width, metrics.horizontalAdvance(StringGrid1->text(row, column)) + 5);
        }
        StringGrid1->setColumnWidth(column, width);
    }
    // Header lines must fit their columns as well.
    for (int column : {0, 3})
        for (int row = 0; row < FirstUnitRow; ++row)
            StringGrid1->setColumnWidth(column,
                                        std::max(StringGrid1->columnWidth(column),
                                                 bold.horizontalAdvance(StringGrid1->text(row, column)) + 5));
    const int lineHeight = bold.lineSpacing();
    StringGrid1->setGridRowHeight(0, lineHeight + 2);
    StringGrid1->setGridRowHeight(1, lineHeight);
    StringGrid1->setGridRowHeight(2, lineHeight);
    StringGrid1->setGridRowHeight(LastRow, 3 * 20);
    const int width = StringGrid1->scrolledWidth();
    StringGrid1->setFixedWidth(width);
    setFixedWidth(width);
}

void TBPEJtab1::loadUnits(const std::array<std::string, 67>& groups,
                          const std::array<std::string, 67>& areas) {
    StringGrid1->cancelEditing();
    const auto& original = context_.state.Reference.SoilUnitGroupsOriginal;
    for (int row = FirstUnitRow; row < Rows; ++row) {
        const auto r = static_cast<size_t>(row);
        const std::string& group = groups[r].empty() ? original[r] : groups[r];
        StringGrid1->setText(row, GroupColumn, QString::fromStdString(group));
        StringGrid1->setText(row, AreaColumn, QString::fromStdString(areas[r]));
    }
}

QString TBPEJtab1::groupText(int row) const {
    return StringGrid1->text(row, GroupColumn);
}
QString TBPEJtab1::areaText(int row) const {
    return StringGrid1->text(row, AreaColumn);
}
void TBPEJtab1::setGroupText(int row, const QString& group) {
    StringGrid1->setText(row, GroupColumn, group);
}

void TBPEJtab1::open() {
    setDecisionTracking(true);
    StringGrid1->setCurrentGridRow(FirstUnitRow, true);
    showCentred();
    StringGrid1->setFocus();
}

void TBPEJtab1::setDecisionTracking(bool on) {
    tracking_ = on;
    if (!on)
        StringGrid1->viewport()->unsetCursor();
}

bool TBPEJtab1::offersDecision(int row) const {
    if (row < FirstUnitRow || row >= Rows)
        return false;
    return SoilGroupNeedsDecision(context_.state.Reference.SoilUnitGroupsOriginal[static_cast<size_t>(row)]);
}

QString TBPEJtab1::unitName(int row) const {
    const QString code = StringGrid1->text(row, 0).trimmed();
    return code.isEmpty() ? StringGrid1->text(row, 1).trimmed() : code;
}

QString TBPEJtab1::correctArea(int row, const QString& text) {
    const QString corrected = QString::fromStdString(CorrectAreaText(text.toStdString()));
    if (corrected.isEmpty() || refusing_)
        return corrected;
    const std::string group = groupText(row).toStdString();
    if (SoilUnitGroupWeight(group))
        return corrected;
    // Refused: the editor is closed once this edit has been handled.
    refusing_ = true;
    const bool undecided = SoilGroupNeedsDecision(group);
    QTimer::singleShot(0, this, [this, row, undecided] { refuseArea(row, undecided); });
    return QString();
}

void TBPEJtab1::refuseArea(int row, bool undecided) {
    StringGrid1->cancelEditing();
    StringGrid1->setText(row, AreaColumn, QString());
    refusing_ = false;
    ShowLookupMessage(this, QMessageBox::Warning,
                      QString::fromStdString(
                          SoilUnitAreaRefusal(groupText(row).toStdString(), unitName(row).toStdString())));
    if (undecided) {
        emit decisionRequested(row);
    }
}

void TBPEJtab1::hovered(int row, int column) {
    if (!tracking_)
        return;
    hoverRow_ = column == GroupColumn && offersDecision(row) ? row : -1;
    if (hoverRow_ >= 0)
        StringGrid1->viewport()->setCursor(Qt::PointingHandCursor);
    else
        StringGrid1->viewport()->unsetCursor();
}

void TBPEJtab1::pressed(int row, int column) {
    if (tracking_ && column == GroupColumn && offersDecision(row))
        emit decisionRequested(row);
}

void TBPEJtab1::Button1Click() {
    StringGrid1->finishEditing();
    std::vector<AreaRow> rows;
    for (int row = FirstUnitRow; row < Rows; ++row)
        rows.push_back({row, groupText(row).toStdString(), areaText(row).toStdString()});
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

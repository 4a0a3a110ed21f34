#include "gui/reference/CnSoilGroupDialog.h"

#include "core/reference/LookupEntry.h"
#include "core/reference/LookupWeighting.h"
#include "gui/reference/CellText.h"
#include "gui/reference/LookupGrid.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace hydrim::gui {

namespace {

constexpr int Rows = 6;
constexpr int FirstGroupRow = 2;
constexpr int AreaColumn = 2;
const QString Letters = QStringLiteral("ABCD");

QList<TextLine> CellLines(const QString& text) {
    QList<TextLine> lines;
    for (const QString& part : text.split(u':')) {
        lines.append(MinusOneLine(part));
    }
    return lines;
}

// A cell holding just the letter of a soil group.
bool IsGroupLetter(const QString& text) {
    const QString letter = text.trimmed();
    return letter.size() == 1 && Letters.contains(letter);
}

QFont GroupFont(const QFont& font) {
    return LookupFont(font.pointSize() + 2, true);
}

int LinesWidth(const QString& text, const QFont& font) {
    int width = 0;
    for (const TextLine& line : CellLines(text)) {
        width = std::max(width, LineWidth(line, font));
    }
    return width;
}

} // namespace

CnSoilGroupDialog::CnSoilGroupDialog(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Hydrologické skupiny půd"));
    grid = new LookupGrid(Rows, 3, 2, 2, this);
    grid->setFont(LookupFont(12));
    grid->setFrameShape(QFrame::NoFrame);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditableColumns({AreaColumn});
    grid->setCorrections([](int, int, const QString& text) {
        return QString::fromStdString(CorrectAreaText(text.toStdString()));
    });

    continueButton = new QPushButton(QStringLiteral(">> &Pokračuj"), this);
    closeButton = new QPushButton(QStringLiteral("&Zavřít"), this);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(continueButton);
    top->addSpacing(1);
    top->addWidget(closeButton);
    top->setContentsMargins(0, 2, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(makeNote(QStringLiteral(
        "Tabulka hydrologických skupin půd neobsahuje žádné údaje. Doplňte soubor DATA/HSP.tab.")));
    layout->addWidget(grid);

    // The decision panel lies over the area column.
    decisionPanel = new QWidget(this);
    decisionPanel->setAutoFillBackground(true);
    auto* panelLayout = new QVBoxLayout(decisionPanel);
    for (int i = 0; i < 4; ++i) {
        radios_[static_cast<size_t>(i)] = new QRadioButton(Letters.mid(i, 1), decisionPanel);
        radios_[static_cast<size_t>(i)]->setFont(LookupFont(12, true));
        radios_[static_cast<size_t>(i)]->setAutoExclusive(false);
        panelLayout->addWidget(radios_[static_cast<size_t>(i)]);
        connect(radios_[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { radioClicked(i); });
    }
    decisionCloseButton = new QPushButton(QStringLiteral("&Zavřít"), decisionPanel);
    panelLayout->addStretch();
    panelLayout->addWidget(decisionCloseButton);
    decisionPanel->hide();

    const TableReadResult table = ReadSoilGroupTable(dataDir);
    readError_ = table.Error;
    fillGrid(table.Grid);
    setUpDrawing();
    sizeGrid();

    connect(continueButton, &QPushButton::clicked, this, &CnSoilGroupDialog::continueToCurveNumbers);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(decisionCloseButton, &QPushButton::clicked, this, &QDialog::reject);
    fixSizeToContent();
}

void CnSoilGroupDialog::fillGrid(const TableGrid& table) {
    bool hasGroups = false;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QString text = QString::fromStdString(table.cell(static_cast<size_t>(row), column));
            grid->setText(row, column, text);
            hasGroups = hasGroups || (row >= FirstGroupRow && !text.isEmpty());
        }
    }
    grid->setText(1, AreaColumn, QStringLiteral(" Plocha:  [km]"));
    note()->setVisible(!hasGroups);
}

void CnSoilGroupDialog::setUpDrawing() {
    grid->setFixedSpan(0, 0, 1, 3);
    grid->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QFont font = grid->font();
        const QString text = grid->text(row, column);
        if (row == 0) {
            DrawLines(painter, rect.adjusted(0, 3, 0, 0), CellLines(text),
                      LookupFont(font.pointSize() + 2, true), lineHeight_);
            return true;
        }
        if (row == 1) {
            QList<TextLine> lines = CellLines(text);
            if (column == AreaColumn && !lines.isEmpty()) {
                lines.back() = AreaHeaderLine(text.section(u':', -1));
            }
            DrawLines(painter, rect, lines, LookupFont(font.pointSize() + 1, true), lineHeight_);
            return true;
        }
        if (IsGroupLetter(text)) {
            // The group letter, bold and centred vertically.
            const int height = QFontMetrics(GroupFont(font)).height();
            DrawLines(painter, rect.adjusted(0, (rect.height() - height) / 2, 0, 0), {PlainLine(text)},
                      GroupFont(font));
            return true;
        }
        if (column < AreaColumn) {
            DrawLines(painter, rect, CellLines(text), font, lineHeight_);
            return true;
        }
        return false;
    });
}

void CnSoilGroupDialog::sizeGrid() {
    const QFont font = grid->font();
    lineHeight_ = QFontMetrics(font).height() + 2;
    for (int row = 0; row < Rows; ++row) {
        const int lines =
            static_cast<int>(grid->text(row, 0).count(u':') + grid->text(row, 1).count(u':')) + 1;
        grid->setGridRowHeight(row, lines * lineHeight_);
    }
    grid->setGridRowHeight(0, static_cast<int>(std::nearbyint(1.5 * lineHeight_)));
    grid->setGridRowHeight(1, static_cast<int>(std::nearbyint(2.2 * lineHeight_)));

    // Each text column as wide as its widest line (the group letters in
    // their larger font, the header in its bold one).
    const QFont header = LookupFont(font.pointSize() + 1, true);
    for (int column = 0; column < AreaColumn; ++column) {
        int width = LinesWidth(grid->text(1, column), header) + 10;
        for (int row = FirstGroupRow; row < Rows; ++row) {
            const QString text = grid->text(row, column);
            width = std::max(width, LinesWidth(text, IsGroupLetter(text) ? GroupFont(font) : font) + 10);
        }
        grid->setColumnWidth(column, width);
    }
    grid->setColumnWidth(AreaColumn, std::max(LinesWidth(grid->text(1, AreaColumn), header) + 20, 90));
    // The title spans the table; it must fit.
    const int titleWidth = LinesWidth(grid->text(0, 0), LookupFont(font.pointSize() + 2, true)) + 10;
    const int shortBy = titleWidth - grid->contentWidth();
    const int widest = grid->columnWidth(0) >= grid->columnWidth(1) ? 0 : 1;
    if (shortBy > 0) {
        grid->setColumnWidth(widest, grid->columnWidth(widest) + shortBy);
    }
    grid->setFixedSize(grid->linedWidth(), grid->linedHeight());
}

void CnSoilGroupDialog::placePanel() {
    const int left = grid->x() + grid->columnViewportPosition(AreaColumn) + grid->frameWidth();
    decisionPanel->setGeometry(left, grid->y(), grid->columnWidth(AreaColumn), grid->height());
    decisionPanel->raise();
}

void CnSoilGroupDialog::resizeEvent(QResizeEvent* event) {
    LookupWindow::resizeEvent(event);
    placePanel();
}

void CnSoilGroupDialog::showEvent(QShowEvent* event) {
    LookupWindow::showEvent(event);
    layout()->activate();
    placePanel();
}

void CnSoilGroupDialog::loadAreas(const std::array<std::string, 6>& areasByRow) {
    grid->cancelEditing();
    for (int row = FirstGroupRow; row < Rows; ++row) {
        grid->setText(row, AreaColumn, QString::fromStdString(areasByRow[static_cast<size_t>(row)]));
    }
}

std::array<std::string, 4> CnSoilGroupDialog::areasAtoD() const {
    std::array<std::string, 4> areas;
    for (int row = FirstGroupRow; row < Rows; ++row) {
        areas[static_cast<size_t>(row - FirstGroupRow)] = grid->text(row, AreaColumn).toStdString();
    }
    return areas;
}

void CnSoilGroupDialog::openAreaMode() {
    decisionMode_ = false;
    decisionPanel->hide();
    continueButton->show();
    closeButton->show();
    grid->setCurrentGridRow(FirstGroupRow, false);
    showCentred();
    grid->setFocus();
}

void CnSoilGroupDialog::openDecisionMode(const QString& originalGroup, const QString& currentGroup) {
    decisionMode_ = true;
    grid->cancelEditing();
    const bool decided = !currentGroup.contains(u'(');
    for (int i = 0; i < 4; ++i) {
        QRadioButton* item = radios_[static_cast<size_t>(i)];
        item->setEnabled(originalGroup.contains(Letters[i]));
        item->setChecked(decided && currentGroup.contains(Letters[i]));
    }
    continueButton->hide();
    closeButton->hide();
    decisionPanel->show();
    showCentred();
    layout()->activate();
    placePanel();
}

void CnSoilGroupDialog::radioClicked(int index) {
    for (int i = 0; i < 4; ++i) {
        radios_[static_cast<size_t>(i)]->setChecked(i == index);
    }
    emit groupChosen(Letters.mid(index, 1));
}

void CnSoilGroupDialog::continueToCurveNumbers() {
    grid->finishEditing();
    const LookupOutcome outcome = SoilGroupFromAreas(areasAtoD());
    if (!outcome.ok()) {
        ShowLookupMessage(this, QMessageBox::Critical, QString::fromUtf8(WrongInputMessage));
        return;
    }
    emit soilGroupFound(outcome.category);
}

} // namespace hydrim::gui

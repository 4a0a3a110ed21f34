#include "gui/reference/HSPtab.h"

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

THSPtab1::THSPtab1(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent) {
    setWindowTitle(QStringLiteral("Hydrologické skupiny půd"));
    StringGrid1 = new LookupGrid(Rows, 3, 2, 2, this);
    StringGrid1->setFont(LookupFont(12));
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditableColumns({AreaColumn});
    StringGrid1->setCorrections([](int, int, const QString& text) {
        return QString::fromStdString(CorrectAreaText(text.toStdString()));
    });

    Button2 = new QPushButton(QStringLiteral(">> &Pokračuj"), this);
    Button3 = new QPushButton(QStringLiteral("&Zavřít"), this);
    auto* top = new QHBoxLayout;
    top->addStretch();
    top->addWidget(Button2);
    top->addSpacing(1);
    top->addWidget(Button3);
    top->setContentsMargins(0, 2, 3, 2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(makeNote(QStringLiteral(
        "Tabulka hydrologických skupin půd neobsahuje žádné údaje. Doplňte soubor DATA/HSP.tab.")));
    layout->addWidget(StringGrid1);

    // The decision panel lies over the area column.
    Panel1 = new QWidget(this);
    Panel1->setAutoFillBackground(true);
    auto* panelLayout = new QVBoxLayout(Panel1);
    for (int i = 0; i < 4; ++i) {
        radios_[static_cast<size_t>(i)] = new QRadioButton(Letters.mid(i, 1), Panel1);
        radios_[static_cast<size_t>(i)]->setFont(LookupFont(12, true));
        radios_[static_cast<size_t>(i)]->setAutoExclusive(false);
        panelLayout->addWidget(radios_[static_cast<size_t>(i)]);
        connect(radios_[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { radioClicked(i); });
    }
    Button1 = new QPushButton(QStringLiteral("&Zavřít"), Panel1);
    panelLayout->addStretch();
    panelLayout->addWidget(Button1);
    Panel1->hide();

    const TableReadResult table = ReadSoilGroupTable(dataDir);
    readError_ = table.Error;
    fillGrid(table.Grid);
    setUpDrawing();
    sizeGrid();

    connect(Button2, &QPushButton::clicked, this, &THSPtab1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    fixSizeToContent();
}

void THSPtab1::fillGrid(const TableGrid& table) {
    bool hasGroups = false;
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QString text = QString::fromStdString(table.cell(static_cast<size_t>(row), column));
            StringGrid1->setText(row, column, text);
            hasGroups = hasGroups || (row >= FirstGroupRow && !text.isEmpty());
        }
    }
    StringGrid1->setText(1, AreaColumn, QStringLiteral(" Plocha:  [km]"));
    note()->setVisible(!hasGroups);
}

void THSPtab1::setUpDrawing() {
    StringGrid1->setFixedSpan(0, 0, 1, 3);
    StringGrid1->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QFont font = StringGrid1->font();
        const QString text = StringGrid1->text(row, column);
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

void THSPtab1::sizeGrid() {
    const QFont font = StringGrid1->font();
    lineHeight_ = QFontMetrics(font).height() + 2;
    for (int row = 0; row < Rows; ++row) {
        const int lines =
            static_cast<int>(StringGrid1->text(row, 0).count(u':') + StringGrid1->text(row, 1).count(u':')) +
            1;
        StringGrid1->setGridRowHeight(row, lines * lineHeight_);
    }
    StringGrid1->setGridRowHeight(0, static_cast<int>(std::nearbyint(1.5 * lineHeight_)));
    StringGrid1->setGridRowHeight(1, static_cast<int>(std::nearbyint(2.2 * lineHeight_)));

    // Each text column as wide as its widest line (the group letters in
    // their larger font, the header in its bold one).
    const QFont header = LookupFont(font.pointSize() + 1, true);
    for (int column = 0; column < AreaColumn; ++column) {
        int width = LinesWidth(StringGrid1->text(1, column), header) + 10;
        for (int row = FirstGroupRow; row < Rows; ++row) {
            const QString text = StringGrid1->text(row, column);
            width = std::max(width, LinesWidth(text, IsGroupLetter(text) ? GroupFont(font) : font) + 10);
        }
        StringGrid1->setColumnWidth(column, width);
    }
    StringGrid1->setColumnWidth(AreaColumn,
                                std::max(LinesWidth(StringGrid1->text(1, AreaColumn), header) + 20, 90));
    // The title spans the table; it must fit.
    const int titleWidth = LinesWidth(StringGrid1->text(0, 0), LookupFont(font.pointSize() + 2, true)) + 10;
    const int shortBy = titleWidth - StringGrid1->contentWidth();
    const int widest = StringGrid1->columnWidth(0) >= StringGrid1->columnWidth(1) ? 0 : 1;
    if (shortBy > 0) {
        StringGrid1->setColumnWidth(widest, StringGrid1->columnWidth(widest) + shortBy);
    }
    StringGrid1->setFixedSize(StringGrid1->linedWidth(), StringGrid1->linedHeight());
}

void THSPtab1::placePanel() {
    const int left =
        StringGrid1->x() + StringGrid1->columnViewportPosition(AreaColumn) + StringGrid1->frameWidth();
    Panel1->setGeometry(left, StringGrid1->y(), StringGrid1->columnWidth(AreaColumn), StringGrid1->height());
    Panel1->raise();
}

void THSPtab1::resizeEvent(QResizeEvent* event) {
    LookupWindow::resizeEvent(event);
    placePanel();
}

void THSPtab1::showEvent(QShowEvent* event) {
    LookupWindow::showEvent(event);
    layout()->activate();
    placePanel();
}

void THSPtab1::loadAreas(const std::array<std::string, 6>& areasByRow) {
    StringGrid1->cancelEditing();
    for (int row = FirstGroupRow; row < Rows; ++row) {
        StringGrid1->setText(row, AreaColumn, QString::fromStdString(areasByRow[static_cast<size_t>(row)]));
    }
}

std::array<std::string, 4> THSPtab1::areasAtoD() const {
    std::array<std::string, 4> areas;
    for (int row = FirstGroupRow; row < Rows; ++row) {
        areas[static_cast<size_t>(row - FirstGroupRow)] = StringGrid1->text(row, AreaColumn).toStdString();
    }
    return areas;
}

void THSPtab1::openAreaMode() {
    decisionMode_ = false;
    Panel1->hide();
    Button2->show();
    Button3->show();
    StringGrid1->setCurrentGridRow(FirstGroupRow, false);
    showCentred();
    StringGrid1->setFocus();
}

void THSPtab1::openDecisionMode(const QString& originalGroup, const QString& currentGroup) {
    decisionMode_ = true;
    StringGrid1->cancelEditing();
    const bool decided = !currentGroup.contains(u'(');
    for (int i = 0; i < 4; ++i) {
        QRadioButton* item = radios_[static_cast<size_t>(i)];
        item->setEnabled(originalGroup.contains(Letters[i]));
        item->setChecked(decided && currentGroup.contains(Letters[i]));
    }
    Button2->hide();
    Button3->hide();
    Panel1->show();
    showCentred();
    layout()->activate();
    placePanel();
}

void THSPtab1::radioClicked(int index) {
    for (int i = 0; i < 4; ++i) {
        radios_[static_cast<size_t>(i)]->setChecked(i == index);
    }
    emit groupChosen(Letters.mid(index, 1));
}

void THSPtab1::Button2Click() {
    StringGrid1->finishEditing();
    const LookupOutcome outcome = SoilGroupFromAreas(areasAtoD());
    if (!outcome.ok()) {
        ShowLookupMessage(this, QMessageBox::Critical, QString::fromUtf8(WrongInputMessage));
        return;
    }
    emit soilGroupFound(outcome.category);
}

} // namespace hydrim::gui

#include "gui/reference/RoughnessTableDialog.h"

#include "core/project/InputRules.h"
#include "core/reference/LookupEntry.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/RoughnessTable.h"
#include "gui/reference/CellText.h"
#include "gui/reference/LookupGrid.h"
#include "gui/reference/TableEditor.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace hydrim::gui {

namespace {

constexpr int Rows = 17;
constexpr int FirstClassRow = 2;
constexpr int ValueColumn = 3;
constexpr int AreaColumn = 4;
constexpr int DefaultColumnWidth = 64;
constexpr double SmallestRoughness = 1.0;

constexpr const char* EmptyTableText =
    "Tabulka doporučených hodnot drsnosti neobsahuje žádné třídy povrchu. Doplníte je tlačítkem "
    "„Upravit tabulku“: druh povrchu, třídu a rozsah hodnot γ zapíšete ručně („Přidat řádek“), nebo je "
    "načtete ze souboru CSV uloženého z tabulkového procesoru („Import z CSV…“). Tabulka se uloží do "
    "DATA/Gama.tab.";

} // namespace

RoughnessTableDialog::RoughnessTableDialog(LookupContext& context, const std::string& dataDir,
                                           QWidget* parent)
    : LookupWindow(context, parent), dataDir_(dataDir) {
    setWindowTitle(QStringLiteral("Drsnost"));
    grid = new LookupGrid(Rows, 5, 2, 3, this);
    grid->setFont(LookupFont(12));
    grid->setFrameShape(QFrame::NoFrame);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditableColumns({ValueColumn, AreaColumn});
    panel = ResultPanel::Create(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QWidget(this);
    top->setLayout(panel.layout);
    layout->addWidget(top);
    layout->addWidget(makeNote(QString()));
    layout->addWidget(grid);
    editButton = new QPushButton(QStringLiteral("Upravit tabulku"), this);
    auto* bottom = new QHBoxLayout;
    bottom->setContentsMargins(4, 4, 4, 4);
    bottom->addWidget(editButton);
    bottom->addStretch();
    layout->addLayout(bottom);

    setUpDrawing();
    readTable();

    // Typing only refuses what is no number; the class range is checked once
    // the value is finished (Enter, Tab, leaving the cell, "Vy&počti").
    grid->setCorrections([](int, int, const QString& text) {
        return QString::fromStdString(CorrectAreaText(text.toStdString()));
    });
    connect(grid, &LookupGrid::editFinished, this, [this](int row, int column) {
        if (column != ValueColumn) {
            return;
        }
        pendingChecks_.push_back(row);
        // The message waits until the grid has closed its editor.
        QMetaObject::invokeMethod(this, &RoughnessTableDialog::checkFinishedValues, Qt::QueuedConnection);
    });
    connect(grid, &LookupGrid::editingStarted, this, [this] { panel.insert->setEnabled(false); });
    connect(panel.compute, &QPushButton::clicked, this, &RoughnessTableDialog::computeWeighted);
    connect(panel.insert, &QPushButton::clicked, this, &RoughnessTableDialog::insertRoughness);
    connect(panel.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(editButton, &QPushButton::clicked, this, &RoughnessTableDialog::editTable);
}

void RoughnessTableDialog::readTable() {
    const TableReadResult table = ReadRoughnessTable(dataDir_, context_.state.Reference);
    readError_ = table.Error;
    classKeys_ = RoughnessClassKeysOf(table.Grid);
    fillGrid(table.Grid);
    ShowTableFileNote(note(), dataDir_, RoughnessTableKind(), EmptyTableText, !hasClasses_,
                      RoughnessFileName);
    panel.compute->setEnabled(hasClasses_);
    mergeDescriptions();
    sizeGrid();
    fixSizeToContent();
}

TableEditor* RoughnessTableDialog::editor() const {
    return editor_;
}

void RoughnessTableDialog::editTable() {
    OpenTableEditor(editor_, RoughnessTableKind(), dataDir_, this, [this] { reloadTable(); });
}

void RoughnessTableDialog::reloadTable() {
    // A value still being typed is finished and checked against the range of
    // the row it was typed in before the rows move.
    grid->finishEditing();
    checkFinishedValues();
    std::array<std::string, Rows> values, areas, classes;
    for (int row = FirstClassRow; row < Rows; ++row) {
        const auto index = static_cast<size_t>(row);
        values[index] = grid->text(row, ValueColumn).toStdString();
        areas[index] = grid->text(row, AreaColumn).toStdString();
        classes[index] = classKeys_[index];
    }
    readTable();
    if (readError_) {
        return;
    }
    // What the user typed and has not inserted follows its class silently:
    // the classes gone are the ones just deleted in the editor.
    PlaceRoughnessRows({values, areas, classes}, classKeys_, static_cast<int>(slopeIndex()));
    for (int row = FirstClassRow; row < Rows; ++row) {
        const auto index = static_cast<size_t>(row);
        grid->setText(row, ValueColumn, QString::fromStdString(values[index]));
        grid->setText(row, AreaColumn, QString::fromStdString(areas[index]));
    }
    compute(false); // the value shown and inserted is the one of the entries as they stand now
    const std::string notice = UnplacedRoughnessNotice(PlaceRoughnessEntries(context_.lookup(), classKeys_),
                                                       HasTwoSlopes(context_.state.CurrentProject.Texts));
    if (!notice.empty()) {
        ShowLookupMessage(this, QMessageBox::Warning, QString::fromStdString(notice));
    }
}

void RoughnessTableDialog::fillGrid(const TableGrid& table) {
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < 3; ++column) {
            grid->setText(row, column, QString::fromStdString(table.cell(static_cast<size_t>(row), column)));
        }
    }
    grid->setText(1, ValueColumn, QStringLiteral("Hodnota"));
    grid->setText(1, AreaColumn, QStringLiteral("Plocha[km]"));
    hasClasses_ = false;
    for (int row = FirstClassRow; row < Rows; ++row) {
        const bool hasClass = !grid->text(row, 1).isEmpty() || !grid->text(row, 2).isEmpty();
        grid->setRowEditable(row, hasClass);
        hasClasses_ = hasClasses_ || hasClass;
        if (!hasClass) {
            // A row left without a class by an edited table takes no entries.
            grid->setText(row, ValueColumn, QString());
            grid->setText(row, AreaColumn, QString());
        }
    }
}

void RoughnessTableDialog::mergeDescriptions() {
    // The description cells merge over the classes they describe, as the
    // table's rows have them.
    grid->clearSpans();
    std::vector<std::pair<std::string, bool>> rows;
    for (int row = FirstClassRow; row < Rows; ++row) {
        rows.emplace_back(grid->text(row, 0).toStdString(), grid->isCellEditable(row, ValueColumn));
    }
    for (const auto& [first, last] : DescriptionGroups(rows)) {
        grid->setSpan(FirstClassRow + static_cast<int>(first), 0, static_cast<int>(last - first) + 1, 1);
    }
}

void RoughnessTableDialog::setUpDrawing() {
    grid->setFixedSpan(0, 0, 1, 5);
    grid->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QString text = grid->text(row, column);
        const QFont font = grid->font();
        if (row == 0) {
            // The title: its first line ends with the roughness symbol gamma.
            const qsizetype colon = text.indexOf(u':');
            const QFont bold = LookupFont(font.pointSize() + 2, true);
            const QFont regular = LookupFont(font.pointSize() + 2);
            if (colon < 0) {
                DrawLines(painter, rect, {PlainLine(text)}, bold);
                return true;
            }
            const QString first = text.left(std::max<qsizetype>(0, colon - 1)) + QStringLiteral("γ");
            const int lineHeight = QFontMetrics(bold).height();
            DrawLines(painter, rect, {PlainLine(first)}, bold);
            DrawLines(painter, rect.adjusted(0, lineHeight, 0, 0), {PlainLine(text.mid(colon + 1))}, regular);
            return true;
        }
        if (row == 1) {
            const QFont bold = LookupFont(font.pointSize() + 1, true);
            TextLine line = PlainLine(text);
            if (column == 2) {
                line = PlainLine(SymbolFontText(text));
            } else if (column == AreaColumn) {
                line = AreaHeaderLine(text);
            }
            DrawLines(painter, rect, {line}, bold);
            return true;
        }
        if (column == 0) {
            DrawLines(painter, rect, {PlainLine(text)}, LookupFont(font.pointSize() + 1, true));
            return true;
        }
        return false;
    });
}

void RoughnessTableDialog::sizeGrid() {
    const QFontMetrics metrics(grid->font());
    const QFontMetrics bold(LookupFont(grid->font().pointSize() + 1, true));
    const int lineHeight = metrics.height() + 2;
    grid->setGridRowHeight(0, static_cast<int>(std::nearbyint(lineHeight * 2.5)));
    grid->setGridRowHeight(1, lineHeight + 4);
    for (int row = FirstClassRow; row < Rows; ++row) {
        grid->setGridRowHeight(row, lineHeight + 2);
    }

    int descriptionWidth = bold.horizontalAdvance(grid->text(1, 0)) + 20;
    int classWidth = metrics.horizontalAdvance(grid->text(11, 1)) + 10;
    for (int row = 1; row < Rows; ++row) {
        descriptionWidth = std::max(descriptionWidth, bold.horizontalAdvance(grid->text(row, 0)) + 10);
        classWidth = std::max(classWidth, bold.horizontalAdvance(grid->text(row, 1)) + 10);
    }
    grid->setColumnWidth(0, descriptionWidth);
    grid->setColumnWidth(1, classWidth);
    grid->setColumnWidth(2, std::max(DefaultColumnWidth, bold.horizontalAdvance(grid->text(1, 2)) + 10));
    grid->setColumnWidth(
        3, std::max(DefaultColumnWidth, bold.horizontalAdvance(QStringLiteral("Hodnota")) + 10));
    grid->setColumnWidth(4, bold.horizontalAdvance(QStringLiteral("Plocha[km]")) + 25);
    grid->setFixedSize(grid->linedWidth(), grid->linedHeight());
}

void RoughnessTableDialog::checkFinishedValues() {
    if (!isVisible()) {
        pendingChecks_.clear(); // closing the dialog discards its entries
        return;
    }
    const auto& reference = context_.state.Reference;
    while (!pendingChecks_.empty()) {
        const int row = pendingChecks_.front();
        pendingChecks_.pop_front();
        const QString typed = grid->text(row, ValueColumn);
        const int minimum = reference.RoughnessMin[static_cast<size_t>(row)];
        const int maximum = reference.RoughnessMax[static_cast<size_t>(row)];
        const QString bound =
            QString::fromStdString(FinishRoughnessText(typed.toStdString(), minimum, maximum));
        if (bound == typed) {
            continue;
        }
        grid->setText(row, ValueColumn, bound);
        ShowLookupMessage(this, QMessageBox::Critical,
                          QString::fromStdString(OutOfRangeMessage) +
                              QStringLiteral("\n\nDruh povrchu: %1, třída %2\nZadaná hodnota: %3\n"
                                             "Přípustné hodnoty: %4 až %5\nNová hodnota: %6")
                                  .arg(grid->text(row, 0).trimmed(), grid->text(row, 1).trimmed(), typed)
                                  .arg(minimum)
                                  .arg(maximum)
                                  .arg(bound));
    }
}

void RoughnessTableDialog::openFor() {
    const auto& entries = context_.lookup().RoughnessInputs[slopeIndex()];
    grid->cancelEditing();
    pendingChecks_.clear(); // the slope's own entries replace what was being typed
    for (int row = FirstClassRow; row < Rows; ++row) {
        grid->setText(row, ValueColumn, QString::fromStdString(entries[0][static_cast<size_t>(row)]));
        grid->setText(row, AreaColumn, QString::fromStdString(entries[1][static_cast<size_t>(row)]));
    }
    grid->setCurrentGridRow(FirstClassRow, false);
    compute(false);
    showCentred();
    grid->setFocus();
}

void RoughnessTableDialog::compute(bool report) {
    grid->finishEditing();
    checkFinishedValues();
    std::vector<AreaRow> rows;
    for (int row = FirstClassRow; row < Rows; ++row) {
        rows.push_back(
            {row, grid->text(row, ValueColumn).toStdString(), grid->text(row, AreaColumn).toStdString()});
    }
    const LookupOutcome outcome = WeightedRoughness(rows);
    panel.showOutcome(outcome, SmallestRoughness);
    if (!outcome.ok() && report) {
        ShowLookupMessage(this, QMessageBox::Critical, QString::fromUtf8(WrongInputMessage));
    }
}

void RoughnessTableDialog::computeWeighted() {
    compute(true);
}

void RoughnessTableDialog::insertRoughness() {
    if (!panel.insert->isEnabled()) {
        return;
    }
    auto& entries = context_.lookup().RoughnessInputs[slopeIndex()];
    auto& classes = context_.lookup().RoughnessClasses[slopeIndex()];
    for (int row = FirstClassRow; row < Rows; ++row) {
        const auto index = static_cast<size_t>(row);
        entries[0][index] = CutText(grid->text(row, ValueColumn).toStdString(), LookupState::CellWidth);
        entries[1][index] = CutText(grid->text(row, AreaColumn).toStdString(), LookupState::CellWidth);
        // The entries name their class, so that an edited table cannot put them beside another one.
        const bool entered = !entries[0][index].empty() || !entries[1][index].empty();
        classes[index] = entered ? classKeys_[index] : std::string();
    }
    if (context_.link) {
        context_.link->setFieldText(leftSlope() ? EditRoughnessL : EditRoughnessR, panel.valueText());
    }
    reject();
}

} // namespace hydrim::gui

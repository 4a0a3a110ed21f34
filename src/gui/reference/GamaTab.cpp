#include "gui/reference/GamaTab.h"

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

TGamatab1::TGamatab1(LookupContext& context, const std::string& dataDir, QWidget* parent)
    : LookupWindow(context, parent), dataDir_(dataDir) {
    setWindowTitle(QStringLiteral("Drsnost"));
    StringGrid1 = new LookupGrid(Rows, 5, 2, 3, this);
    StringGrid1->setFont(LookupFont(12));
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditableColumns({ValueColumn, AreaColumn});
    panel = ResultPanel::Create(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QWidget(this);
    top->setLayout(panel.layout);
    layout->addWidget(top);
    layout->addWidget(makeNote(QString()));
    layout->addWidget(StringGrid1);
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
    StringGrid1->setCorrections([](int, int, const QString& text) {
        return QString::fromStdString(CorrectAreaText(text.toStdString()));
    });
    connect(StringGrid1, &LookupGrid::editFinished, this, [this](int row, int column) {
        if (column != ValueColumn) {
            return;
        }
        pendingChecks_.push_back(row);
        // The message waits until the grid has closed its editor.
        QMetaObject::invokeMethod(this, &TGamatab1::checkFinishedValues, Qt::QueuedConnection);
    });
    connect(StringGrid1, &LookupGrid::editingStarted, this, [this] { panel.insert->setEnabled(false); });
    connect(panel.compute, &QPushButton::clicked, this, &TGamatab1::BitBtn1Click);
    connect(panel.insert, &QPushButton::clicked, this, &TGamatab1::Button1Click);
    connect(panel.close, &QPushButton::clicked, this, &QDialog::reject);
    connect(editButton, &QPushButton::clicked, this, &TGamatab1::editTable);
}

void TGamatab1::readTable() {
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

TableEditor* TGamatab1::editor() const {
    return editor_;
}

void TGamatab1::editTable() {
    OpenTableEditor(editor_, RoughnessTableKind(), dataDir_, this, [this] { reloadTable(); });
}

void TGamatab1::reloadTable() {
    // A value still being typed is finished and checked against the range of
    // the row it was typed in before the rows move.
    StringGrid1->finishEditing();
    checkFinishedValues();
    std::array<std::string, Rows> values, areas, classes;
    for (int row = FirstClassRow; row < Rows; ++row) {
        const auto index = static_cast<size_t>(row);
        values[index] = StringGrid1->text(row, ValueColumn).toStdString();
        areas[index] = StringGrid1->text(row, AreaColumn).toStdString();
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
        StringGrid1->setText(row, ValueColumn, QString::fromStdString(values[index]));
        StringGrid1->setText(row, AreaColumn, QString::fromStdString(areas[index]));
    }
    compute(false); // the value shown and inserted is the one of the entries as they stand now
    const std::string notice = UnplacedRoughnessNotice(PlaceRoughnessEntries(context_.lookup(), classKeys_),
                                                       HasTwoSlopes(context_.state.CurrentProject.Texts));
    if (!notice.empty()) {
        ShowLookupMessage(this, QMessageBox::Warning, QString::fromStdString(notice));
    }
}

void TGamatab1::fillGrid(const TableGrid& table) {
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < 3; ++column)
            StringGrid1->setText(row, column,
                                 QString::fromStdString(table.cell(static_cast<size_t>(row), column)));
    StringGrid1->setText(1, ValueColumn, QStringLiteral("Hodnota"));
    StringGrid1->setText(1, AreaColumn, QStringLiteral("Plocha[km]"));
    hasClasses_ = false;
    for (int row = FirstClassRow; row < Rows; ++row) {
        const bool hasClass = !StringGrid1->text(row, 1).isEmpty() || !StringGrid1->text(row, 2).isEmpty();
        StringGrid1->setRowEditable(row, hasClass);
        hasClasses_ = hasClasses_ || hasClass;
        if (!hasClass) {
            // A row left without a class by an edited table takes no entries.
            StringGrid1->setText(row, ValueColumn, QString());
            StringGrid1->setText(row, AreaColumn, QString());
        }
    }
}

void TGamatab1::mergeDescriptions() {
    // The description cells merge over the classes they describe, as the
    // table's rows have them.
    StringGrid1->clearSpans();
    std::vector<std::pair<std::string, bool>> rows;
    for (int row = FirstClassRow; row < Rows; ++row)
        rows.emplace_back(StringGrid1->text(row, 0).toStdString(),
                          StringGrid1->isCellEditable(row, ValueColumn));
    for (const auto& [first, last] : DescriptionGroups(rows))
        StringGrid1->setSpan(FirstClassRow + static_cast<int>(first), 0, static_cast<int>(last - first) + 1,
                             1);
}

void TGamatab1::setUpDrawing() {
    StringGrid1->setFixedSpan(0, 0, 1, 5);
    StringGrid1->setCellPainter([this](QPainter& painter, const QRect& rect, int row, int column) {
        const QString text = StringGrid1->text(row, column);
        const QFont font = StringGrid1->font();
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
            if (column == 2)
                line = PlainLine(SymbolFontText(text));
            else if (column == AreaColumn)
                line = AreaHeaderLine(text);
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

void TGamatab1::sizeGrid() {
    const QFontMetrics metrics(StringGrid1->font());
    const QFontMetrics bold(LookupFont(StringGrid1->font().pointSize() + 1, true));
    const int lineHeight = metrics.height() + 2;
    StringGrid1->setGridRowHeight(0, static_cast<int>(std::nearbyint(lineHeight * 2.5)));
    StringGrid1->setGridRowHeight(1, lineHeight + 4);
    for (int row = FirstClassRow; row < Rows; ++row)
        StringGrid1->setGridRowHeight(row, lineHeight + 2);

    int descriptionWidth = bold.horizontalAdvance(StringGrid1->text(1, 0)) + 20;
    int classWidth = metrics.horizontalAdvance(StringGrid1->text(11, 1)) + 10;
    for (int row = 1; row < Rows; ++row) {
        descriptionWidth = std::max(descriptionWidth, bold.horizontalAdvance(StringGrid1->text(row, 0)) + 10);
        classWidth = std::max(classWidth, bold.horizontalAdvance(StringGrid1->text(row, 1)) + 10);
    }
    StringGrid1->setColumnWidth(0, descriptionWidth);
    StringGrid1->setColumnWidth(1, classWidth);
    StringGrid1->setColumnWidth(
        2, std::max(DefaultColumnWidth, bold.horizontalAdvance(StringGrid1->text(1, 2)) + 10));
    StringGrid1->setColumnWidth(
        3, std::max(DefaultColumnWidth, bold.horizontalAdvance(QStringLiteral("Hodnota")) + 10));
    StringGrid1->setColumnWidth(4, bold.horizontalAdvance(QStringLiteral("Plocha[km]")) + 25);
    StringGrid1->setFixedSize(StringGrid1->linedWidth(), StringGrid1->linedHeight());
}

void TGamatab1::checkFinishedValues() {
    if (!isVisible()) {
        pendingChecks_.clear(); // closing the dialog discards its entries
        return;
    }
    const auto& reference = context_.state.Reference;
    while (!pendingChecks_.empty()) {
        const int row = pendingChecks_.front();
        pendingChecks_.pop_front();
        const QString typed = StringGrid1->text(row, ValueColumn);
        const int minimum = reference.RoughnessMin[static_cast<size_t>(row)];
        const int maximum = reference.RoughnessMax[static_cast<size_t>(row)];
        const QString bound =
            QString::fromStdString(FinishRoughnessText(typed.toStdString(), minimum, maximum));
        if (bound == typed) {
            continue;
        }
        StringGrid1->setText(row, ValueColumn, bound);
        ShowLookupMessage(
            this, QMessageBox::Critical,
            QString::fromStdString(OutOfRangeMessage) +
                QStringLiteral("\n\nDruh povrchu: %1, třída %2\nZadaná hodnota: %3\n"
                               "Přípustné hodnoty: %4 až %5\nNová hodnota: %6")
                    .arg(StringGrid1->text(row, 0).trimmed(), StringGrid1->text(row, 1).trimmed(), typed)
                    .arg(minimum)
                    .arg(maximum)
                    .arg(bound));
    }
}

void TGamatab1::openFor() {
    const auto& entries = context_.lookup().RoughnessInputs[slopeIndex()];
    StringGrid1->cancelEditing();
    pendingChecks_.clear(); // the slope's own entries replace what was being typed
    for (int row = FirstClassRow; row < Rows; ++row) {
        StringGrid1->setText(row, ValueColumn, QString::fromStdString(entries[0][static_cast<size_t>(row)]));
        StringGrid1->setText(row, AreaColumn, QString::fromStdString(entries[1][static_cast<size_t>(row)]));
    }
    StringGrid1->setCurrentGridRow(FirstClassRow, false);
    compute(false);
    showCentred();
    StringGrid1->setFocus();
}

void TGamatab1::compute(bool report) {
    StringGrid1->finishEditing();
    checkFinishedValues();
    std::vector<AreaRow> rows;
    for (int row = FirstClassRow; row < Rows; ++row)
        rows.push_back({row, StringGrid1->text(row, ValueColumn).toStdString(),
                        StringGrid1->text(row, AreaColumn).toStdString()});
    const LookupOutcome outcome = WeightedRoughness(rows);
    panel.showOutcome(outcome, SmallestRoughness);
    if (!outcome.ok() && report)
        ShowLookupMessage(this, QMessageBox::Critical, QString::fromUtf8(WrongInputMessage));
}

void TGamatab1::BitBtn1Click() {
    compute(true);
}

void TGamatab1::Button1Click() {
    if (!panel.insert->isEnabled())
        return;
    auto& entries = context_.lookup().RoughnessInputs[slopeIndex()];
    auto& classes = context_.lookup().RoughnessClasses[slopeIndex()];
    for (int row = FirstClassRow; row < Rows; ++row) {
        const auto index = static_cast<size_t>(row);
        entries[0][index] =
            CutText(StringGrid1->text(row, ValueColumn).toStdString(), LookupState::CellWidth);
        entries[1][index] = CutText(StringGrid1->text(row, AreaColumn).toStdString(), LookupState::CellWidth);
        // The entries name their class, so that an edited table cannot put them beside another one.
        const bool entered = !entries[0][index].empty() || !entries[1][index].empty();
        classes[index] = entered ? classKeys_[index] : std::string();
    }
    if (context_.link)
        context_.link->setFieldText(leftSlope() ? EditRoughnessL : EditRoughnessR, panel.valueText());
    reject();
}

} // namespace hydrim::gui

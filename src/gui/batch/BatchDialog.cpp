#include "gui/batch/BatchDialog.h"

#include "core/batch/BatchRunner.h"
#include "core/project/TextCodec.h"
#include "export/SummaryWorkbook.h"
#include "gui/common/Messages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace hydrim::gui {
namespace {

// The shades of the summary workbook: failed rows red, warnings yellow.
QColor RowShade(RowStatus status) {
    switch (status) {
    case RowStatus::Invalid:
    case RowStatus::Partial:
        return QColor(0xF8, 0xCB, 0xAD);
    case RowStatus::Warning:
        return QColor(0xFF, 0xF2, 0xCC);
    case RowStatus::Ok:
    case RowStatus::NoRunoff:
        break;
    }
    return {};
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

BatchDialog::BatchDialog(const ParTable& par, const QString& startDir, QWidget* parent)
    : QDialog(parent), par_(par), startDir_(startDir) {
    setObjectName(QStringLiteral("BatchDialog"));
    setWindowTitle(QStringLiteral("Dávkový výpočet"));
    buildLayout();
    updateButtons();
    resize(1000, 640);
}

BatchDialog::~BatchDialog() {
    stop();
    if (worker_.joinable()) {
        worker_.join();
    }
}

void BatchDialog::buildLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Projekty, složky projektů a tabulky povodí (CSV):"), this));
    auto* inputRow = new QHBoxLayout;
    inputs_ = new QListWidget(this);
    inputs_->setObjectName(QStringLiteral("Vstupy"));
    inputs_->setMaximumHeight(110);
    inputRow->addWidget(inputs_);
    auto* inputButtons = new QVBoxLayout;
    QPushButton* files = Button(QStringLiteral("Přidat soubory…"), "PridatSoubory", this);
    QPushButton* folder = Button(QStringLiteral("Přidat složku…"), "PridatSlozku", this);
    QPushButton* remove = Button(QStringLiteral("Odebrat"), "Odebrat", this);
    for (QPushButton* button : {files, folder, remove}) {
        inputButtons->addWidget(button);
    }
    inputButtons->addStretch();
    inputRow->addLayout(inputButtons);
    layout->addLayout(inputRow);
    connect(files, &QPushButton::clicked, this, &BatchDialog::chooseFiles);
    connect(folder, &QPushButton::clicked, this, &BatchDialog::chooseFolder);
    connect(remove, &QPushButton::clicked, this, [this] { qDeleteAll(inputs_->selectedItems()); });

    auto* runRow = new QHBoxLayout;
    startButton_ = Button(QStringLiteral("Spočítat"), "Spocitat", this);
    stopButton_ = Button(QStringLiteral("Storno"), "Storno", this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("Prubeh"));
    runRow->addWidget(startButton_);
    runRow->addWidget(progress_, 1);
    runRow->addWidget(stopButton_);
    layout->addLayout(runRow);
    connect(startButton_, &QPushButton::clicked, this, &BatchDialog::start);
    connect(stopButton_, &QPushButton::clicked, this, &BatchDialog::stop);

    const std::vector<std::string> headers = SummaryColumnHeaders();
    grid_ = new QTableWidget(0, static_cast<int>(headers.size()), this);
    grid_->setObjectName(QStringLiteral("Souhrn"));
    for (size_t c = 0; c < headers.size(); ++c) {
        grid_->setHorizontalHeaderItem(static_cast<int>(c),
                                       new QTableWidgetItem(QString::fromStdString(headers[c])));
    }
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setVisible(false);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    layout->addWidget(grid_, 1);

    auto* bottom = new QHBoxLayout;
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Stav"));
    saveButton_ = Button(QStringLiteral("Uložit souhrn…"), "UlozitSouhrn", this);
    QPushButton* close = Button(QStringLiteral("Zavřít"), "Zavrit", this);
    bottom->addWidget(status_, 1);
    bottom->addWidget(saveButton_);
    bottom->addWidget(close);
    layout->addLayout(bottom);
    connect(saveButton_, &QPushButton::clicked, this, &BatchDialog::chooseSaveFile);
    connect(close, &QPushButton::clicked, this, &BatchDialog::reject);
}

void BatchDialog::addInputs(const QStringList& paths) {
    inputs_->addItems(paths);
    updateButtons();
}

void BatchDialog::chooseFiles() {
    addInputs(QFileDialog::getOpenFileNames(
        this, QStringLiteral("Přidat projekty a tabulky povodí"), startDir_,
        QStringLiteral("Projekty a tabulky (*.snp *.csv);;Všechny soubory (*)")));
}

void BatchDialog::chooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Přidat složku projektů"), startDir_);
    if (!folder.isEmpty()) {
        addInputs({folder});
    }
}

void BatchDialog::start() {
    if (running() || inputs_->count() == 0) {
        return;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    std::vector<std::string> paths;
    for (int i = 0; i < inputs_->count(); ++i) {
        paths.push_back(inputs_->item(i)->text().toStdString());
    }
    rows_.clear();
    grid_->setRowCount(0);
    failed_ = 0;
    total_ = 0;
    stop_ = false;
    finished_ = false;
    progress_->setValue(0);
    status_->setText(QStringLiteral("Načítám vstupy…"));
    updateButtons();
    worker_ = std::thread([this, paths] {
        const auto inputs = std::make_shared<const BatchInputs>(CollectBatchInputs(paths));
        const size_t total = inputs->Items.size();
        QMetaObject::invokeMethod(
            this,
            [this, total, separator = inputs->Separator] {
                total_ = total;
                separator_ = separator;
                progress_->setRange(0, static_cast<int>(total));
            },
            Qt::QueuedConnection);
        const size_t done = RunInOrder<CatchmentOutcome>(
            total, 0, [&](size_t i) { return ComputeCatchment(inputs->Items[i], par_); },
            [this](size_t index, CatchmentOutcome&& outcome) {
                QMetaObject::invokeMethod(
                    this, [this, rows = SummaryRows(outcome), index] { deliver(rows, index + 1); },
                    Qt::QueuedConnection);
            },
            stop_);
        QMetaObject::invokeMethod(
            this, [this, done] { endRun(done); }, Qt::QueuedConnection);
    });
}

void BatchDialog::stop() {
    stop_ = true;
}

void BatchDialog::waitForFinished() {
    if (worker_.joinable()) {
        worker_.join();
    }
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void BatchDialog::deliver(std::vector<SummaryRow> rows, size_t done) {
    for (SummaryRow& row : rows) {
        failed_ += row.failed() ? 1 : 0;
        appendGridRow(row);
        rows_.push_back(std::move(row));
    }
    progress_->setValue(static_cast<int>(done));
    status_->setText(QStringLiteral("Spočítáno %1 z %2 povodí").arg(done).arg(total_));
}

void BatchDialog::endRun(size_t done) {
    finished_ = true;
    if (done < total_) {
        rows_.push_back(PartialRow(done, total_));
        appendGridRow(rows_.back());
    }
    QString text = done < total_ ? QStringLiteral("Přerušeno: spočítáno %1 z %2 povodí").arg(done).arg(total_)
                                 : QStringLiteral("Spočítáno %1 povodí").arg(done);
    if (failed_ > 0) {
        text += QStringLiteral(", chybné vstupy: %1").arg(failed_);
    }
    status_->setText(text);
    // Measuring every cell of a long summary would hold the window up.
    if (grid_->rowCount() <= 2000) {
        grid_->resizeColumnsToContents();
        const int message = static_cast<int>(SummaryTextColumns) - 1;
        grid_->setColumnWidth(message,
                              std::min(grid_->columnWidth(message), 40 * fontMetrics().averageCharWidth()));
    }
    updateButtons();
    emit runFinished();
}

void BatchDialog::appendGridRow(const SummaryRow& row) {
    const int r = grid_->rowCount();
    grid_->insertRow(r);
    const std::vector<std::string> cells = SummaryCells(row, separator_ == ';');
    const QColor shade = RowShade(row.Status);
    for (size_t c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(QString::fromStdString(cells[c]));
        if (shade.isValid()) {
            item->setBackground(shade);
        }
        if (c >= SummaryTextColumns) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        grid_->setItem(r, static_cast<int>(c), item);
    }
}

void BatchDialog::updateButtons() {
    const bool busy = running();
    startButton_->setEnabled(!busy && inputs_->count() > 0);
    stopButton_->setEnabled(busy);
    saveButton_->setEnabled(!busy && !rows_.empty());
}

QString BatchDialog::saveSummary(const QString& path) const {
    const std::string target = path.toStdString();
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        SummaryWorkbook workbook(target);
        for (const SummaryRow& row : rows_) {
            workbook.Add(row);
        }
        return QString::fromStdString(workbook.Finish().Message);
    }
    std::string text = SummaryCsvHeader(separator_);
    for (const SummaryRow& row : rows_) {
        text += SummaryCsvLine(row, separator_);
    }
    return QString::fromStdString(WriteFileAtomically(target, text).Message);
}

void BatchDialog::chooseSaveFile() {
    QFileDialog dialog(this, QStringLiteral("Uložit souhrn"), startDir_,
                       QStringLiteral("Sešit (*.xlsx);;Text CSV (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QStringLiteral("csv")) ? QStringLiteral("csv")
                                                                       : QStringLiteral("xlsx"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    if (const QString problem = saveSummary(dialog.selectedFiles().front()); !problem.isEmpty()) {
        ShowError(this, problem);
    }
}

void BatchDialog::reject() {
    if (running()) {
        stop();
        waitForFinished();
    }
    QDialog::reject();
}

} // namespace hydrim::gui

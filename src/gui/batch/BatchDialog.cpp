#include "gui/batch/BatchDialog.h"

#include "core/batch/BatchRunner.h"
#include "core/project/TextCodec.h"
#include "export/SummaryWorkbook.h"
#include "gui/batch/SummaryModel.h"
#include "gui/common/Messages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <memory>

namespace hydrim::gui {
namespace {

// Rows measured when the columns are fitted to their texts.
constexpr int MeasuredRows = 300;
// The widest a message column opens [average characters].
constexpr int MessageCharacters = 40;

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
    connect(remove, &QPushButton::clicked, this, [this] {
        qDeleteAll(inputs_->selectedItems());
        updateButtons();
    });

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

    model_ = new SummaryModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("Souhrn"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->setVisible(false);
    grid_->setWordWrap(false);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid_->horizontalHeader()->setResizeContentsPrecision(MeasuredRows);
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

const std::vector<SummaryRow>& BatchDialog::rows() const {
    return model_->rows();
}

void BatchDialog::start() {
    if (running_ || inputs_->count() == 0) {
        return;
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    std::vector<std::string> paths;
    for (int i = 0; i < inputs_->count(); ++i) {
        paths.push_back(inputs_->item(i)->text().toStdString());
    }
    model_->clear();
    failed_ = 0;
    total_ = 0;
    done_ = 0;
    delivered_.clear();
    takePosted_ = false;
    stop_ = false;
    running_ = true;
    progress_->setRange(0, 0);
    status_->setText(QStringLiteral("Načítám vstupy…"));
    updateButtons();
    clock_.start();
    worker_ = std::thread([this, paths] { run(paths); });
}

void BatchDialog::run(const std::vector<std::string>& paths) {
    const auto inputs = std::make_shared<const BatchInputs>(CollectBatchInputs(paths));
    const size_t total = inputs->Items.size();
    QMetaObject::invokeMethod(
        this,
        [this, total, separator = inputs->Separator] {
            total_ = total;
            separator_ = separator;
            model_->setDecimalComma(separator == ';');
            progress_->setRange(0, static_cast<int>(std::max<size_t>(total, 1)));
        },
        Qt::QueuedConnection);
    const size_t done = RunInOrder<CatchmentOutcome>(
        total, 0, [&](size_t i) { return ComputeCatchment(inputs->Items[i], par_); },
        [this](size_t index, CatchmentOutcome&& outcome) {
            std::vector<SummaryRow> rows = SummaryRows(outcome);
            const std::lock_guard lock(mutex_);
            std::move(rows.begin(), rows.end(), std::back_inserter(delivered_));
            done_ = index + 1;
            if (!takePosted_) {
                takePosted_ = true;
                QMetaObject::invokeMethod(this, &BatchDialog::takeDelivered, Qt::QueuedConnection);
            }
        },
        stop_);
    QMetaObject::invokeMethod(
        this, [this, done] { endRun(done); }, Qt::QueuedConnection);
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

void BatchDialog::takeDelivered() {
    std::vector<SummaryRow> rows;
    size_t done = 0;
    {
        const std::lock_guard lock(mutex_);
        rows.swap(delivered_);
        done = done_;
        takePosted_ = false;
    }
    const bool first = model_->rowCount() == 0;
    failed_ += static_cast<size_t>(
        std::count_if(rows.begin(), rows.end(), [](const SummaryRow& row) { return row.failed(); }));
    model_->append(std::move(rows));
    if (first) {
        fitColumns();
    }
    showProgress(done);
}

void BatchDialog::showProgress(size_t done) {
    progress_->setValue(static_cast<int>(done));
    const BatchPace pace = PaceOf(done, total_, static_cast<double>(clock_.nsecsElapsed()) / 1e9);
    status_->setText(QStringLiteral("Spočítáno %1 z %2 povodí · %3 povodí/s · zbývá %4")
                         .arg(done)
                         .arg(total_)
                         .arg(pace.Rate, 0, 'f', 0)
                         .arg(QString::fromStdString(pace.TimeLeft)));
}

void BatchDialog::endRun(size_t done) {
    takeDelivered();
    running_ = false;
    if (done < total_) {
        model_->append({PartialRow(done, total_)});
    }
    QString text = done < total_ ? QStringLiteral("Přerušeno: spočítáno %1 z %2 povodí").arg(done).arg(total_)
                                 : QStringLiteral("Spočítáno %1 povodí").arg(done);
    if (failed_ > 0) {
        text += QStringLiteral(", chybné vstupy: %1").arg(failed_);
    }
    status_->setText(text);
    progress_->setValue(static_cast<int>(done));
    fitColumns();
    updateButtons();
    emit runFinished();
}

void BatchDialog::fitColumns() {
    grid_->resizeColumnsToContents();
    const int message = static_cast<int>(SummaryTextColumns) - 1;
    grid_->setColumnWidth(
        message, std::min(grid_->columnWidth(message), MessageCharacters * fontMetrics().averageCharWidth()));
}

void BatchDialog::updateButtons() {
    startButton_->setEnabled(!running_ && inputs_->count() > 0);
    stopButton_->setEnabled(running_);
    saveButton_->setEnabled(!running_ && !rows().empty());
}

QString BatchDialog::saveSummary(const QString& path) const {
    const std::string target = path.toStdString();
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        SummaryWorkbook workbook(target);
        for (const SummaryRow& row : rows()) {
            workbook.Add(row);
        }
        return QString::fromStdString(workbook.Finish().Message);
    }
    std::string text = SummaryCsvHeader(separator_);
    for (const SummaryRow& row : rows()) {
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
    if (running_) {
        stop();
        waitForFinished();
    }
    QDialog::reject();
}

} // namespace hydrim::gui

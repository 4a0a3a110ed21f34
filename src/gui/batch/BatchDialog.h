// "Dávkový výpočet": the batch run of the window. It takes project files, a
// folder of them and catchment tables, computes them on worker threads while
// the window stays responsive (a progress bar, "Storno" stops after the
// catchments under way), shows the summary in a grid with the failed rows
// shaded, and saves it as a workbook or CSV, the same summary the command
// line writes (core/batch).
#pragma once

#include "core/batch/BatchSummary.h"

#include <QDialog>
#include <QStringList>

#include <atomic>
#include <thread>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace hydrim::gui {

class BatchDialog : public QDialog {
    Q_OBJECT
public:
    // par: the coefficient table the window computes with; startDir: where
    // the file choosers open.
    BatchDialog(const ParTable& par, const QString& startDir, QWidget* parent = nullptr);
    ~BatchDialog() override;

    void addInputs(const QStringList& paths);
    // Starts the run over the inputs (nothing while one runs).
    void start();
    // Stops the run after the catchments under way.
    void stop();
    // Waits for the run's end and shows all it delivered (for tests and closing).
    void waitForFinished();
    bool running() const { return worker_.joinable() && !finished_; }

    const std::vector<SummaryRow>& rows() const { return rows_; }
    // Saves the summary: a workbook for ".xlsx", else CSV in the convention
    // of the first table. Returns an empty text or a Czech message.
    QString saveSummary(const QString& path) const;

signals:
    void runFinished();

protected:
    void reject() override;

private:
    void buildLayout();
    void chooseFiles();
    void chooseFolder();
    void chooseSaveFile();
    void deliver(std::vector<SummaryRow> rows, size_t done);
    void endRun(size_t done);
    void appendGridRow(const SummaryRow& row);
    void updateButtons();

    ParTable par_;
    QString startDir_;
    QListWidget* inputs_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;

    std::vector<SummaryRow> rows_;
    char separator_ = ';';
    size_t total_ = 0;
    size_t failed_ = 0;
    std::thread worker_;
    std::atomic<bool> stop_{false};
    bool finished_ = true;
};

} // namespace hydrim::gui

// "Dávkový výpočet": the batch run of the window. It takes project files, a
// folder of them and catchment tables, computes them on worker threads while
// the window stays responsive (a progress bar with the catchments done of
// all, the rate and the time left; "Storno" stops after the catchments under
// way and keeps the rows done), shows the summary in a grid with the failed
// rows shaded, and saves it as a workbook or CSV, the same summary the
// command line writes (core/batch).
#pragma once

#include "core/batch/BatchSummary.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableView;

namespace hydrim::gui {

class SummaryModel;

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
    // Stops the run after the catchments under way ("Storno").
    void stop();
    // Waits for the run's end and shows all it delivered (for closing).
    void waitForFinished();
    bool running() const { return running_; }

    const std::vector<SummaryRow>& rows() const;
    // Saves the summary: a workbook for ".xlsx", else CSV in the convention
    // of the first table. Returns an empty text or a Czech message.
    QString saveSummary(const QString& path) const;

signals:
    // The run ended, complete or stopped; its rows are all shown.
    void runFinished();

protected:
    void reject() override;

private:
    void buildLayout();
    void chooseFiles();
    void chooseFolder();
    void chooseSaveFile();
    // On the worker thread: reads the inputs and computes them in order.
    void run(const std::vector<std::string>& paths);
    // Hands rows computed by the worker to the grid (posted at most once at a time).
    void takeDelivered();
    void showProgress(size_t done);
    void endRun(size_t done);
    void fitColumns();
    void updateButtons();

    ParTable par_;
    QString startDir_;
    QListWidget* inputs_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTableView* grid_ = nullptr;
    SummaryModel* model_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;

    char separator_ = ';';
    size_t total_ = 0;
    size_t failed_ = 0;
    bool running_ = false;
    QElapsedTimer clock_;
    std::thread worker_;
    std::atomic<bool> stop_{false};

    // Shared with the worker thread.
    std::mutex mutex_;
    std::vector<SummaryRow> delivered_;
    size_t done_ = 0;
    bool takePosted_ = false;
};

} // namespace hydrim::gui

// The notices of a result window: the mark "Výsledky neodpovídají zadání –
// přepočítejte" while the inputs differ from those the results were computed
// from, and the warnings of the computation: the warnings under
// "Upozornění", the notes apart under "Poznámka" in a calmer colour. Below a
// result table they form boxes, one warning a line; in the chart and
// time-series windows one line each; long lists scroll. All stay hidden
// while there is nothing to say.
#pragma once

#include "core/project/Warning.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QScrollArea;

namespace hydrim::gui {

class ResultNotice : public QWidget {
    Q_OBJECT
public:
    enum class Form { Box, Line };
    explicit ResultNotice(Form form, QWidget* parent = nullptr);

    void setWarnings(const Warnings& warnings);
    const Warnings& warnings() const { return warnings_; }
    // The texts shown, one per warning or note.
    QStringList warningTexts() const;
    // What a printout or a workbook of the window repeats: the out-of-date
    // mark (while shown) and the warnings.
    Warnings shownWarnings() const;

    void setOutOfDate(bool outOfDate);
    bool isOutOfDate() const { return outOfDate_; }

    QLabel* outOfDateLabel() const { return outOfDateLabel_; }
    QLabel* warningsLabel() const { return warningsLabel_; }
    QLabel* notesLabel() const { return notesLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Lines of text the lists show at most before they scroll: below a
    // table, and in the line of a chart or a time series.
    static constexpr int MaxBoxLines = 12;
    static constexpr int MaxLineLines = 5;

    void refresh();
    void fitLists();

    Form form_;
    Warnings warnings_;
    bool outOfDate_ = false;
    QLabel* outOfDateLabel_ = nullptr;
    QLabel* warningsLabel_ = nullptr;
    QLabel* notesLabel_ = nullptr;
    QScrollArea* lists_ = nullptr; // the two lists, scrolling when they are long
};

// The notice of a result window (nullptr when it has none).
ResultNotice* NoticeOf(QWidget* window);

} // namespace hydrim::gui

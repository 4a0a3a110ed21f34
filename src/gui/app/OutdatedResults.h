// The mark of results that no longer match the inputs: once an input of the
// computation changes in the input window (typed, or written by a lookup
// dialog), every open result table, chart and time-series window shows
// "Výsledky neodpovídají zadání – přepočítejte", and so does a chart or
// time-series window opened from those results later, until the next
// computation opens a fresh result table.
#pragma once

#include "gui/app/ResultWindows.h"

#include <QObject>

namespace hydrim::gui {

class ProjectInputWindow;

class OutdatedResults : public QObject {
    Q_OBJECT
public:
    OutdatedResults(ResultWindows& results, QObject* parent = nullptr);

    // Watches the input window's numeric fields and lists (the description
    // and the identification texts are no input of the computation).
    void watch(ProjectInputWindow* inputWindow);
    bool outOfDate() const { return outOfDate_; }

private:
    void inputsChanged();
    void windowOpened(ResultKind kind, bool variantI);

    ResultWindows& results_;
    bool outOfDate_ = false;
};

} // namespace hydrim::gui

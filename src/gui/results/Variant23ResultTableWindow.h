// The Variant II / III result window "Tabulka výsledků": one grid with the
// inputs and results of the computation (the engine's Variant II / III grid).
#pragma once

#include "core/project/Warning.h"
#include "core/results/ResultTable.h"

#include <QWidget>

namespace hydrim::gui {

class ResultGridView;
class ResultNotice;

class Variant23ResultTableWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the engine's Variant II / III grid with the computation's warnings below.
    Variant23ResultTableWindow(ResultGrid grid, const Warnings& warnings, const QFont& tableFont,
                               QWidget* parent = nullptr);

    ResultGridView* grid() const { return grid_; }
    // The warnings of the computation below the grid, and the out-of-date mark.
    ResultNotice* notice() const { return notice_; }
    QSize sizeHint() const override;

public slots:
    void copyTable();

private:
    ResultGridView* grid_;
    ResultNotice* notice_;
};

} // namespace hydrim::gui

// The Variant II / III result window "Tabulka výsledků": one grid with the
// inputs and results of the computation (the engine's Variant II / III grid).
#pragma once

#include "core/results/ResultTable.h"

#include <QWidget>

namespace hydrim::gui {

class ResultGridView;

class TTabulka1 : public QWidget {
    Q_OBJECT
public:
    TTabulka1(ResultGrid grid, const QFont& tableFont, QWidget* parent = nullptr);

    ResultGridView* grid() const { return grid_; }
    QSize sizeHint() const override;

public slots:
    void Kopirujtabulku1Click();

private:
    ResultGridView* grid_;
};

} // namespace hydrim::gui

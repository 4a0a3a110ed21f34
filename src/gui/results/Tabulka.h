// The Variant II / III result window "Tabulka výsledků": one grid with the
// inputs and results of the computation, built from the Variant II/III
// result set and the layout file of the variant.
#pragma once

#include "core/project/ProjectData.h"

#include <QWidget>

namespace hydrim::gui {

class ResultGridView;
class ResultNotice;

class TTabulka1 : public QWidget {
    Q_OBJECT
public:
    TTabulka1(const AppState& state, const QFont& tableFont, QWidget* parent = nullptr);

    ResultGridView* grid() const { return grid_; }
    // The warnings of the computation below the grid, and the out-of-date mark.
    ResultNotice* notice() const { return notice_; }
    QSize sizeHint() const override;

public slots:
    void Kopirujtabulku1Click();

private:
    ResultGridView* grid_;
    ResultNotice* notice_;
};

} // namespace hydrim::gui

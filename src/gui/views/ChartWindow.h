// What both hydrograph chart windows share: the chart view, the title typed
// by the user (kept in the project's chart titles) and the caption.
#pragma once

#include "core/project/ProjectData.h"
#include "render/HydrographChartContent.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QVBoxLayout;
QT_END_NAMESPACE

namespace hydrim::gui {

class HydrographChartView;
class ResultNotice;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    HydrographChartView* chartView() const { return view_; }
    // The warnings of the hydrograph shown (its return period's and the
    // general ones) in one line below the chart, and the out-of-date mark.
    ResultNotice* notice() const { return notice_; }
    // True while the hydrograph of the design rain is drawn, false for the
    // hydrograph of the whole 1-day rainfall.
    bool showsDesignRain() const { return designRain_; }
    AppState& state() const { return state_; }
    QSize sizeHint() const override { return {900, 620}; }

signals:
    // The user typed a new chart title: the project counts as modified.
    void modified();

protected:
    ChartWindow(AppState& state, QWidget* parent);
    // Draws content; its title is the stored title of that hydrograph.
    void draw(render::HydrographChartContent content);
    QVBoxLayout* layout() const { return layout_; }

    AppState& state_;

private:
    void storeTitle(const QString& title);

    HydrographChartView* view_ = nullptr;
    ResultNotice* notice_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
    bool designRain_ = true;
};

} // namespace hydrim::gui

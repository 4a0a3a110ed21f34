// The view that shows a hydrograph chart with its editable title, the line
// naming the hydrograph shown, the "N = … let" label of a return period and
// the two-line footer naming the program, and copies the chart to the
// clipboard as a picture. The user zooms into a dragged rectangle or with the
// wheel (the time axis, around the pointer), drags the view along with the
// middle button or Shift and the left one, and goes back to the first view
// (Home, or "Původní zobrazení" in the context menu).
#pragma once

#include "render/HydrographChartContent.h"

#include <QChartView>

#include <memory>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QMimeData;
class QMenu;
class QAbstractAxis;
QT_END_NAMESPACE

namespace hydrim::render {
class ChartDecorations;
} // namespace hydrim::render

namespace hydrim::gui {

class TitleEditor;

class HydrographChartView : public QChartView {
    Q_OBJECT
public:
    explicit HydrographChartView(QWidget* parent = nullptr);
    ~HydrographChartView() override;

    // Replaces the drawn chart by a new one built from content.
    void setContent(const render::HydrographChartContent& content);
    const render::HydrographChartContent& content() const { return content_; }
    // The content with the time span shown now (what printing draws).
    render::HydrographChartContent contentAsShown() const;

    QString titleText() const;
    // The title as the chart shows it: its lines joined by "\n", cut short with "…".
    QString shownTitle() const;
    // The title's rectangle in view (viewport) coordinates.
    QRect titleRect() const;
    QString footerText() const;
    QString captionText() const; // which hydrograph is shown
    // Label k of the time axis ("27:00"), empty when there is none.
    QString timeAxisLabel(int k) const;
    // The minutes from and to which the time axis reaches now.
    QPair<int, int> shownMinutes() const;

    // The first view again; the whole hydrograph (both at the full discharge
    // and rain ranges); a zoom of the time axis by factor (> 1 zooms in)
    // keeping the time at view x in its place.
    void resetView();
    void showWholeHydrograph();
    void zoomTime(qreal factor, qreal x);
    QString returnPeriodLabel() const; // empty when the chart shows none

    // Opens the edit box over the title (a click on the title does this).
    void beginTitleEdit();
    QLineEdit* titleEditor() const;

    // The chart as a bitmap and as SVG, as "Kopíruj graf" puts it on the clipboard.
    QMimeData* pictureMimeData();
    void copyToClipboard();
    QMenu* contextMenu() const { return contextMenu_; }

signals:
    // The user confirmed a new, non-empty title.
    void titleEdited(const QString& title);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void commitTitleEdit();
    void cancelTitleEdit();
    QSize pictureSize() const;
    QAbstractAxis* timeAxis() const;

    render::HydrographChartContent content_;
    std::unique_ptr<render::ChartDecorations> decorations_;
    TitleEditor* editor_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    bool panning_ = false;
    QPoint panFrom_;
};

} // namespace hydrim::gui

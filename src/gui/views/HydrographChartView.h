// The view that shows a hydrograph chart with its editable title, the
// "N = … let" label of a return period and the two-line footer naming the
// program, and copies the chart to the clipboard as a picture.
#pragma once

#include "render/HydrographChartContent.h"

#include <QChartView>

#include <memory>

QT_BEGIN_NAMESPACE
class QLineEdit;
class QMimeData;
class QMenu;
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

    QString titleText() const;
    // The title's rectangle in view (viewport) coordinates.
    QRect titleRect() const;
    QString footerText() const;
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
    void resizeEvent(QResizeEvent* event) override;

private:
    void commitTitleEdit();
    void cancelTitleEdit();
    QSize pictureSize() const;

    render::HydrographChartContent content_;
    std::unique_ptr<render::ChartDecorations> decorations_;
    TitleEditor* editor_ = nullptr;
    QMenu* contextMenu_ = nullptr;
};

} // namespace hydrim::gui

#include "gui/app/HintTiming.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace hydrim::gui {

namespace {

class HintStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return HintDelayMs;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Shows a widget's own tool tip for HintVisibleMs instead of Qt's
// length-dependent time.
class HintDuration : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType()) {
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty()) {
            return false;
        }
        auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), HintVisibleMs);
        return true;
    }
};

} // namespace

void InstallHintTiming(QApplication& app) {
    if (app.property("hydrimHintTiming").toBool()) {
        return;
    }
    app.setProperty("hydrimHintTiming", true);
    app.setStyle(new HintStyle);
    app.installEventFilter(new HintDuration(&app));
}

} // namespace hydrim::gui

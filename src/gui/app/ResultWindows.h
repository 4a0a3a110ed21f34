// The registry of the result windows: at most one result table, one chart and
// one time-series window per computation family (Variant I, Variants II/III),
// each shown as a child window of the main window's MDI area. The main window
// derives its command states from the registry's signals.
#pragma once

#include "core/project/ProjectData.h"

#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>

#include <functional>

class QMdiArea;

namespace hydrim::gui {

enum class ResultKind { Table, Chart, TimeSeries };

// An MDI child window that reports its closing and may refuse it.
class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* content, QWidget* parent = nullptr);
    // Asked before the window closes; returning false keeps it open.
    std::function<bool()> closeGuard;

signals:
    void shown();
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool closedOnce_ = false;
};

class ResultWindows : public QObject {
    Q_OBJECT
public:
    explicit ResultWindows(QMdiArea* area, QObject* parent = nullptr);

    // Shows content as the window of that kind and family, closing an earlier one.
    ChildWindow* add(ResultKind kind, bool variantI, QWidget* content);
    QWidget* window(ResultKind kind, bool variantI) const;
    ChildWindow* subWindow(ResultKind kind, bool variantI) const;
    bool isOpen(ResultKind kind, bool variantI) const { return subWindow(kind, variantI) != nullptr; }
    void close(ResultKind kind, bool variantI);
    // Closes the result tables of both families, the last opened first.
    void closeTables();
    // Which registered window a child window is; false when it is none of them.
    bool identify(const QMdiSubWindow* sub, ResultKind& kind, bool& variantI) const;

signals:
    void opened(hydrim::gui::ResultKind kind, bool variantI);
    void shown(hydrim::gui::ResultKind kind, bool variantI);
    void closed(hydrim::gui::ResultKind kind, bool variantI);

private:
    static int slot(ResultKind kind, bool variantI) {
        return static_cast<int>(kind) * 2 + (variantI ? 0 : 1);
    }

    QMdiArea* area_;
    QPointer<ChildWindow> windows_[6];
};

} // namespace hydrim::gui

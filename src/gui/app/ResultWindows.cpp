#include "gui/app/ResultWindows.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace hydrim::gui {

ChildWindow::ChildWindow(QWidget* content, QWidget* parent) : QMdiSubWindow(parent) {
    setWidget(content);
    setAttribute(Qt::WA_DeleteOnClose);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (closedOnce_) {
        event->accept();
        return;
    }
    if (closeGuard && !closeGuard()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) {
        closedOnce_ = true;
        emit closed();
    }
}

void ChildWindow::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    emit shown();
}

ResultWindows::ResultWindows(QMdiArea* area, QObject* parent) : QObject(parent), area_(area) {}

ChildWindow* ResultWindows::add(ResultKind kind, bool variantI, QWidget* content) {
    close(kind, variantI);
    auto* sub = new ChildWindow(content);
    const int index = slot(kind, variantI);
    windows_[index] = sub;
    connect(sub, &ChildWindow::shown, this, [this, kind, variantI] { emit shown(kind, variantI); });
    connect(sub, &ChildWindow::closed, this, [this, kind, variantI, index] {
        windows_[index] = nullptr;
        emit closed(kind, variantI);
    });
    area_->addSubWindow(sub);
    emit opened(kind, variantI);
    return sub;
}

ChildWindow* ResultWindows::subWindow(ResultKind kind, bool variantI) const {
    return windows_[slot(kind, variantI)].data();
}

QWidget* ResultWindows::window(ResultKind kind, bool variantI) const {
    ChildWindow* sub = subWindow(kind, variantI);
    return sub ? sub->widget() : nullptr;
}

void ResultWindows::close(ResultKind kind, bool variantI) {
    if (ChildWindow* sub = subWindow(kind, variantI)) {
        sub->close();
    }
}

void ResultWindows::closeTables() {
    const QList<QMdiSubWindow*> children = area_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        for (bool variantI : {true, false}) {
            if (*it == subWindow(ResultKind::Table, variantI)) {
                (*it)->close();
            }
        }
    }
}

bool ResultWindows::identify(const QMdiSubWindow* sub, ResultKind& kind, bool& variantI) const {
    if (!sub) {
        return false;
    }
    for (ResultKind k : {ResultKind::Table, ResultKind::Chart, ResultKind::TimeSeries}) {
        for (bool v : {true, false}) {
            if (subWindow(k, v) == sub) {
                kind = k;
                variantI = v;
                return true;
            }
        }
    }
    return false;
}

} // namespace hydrim::gui

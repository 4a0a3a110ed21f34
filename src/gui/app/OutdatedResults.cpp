#include "gui/app/OutdatedResults.h"

#include "core/project/InputRules.h"
#include "gui/common/ResultNotice.h"
#include "gui/project/ProjectInputWindow.h"

#include <QComboBox>
#include <QLineEdit>

namespace hydrim::gui {

namespace {

constexpr ResultKind Kinds[] = {ResultKind::Table, ResultKind::Chart, ResultKind::TimeSeries};

} // namespace

OutdatedResults::OutdatedResults(ResultWindows& results, QObject* parent)
    : QObject(parent), results_(results) {
    connect(&results_, &ResultWindows::opened, this, &OutdatedResults::windowOpened);
}

void OutdatedResults::watch(ProjectInputWindow* inputWindow) {
    for (int k = EditValleyLength; k <= EditRain50; ++k) {
        if (FieldMember(k) >= 0) {
            connect(inputWindow->edit(k), &QLineEdit::textChanged, this, &OutdatedResults::inputsChanged);
        }
    }
    for (int k = 1; k <= 5; ++k) {
        connect(inputWindow->comboBox(k), &QComboBox::currentIndexChanged, this,
                &OutdatedResults::inputsChanged);
    }
}

void OutdatedResults::inputsChanged() {
    outOfDate_ = true;
    for (ResultKind kind : Kinds) {
        for (bool variantI : {true, false}) {
            if (ResultNotice* notice = NoticeOf(results_.window(kind, variantI))) {
                notice->setOutOfDate(true);
            }
        }
    }
}

void OutdatedResults::windowOpened(ResultKind kind, bool variantI) {
    // Only a computation opens a result table: its results match the inputs.
    if (kind == ResultKind::Table) {
        outOfDate_ = false;
        return;
    }
    if (ResultNotice* notice = NoticeOf(results_.window(kind, variantI))) {
        notice->setOutOfDate(outOfDate_);
    }
}

} // namespace hydrim::gui

// The input window's feedback on what it holds: every numeric field's tooltip
// names its quantity, unit and range; the fields that keep the project from
// being computed are tinted and their tooltips say why; the main window's
// status bar lists them, and the compute button is enabled when there are none.
#include "core/project/FieldInfo.h"
#include "core/project/InputCheck.h"
#include "core/project/InputRules.h"
#include "gui/project/Projekt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <map>

namespace hydrim::gui {

namespace {

// A soft tint that marks a field without hiding its text.
const QColor ProblemTint(255, 226, 196);

} // namespace

void TProjekt1::markField(QWidget* field, const QString& tooltip, const QString& problem) {
    // A null tooltip keeps the hint the field was built with (the lists'
    // hints are texts of their own and stay as they are).
    if (!tooltip.isNull()) {
        field->setToolTip(problem.isEmpty()   ? tooltip
                          : tooltip.isEmpty() ? problem
                                              : problem + QStringLiteral("\n\n") + tooltip);
    }
    const bool marked = !problem.isEmpty();
    if (field->property("inputProblem").toBool() == marked) {
        return;
    }
    field->setProperty("inputProblem", marked);
    QPalette palette = field->parentWidget()->palette();
    if (marked) {
        palette.setColor(QPalette::Base, ProblemTint);
        palette.setColor(QPalette::Button, ProblemTint);
    }
    field->setPalette(palette);
}

void TProjekt1::updateProblems() {
    Project project;
    project.Texts = windowTexts();
    std::map<QWidget*, QString> byField;
    QStringList problems;
    firstProblemField_ = nullptr;
    for (const InputProblem& problem : FindInputProblems(project)) {
        const QString text = QString::fromStdString(problem.Text);
        problems << text;
        QWidget* field =
            problem.Edit != 0 ? static_cast<QWidget*>(edit(problem.Edit)) : comboBox(problem.ComboBox);
        if (field != nullptr) {
            if (!firstProblemField_) {
                firstProblemField_ = field;
            }
            QString& joined = byField[field];
            joined += (joined.isEmpty() ? QString() : QStringLiteral("\n")) + text;
        }
    }
    for (int k = 1; k <= 26; ++k) {
        markField(edits_[static_cast<size_t>(k)],
                  QString::fromStdString(FieldTooltip(k, variant(), catchmentType())),
                  byField[edits_[static_cast<size_t>(k)]]);
    }
    for (int list = 3; list <= 5; ++list) {
        const QString hint = list == 3
                                 ? QStringLiteral("Doba opakování N [roky]")
                                 : QStringLiteral("Typ CN křivky (skupina předchozích vláhových podmínek)");
        markField(comboBoxes_[static_cast<size_t>(list)], hint,
                  byField[comboBoxes_[static_cast<size_t>(list)]]);
    }
    for (int list = 1; list <= 2; ++list) {
        markField(comboBoxes_[static_cast<size_t>(list)], QString(),
                  byField[comboBoxes_[static_cast<size_t>(list)]]);
    }
    // The compute button, F9 and the status bar go by the same problems:
    // the button is enabled exactly when the status bar names none.
    if (problems.isEmpty() && !ComputeEnabled(catchmentType(), variant(), state_.CurrentProject.Filled)) {
        problems << QStringLiteral("Vstupní údaje nejsou úplné.");
    }
    const bool enabled = problems.isEmpty();
    computeButton_->setEnabled(enabled);
    if (problems != problems_) {
        problems_ = problems;
        emit inputProblemsChanged(problems_);
    }
    if (enabled != computeEnabled_) {
        computeEnabled_ = enabled;
        emit computeStateChanged(enabled);
    }
}

} // namespace hydrim::gui

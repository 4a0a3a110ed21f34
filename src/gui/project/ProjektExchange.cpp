// The exchange of the project input window with the program-wide project:
// clearing the window, showing a project, and storing what the window holds.
#include "core/project/FieldInfo.h"
#include "core/project/InputRules.h"
#include "gui/project/CorrectionMessage.h"
#include "gui/project/Projekt.h"
#include "gui/project/ProjektFields.h"
#include "gui/project/RainfallOrderWarning.h"
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace hydrim::gui {

using namespace projekt;

void TProjekt1::clearProject() {
    loading_ = true;
    pendingExits_.clear();
    Project& project = state_.CurrentProject;
    project = Project{};
    ResetProjectTables(project.Lookup, state_.Reference);
    memo_->clear();
    for (int list = 1; list <= 5; ++list) {
        comboBoxes_[static_cast<size_t>(list)]->setCurrentIndex(list == ListReturnPeriod ? ReturnPeriodItem100
                                                                                         : -1);
    }
    for (int k = 1; k <= 26; ++k) {
        edits_[static_cast<size_t>(k)]->clear();
    }
    showIdentification(project.Texts);
    loading_ = false;

    project.Rainfall.ReturnPeriodIndex = ReturnPeriodItem100;
    project.Filled.clear();
    setMember(ReturnPeriodMember, true); // the N shown counts as chosen
    for (int k = 1; k <= 7; ++k) {
        speedButtons_[static_cast<size_t>(k)]->setEnabled(true);
    }
    setWindowTitle(QString::fromUtf8(UntitledProjectCaption));
    labels_[8]->setText(RainLabelForVariant(-1));
    typedSinceCheck_.fill(false);
    updateVisibility(); // the compute button with the inputs' problems
}

void TProjekt1::showProject() {
    const Project project = state_.CurrentProject;
    const ProjectTexts& texts = project.Texts;
    auto number = [](const std::string& text) {
        return FilterNumber(text, static_cast<int>(text.size()), 0).Text;
    };

    loading_ = true;
    pendingExits_.clear();
    typedSinceCheck_.fill(false);
    memo_->setPlainText(QString::fromStdString(DescriptionText(texts.Description)));
    comboBoxes_[1]->setCurrentIndex(ValidItem(texts.CatchmentType, 2));
    comboBoxes_[2]->setCurrentIndex(ValidItem(texts.Variant, 3));
    comboBoxes_[ListReturnPeriod]->setCurrentIndex(ValidItem(texts.ReturnPeriodItem, 6));
    comboBoxes_[ListCurveTypeL]->setCurrentIndex(ValidItem(texts.CnTypeItemL, 3));
    comboBoxes_[ListCurveTypeR]->setCurrentIndex(ValidItem(texts.CnTypeItemR, 3));

    RainfallTexts rainfall;
    for (size_t i = 0; i < rainfall.Texts.size(); ++i) {
        rainfall.Texts[i] = number(project.Rainfall.Texts[i]);
    }
    rainfall.ReturnPeriodIndex = returnPeriodItem();

    for (int k = 1; k <= 26; ++k) {
        const std::string& text = texts.Edit[static_cast<size_t>(k)];
        const bool numeric = std::find(NumericFields.begin(), NumericFields.end(), k) != NumericFields.end();
        const bool hidden = k == 7 || k == 13 || k == 20;
        edits_[static_cast<size_t>(k)]->setText(
            hidden ? QString() : QString::fromStdString(numeric ? number(text) : text));
    }
    // The rainfall fields show the texts kept per return period.
    const int shownPeriod = variant() == 0 ? 1 : rainfall.ReturnPeriodIndex;
    edits_[EditRainN]->setText(shownPeriod >= 0
                                   ? QString::fromStdString(rainfall.Texts[static_cast<size_t>(shownPeriod)])
                                   : QString());
    edits_[EditRain100]->setText(QString::fromStdString(rainfall.Texts[5]));
    for (int k : {EditRain10, EditRain20, EditRain50}) {
        edits_[static_cast<size_t>(k)]->setText(
            QString::fromStdString(rainfall.Texts[static_cast<size_t>(k - EditRain10 + 2)]));
    }
    showIdentification(texts);
    state_.CurrentProject.Rainfall = rainfall;
    loading_ = false;

    refreshMembership();
    speedButtons_[7]->setEnabled(returnPeriodItem() >= 0);
    setRainLabelForVariant();
    updateVisibility();
    inputChanged();
}

void TProjekt1::showIdentification(const ProjectTexts& texts) {
    for (int k = EditIdentificationFirst; k <= EditIdentificationLast; ++k) {
        QLineEdit* field = edits_[static_cast<size_t>(k)];
        const QString text = QString::fromStdString(texts.Edit[static_cast<size_t>(k)]);
        field->setMaxLength(std::max(IdentificationMaxLength, static_cast<int>(text.size())));
        field->setText(text);
        field->setCursorPosition(0); // a long name shows its beginning
    }
}

ProjectTexts TProjekt1::windowTexts() const {
    ProjectTexts texts = state_.CurrentProject.Texts;
    texts.Description = DescriptionLines(memo_->toPlainText().toStdString());
    texts.CatchmentType = catchmentType();
    texts.Variant = variant();
    texts.ReturnPeriodItem = returnPeriodItem();
    texts.CnTypeItemL = comboBoxes_[ListCurveTypeL]->currentIndex();
    texts.CnTypeItemR = comboBoxes_[ListCurveTypeR]->currentIndex();
    for (int k = 1; k <= 26; ++k) {
        texts.Edit[static_cast<size_t>(k)] = edits_[static_cast<size_t>(k)]->text().toStdString();
    }
    return texts;
}

void TProjekt1::storeProject() {
    state_.CurrentProject.Texts = windowTexts();
    state_.CurrentProject.Rainfall.ReturnPeriodIndex = returnPeriodItem();
}

void TProjekt1::setFieldText(int k, const QString& text) {
    setFieldTexts({{k, text}});
}

void TProjekt1::setFieldTexts(const std::vector<std::pair<int, QString>>& values) {
    for (const auto& [k, text] : values) {
        if (edit(k) != nullptr) {
            writeField(k, text);
        }
    }
    // The values of one dialog are one problem at most: one message.
    ExitReport report;
    for (const auto& [k, text] : values) {
        if (std::find(FieldsWithExitRules.begin(), FieldsWithExitRules.end(), k) !=
            FieldsWithExitRules.end()) {
            typedSinceCheck_[static_cast<size_t>(k)] = false;
            collectExitCorrections(k, report);
        }
    }
    showExitReport(report);
}

// ---------------------------------------------------------------- leaving a field

} // namespace hydrim::gui

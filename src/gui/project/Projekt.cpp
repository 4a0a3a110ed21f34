// The behaviour of the project input window: change handlers, membership of
// the filled inputs, visibility per catchment type and variant, and
// corrections on leaving a field.
#include "gui/project/Projekt.h"

#include "core/project/FieldInfo.h"
#include "core/project/InputRules.h"
#include "gui/project/CorrectionMessage.h"
#include "gui/project/ProjektFields.h"
#include "gui/project/RainfallOrderWarning.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace hydrim::gui {

using namespace projekt;

namespace {

// The twin of a lookup button on the other slope (the CN wizard has none).
int TwinButton(int k) {
    switch (k) {
    case 1:
        return 4;
    case 4:
        return 1;
    case 2:
        return 5;
    case 5:
        return 2;
    default:
        return 0;
    }
}

} // namespace

TProjekt1::TProjekt1(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
    buildWindow();
    comboBoxes_[ListReturnPeriod]->setCurrentIndex(ReturnPeriodItem100);
    connectHandlers();
    // The N shown in the list counts as chosen.
    state_.CurrentProject.Filled.clear();
    setMember(ReturnPeriodMember, true);
    state_.CurrentProject.Rainfall.ReturnPeriodIndex = ReturnPeriodItem100;
    updateVisibility();
}

QSize TProjekt1::sizeHint() const {
    return QWidget::sizeHint().expandedTo(QSize(622, 451));
}

// ---------------------------------------------------------------- access

QLineEdit* TProjekt1::edit(int k) const {
    return k >= 1 && k <= 26 ? edits_[static_cast<size_t>(k)] : nullptr;
}
QComboBox* TProjekt1::comboBox(int k) const {
    return k >= 1 && k <= 5 ? comboBoxes_[static_cast<size_t>(k)] : nullptr;
}
QPlainTextEdit* TProjekt1::memo() const {
    return memo_;
}
QPushButton* TProjekt1::computeButton() const {
    return computeButton_;
}
QToolButton* TProjekt1::speedButton(int k) const {
    return k >= 1 && k <= 7 ? speedButtons_[static_cast<size_t>(k)] : nullptr;
}

int TProjekt1::catchmentType() const {
    return comboBoxes_[1]->currentIndex();
}
int TProjekt1::variant() const {
    return comboBoxes_[2]->currentIndex();
}
int TProjekt1::returnPeriodItem() const {
    return comboBoxes_[ListReturnPeriod]->currentIndex();
}

// ---------------------------------------------------------------- wiring

void TProjekt1::connectHandlers() {
    for (int k = 1; k <= 26; ++k) {
        QLineEdit* field = edits_[static_cast<size_t>(k)];
        if (std::find(NumericFields.begin(), NumericFields.end(), k) != NumericFields.end()) {
            connect(field, &QLineEdit::textChanged, this, [this, k] { numericFieldChanged(k); });
        } else {
            connect(field, &QLineEdit::textChanged, this, [this] { inputChanged(); });
        }
    }
    for (int k : FieldsWithExitRules) {
        QLineEdit* field = edits_[static_cast<size_t>(k)];
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this,
                [this, k] { typedSinceCheck_[static_cast<size_t>(k)] = true; });
        connect(field, &QLineEdit::returnPressed, this, [this, k] { commitField(k); });
    }
    comboBoxes_[ListReturnPeriod]->installEventFilter(this);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { inputChanged(); });
    connect(comboBoxes_[1], &QComboBox::currentIndexChanged, this, [this] { catchmentTypeChanged(); });
    connect(comboBoxes_[2], &QComboBox::currentIndexChanged, this, [this] { variantChanged(); });
    connect(comboBoxes_[ListReturnPeriod], &QComboBox::currentIndexChanged, this,
            [this] { returnPeriodChanged(); });
    for (int list : {ListCurveTypeL, ListCurveTypeR}) {
        connect(comboBoxes_[static_cast<size_t>(list)], &QComboBox::currentIndexChanged, this,
                [this, list] { curveTypeChanged(list); });
    }
    for (int k = 1; k <= 7; ++k) {
        connect(speedButtons_[static_cast<size_t>(k)], &QToolButton::clicked, this,
                [this, k] { speedButtonClicked(k); });
    }
    connect(computeButton_, &QPushButton::clicked, this, [this] { computeButtonClicked(); });
}

// ---------------------------------------------------------------- change handlers

void TProjekt1::writeField(int k, const QString& text) {
    const bool outer = programWrite_;
    programWrite_ = true;
    edits_[static_cast<size_t>(k)]->setText(text);
    programWrite_ = outer;
}

void TProjekt1::numericFieldChanged(int k) {
    if (rewriting_ || loading_) {
        return;
    }
    QLineEdit* field = edits_[static_cast<size_t>(k)];
    const QString text = field->text();
    const int caret = static_cast<int>(text.left(field->cursorPosition()).toUcs4().size());
    const FilteredText filtered =
        FilterNumber(text.toStdString(), caret, programWrite_ ? 0 : NumericFieldMaxLength);
    const QString cleaned = QString::fromStdString(filtered.Text);
    if (cleaned != text) {
        rewriting_ = true;
        field->setText(cleaned);
        field->setCursorPosition(filtered.Caret);
        rewriting_ = false;
    }
    setMember(FieldMember(k), FieldCountsFilled(k, filtered.Text));
    storeRainfallText(k, filtered.Text);
    mirrorRainToRightSlope(k);
    inputChanged();
}

void TProjekt1::mirrorRainToRightSlope(int k) {
    // The hidden right fields of the rain follow the left ones.
    const int right = k == EditDurationL ? EditDurationR : (k == EditIntensityL ? EditIntensityR : 0);
    QLineEdit* mirror = right != 0 ? edits_[static_cast<size_t>(right)] : nullptr;
    if (mirror && !mirror->isVisibleTo(this) && mirror->text() != edits_[static_cast<size_t>(k)]->text()) {
        mirror->setText(edits_[static_cast<size_t>(k)]->text());
    }
}

void TProjekt1::storeRainfallText(int k, const std::string& text) {
    auto& texts = state_.CurrentProject.Rainfall.Texts;
    if (k == EditRainN) {
        const int index = variant() == 0 ? 1 : returnPeriodItem();
        if (index >= 0 && index < static_cast<int>(texts.size())) {
            texts[static_cast<size_t>(index)] = text;
        }
    } else if (k == EditRain100) {
        texts[5] = text;
    } else if (IsRainKeyField(k)) {
        texts[static_cast<size_t>(k - EditRain10 + 2)] = text;
    }
}

void TProjekt1::setMember(int member, bool filled) {
    if (member >= 0) {
        state_.CurrentProject.Filled.set(member, filled);
    }
}

void TProjekt1::refreshMembership() {
    FilledInputs& filled = state_.CurrentProject.Filled;
    filled.clear();
    for (int k : NumericFields) {
        setMember(FieldMember(k), FieldCountsFilled(k, edits_[static_cast<size_t>(k)]->text().toStdString()));
    }
    filled.set(ReturnPeriodMember, returnPeriodItem() >= 0);
    filled.set(CnTypeMemberL, comboBoxes_[ListCurveTypeL]->currentIndex() >= 0);
    filled.set(CnTypeMemberR, comboBoxes_[ListCurveTypeR]->currentIndex() >= 0);
}

void TProjekt1::inputChanged() {
    if (loading_) {
        return;
    }
    emit modified();
    updateProblems(); // and with them the compute button
}

void TProjekt1::catchmentTypeChanged() {
    if (loading_) {
        return;
    }
    inputChanged();
    updateVisibility();
}

void TProjekt1::variantChanged() {
    if (loading_) {
        return;
    }
    inputChanged();
    // The rainfall fields show the texts kept for the variant's return periods.
    const auto& texts = state_.CurrentProject.Rainfall.Texts;
    if (variant() == 0) {
        writeField(EditRainN, QString::fromStdString(texts[1]));
        for (int k : {EditRain10, EditRain20, EditRain50}) {
            writeField(k, QString::fromStdString(texts[static_cast<size_t>(k - EditRain10 + 2)]));
        }
    } else if (variant() == 1 && returnPeriodItem() >= 0) {
        writeField(EditRainN, QString::fromStdString(texts[static_cast<size_t>(returnPeriodItem())]));
    }
    setRainLabelForVariant();
    updateVisibility();
}

void TProjekt1::setRainLabelForVariant() {
    labels_[8]->setText(RainLabelForVariant(variant()));
}

void TProjekt1::returnPeriodChanged() {
    if (loading_) {
        return;
    }
    const int item = returnPeriodItem();
    setMember(ReturnPeriodMember, item >= 0);
    speedButtons_[7]->setEnabled(item >= 0);
    inputChanged();
    state_.CurrentProject.Rainfall.ReturnPeriodIndex = item;
    // Variant I keeps N = 5 in the N field whatever the (hidden) list shows.
    if (item >= 0 && variant() != 0) {
        writeField(EditRainN,
                   QString::fromStdString(state_.CurrentProject.Rainfall.Texts[static_cast<size_t>(item)]));
    }
}

void TProjekt1::curveTypeChanged(int list) {
    if (loading_) {
        return;
    }
    setMember(list == ListCurveTypeL ? CnTypeMemberL : CnTypeMemberR,
              comboBoxes_[static_cast<size_t>(list)]->currentIndex() >= 0);
    inputChanged();
}

void TProjekt1::updateVisibility() {
    const int type = catchmentType();
    const int chosen = variant();
    const bool twoSlopes = type == 1;
    const bool catchmentShown = type >= 0 && chosen >= 0;

    variantGroup_->setVisible(type >= 0);
    catchmentGroup_->setVisible(catchmentShown);
    slopeGroup_->setVisible(catchmentShown);
    computeButton_->setVisible(chosen >= 0);
    slopeGroup_->setTitle(twoSlopes ? QStringLiteral("Dva svahy") : QStringLiteral("Jeden svah"));
    leftColumn_->setTitle(twoSlopes ? QStringLiteral("Levý") : QString());
    rightColumn_->setVisible(twoSlopes);

    for (int k : NumericFields) {
        // The right slope's rain is the left slope's: shown once.
        const bool shown = EditShown(type, chosen, k) && k != EditDurationR && k != EditIntensityR;
        edits_[static_cast<size_t>(k)]->setVisible(shown);
        if (QWidget* cell = fieldCells_[static_cast<size_t>(k)]) {
            cell->setVisible(shown);
        }
    }
    // The curve-type rows.
    fieldCells_[13]->setVisible(catchmentShown);
    fieldCells_[20]->setVisible(catchmentShown && twoSlopes);

    const auto showLabel = [this](int number, bool shown) {
        labels_[static_cast<size_t>(number)]->setVisible(shown);
    };
    showLabel(7, ReturnPeriodShown(type, chosen));
    comboBoxes_[ListReturnPeriod]->setVisible(ReturnPeriodShown(type, chosen));
    showLabel(8, EditShown(type, chosen, EditRainN));
    showLabel(9, EditShown(type, chosen, EditRain100));
    for (int number : {21, 22, 23}) {
        showLabel(number, EditShown(type, chosen, number + 3));
    }
    showLabel(15, EditShown(type, chosen, EditDurationL));
    showLabel(16, EditShown(type, chosen, EditIntensityL));
    speedButtons_[7]->setVisible(RainfallButtonShown(type, chosen));
    updateProblems();
    growToFitContents();
}

void TProjekt1::growToFitContents() {
    // Groups shown for a catchment type or variant need room: the frame
    // around the window grows so that no label is cut, but never shrinks
    // a size the user chose.
    QWidget* frame = parentWidget() != nullptr ? parentWidget() : this;
    if (!frame->isVisible()) {
        return;
    }
    layout()->activate();
    const QSize needed = sizeHint().expandedTo(minimumSizeHint());
    const QSize extra = frame->size() - size();
    const QSize wanted = (needed + extra).expandedTo(frame->size());
    if (wanted != frame->size()) {
        frame->resize(wanted);
    }
}

// ---------------------------------------------------------------- project exchange

bool TProjekt1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (int k : {EditRain10, EditRain20, EditRain50}) {
            if (watched == edits_[static_cast<size_t>(k)]) {
                return filterRainKey(edits_[static_cast<size_t>(k)], static_cast<QKeyEvent*>(event));
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Switching to another application or opening a menu does not leave the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == comboBoxes_[ListReturnPeriod]) {
                fieldLeft(ReturnPeriodListField);
            }
            for (int k : FieldsWithExitRules) {
                if (watched == edits_[static_cast<size_t>(k)]) {
                    fieldLeft(k);
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TProjekt1::filterRainKey(QLineEdit* field, QKeyEvent* event) {
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (shortcut || typed.isEmpty() || (typed.size() == 1 && typed[0].isNull())) {
        return false;
    }
    const char32_t key = typed.toUcs4().front();
    if ((key < 0x20 && key != U'\b') || key == 0x7F) {
        return false; // Enter, Tab, Delete and the like are not characters of the field
    }
    const auto accepted = RainKeyFilter(field->text().toStdString(), key);
    if (!accepted) {
        return true;
    }
    inputChanged();
    if (static_cast<char32_t>(*accepted) != key) {
        field->insert(QStringLiteral("."));
        return true;
    }
    return false;
}

void TProjekt1::fieldLeft(int k) {
    if (loading_ || !isVisible()) {
        return;
    }
    // Passing through a field checks nothing: only a value typed is judged.
    if (k != ReturnPeriodListField) {
        if (!typedSinceCheck_[static_cast<size_t>(k)]) {
            return;
        }
        typedSinceCheck_[static_cast<size_t>(k)] = false;
    }
    pendingExits_.push_back(k);
    QTimer::singleShot(0, this, [this] { runPendingExits(); });
}

void TProjekt1::commitField(int k) {
    if (loading_ || !typedSinceCheck_[static_cast<size_t>(k)]) {
        return;
    }
    typedSinceCheck_[static_cast<size_t>(k)] = false;
    pendingExits_.push_back(k);
    runPendingExits();
}

void TProjekt1::runPendingExits() {
    if (correcting_) {
        return; // a message of an earlier correction is open; its run goes on afterwards
    }
    correcting_ = true;
    // Whatever the fields just left had wrong is said in one message.
    while (!pendingExits_.empty()) {
        ExitReport report;
        while (!pendingExits_.empty()) {
            const int k = pendingExits_.front();
            pendingExits_.pop_front();
            collectExitCorrections(k, report);
            // Only leaving a field warns: a lookup dialog's rainfall row is one value.
            if (report.warning.isEmpty()) {
                report.warning = FallingRainfallText(k, variant(), edits_);
            }
        }
        showExitReport(report);
    }
    correcting_ = false;
}

void TProjekt1::collectExitCorrections(int k, ExitReport& report) {
    InputFieldTexts fields;
    for (int i = 1; i <= 26; ++i) {
        fields.Edit[static_cast<size_t>(i)] = edits_[static_cast<size_t>(i)]->text().toStdString();
    }
    fields.Variant = variant();
    fields.ReturnPeriodItem = returnPeriodItem();
    const std::vector<Correction> steps =
        k == ReturnPeriodListField ? ReturnPeriodExitCorrections(fields) : ExitCorrections(k, fields);
    for (const Correction& step : steps) {
        if (step.Message != CorrectionMessage::None) {
            const std::string before = edits_[static_cast<size_t>(step.Field)]->text().toStdString();
            const QString message = QString::fromStdString(CorrectionMessageText(step.Message));
            QString detail =
                QString::fromStdString(CorrectionDetail(step, before, variant(), catchmentType()));
            if (report.text.isEmpty()) {
                report.text = message;
            } else if (message != report.text) {
                detail = message + QLatin1Char('\n') + detail;
            }
            report.details << detail;
        }
        writeField(step.Field, QString::fromStdString(step.Text));
    }
}

void TProjekt1::showExitReport(const ExitReport& report) {
    if (report.text.isEmpty() && report.warning.isEmpty()) {
        return;
    }
    // The message takes the focus; it goes back where the user moved it,
    // with what was typed meanwhile.
    const QPointer<QWidget> focus = QApplication::focusWidget();
    KeptKeys typed;
    if (report.text.isEmpty()) {
        ShowCorrectionMessage(this, QMessageBox::Warning, report.warning, QString(), typed);
    } else {
        QStringList paragraphs = report.details;
        if (!report.warning.isEmpty()) {
            paragraphs << report.warning;
        }
        ShowCorrectionMessage(this, QMessageBox::Critical, report.text,
                              paragraphs.join(QStringLiteral("\n\n")), typed);
    }
    if (focus && focus->window() == window()) {
        focus->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
        typed.replayTo(focus);
    }
}

// ---------------------------------------------------------------- buttons and closing

void TProjekt1::speedButtonClicked(int k) {
    if (k == 7) {
        if (returnPeriodItem() >= 0) {
            emit lookupRequested(7, state_.CurrentProject.Lookup.DialogForLeftSlope);
        }
        return;
    }
    const bool left = k <= 3;
    state_.CurrentProject.Lookup.DialogForLeftSlope = left;
    if (const int twin = TwinButton(k)) {
        speedButtons_[static_cast<size_t>(twin)]->setEnabled(false);
    }
    emit lookupRequested(k, left);
}

void TProjekt1::lookupClosed(int speedButton) {
    if (const int twin = TwinButton(speedButton)) {
        speedButtons_[static_cast<size_t>(twin)]->setEnabled(true);
    }
}

void TProjekt1::commitTypedFields() {
    for (int k : FieldsWithExitRules) {
        if (typedSinceCheck_[static_cast<size_t>(k)]) {
            typedSinceCheck_[static_cast<size_t>(k)] = false;
            pendingExits_.push_back(k);
        }
    }
    runPendingExits();
}

void TProjekt1::computeCommand() {
    commitTypedFields();
    if (computeButton_->isVisible() && computeButton_->isEnabled()) {
        computeButtonClicked();
    } else if (firstProblemField_ && firstProblemField_->isVisible()) {
        firstProblemField_->setFocus(Qt::OtherFocusReason);
    }
}

void TProjekt1::computeButtonClicked() {
    // A value typed just now is judged before the computation reads it.
    commitTypedFields();
    if (!computeButton_->isEnabled()) {
        return;
    }
    storeProject();
    emit computeRequested();
}

void TProjekt1::closeEvent(QCloseEvent* event) {
    pendingExits_.clear();
    storeProject();
    emit closing();
    QWidget::closeEvent(event);
}

} // namespace hydrim::gui

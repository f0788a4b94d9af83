#include "ui/budgets/LimitSheetController.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "budgets/CategoryLimit.h"
#include "budgets/TrackRow.h"
#include "ledger/Category.h"
#include "ui/common/AmountField.h"
#include "ui/common/CurrencyField.h"

namespace {

constexpr int kOverallEntry = 0;
constexpr int kMonthlyEntry = 1;

}  // namespace

LimitSheetController::LimitSheetController(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("LimitSheet"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 14);
    layout->setSpacing(12);
    m_title = new QLabel;
    QFont font = m_title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    m_title->setFont(font);
    layout->addWidget(m_title);

    m_spending = new QRadioButton(tr("Spending limit"));
    m_income = new QRadioButton(tr("Income goal"));
    auto* typeRadioGroup = new QButtonGroup(this);
    typeRadioGroup->addButton(m_spending, 0);
    typeRadioGroup->addButton(m_income, 1);
    auto* types = new QHBoxLayout;
    types->addWidget(m_spending);
    types->addWidget(m_income);
    types->addStretch(1);
    layout->addLayout(types);

    m_estimateCurrencyField = new CurrencyField;
    AmountField* amount = m_estimateCurrencyField->amountField();
    amount->setShouldAssumeSign(false);
    amount->formatter().setFractionDigits(0);
    amount->formatter().setMinimum(Decimal());
    amount->setAlignment(Qt::AlignRight);
    m_estimateTypePopup = new QComboBox;
    m_estimateTypePopup->insertItem(kOverallEntry, tr("for the whole budget"));
    m_estimateTypePopup->insertItem(kMonthlyEntry, tr("per month"));
    connect(m_estimateTypePopup, &QComboBox::activated, this,
            [this](int entry) { estimateTypeChanged(entry == kMonthlyEntry); });
    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(m_estimateCurrencyField, 1);
    amountRow->addWidget(m_estimateTypePopup);
    layout->addLayout(amountRow);

    layout->addWidget(new QLabel(tr("Notes:")));
    m_notesField = new QPlainTextEdit;
    QFont notesFont = m_notesField->font();
    notesFont.setPixelSize(13);
    m_notesField->setFont(notesFont);
    m_notesField->setTabChangesFocus(true);
    m_notesField->setFixedHeight(72);
    layout->addWidget(m_notesField);

    auto* buttons = new QDialogButtonBox;
    QPushButton* saveButton = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    saveButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { save(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { cancel(); });
    layout->addWidget(buttons);
    setMinimumWidth(340);
    setTabOrder(m_spending, m_income);
    setTabOrder(m_income, amount);
    setTabOrder(amount, m_estimateTypePopup);
    setTabOrder(m_estimateTypePopup, m_notesField);
}

AmountField* LimitSheetController::estimateField() const {
    return m_estimateCurrencyField->amountField();
}

int LimitSheetController::showOnWindow(QWidget* window, const TrackRow& row, int months,
                                       const std::string& currencyCode, SaveHandler onSave) {
    PN_ASSERT(row.type == TrackRow::Type::Category && row.categoryLimit != nullptr,
              "The limit sheet is only for category rows");
    m_months = months;
    m_onSave = std::move(onSave);
    m_estimateCurrencyField->setCurrencyCode(currencyCode);
    loadFields(row);
    if (window != nullptr && parentWidget() == nullptr) {
        setParent(window, windowFlags());
    }
    setWindowModality(Qt::WindowModal);
    estimateField()->setFocus();
    estimateField()->selectAll();
    const int code = exec();
    m_onSave = nullptr;
    return code;
}

void LimitSheetController::loadFields(const TrackRow& row) {
    const CategoryLimit& limit = *row.categoryLimit;
    setWindowTitle(tr("%1 Budget").arg(QString::fromStdString(limit.category()->name())));
    m_title->setText(windowTitle());
    const LimitSheetFields fields =
        LimitSheetFields::loadFields(limit.amount(), limit.showMonthlyAmount(), m_months);
    (fields.incomeSelected ? m_income : m_spending)->setChecked(true);
    m_monthlySelected = fields.monthlySelected;
    m_estimateTypePopup->setCurrentIndex(m_monthlySelected ? kMonthlyEntry : kOverallEntry);
    setFieldValue(fields.fieldValue);
    m_notesField->setPlainText(QString::fromStdString(limit.notes().value_or(std::string())));
}

void LimitSheetController::setFieldValue(const Decimal& value) {
    estimateField()->setValue(value);
}

LimitSheetFields LimitSheetController::fields() const {
    estimateField()->commitEditing();
    LimitSheetFields fields;
    fields.incomeSelected = m_income->isChecked();
    fields.monthlySelected = m_monthlySelected;
    fields.fieldValue = estimateField()->value().value_or(Decimal());
    return fields;
}

void LimitSheetController::estimateTypeChanged(bool monthly) {
    setFieldValue(fields().estimateTypeChanged(monthly, m_months).fieldValue);
    m_monthlySelected = monthly;
    m_estimateTypePopup->setCurrentIndex(monthly ? kMonthlyEntry : kOverallEntry);
}

void LimitSheetController::save() {
    const LimitSheetFields saved = fields();
    if (m_onSave) {
        m_onSave(saved, m_notesField->toPlainText().toStdString());
    }
    done(1);
}

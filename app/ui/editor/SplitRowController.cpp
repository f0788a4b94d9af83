#include "ui/editor/SplitRowController.h"

#include <QToolButton>

#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CurrencyField.h"

namespace {

constexpr int kCategoryWidth = 165;
constexpr int kAmountWidth = 100;
constexpr int kButtonSize = 22;

QToolButton* makeButton(const QString& text, const QString& toolTip, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    return button;
}

}  // namespace

SplitRowController::SplitRowController(QWidget* parent)
    : QWidget(parent),
      m_categoryField(new CategoryField(ControlSize::Regular, this)),
      m_currencyField(new CurrencyField(ControlSize::Regular, this)),
      m_minusButton(makeButton(QStringLiteral("\u2212"), tr("Remove this split"), this)),
      m_plusButton(makeButton(QStringLiteral("+"), tr("Add a split"), this)) {
    setFixedSize(kRowWidth, kRowHeight);
    m_categoryField->setGeometry(0, 0, kCategoryWidth, kRowHeight);
    m_currencyField->setGeometry(kAmountX, 0, kAmountWidth, kRowHeight);
    m_minusButton->setGeometry(kAmountX + kAmountWidth + 6, 0, kButtonSize, kButtonSize);
    m_plusButton->setGeometry(kAmountX + kAmountWidth + 6 + kButtonSize + 4, 0, kButtonSize,
                              kButtonSize);
    m_categoryField->textField()->setPlaceholderText(tr("Category"));

    connect(amountField(), &AmountField::amountChanged, this, [this] { emit amountChanged(this); });
    connect(m_categoryField, &CategoryField::categoryChanged, this,
            [this] { emit categoryChanged(this); });
    connect(m_categoryField, &CategoryField::returnPressedInField, this,
            &SplitRowController::returnPressedInCategoryField);
    connect(m_categoryField, &CategoryField::editCategoriesRequested, this,
            &SplitRowController::editCategoriesRequested);
    connect(m_plusButton, &QToolButton::clicked, this, [this] { emit addSplit(this); });
    connect(m_minusButton, &QToolButton::clicked, this, [this] { emit removeSplit(this); });
}

void SplitRowController::setup(ObjectContext& context, const std::string& currencyCode) {
    m_categoryField->setContext(context);
    m_currencyField->setCurrencyCode(currencyCode);
}

AmountField* SplitRowController::amountField() const {
    return m_currencyField->amountField();
}

void SplitRowController::setAmount(const std::optional<Decimal>& amount) {
    if (amountField()->value() != amount) {
        amountField()->setValue(amount);
    }
}

std::optional<Decimal> SplitRowController::amount() const {
    return amountField()->value();
}

void SplitRowController::setCategory(Category* category) {
    m_categoryField->setCategoryValue(category);
}

Category* SplitRowController::category() const {
    return m_categoryField->categoryValue();
}

void SplitRowController::showPlusButton() {
    m_plusButton->show();
}

void SplitRowController::hidePlusButton() {
    m_plusButton->hide();
}

void SplitRowController::commitEditing() {
    m_categoryField->commitEditing();
    if (amountField()->hasFocus()) {
        amountField()->commitEditing();
    }
}

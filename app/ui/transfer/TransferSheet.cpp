#include "ui/transfer/TransferSheet.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/PNDatePicker.h"
#include "ui/common/SheetResize.h"

namespace {

constexpr int kSheetWidth = 420;
constexpr int kLabelWidth = 84;

// A form whose labels line up with the other form's, so that the pane's fields sit under
// the amount and destination.
QFormLayout* alignedForm() {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

QLabel* formLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setMinimumWidth(kLabelWidth);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

TransferSheet::TransferSheet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Transfer"));
    setWindowTitle(tr("Transfer"));
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 16);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_source = new QLabel;
    QFont font = m_source->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    m_source->setFont(font);
    layout->addWidget(m_source);

    auto* form = alignedForm();
    m_amount = new CurrencyField(ControlSize::Regular);
    m_amount->amountField()->setShouldAssumeSign(false);
    m_toAccount = new QComboBox;
    form->addRow(formLabel(tr("Amount:")), m_amount);
    form->addRow(formLabel(tr("To:")), m_toAccount);
    layout->addLayout(form);

    m_disclosure = new QToolButton;
    m_disclosure->setCheckable(true);
    m_disclosure->setAutoRaise(true);
    // A disclosure triangle, not a toggle button: the arrow alone says whether it is open.
    m_disclosure->setStyleSheet(QStringLiteral("QToolButton { border: none; background: none; }"));
    m_disclosure->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_disclosure->setArrowType(Qt::RightArrow);
    m_disclosure->setText(tr("Category, title and date"));
    layout->addWidget(m_disclosure);

    m_pane = new QWidget;
    auto* paneForm = alignedForm();
    paneForm->setContentsMargins(0, 0, 0, 0);
    m_category = new CategoryField(ControlSize::Regular);
    m_title = new QLineEdit;
    m_date = new PNDatePicker;
    paneForm->addRow(formLabel(tr("Category:")), m_category);
    paneForm->addRow(formLabel(tr("Title:")), m_title);
    paneForm->addRow(formLabel(tr("Date:")), m_date);
    m_pane->setLayout(paneForm);
    m_pane->hide();
    layout->addWidget(m_pane);
    layout->addStretch(1);

    auto* buttons = new QDialogButtonBox;
    m_cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setAutoDefault(false);
    m_transfer = buttons->addButton(tr("Transfer"), QDialogButtonBox::AcceptRole);
    m_transfer->setDefault(true);
    layout->addSpacing(4);
    layout->addWidget(buttons);

    setTabOrder(m_amount->amountField(), m_toAccount);
    setTabOrder(m_toAccount, m_disclosure);
    setTabOrder(m_disclosure, m_category->textField());
    setTabOrder(m_category->textField(), m_title);
    setTabOrder(m_title, m_date);
    setTabOrder(m_date, m_cancel);
    setTabOrder(m_cancel, m_transfer);
    setFixedWidth(kSheetWidth);
    resize(kSheetWidth, sizeHint().height());
}

void TransferSheet::setAdvancedShown(bool shown, bool animated) {
    m_disclosure->setChecked(shown);
    m_disclosure->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    if (m_pane->isHidden() != shown) {
        return;
    }
    const int paneHeight = m_pane->sizeHint().height() + layout()->spacing();
    m_pane->setVisible(shown);
    layout()->invalidate();
    const QSize size(width(), height() + (shown ? paneHeight : -paneHeight));
    if (animated && isVisible()) {
        SheetResize::resize(*this, size);
    } else {
        resize(size);
    }
}

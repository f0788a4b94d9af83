#include "ui/budgets/BudgetSheetController.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "base/StringHelpers.h"
#include "budgets/BudgetCreation.h"
#include "ledger/LedgerSums.h"
#include "ui/common/Alerts.h"
#include "ui/common/PNDatePicker.h"

BudgetSheetController::BudgetSheetController(ObjectContext& context, Alerts& alerts,
                                             const QString& title, const QString& confirmTitle,
                                             QWidget* parent)
    : QDialog(parent), m_context(context), m_alerts(alerts) {
    setWindowModality(Qt::WindowModal);
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 18, 22, 14);
    layout->setSpacing(12);
    auto* heading = new QLabel(title);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    heading->setFont(font);
    layout->addWidget(heading);
    m_description = new QLabel;
    m_description->setWordWrap(true);
    m_description->hide();
    layout->addWidget(m_description);

    m_nameField = new QLineEdit;
    m_nameField->setMinimumWidth(220);
    connect(m_nameField, &QLineEdit::textChanged, this, [this] { nameChanged(); });
    m_startDateField = new PNDatePicker;
    connect(m_startDateField, &PNDatePicker::dateValueChanged, this, [this](Date picked) {
        if (!m_filling) {
            startDateChanged(picked);
        }
    });
    m_monthsField = new QSpinBox;
    m_monthsField->setRange(1, BudgetCreation::kMaxMonths);
    m_monthsField->setSuffix(tr(" months"));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    form->addRow(tr("Name:"), m_nameField);
    form->addRow(tr("Start date:"), m_startDateField);
    form->addRow(tr("Length:"), m_monthsField);
    layout->addLayout(form);

    auto* buttons = new QDialogButtonBox;
    m_confirmButton = buttons->addButton(confirmTitle, QDialogButtonBox::AcceptRole);
    m_confirmButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(1); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(0); });
    layout->addWidget(buttons);
    setTabOrder(m_nameField, m_startDateField);
    setTabOrder(m_startDateField, m_monthsField);
}

void BudgetSheetController::setDescription(const QString& text) {
    m_description->setText(text);
    m_description->setVisible(!text.isEmpty());
}

std::string BudgetSheetController::name() const {
    return m_nameField->text().toStdString();
}

int BudgetSheetController::months() const {
    return m_monthsField->value();
}

Date BudgetSheetController::startDate() const {
    return m_startDateField->dateValue();
}

void BudgetSheetController::fillFields(const std::string& name, Date startDate, int months) {
    m_filling = true;
    m_nameField->setText(QString::fromStdString(name));
    m_startDateField->setDateValue(startDate);
    m_monthsField->setValue(months);
    m_filling = false;
    m_startDateNotice.rearm();
    m_nameField->selectAll();
    m_nameField->setFocus();
}

int BudgetSheetController::beginSheet(QWidget* window) {
    if (window != nullptr && parentWidget() == nullptr) {
        setParent(window, windowFlags());
    }
    setWindowModality(Qt::WindowModal);
    adjustSize();
    return exec();
}

void BudgetSheetController::nameChanged() {
    // A budget is listed by its name: a blank one would leave an empty row.
    m_confirmButton->setEnabled(!isBlank_pn(name()));
}

void BudgetSheetController::startDateChanged(Date picked) {
    const std::optional<std::string> text =
        m_startDateNotice.startDateChanged(LedgerSums::earliestTransactionDate(m_context), picked);
    if (!text) {
        return;
    }
    m_alerts.run({.message = tr(StartDateNotice::kTitle),
                  .informativeText = QString::fromStdString(*text),
                  .buttons = {tr(StartDateNotice::kButton)}},
                 this);
}

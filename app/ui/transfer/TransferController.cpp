#include "ui/transfer/TransferController.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "base/ValidationError.h"
#include "ledger/Account.h"
#include "ledger/TransferSheetModel.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/PNDatePicker.h"
#include "ui/transfer/TransferSheet.h"

TransferController::TransferController(ObjectContext& context, QWidget& window,
                                       SaveErrorReporter reportSaveError)
    : m_context(context),
      m_reportSaveError(std::move(reportSaveError)),
      m_model(std::make_unique<TransferSheetModel>(context)),
      m_sheet(std::make_unique<TransferSheet>(&window)) {
    TransferSheet& sheet = *m_sheet;
    sheet.categoryField()->setContext(context);
    connect(sheet.toAccountPopup(), &QComboBox::activated, this, [this] { toAccountChanged(); });
    connect(sheet.disclosureButton(), &QToolButton::clicked, this, [this] { toggleAdvanced(); });
    connect(sheet.transferButton(), &QPushButton::clicked, this, [this] { transfer(); });
    connect(sheet.cancelButton(), &QPushButton::clicked, this, [this] { cancel(); });
    connect(&sheet, &QDialog::rejected, this, [this] {
        if (m_model->isOpen()) {
            m_model->cancel();
        }
    });
    connect(sheet.amountField()->amountField(), &AmountField::amountChanged, this,
            [this] { m_model->setAmount(m_sheet->amountField()->amountField()->value()); });
    connect(sheet.categoryField(), &CategoryField::categoryChanged, this,
            [this] { m_model->setCategory(m_sheet->categoryField()->categoryValue()); });
    connect(sheet.titleField(), &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model->setTitle(text.toStdString()); });
    connect(sheet.datePicker(), &PNDatePicker::dateValueChanged, this,
            [this](Date date) { m_model->setDate(date); });
}

TransferController::~TransferController() = default;

void TransferController::showSheet(Account& source) {
    m_model->showSheet(source);
    m_sheet->sourceLabel()->setText(
        tr("Transfer from \u201c%1\u201d").arg(QString::fromStdString(source.name())));
    m_sheet->amountField()->setCurrency(m_context, m_model->amountCurrency());
    showFields(false);
    m_sheet->open();
    m_sheet->amountField()->amountField()->setFocus();
}

void TransferController::showFields(bool animated) {
    TransferSheet& sheet = *m_sheet;
    fillDestinations();
    sheet.amountField()->amountField()->setValue(m_model->amount());
    sheet.categoryField()->setCategoryValue(m_model->category());
    sheet.titleField()->setText(QString::fromStdString(m_model->title()));
    sheet.titleField()->setPlaceholderText(QString::fromStdString(m_model->titlePlaceholder()));
    sheet.datePicker()->setDateValue(m_model->date());
    sheet.setAdvancedShown(m_model->isAdvancedShown(), animated);
    sheet.transferButton()->setEnabled(m_model->destination() != nullptr);
}

void TransferController::fillDestinations() {
    QComboBox& popup = *m_sheet->toAccountPopup();
    const QSignalBlocker blocker(popup);
    popup.clear();
    m_destinations = m_model->destinationAccounts();
    for (const Account* account : m_destinations) {
        popup.addItem(QString::fromStdString(account->name()));
    }
    const auto chosen =
        std::find(m_destinations.begin(), m_destinations.end(), m_model->destination());
    popup.setCurrentIndex(
        chosen == m_destinations.end() ? -1 : static_cast<int>(chosen - m_destinations.begin()));
}

void TransferController::takeEditedFields() {
    TransferSheet& sheet = *m_sheet;
    sheet.amountField()->amountField()->commitEditing();
    m_model->setAmount(sheet.amountField()->amountField()->value());
    sheet.categoryField()->commitEditing();
    m_model->setCategory(sheet.categoryField()->categoryValue());
    m_model->setTitle(sheet.titleField()->text().toStdString());
    m_model->setDate(sheet.datePicker()->dateValue());
}

void TransferController::toAccountChanged() {
    const int index = m_sheet->toAccountPopup()->currentIndex();
    if (index < 0 || index >= static_cast<int>(m_destinations.size())) {
        return;
    }
    takeEditedFields();
    m_model->toAccountChanged(*m_destinations[static_cast<std::size_t>(index)]);
    showFields(true);
}

void TransferController::toggleAdvanced() {
    takeEditedFields();
    m_model->toggleAdvanced();
    showFields(true);
}

void TransferController::transfer() {
    if (!m_model->isOpen() || m_model->destination() == nullptr) {
        return;
    }
    takeEditedFields();
    Account* source = m_model->source();
    Account* destination = m_model->destination();
    const std::optional<ValidationError> error = m_model->transfer();
    m_sheet->done(1);
    if (error) {
        m_reportSaveError(*error);
    }
    emit transferMade(source, destination);
}

void TransferController::cancel() {
    m_sheet->reject();
}

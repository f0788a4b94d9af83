#include "ui/scheduled/ScheduledSheetController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "scheduled/RepeatRuleMenus.h"
#include "scheduled/ScheduledItem.h"
#include "store/ObjectContext.h"
#include "ui/common/Alerts.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/Images.h"
#include "ui/common/MainWindowHost.h"
#include "ui/common/PNDatePicker.h"
#include "ui/scheduled/OnRow.h"
#include "ui/scheduled/TabOrder.h"

namespace {

constexpr int kRowHeight = 30;
constexpr int kFieldWidth = 260;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

void setTextKeepingCursor(QLineEdit* field, const QString& text) {
    if (field->text() != text) {
        field->setText(text);
    }
}

// The alert of a form that would not pass the item's validation: the description, and the
// description of each rule that failed when several did.
AlertContent alertFor(const ValidationError& error) {
    QStringList details;
    for (const ValidationError& detail : error.detailedErrors) {
        details << qt(detail.localizedDescription);
    }
    return {.message = qt(error.localizedDescription),
            .informativeText = details.join('\n'),
            .style = AlertContent::Style::Critical};
}

}  // namespace

ScheduledSheetController::ScheduledSheetController(MainWindowHost& host)
    : QDialog(&host.window()), m_host(host), m_context(host.context()), m_changes(host.context()) {
    const QFontMetrics metrics(font());
    for (const QString& label :
         {tr("Next Due Date:"), tr("From Account:"), tr("To Account:"), tr("Instructions")}) {
        m_labelWidth = std::max(m_labelWidth, metrics.horizontalAdvance(label) + 36);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(20, 16, 20, 14);
    m_heading = new QLabel;
    QFont headingFont = m_heading->font();
    headingFont.setPixelSize(15);
    headingFont.setBold(true);
    m_heading->setFont(headingFont);
    layout->addWidget(m_heading);
    layout->addSpacing(8);
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(0);
    layout->addLayout(m_rows);
    buildTitleRows();
    buildRepeatRows();
    buildAmountRows();
    buildPaymentRows();
    layout->addSpacing(10);
    buildButtons();
    connectFields();
    connect(this, &QDialog::finished, this, [this](int code) { sheetDidEnd(code); });
}

ScheduledSheetController::~ScheduledSheetController() = default;

QWidget* ScheduledSheetController::newRow(const QString& label, QLabel** labelOut) {
    auto* row = new QWidget;
    row->setFixedHeight(kRowHeight);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel(label);
    title->setFixedWidth(m_labelWidth);
    title->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(title);
    if (labelOut != nullptr) {
        *labelOut = title;
    }
    m_rows->addWidget(row);
    return row;
}

void ScheduledSheetController::buildTitleRows() {
    QWidget* titleRow = newRow(tr("Title:"));
    m_title = new QLineEdit;
    m_title->setFixedWidth(kFieldWidth);
    m_notesButton = new QToolButton;
    m_notesButton->setText(tr("Add Note"));
    m_notesButton->setToolTip(tr("Add a note for the next payment"));
    titleRow->layout()->addWidget(m_title);
    titleRow->layout()->addWidget(m_notesButton);
    static_cast<QHBoxLayout*>(titleRow->layout())->addStretch();

    m_noteRow = newRow(tr("Note:"));
    m_note = new QLineEdit;
    m_note->setFixedWidth(kFieldWidth);
    m_note->setPlaceholderText(tr("For the next payment only"));
    m_noteRow->layout()->addWidget(m_note);
    static_cast<QHBoxLayout*>(m_noteRow->layout())->addStretch();
}

void ScheduledSheetController::buildRepeatRows() {
    QWidget* dueRow = newRow(QString(), &m_dueLabel);
    m_dueDate = new PNDatePicker;
    dueRow->layout()->addWidget(m_dueDate);
    static_cast<QHBoxLayout*>(dueRow->layout())->addStretch();

    m_repeatRow = newRow(tr("Repeats:"));
    auto* repeatLayout = static_cast<QHBoxLayout*>(m_repeatRow->layout());
    m_repeatType = new QComboBox;
    m_repeatType->addItem(tr("Monthly"), RepeatForm::kMonthlyTag);
    m_repeatType->addItem(tr("Weekly"), RepeatForm::kWeeklyTag);
    m_repeatType->addItem(tr("Does not repeat"), RepeatForm::kNoRepeatTag);
    repeatLayout->addWidget(m_repeatType);
    m_repeatControls = new QWidget;
    auto* controls = new QHBoxLayout(m_repeatControls);
    controls->setContentsMargins(0, 0, 0, 0);
    controls->addWidget(new QLabel(tr("every")));
    m_interval = new QSpinBox;
    m_interval->setRange(1, 999);
    m_interval->setFixedWidth(60);
    m_unit = new QLabel;
    m_customToggle = new QToolButton;
    m_customToggle->setToolTip(tr("Custom repeat rules"));
    m_customToggle->setAutoRaise(true);
    controls->addWidget(m_interval);
    controls->addWidget(m_unit);
    controls->addWidget(m_customToggle);
    repeatLayout->addWidget(m_repeatControls);
    repeatLayout->addStretch();

    m_endsRow = newRow(tr("Ends:"));
    auto* endsLayout = static_cast<QHBoxLayout*>(m_endsRow->layout());
    m_ends = new QComboBox;
    m_ends->addItem(tr("Never"), RepeatForm::kEndsNeverTag);
    m_ends->addItem(tr("After"), RepeatForm::kEndsAfterTag);
    m_endsCount = new QSpinBox;
    m_endsCount->setRange(1, 999);
    m_endsCount->setFixedWidth(60);
    m_endsLabel = new QLabel;
    endsLayout->addWidget(m_ends);
    endsLayout->addWidget(m_endsCount);
    endsLayout->addWidget(m_endsLabel);
    endsLayout->addStretch();
}

void ScheduledSheetController::buildAmountRows() {
    QWidget* amountRow = newRow(tr("Amount:"));
    m_amount = new CurrencyField;
    m_amount->setFixedWidth(160);
    amountRow->layout()->addWidget(m_amount);
    static_cast<QHBoxLayout*>(amountRow->layout())->addStretch();

    QWidget* categoryRow = newRow(tr("Category:"));
    m_category = new CategoryField;
    m_category->setContext(m_context);
    m_category->setFixedWidth(kFieldWidth);
    categoryRow->layout()->addWidget(m_category);
    static_cast<QHBoxLayout*>(categoryRow->layout())->addStretch();

    QWidget* accountRow = newRow(QString(), &m_accountLabel);
    m_account = new QComboBox;
    m_account->setMinimumWidth(180);
    m_transfer = new QCheckBox(tr("Transfer"));
    accountRow->layout()->addWidget(m_account);
    accountRow->layout()->addWidget(m_transfer);
    static_cast<QHBoxLayout*>(accountRow->layout())->addStretch();

    m_toAccountRow = newRow(tr("To Account:"));
    m_toAccount = new QComboBox;
    m_toAccount->setMinimumWidth(180);
    m_toAccountRow->layout()->addWidget(m_toAccount);
    static_cast<QHBoxLayout*>(m_toAccountRow->layout())->addStretch();
}

void ScheduledSheetController::buildPaymentRows() {
    QWidget* reminderRow = newRow(tr("Reminder:"));
    m_reminder = new QCheckBox(tr("Remind me"));
    m_reminderDays = new QSpinBox;
    m_reminderDays->setRange(0, 365);
    m_reminderDays->setFixedWidth(60);
    reminderRow->layout()->addWidget(m_reminder);
    reminderRow->layout()->addWidget(m_reminderDays);
    reminderRow->layout()->addWidget(new QLabel(tr("days before it is due")));
    static_cast<QHBoxLayout*>(reminderRow->layout())->addStretch();

    QLabel* addressLabel = nullptr;
    QWidget* addressRow = newRow(QString(), &addressLabel);
    // The pop-up takes the label's place.
    addressRow->layout()->removeWidget(addressLabel);
    delete addressLabel;
    m_addressMode = new QComboBox;
    m_addressMode->addItem(tr("Web Address"), ScheduledItemForm::kWebAddressTag);
    m_addressMode->addItem(tr("Instructions"), ScheduledItemForm::kInstructionsTag);
    m_addressMode->setFixedWidth(m_labelWidth);
    m_address = new QLineEdit;
    m_address->setFixedWidth(kFieldWidth);
    static_cast<QHBoxLayout*>(addressRow->layout())->insertWidget(0, m_addressMode);
    addressRow->layout()->addWidget(m_address);
    static_cast<QHBoxLayout*>(addressRow->layout())->addStretch();

    QWidget* autoRow = newRow(QString());
    m_payAutomatically = new QCheckBox;
    autoRow->layout()->addWidget(m_payAutomatically);
    static_cast<QHBoxLayout*>(autoRow->layout())->addStretch();
}

void ScheduledSheetController::buildButtons() {
    auto* buttons = new QHBoxLayout;
    m_cancel = new QPushButton(tr("Cancel"));
    m_confirm = new QPushButton;
    m_confirm->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_confirm);
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_confirm, &QPushButton::clicked, this, [this] { okay(); });
}

void ScheduledSheetController::connectFields() {
    // The text fields keep the form up to date, so that showing the form keeps their text.
    connect(m_title, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_form.title = text.toStdString(); });
    connect(m_notesButton, &QToolButton::clicked, this, [this] {
        m_noteShown = true;
        showForm();
        m_note->setFocus(Qt::OtherFocusReason);
    });
    connect(m_dueDate, &PNDatePicker::dateValueChanged, this,
            [this](Date date) { m_form.repeat.dueDate = date; });
    connect(m_repeatType, &QComboBox::activated, this, [this](int index) {
        m_form.chooseRepeatType(m_repeatType->itemData(index).toInt());
        showForm();
    });
    connect(m_interval, &QSpinBox::valueChanged, this, [this](int value) {
        m_form.repeat.interval = value;
        showRepeat();
    });
    connect(m_customToggle, &QToolButton::clicked, this, [this] {
        m_form.repeat.toggleCustomRules();
        showForm();
    });
    connect(m_ends, &QComboBox::activated, this, [this](int index) {
        const bool after = m_ends->itemData(index).toInt() == RepeatForm::kEndsAfterTag;
        m_form.chooseEndsAfter(after ? std::optional<int>(m_form.repeat.endsAfterCount.value_or(
                                           RepeatForm::kDefaultEndsAfterCount))
                                     : std::nullopt);
        showForm();
        m_endsCount->setFocus(Qt::OtherFocusReason);
        m_endsCount->selectAll();
    });
    connect(m_endsCount, &QSpinBox::valueChanged, this, [this](int value) {
        m_form.chooseEndsAfter(value);
        showRepeat();
    });
    connect(m_amount->amountField(), &AmountField::amountChanged, this, [this] {
        const std::optional<Decimal> value = m_amount->amountField()->value();
        m_form.amount =
            value ? std::optional<Decimal>(AmountField::interpretAmount(value)) : std::nullopt;
        m_form.keepTransferAPayment();
        showForm();
    });
    connect(m_category, &CategoryField::categoryChanged, this,
            [this] { m_form.category = m_category->categoryValue(); });
    connect(m_account, &QComboBox::activated, this, [this](int index) {
        m_form.chooseAccount(static_cast<Account*>(m_account->itemData(index).value<void*>()));
        showForm();
    });
    connect(m_transfer, &QCheckBox::clicked, this, [this](bool on) {
        m_form.chooseTransfer(on, m_context);
        showForm();
    });
    connect(m_toAccount, &QComboBox::activated, this, [this](int index) {
        m_form.toAccount = static_cast<Account*>(m_toAccount->itemData(index).value<void*>());
    });
    connect(m_reminder, &QCheckBox::clicked, this, [this](bool on) {
        m_form.chooseReminder(on ? std::optional<int>(m_reminderDays->value()) : std::nullopt);
        showForm();
    });
    connect(m_reminderDays, &QSpinBox::valueChanged, this, [this](int days) {
        if (m_form.reminderOn) {
            m_form.reminderDays = days;
        }
    });
    connect(m_payAutomatically, &QCheckBox::clicked, this, [this](bool on) {
        m_form.choosePayAutomatically(on);
        showForm();
    });
    connect(m_addressMode, &QComboBox::activated, this, [this](int index) {
        m_form.chooseAddressMode(m_addressMode->itemData(index).toInt());
        showForm();
        m_address->setFocus(Qt::OtherFocusReason);
        m_address->selectAll();
    });
    connect(m_address, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_form.addressText = text.toStdString(); });
    connect(m_note, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_form.notes = text.toStdString(); });
}

void ScheduledSheetController::showCreateSheet() {
    begin(true, nullptr, ScheduledItemForm::forNewItem(m_context));
}

void ScheduledSheetController::showSheetForItem(ScheduledItem& item) {
    begin(false, &item, ScheduledItemForm::forItem(item));
}

void ScheduledSheetController::begin(bool creating, ScheduledItem* item,
                                     const ScheduledItemForm& form) {
    m_creating = creating;
    m_item = item;
    m_form = form;
    m_noteShown = form.notes.has_value();
    m_heading->setText(qt(ScheduledItemForm::sheetHeading(creating)));
    setWindowTitle(m_heading->text());
    m_confirm->setText(qt(ScheduledItemForm::confirmTitle(creating)));
    m_title->setText(qt(form.title));
    m_note->setText(qt(form.notes.value_or(std::string())));
    m_address->setText(qt(form.addressText));
    m_category->setCategoryValue(form.category);
    {
        const QSignalBlocker blocker(m_amount->amountField());
        m_amount->amountField()->setValue(form.amount);
    }
    showForm();
    m_changes.begin();
    QDialog::open();
    m_title->setFocus(Qt::OtherFocusReason);
    m_title->selectAll();
}

void ScheduledSheetController::showForm() {
    m_noteRow->setVisible(m_noteShown);
    m_notesButton->setEnabled(!m_noteShown);
    {
        const QSignalBlocker blocker(m_dueDate);
        m_dueDate->setDateValue(m_form.repeat.dueDate);
    }
    showRepeat();
    showRuleRows();
    showAccounts();
    showReminderAndPayment();
    updateTabOrder();
}

void ScheduledSheetController::showRepeat() {
    const RepeatForm& repeat = m_form.repeat;
    const bool repeats = m_form.repeats();
    m_dueLabel->setText(qt(RepeatForm::dueDateLabel(repeat.repeatTypeTag)));
    const QSignalBlocker typeBlocker(m_repeatType);
    m_repeatType->setCurrentIndex(m_repeatType->findData(repeat.repeatTypeTag));
    m_repeatControls->setVisible(repeats);
    if (repeats) {
        const QSignalBlocker intervalBlocker(m_interval);
        m_interval->setValue(repeat.interval.value_or(1));
        m_unit->setText(qt(RepeatForm::unitLabel(repeat.repeatTypeTag, m_interval->value())));
    }
    const bool rules = !repeat.ruleTags.empty();
    m_customToggle->setIcon(
        Images::icon(rules ? QStringLiteral("up_chevron") : QStringLiteral("down_chevron")));
    m_endsRow->setVisible(rules);
    const bool after = repeat.endsTag == RepeatForm::kEndsAfterTag;
    const QSignalBlocker endsBlocker(m_ends);
    m_ends->setCurrentIndex(m_ends->findData(repeat.endsTag));
    m_endsCount->setVisible(after);
    m_endsLabel->setVisible(after);
    if (after) {
        const QSignalBlocker countBlocker(m_endsCount);
        m_endsCount->setValue(repeat.endsAfterCount.value_or(RepeatForm::kDefaultEndsAfterCount));
        m_endsLabel->setText(qt(RepeatForm::endsAfterLabel(m_endsCount->value())));
    }
}

void ScheduledSheetController::showRuleRows() {
    const std::vector<int>& tags = m_form.repeat.ruleTags;
    while (m_onRows.size() > tags.size()) {
        // The row may be the one whose button is being handled.
        OnRow* row = m_onRows.back();
        m_onRows.pop_back();
        m_rows->removeWidget(row);
        row->hide();
        row->deleteLater();
    }
    while (m_onRows.size() < tags.size()) {
        auto* row = new OnRow(m_labelWidth);
        row->setFixedHeight(kRowHeight);
        const std::size_t index = m_onRows.size();
        // Rows sit one under the other between the repeat row and the ends row.
        m_rows->insertWidget(m_rows->indexOf(m_endsRow), row);
        // A child added to an open sheet would only show once events are processed.
        row->show();
        connect(row, &OnRow::tagChosen, this,
                [this, index](int tag) { m_form.repeat.ruleTags.at(index) = tag; });
        connect(row, &OnRow::removeClicked, this, [this, index] {
            m_form.repeat.removeRuleRow(index);
            showForm();
        });
        connect(row, &OnRow::addClicked, this, [this] {
            m_form.repeat.addRuleRow();
            showForm();
        });
        m_onRows.push_back(row);
    }
    const auto items = m_form.repeat.repeatTypeTag == RepeatForm::kWeeklyTag
                           ? weeklyRulePopUpItems()
                           : monthlyRulePopUpItems();
    for (std::size_t i = 0; i < m_onRows.size(); ++i) {
        m_onRows[i]->setPopUpItems(items);
        m_onRows[i]->showRule(qt(RepeatForm::ruleRowLabel(i)), tags[i],
                              RepeatForm::ruleRowButtons(i, tags.size()));
    }
}

void ScheduledSheetController::fillAccountPopUp(QComboBox* popUp,
                                                const std::vector<Account*>& accounts,
                                                Account* chosen) {
    const QSignalBlocker blocker(popUp);
    popUp->clear();
    for (Account* account : accounts) {
        popUp->addItem(qt(account->name()), QVariant::fromValue(static_cast<void*>(account)));
    }
    popUp->setCurrentIndex(popUp->findData(QVariant::fromValue(static_cast<void*>(chosen))));
}

void ScheduledSheetController::showAccounts() {
    fillAccountPopUp(m_account, m_form.accountChoices(m_context), m_form.account);
    const bool transfer = m_form.toAccount != nullptr;
    m_accountLabel->setText(qt(m_form.accountLabel()));
    m_transfer->setChecked(transfer);
    m_transfer->setEnabled(transfer || !m_form.destinationChoices(m_context).empty());
    m_toAccountRow->setVisible(transfer);
    if (transfer) {
        fillAccountPopUp(m_toAccount, m_form.destinationChoices(m_context), m_form.toAccount);
    }
    if (m_form.account != nullptr) {
        m_amount->setCurrency(m_context, m_form.account->currency());
    }
    const QSignalBlocker blocker(m_amount->amountField());
    if (m_amount->amountField()->value() != m_form.amount) {
        m_amount->amountField()->setValue(m_form.amount);
    }
}

void ScheduledSheetController::showReminderAndPayment() {
    m_reminder->setChecked(m_form.reminderOn);
    m_reminder->setEnabled(m_form.canChooseReminder());
    {
        const QSignalBlocker blocker(m_reminderDays);
        m_reminderDays->setValue(m_form.reminderDays);
    }
    m_reminderDays->setEnabled(m_form.reminderOn);
    m_payAutomatically->setChecked(m_form.payAutomatically);
    m_payAutomatically->setText(qt(m_form.payAutomaticallyTitle()));
    m_addressMode->setCurrentIndex(m_addressMode->findData(m_form.addressTag));
    setTextKeepingCursor(m_address, qt(m_form.addressText));
    m_address->setPlaceholderText(m_form.addressTag == ScheduledItemForm::kWebAddressTag
                                      ? tr("www.examplebank.com/billpay")
                                      : QString());
}

void ScheduledSheetController::updateTabOrder() {
    QList<QWidget*> chain{m_title,      m_notesButton, m_note,        m_dueDate,
                          m_repeatType, m_interval,    m_customToggle};
    for (OnRow* row : m_onRows) {
        chain << row->popUp() << row->removeButton() << row->addButton();
    }
    chain << m_ends << m_endsCount << m_amount->amountField() << m_category->textField()
          << m_account << m_transfer << m_toAccount << m_reminder << m_reminderDays << m_addressMode
          << m_address << m_payAutomatically << m_cancel << m_confirm;
    setTabChain(chain);
}

void ScheduledSheetController::readTextFields() {
    m_form.title = m_title->text().toStdString();
    m_form.notes =
        m_noteShown ? std::optional<std::string>(m_note->text().toStdString()) : std::nullopt;
    m_form.addressText = m_address->text().toStdString();
    m_form.repeat.dueDate = m_dueDate->dateValue();
    if (m_form.reminderOn) {
        m_form.reminderDays = m_reminderDays->value();
    }
}

void ScheduledSheetController::okay() {
    m_amount->amountField()->commitEditing();
    m_category->commitEditing();
    m_form.category = m_category->categoryValue();
    readTextFields();
    if (!m_host.alerts().mayProceed(m_form.checkAccounts(), this)) {
        return;
    }
    if (const std::optional<ValidationError> error = m_form.validate(m_item)) {
        m_host.alerts().run(alertFor(*error), this);
        return;
    }
    if (!m_changes.keep(m_host.alerts(), this)) {
        return;
    }
    done(1);
}

void ScheduledSheetController::cancel() {
    done(0);
}

void ScheduledSheetController::sheetDidEnd(int returnCode) {
    if (returnCode != 1) {
        m_changes.takeBack();
    }
    ScheduledItem* created = nullptr;
    if (returnCode == 1) {
        ScheduledItem* item = m_item;
        if (m_creating) {
            item = created = m_context.insert<ScheduledItem>();
        }
        PN_ASSERT(item != nullptr, "An edit sheet without its item");
        m_form.readInto(*item);
        m_host.save();
    }
    m_item = nullptr;
    emit sheetEnded(returnCode == 1, created);
}

void ScheduledSheetController::keyPressEvent(QKeyEvent* event) {
    if (!m_category->takeReturn(event, focusWidget())) {
        QDialog::keyPressEvent(event);
    }
}

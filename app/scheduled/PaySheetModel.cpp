#include "scheduled/PaySheetModel.h"

#include "base/AssertionFailure.h"
#include "base/PNDateFormatter.h"
#include "ledger/Account.h"
#include "ledger/CurrencyFormatter.h"
#include "scheduled/ScheduledItem.h"
#include "scheduled/ScheduledListRow.h"

namespace {

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

}  // namespace

PaySheetModel::PaySheetModel(ScheduledItem& item) : m_item(item) {
    PN_ASSERT(item.account() != nullptr, "A scheduled transaction without an account");
}

std::string PaySheetModel::verb() const {
    return ScheduledListRow::verbFor(m_item);
}

std::string PaySheetModel::heading() const {
    return verb() + " " + m_item.title();
}

PaySheetModel::TitleArea PaySheetModel::titleArea() const {
    if (m_item.paymentURL()) {
        return TitleArea::Link;
    }
    return m_item.paymentInstructions() ? TitleArea::Instructions : TitleArea::Plain;
}

std::string PaySheetModel::linkTitle() const {
    return m_item.paymentURL().value_or(std::string());
}

std::string PaySheetModel::linkURL() const {
    return m_item.paymentURL() ? m_item.fullURL() : std::string();
}

std::string PaySheetModel::instructions() const {
    return m_item.paymentInstructions().value_or(std::string());
}

std::string PaySheetModel::dueLabel() const {
    return "due: " + PNDateFormatter().stringFromDate(m_item.nextDueDate());
}

Decimal PaySheetModel::amount() const {
    return m_item.amount();
}

bool PaySheetModel::assumesNegativeAmount() const {
    return m_item.isExpense();
}

Currency* PaySheetModel::amountCurrency() const {
    return m_item.account()->currency();
}

Category* PaySheetModel::category() const {
    return m_item.category();
}

std::optional<std::string> PaySheetModel::notes() const {
    return m_item.notes();
}

std::string PaySheetModel::kindWord() const {
    return m_item.isExpense() ? "payment" : "deposit";
}

CommandCheck PaySheetModel::checkConfirm(const std::optional<Decimal>& amount) const {
    if (!amount) {
        return CommandCheck::refuse(
            {.message = "Please specify the amount of your " + kindWord() + ".",
             .informativeText = "You must confirm the amount of your " + kindWord() + "."});
    }
    const std::string& account = m_item.account()->name();
    if (m_item.isExpense() && *amount > Decimal(0)) {
        if (m_item.isTransfer()) {
            return CommandCheck::confirm(
                {.message = "Are you sure you want to specify a positive amount for the transfer?",
                 .informativeText =
                     "Specifying a positive amount will cause the transfer to occur in the "
                     "opposite direction. In this case, money will be transfered from the "
                     "account " +
                     quoted(m_item.toAccount()->name()) + " to the account " + quoted(account) +
                     ".",
                 .buttons = {"Make the Transfer", "Cancel"}});
        }
        return CommandCheck::confirm(
            {.message = "Are you sure you want to make a deposit?",
             .informativeText = "This scheduled transaction is a payment. Specifying a positive "
                                "amount will make a deposit into the account " +
                                quoted(account) + ".",
             .buttons = {"Make the Deposit", "Cancel"}});
    }
    if (m_item.isDeposit() && *amount < Decimal(0)) {
        PN_ASSERT(!m_item.isTransfer(), "A deposit cannot be a transfer");
        return CommandCheck::confirm(
            {.message = "Are you sure you want to make a payment?",
             .informativeText = "This scheduled transaction is a deposit. Specifying a negative "
                                "amount will make a payment from the account " +
                                quoted(account) + ".",
             .buttons = {"Make the Payment", "Cancel"}});
    }
    return CommandCheck::proceed();
}

Alert PaySheetModel::notice(const Decimal& amount) const {
    const CurrencyFormatter formatter = CurrencyFormatter::formatterForAccount(*m_item.account());
    if (m_item.isTransfer()) {
        // A positive amount turns the transfer around.
        const bool reversed = amount > Decimal(0);
        const Account& from = reversed ? *m_item.toAccount() : *m_item.account();
        const Account& to = reversed ? *m_item.account() : *m_item.toAccount();
        return {.message = "Two transactions were created.",
                .informativeText = formatter.stringFromDecimal(amount.absolute_pn()) +
                                   " was transferred from " + quoted(from.name()) + " to " +
                                   quoted(to.name()) + ".",
                .style = Alert::Style::Informational};
    }
    return {.message = "One transaction was created.",
            .informativeText = "A transaction with the amount of " +
                               formatter.stringFromDecimal(amount) + " has been added to " +
                               quoted(m_item.account()->name()) + ".",
            .style = Alert::Style::Informational};
}

void PaySheetModel::pay(Date date, const Decimal& amount, Category* category,
                        std::optional<std::string> notes, std::optional<std::int64_t> checkNumber) {
    m_item.payWithDate(date, amount, category, std::move(notes), checkNumber);
}

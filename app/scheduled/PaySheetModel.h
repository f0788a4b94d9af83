#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Alert.h"
#include "base/CommandCheck.h"
#include "base/Date.h"
#include "base/Decimal.h"

class Category;
class Currency;
class ScheduledItem;

// The pay sheet of one scheduled item without its widgets: what the sheet shows when it opens,
// what confirming an amount needs first, the notice that says what was created, and the
// payment itself. Account names and titles go into the texts as they are; nothing in them is
// interpreted.
class PaySheetModel final {
public:
    // Which view the sheet's title area shows.
    enum class TitleArea { Plain, Link, Instructions };

    // REQUIRES: the item has an account (AssertionFailure otherwise) and outlives the model.
    explicit PaySheetModel(ScheduledItem& item);

    ScheduledItem& item() const { return m_item; }

    // "Deposit" for a deposit, "Pay" otherwise; also the confirm button's title.
    std::string verb() const;
    // The verb and the item's title: "Pay Greenleaf Rent".
    std::string heading() const;
    // The link when the item has a payment address, else the instructions when it has them.
    TitleArea titleArea() const;
    // The link's title: the stored address, without scheme.
    std::string linkTitle() const;
    // What the link opens: "http://" and the stored address.
    std::string linkURL() const;
    std::string instructions() const;
    // "due: " and the due date in the date fields' style: "due: Mar 5, 2026".
    std::string dueLabel() const;

    // The amount field's first value, typed with an assumed minus sign for an expense.
    Decimal amount() const;
    bool assumesNegativeAmount() const;
    // The currency the amount is in: the account's (nullptr: the home currency).
    Currency* amountCurrency() const;
    Category* category() const;
    std::optional<std::string> notes() const;

    // Confirming with the amount field's value: an empty amount is refused (the sheet stays
    // open); an amount whose sign goes against the item (a deposit from a payment, a payment
    // from a deposit, a transfer the other way) is asked about first.
    [[nodiscard]] CommandCheck checkConfirm(const std::optional<Decimal>& amount) const;

    // The notice after paying `amount` (message and informative text), worded before the
    // payment moves the item on: "One transaction was created." or, for a transfer, "Two
    // transactions were created.", with the amount in the account's currency.
    [[nodiscard]] Alert notice(const Decimal& amount) const;

    // Pays the next occurrence with the confirmed values: the real transactions on `date`,
    // the item's notes cleared, the item moved on to its next due date (or deleted after its
    // last one) with that occurrence's projection.
    void pay(Date date, const Decimal& amount, Category* category, std::optional<std::string> notes,
             std::optional<std::int64_t> checkNumber);

private:
    // "payment" for an expense, "deposit" otherwise.
    std::string kindWord() const;

    ScheduledItem& m_item;
};

#pragma once

#include "base/Decimal.h"
#include "store/Entity.h"

class Category;
class Transaction;

// One part of a transaction's amount, in at most one category. While its transaction has a
// single split, the split's own amount is not kept (it stays 0): readers take the
// transaction's amount instead.
class Split final : public Entity<Split> {
public:
    static const EntityDescription& entityDescription();

    Transaction* transaction() const { return m_transaction; }
    void setTransaction(Transaction* transaction);
    Category* category() const { return m_category; }
    void setCategory(Category* category);
    const Decimal& amount() const { return m_amount; }
    // Rounds to 2 places and marks the transaction's splits as changed.
    void setAmount(const Decimal& amount);

    // The amount that counts (the transaction's while it has one split), in the home currency.
    [[nodiscard]] Decimal amountInHomeCurrency() const;

private:
    Transaction* m_transaction = nullptr;
    Category* m_category = nullptr;
    Decimal m_amount;
};

#include "ledger/Split.h"

#include "ledger/Account.h"
#include "ledger/AmountRange.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Transaction.h"
#include "store/EntityBuilder.h"

const EntityDescription& Split::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Split>("Split")
            .attribute("amount", &Split::m_amount)
            .rule(AmountRange::kRule)
            .toOne("transaction", &Split::m_transaction, &Transaction::entityDescription, "splits")
            .toOne("category", &Split::m_category, &Category::entityDescription, "splits")
            .build();
    return description;
}

void Split::setTransaction(Transaction* transaction) {
    setToOne(&Split::m_transaction, transaction);
}

void Split::setCategory(Category* category) {
    setToOne(&Split::m_category, category);
}

void Split::setAmount(const Decimal& amount) {
    setValue(&Split::m_amount, amount.rounded(2));
    if (m_transaction != nullptr) {
        m_transaction->setSplitsChanged(true);
    }
}

Decimal Split::amountInHomeCurrency() const {
    if (m_transaction == nullptr) {
        return m_amount;
    }
    const Decimal amount = m_transaction->splits().size() == 1 ? m_transaction->amount() : m_amount;
    const Account* account = m_transaction->account();
    if (account != nullptr && account->currency() != nullptr) {
        return CurrencyExchange::exchange(amount, account->currency()->rate(), std::nullopt);
    }
    return amount;
}

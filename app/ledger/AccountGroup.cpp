#include "ledger/AccountGroup.h"

#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyExchange.h"
#include "ledger/Transaction.h"
#include "store/EntityBuilder.h"

const EntityDescription& AccountGroup::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<AccountGroup>("AccountGroup")
            .parent(Node::entityDescription())
            .attribute("name", &AccountGroup::m_name)
            .attribute("isExpanded", &AccountGroup::m_isExpanded)
            .build();
    return description;
}

void AccountGroup::awakeFromInsert() {
    setDefaultInsertionIndex();
}

std::vector<Transaction*> AccountGroup::transactions() const {
    std::vector<Transaction*> all;
    for (const Node* child : children()) {
        if (const auto* account = dynamic_cast<const Account*>(child)) {
            const std::vector<Transaction*> own = account->transactions().toVector();
            all.insert(all.end(), own.begin(), own.end());
        }
    }
    return all;
}

Decimal AccountGroup::balance() const {
    Decimal sum;
    for (const Node* child : children()) {
        if (const auto* account = dynamic_cast<const Account*>(child)) {
            sum += Currency::exchange(account->balance(), account->currency(), nullptr);
        }
    }
    return sum;
}

#include "ledger/Currency.h"

#include "ledger/Account.h"
#include "store/EntityBuilder.h"

const EntityDescription& Currency::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<Currency>("Currency")
            .attribute("code", &Currency::m_code)
            .attribute("name", &Currency::m_name)
            .attribute("rate", &Currency::m_rate)
            .toMany("account", &Currency::m_account, &Account::entityDescription, "currency")
            .build();
    return description;
}

// Account's transfer operations, kept beside TransferSetting.
#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/Transaction.h"
#include "ledger/TransferSetting.h"

void Account::transfer(const Decimal& amount, Account& destination, Category* category,
                       std::optional<std::string> title, std::optional<Date> date) {
    const Date day = date.value_or(Date::today_PN());
    const std::string fromTitle = title.value_or("To " + destination.name());
    const std::string toTitle = title.value_or("From " + name());
    createTransactionWithDate(day, fromTitle, amount.negate_pn(), category, std::nullopt,
                              std::nullopt);
    const Decimal received = hasDifferentCurrencyThanAccount(destination)
                                 ? Currency::exchange(amount, currency(), destination.currency())
                                 : amount;
    destination.createTransactionWithDate(day, toTitle, received, category, std::nullopt,
                                          std::nullopt);

    TransferSetting* setting = settingForTransferTo(destination);
    if (setting == nullptr) {
        setting = managedObjectContext()->insert<TransferSetting>();
        addTransferSettingsObject(setting);
    }
    setting->setToAccount(&destination);
    setting->setAmount(amount);
    setting->setTitle(title.value_or(std::string()));
    setting->setCategory(category);
    setLastTransferSetting(setting);
}

TransferSetting* Account::settingForTransferTo(const Account& destination) const {
    TransferSetting* found = nullptr;
    for (TransferSetting* setting : m_transferSettings) {
        if (setting->toAccount() == &destination) {
            PN_ASSERT(found == nullptr,
                      "Should not have multiple settings per destination account.");
            found = setting;
        }
    }
    return found;
}

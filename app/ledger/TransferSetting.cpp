#include "ledger/TransferSetting.h"

#include "base/NotificationCenter.h"
#include "ledger/Account.h"
#include "ledger/AmountRange.h"
#include "ledger/Category.h"
#include "store/EntityBuilder.h"

const EntityDescription& TransferSetting::entityDescription() {
    static const EntityDescription description =
        EntityBuilder<TransferSetting>("TransferSetting")
            .toOne("account", &TransferSetting::m_account, &Account::entityDescription,
                   "transferSettings")
            .toOne("toAccount", &TransferSetting::m_toAccount, &Account::entityDescription,
                   "toTransferSettings")
            .attribute("amount", &TransferSetting::m_amount)
            .rule(AmountRange::kRule)
            .attribute("title", &TransferSetting::m_title)
            .toOne("category", &TransferSetting::m_category, &Category::entityDescription,
                   "transferSettings")
            .toOne("lastSettingOfAccount", &TransferSetting::m_lastSettingOfAccount,
                   &Account::entityDescription, "lastTransferSetting")
            .build();
    return description;
}

void TransferSetting::setAccount(Account* account) {
    setToOne(&TransferSetting::m_account, account);
}

void TransferSetting::setToAccount(Account* account) {
    setToOne(&TransferSetting::m_toAccount, account);
}

void TransferSetting::setCategory(Category* category) {
    setToOne(&TransferSetting::m_category, category);
}

Category* TransferSetting::defaultCategoryInContext(ObjectContext& context) {
    if (Category* found = Category::findByName(kTransferCategoryName, context)) {
        return found;
    }
    Category* category = context.insert<Category>();
    category->setName(kTransferCategoryName);
    NotificationCenter::defaultCenter().post(kPNCategoriesChanged);
    return category;
}

Category* TransferSetting::defaultCategory() {
    return defaultCategoryInContext(ObjectContext::applicationContext());
}

bool TransferSetting::validateForInsert(std::optional<ValidationError>& error) const {
    return validateToAccountIsUniqueWithinAFromAccount(error);
}

bool TransferSetting::validateForUpdate(std::optional<ValidationError>& error) const {
    return validateToAccountIsUniqueWithinAFromAccount(error);
}

bool TransferSetting::validateToAccountIsUniqueWithinAFromAccount(
    std::optional<ValidationError>& error) const {
    if (m_account == nullptr || m_toAccount == nullptr) {
        return true;
    }
    // The matches include this setting itself once it belongs to its source account.
    std::size_t matches = 0;
    bool includesThis = false;
    for (const TransferSetting* setting : m_account->transferSettings()) {
        if (setting->m_toAccount == m_toAccount) {
            ++matches;
            includesThis = includesThis || setting == this;
        }
    }
    if (matches == 0 || (matches == 1 && includesThis)) {
        return true;
    }
    return failValidation(error, ValidationError::internalError(".ValidationError",
                                                                matches == 1 ? "JIOWE" : "JIOFE"));
}

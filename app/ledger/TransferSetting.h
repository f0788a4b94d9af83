#pragma once

#include <optional>
#include <string>

#include "base/Decimal.h"
#include "store/Entity.h"

class Account;
class Category;

// The name of the category transfers use unless the user picks another.
inline constexpr const char* kTransferCategoryName = "Transfer";

// What the last transfer from one account to another used: amount (as entered, in the source
// account's currency), title (empty when the default titles were used) and category. An
// account has at most one setting per destination; deleting either account deletes it.
class TransferSetting final : public Entity<TransferSetting> {
public:
    static const EntityDescription& entityDescription();

    // The source account (its transferSettings).
    Account* account() const { return m_account; }
    void setAccount(Account* account);
    Account* toAccount() const { return m_toAccount; }
    void setToAccount(Account* account);
    const Decimal& amount() const { return m_amount; }
    void setAmount(Decimal amount) { setValue(&TransferSetting::m_amount, amount); }
    const std::optional<std::string>& title() const { return m_title; }
    void setTitle(std::optional<std::string> title) {
        setValue(&TransferSetting::m_title, std::move(title));
    }
    Category* category() const { return m_category; }
    void setCategory(Category* category);
    // The account whose lastTransferSetting this is, if any.
    Account* lastSettingOfAccount() const { return m_lastSettingOfAccount; }

    // ---- Class operations ----

    // The category named "Transfer" (found ignoring case and diacritics). When there is none
    // it is inserted and PNCategoriesChanged is posted.
    static Category* defaultCategoryInContext(ObjectContext& context);
    // The same on the application's context.
    static Category* defaultCategory();

    // Both add validateToAccountIsUniqueWithinAFromAccount.
    [[nodiscard]] bool validateForInsert(std::optional<ValidationError>& error) const override;
    [[nodiscard]] bool validateForUpdate(std::optional<ValidationError>& error) const override;
    // Among the source account's settings, those with this destination: none or only this one
    // is valid; a single other one fails with the internal error "JIOWE", two or more (this
    // one included) with "JIOFE" (".ValidationError", code 1).
    [[nodiscard]] bool validateToAccountIsUniqueWithinAFromAccount(
        std::optional<ValidationError>& error) const;

private:
    Account* m_account = nullptr;
    Account* m_toAccount = nullptr;
    Decimal m_amount;
    std::optional<std::string> m_title;
    Category* m_category = nullptr;
    Account* m_lastSettingOfAccount = nullptr;
};

#include "ledger/TransferSheetModel.h"

#include <algorithm>
#include <vector>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/TransferSetting.h"

namespace {

bool byName(const Account* a, const Account* b) {
    return a->name() < b->name();
}

// The destination a first transfer proposes: the first account by name other than the
// source (money moved to the account it comes from moves nowhere); none when there is none.
Account* firstOtherAccountByName(ObjectContext& context, const Account& source) {
    std::vector<Account*> others =
        Account::findByPredicate([&source](const Account& a) { return &a != &source; }, context);
    return others.empty() ? nullptr : *std::min_element(others.begin(), others.end(), byName);
}

}  // namespace

TransferSheetModel::TransferSheetModel(ObjectContext& context) : m_context(context) {}

void TransferSheetModel::showSheet(Account& source) {
    m_source = &source;
    m_amountChangedByUser = false;
    setUpFromSetting(source.lastTransferSetting(), true);
}

void TransferSheetModel::setUpFromSetting(const TransferSetting* setting, bool firstShowing) {
    if (firstShowing) {
        m_date = Date::today_PN();
    }
    if (setting != nullptr) {
        if (!m_amountChangedByUser) {
            m_amount = setting->amount();
        }
        m_destination = setting->toAccount();
        m_category = setting->category();
        m_title = setting->title().value_or(std::string());
        if (fieldsHoldDefaultSetting()) {
            hideAdvanced();
        } else {
            showAdvanced();
        }
    } else {
        if (!m_amountChangedByUser) {
            m_amount.reset();
        }
        if (firstShowing) {
            m_destination = firstOtherAccountByName(m_context, *m_source);
        }
        hideAdvanced();
    }
    m_titlePlaceholder = m_destination != nullptr ? "To " + m_destination->name() : "";
    m_presetAmount = m_amount;
}

void TransferSheetModel::toAccountChanged(Account& destination) {
    // Compared as values: the amount field shows every amount with two fraction digits, so
    // equal values are equal texts.
    if (!m_amountChangedByUser && m_amount != m_presetAmount) {
        m_amountChangedByUser = true;
    }
    m_destination = &destination;
    PN_ASSERT(m_source != nullptr, "The transfer sheet is not open");
    setUpFromSetting(m_source->settingForTransferTo(destination), false);
}

std::vector<Account*> TransferSheetModel::destinationAccounts() const {
    std::vector<Account*> accounts = Account::findByPredicate(
        [this](const Account& a) {
            return &a != m_source && (!a.isClosed() || &a == m_destination);
        },
        m_context);
    std::sort(accounts.begin(), accounts.end(), byName);
    return accounts;
}

Currency* TransferSheetModel::amountCurrency() const {
    return m_source != nullptr ? m_source->currency() : nullptr;
}

void TransferSheetModel::toggleAdvanced() {
    if (m_advancedShown) {
        hideAdvanced();
    } else {
        showAdvanced();
    }
}

bool TransferSheetModel::fieldsHoldDefaultSetting() const {
    // Looked up without creating it: when there is no "Transfer" category the fields cannot
    // hold it.
    const Category* transfer = Category::findByName(kTransferCategoryName, m_context);
    return m_category != nullptr && m_category == transfer && m_title.empty() &&
           m_date == Date::today_PN();
}

Category* TransferSheetModel::defaultCategory(ObjectContext& context) {
    return TransferSetting::defaultCategoryInContext(context);
}

void TransferSheetModel::showAdvanced() {
    m_advancedShown = true;
}

void TransferSheetModel::hideAdvanced() {
    m_category = defaultCategory(m_context);
    m_title.clear();
    m_date = Date::today_PN();
    m_advancedShown = false;
}

std::optional<ValidationError> TransferSheetModel::transfer() {
    PN_ASSERT(m_source != nullptr && m_destination != nullptr, "The transfer sheet is not open");
    const Decimal amount = m_amount.value_or(Decimal()).rounded(2);
    std::optional<std::string> title;
    if (!m_title.empty()) {
        title = m_title;
    }
    m_source->transfer(amount, *m_destination, m_category, title, m_date);
    std::optional<ValidationError> error = m_context.save();
    close();
    return error;
}

void TransferSheetModel::cancel() {
    close();
}

void TransferSheetModel::close() {
    m_source = nullptr;
    m_destination = nullptr;
    m_presetAmount.reset();
}

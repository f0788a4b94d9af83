#include "ledger/RegisterTexts.h"

#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/RegisterCategoryText.h"
#include "ledger/Transaction.h"

RegisterTexts::RegisterTexts(ObjectContext& context)
    : m_context(context), m_dateFormatter(DateFormatter::defaultDateFormatter_PN()) {}

std::string RegisterTexts::currencyCodeOf(const Transaction& transaction) const {
    const Account* account = transaction.account();
    if (account != nullptr && account->isForeign()) {
        return account->currency()->code();
    }
    return Global::sharedInstanceInContext(m_context)->homeCurrency();
}

const CurrencyFormatter& RegisterTexts::formatter(const std::string& code) {
    auto found = m_formatters.find(code);
    if (found == m_formatters.end()) {
        found = m_formatters.emplace(code, CurrencyFormatter::formatterForCurrency(code)).first;
    }
    return found->second;
}

const CurrencyFormatter& RegisterTexts::symbolFreeFormatter(const std::string& code) {
    auto found = m_symbolFreeFormatters.find(code);
    if (found == m_symbolFreeFormatters.end()) {
        found = m_symbolFreeFormatters
                    .emplace(code, CurrencyFormatter::symbolFreeFormatterForCurrency(code))
                    .first;
    }
    return found->second;
}

std::string RegisterTexts::date(const Transaction& transaction) const {
    return m_dateFormatter.stringFromDate(transaction.date());
}

std::string RegisterTexts::amount(const Transaction& transaction) {
    return formatter(currencyCodeOf(transaction)).stringFromDecimal(transaction.amount());
}

std::string RegisterTexts::runningBalance(const Transaction& transaction) {
    if (transaction.account() == nullptr) {
        return {};
    }
    return formatter(currencyCodeOf(transaction)).stringFromDecimal(transaction.runningBalance());
}

std::optional<std::string> RegisterTexts::checkNumber(const Transaction& transaction) const {
    if (!transaction.checkNumber()) {
        return std::nullopt;
    }
    return std::to_string(*transaction.checkNumber());
}

std::vector<RegisterTexts::CategoryLine> RegisterTexts::categoryLines(
    const Transaction& transaction) {
    std::vector<CategoryLine> lines;
    const CurrencyFormatter* amounts = nullptr;
    for (const RegisterCategoryText::Line& line : RegisterCategoryText::lines(transaction)) {
        CategoryLine shown{line.label, {}};
        if (line.amount) {
            if (amounts == nullptr) {
                amounts = &symbolFreeFormatter(currencyCodeOf(transaction));
            }
            shown.amount = amounts->stringFromDecimal(*line.amount);
        }
        lines.push_back(std::move(shown));
    }
    return lines;
}

#pragma once

#include <map>
#include <string>

#include "base/Decimal.h"
#include "store/Entity.h"

class Account;

// A foreign currency known to the store: its code, display name and rate (units of this
// currency per unit of the home currency). The home currency has no record: wherever a
// currency is expected, nullptr stands for it.
class Currency final : public Entity<Currency> {
public:
    static const EntityDescription& entityDescription();

    const std::string& code() const { return m_code; }
    void setCode(std::string code) { setValue(&Currency::m_code, std::move(code)); }
    const std::string& name() const { return m_name; }
    void setName(std::string name) { setValue(&Currency::m_name, std::move(name)); }
    const Decimal& rate() const { return m_rate; }
    void setRate(Decimal rate) { setValue(&Currency::m_rate, rate); }
    // The accounts kept in this currency.
    const ObjectSet<Account>& account() const { return m_account; }

    // ---- Class operations ----

    // `amount`, given in `from`, expressed in `to` (nullptr: the home currency). Converted
    // results are rounded to 2 places, a half away from zero; between equal rates and from
    // home to home the amount comes back with all its decimals. Throws DecimalError on
    // arithmetic errors, a zero rate included.
    [[nodiscard]] static Decimal exchange(const Decimal& amount, const Currency* from,
                                          const Currency* to);
    // "US Dollars" for "USD", else the name the currencies file at `file` lists.
    // AssertionFailure "Invalid currency code specified, X" for an unlisted code.
    [[nodiscard]] static std::string nameForCurrencyCode(const std::string& code,
                                                         const std::string& file);
    // The rate of every other currency against `homeCode`, at most 10 places.
    // AssertionFailure "Invalid home currency code." when the home is neither "USD" nor listed.
    [[nodiscard]] static std::map<std::string, Decimal> generateExchangeRatesBasedOn(
        const std::string& homeCode, const std::string& file);
    // Makes `home` the home currency: rebuilds every Currency from the file against it, moves
    // each account to the new instance of its code (accounts in `home` lose their currency,
    // accounts in the old home currency get the new instance of the old home code) and sets
    // Global.homeCurrency. Stored amounts are not converted. Nothing happens for nullptr.
    // The caller saves. Every consistency check runs before the first change, so an
    // AssertionFailure (a file that does not match the store) leaves the context untouched.
    static void setHomeCurrencyTo(Currency* home, ObjectContext& moc, const std::string& file);

private:
    std::string m_code;
    std::string m_name;
    Decimal m_rate;
    ObjectSet<Account> m_account;
};

#pragma once

#include <string>

#include "base/Decimal.h"
#include "store/Entity.h"

class Account;

// A foreign currency known to the store: its code, display name and rate (units of this
// currency per unit of the home currency). The home currency has no record.
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

private:
    std::string m_code;
    std::string m_name;
    Decimal m_rate;
    ObjectSet<Account> m_account;
};

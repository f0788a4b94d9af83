#pragma once

#include <string>
#include <utility>
#include <vector>

#include "base/Date.h"
#include "base/Decimal.h"
#include "store/ObjectContext.h"

class Account;
class Category;
class CategoryGroup;
class Currency;
class Transaction;

// A store of the program's entity model, and short ways to fill it with ledger objects.
class ReportTestStore {
public:
    ReportTestStore();

    ObjectContext& context() { return m_context; }

    Account* account(const std::string& name, Currency* currency = nullptr);
    Currency* currency(const std::string& code, const char* rate);
    CategoryGroup* group(const std::string& name);
    Category* category(const std::string& name, CategoryGroup* group = nullptr);
    // A transaction of one split.
    Transaction* add(Account* account, Date date, const char* amount, Category* category);
    // A transaction of several splits; its amount is their sum.
    Transaction* addSplits(Account* account, Date date,
                           const std::vector<std::pair<const char*, Category*>>& splits);

    static Date day(int year, int month, int d) { return Date::dateWithYear_PN(year, month, d); }
    static Decimal dec(const char* text) { return Decimal::fromString(text); }

private:
    ObjectContext m_context;
};

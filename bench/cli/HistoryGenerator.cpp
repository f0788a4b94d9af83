#include "HistoryGenerator.h"

#include <array>
#include <cstdlib>
#include <random>

#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Currency.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

namespace {

struct PlannedCategory {
    const char* name;
    const char* group;  // nullptr: ungrouped
};

constexpr std::array<PlannedCategory, 12> kCategories = {{
    {"Rent", "Living"},
    {"Utilities", "Living"},
    {"Household", "Living"},
    {"Groceries", "Food"},
    {"Dining", "Food"},
    {"Gas", "Transport"},
    {"Transit", "Transport"},
    {"Salary", nullptr},
    {"Clothing", nullptr},
    {"Travel", nullptr},
    {"Card Payment", nullptr},
    {"Savings", nullptr},
}};

struct Spending {
    const char* title;
    const char* category;
    int minCents;
    int maxCents;
};

constexpr std::array<Spending, 8> kSpending = {{
    {"Corner Grocer", "Groceries", 800, 12000},
    {"Fresh Market", "Groceries", 1500, 20000},
    {"Bistro", "Dining", 1200, 9000},
    {"Fuel Stop", "Gas", 2500, 8000},
    {"Metro Card", "Transit", 250, 5000},
    {"Hardware Store", "Household", 500, 30000},
    {"Outfitters", "Clothing", 2000, 25000},
    {"Power & Water", "Utilities", 4000, 16000},
}};

Account& account(ObjectContext& context, const std::string& name) {
    return *Account::findFirstByPredicate([&](const Account& a) { return a.name() == name; },
                                          context);
}

Category* category(ObjectContext& context, const std::string& name) {
    return Category::findFirstByPredicate([&](const Category& c) { return c.name() == name; },
                                          context);
}

Decimal cents(int value) {
    const int magnitude = std::abs(value);
    const std::string fraction = std::to_string(100 + magnitude % 100).substr(1);
    return Decimal::fromString((value < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." +
                               fraction);
}

}  // namespace

HistoryGenerator::HistoryGenerator(ObjectContext& context, Node& root, Date lastDay)
    : m_context(context), m_root(root), m_lastDay(lastDay), m_firstDay(lastDay.daysAgo_PN(3652)) {}

void HistoryGenerator::generate(std::size_t transactions) {
    makeTree();
    makeCategories();
    const std::size_t monthly = makeMonthlyItems();
    makeEverydaySpending(transactions > monthly ? transactions - monthly : 0);
}

void HistoryGenerator::makeTree() {
    struct PlannedAccount {
        const char* name;
        const char* type;
        const char* group;
        const char* currency;
    };
    constexpr std::array<PlannedAccount, 5> kAccounts = {{
        {"Checking", kAccountTypeChecking, "Bank", nullptr},
        {"Savings", kAccountTypeSavings, "Bank", nullptr},
        {"Visa", kAccountTypeCreditCard, "Cards", nullptr},
        {"Wallet", kAccountTypeCash, nullptr, nullptr},
        {"Euro Account", kAccountTypeChecking, "Abroad", "EUR"},
    }};
    for (const PlannedAccount& planned : kAccounts) {
        Node* parent = &m_root;
        if (planned.group != nullptr) {
            AccountGroup* group = AccountGroup::findFirstByPredicate(
                [&](const AccountGroup& g) { return g.name() == planned.group; }, m_context);
            if (group == nullptr) {
                group = m_context.insert<AccountGroup>();
                group->moveTo(&m_root, static_cast<std::int64_t>(m_root.children().size()));
                group->setName(planned.group);
            }
            parent = group;
        }
        Account* account = m_context.insert<Account>();
        account->moveTo(parent, static_cast<std::int64_t>(parent->children().size()));
        account->setName(planned.name);
        account->setType(std::string(planned.type));
        account->setStartBalanceDate(m_firstDay.daysAgo_PN(1));
        if (planned.currency != nullptr) {
            account->setCurrency(Currency::findFirstByPredicate(
                [&](const Currency& c) { return c.code() == planned.currency; }, m_context));
        }
    }
    account(m_context, "Checking").setStartBalance(cents(250000));
}

void HistoryGenerator::makeCategories() {
    for (const PlannedCategory& planned : kCategories) {
        Category* found = category(m_context, planned.name);
        if (found == nullptr) {
            found = m_context.insert<Category>();
            found->setName(planned.name);
        }
        if (planned.group == nullptr) {
            continue;
        }
        CategoryGroup* group = CategoryGroup::findFirstByPredicate(
            [&](const CategoryGroup& g) { return g.name() == planned.group; }, m_context);
        if (group == nullptr) {
            group = m_context.insert<CategoryGroup>();
            group->setName(planned.group);
        }
        found->setGroup(group);
    }
}

std::size_t HistoryGenerator::makeMonthlyItems() {
    Account& checking = account(m_context, "Checking");
    Account& savings = account(m_context, "Savings");
    Account& visa = account(m_context, "Visa");
    std::size_t made = 0;
    int month = 0;
    for (Date day = m_firstDay.beginningOfMonth_pn(); day <= m_lastDay;
         day = day.endOfMonth_pn().daysLater_PN(1), ++month) {
        const bool recent = day.daysLater_PN(40) > m_lastDay;
        auto add = [&](Account& account, Date date, const char* title, int amount,
                       const char* categoryName) {
            if (date < m_firstDay || date > m_lastDay) {
                return;
            }
            Transaction* t = account.createTransactionWithDate(
                date, std::string(title), cents(amount), category(m_context, categoryName),
                std::nullopt, std::nullopt);
            t->setIsPending(recent);
            ++made;
        };
        add(checking, day.daysLater_PN(0), "Employer Payroll", 420000 + month * 350, "Salary");
        add(checking, day.daysLater_PN(2), "Landlord", -145000, "Rent");
        const Date paymentDay = day.daysLater_PN(20);
        if (paymentDay >= m_firstDay && paymentDay <= m_lastDay) {
            checking.transfer(cents(60000 + (month % 7) * 1500), visa,
                              category(m_context, "Card Payment"), std::string("Visa Payment"),
                              paymentDay);
            checking.transfer(cents(30000), savings, category(m_context, "Savings"), std::nullopt,
                              day.daysLater_PN(25));
            made += 4;
        }
    }
    return made;
}

void HistoryGenerator::makeEverydaySpending(std::size_t count) {
    std::mt19937 random(20260315);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    std::array<Account*, 4> accounts = {&account(m_context, "Checking"),
                                        &account(m_context, "Visa"), &account(m_context, "Wallet"),
                                        &account(m_context, "Euro Account")};
    const int span = m_lastDay.daysSinceEpoch() - m_firstDay.daysSinceEpoch() + 1;
    for (std::size_t i = 0; i < count; ++i) {
        const Spending& what = kSpending[static_cast<std::size_t>(below(kSpending.size()))];
        // Most spending goes on the card and the checking account; a little abroad.
        const int pick = below(20);
        Account* into = accounts[pick < 9 ? 1 : pick < 16 ? 0 : pick < 19 ? 2 : 3];
        const Date date = m_firstDay.daysLater_PN(below(span));
        const int amount = what.minCents + below(what.maxCents - what.minCents);
        Transaction* t = into->createTransactionWithDate(
            date, std::string(what.title), cents(-amount), category(m_context, what.category),
            std::nullopt, std::nullopt);
        if (date.daysLater_PN(30) < m_lastDay) {
            t->setIsPending(false);
        }
    }
}

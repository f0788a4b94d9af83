#include "SampleHousehold.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "SampleLedgerBuilder.h"
#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "store/XMLStore.h"

namespace {

constexpr int kYear = 2025;

Date day(int month, int dayOfMonth) {
    return Date::dateWithYear_PN(kYear, month, dayOfMonth);
}

// One transaction of a table: the day in the sample's year, title, amount and category.
struct Entry final {
    int month;
    int day;
    const char* title;
    const char* amount;
    const char* category;
};

// What the bank's statement calls a transaction entered under `title`, and whether the
// import brought it in (otherwise it was entered by hand and matched).
struct BankName final {
    const char* title;
    const char* bankTitle;
    bool imported;
};

constexpr BankName kBankNames[] = {
    {"Acme Corp Payroll", "ACME CORP PAYROLL PPD ID 0093", true},
    {"FreshMart", "FRESHMART #0412 POS PURCHASE", true},
    {"Greenleaf Property Rent", "ONLINE PMT GREENLEAF PROPERTY", false},
    {"Northwind Telecom", "NORTHWIND TELECOM AUTOPAY", false},
    {"City Power & Light", "CITY POWER LIGHT WEB PMT", false},
    {"To Savings", "ONLINE TRANSFER TO SAV XXXX2291", false},
    {"To Visa Card", "VISA CARD PAYMENT THANK YOU", false},
    {"ATM Withdrawal", "ATM WITHDRAWAL 0412 MAIN ST", true},
};

// The statement covers the checking account from November up to this day; what is later
// has not reached the bank yet.
const Date kFirstImportedDay = day(11, 1);
const Date kLastImportedDay = day(12, 16);
const Date kLastImportStart = day(12, 1);

class Household final {
public:
    Household(ObjectContext& context, const std::string& currenciesFile)
        : m_builder(context), m_currenciesFile(currenciesFile) {}

    void build() {
        addCategories();
        addAccounts();
        addChecking();
        addGroceries();
        addCard();
        addWalletAndSavings();
        addEuroAccount();
        addTransfers();
        markBankEntries();
        markRecentOnesPending();
        addScheduledItems();
        addBudget();
        Global::sharedInstanceInContext(m_builder.context())->setInternalVersion(1);
    }

private:
    void addTable(Account& account, const std::vector<Entry>& entries) {
        for (const Entry& e : entries) {
            m_builder.transaction(account, day(e.month, e.day), e.title, e.amount, e.category);
        }
    }
    void addCategories();
    void addAccounts();
    void addChecking();
    void addGroceries();
    void addCard();
    void addWalletAndSavings();
    void addEuroAccount();
    void addTransfers();
    void markBankEntries();
    void markRecentOnesPending();
    void addScheduledItems();
    void addBudget();

    SampleLedgerBuilder m_builder;
    std::string m_currenciesFile;
    Account* m_checking = nullptr;
    Account* m_savings = nullptr;
    Account* m_card = nullptr;
    Account* m_wallet = nullptr;
    Account* m_euro = nullptr;
};

void Household::addCategories() {
    struct Group final {
        const char* name;
        std::vector<const char*> categories;
    };
    const Group groups[] = {
        {"Home", {"Rent", "Utilities", "Household", "Phone & Internet"}},
        {"Food", {"Groceries", "Dining"}},
        {"Transport", {"Gas", "Public Transit"}},
        {"Personal", {"Clothing", "Fitness", "Entertainment", "Travel"}},
        {"Income", {"Salary", "Interest"}},
    };
    for (const Group& group : groups) {
        CategoryGroup& categoryGroup = m_builder.categoryGroup(group.name);
        for (const char* name : group.categories) {
            m_builder.category(name, &categoryGroup);
        }
    }
    m_builder.category("Gifts", nullptr);
    m_builder.category("Transfer", nullptr);
}

void Household::addAccounts() {
    const Date opened = day(8, 31);
    AccountGroup& bank = m_builder.group("Bank");
    m_checking = &m_builder.account(bank, "Checking", kAccountTypeChecking, "2150.00", opened);
    m_savings = &m_builder.account(bank, "Savings", kAccountTypeSavings, "6500.00", opened);
    Node& root = m_builder.root();
    m_card = &m_builder.account(root, "Visa Card", kAccountTypeCreditCard, "-412.37", opened);
    m_wallet = &m_builder.account(root, "Wallet", kAccountTypeCash, "80.00", opened);
    Currency& euro = m_builder.currency("EUR", m_currenciesFile);
    m_euro =
        &m_builder.account(root, "Euro Account", kAccountTypeChecking, "1200.00", opened, &euro);
}

void Household::addChecking() {
    std::vector<Entry> entries;
    for (int month = 9; month <= 12; ++month) {
        entries.push_back({month, 1, "Greenleaf Property Rent", "-1150.00", "Rent"});
        entries.push_back({month, 8, "Northwind Telecom", "-59.99", "Phone & Internet"});
    }
    const int paydays[][2] = {{9, 5},   {9, 19},  {10, 3},  {10, 17},
                              {10, 31}, {11, 14}, {11, 28}, {12, 12}};
    for (const auto& payday : paydays) {
        entries.push_back({payday[0], payday[1], "Acme Corp Payroll", "1925.40", "Salary"});
    }
    const char* power[] = {"-68.40", "-74.15", "-91.30"};
    for (int i = 0; i < 3; ++i) {
        entries.push_back({9 + i, 22, "City Power & Light", power[i], "Utilities"});
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.month != b.month ? a.month < b.month : a.day < b.day;
    });
    addTable(*m_checking, entries);
}

// A weekly shop; every third one also buys for the household and is split.
void Household::addGroceries() {
    const int saturdays[][2] = {{9, 6},   {9, 13},  {9, 20},  {9, 27}, {10, 4},  {10, 11},
                                {10, 18}, {10, 25}, {11, 1},  {11, 8}, {11, 15}, {11, 22},
                                {11, 29}, {12, 6},  {12, 13}, {12, 17}};
    const char* food[] = {"-86.42",  "-64.10", "-102.35", "-71.88", "-93.17", "-58.40",
                          "-110.26", "-77.05", "-89.93",  "-66.71", "-97.48", "-124.60",
                          "-73.29",  "-81.54", "-95.12",  "-68.37"};
    const char* household[] = {"-18.99", "-24.50", "-12.75", "-31.20", "-9.85"};
    for (int i = 0; i < 16; ++i) {
        const Date date = day(saturdays[i][0], saturdays[i][1]);
        if (i % 3 == 2) {
            m_builder.split(*m_checking, date, "FreshMart",
                            {{"Groceries", food[i]}, {"Household", household[i / 3]}});
        } else {
            m_builder.transaction(*m_checking, date, "FreshMart", food[i], "Groceries");
        }
    }
}

void Household::addCard() {
    std::vector<Entry> entries = {
        {9, 10, "Shell", "-42.18", "Gas"},
        {9, 12, "Luigi's Trattoria", "-54.80", "Dining"},
        {9, 14, "Riverside Cinema", "-28.00", "Entertainment"},
        {9, 19, "StreamFlix", "-15.49", "Entertainment"},
        {9, 24, "Shell", "-38.90", "Gas"},
        {9, 27, "Blue Door Cafe", "-18.45", "Dining"},
        {10, 8, "Shell", "-45.33", "Gas"},
        {10, 10, "Sakura Sushi", "-67.20", "Dining"},
        {10, 19, "StreamFlix", "-15.49", "Entertainment"},
        {10, 22, "Shell", "-40.12", "Gas"},
        {10, 25, "Luigi's Trattoria", "-49.35", "Dining"},
        {11, 5, "Shell", "-47.80", "Gas"},
        {11, 7, "Blue Door Cafe", "-21.10", "Dining"},
        {11, 16, "HomeGoods Depot", "-63.48", "Household"},
        {11, 19, "StreamFlix", "-15.49", "Entertainment"},
        {11, 19, "Shell", "-36.55", "Gas"},
        {11, 21, "The Corner Bistro", "-88.60", "Dining"},
        {12, 3, "Shell", "-44.09", "Gas"},
        {12, 5, "Sakura Sushi", "-58.75", "Dining"},
        {12, 13, "Riverside Cinema", "-32.00", "Entertainment"},
        {12, 17, "Shell", "-41.27", "Gas"},
        {12, 18, "Blue Door Cafe", "-16.90", "Dining"},
    };
    for (int month = 9; month <= 12; ++month) {
        entries.push_back({month, 15, "Peak Fitness", "-39.00", "Fitness"});
    }
    addTable(*m_card, entries);
    m_builder.split(*m_card, day(10, 26), "Harbor Outfitters",
                    {{"Clothing", "-84.00"}, {"Gifts", "-35.00"}});
    m_builder.split(*m_card, day(12, 10), "Harbor Outfitters",
                    {{"Gifts", "-120.00"}, {"Clothing", "-46.50"}});
}

void Household::addWalletAndSavings() {
    addTable(*m_wallet, {
                            {9, 9, "Coffee Cart", "-4.25", "Dining"},
                            {9, 13, "Farmers Market", "-23.50", "Groceries"},
                            {9, 17, "City Bus", "-2.75", "Public Transit"},
                            {9, 26, "Lunch at the Deli", "-11.80", "Dining"},
                            {10, 4, "Farmers Market", "-19.00", "Groceries"},
                            {10, 14, "Coffee Cart", "-4.25", "Dining"},
                            {10, 21, "City Bus", "-2.75", "Public Transit"},
                            {10, 30, "Pumpkin Patch", "-12.00", "Entertainment"},
                            {11, 8, "Farmers Market", "-26.75", "Groceries"},
                            {11, 18, "Coffee Cart", "-4.50", "Dining"},
                            {11, 26, "School Bake Sale", "-8.00", "Gifts"},
                            {12, 6, "Christmas Market", "-31.20", "Gifts"},
                            {12, 11, "City Bus", "-2.75", "Public Transit"},
                            {12, 16, "Coffee Cart", "-4.50", "Dining"},
                        });
    addTable(*m_savings, {
                             {9, 30, "Interest Payment", "5.42", "Interest"},
                             {10, 31, "Interest Payment", "5.61", "Interest"},
                             {11, 30, "Interest Payment", "5.80", "Interest"},
                         });
}

void Household::addEuroAccount() {
    addTable(*m_euro, {
                          {10, 10, "CP Train Lisbon", "-23.40", "Public Transit"},
                          {10, 11, "Hotel Alfama", "-312.00", "Travel"},
                          {10, 12, "Time Out Market", "-48.50", "Dining"},
                          {11, 30, "Interest", "1.20", "Interest"},
                      });
}

void Household::addTransfers() {
    for (int month = 9; month <= 12; ++month) {
        m_builder.transfer(*m_checking, *m_savings, day(month, 2), "300.00");
    }
    const char* cardPayments[] = {"612.48", "538.20", "701.95"};
    for (int i = 0; i < 3; ++i) {
        m_builder.transfer(*m_checking, *m_card, day(9 + i, 20), cardPayments[i]);
    }
    const int cashDays[][2] = {{9, 6}, {10, 4}, {11, 8}, {12, 6}};
    for (const auto& cash : cashDays) {
        m_builder.transfer(*m_checking, *m_wallet, day(cash[0], cash[1]), "100.00",
                           std::string("ATM Withdrawal"));
    }
    m_builder.transfer(*m_checking, *m_euro, day(10, 6), "500.00");
}

// The checking account's statement from November on: entries it brought in are imported,
// those entered by hand before were matched to it.
void Household::markBankEntries() {
    std::vector<Transaction*> entries(m_checking->transactions().begin(),
                                      m_checking->transactions().end());
    std::sort(entries.begin(), entries.end(), [](const Transaction* a, const Transaction* b) {
        return Transaction::precedesInStandardOrder(*b, *a);
    });
    for (Transaction* transaction : entries) {
        if (transaction->date() < kFirstImportedDay || transaction->date() > kLastImportedDay) {
            continue;
        }
        const auto name =
            std::find_if(std::begin(kBankNames), std::end(kBankNames),
                         [&](const BankName& bank) { return transaction->title() == bank.title; });
        PN_ASSERT(name != std::end(kBankNames),
                  "No bank name for " + std::string(*transaction->title()));
        if (name->imported) {
            m_builder.markImported(*transaction, name->bankTitle,
                                   transaction->date() >= kLastImportStart);
        } else {
            m_builder.markMatched(*transaction, name->bankTitle);
        }
    }
}

// What the bank has not seen yet: the checking account after its statement and the card's
// last few days.
void Household::markRecentOnesPending() {
    for (Account* account : {m_checking, m_card}) {
        const Date cleared = account == m_checking ? kLastImportedDay : day(12, 14);
        for (Transaction* transaction : account->transactions()) {
            if (transaction->date() > cleared) {
                transaction->setIsPending(true);
            }
        }
    }
}

void Household::addScheduledItems() {
    m_builder.scheduled(*m_checking, "Greenleaf Property Rent", "-1150.00", "Rent",
                        RepeatSchedule::kMonth, 1, day(12, 1).monthsLater_PN(1));
    m_builder.scheduled(*m_checking, "Acme Corp Payroll", "1925.40", "Salary",
                        RepeatSchedule::kWeek, 2, day(12, 26));
    m_builder
        .scheduled(*m_checking, "Savings Transfer", "-300.00", "Transfer", RepeatSchedule::kMonth,
                   1, day(12, 2).monthsLater_PN(1))
        .setToAccount(m_savings);
    ScheduledItem& power = m_builder.scheduled(*m_checking, "City Power & Light", "-85.00",
                                               "Utilities", RepeatSchedule::kMonth, 1, day(12, 22));
    power.setReminderDays(3);
    power.setIsEstimate(true);
    m_builder
        .scheduled(*m_card, "Peak Fitness", "-39.00", "Fitness", RepeatSchedule::kMonth, 1,
                   day(12, 15).monthsLater_PN(1))
        .setPayAutomatically(true);
}

void Household::addBudget() {
    auto* budget = m_builder.context().insert<Budget>();
    budget->setName(std::to_string(kYear) + " Budget");
    budget->setStartDate(day(11, 1));
    budget->setMonths(12);
    budget->estimate(SampleHousehold::writtenOn());
}

std::string describe(const ValidationError& error) {
    std::string text = error.localizedDescription;
    for (const ValidationError& detail : error.detailedErrors) {
        text += "; " + detail.localizedDescription;
    }
    return text;
}

std::optional<std::string> writeFilled(const std::string& path, const std::string& currenciesFile) {
    std::remove(path.c_str());
    ObjectContext context(ApplicationModel::shared());
    context.undoManager().disableUndoRegistration();
    auto store = std::make_unique<XMLStore>(path, ApplicationModel::shared());
    if (std::optional<ValidationError> error = store->load(context)) {
        return describe(*error);
    }
    context.setPersistentStore(std::move(store));
    SampleHousehold::fill(context, currenciesFile);
    if (std::optional<ValidationError> error = context.save()) {
        return "the sample does not save: " + describe(*error);
    }
    return std::nullopt;
}

}  // namespace

Date SampleHousehold::writtenOn() {
    return day(12, 19);
}

void SampleHousehold::fill(ObjectContext& context, const std::string& currenciesFile) {
    PN_ASSERT(Date::today_PN() == writtenOn(), "The sample is written as of its own day");
    Household(context, currenciesFile).build();
}

std::optional<std::string> SampleHousehold::write(const std::string& path,
                                                  const std::string& currenciesFile) {
    Clock::setFixedToday(writtenOn());
    std::optional<std::string> failure;
    try {
        failure = writeFilled(path, currenciesFile);
    } catch (const std::exception& error) {
        failure = error.what();
    }
    Clock::reset();
    return failure;
}

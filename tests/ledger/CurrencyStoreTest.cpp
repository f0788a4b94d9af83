#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

using Texts = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

// A currencies file of {code, name, rate} entries under the test's temporary folder.
std::string writeCurrencies(const std::string& fileName,
                            const std::vector<std::vector<const char*>>& entries) {
    std::string text;
    for (const auto& e : entries) {
        text += currencyEntry(e[0], e[1], std::string("<real>") + e[2] + "</real>");
    }
    return writeTemporaryFile(fileName, currenciesPlist(text));
}

class CurrencyStore : public testing::Test {
protected:
    void SetUp() override {
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        setLogSink([this](std::string_view line) { log.emplace_back(line); });
    }
    void TearDown() override {
        setLogSink(nullptr);
        UserLocale::reset();
        CurrencyUpdater::setExchangedTransferRegeneration(nullptr);
    }

    Global& global() { return *Global::sharedInstanceInContext(ctx); }
    Currency* currency(const std::string& code) {
        return Currency::findFirstByPredicate([&](const Currency& c) { return c.code() == code; },
                                              ctx);
    }
    void account(const std::string& name, Currency* in) {
        Account* a = ctx.insert<Account>();
        a->setName(name);
        a->moveTo(root, static_cast<std::int64_t>(root->children().size()));
        a->setCurrency(in);
        a->setStartBalance(dec("10.55"));
    }
    Texts rates() {
        Texts text;
        for (const Currency* c : Currency::allInContext(ctx)) {
            text[c->code()] = c->rate().toString();
        }
        return text;
    }
    // Each account's currency code ("" for home) and start balance.
    Texts accounts() {
        Texts text;
        for (const Account* a : Account::allInContext(ctx)) {
            text[a->name()] =
                (a->currency() ? a->currency()->code() : "") + " " + a->startBalance().toString();
        }
        return text;
    }
    CurrencyUpdater::UpdateResult update(const std::string& file) {
        return CurrencyUpdater(ctx, file).updateCurrencies();
    }
    bool switchToLocale(const char* locale) {
        UserLocale::set(locale);
        return CurrencyUpdater(ctx, kEurJpyGbp).setHomeCurrencyBasedOnUserLocale().changed;
    }

    ObjectContext ctx{applicationModel()};
    Node* root = nullptr;
    Lines log;
};

TEST_F(CurrencyStore, EuroHomeWorkedExample) {
    global().setHomeCurrency("EUR");
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    EXPECT_EQ(rates(), (Texts{{"USD", "1.25"}, {"JPY", "137.5"}, {"GBP", "0.625"}}));
    EXPECT_EQ(Currency::exchange(Decimal(100), currency("JPY"), nullptr).toString(2), "0.73");
    EXPECT_EQ(Currency::exchange(Decimal(10), nullptr, currency("JPY")).toString(2), "1375.00");
}

TEST_F(CurrencyStore, UpdateAddsWhatIsMissingAndLogsWhatChanged) {
    // A store code in another case is the file's currency, not a new one.
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("eur");
    euro->setName("Euros");
    euro->setRate(dec("0.8"));
    CurrencyUpdater::UpdateResult first = update(kEurJpyGbp);
    EXPECT_EQ(first.added, 2u);
    EXPECT_EQ(first.updated, 1u);
    EXPECT_EQ(log, (Lines{"Added currency GBP", "Added currency JPY"}));
    EXPECT_FALSE(ctx.hasChanges());

    int regenerations = 0;
    CurrencyUpdater::setExchangedTransferRegeneration([&](ObjectContext&) { ++regenerations; });
    global().setProjectedMonths(2);
    // A rate written differently is no change; a new name alone regenerates nothing.
    log.clear();
    (void)update(writeCurrencies("renamed.plist", {{"EUR", "Euro", "0.80"},
                                                   {"JPY", "Japanese Yen", "110"},
                                                   {"GBP", "British Pounds", "0.5"}}));
    EXPECT_EQ(log, Lines{"Updating name for currency EUR"});
    EXPECT_EQ(regenerations, 0);

    log.clear();
    const std::string yen150 = writeCurrencies(
        "yen.plist",
        {{"EUR", "Euro", "0.8"}, {"JPY", "Japanese Yen", "150"}, {"GBP", "British Pounds", "0.5"}});
    EXPECT_TRUE(update(yen150).rateChanged);
    EXPECT_EQ(log, Lines{"Updating rate for currency JPY"});
    EXPECT_EQ(regenerations, 1);

    // With the projection hidden a changed rate regenerates nothing.
    global().setProjectedMonths(-1);
    EXPECT_TRUE(update(kEurJpyGbp).rateChanged);
    EXPECT_EQ(regenerations, 1);
}

TEST_F(CurrencyStore, FileThatDoesNotMatchTheStoreIsAnInternalErrorThatChangesNothing) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    account("Pounds", currency("GBP"));
    ASSERT_FALSE(ctx.save());
    const std::string withoutGbp =
        writeCurrencies("no-gbp.plist", {{"EUR", "Euros", "0.9"}, {"JPY", "Japanese Yen", "110"}});
    const std::string chfForGbp = writeCurrencies(
        "chf.plist",
        {{"EUR", "Euros", "0.9"}, {"JPY", "Japanese Yen", "110"}, {"CHF", "Swiss Francs", "0.9"}});
    EXPECT_EQ(assertionMessage([&] { (void)update(withoutGbp); }),
              "Internal currencies inconsistent with default currencies list.");
    EXPECT_EQ(assertionMessage([&] { (void)update(chfForGbp); }),
              "Internal currencies inconsistent with default currencies list.");
    EXPECT_EQ(
        assertionMessage([&] { Currency::setHomeCurrencyTo(currency("EUR"), ctx, withoutGbp); }),
        "Currency file doesn't match Currency objects in context");
    EXPECT_EQ(
        assertionMessage([&] { Currency::setHomeCurrencyTo(currency("EUR"), ctx, chfForGbp); }),
        "Corresponding currency not found in new currencies hash");
    EXPECT_FALSE(ctx.hasChanges());
}

TEST_F(CurrencyStore, SwitchingHomeBackAndForthKeepsAmountsAndAccountCurrencies) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    account("Checking", nullptr);
    account("Euro Savings", currency("EUR"));
    account("Yen Cash", currency("JPY"));
    const Texts before = accounts();

    Currency::setHomeCurrencyTo(currency("EUR"), ctx, kEurJpyGbp);
    EXPECT_EQ(global().homeCurrency(), "EUR");
    EXPECT_EQ(
        accounts(),
        (Texts{{"Checking", "USD 10.55"}, {"Euro Savings", " 10.55"}, {"Yen Cash", "JPY 10.55"}}));
    EXPECT_EQ(rates(), (Texts{{"USD", "1.25"}, {"JPY", "137.5"}, {"GBP", "0.625"}}));

    Currency::setHomeCurrencyTo(currency("USD"), ctx, kEurJpyGbp);
    EXPECT_EQ(global().homeCurrency(), "USD");
    EXPECT_EQ(accounts(), before);
    EXPECT_EQ(rates(), (Texts{{"EUR", "0.8"}, {"JPY", "110"}, {"GBP", "0.5"}}));
    EXPECT_FALSE(ctx.save());
}

TEST_F(CurrencyStore, LocaleRuleSwitchesOnlyToAListedCurrency) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    // New store, Swiss user: CHF is not in the file, so the home stays USD.
    EXPECT_FALSE(switchToLocale("de_CH"));
    EXPECT_EQ(global().homeCurrency(), "USD");

    EXPECT_TRUE(switchToLocale("de_DE"));
    EXPECT_EQ(global().homeCurrency(), "EUR");
    EXPECT_FALSE(ctx.hasChanges());

    // An older store in EUR: a Swiss locale keeps EUR, so the migration shows no alert.
    EXPECT_FALSE(switchToLocale("de_CH"));
    EXPECT_EQ(global().homeCurrency(), "EUR");
}

}  // namespace

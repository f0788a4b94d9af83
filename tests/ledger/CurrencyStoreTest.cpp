#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyFormatter.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

const std::string kEurJpyGbp =
    std::string(PENNORA_TEST_DATA_DIR) + "/ledger/EurJpyGbpCurrencies.plist";

struct FileEntry {
    const char* code;
    const char* name;
    const char* rate;
};

// Writes a currencies file of `entries` under the test's temporary folder.
std::string writeCurrencies(const std::string& fileName, const std::vector<FileEntry>& entries) {
    const std::string path = testing::TempDir() + "/" + fileName;
    std::ofstream out(path);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><array>\n";
    for (const FileEntry& e : entries) {
        out << "<dict><key>code</key><string>" << e.code << "</string><key>name</key><string>"
            << e.name << "</string><key>rate</key><real>" << e.rate << "</real></dict>\n";
    }
    out << "</array></plist>\n";
    return path;
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
    Account* account(const std::string& name, Currency* in) {
        Account* a = ctx.insert<Account>();
        a->setName(name);
        a->moveTo(root, static_cast<std::int64_t>(root->children().size()));
        a->setCurrency(in);
        a->setStartBalance(Decimal::fromString("10.55"));
        return a;
    }
    // Code and rate of every Currency, and each account's currency code ("" for home).
    std::map<std::string, std::string> rates() {
        std::map<std::string, std::string> text;
        for (const Currency* c : Currency::allInContext(ctx)) {
            text[c->code()] = c->rate().toString();
        }
        return text;
    }
    std::map<std::string, std::string> accountCurrencies() {
        std::map<std::string, std::string> codes;
        for (const Account* a : Account::allInContext(ctx)) {
            codes[a->name()] = a->currency() ? a->currency()->code() : "";
        }
        return codes;
    }
    CurrencyUpdater::UpdateResult update(const std::string& file) {
        return CurrencyUpdater(ctx, file).updateCurrencies();
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
    std::vector<std::string> log;
};

template <typename F>
std::string assertionMessage(F operation) {
    try {
        operation();
    } catch (const AssertionFailure& failure) {
        return failure.message();
    }
    return "(no assertion failure)";
}

TEST_F(CurrencyStore, EuroHomeWorkedExample) {
    global().setHomeCurrency("EUR");
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    EXPECT_EQ(rates(), (std::map<std::string, std::string>{
                           {"USD", "1.25"}, {"JPY", "137.5"}, {"GBP", "0.625"}}));
    EXPECT_EQ(currency("EUR"), nullptr);
    EXPECT_EQ(currency("USD")->name(), "US Dollars");
    EXPECT_EQ(Currency::exchange(Decimal(100), currency("JPY"), nullptr).toString(2), "0.73");
    EXPECT_EQ(Currency::exchange(Decimal(10), nullptr, currency("JPY")).toString(2), "1375.00");
    EXPECT_EQ(Currency::exchange(Decimal::fromString("1.005"), nullptr, nullptr).toString(),
              "1.005");
}

TEST_F(CurrencyStore, FirstUpdateAddsEveryCurrencyAndLaterOnesOnlyWhatChanged) {
    CurrencyUpdater::UpdateResult first = update(kEurJpyGbp);
    EXPECT_EQ(first.added, 3u);
    EXPECT_EQ(first.updated, 0u);
    EXPECT_EQ(log, (std::vector<std::string>{"Added currency EUR", "Added currency GBP",
                                             "Added currency JPY"}));
    EXPECT_FALSE(ctx.hasChanges());

    int regenerations = 0;
    CurrencyUpdater::setExchangedTransferRegeneration([&](ObjectContext&) { ++regenerations; });
    global().setProjectedMonths(2);
    log.clear();

    // Same rate written differently is no change; a new name alone regenerates nothing.
    const std::string renamed =
        writeCurrencies("renamed.plist", {{"EUR", "Euro", "0.80"},
                                          {"JPY", "Japanese Yen", "110"},
                                          {"GBP", "British Pounds", "0.5"}});
    CurrencyUpdater::UpdateResult second = update(renamed);
    EXPECT_EQ(second.updated, 3u);
    EXPECT_FALSE(second.rateChanged);
    EXPECT_EQ(log, std::vector<std::string>{"Updating name for currency EUR"});
    EXPECT_EQ(regenerations, 0);

    log.clear();
    const std::string newRate = writeCurrencies("rate.plist", {{"EUR", "Euro", "0.8"},
                                                               {"JPY", "Japanese Yen", "150"},
                                                               {"GBP", "British Pounds", "0.5"},
                                                               {"CHF", "Swiss Francs", "0.9"}});
    CurrencyUpdater::UpdateResult third = update(newRate);
    EXPECT_TRUE(third.rateChanged);
    EXPECT_EQ(third.added, 1u);
    EXPECT_EQ(log,
              (std::vector<std::string>{"Added currency CHF", "Updating rate for currency JPY"}));
    EXPECT_EQ(regenerations, 1);
    EXPECT_EQ(currency("JPY")->rate(), Decimal(150));

    // With the projection hidden a changed rate regenerates nothing either.
    global().setProjectedMonths(-1);
    const std::string rateBack =
        writeCurrencies("rate-back.plist", {{"EUR", "Euro", "0.8"},
                                            {"JPY", "Japanese Yen", "110"},
                                            {"GBP", "British Pounds", "0.5"},
                                            {"CHF", "Swiss Francs", "0.9"}});
    EXPECT_TRUE(update(rateBack).rateChanged);
    EXPECT_EQ(regenerations, 1);
}

TEST_F(CurrencyStore, StoreCodesMatchTheFileIgnoringCase) {
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("eur");
    euro->setName("Euros");
    euro->setRate(Decimal::fromString("0.8"));
    CurrencyUpdater::UpdateResult result = update(kEurJpyGbp);
    EXPECT_EQ(result.updated, 1u);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(Currency::countInContext(ctx), 3u);
}

TEST_F(CurrencyStore, FileMissingAStoreCurrencyIsAnInternalErrorThatChangesNothing) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    const std::string withoutGbp = writeCurrencies(
        "without-gbp.plist", {{"EUR", "Euro", "0.9"}, {"JPY", "Japanese Yen", "110"}});
    EXPECT_EQ(assertionMessage([&] { (void)update(withoutGbp); }),
              "Internal currencies inconsistent with default currencies list.");
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(currency("EUR")->name(), "Euros");
}

TEST_F(CurrencyStore, SwitchingHomeBackAndForthKeepsAmountsAndAccountCurrencies) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    account("Checking", nullptr);
    account("Euro Savings", currency("EUR"));
    account("Yen Cash", currency("JPY"));
    const auto before = accountCurrencies();
    const std::size_t count = Currency::countInContext(ctx);

    Currency::setHomeCurrencyTo(currency("EUR"), ctx, kEurJpyGbp);
    EXPECT_EQ(global().homeCurrency(), "EUR");
    EXPECT_EQ(accountCurrencies(),
              (std::map<std::string, std::string>{
                  {"Checking", "USD"}, {"Euro Savings", ""}, {"Yen Cash", "JPY"}}));
    EXPECT_EQ(Currency::countInContext(ctx), count);
    EXPECT_EQ(currency("JPY")->rate(), Decimal::fromString("137.5"));

    Currency::setHomeCurrencyTo(currency("USD"), ctx, kEurJpyGbp);
    EXPECT_EQ(global().homeCurrency(), "USD");
    EXPECT_EQ(accountCurrencies(), before);
    EXPECT_EQ(Currency::countInContext(ctx), count);
    EXPECT_EQ(rates(),
              (std::map<std::string, std::string>{{"EUR", "0.8"}, {"JPY", "110"}, {"GBP", "0.5"}}));
    for (const Account* a : Account::allInContext(ctx)) {
        EXPECT_EQ(a->startBalance().toString(), "10.55");
    }
    EXPECT_FALSE(ctx.save());
}

TEST_F(CurrencyStore, SwitchAgainstAFileThatDoesNotMatchChangesNothing) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    account("Pounds", currency("GBP"));
    ASSERT_FALSE(ctx.save());
    const std::string withoutGbp =
        writeCurrencies("no-gbp.plist", {{"EUR", "Euros", "0.8"}, {"JPY", "Japanese Yen", "110"}});
    EXPECT_EQ(
        assertionMessage([&] { Currency::setHomeCurrencyTo(currency("EUR"), ctx, withoutGbp); }),
        "Currency file doesn't match Currency objects in context");
    // Same count, but the code an account is in is gone.
    const std::string chfForGbp = writeCurrencies(
        "chf.plist",
        {{"EUR", "Euros", "0.8"}, {"JPY", "Japanese Yen", "110"}, {"CHF", "Swiss Francs", "0.9"}});
    EXPECT_EQ(
        assertionMessage([&] { Currency::setHomeCurrencyTo(currency("EUR"), ctx, chfForGbp); }),
        "Corresponding currency not found in new currencies hash");
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(global().homeCurrency(), "USD");
}

TEST_F(CurrencyStore, LocaleRuleSwitchesOnlyToAListedCurrency) {
    ASSERT_FALSE(update(kEurJpyGbp).saveError);
    account("Checking", nullptr);

    // A new store in a Swiss locale: CHF is not in the file, so the home stays USD.
    UserLocale::set("de_CH");
    CurrencyUpdater::LocaleResult swiss =
        CurrencyUpdater(ctx, kEurJpyGbp).setHomeCurrencyBasedOnUserLocale();
    EXPECT_FALSE(swiss.changed);
    EXPECT_EQ(global().homeCurrency(), "USD");

    UserLocale::set("de_DE");
    CurrencyUpdater::LocaleResult german =
        CurrencyUpdater(ctx, kEurJpyGbp).setHomeCurrencyBasedOnUserLocale();
    EXPECT_TRUE(german.changed);
    EXPECT_EQ(german.oldHomeCode, "USD");
    EXPECT_EQ(german.newHomeCode, "EUR");
    EXPECT_FALSE(german.saveError);
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(accountCurrencies().at("Checking"), "USD");
    EXPECT_EQ(CurrencyUpdater::homeCurrencyChangedMessage(german.oldHomeCode, german.newHomeCode),
              "Your home currency has been changed from USD to EUR.");

    // An older store already in EUR whose user is in Switzerland keeps EUR: no alert is due.
    UserLocale::set("de_CH");
    CurrencyUpdater::LocaleResult old =
        CurrencyUpdater(ctx, kEurJpyGbp).setHomeCurrencyBasedOnUserLocale();
    EXPECT_FALSE(old.changed);
    EXPECT_EQ(old.newHomeCode, "EUR");
    UserLocale::set("de_AT");
    EXPECT_FALSE(CurrencyUpdater(ctx, kEurJpyGbp).setHomeCurrencyBasedOnUserLocale().changed);
}

TEST_F(CurrencyStore, HomeFormatterFollowsTheStore) {
    UserLocale::set("de_DE");
    global().setHomeCurrency("JPY");
    EXPECT_EQ(CurrencyFormatter::formatterForHomeCurrency(ctx).stringFromDecimal(Decimal(-1234)),
              "-1.234\u00a0¥");
    global().setHomeCurrency("USD");
    EXPECT_EQ(CurrencyFormatter::wholeAmountFormatterForHomeCurrency(ctx).stringFromDecimal(
                  Decimal::fromString("-0.3")),
              "0\u00a0$");
}

}  // namespace

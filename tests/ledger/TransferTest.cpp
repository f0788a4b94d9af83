#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "base/Clock.h"
#include "base/NotificationCenter.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/TransferSetting.h"
#include "ledger/TransferSheetModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

const Date kToday = ymd(2026, 3, 15);

class Transfers : public testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedToday(kToday);
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        checking = account("Checking");
        reserve = account("Reserve");
        ASSERT_FALSE(ctx.save());
    }
    void TearDown() override { Clock::reset(); }

    Account* account(const std::string& name, Currency* in = nullptr) {
        Account* a = ctx.insert<Account>();
        a->setName(name);
        a->moveTo(root, static_cast<std::int64_t>(root->children().size()));
        a->setCurrency(in);
        return a;
    }
    Currency* currency(const char* code, const char* rate) {
        Currency* c = ctx.insert<Currency>();
        c->setCode(code);
        c->setName(code);
        c->setRate(dec(rate));
        return c;
    }
    Category* category(const std::string& name) {
        Category* c = ctx.insert<Category>();
        c->setName(name);
        return c;
    }
    // "title amount" of the account's only transaction.
    static std::string only(const Account& a) {
        if (a.transactions().size() != 1) {
            return std::to_string(a.transactions().size()) + " transactions";
        }
        const Transaction* t = *a.transactions().begin();
        return std::string(t->title().value_or("(none)")) + " " + t->amount().toString(2);
    }

    // The sheet's fields as one line: destination, amount, title (placeholder), category, and
    // whether the advanced pane is shown and the amount was typed.
    static std::string fields(const TransferSheetModel& sheet) {
        const Account* to = sheet.destination();
        std::string text = "to " + (to ? to->name() : "nobody") + ", " +
                           (sheet.amount() ? sheet.amount()->toString(2) : "no amount") + ", '" +
                           sheet.title() + "' (" + sheet.titlePlaceholder() + "), " +
                           (sheet.category() ? sheet.category()->name() : "no category");
        text += sheet.isAdvancedShown() ? ", advanced" : "";
        return text + (sheet.amountChangedByUser() ? ", typed" : "");
    }

    ObjectContext ctx{applicationModel()};
    Node* root = nullptr;
    Account* checking = nullptr;
    Account* reserve = nullptr;
};

TEST_F(Transfers, DefaultTitlesBothLegsAndTheRememberedSetting) {
    Category* transfer = TransferSetting::defaultCategoryInContext(ctx);
    checking->transfer(Decimal(50), *reserve, transfer, std::nullopt, std::nullopt);
    EXPECT_EQ(only(*checking), "To Reserve -50.00");
    EXPECT_EQ(only(*reserve), "From Checking 50.00");
    const Transaction* in = *reserve->transactions().begin();
    EXPECT_EQ(in->date(), kToday);
    EXPECT_TRUE(in->isPending());
    EXPECT_EQ(in->splits().toVector().at(0)->category(), transfer);

    TransferSetting* setting = checking->settingForTransferTo(*reserve);
    ASSERT_NE(setting, nullptr);
    EXPECT_EQ(checking->lastTransferSetting(), setting);
    EXPECT_EQ(setting->amount(), Decimal(50));
    EXPECT_EQ(setting->title(), std::optional<std::string>(""));
    EXPECT_FALSE(ctx.save());

    // The next transfer to the same account overwrites that setting.
    Category* rent = category("Rent");
    checking->transfer(dec("12.5"), *reserve, rent, "Rent share", ymd(2026, 4, 1));
    EXPECT_EQ(checking->transferSettings().size(), 1u);
    EXPECT_EQ(setting->title(), std::optional<std::string>("Rent share"));
    EXPECT_EQ(setting->category(), rent);
    EXPECT_EQ(reserve->transactions().size(), 2u);
    EXPECT_FALSE(ctx.save());
}

TEST_F(Transfers, ConvertsBetweenCurrencies) {
    Currency* euro = currency("EUR", "0.8");
    Currency* yen = currency("JPY", "137.5");
    struct Case {
        Currency* from;
        Currency* to;
        const char* received;
    };
    const Case cases[] = {
        {nullptr, euro, "From Source 80.00"},
        {euro, nullptr, "From Source 125.00"},
        {euro, euro, "From Source 100.00"},
        {yen, euro, "From Source 0.58"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from ? c.from->code() : "home") + " to " +
                     (c.to ? c.to->code() : "home"));
        Account* from = account("Source", c.from);
        Account* to = account("Destination", c.to);
        from->transfer(Decimal(100), *to, nullptr, std::nullopt, std::nullopt);
        EXPECT_EQ(only(*from), "To Destination -100.00");
        EXPECT_EQ(only(*to), c.received);
        // The setting keeps the amount as entered, in the source's currency.
        EXPECT_EQ(from->settingForTransferTo(*to)->amount(), Decimal(100));
    }
}

TEST_F(Transfers, OneSettingPerDestination) {
    checking->transfer(Decimal(5), *reserve, nullptr, std::nullopt, std::nullopt);
    ASSERT_FALSE(ctx.save());
    // A second setting for the pair meets itself and the first: refused, nothing written.
    TransferSetting* second = ctx.insert<TransferSetting>();
    checking->addTransferSettingsObject(second);
    second->setToAccount(reserve);
    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain, "org.pennora.Pennora.ValidationError");
    EXPECT_EQ(error->localizedDescription, "An internal error has occurred. (Code: JIOFE)");
    EXPECT_TRUE(ctx.hasChanges());
    EXPECT_EQ(assertionMessage([&] { (void)checking->settingForTransferTo(*reserve); }),
              "Should not have multiple settings per destination account.");
}

TEST_F(Transfers, DeletingAnAccountRemovesItsSettingsBothWays) {
    Account* travel = account("Travel");
    checking->transfer(Decimal(1), *reserve, nullptr, std::nullopt, std::nullopt);
    reserve->transfer(Decimal(2), *checking, nullptr, std::nullopt, std::nullopt);
    reserve->transfer(Decimal(3), *travel, nullptr, std::nullopt, std::nullopt);
    reserve->transfer(Decimal(4), *checking, nullptr, std::nullopt, std::nullopt);
    ASSERT_EQ(TransferSetting::countInContext(ctx), 3u);
    ctx.deleteObject(*checking);
    EXPECT_EQ(TransferSetting::countInContext(ctx), 1u);
    EXPECT_EQ(reserve->lastTransferSetting(), nullptr);
    EXPECT_NE(reserve->settingForTransferTo(*travel), nullptr);
    EXPECT_FALSE(ctx.save());
}

TEST_F(Transfers, TransferCategoryIsCreatedOnFirstNeedOnly) {
    int posted = 0;
    NotificationObserver observer = NotificationCenter::defaultCenter().observe(
        kPNCategoriesChanged, [&](const std::string&) { ++posted; });
    Category* first = TransferSetting::defaultCategoryInContext(ctx);
    EXPECT_EQ(first->name(), "Transfer");
    EXPECT_EQ(TransferSetting::defaultCategoryInContext(ctx), first);
    EXPECT_EQ(posted, 1);
    first->setName("TRANSFER");
    EXPECT_EQ(TransferSetting::defaultCategoryInContext(ctx), first);
    EXPECT_EQ(Category::countInContext(ctx), 1u);
}

TEST_F(Transfers, SheetProposesTheFirstOtherAccountAndAnEmptyAmountAtFirst) {
    TransferSheetModel sheet(ctx);
    sheet.showSheet(*checking);
    EXPECT_EQ(fields(sheet), "to Reserve, no amount, '' (To Reserve), Transfer");
    sheet.cancel();

    Account* alpha = account("Alpha");
    account("Closed")->setIsClosed(true);
    sheet.showSheet(*reserve);
    EXPECT_EQ(sheet.destinationAccounts(), (std::vector<Account*>{alpha, checking}));
    EXPECT_EQ(fields(sheet), "to Alpha, no amount, '' (To Alpha), Transfer");
    EXPECT_TRUE(sheet.fieldsHoldDefaultSetting());

    // An empty amount transfers zero; the operation does not refuse it.
    sheet.setDate(ymd(2026, 3, 1));
    EXPECT_FALSE(sheet.transfer());
    EXPECT_FALSE(sheet.isOpen());
    EXPECT_EQ(only(*alpha), "From Reserve 0.00");
}

TEST_F(Transfers, SheetReopensWithTheLastSettingAndItsPane) {
    Category* savings = category("Savings");
    TransferSheetModel sheet(ctx);
    sheet.showSheet(*checking);
    sheet.toAccountChanged(*reserve);
    sheet.setAmount(dec("20.004"));
    sheet.toggleAdvanced();
    sheet.setTitle("Monthly saving");
    sheet.setCategory(savings);
    ASSERT_FALSE(sheet.transfer());
    EXPECT_EQ(only(*reserve), "Monthly saving 20.00");

    sheet.showSheet(*checking);
    EXPECT_EQ(fields(sheet), "to Reserve, 20.00, 'Monthly saving' (To Reserve), Savings, advanced");

    // Closing the pane resets it; a transfer with the defaults reopens with the pane closed.
    sheet.toggleAdvanced();
    EXPECT_TRUE(sheet.fieldsHoldDefaultSetting());
    ASSERT_FALSE(sheet.transfer());
    sheet.showSheet(*checking);
    EXPECT_EQ(fields(sheet), "to Reserve, 20.00, '' (To Reserve), Transfer");
    EXPECT_EQ(only(*checking), "2 transactions");
}

TEST_F(Transfers, TypedAmountSurvivesAChangeOfDestination) {
    Account* travel = account("Travel");
    Category* trips = category("Trips");
    checking->transfer(Decimal(30), *reserve, nullptr, std::nullopt, std::nullopt);
    checking->transfer(Decimal(75), *travel, trips, "Holiday fund", std::nullopt);

    TransferSheetModel sheet(ctx);
    sheet.showSheet(*checking);
    EXPECT_EQ(fields(sheet), "to Travel, 75.00, 'Holiday fund' (To Travel), Trips, advanced");
    // Untouched, the amount follows the destination's setting.
    sheet.toAccountChanged(*reserve);
    EXPECT_EQ(fields(sheet), "to Reserve, 30.00, '' (To Reserve), no category, advanced");

    sheet.setAmount(Decimal(42));
    sheet.toAccountChanged(*travel);
    EXPECT_EQ(fields(sheet),
              "to Travel, 42.00, 'Holiday fund' (To Travel), Trips, advanced, typed");

    // A destination without a setting keeps the typed amount and resets the pane.
    Account* other = account("Other");
    sheet.toAccountChanged(*other);
    EXPECT_EQ(fields(sheet), "to Other, 42.00, '' (To Other), Transfer, typed");
    sheet.cancel();
    EXPECT_FALSE(sheet.isOpen());
    EXPECT_EQ(other->transactions().size(), 0u);
}

}  // namespace

#include <gtest/gtest.h>

#include "ledger/Account.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledHooks.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

TEST(ScheduledHooksTest, ARateChangeRegeneratesExchangedTransfers) {
    installScheduledHooks();
    ObjectContext ctx(ApplicationModel::shared());
    ctx.setPersistentStore(std::make_unique<InMemoryStore>());
    Global::sharedInstanceInContext(ctx)->setHomeCurrency("USD");
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("EUR");
    euro->setName("Euro");
    euro->setRate(Decimal(2));  // the file's rate is different
    Node* root = ctx.insert<Node>();
    Account* home = ctx.insert<Account>();
    home->moveTo(root, 0);
    Account* abroad = ctx.insert<Account>();
    abroad->moveTo(root, 1);
    abroad->setCurrency(euro);
    ScheduledItem* transfer = ctx.insert<ScheduledItem>();
    transfer->setTitle("Savings");
    transfer->setAmount(Decimal(-100));
    transfer->setAccount(home);
    transfer->setToAccount(abroad);
    transfer->setNextDueDate(Date::dateWithYear_PN(2024, 3, 15));
    Global::sharedInstanceInContext(ctx)->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, Date::dateWithYear_PN(2024, 3, 10));

    ASSERT_TRUE(CurrencyUpdater(ctx, CurrenciesFile::defaultPath()).updateCurrencies().rateChanged);

    const Decimal expected = Currency::exchange(Decimal(100), nullptr, euro);
    ASSERT_NE(expected, Decimal(200));
    for (const Transaction* t : transfer->projectedTransactions()) {
        if (t->account() == abroad) {
            EXPECT_EQ(t->amount(), expected);
        }
    }
    CurrencyUpdater::setExchangedTransferRegeneration(nullptr);
}

}  // namespace

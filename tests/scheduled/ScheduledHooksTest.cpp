#include <gtest/gtest.h>

#include "ScheduledFixture.h"
#include "ledger/Account.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledHooks.h"
#include "scheduled/ScheduledItem.h"

namespace {

using ScheduledHooksTest = ScheduledFixture;

TEST_F(ScheduledHooksTest, ARateChangeRegeneratesExchangedTransfers) {
    installScheduledHooks();
    global->setHomeCurrency("USD");
    Account* abroad = foreignAccount("EUR", "2");  // the file's rate is different
    ScheduledItem* transfer = item(ymd(2024, 3, 15), "Month", "-100");
    transfer->setToAccount(abroad);
    global->setProjectedMonths(1);
    ScheduledItem::generateProjections(ctx, ymd(2024, 3, 10));

    ASSERT_TRUE(CurrencyUpdater(ctx, CurrenciesFile::defaultPath()).updateCurrencies().rateChanged);

    const Decimal expected = Currency::exchange(Decimal(100), nullptr, abroad->currency());
    ASSERT_NE(expected, Decimal(200));
    EXPECT_EQ(rows(*abroad), Rows{"2024-03-15 " + expected.toString(2) + " generated"});
    CurrencyUpdater::setExchangedTransferRegeneration(nullptr);
}

}  // namespace

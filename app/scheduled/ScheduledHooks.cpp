#include "scheduled/ScheduledHooks.h"

#include "ledger/AccountSheets.h"
#include "ledger/CurrencyUpdater.h"
#include "scheduled/ScheduledItem.h"

void installScheduledHooks() {
    CurrencyUpdater::setExchangedTransferRegeneration([](ObjectContext& context) {
        for (ScheduledItem* item : ScheduledItem::allWithExchangedTransfer(context)) {
            item->regenerateProjection();
        }
    });
    AccountSheets::setTransferRegeneration([](Account& account) {
        for (ScheduledItem* item : ScheduledItem::itemsOfAccount(account)) {
            if (item->isTransfer()) {
                item->regenerateProjection();
            }
        }
    });
}

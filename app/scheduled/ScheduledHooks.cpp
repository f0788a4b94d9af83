#include "scheduled/ScheduledHooks.h"

#include "ledger/CurrencyUpdater.h"
#include "scheduled/ScheduledItem.h"

void installScheduledHooks() {
    CurrencyUpdater::setExchangedTransferRegeneration([](ObjectContext& context) {
        for (ScheduledItem* item : ScheduledItem::allWithExchangedTransfer(context)) {
            item->regenerateProjection();
        }
    });
}

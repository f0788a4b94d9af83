#include "session/ApplicationModel.h"

#include "budgets/Budget.h"
#include "budgets/BudgetHooks.h"
#include "budgets/CategoryLimit.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/TransferSetting.h"
#include "ledger/migration/LedgerMigrations.h"
#include "scheduled/ScheduledItem.h"

const EntityModel& ApplicationModel::shared() {
    static const EntityModel model(
        1, {&Node::entityDescription(), &Account::entityDescription(),
            &AccountGroup::entityDescription(), &Transaction::entityDescription(),
            &Split::entityDescription(), &Category::entityDescription(),
            &CategoryGroup::entityDescription(), &Currency::entityDescription(),
            &Global::entityDescription(), &ScheduledItem::entityDescription(),
            &Budget::entityDescription(), &CategoryLimit::entityDescription(),
            &TransferSetting::entityDescription()});
    // Stores of older model versions migrate when opened with this model, and the budgets
    // follow every category inserted into one of its contexts.
    static const bool installed = (LedgerMigrations::install(model), installBudgetHooks(), true);
    (void)installed;
    return model;
}

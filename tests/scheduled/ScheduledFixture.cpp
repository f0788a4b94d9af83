#include "ScheduledFixture.h"

#include <algorithm>

#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Global.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "scheduled/ScheduledItem.h"
#include "store/InMemoryStore.h"

ScheduledFixture::ScheduledFixture() {
    auto store = std::make_unique<InMemoryStore>();
    memory = store.get();
    ctx.setPersistentStore(std::move(store));
    global = Global::sharedInstanceInContext(ctx);
    root = ctx.insert<Node>();
    checking = ctx.insert<Account>();
    checking->setName("Checking");
    checking->moveTo(root, 0);
    category = ctx.insert<Category>();
    category->setName("Lessons");
}

ScheduledItem* ScheduledFixture::item(Date due, const char* type, const char* amount) {
    auto* item = ctx.insert<ScheduledItem>();
    item->setTitle("Bill");
    item->setAmount(Decimal::fromString(amount));
    item->setRepeatType(std::string(type));
    item->setRepeatInterval(1);
    item->setNextDueDate(due);
    item->setAccount(checking);
    item->setCategory(category);
    return item;
}

Account* ScheduledFixture::foreignAccount(const char* code, const char* rate) {
    auto* currency = ctx.insert<Currency>();
    currency->setCode(code);
    currency->setRate(Decimal::fromString(rate));
    auto* account = ctx.insert<Account>();
    account->setName(code);
    account->setCurrency(currency);
    account->moveTo(root, static_cast<std::int64_t>(root->children().size()));
    return account;
}

ScheduledFixture::Rows ScheduledFixture::rows(const Account& account) {
    Rows out;
    for (const Transaction* t : account.transactions().toVector()) {
        out.push_back(t->date().toISOString() + " " + t->amount().toString(2) + " " +
                      (t->isGenerated() ? "generated" : "real"));
    }
    std::sort(out.begin(), out.end());  // ISO dates sort as text
    return out;
}

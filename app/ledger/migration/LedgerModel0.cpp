#include "ledger/migration/LedgerModel0.h"

#include "store/migration/DynamicEntityBuilder.h"

using K = AttributeKind;

const EntityModel& LedgerModel0::model() {
    static const EntityModel m(kVersion, {&node(), &account(), &accountGroup(), &accountIndex(),
                                          &accountGroupIndex(), &transaction(), &split(),
                                          &category(), &categoryGroup(), &currency(), &global()});
    return m;
}

const EntityDescription& LedgerModel0::node() {
    static const EntityDescription d = DynamicEntityBuilder("Node", &node)
                                           .attribute("identifier", K::Text, true)
                                           .toOne("parent", &node, "children")
                                           .toMany("children", &node, "parent")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::account() {
    static const EntityDescription d =
        DynamicEntityBuilder("Account", &account)
            .parent(node())
            .attribute("name", K::Text)
            .attribute("isCash", K::Boolean)
            .attribute("isClosed", K::Boolean)
            .attribute("startBalance", K::Decimal)
            .attribute("qifDateOrder", K::Text, true)
            .toOne("currency", &currency, "account")
            .toMany("transactions", &transaction, "account", DeleteRule::Cascade)
            .toOne("sidebarIndex", &accountIndex, "account", DeleteRule::Cascade)
            .build();
    return d;
}

const EntityDescription& LedgerModel0::accountGroup() {
    static const EntityDescription d =
        DynamicEntityBuilder("AccountGroup", &accountGroup)
            .parent(node())
            .attribute("name", K::Text)
            .attribute("isExpanded", K::Boolean)
            .toOne("sidebarIndex", &accountGroupIndex, "group", DeleteRule::Cascade)
            .build();
    return d;
}

const EntityDescription& LedgerModel0::accountIndex() {
    static const EntityDescription d = DynamicEntityBuilder("AccountIndex", &accountIndex)
                                           .attribute("position", K::Integer)
                                           .toOne("account", &account, "sidebarIndex")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::accountGroupIndex() {
    static const EntityDescription d = DynamicEntityBuilder("AccountGroupIndex", &accountGroupIndex)
                                           .attribute("position", K::Integer)
                                           .toOne("group", &accountGroup, "sidebarIndex")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::transaction() {
    static const EntityDescription d =
        DynamicEntityBuilder("Transaction", &transaction)
            .attribute("date", K::Date)
            .attribute("title", K::Text, true)
            .attribute("notes", K::Text, true)
            .attribute("amount", K::Decimal)
            .attribute("sortID", K::Integer)
            .attribute("checkNumber", K::Integer, true)
            .attribute("isPending", K::Boolean)
            .attribute("isImported", K::Boolean)
            .attribute("ofxAmount", K::Decimal, true)
            .attribute("ofxTitle", K::Text, true)
            .attribute("ofxDate", K::Date, true)
            .attribute("ofxFitID", K::Text, true)
            .attribute("type", K::Text, true)
            .toOne("account", &account, "transactions")
            .toMany("splits", &split, "transaction", DeleteRule::Cascade)
            .build();
    return d;
}

const EntityDescription& LedgerModel0::split() {
    static const EntityDescription d = DynamicEntityBuilder("Split", &split)
                                           .attribute("amount", K::Decimal)
                                           .toOne("transaction", &transaction, "splits")
                                           .toOne("category", &category, "splits")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::category() {
    static const EntityDescription d = DynamicEntityBuilder("Category", &category)
                                           .attribute("name", K::Text)
                                           .toOne("group", &categoryGroup, "categories")
                                           .toMany("splits", &split, "category")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::categoryGroup() {
    static const EntityDescription d = DynamicEntityBuilder("CategoryGroup", &categoryGroup)
                                           .attribute("name", K::Text)
                                           .toMany("categories", &category, "group")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::currency() {
    static const EntityDescription d = DynamicEntityBuilder("Currency", &currency)
                                           .attribute("code", K::Text)
                                           .attribute("name", K::Text)
                                           .attribute("rate", K::Decimal)
                                           .toMany("account", &account, "currency")
                                           .build();
    return d;
}

const EntityDescription& LedgerModel0::global() {
    static const EntityDescription d = DynamicEntityBuilder("Global", &global)
                                           .attribute("homeCurrency", K::Text)
                                           .attribute("internalVersion", K::Integer, true)
                                           .attribute("nextSortID", K::Integer)
                                           .build();
    return d;
}

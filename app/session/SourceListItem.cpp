#include "session/SourceListItem.h"

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"

SourceListItem SourceListItem::forObject(ManagedObject* object) {
    if (dynamic_cast<::Account*>(object) != nullptr) {
        return SourceListItem(Kind::Account, object);
    }
    if (dynamic_cast<::AccountGroup*>(object) != nullptr) {
        return SourceListItem(Kind::AccountGroup, object);
    }
    if (dynamic_cast<::Budget*>(object) != nullptr) {
        return SourceListItem(Kind::Budget, object);
    }
    PN_ASSERTION_FAILURE("UnexpectedCase: Unexpected class for item");
}

bool SourceListItem::isHeader() const {
    return m_kind == Kind::TransactionsHeader || m_kind == Kind::ChartsHeader ||
           m_kind == Kind::BudgetsHeader;
}

bool SourceListItem::showsRegister() const {
    return m_kind == Kind::Account || m_kind == Kind::AccountGroup || m_kind == Kind::AllAccounts;
}

Account* SourceListItem::account() const {
    return m_kind == Kind::Account ? static_cast<::Account*>(m_object) : nullptr;
}

AccountGroup* SourceListItem::group() const {
    return m_kind == Kind::AccountGroup ? static_cast<::AccountGroup*>(m_object) : nullptr;
}

Budget* SourceListItem::budget() const {
    return m_kind == Kind::Budget ? static_cast<::Budget*>(m_object) : nullptr;
}

Node* SourceListItem::node() const {
    if (m_kind == Kind::Account || m_kind == Kind::AccountGroup) {
        return static_cast<Node*>(m_object);
    }
    return nullptr;
}

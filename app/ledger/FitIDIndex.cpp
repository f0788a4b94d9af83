#include "ledger/FitIDIndex.h"

#include <functional>

#include "ledger/Transaction.h"
#include "store/EntityDescription.h"
#include "store/ObjectContext.h"

std::size_t FitIDIndex::KeyHash::operator()(const Key& key) const {
    return std::hash<std::string>()(key.fitID) * 31 + std::hash<const Account*>()(key.account);
}

FitIDIndex::FitIDIndex(ObjectContext& context) : m_context(context) {
    context.forEachObject(Transaction::entityDescription(), [this](ManagedObject& object) {
        refile(static_cast<const Transaction&>(object));
        return true;
    });
    m_context.addObserver(this);
}

FitIDIndex::~FitIDIndex() {
    m_context.removeObserver(this);
}

FitIDIndex& FitIDIndex::of(ObjectContext& context) {
    return context.extension<FitIDIndex>();
}

std::size_t FitIDIndex::count(const Account* account, std::string_view fitID) const {
    auto found = m_counts.find(Key{account, std::string(fitID)});
    return found == m_counts.end() ? 0 : found->second;
}

void FitIDIndex::forget(const Transaction& transaction) {
    auto filed = m_filed.find(&transaction);
    if (filed == m_filed.end()) {
        return;
    }
    auto counted = m_counts.find(filed->second);
    if (counted != m_counts.end() && --counted->second == 0) {
        m_counts.erase(counted);
    }
    m_filed.erase(filed);
}

void FitIDIndex::refile(const Transaction& transaction) {
    forget(transaction);
    if (transaction.isDeleted() || !transaction.ofxFitID()) {
        return;
    }
    Key key{transaction.account(), std::string(*transaction.ofxFitID())};
    ++m_counts[key];
    m_filed.emplace(&transaction, std::move(key));
}

void FitIDIndex::objectInserted(ManagedObject& object) {
    if (const auto* transaction = dynamic_cast<const Transaction*>(&object)) {
        refile(*transaction);
    }
}

void FitIDIndex::objectRemoved(ManagedObject& object) {
    if (const auto* transaction = dynamic_cast<const Transaction*>(&object)) {
        forget(*transaction);
    }
}

void FitIDIndex::attributeDidChange(ManagedObject& object, const AttributeDescription& attribute) {
    if (attribute.name != "ofxFitID") {
        return;
    }
    if (const auto* transaction = dynamic_cast<const Transaction*>(&object)) {
        refile(*transaction);
    }
}

void FitIDIndex::relationshipLinked(ManagedObject& object,
                                    const RelationshipDescription& relationship,
                                    ManagedObject& /*target*/) {
    if (relationship.name != "account") {
        return;
    }
    if (const auto* transaction = dynamic_cast<const Transaction*>(&object)) {
        refile(*transaction);
    }
}

void FitIDIndex::relationshipUnlinked(ManagedObject& object,
                                      const RelationshipDescription& relationship,
                                      ManagedObject& target) {
    relationshipLinked(object, relationship, target);
}

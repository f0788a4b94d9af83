#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "store/ContextObserver.h"

class Account;
class ObjectContext;
class Transaction;

// How many transactions of each account carry each FIT ID, kept per context so that the
// uniqueness rule checked at every save of an imported transaction is one look-up, not a walk
// over the account. Follows every change of a transaction's account or FIT ID (setters,
// deletes, undo, redo and loading), like LedgerIndex.
class FitIDIndex final : public ContextObserver {
public:
    // Indexes what the context holds now, then follows its changes.
    explicit FitIDIndex(ObjectContext& context);
    ~FitIDIndex() override;
    FitIDIndex(const FitIDIndex&) = delete;
    FitIDIndex& operator=(const FitIDIndex&) = delete;

    static FitIDIndex& of(ObjectContext& context);

    // The number of live transactions of `account` (nullptr: of no account) with `fitID`.
    std::size_t count(const Account* account, std::string_view fitID) const;

    void objectInserted(ManagedObject& object) override;
    void objectRemoved(ManagedObject& object) override;
    void attributeDidChange(ManagedObject& object, const AttributeDescription& attribute) override;
    void relationshipLinked(ManagedObject& object, const RelationshipDescription& relationship,
                            ManagedObject& target) override;
    void relationshipUnlinked(ManagedObject& object, const RelationshipDescription& relationship,
                              ManagedObject& target) override;

private:
    struct Key {
        const Account* account = nullptr;
        std::string fitID;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    void forget(const Transaction& transaction);
    // Files the transaction under its current account and FIT ID.
    void refile(const Transaction& transaction);

    ObjectContext& m_context;
    std::unordered_map<Key, std::size_t, KeyHash> m_counts;
    std::unordered_map<const Transaction*, Key> m_filed;
};

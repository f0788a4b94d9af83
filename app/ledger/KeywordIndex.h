#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "store/ContextObserver.h"
#include "store/ManagedObject.h"

class ObjectContext;
class Transaction;

// The keywords of every transaction (title, category names, notes, amount) folded for a
// case- and diacritic-insensitive search, kept per context so that a search as the user types
// folds only the text typed. A change that alters a transaction's keywords (its title, notes
// or amount, a split added, removed or recategorized, a category renamed; by setters, undo,
// redo or loading alike) drops its folded text, which is folded again on its next question.
// `foldAhead` folds the texts of an opened store a slice at a time while the program is idle,
// so that even the first search finds them folded.
class KeywordIndex final : public ContextObserver {
public:
    explicit KeywordIndex(ObjectContext& context);
    ~KeywordIndex() override;
    KeywordIndex(const KeywordIndex&) = delete;
    KeywordIndex& operator=(const KeywordIndex&) = delete;

    static KeywordIndex& of(ObjectContext& context);

    // foldForComparison(transaction.keywords()), valid until the next change of the context.
    std::string_view foldedKeywords(const Transaction& transaction);
    // True when the folded keywords contain `foldedText` (folded by the caller, once).
    bool contains(const Transaction& transaction, std::string_view foldedText) {
        return foldedKeywords(transaction).find(foldedText) != std::string_view::npos;
    }

    // Folds the keywords of up to `count` of the transactions there were at the first call and
    // whose text is not folded yet. Returns true while some are left for a later call.
    bool foldAhead(std::size_t count);

    void objectInserted(ManagedObject& object) override;
    void objectRemoved(ManagedObject& object) override;
    void attributeDidChange(ManagedObject& object, const AttributeDescription& attribute) override;
    void relationshipLinked(ManagedObject& object, const RelationshipDescription& relationship,
                            ManagedObject& target) override;
    void relationshipUnlinked(ManagedObject& object, const RelationshipDescription& relationship,
                              ManagedObject& target) override;

private:
    static constexpr std::uint32_t kStale = std::numeric_limits<std::uint32_t>::max();
    // Where a transaction's folded text lies in m_text; by object ID.
    struct Entry {
        std::uint32_t offset = 0;
        std::uint32_t length = kStale;
    };

    Entry& entryOf(const Transaction& transaction);
    void fold(const Transaction& transaction, Entry& entry);
    void invalidate(const ManagedObject* transaction);
    void compactIfWasteful();

    ObjectContext& m_context;
    std::vector<Entry> m_entries;
    std::string m_text;
    std::size_t m_unused = 0;  // bytes of m_text no entry points at any more
    // The transactions `foldAhead` has still to visit, by ID (an object deleted meanwhile is
    // skipped); empty and released once all are visited.
    std::vector<ObjectID> m_toFoldAhead;
    bool m_foldAheadStarted = false;
};

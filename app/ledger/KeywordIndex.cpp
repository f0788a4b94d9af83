#include "ledger/KeywordIndex.h"

#include <algorithm>

#include "base/TextFolding.h"
#include "ledger/Category.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "store/ObjectContext.h"

KeywordIndex::KeywordIndex(ObjectContext& context) : m_context(context) {
    m_context.addObserver(this);
}

KeywordIndex::~KeywordIndex() {
    m_context.removeObserver(this);
}

KeywordIndex& KeywordIndex::of(ObjectContext& context) {
    return context.extension<KeywordIndex>();
}

std::string_view KeywordIndex::foldedKeywords(const Transaction& transaction) {
    Entry& entry = entryOf(transaction);
    if (entry.length == kStale) {
        compactIfWasteful();
        fold(transaction, entry);
    }
    return std::string_view(m_text).substr(entry.offset, entry.length);
}

bool KeywordIndex::foldAhead(std::size_t count) {
    if (!m_foldAheadStarted) {
        m_foldAheadStarted = true;
        const EntityDescription& entity = Transaction::entityDescription();
        m_toFoldAhead.reserve(m_context.countObjects(entity));
        ObjectID largest = 0;
        m_context.forEachObject(entity, [&](ManagedObject& object) {
            m_toFoldAhead.push_back(object.objectID());
            largest = std::max(largest, object.objectID());
            return true;
        });
        // Visited from the back: the newest objects, the likeliest to be searched, first.
        std::reverse(m_toFoldAhead.begin(), m_toFoldAhead.end());
        if (largest >= m_entries.size()) {
            m_entries.resize(largest + 1);
        }
    }
    for (; count > 0 && !m_toFoldAhead.empty(); --count) {
        const ObjectID id = m_toFoldAhead.back();
        m_toFoldAhead.pop_back();
        if (auto* transaction = static_cast<Transaction*>(
                m_context.objectWithID(Transaction::entityDescription(), id))) {
            foldedKeywords(*transaction);
        }
    }
    if (m_toFoldAhead.empty()) {
        m_toFoldAhead = {};
        return false;
    }
    return true;
}

KeywordIndex::Entry& KeywordIndex::entryOf(const Transaction& transaction) {
    const std::size_t id = transaction.objectID();
    if (id >= m_entries.size()) {
        m_entries.resize(id + 1);
    }
    return m_entries[id];
}

void KeywordIndex::fold(const Transaction& transaction, Entry& entry) {
    const std::size_t offset = m_text.size();
    appendFoldedForComparison(m_text, transaction.keywords());
    entry.offset = static_cast<std::uint32_t>(offset);
    entry.length = static_cast<std::uint32_t>(m_text.size() - offset);
}

void KeywordIndex::invalidate(const ManagedObject* transaction) {
    if (transaction == nullptr || transaction->objectID() >= m_entries.size()) {
        return;
    }
    Entry& entry = m_entries[transaction->objectID()];
    if (entry.length != kStale) {
        m_unused += entry.length;
        entry.length = kStale;
    }
}

// Texts of changed transactions are appended anew; once most of the buffer is left over
// from earlier versions, the live texts are copied into a fresh one.
void KeywordIndex::compactIfWasteful() {
    if (m_unused < (1u << 20) || m_unused < m_text.size() / 2) {
        return;
    }
    std::string compact;
    compact.reserve(m_text.size() - m_unused);
    for (Entry& entry : m_entries) {
        if (entry.length != kStale) {
            const std::uint32_t offset = static_cast<std::uint32_t>(compact.size());
            compact.append(m_text, entry.offset, entry.length);
            entry.offset = offset;
        }
    }
    m_text = std::move(compact);
    m_unused = 0;
}

void KeywordIndex::objectInserted(ManagedObject& object) {
    if (dynamic_cast<Transaction*>(&object) != nullptr) {
        invalidate(&object);
    }
}

void KeywordIndex::objectRemoved(ManagedObject& object) {
    objectInserted(object);
}

void KeywordIndex::attributeDidChange(ManagedObject& object,
                                      const AttributeDescription& attribute) {
    const std::string& name = attribute.name;
    if (dynamic_cast<Transaction*>(&object) != nullptr) {
        if (name == "title" || name == "notes" || name == "amount") {
            invalidate(&object);
        }
    } else if (auto* category = dynamic_cast<Category*>(&object)) {
        if (name == "name") {
            for (const Split* split : category->splits()) {
                invalidate(split->transaction());
            }
        }
    }
}

void KeywordIndex::relationshipLinked(ManagedObject& object,
                                      const RelationshipDescription& relationship,
                                      ManagedObject& target) {
    relationshipUnlinked(object, relationship, target);
}

void KeywordIndex::relationshipUnlinked(ManagedObject& object,
                                        const RelationshipDescription& relationship,
                                        ManagedObject& target) {
    if (auto* split = dynamic_cast<Split*>(&object)) {
        if (relationship.name == "category") {
            invalidate(split->transaction());
        } else if (relationship.name == "transaction") {
            invalidate(&target);
        }
    }
}

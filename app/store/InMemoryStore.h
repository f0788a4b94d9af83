#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/ManagedObject.h"
#include "store/PersistentStore.h"
#include "store/StoreRows.h"

// A store held in memory, for tests: rows of attribute values and target IDs per object. Like
// a file store it writes only what a change set marks as changed, all or nothing, and can be
// loaded into a fresh context. A save can be made to fail on purpose.
class InMemoryStore final : public PersistentStore {
public:
    [[nodiscard]] std::optional<ValidationError> load(ObjectContext& context) override;
    [[nodiscard]] std::optional<ValidationError> save(const ChangeSet& changes) override;

    // The next save returns `error` and writes nothing.
    void failNextSave(ValidationError error) { m_failNext = std::move(error); }
    // Number of successful saves.
    int saveCount() const { return m_saveCount; }
    std::size_t rowCount() const { return m_rows.size(); }
    // The stored rows as text, one line per object in ascending ID, in the format of
    // dumpObjectGraph; equal to dumpObjectGraph of a context that holds exactly this content.
    std::string dump() const;

private:
    using Row = StoredRow;
    std::optional<ValidationError> checkChanges(const ChangeSet& changes) const;

    std::map<ObjectID, Row> m_rows;
    std::optional<ValidationError> m_failNext;
    int m_saveCount = 0;
};

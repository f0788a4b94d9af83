#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/ManagedObject.h"
#include "store/SQLiteSchema.h"

struct sqlite3;
class EntityModel;
class ObjectContext;
class SQLiteStatement;

// Reads every object of an SQLite store into a context, once. The context first reserves room
// from the tables' row counts (one block per entity, the ID map and registries sized once);
// the tables are then read so that those a table's rows point at come first, and each link is
// made as its row is read (only links to a table not read yet wait for the end).
//
// Two threads share the work: one steps through the rows and copies their columns out, the
// calling thread decodes the values and makes the objects and links, a batch of rows behind. Only
// the reading thread uses the connection while the rows are read; the context is only touched by
// the calling thread.
class SQLiteLoader final {
public:
    // A row that no store of the model could have written (a damaged or foreign file).
    struct Damage final {
        std::string reason;
    };

    // REQUIRES: `db`, `schema` and `model` outlive the loader.
    SQLiteLoader(sqlite3* db, const SQLiteSchema& schema, const EntityModel& model);
    ~SQLiteLoader();

    // Loads into `context`. REQUIRES: a read transaction is open on `db`. Throws SQLiteError
    // when SQLite fails and Damage for a damaged row; the context then holds part of the graph.
    void load(ObjectContext& context);

private:
    struct PendingLink {
        ManagedObject* object;
        const RelationshipDescription* relationship;
        ObjectID target;
    };
    // The column numbers of one entity's attributes and relationships in its table's query
    // (-1: a relationship without a column).
    struct Columns {
        std::vector<int> attributes;
        std::vector<int> relationships;
        // By relationship index: whether the target's table has been read, so that the link
        // can be made at once.
        std::vector<bool> targetRead;
    };

    class RowQueue;
    struct RowBatch;

    std::vector<const SQLiteSchema::Table*> tablesInLinkOrder() const;
    const SQLiteSchema::Table* tableOf(const EntityDescription& entity) const;
    void reserve(ObjectContext& context) const;

    // The reading thread's part: every table's rows in order, then the queue closed. A
    // failure goes with the last batch; false when it ended the reading or the loading side
    // stopped.
    void readTables(const std::vector<const SQLiteSchema::Table*>& tables, RowQueue& queue);
    bool readTable(const SQLiteSchema::Table& table, RowQueue& queue);
    void readRow(const SQLiteStatement& rows, ObjectID id, const EntityDescription& entity,
                 const Columns& columns, RowBatch& batch) const;
    Columns columnsOf(const SQLiteSchema::Table& table, const EntityDescription& entity) const;

    // The calling thread's part.
    void loadBatch(ObjectContext& context, RowBatch& batch);
    void link(ObjectContext& context, ManagedObject& object, const RelationshipDescription& r,
              ObjectID target) const;
    void loadJoinTables(ObjectContext& context) const;

    sqlite3* m_db;
    const SQLiteSchema& m_schema;
    const EntityModel& m_model;
    // The reading thread's: the tables read so far, and each entity's columns (a row batch
    // points at them until the end of the load).
    std::vector<const SQLiteSchema::Table*> m_tablesRead;
    std::map<const EntityDescription*, Columns> m_columns;
    // The calling thread's.
    std::vector<PendingLink> m_pending;
    std::vector<AttributeValue> m_values;  // the row being loaded, kept to reuse its memory
};

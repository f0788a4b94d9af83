#pragma once

#include <cstddef>
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
class SQLiteLoader final {
public:
    // A row that no store of the model could have written (a damaged or foreign file).
    struct Damage final {
        std::string reason;
    };

    // REQUIRES: `db`, `schema` and `model` outlive the loader.
    SQLiteLoader(sqlite3* db, const SQLiteSchema& schema, const EntityModel& model);

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

    std::vector<const SQLiteSchema::Table*> tablesInLinkOrder() const;
    const SQLiteSchema::Table* tableOf(const EntityDescription& entity) const;
    void reserve(ObjectContext& context) const;
    void loadTable(ObjectContext& context, const SQLiteSchema::Table& table);
    void loadRow(ObjectContext& context, const SQLiteStatement& rows,
                 const EntityDescription& entity, const Columns& columns);
    Columns columnsOf(const SQLiteSchema::Table& table, const EntityDescription& entity) const;
    void link(ObjectContext& context, ManagedObject& object, const RelationshipDescription& r,
              ObjectID target) const;
    void loadJoinTables(ObjectContext& context) const;

    sqlite3* m_db;
    const SQLiteSchema& m_schema;
    const EntityModel& m_model;
    std::vector<const SQLiteSchema::Table*> m_tablesRead;
    std::vector<PendingLink> m_pending;
    std::vector<AttributeValue> m_values;  // the row being read, kept to reuse its memory
};

#include "store/SQLiteSchema.h"

#include <algorithm>

#include "base/AssertionFailure.h"
#include "store/EntityDescription.h"
#include "store/EntityModel.h"

namespace {

const char* sqlTypeOf(AttributeKind kind) {
    switch (kind) {
        case AttributeKind::Date:
        case AttributeKind::Integer:
        case AttributeKind::Boolean:
            return "INTEGER";
        case AttributeKind::Text:
        case AttributeKind::Decimal:
        case AttributeKind::ArchivedList:
            return "TEXT";
    }
    return "TEXT";
}

// Finds or adds a column of that name and type; a clash of types gets an entity-qualified name.
std::string columnFor(SQLiteSchema::Table& table, const EntityDescription& entity,
                      const std::string& name, const std::string& type) {
    for (const auto& [existing, existingType] : table.columns) {
        if (existing == name) {
            if (existingType == type) {
                return name;
            }
            return columnFor(table, entity, entity.name() + "_" + name, type);
        }
    }
    table.columns.emplace_back(name, type);
    return name;
}

// Of the two ends of a many-to-many relationship, the one that writes the join rows.
bool writesJoinRows(const EntityDescription& entity, const RelationshipDescription& r) {
    const std::string mine = entity.name() + "." + r.name;
    const std::string theirs = r.destination().name() + "." + r.inverseName;
    return mine <= theirs;
}

}  // namespace

std::string quoteSQLName(const std::string& name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

SQLiteSchema::SQLiteSchema(const EntityModel& model) {
    for (const EntityDescription* root : model.rootEntities()) {
        Table table;
        table.name = root->name();
        table.root = root;
        for (const EntityDescription* entity : model.concreteEntitiesOf(*root)) {
            EntityLayout layout;
            layout.entity = entity;
            layout.table = table.name;
            for (const AttributeDescription& a : entity->attributes()) {
                layout.attributeColumns.push_back(
                    columnFor(table, *entity, a.name, sqlTypeOf(a.kind)));
            }
            for (const RelationshipDescription& r : entity->relationships()) {
                const bool inverseToMany = r.inverse().toMany;
                if (!r.toMany) {
                    layout.relationshipColumns.push_back(
                        columnFor(table, *entity, r.name + "_id", "INTEGER"));
                    continue;
                }
                layout.relationshipColumns.emplace_back();
                if (inverseToMany && writesJoinRows(*entity, r)) {
                    const std::string name = entity->name() + "_" + r.name;
                    const bool known =
                        std::any_of(m_joinTables.begin(), m_joinTables.end(),
                                    [&](const JoinTable& j) { return j.name == name; });
                    if (!known) {
                        m_joinTables.push_back(JoinTable{name, entity, &r});
                    }
                }
            }
            m_layouts.push_back(std::move(layout));
        }
        m_tables.push_back(std::move(table));
    }
}

const SQLiteSchema::EntityLayout& SQLiteSchema::layoutOf(const EntityDescription& entity) const {
    for (const EntityLayout& layout : m_layouts) {
        if (layout.entity == &entity) {
            return layout;
        }
    }
    PN_ASSERTION_FAILURE("No table layout for entity " + entity.name());
}

std::vector<const SQLiteSchema::JoinTable*> SQLiteSchema::joinTablesTouching(
    const EntityDescription& entity) const {
    std::vector<const JoinTable*> out;
    for (const JoinTable& join : m_joinTables) {
        if (entity.isKindOf(*join.entity) || entity.isKindOf(join.relationship->destination())) {
            out.push_back(&join);
        }
    }
    return out;
}

std::vector<std::string> SQLiteSchema::createStatements() const {
    std::vector<std::string> statements;
    statements.push_back(
        "CREATE TABLE pennora_metadata (key TEXT PRIMARY KEY, value TEXT NOT NULL)");
    for (const Table& table : m_tables) {
        std::string sql = "CREATE TABLE " + quoteSQLName(table.name) +
                          " (id INTEGER PRIMARY KEY, entity TEXT NOT NULL";
        for (const auto& [name, type] : table.columns) {
            sql += ", " + quoteSQLName(name) + " " + type;
        }
        statements.push_back(sql + ")");
    }
    for (const JoinTable& join : m_joinTables) {
        statements.push_back("CREATE TABLE " + quoteSQLName(join.name) +
                             " (source INTEGER NOT NULL, target INTEGER NOT NULL)");
        statements.push_back("CREATE INDEX " + quoteSQLName(join.name + "_source") + " ON " +
                             quoteSQLName(join.name) + " (source)");
    }
    return statements;
}

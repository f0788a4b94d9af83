#pragma once

#include <string>
#include <vector>

class EntityDescription;
class EntityModel;
struct RelationshipDescription;

// How an entity model lies in SQLite tables: one table per entity hierarchy (named after its
// root entity) with an "id" and an "entity" column, one column per attribute, and one foreign-key
// column ("<name>_id") per to-one relationship. A to-many relationship whose inverse is to-one
// is not stored (the other end's column holds it); a many-to-many one gets a join table on one
// side. Sibling entities share a column when they declare a property of the same name and kind.
class SQLiteSchema final {
public:
    struct EntityLayout {
        const EntityDescription* entity = nullptr;
        std::string table;
        // By attribute index.
        std::vector<std::string> attributeColumns;
        // By relationship index; empty for a relationship without a column.
        std::vector<std::string> relationshipColumns;
    };
    struct JoinTable {
        std::string name;
        // The side that writes the rows; "source" is its object, "target" the other end.
        const EntityDescription* entity = nullptr;
        const RelationshipDescription* relationship = nullptr;
    };
    struct Table {
        std::string name;
        const EntityDescription* root = nullptr;
        // Every column after "id" and "entity", with its SQL type.
        std::vector<std::pair<std::string, std::string>> columns;
    };

    explicit SQLiteSchema(const EntityModel& model);

    const std::vector<Table>& tables() const { return m_tables; }
    const std::vector<JoinTable>& joinTables() const { return m_joinTables; }
    // REQUIRES: the entity is concrete and in the model.
    const EntityLayout& layoutOf(const EntityDescription& entity) const;
    // The join tables either end of which is `entity` (or one of its super-entities).
    std::vector<const JoinTable*> joinTablesTouching(const EntityDescription& entity) const;
    // The statements that create every table of an empty store.
    std::vector<std::string> createStatements() const;

private:
    std::vector<Table> m_tables;
    std::vector<JoinTable> m_joinTables;
    std::vector<EntityLayout> m_layouts;
};

// "name" in double quotes, inner quotes doubled.
std::string quoteSQLName(const std::string& name);

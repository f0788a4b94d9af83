#include "store/SQLiteLoader.h"

#include <algorithm>
#include <functional>
#include <map>

#include "store/EntityDescription.h"
#include "store/EntityModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStatement.h"
#include "store/SQLiteValueCodec.h"

SQLiteLoader::SQLiteLoader(sqlite3* db, const SQLiteSchema& schema, const EntityModel& model)
    : m_db(db), m_schema(schema), m_model(model) {}

void SQLiteLoader::load(ObjectContext& context) {
    reserve(context);
    for (const SQLiteSchema::Table* table : tablesInLinkOrder()) {
        loadTable(context, *table);
        m_tablesRead.push_back(table);
    }
    for (const PendingLink& pending : m_pending) {
        link(context, *pending.object, *pending.relationship, pending.target);
    }
    m_pending.clear();
    loadJoinTables(context);
}

const SQLiteSchema::Table* SQLiteLoader::tableOf(const EntityDescription& entity) const {
    for (const SQLiteSchema::Table& table : m_schema.tables()) {
        if (entity.isKindOf(*table.root)) {
            return &table;
        }
    }
    return nullptr;
}

std::vector<const SQLiteSchema::Table*> SQLiteLoader::tablesInLinkOrder() const {
    // Depth first over "rows of this table point at rows of that one"; a cycle (a transaction
    // and its scheduled item point at each other) is cut where the walk meets it.
    std::vector<const SQLiteSchema::Table*> order;
    std::vector<const SQLiteSchema::Table*> visiting;
    std::function<void(const SQLiteSchema::Table&)> visit = [&](const SQLiteSchema::Table& table) {
        if (std::ranges::find(order, &table) != order.end() ||
            std::ranges::find(visiting, &table) != visiting.end()) {
            return;
        }
        visiting.push_back(&table);
        for (const EntityDescription* entity : m_model.concreteEntitiesOf(*table.root)) {
            const SQLiteSchema::EntityLayout& layout = m_schema.layoutOf(*entity);
            for (const RelationshipDescription& r : entity->relationships()) {
                const SQLiteSchema::Table* target = tableOf(r.destination());
                if (!layout.relationshipColumns[r.index].empty() && target != nullptr) {
                    visit(*target);
                }
            }
        }
        order.push_back(&table);
    };
    for (const SQLiteSchema::Table& table : m_schema.tables()) {
        visit(table);
    }
    return order;
}

void SQLiteLoader::reserve(ObjectContext& context) const {
    std::vector<ObjectContext::LoadCount> counts;
    ObjectID highestID = 0;
    for (const SQLiteSchema::Table& table : m_schema.tables()) {
        const std::string name = quoteSQLName(table.name);
        SQLiteStatement size(m_db, "SELECT count(*), max(id) FROM " + name);
        if (!size.step() || size.integer(0) == 0) {
            continue;
        }
        highestID =
            std::max(highestID, static_cast<ObjectID>(std::max<std::int64_t>(size.integer(1), 0)));
        const std::vector<const EntityDescription*> entities =
            m_model.concreteEntitiesOf(*table.root);
        if (entities.size() == 1) {
            counts.push_back({entities.front(), static_cast<std::size_t>(size.integer(0))});
            continue;
        }
        SQLiteStatement perEntity(m_db,
                                  "SELECT entity, count(*) FROM " + name + " GROUP BY entity");
        while (perEntity.step()) {
            if (const EntityDescription* entity = m_model.entityNamed(perEntity.textView(0));
                entity != nullptr && !entity->isAbstract() && entity->isKindOf(*table.root)) {
                counts.push_back({entity, static_cast<std::size_t>(perEntity.integer(1))});
            }
        }
    }
    context.reserveForLoading(counts, highestID);
}

SQLiteLoader::Columns SQLiteLoader::columnsOf(const SQLiteSchema::Table& table,
                                              const EntityDescription& entity) const {
    const auto columnNumber = [&](const std::string& name) {
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            if (table.columns[i].first == name) {
                return static_cast<int>(i) + 2;  // after "id" and "entity"
            }
        }
        throw Damage{"the table " + table.name + " has no column " + name};
    };
    const SQLiteSchema::EntityLayout& layout = m_schema.layoutOf(entity);
    Columns columns;
    for (const AttributeDescription& a : entity.attributes()) {
        columns.attributes.push_back(columnNumber(layout.attributeColumns[a.index]));
    }
    for (const RelationshipDescription& r : entity.relationships()) {
        const std::string& column = layout.relationshipColumns[r.index];
        columns.relationships.push_back(column.empty() ? -1 : columnNumber(column));
        columns.targetRead.push_back(std::ranges::find(m_tablesRead, tableOf(r.destination())) !=
                                     m_tablesRead.end());
    }
    return columns;
}

void SQLiteLoader::loadTable(ObjectContext& context, const SQLiteSchema::Table& table) {
    std::string sql = "SELECT id, entity";
    for (const auto& column : table.columns) {
        sql += ", " + quoteSQLName(column.first);
    }
    SQLiteStatement rows(m_db, sql + " FROM " + quoteSQLName(table.name) + " ORDER BY id");
    std::map<const EntityDescription*, Columns> columnsByEntity;
    std::string entityName;
    const EntityDescription* entity = nullptr;
    const Columns* columns = nullptr;
    while (rows.step()) {
        const std::int64_t id = rows.integer(0);
        // Rows of one entity mostly follow each other: look the name up only when it changes.
        if (const std::string_view name = rows.textView(1);
            entity == nullptr || name != entityName) {
            entityName = name;
            entity = m_model.entityNamed(entityName);
            if (entity != nullptr && !entity->isAbstract() && entity->isKindOf(*table.root)) {
                auto [it, added] = columnsByEntity.try_emplace(entity);
                if (added) {
                    it->second = columnsOf(table, *entity);
                }
                columns = &it->second;
            }
        }
        if (id <= 0 || entity == nullptr || entity->isAbstract() ||
            !entity->isKindOf(*table.root)) {
            throw Damage{"row " + std::to_string(id) + " of " + table.name + " is damaged"};
        }
        if (context.objectWithID(static_cast<ObjectID>(id)) != nullptr) {
            throw Damage{"object " + std::to_string(id) + " appears twice"};
        }
        loadRow(context, rows, *entity, *columns);
    }
}

void SQLiteLoader::loadRow(ObjectContext& context, const SQLiteStatement& rows,
                           const EntityDescription& entity, const Columns& columns) {
    const auto id = static_cast<ObjectID>(rows.integer(0));
    ManagedObject& object = context.loadObject(entity, id);
    m_values.resize(entity.attributes().size());
    for (const AttributeDescription& a : entity.attributes()) {
        std::optional<AttributeValue> value =
            SQLiteValueCodec::read(rows, columns.attributes[a.index], a.kind, a.optional);
        if (!value || !a.accepts(*value)) {
            throw Damage{"the value of " + a.name + " of " + entity.name() + " " +
                         std::to_string(id) + " is damaged"};
        }
        m_values[a.index] = std::move(*value);
    }
    context.loadAttributes(object, m_values);
    for (const RelationshipDescription& r : entity.relationships()) {
        const int column = columns.relationships[r.index];
        if (column < 0) {
            continue;
        }
        const SQLiteStatement::ColumnType type = rows.columnType(column);
        if (type == SQLiteStatement::ColumnType::Null) {
            continue;
        }
        if (type != SQLiteStatement::ColumnType::Integer) {
            throw Damage{"a reference of " + entity.name() + " is damaged"};
        }
        const auto target = static_cast<ObjectID>(rows.integer(column));
        if (columns.targetRead[r.index]) {
            link(context, object, r, target);
        } else {
            m_pending.push_back({&object, &r, target});
        }
    }
}

void SQLiteLoader::link(ObjectContext& context, ManagedObject& object,
                        const RelationshipDescription& r, ObjectID target) const {
    ManagedObject* other = context.objectWithID(r.destination(), target);
    if (other == nullptr) {
        throw Damage{"a reference of " + object.entity().name() + " " +
                     std::to_string(object.objectID()) + " points nowhere"};
    }
    context.loadLink(object, r, *other);
}

void SQLiteLoader::loadJoinTables(ObjectContext& context) const {
    for (const SQLiteSchema::JoinTable& join : m_schema.joinTables()) {
        SQLiteStatement rows(m_db, "SELECT source, target FROM " + quoteSQLName(join.name));
        while (rows.step()) {
            ManagedObject* source =
                context.objectWithID(*join.entity, static_cast<ObjectID>(rows.integer(0)));
            if (source == nullptr) {
                throw Damage{"a row of " + join.name + " points nowhere"};
            }
            link(context, *source, *join.relationship, static_cast<ObjectID>(rows.integer(1)));
        }
    }
}

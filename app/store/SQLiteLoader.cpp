#include "store/SQLiteLoader.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "store/EntityDescription.h"
#include "store/EntityModel.h"
#include "store/ObjectContext.h"
#include "store/SQLiteStatement.h"
#include "store/SQLiteValueCodec.h"

// Rows read from one table, as SQLite holds them: each row's columns and references side by
// side in flat arrays and their texts in one buffer, so that a batch costs a few allocations
// however many rows it holds. The columns become values on the loading side: decoding is
// half of what reading a row costs, and the reader is the slower of the two.
struct SQLiteLoader::RowBatch final {
    struct Row {
        ObjectID id;
        const EntityDescription* entity;
        const Columns* columns;
        std::size_t firstValue;
        std::size_t firstReference;
    };
    struct Column {
        SQLiteStatement::ColumnType type;
        std::int64_t integer;
        std::size_t textStart;
        std::size_t textSize;
    };
    std::vector<Row> rows;
    std::vector<Column> values;  // by attribute
    std::string texts;
    std::vector<std::optional<ObjectID>> references;  // by relationship; unset: no link
    // Set on the last batch when the reading failed: the rows before it are sound.
    std::exception_ptr failure;

    void clear() {
        rows.clear();
        values.clear();
        texts.clear();
        references.clear();
        failure = nullptr;
    }
    SQLiteValueCodec::ColumnValue value(std::size_t index) const {
        const Column& column = values[index];
        return {column.type, column.integer,
                std::string_view(texts).substr(column.textStart, column.textSize)};
    }
};

// Batches from the reading thread to the loading one. At most a few are under way, so that
// a large table never waits in memory twice; emptied batches go back to the reader.
class SQLiteLoader::RowQueue final {
public:
    static constexpr std::size_t kRowsPerBatch = 512;

    // The reader's next batch to fill; nullptr once the loading side has stopped.
    std::unique_ptr<RowBatch> emptyBatch() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_stopped || m_filled.size() < kBatchesUnderWay; });
        if (m_stopped) {
            return nullptr;
        }
        if (m_empty.empty()) {
            return std::make_unique<RowBatch>();
        }
        std::unique_ptr<RowBatch> batch = std::move(m_empty.back());
        m_empty.pop_back();
        return batch;
    }
    void push(std::unique_ptr<RowBatch> batch) {
        {
            std::lock_guard lock(m_mutex);
            m_filled.push_back(std::move(batch));
        }
        m_changed.notify_all();
    }
    // The reader has no more rows.
    void close() {
        {
            std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_changed.notify_all();
    }

    // The next batch, or nullptr once the reader has closed the queue and all are taken.
    std::unique_ptr<RowBatch> next() {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_closed || !m_filled.empty(); });
        if (m_filled.empty()) {
            return nullptr;
        }
        std::unique_ptr<RowBatch> batch = std::move(m_filled.front());
        m_filled.pop_front();
        m_changed.notify_all();
        return batch;
    }
    void recycle(std::unique_ptr<RowBatch> batch) {
        batch->clear();
        std::lock_guard lock(m_mutex);
        m_empty.push_back(std::move(batch));
    }
    // The loading side gives up (a damaged row): the reader stops at its next batch.
    void stop() {
        {
            std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_changed.notify_all();
    }

private:
    static constexpr std::size_t kBatchesUnderWay = 4;

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<RowBatch>> m_filled;
    std::vector<std::unique_ptr<RowBatch>> m_empty;
    bool m_closed = false;
    bool m_stopped = false;
};

SQLiteLoader::SQLiteLoader(sqlite3* db, const SQLiteSchema& schema, const EntityModel& model)
    : m_db(db), m_schema(schema), m_model(model) {}

SQLiteLoader::~SQLiteLoader() = default;

void SQLiteLoader::load(ObjectContext& context) {
    reserve(context);
    const std::vector<const SQLiteSchema::Table*> tables = tablesInLinkOrder();
    RowQueue queue;
    std::thread reader([this, &tables, &queue] { readTables(tables, queue); });
    try {
        while (std::unique_ptr<RowBatch> batch = queue.next()) {
            loadBatch(context, *batch);
            queue.recycle(std::move(batch));
        }
    } catch (...) {
        // The connection is the reader's until it has gone.
        queue.stop();
        reader.join();
        throw;
    }
    reader.join();
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
        // Two queries: alone, count(*) counts the table's pages without reading a row, and
        // max(id) looks up the last one; together they would read every row.
        SQLiteStatement count(m_db, "SELECT count(*) FROM " + name);
        if (!count.step() || count.integer(0) == 0) {
            continue;
        }
        SQLiteStatement last(m_db, "SELECT max(id) FROM " + name);
        if (last.step()) {
            highestID = std::max(highestID,
                                 static_cast<ObjectID>(std::max<std::int64_t>(last.integer(0), 0)));
        }
        const std::vector<const EntityDescription*> entities =
            m_model.concreteEntitiesOf(*table.root);
        if (entities.size() == 1) {
            counts.push_back({entities.front(), static_cast<std::size_t>(count.integer(0))});
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

void SQLiteLoader::readTables(const std::vector<const SQLiteSchema::Table*>& tables,
                              RowQueue& queue) {
    for (const SQLiteSchema::Table* table : tables) {
        if (!readTable(*table, queue)) {
            break;
        }
        m_tablesRead.push_back(table);
    }
    queue.close();
}

bool SQLiteLoader::readTable(const SQLiteSchema::Table& table, RowQueue& queue) {
    std::unique_ptr<RowBatch> batch = queue.emptyBatch();
    if (!batch) {
        return false;
    }
    try {
        std::string sql = "SELECT id, entity";
        for (const auto& column : table.columns) {
            sql += ", " + quoteSQLName(column.first);
        }
        SQLiteStatement rows(m_db, sql + " FROM " + quoteSQLName(table.name) + " ORDER BY id");
        std::string entityName;
        const EntityDescription* entity = nullptr;
        const Columns* columns = nullptr;
        while (rows.step()) {
            const std::int64_t id = rows.integer(0);
            // Rows of one entity mostly follow each other: look the name up only when it
            // changes. (A name that is no text reads as empty, which names no entity.)
            if (const std::string_view name = rows.column(1).text;
                entity == nullptr || name != entityName) {
                entityName = name;
                entity = m_model.entityNamed(entityName);
                if (entity != nullptr && !entity->isAbstract() && entity->isKindOf(*table.root)) {
                    auto [it, added] = m_columns.try_emplace(entity);
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
            readRow(rows, static_cast<ObjectID>(id), *entity, *columns, *batch);
            if (batch->rows.size() == RowQueue::kRowsPerBatch) {
                queue.push(std::move(batch));
                if (batch = queue.emptyBatch(); !batch) {
                    return false;
                }
            }
        }
    } catch (...) {
        // The rows read before the failure are loaded first, as if read one by one.
        if (!batch) {
            batch = std::make_unique<RowBatch>();
        }
        batch->failure = std::current_exception();
        queue.push(std::move(batch));
        return false;
    }
    queue.push(std::move(batch));
    return true;
}

void SQLiteLoader::readRow(const SQLiteStatement& rows, ObjectID id,
                           const EntityDescription& entity, const Columns& columns,
                           RowBatch& batch) const {
    // The row is added once it has been read whole: values of a row that fails stay unused.
    const RowBatch::Row row{id, &entity, &columns, batch.values.size(), batch.references.size()};
    for (const AttributeDescription& a : entity.attributes()) {
        const SQLiteValueCodec::ColumnValue value =
            SQLiteValueCodec::column(rows, columns.attributes[a.index]);
        batch.values.push_back({value.type, value.integer, batch.texts.size(), value.text.size()});
        batch.texts.append(value.text);
    }
    for (const RelationshipDescription& r : entity.relationships()) {
        const int column = columns.relationships[r.index];
        const SQLiteStatement::Column reference =
            column < 0 ? SQLiteStatement::Column{} : rows.column(column);
        if (reference.type == SQLiteStatement::ColumnType::Null) {
            batch.references.emplace_back();
            continue;
        }
        if (reference.type != SQLiteStatement::ColumnType::Integer) {
            throw Damage{"a reference of " + entity.name() + " " + std::to_string(id) +
                         " is damaged"};
        }
        batch.references.emplace_back(static_cast<ObjectID>(reference.integer));
    }
    batch.rows.push_back(row);
}

void SQLiteLoader::loadBatch(ObjectContext& context, RowBatch& batch) {
    for (const RowBatch::Row& row : batch.rows) {
        if (context.objectWithID(row.id) != nullptr) {
            throw Damage{"object " + std::to_string(row.id) + " appears twice"};
        }
        ManagedObject& object = context.loadObject(*row.entity, row.id);
        const std::vector<AttributeDescription>& attributes = row.entity->attributes();
        m_values.resize(attributes.size());
        for (const AttributeDescription& a : attributes) {
            AttributeValue& value = m_values[a.index];
            if (!SQLiteValueCodec::decodeInto(batch.value(row.firstValue + a.index), a.kind,
                                              a.optional, value) ||
                !a.accepts(value)) {
                throw Damage{"the value of " + a.name + " of " + row.entity->name() + " " +
                             std::to_string(row.id) + " is damaged"};
            }
        }
        context.loadAttributes(object, m_values);
        for (const RelationshipDescription& r : row.entity->relationships()) {
            const std::optional<ObjectID> target = batch.references[row.firstReference + r.index];
            if (!target) {
                continue;
            }
            if (row.columns->targetRead[r.index]) {
                link(context, object, r, *target);
            } else {
                m_pending.push_back({&object, &r, *target});
            }
        }
    }
    if (batch.failure) {
        std::rethrow_exception(batch.failure);
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

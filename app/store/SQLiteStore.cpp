#include "store/SQLiteStore.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "store/EntityDescription.h"
#include "store/EntityModel.h"
#include "store/ManagedObject.h"
#include "store/ObjectContext.h"
#include "store/ObjectSet.h"
#include "store/SQLiteLoader.h"
#include "store/SQLiteStatement.h"
#include "store/SQLiteValueCodec.h"
#include "store/StoreRows.h"
#include "store/migration/StoreMigrator.h"

namespace {

// A store's connection is only ever used by the thread that opened it, so SQLite need not
// take its lock around every call (a tenth of the time of loading a large store).
constexpr int kOpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;

ValidationError openError(const std::string& path, const std::string& reason) {
    return storeError(kPersistentStoreOpenErrorCode,
                      "The store file \"" + path + "\" could not be read: " + reason);
}

ValidationError writeError(const std::string& reason) {
    return storeError(kPersistentStoreSaveErrorCode, "The store could not be written: " + reason);
}

// A damaged or foreign file, found while reading it.
struct UnreadableStore final {
    std::string reason;
};

// A file of an older model version that can be migrated, found while checking it.
struct OlderModelVersion final {
    int version;
};

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool folderOfExists(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Moves `from` to `to` unless something is at `to` already (then false, and `from` stays).
bool renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system without the flag: a hard link does not replace either.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return false;
    }
    ::unlink(from.c_str());
    return true;
}

}  // namespace

std::string SQLiteStore::immutableFileURI(const std::string& path) {
    std::string uri = "file:";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            static const char* const kHex = "0123456789ABCDEF";
            uri += '%';
            uri += kHex[(static_cast<unsigned char>(c) >> 4) & 0xf];
            uri += kHex[static_cast<unsigned char>(c) & 0xf];
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

SQLiteStore::SQLiteStore(sqlite3* db, std::string path, const EntityModel& model)
    : m_db(db), m_path(std::move(path)), m_model(model), m_schema(model) {}

SQLiteStore::~SQLiteStore() {
    m_insertStatements.clear();
    m_joinStatements.clear();
    m_statements.clear();
    sqlite3_close(m_db);
}

std::optional<std::string> SQLiteStore::createEmptyStore(const std::string& path,
                                                         const EntityModel& model) {
    // Built beside the destination and moved into place whole, so that a crash while creating
    // leaves either no store or a complete empty one, never a file that cannot be opened.
    const std::string building = path + ".new";
    ::unlink(building.c_str());
    const int fd = ::open(building.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return std::string("the file could not be created");
    }
    ::close(fd);
    sqlite3* db = nullptr;
    std::optional<std::string> error;
    if (sqlite3_open_v2(building.c_str(), &db, kOpenFlags, nullptr) != SQLITE_OK) {
        error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
    } else {
        SQLiteStore store(db, building, model);
        try {
            sqliteExecute(db, "PRAGMA synchronous=FULL");
            store.createSchema();
        } catch (const SQLiteError& failure) {
            error = failure.message;
        }
    }
    if (!error) {
        const int file = ::open(building.c_str(), O_RDONLY | O_CLOEXEC);
        const bool synced = file >= 0 && ::fsync(file) == 0;
        if (file >= 0) {
            ::close(file);
        }
        // Whatever appeared at `path` meanwhile is not ours to replace.
        if (!synced || !renameWithoutReplacing(building, path)) {
            error = "the new file could not be put in place";
        }
    }
    if (error) {
        ::unlink(building.c_str());
    }
    return error;
}

// How the migration reaches SQLite store files.
StoreMigrator::Format sqliteFormat() {
    StoreMigrator::Format format;
    format.open = [](const std::string& path, const EntityModel& model)
        -> std::variant<std::unique_ptr<PersistentStore>, std::string> {
        auto opened = SQLiteStore::open(path, model);
        if (ValidationError* error = std::get_if<ValidationError>(&opened)) {
            return error->localizedDescription;
        }
        return std::unique_ptr<PersistentStore>(std::get<0>(std::move(opened)));
    };
    format.verify = [](PersistentStore& store) {
        return static_cast<SQLiteStore&>(store).integrityCheck();
    };
    format.sideFileSuffixes = {"-wal", "-shm", "-journal", ".new"};
    return format;
}

std::variant<std::unique_ptr<SQLiteStore>, ValidationError> SQLiteStore::open(
    const std::string& path, const EntityModel& model, Access access) {
    return openFile(path, model, true, access);
}

std::variant<std::unique_ptr<SQLiteStore>, ValidationError> SQLiteStore::openFile(
    const std::string& path, const EntityModel& model, bool mayMigrate, Access access) {
    if (!fileExists(path)) {
        if (!folderOfExists(path)) {
            return openError(path, "the file could not be created");
        }
        // The first save creates it.
        std::unique_ptr<SQLiteStore> store(new SQLiteStore(nullptr, path, model));
        store->m_fileVersion = model.version();
        store->m_readOnly = access == Access::ReadOnly;
        return store;
    }
    const bool readOnly = access == Access::ReadOnly || ::access(path.c_str(), W_OK) != 0;
    try {
        std::variant<std::unique_ptr<SQLiteStore>, ValidationError> opened =
            connect(path, model, readOnly, false);
        if (std::holds_alternative<ValidationError>(opened) && readOnly &&
            !fileExists(path + "-wal")) {
            // SQLite reads a file in WAL mode through a shared-memory file beside it; where that
            // cannot be made (a folder the user may not write), a file without a WAL file
            // holds its whole content and is read as it is.
            auto retried = connect(path, model, true, true);
            if (std::holds_alternative<std::unique_ptr<SQLiteStore>>(retried)) {
                return retried;
            }
        }
        return opened;
    } catch (const OlderModelVersion& older) {
        const std::string version = std::to_string(older.version);
        if (readOnly) {
            return openError(path, "it is of data model version " + version +
                                       " and cannot be brought up to date, since it cannot be "
                                       "written");
        }
        if (!mayMigrate) {
            return openError(path,
                             "it is still of data model version " + version + " after migration");
        }
        if (std::optional<std::string> reason =
                StoreMigrator::migrateFile(path, older.version, model, sqliteFormat())) {
            return openError(path, "it could not be migrated from data model version " + version +
                                       ": " + *reason);
        }
    }
    return openFile(path, model, false, access);
}

std::variant<std::unique_ptr<SQLiteStore>, ValidationError> SQLiteStore::connect(
    const std::string& path, const EntityModel& model, bool readOnly, bool immutable) {
    sqlite3* db = nullptr;
    const std::string name = immutable ? immutableFileURI(path) : path;
    const int flags =
        readOnly ? SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI : kOpenFlags;
    if (sqlite3_open_v2(name.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string reason = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return openError(path, reason);
    }
    std::unique_ptr<SQLiteStore> store(new SQLiteStore(db, path, model));
    store->m_readOnly = readOnly;
    try {
        sqlite3_busy_timeout(db, 2000);
        // Read-only checks first: nothing is written to a file that is not ours.
        store->checkSchema();
        if (!readOnly) {
            store->enableDurableWrites();
        }
    } catch (const SQLiteError& error) {
        return openError(path, error.message);
    } catch (const UnreadableStore& error) {
        return openError(path, error.reason);
    }
    // OlderModelVersion passes to the caller; the store, closing the file, goes first.
    return store;
}

std::optional<std::string> SQLiteStore::integrityCheck() {
    if (m_db == nullptr) {
        return std::string("the file has not been created");
    }
    try {
        SQLiteStatement check(m_db, "PRAGMA integrity_check");
        if (!check.step() || !check.isText(0)) {
            return std::string("the integrity check gave no answer");
        }
        const std::string answer = check.text(0);
        if (answer != "ok") {
            return answer;
        }
    } catch (const SQLiteError& error) {
        return error.message;
    }
    return std::nullopt;
}

void SQLiteStore::enableDurableWrites() {
    // WAL keeps the last committed state intact while a save is written; with synchronous
    // FULL every commit is flushed to disk before the save reports success, so neither a crash
    // nor a power failure loses a save that succeeded or leaves half of one.
    sqliteExecute(m_db, "PRAGMA journal_mode=WAL");
    sqliteExecute(m_db, "PRAGMA synchronous=FULL");
}

void SQLiteStore::createSchema() {
    sqliteExecute(m_db, "BEGIN IMMEDIATE");
    try {
        for (const std::string& sql : m_schema.createStatements()) {
            sqliteExecute(m_db, sql);
        }
        SQLiteStatement version(m_db,
                                "INSERT INTO pennora_metadata (key, value) VALUES "
                                "('modelVersion', ?1)");
        version.bindText(1, std::to_string(m_model.version()));
        version.run();
        sqliteExecute(m_db, "COMMIT");
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    m_fileVersion = m_model.version();
}

void SQLiteStore::checkSchema() {
    SQLiteStatement metadata(m_db,
                             "SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                             "name='pennora_metadata'");
    if (!metadata.step() || metadata.integer(0) != 1) {
        throw UnreadableStore{"it is not a Pennora store"};
    }
    SQLiteStatement version(m_db, "SELECT value FROM pennora_metadata WHERE key='modelVersion'");
    if (!version.step() || !version.isText(0)) {
        throw UnreadableStore{"it records no model version"};
    }
    const std::string text = version.text(0);
    int fileVersion = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || fileVersion > 100000) {
            throw UnreadableStore{"its model version is not a number"};
        }
        fileVersion = fileVersion * 10 + (c - '0');
    }
    if (text.empty()) {
        throw UnreadableStore{"its model version is not a number"};
    }
    if (fileVersion < m_model.version() && StoreMigrator::canMigrate(fileVersion, m_model)) {
        throw OlderModelVersion{fileVersion};
    }
    if (fileVersion != m_model.version()) {
        throw UnreadableStore{"it was written with data model version " + text +
                              ", this program reads version " + std::to_string(m_model.version())};
    }
    m_fileVersion = fileVersion;
}

std::optional<ValidationError> SQLiteStore::load(ObjectContext& context) {
    if (m_db == nullptr) {
        return std::nullopt;  // no file yet: an empty store
    }
    try {
        sqliteExecute(m_db, "BEGIN");
        loadObjects(context);
        sqliteExecute(m_db, "COMMIT");
    } catch (const SQLiteError& error) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return openError(m_path, error.message);
    } catch (const UnreadableStore& error) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return openError(m_path, error.reason);
    }
    return std::nullopt;
}

void SQLiteStore::loadObjects(ObjectContext& context) {
    try {
        SQLiteLoader(m_db, m_schema, m_model).load(context);
    } catch (const SQLiteLoader::Damage& damage) {
        throw UnreadableStore{damage.reason};
    }
}

SQLiteStatement& SQLiteStore::cached(const std::string& sql) {
    std::unique_ptr<SQLiteStatement>& statement = m_statements[sql];
    if (!statement) {
        statement = std::make_unique<SQLiteStatement>(m_db, sql);
    }
    return *statement;
}

SQLiteStatement& SQLiteStore::insertStatement(const EntityDescription& entity,
                                              const SQLiteSchema::EntityLayout& layout) {
    SQLiteStatement*& known = m_insertStatements[&entity];
    if (known != nullptr) {
        return *known;
    }
    std::string columns = "id, entity";
    std::string values = "?1, ?2";
    int parameter = 2;
    for (const std::string& column : layout.attributeColumns) {
        columns += ", " + quoteSQLName(column);
        values += ", ?" + std::to_string(++parameter);
    }
    for (const std::string& column : layout.relationshipColumns) {
        if (!column.empty()) {
            columns += ", " + quoteSQLName(column);
            values += ", ?" + std::to_string(++parameter);
        }
    }
    known = &cached("INSERT INTO " + quoteSQLName(layout.table) + " (" + columns + ") VALUES (" +
                    values + ")");
    return *known;
}

void SQLiteStore::writeInserted(const ManagedObject& object) {
    const EntityDescription& entity = object.entity();
    const SQLiteSchema::EntityLayout& layout = m_schema.layoutOf(entity);
    SQLiteStatement& insert = insertStatement(entity, layout);
    int parameter = 2;
    insert.bindInt(1, static_cast<std::int64_t>(object.objectID()));
    insert.bindTextKept(2, entity.name());
    const std::vector<AttributeDescription>& attributes = entity.attributes();
    if (m_rowValues.size() < attributes.size()) {
        m_rowValues.resize(attributes.size());
        m_rowTexts.resize(attributes.size());
    }
    for (const AttributeDescription& a : attributes) {
        m_rowValues[a.index] = a.accessor->get(object);
        SQLiteValueCodec::bindKept(insert, ++parameter, m_rowValues[a.index], m_rowTexts[a.index]);
    }
    for (const RelationshipDescription& r : entity.relationships()) {
        if (layout.relationshipColumns[r.index].empty()) {
            continue;
        }
        ++parameter;
        if (const ManagedObject* target = r.accessor->target(object)) {
            insert.bindInt(parameter, static_cast<std::int64_t>(target->objectID()));
        } else {
            insert.bindNull(parameter);
        }
    }
    insert.run();
    for (const SQLiteSchema::JoinTable* join : m_schema.joinTablesTouching(entity)) {
        if (entity.isKindOf(*join->entity)) {
            writeJoinRows(object, *join);
        }
    }
}

void SQLiteStore::writeJoinRows(const ManagedObject& object, const SQLiteSchema::JoinTable& join) {
    auto& [clearing, inserting] = m_joinStatements[&join];
    if (clearing == nullptr) {
        const std::string table = quoteSQLName(join.name);
        clearing = &cached("DELETE FROM " + table + " WHERE source = ?1");
        inserting = &cached("INSERT INTO " + table + " (source, target) VALUES (?1, ?2)");
    }
    SQLiteStatement& clear = *clearing;
    clear.bindInt(1, static_cast<std::int64_t>(object.objectID()));
    clear.run();
    SQLiteStatement& insert = *inserting;
    for (ObjectID target : relationshipTargetIDs(object, *join.relationship)) {
        insert.bindInt(1, static_cast<std::int64_t>(object.objectID()));
        insert.bindInt(2, static_cast<std::int64_t>(target));
        insert.run();
    }
}

void SQLiteStore::writeUpdated(const ManagedObject& object, std::uint64_t attributes,
                               std::uint64_t relationships) {
    const EntityDescription& entity = object.entity();
    const SQLiteSchema::EntityLayout& layout = m_schema.layoutOf(entity);
    std::string assignments;
    int parameter = 1;
    auto assign = [&](const std::string& column) {
        if (!assignments.empty()) {
            assignments += ", ";
        }
        assignments += quoteSQLName(column) + " = ?" + std::to_string(++parameter);
    };
    for (const AttributeDescription& a : entity.attributes()) {
        if ((attributes >> a.index) & 1u) {
            assign(layout.attributeColumns[a.index]);
        }
    }
    for (const RelationshipDescription& r : entity.relationships()) {
        if (((relationships >> r.index) & 1u) && !layout.relationshipColumns[r.index].empty()) {
            assign(layout.relationshipColumns[r.index]);
        }
    }
    if (!assignments.empty()) {
        // One statement per set of changed columns, prepared once and kept.
        SQLiteStatement& update = cached("UPDATE " + quoteSQLName(layout.table) + " SET " +
                                         assignments + " WHERE id = ?1");
        update.bindInt(1, static_cast<std::int64_t>(object.objectID()));
        parameter = 1;
        for (const AttributeDescription& a : entity.attributes()) {
            if ((attributes >> a.index) & 1u) {
                SQLiteValueCodec::bind(update, ++parameter, a.accessor->get(object));
            }
        }
        for (const RelationshipDescription& r : entity.relationships()) {
            if (((relationships >> r.index) & 1u) && !layout.relationshipColumns[r.index].empty()) {
                ++parameter;
                if (const ManagedObject* target = r.accessor->target(object)) {
                    update.bindInt(parameter, static_cast<std::int64_t>(target->objectID()));
                } else {
                    update.bindNull(parameter);
                }
            }
        }
        update.run();
        if (sqlite3_changes(m_db) != 1) {
            throw SQLiteError{"an updated object is missing from the store"};
        }
    }
    for (const SQLiteSchema::JoinTable* join : m_schema.joinTablesTouching(entity)) {
        if (entity.isKindOf(*join->entity) && ((relationships >> join->relationship->index) & 1u)) {
            writeJoinRows(object, *join);
        }
    }
}

void SQLiteStore::writeDeleted(const ManagedObject& object) {
    const SQLiteSchema::EntityLayout& layout = m_schema.layoutOf(object.entity());
    SQLiteStatement& remove =
        cached("DELETE FROM " + quoteSQLName(layout.table) + " WHERE id = ?1");
    remove.bindInt(1, static_cast<std::int64_t>(object.objectID()));
    remove.run();
    for (const SQLiteSchema::JoinTable* join : m_schema.joinTablesTouching(object.entity())) {
        SQLiteStatement& unlink =
            cached("DELETE FROM " + quoteSQLName(join->name) + " WHERE source = ?1 OR target = ?1");
        unlink.bindInt(1, static_cast<std::int64_t>(object.objectID()));
        unlink.run();
    }
}

std::optional<ValidationError> SQLiteStore::createFile() {
    if (std::optional<std::string> reason = createEmptyStore(m_path, m_model)) {
        return writeError(*reason);
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(m_path.c_str(), &db, kOpenFlags, nullptr) != SQLITE_OK) {
        const std::string reason = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return writeError(reason);
    }
    m_db = db;
    try {
        sqlite3_busy_timeout(m_db, 2000);
        enableDurableWrites();
    } catch (const SQLiteError& error) {
        return writeError(error.message);
    }
    return std::nullopt;
}

std::optional<ValidationError> SQLiteStore::save(const ChangeSet& changes) {
    if (m_readOnly) {
        return storeError(
            kPersistentStoreSaveErrorCode,
            "The store file \"" + m_path + "\" cannot be written, so the changes were not saved.");
    }
    if (m_db == nullptr) {
        if (std::optional<ValidationError> error = createFile()) {
            return error;
        }
    }
    if (changes.empty()) {
        return std::nullopt;
    }
    try {
        sqliteExecute(m_db, "BEGIN IMMEDIATE");
    } catch (const SQLiteError& error) {
        return writeError(error.message);
    }
    try {
        for (const ManagedObject* object : changes.deleted) {
            writeDeleted(*object);
        }
        for (const ManagedObject* object : changes.inserted) {
            writeInserted(*object);
        }
        for (const ObjectChange& change : changes.updated) {
            writeUpdated(*change.object, change.attributes, change.relationships);
        }
        sqliteExecute(m_db, "COMMIT");
    } catch (const SQLiteError& error) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return writeError(error.message);
    }
    return std::nullopt;
}

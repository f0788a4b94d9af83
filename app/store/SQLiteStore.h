#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <unordered_map>
#include <variant>
#include <vector>

#include "store/AttributeValue.h"
#include "store/PersistentStore.h"
#include "store/SQLiteSchema.h"

struct sqlite3;
class EntityModel;
class SQLiteStatement;

// A store in one SQLite file (layout in SQLiteSchema, values in SQLiteValueCodec). Loading
// reads the whole graph once; a save writes only the change set, in one transaction. A file
// that is not a store of this model is reported and never written to.
class SQLiteStore final : public PersistentStore {
public:
    // For reading and writing where the user may write the file, or for reading only.
    enum class Access { AsPermitted, ReadOnly };

    ~SQLiteStore() override;

    // Opens the store at `path`. A missing file is not made here: the first save creates it
    // (mode 0600), so that opening and leaving without a save leaves nothing behind; its folder
    // must exist. A file the user may not write (access(2)), or any file with
    // Access::ReadOnly, is opened for reading only: it loads as usual and every save is refused
    // ("… cannot be written …"). A file of an older model version that the migration registry
    // can bring up to `model` is migrated in place first (StoreMigrator), unless it is read
    // only; a newer one is refused.
    // On failure the error (store open error code) and nothing else: the file is left as it was.
    static std::variant<std::unique_ptr<SQLiteStore>, ValidationError> open(
        const std::string& path, const EntityModel& model, Access access = Access::AsPermitted);
    // The "file:" URI that opens `path` as a file nothing else changes while it is open (for
    // reading a folder the program may not write), with the characters a URI gives a meaning
    // escaped. Open it with SQLITE_OPEN_URI.
    static std::string immutableFileURI(const std::string& path);

    [[nodiscard]] std::optional<ValidationError> load(ObjectContext& context) override;
    [[nodiscard]] std::optional<ValidationError> save(const ChangeSet& changes) override;
    bool isReadOnly() const override { return m_readOnly; }

    const std::string& path() const { return m_path; }
    // The model version the file records.
    int fileModelVersion() const { return m_fileVersion; }
    // SQLite's own check of the whole file: nothing when it is sound, else what is wrong.
    [[nodiscard]] std::optional<std::string> integrityCheck();

private:
    SQLiteStore(sqlite3* db, std::string path, const EntityModel& model);
    static std::variant<std::unique_ptr<SQLiteStore>, ValidationError> openFile(
        const std::string& path, const EntityModel& model, bool mayMigrate, Access access);
    // Opens and checks an existing file; throws OlderModelVersion for one to migrate.
    static std::variant<std::unique_ptr<SQLiteStore>, ValidationError> connect(
        const std::string& path, const EntityModel& model, bool readOnly, bool immutable);
    // Makes an empty store at `path`; what went wrong otherwise.
    static std::optional<std::string> createEmptyStore(const std::string& path,
                                                       const EntityModel& model);
    std::optional<ValidationError> createFile();
    void createSchema();
    void checkSchema();
    void enableDurableWrites();
    void loadObjects(ObjectContext& context);
    void writeInserted(const ManagedObject& object);
    void writeUpdated(const ManagedObject& object, std::uint64_t attributes,
                      std::uint64_t relationships);
    void writeDeleted(const ManagedObject& object);
    void writeJoinRows(const ManagedObject& object, const SQLiteSchema::JoinTable& join);
    SQLiteStatement& cached(const std::string& sql);
    // The INSERT of one entity's rows, its text made once per entity.
    SQLiteStatement& insertStatement(const EntityDescription& entity,
                                     const SQLiteSchema::EntityLayout& layout);

    sqlite3* m_db;  // nothing until the first save creates a missing file
    std::string m_path;
    const EntityModel& m_model;
    SQLiteSchema m_schema;
    int m_fileVersion = 0;
    bool m_readOnly = false;
    std::map<std::string, std::unique_ptr<SQLiteStatement>> m_statements;
    // Entries of m_statements by entity; cleared with it.
    std::unordered_map<const EntityDescription*, SQLiteStatement*> m_insertStatements;
    // The values of the row being inserted, bound without copies; kept to reuse their memory.
    std::vector<AttributeValue> m_rowValues;
    std::vector<std::string> m_rowTexts;
    // A join table's DELETE of one source's rows and INSERT of one row.
    std::unordered_map<const SQLiteSchema::JoinTable*,
                       std::pair<SQLiteStatement*, SQLiteStatement*>>
        m_joinStatements;
};

#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "store/ManagedObject.h"
#include "store/PersistentStore.h"
#include "store/StoreRows.h"

class EntityModel;

// A store kept as one XML document (the sample store). Load reads the whole document; every
// save writes the whole graph again through StoreFile::writeAtomically, so the file always
// holds the state of one save. The document:
//   <pennora-store modelVersion="N">
//     <object entity="Album" id="1">
//       <attribute name="title" value="Blue"/>       (unset optionals are left out)
//       <relationship name="tracks" ids="2 3"/>     (empty relationships are left out)
//     </object>
//   </pennora-store>
// A file that does not exist is an empty store; one that cannot be read or does not match the
// model is an open error, and the file is not touched (later saves on this store fail). A file
// of an older model version that the migration registry can bring up to the model is migrated
// in place first (StoreMigrator).
class XMLStore final : public PersistentStore {
public:
    // REQUIRES: `model` outlives the store.
    XMLStore(std::string path, const EntityModel& model);

    const std::string& path() const { return m_path; }

    [[nodiscard]] std::optional<ValidationError> load(ObjectContext& context) override;
    [[nodiscard]] std::optional<ValidationError> save(const ChangeSet& changes) override;

private:
    using Row = StoredRow;
    using Rows = std::map<ObjectID, Row>;

    std::optional<ValidationError> loadFile(ObjectContext& context, bool mayMigrate);
    std::optional<ValidationError> migrate(const std::string& versionText);
    static std::optional<ValidationError> apply(const ChangeSet& changes, Rows& rows);
    std::string serialise(const Rows& rows) const;

    std::optional<ValidationError> readObjects(pugi::xml_node root, ObjectContext& context,
                                               std::vector<ManagedObject*>& loaded) const;
    std::optional<ValidationError> readAttributes(pugi::xml_node node, ManagedObject& object,
                                                  ObjectContext& context) const;
    std::optional<ValidationError> readLinks(pugi::xml_node node, ManagedObject& object,
                                             ObjectContext& context) const;
    ValidationError openError(const std::string& reason) const;

    std::string m_path;
    const EntityModel& m_model;
    Rows m_rows;
    bool m_unreadable = false;  // the last load failed: saves are refused
};

#include "store/XMLStore.h"
#include "store/StoreRows.h"

#include <sys/stat.h>
#include <cerrno>
#include <sstream>

#include "store/EntityModel.h"
#include "store/ObjectContext.h"
#include "store/ObjectSet.h"
#include "store/StoreFile.h"
#include "store/XMLValueCodec.h"
#include "store/migration/StoreMigrator.h"

namespace {

constexpr const char* kRootName = "pennora-store";

// Space-separated object IDs; nothing when any is not a positive integer.
std::optional<std::vector<ObjectID>> parseIDs(std::string_view text) {
    std::vector<ObjectID> ids;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::optional<std::int64_t> id =
            XMLValueCodec::parseInteger(text.substr(start, end - start));
        if (!id || *id <= 0) {
            return std::nullopt;
        }
        ids.push_back(static_cast<ObjectID>(*id));
        start = end + 1;
    }
    return ids;
}

ValidationError saveError(const std::string& reason) {
    return storeError(kPersistentStoreSaveErrorCode, reason);
}

}  // namespace

XMLStore::XMLStore(std::string path, const EntityModel& model)
    : m_path(std::move(path)), m_model(model) {}

ValidationError XMLStore::openError(const std::string& reason) const {
    return ValidationError{kStoreErrorDomain,
                           kPersistentStoreOpenErrorCode,
                           "The store file \"" + m_path + "\" could not be read: " + reason,
                           {},
                           {{"path", m_path}}};
}

// ---- Loading ----

std::optional<ValidationError> XMLStore::load(ObjectContext& context) {
    return loadFile(context, true);
}

std::optional<ValidationError> XMLStore::migrate(const std::string& versionText) {
    StoreMigrator::Format format;
    format.open = [](const std::string& path, const EntityModel& model)
        -> std::variant<std::unique_ptr<PersistentStore>, std::string> {
        return std::unique_ptr<PersistentStore>(std::make_unique<XMLStore>(path, model));
    };
    const int version = static_cast<int>(*XMLValueCodec::parseInteger(versionText));
    if (std::optional<std::string> reason =
            StoreMigrator::migrateFile(m_path, version, m_model, format)) {
        return openError("it could not be migrated from data model version " + versionText + ": " +
                         *reason);
    }
    return std::nullopt;
}

std::optional<ValidationError> XMLStore::loadFile(ObjectContext& context, bool mayMigrate) {
    m_unreadable = true;
    struct stat info;
    if (::stat(m_path.c_str(), &info) != 0 && errno == ENOENT) {
        m_rows.clear();
        m_unreadable = false;
        return std::nullopt;
    }
    std::optional<std::string> bytes = StoreFile::readWhole(m_path);
    if (!bytes) {
        return openError("the file cannot be read");
    }
    pugi::xml_document document;
    // Attribute values keep their tabs and newlines: they are user text.
    unsigned options = pugi::parse_default & ~pugi::parse_wconv_attribute;
    pugi::xml_parse_result parsed = document.load_buffer(bytes->data(), bytes->size(), options);
    if (!parsed) {
        return openError(std::string("not an XML document (") + parsed.description() + ")");
    }
    pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != kRootName) {
        return openError("not a Pennora store");
    }
    const std::string versionText = root.attribute("modelVersion").as_string();
    if (versionText != std::to_string(m_model.version())) {
        std::optional<std::int64_t> version = XMLValueCodec::parseInteger(versionText);
        if (mayMigrate && version && *version >= 0 && *version < m_model.version() &&
            StoreMigrator::canMigrate(static_cast<int>(*version), m_model)) {
            if (std::optional<ValidationError> error = migrate(versionText)) {
                return error;
            }
            return loadFile(context, false);
        }
        return openError("made for another version of the program");
    }
    std::vector<ManagedObject*> loaded;
    if (std::optional<ValidationError> error = readObjects(root, context, loaded)) {
        return error;
    }
    std::size_t i = 0;
    for (pugi::xml_node node : root.children("object")) {
        if (std::optional<ValidationError> error = readLinks(node, *loaded[i++], context)) {
            return error;
        }
    }
    m_rows.clear();
    for (const ManagedObject* object : loaded) {
        m_rows.emplace(object->objectID(), storedRowFor(*object));
    }
    m_unreadable = false;
    return std::nullopt;
}

std::optional<ValidationError> XMLStore::readObjects(pugi::xml_node root, ObjectContext& context,
                                                     std::vector<ManagedObject*>& loaded) const {
    for (pugi::xml_node node : root.children()) {
        if (std::string_view(node.name()) != "object") {
            return openError("unexpected element " + std::string(node.name()));
        }
        const EntityDescription* entity = m_model.entityNamed(node.attribute("entity").value());
        if (!entity || entity->isAbstract()) {
            return openError("unknown entity " + std::string(node.attribute("entity").value()));
        }
        std::optional<std::int64_t> id = XMLValueCodec::parseInteger(node.attribute("id").value());
        if (!id || *id <= 0 || context.objectWithID(static_cast<ObjectID>(*id))) {
            return openError("bad or repeated object id");
        }
        ManagedObject& object = context.loadObject(*entity, static_cast<ObjectID>(*id));
        if (std::optional<ValidationError> error = readAttributes(node, object, context)) {
            return error;
        }
        loaded.push_back(&object);
    }
    return std::nullopt;
}

std::optional<ValidationError> XMLStore::readAttributes(pugi::xml_node node, ManagedObject& object,
                                                        ObjectContext& context) const {
    const EntityDescription& entity = object.entity();
    std::vector<bool> seen(entity.attributes().size(), false);
    for (pugi::xml_node a : node.children("attribute")) {
        const AttributeDescription* attribute = entity.attributeNamed(a.attribute("name").value());
        if (!attribute || seen[attribute->index]) {
            return openError("unknown or repeated attribute in " + entity.name());
        }
        std::optional<AttributeValue> value = XMLValueCodec::read(a, attribute->kind);
        if (!value || !attribute->accepts(*value)) {
            return openError("the value of " + attribute->name + " of " + entity.name() + " " +
                             std::to_string(object.objectID()) + " is damaged");
        }
        seen[attribute->index] = true;
        context.loadAttribute(object, *attribute, *value);
    }
    for (const AttributeDescription& attribute : entity.attributes()) {
        if (seen[attribute.index]) {
            continue;
        }
        if (!attribute.optional) {
            return openError("missing " + entity.name() + "." + attribute.name);
        }
        context.loadAttribute(object, attribute, AttributeValue{});
    }
    for (pugi::xml_node child : node.children()) {
        std::string_view name = child.name();
        if (name != "attribute" && name != "relationship") {
            return openError("unexpected element " + std::string(name));
        }
    }
    return std::nullopt;
}

std::optional<ValidationError> XMLStore::readLinks(pugi::xml_node node, ManagedObject& object,
                                                   ObjectContext& context) const {
    const EntityDescription& entity = object.entity();
    for (pugi::xml_node r : node.children("relationship")) {
        const RelationshipDescription* relationship =
            entity.relationshipNamed(r.attribute("name").value());
        std::optional<std::vector<ObjectID>> ids = parseIDs(r.attribute("ids").value());
        if (!relationship || !ids || (!relationship->toMany && ids->size() > 1)) {
            return openError("bad relationship in " + entity.name());
        }
        for (ObjectID id : *ids) {
            ManagedObject* target = context.objectWithID(id);
            if (!target || !target->entity().isKindOf(relationship->destination())) {
                return openError("dangling reference in " + entity.name());
            }
            context.loadLink(object, *relationship, *target);
        }
    }
    return std::nullopt;
}

// ---- Saving ----

std::optional<ValidationError> XMLStore::apply(const ChangeSet& changes, Rows& rows) {
    for (const ManagedObject* object : changes.inserted) {
        if (!rows.emplace(object->objectID(), storedRowFor(*object)).second) {
            return saveError("Inserted row exists already");
        }
    }
    // An updated row is written whole: the document is rewritten anyway.
    for (const ObjectChange& change : changes.updated) {
        auto it = rows.find(change.object->objectID());
        if (it == rows.end()) {
            return saveError("Updated row is missing");
        }
        it->second = storedRowFor(*change.object);
    }
    for (const ManagedObject* object : changes.deleted) {
        if (rows.erase(object->objectID()) == 0) {
            return saveError("Deleted row is missing");
        }
    }
    return std::nullopt;
}

std::string XMLStore::serialise(const Rows& rows) const {
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRootName);
    root.append_attribute("modelVersion") = m_model.version();
    for (const auto& [id, row] : rows) {
        pugi::xml_node node = root.append_child("object");
        node.append_attribute("entity") = row.entity->name().c_str();
        node.append_attribute("id") = std::to_string(id).c_str();
        for (const AttributeDescription& a : row.entity->attributes()) {
            const AttributeValue& value = row.values[a.index];
            if (std::holds_alternative<std::monostate>(value)) {
                continue;
            }
            pugi::xml_node child = node.append_child("attribute");
            child.append_attribute("name") = a.name.c_str();
            XMLValueCodec::write(child, value);
        }
        for (const RelationshipDescription& r : row.entity->relationships()) {
            const std::vector<ObjectID>& ids = row.links[r.index];
            if (ids.empty()) {
                continue;
            }
            std::string text;
            for (ObjectID target : ids) {
                text += (text.empty() ? "" : " ") + std::to_string(target);
            }
            pugi::xml_node child = node.append_child("relationship");
            child.append_attribute("name") = r.name.c_str();
            child.append_attribute("ids") = text.c_str();
        }
    }
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

std::optional<ValidationError> XMLStore::save(const ChangeSet& changes) {
    // A file that could not be read is never replaced.
    if (m_unreadable) {
        return saveError("The store file " + m_path + " could not be read, so it is not written");
    }
    // Changes go into a copy, so a failed write leaves the rows as the file holds them.
    Rows next = m_rows;
    if (std::optional<ValidationError> error = apply(changes, next)) {
        return error;
    }
    if (std::optional<std::string> failure = StoreFile::writeAtomically(m_path, serialise(next))) {
        return saveError(*failure);
    }
    m_rows = std::move(next);
    return std::nullopt;
}

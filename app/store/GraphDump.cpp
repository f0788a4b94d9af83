#include "store/GraphDump.h"

#include <algorithm>
#include <vector>

#include "store/ObjectContext.h"

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string formatFields(const ArchiveFields& fields) {
    std::string out = "{";
    bool first = true;
    for (const auto& [key, value] : fields) {
        out += first ? "" : ",";
        first = false;
        out += key + "=";
        if (const std::int64_t* n = std::get_if<std::int64_t>(&value)) {
            out += std::to_string(*n);
        } else {
            out += quoted(std::get<std::string>(value));
        }
    }
    return out + "}";
}

struct Formatter {
    std::string operator()(std::monostate) const { return "nil"; }
    std::string operator()(const std::string& s) const { return quoted(s); }
    std::string operator()(const Decimal& d) const { return d.toString(); }
    std::string operator()(const Date& d) const { return d.toISOString(); }
    std::string operator()(std::int64_t n) const { return std::to_string(n); }
    std::string operator()(bool b) const { return b ? "true" : "false"; }
    std::string operator()(const ArchivedList& list) const {
        std::string out = "[";
        for (std::size_t i = 0; i < list.size(); ++i) {
            out += (i ? "," : "") + formatFields(list[i]);
        }
        return out + "]";
    }
};

std::string formatTargets(const ManagedObject& object, const RelationshipDescription& rel) {
    if (!rel.toMany) {
        const ManagedObject* target = rel.accessor->target(object);
        return target ? "#" + std::to_string(target->objectID()) : "nil";
    }
    std::string out = "[";
    bool first = true;
    for (const ManagedObject* target : rel.accessor->targets(object).objects()) {
        out += (first ? "#" : " #") + std::to_string(target->objectID());
        first = false;
    }
    return out + "]";
}

}  // namespace

std::string formatAttributeValue(const AttributeValue& value) {
    return std::visit(Formatter{}, value);
}

std::string dumpObjectGraph(const ObjectContext& context) {
    std::vector<const ManagedObject*> objects;
    for (const EntityDescription* root : context.model().rootEntities()) {
        context.forEachObject(*root, [&](const ManagedObject& object) {
            objects.push_back(&object);
            return true;
        });
    }
    std::sort(objects.begin(), objects.end(), [](const ManagedObject* a, const ManagedObject* b) {
        return a->objectID() < b->objectID();
    });
    std::string out;
    for (const ManagedObject* object : objects) {
        const EntityDescription& entity = object->entity();
        out += entity.name() + "#" + std::to_string(object->objectID());
        for (const AttributeDescription& a : entity.attributes()) {
            out += " " + a.name + "=" + formatAttributeValue(a.accessor->get(*object));
        }
        for (const RelationshipDescription& r : entity.relationships()) {
            out += " " + r.name + "=" + formatTargets(*object, r);
        }
        out += "\n";
    }
    return out;
}

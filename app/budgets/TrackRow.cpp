#include "TrackRow.h"

#include <utility>

TrackRow TrackRow::named(std::string name, Type type) {
    TrackRow row;
    row.name = std::move(name);
    row.type = type;
    return row;
}

std::string_view TrackRow::typeName(Type type) {
    switch (type) {
        case Type::Category:
            return "category";
        case Type::Group:
            return "group";
        case Type::Uncategorized:
            return "uncategorized";
        case Type::Total:
            return "total";
    }
    return "";
}

#include "session/UnopenableStore.h"

std::optional<ValidationError> UnopenableStore::load(ObjectContext&) {
    return m_error;
}

std::optional<ValidationError> UnopenableStore::save(const ChangeSet&) {
    return m_error;
}

#pragma once

#include "store/PersistentStore.h"

// Stands for a store file that could not be opened: loading answers the error the opening
// gave, so it reaches the user with its own text, and every save is refused, so the file is
// never written.
class UnopenableStore final : public PersistentStore {
public:
    explicit UnopenableStore(ValidationError error) : m_error(std::move(error)) {}

    [[nodiscard]] std::optional<ValidationError> load(ObjectContext& context) override;
    [[nodiscard]] std::optional<ValidationError> save(const ChangeSet& changes) override;

private:
    ValidationError m_error;
};

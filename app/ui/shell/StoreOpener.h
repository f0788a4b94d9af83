#pragma once

#include <memory>
#include <optional>

#include "base/ValidationError.h"

class ObjectContext;

// The one place the desktop application opens its store: "Database.pennorasql" in normal
// mode, a fresh copy of the sample store in sample mode.
class StoreOpener {
public:
    enum class Mode { Normal, Sample };
    virtual ~StoreOpener() = default;

    // A new context on the store of `mode`, loaded. When the store cannot be opened, sets
    // `error` and returns a context without a store (its saves fail), so the program goes on.
    [[nodiscard]] virtual std::unique_ptr<ObjectContext> open(
        Mode mode, std::optional<ValidationError>& error) = 0;
    // Moves the open store of `context` to the save-as file; the error, or nothing.
    [[nodiscard]] virtual std::optional<ValidationError> saveAs(ObjectContext& context) = 0;
};

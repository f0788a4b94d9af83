#pragma once

#include <optional>

#include "session/HomeCurrencyAlert.h"

class CurrencyUpdater;
class StoreSession;

// Brings the data of an opened store up to the current layout, recorded in the
// internalVersion of its Global record, and sets up a brand-new store.
class ApplicationMigrations final {
public:
    static constexpr int kCurrentVersion = 1;

    // On the session's context, with `updater` over that context:
    // - unset version (a new store): the home currency of the user's locale (when the store
    //   lists it), then the default categories;
    // - version below 1: the same locale rule; when it changed the home code, returns the
    //   alert naming the old and the new code;
    // - then the version is 1 and the session saves. A store that is already at version 1
    //   (or a later one, which is left as it is) changes nothing.
    // Save errors are reported through the session.
    [[nodiscard]] static std::optional<HomeCurrencyAlert> performApplicationLevelMigrations(
        StoreSession& session, CurrencyUpdater& updater);
};

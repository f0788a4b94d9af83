#pragma once

#include <optional>
#include <string>

#include "session/HomeCurrencyAlert.h"

class CurrencyUpdater;
class Node;
class StoreSession;

// What both front ends run right after a store is opened, in this order: in sample mode the
// shift of the sample's dates, the root of the account tree, the refresh of the currencies
// from the currencies file, and the application-level migrations. None of it is the user's
// to undo.
class StartSequence final {
public:
    struct Outcome final {
        Node* accountsRoot = nullptr;
        // Set when the migration moved an older store's home currency; the caller shows it.
        std::optional<HomeCurrencyAlert> homeCurrencyAlert;
    };

    // REQUIRES: `session` outlives the sequence.
    explicit StartSequence(StoreSession& session);
    StartSequence(StoreSession& session, std::string currenciesFile);

    // Opens the session's store when it is not yet open. A store that could not be opened
    // only gets a root (so the window can be built) and is left alone otherwise, and so is
    // one opened read-only. Save errors
    // are reported through the session; an internal error of the currency refresh is logged
    // and the start goes on with the currencies the store has.
    [[nodiscard]] Outcome run();

private:
    void updateCurrencies(CurrencyUpdater& updater);

    StoreSession& m_session;
    std::string m_currenciesFile;
};

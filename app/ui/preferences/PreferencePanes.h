#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Alerts;
class MBPreferencesController;
class ObjectContext;
class PreferencesModule;

// The preferences' panes on the open store, and the main window's command that shows them.
class PreferencePanes final {
public:
    PreferencePanes() = delete;

    // What the panes need from the main window that makes them.
    struct Services {
        ObjectContext& context;
        // Commits open editors, then saves the store; false after a failure it has shown.
        std::function<bool()> save;
        Alerts& alerts;
        // The currencies file the store's currencies come from.
        std::string currenciesFile;
    };

    // Categories, then Currencies, on `services.context`.
    [[nodiscard]] static std::vector<std::unique_ptr<PreferencesModule>> makeModules(
        const Services& services);

    // The Preferences command: makes the panes when the window has none (the first time after
    // a store was opened), otherwise reads the categories pane from the store again; shows
    // the pane `paneIdentifier` when one is given; then shows the window centred.
    static void showPreferencePanel(MBPreferencesController& preferences, const Services& services,
                                    const QString& paneIdentifier = {});
};

#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "session/StoreSnapshots.h"

class BackupsWindow;
class SnapshotListModel;
class UrlOpener;

// The backups window: lists a store's snapshots and forwards what the person asks of the one
// selected. Restoring and opening belong to whoever owns the store, so they are asked for
// through the actions given.
class BackupsController final : public QObject {
    Q_OBJECT
public:
    struct Actions {
        // Put the snapshot in the store's place (the owner confirms, snapshots, reopens).
        std::function<void(const SnapshotManifest&)> restore;
        // Open the snapshot's file to look at, nothing written.
        std::function<void(const std::string& path)> openReadOnly;
    };

    // REQUIRES: `opener` outlives the controller.
    BackupsController(Actions actions, UrlOpener& opener, QObject* parent = nullptr);
    ~BackupsController() override;

    // Lists the snapshots of `snapshots`' store and brings the window forward.
    void showWindow(const StoreSnapshots& snapshots);
    // Lists them again (after a snapshot was taken or restored), when the window is shown.
    void reload();

    BackupsWindow& window() const { return *m_window; }
    SnapshotListModel& model() const { return *m_model; }

    void revealInFileManager();
    void openSelectedReadOnly();
    void restoreSelected();

private:
    const SnapshotManifest* selected() const;
    void updateButtons();

    Actions m_actions;
    UrlOpener& m_opener;
    std::unique_ptr<BackupsWindow> m_window;
    SnapshotListModel* m_model;
    std::optional<StoreSnapshots> m_snapshots;
};

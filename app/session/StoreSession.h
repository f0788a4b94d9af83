#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/ValidationError.h"
#include "session/SnapshotManifest.h"
#include "session/StoreSnapshots.h"
#include "store/ObjectContext.h"
#include "store/PersistentStore.h"

class EntityModel;

// The two kinds of store file the program opens.
enum class StoreKind { SQLite, XML };

// What the application answers when asked to quit.
enum class TerminateReply { Now, Cancel };

// The application delegate's store half: which file to open in normal and sample mode, the
// context over it, save with its error report, save-as and the quit decision. Owns the context
// and, through it, the store.
class StoreSession final {
public:
    static constexpr const char* kDatabaseName = "Database.pennorasql";
    static constexpr const char* kSampleDatabaseName = "SampleDatabase.xml";
    static constexpr const char* kSaveAsName = "DatabaseSaveAs.pennorasql";

    // Makes a store of `kind` over the file at `path` (not yet loaded); nothing when the file
    // cannot be opened at all.
    using StoreFactory =
        std::function<std::unique_ptr<PersistentStore>(StoreKind kind, const std::string& path)>;

    struct Options {
        std::string dataFolder;  // DataFolder::defaultPath() in the program
        // The normal mode's store file; empty: kDatabaseName in the data folder. A file given
        // here lives where its owner put it, so the data folder is not created for it. A name
        // ending in ".xml" is an XML store, like the sample; any other an SQLite store.
        std::string databasePath;
        std::string sampleResource;  // the shipped SampleDatabase.xml
        StoreFactory makeStore;      // required
        // Shows an error to the user (the standard error alert); may be empty.
        std::function<void(const ValidationError&)> presentError;
        // Asks bound fields to commit pending edits; false when one refuses. Empty: commits.
        std::function<bool()> commitEditing;
        // Looks over a store right after it loaded: nothing when it is sound, else what is
        // damaged. A damaged store is treated as one that could not be opened. May be empty.
        std::function<std::optional<std::string>(ObjectContext&)> findDamage;
        // Keeps snapshots of the normal mode's SQLite store (StoreSnapshots): one on opening,
        // before anything could change the store, and those asked for below. With findDamage
        // set, an SQLite store must also pass SQLite's quick check to open.
        bool keepSnapshots = false;
        // With keepSnapshots: whether opening takes one. Off where the store is opened only
        // to be looked at or replaced (the command line's backup commands).
        bool snapshotOnOpen = true;
        // Opens the store to look only: makeStore must make a store that refuses every save;
        // no snapshot is taken and the start sequence changes nothing.
        bool readOnly = false;
    };

    StoreSession(const EntityModel& model, Options options);

    bool sampleMode() const { return m_sampleMode; }
    bool readOnly() const { return m_options.readOnly; }
    void setSampleMode(bool sample) { m_sampleMode = sample; }

    // XML for a path whose name ends in ".xml" (in any letter case), else SQLite.
    [[nodiscard]] static StoreKind kindForPath(const std::string& path);

    // Drops the context and its store; the next context() opens the store again.
    void reset();

    // The context, opening the store on first use: creates the data folder (DataFolder),
    // picks the file for the mode, loads it and looks it over (Options::findDamage). A store
    // that cannot be opened or is damaged ("The store file "…" could not be read: …") is
    // presented; the context then holds nothing and has no store (saves fail), and the file
    // is left as it is.
    ObjectContext& context();
    bool hasContext() const { return m_context != nullptr; }
    // The error of the last failed open, if any.
    const std::optional<ValidationError>& openError() const { return m_openError; }
    // The file the context's store works on (empty before the first open).
    const std::string& storePath() const { return m_storePath; }

    // Saves the context. No context, or a refused commit: AssertionFailure. Returns true when
    // there was nothing to save or the save succeeded; otherwise reports the error
    // (outputSaveError) and returns false, keeping the unsaved changes.
    bool save();
    // While an import fills the context in steps, the context holds half an import that must
    // not be written: save() then leaves the context alone and returns true; the import saves
    // or takes back its own work when it ends. Holds nest.
    void holdSaves() { ++m_saveHolds; }
    // REQUIRES: a hold (AssertionFailure otherwise).
    void releaseSaves();
    bool savesHeld() const { return m_saveHolds > 0; }
    // Logs "Failed to save to data store: <description>", then "DetailedError: <info>" per
    // detailed error, or "  <info>" when there are none, and presents the error.
    void outputSaveError(const ValidationError& error) const;
    // Copies the saved store to DatabaseSaveAs.pennorasql (SQLite), continues there and saves.
    // AssertionFailure when the copy cannot be made.
    void saveAs();

    TerminateReply applicationShouldTerminate();

    // ---- Snapshots (with Options::keepSnapshots; an SQLite store opened to write) ----

    // The store's snapshots once it is open; nullptr when none are kept.
    const StoreSnapshots* snapshots() const { return m_snapshots.get(); }
    // Takes a snapshot before a change of many things at once (an import, a home currency
    // switch, deleting an account with transactions). The saved store is copied; nothing
    // happens without snapshots or when the copy fails (logged).
    void snapshotBeforeBulkChange(SnapshotReason reason);
    // Takes the hourly snapshot when changes have been saved since the last one and that was
    // an hour or more ago (by the program's clock). Front ends call it from a timer, never
    // from a save. True when one was taken.
    bool snapshotIfDue();
    // Puts `snapshot` in the store's place when it passes StoreSnapshots::verify: saves the
    // context and snapshots the store first (a damaged store is set aside in the snapshots'
    // folder instead), closes it, swaps the files atomically; the next context() opens the
    // restored store. Nothing on success, else why not (the store is then as it was).
    [[nodiscard]] std::optional<std::string> restoreSnapshot(const SnapshotManifest& snapshot);

private:
    std::string pathFor(const char* name) const { return m_options.dataFolder + "/" + name; }
    void copySampleResource(const std::string& path) const;
    std::unique_ptr<PersistentStore> openStore(StoreKind kind, const std::string& path);
    std::optional<std::string> quickCheckDamage(StoreKind kind, const std::string& path) const;
    void noteSnapshot(const std::variant<SnapshotManifest, std::string>& taken);

    const EntityModel& m_model;
    Options m_options;
    bool m_sampleMode = false;
    std::unique_ptr<ObjectContext> m_context;
    int m_saveHolds = 0;
    std::optional<ValidationError> m_openError;
    std::string m_storePath;
    StoreKind m_storeKind = StoreKind::SQLite;
    std::unique_ptr<StoreSnapshots> m_snapshots;
    bool m_changesSinceSnapshot = false;
    std::optional<Date::TimePoint> m_lastSnapshot;
};

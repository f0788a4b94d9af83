#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "session/SnapshotManifest.h"

class ObjectContext;

// The snapshots of one SQLite store file: copies in the folder "backups" beside it (mode
// 0700, files 0600), each with its manifest. Taking one copies the store with SQLite's
// online backup, drops the copy when its content is the same as the newest snapshot's and
// then thins the folder (SnapshotRetention) by the program's clock. Files in the folder that
// have no readable manifest are not snapshots: they are neither listed nor removed.
class StoreSnapshots final {
public:
    static constexpr const char* kFolderName = "backups";
    static constexpr unsigned kFolderMode = 0700;

    // REQUIRES: `storePath` names an SQLite store file (it need not exist yet).
    explicit StoreSnapshots(std::string storePath);

    const std::string& storePath() const { return m_storePath; }
    const std::string& folder() const { return m_folder; }

    // Every snapshot, newest first.
    [[nodiscard]] std::vector<SnapshotManifest> list() const;
    [[nodiscard]] std::string pathOf(const SnapshotManifest& snapshot) const;

    // A copy of the store made but not yet kept: the first half of a snapshot whose figures
    // are known only once the store has been loaded (the snapshot on opening). Its manifest's
    // SHA-256 may be filled in before keep(), which otherwise hashes the copy itself.
    struct Pending final {
        std::string path;
        SnapshotManifest manifest;
    };
    // True when there is a store file that has changed since a snapshot was copied from it.
    [[nodiscard]] bool storeChangedSinceCopied() const;
    // Copies the store now. Nothing when there is no store file yet or the store has not
    // changed since the newest snapshot was copied from it; the error text when the copy
    // could not be made (the store is left as it is either way).
    [[nodiscard]] std::variant<std::monostate, Pending, std::string> copyStore(
        SnapshotReason reason) const;
    // Completes a copy: the figures from `context` (REQUIRES: it holds what the copy holds),
    // the hash, the manifest. A copy whose content equals the newest snapshot's is dropped and
    // that snapshot answered instead. Then thins the folder.
    SnapshotManifest keep(Pending pending, ObjectContext& context) const;
    void discard(const Pending& pending) const;

    // copyStore and keep in one: the snapshot kept (or the newest, when nothing changed), or
    // what went wrong.
    [[nodiscard]] std::variant<SnapshotManifest, std::string> take(SnapshotReason reason,
                                                                   ObjectContext& context) const;

    // Removes the snapshots the retention scheme does not keep at `now`, with their manifests.
    void prune(Date::TimePoint now) const;

    // Nothing when the snapshot's file is whole (its SHA-256 is the manifest's), passes
    // SQLite's quick check and loads, read-only, into a ledger that passes the check on
    // opening; else what is wrong with it.
    [[nodiscard]] std::optional<std::string> verify(const SnapshotManifest& snapshot) const;
    // The newest snapshot that verify() passes.
    [[nodiscard]] std::optional<SnapshotManifest> newestPassing() const;

    // Moves the store file (damaged) out of the way into the folder, under a name that marks
    // it damaged and is not a snapshot's; its side files are removed. The path it now has, or
    // nothing when it could not be moved.
    [[nodiscard]] std::optional<std::string> setAsideDamagedStore() const;

    // The stamp (size, change time, inode of the file and its write-ahead log, an empty log
    // counting as none) of `path`.
    [[nodiscard]] static std::string stampOf(const std::string& path);

private:
    // Whether a snapshot was copied from the store when it had `stamp`.
    [[nodiscard]] bool copiedAtStamp(const std::string& stamp) const;
    [[nodiscard]] bool ensureFolder() const;
    [[nodiscard]] std::string freeStem(Date::TimePoint taken) const;
    void writeManifest(const SnapshotManifest& manifest) const;

    std::string m_storePath;
    std::string m_folder;
};

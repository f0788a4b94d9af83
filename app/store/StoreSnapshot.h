#pragma once

#include <optional>
#include <string>

// Whole-file operations on SQLite store files for keeping and bringing back copies of them.
// Copies are made with SQLite's online backup, so a copy is consistent (one committed state)
// even while another connection, in this process or another, writes the store.
class StoreSnapshot final {
public:
    StoreSnapshot() = delete;

    // Copies the SQLite store at `source` into a new file at `target` (mode 0600): built at
    // `target` + ".part", switched to a rollback journal (so the copy is one self-contained
    // file that opens read-only without side files) with a change counter of 1 (so copies of
    // the same content are the same bytes), flushed to disk and renamed into place.
    // `source` is only read. Returns nothing on success, else what failed; there is then no
    // file at `target`.
    [[nodiscard]] static std::optional<std::string> copy(const std::string& source,
                                                         const std::string& target);

    // SQLite's quick check of the file at `path`, opened for reading only: nothing when it
    // passes, else SQLite's first complaint (or why the file could not be opened).
    [[nodiscard]] static std::optional<std::string> quickCheck(const std::string& path);

    // The data model version the store file at `path` records; nothing when it records none
    // or cannot be read.
    [[nodiscard]] static std::optional<int> modelVersion(const std::string& path);

    // Puts a copy of `snapshot` in place of the store at `store`, atomically: the store file
    // holds either its old content or the snapshot's after a crash. The store's side files
    // (-wal, -shm) go first, since they belong to the old content.
    // REQUIRES: no connection is open on `store`. Returns nothing on success, else what failed.
    [[nodiscard]] static std::optional<std::string> restore(const std::string& snapshot,
                                                            const std::string& store);
};

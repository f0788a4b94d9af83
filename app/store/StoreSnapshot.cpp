#include "store/StoreSnapshot.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "store/SQLiteStatement.h"
#include "store/SQLiteStore.h"
#include "store/StoreFile.h"

namespace {

// A connection closed when it goes out of scope.
class Connection final {
public:
    Connection(const std::string& path, int flags) {
        if (sqlite3_open_v2(path.c_str(), &m_db, flags | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK) {
            m_error = m_db != nullptr ? sqlite3_errmsg(m_db) : "out of memory";
        } else {
            // The store's own connection may hold the file for a moment (switching it to its
            // journal mode, rebuilding the log's index): wait for it rather than report a
            // store that is merely busy as damaged.
            sqlite3_busy_timeout(m_db, 5000);
        }
    }
    ~Connection() { sqlite3_close(m_db); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* db() const { return m_db; }
    const std::optional<std::string>& error() const { return m_error; }

private:
    sqlite3* m_db = nullptr;
    std::optional<std::string> m_error;
};

std::optional<std::string> backup(const std::string& source, const std::string& target) {
    Connection from(source, SQLITE_OPEN_READONLY);
    if (from.error()) {
        return "the store could not be opened: " + *from.error();
    }
    Connection to(target, SQLITE_OPEN_READWRITE);
    if (to.error()) {
        return "the copy could not be opened: " + *to.error();
    }
    sqlite3_busy_timeout(from.db(), 2000);
    sqlite3_backup* copying = sqlite3_backup_init(to.db(), "main", from.db(), "main");
    if (copying == nullptr) {
        return std::string(sqlite3_errmsg(to.db()));
    }
    // All pages in one step: the copy is taken under one read transaction of the source, so
    // a save by another connection cannot make it start over.
    const int stepped = sqlite3_backup_step(copying, -1);
    const int finished = sqlite3_backup_finish(copying);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        return std::string(sqlite3_errstr(stepped != SQLITE_DONE ? stepped : finished));
    }
    try {
        sqliteExecute(to.db(), "PRAGMA journal_mode=DELETE");
    } catch (const SQLiteError& error) {
        return error.message;
    }
    return std::nullopt;
}

// The header's change counter says how often the file was written, which depends on the
// journal mode the source had, not on its content. Setting it (and the number that must
// equal it for the header's page count to hold, at offset 92) to 1 makes copies of the same
// content the same bytes. No connection has the copy open.
std::optional<std::string> settleChangeCounter(const std::string& path) {
    const unsigned char one[4] = {0, 0, 0, 1};
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    const bool written = fd >= 0 && ::pwrite(fd, one, sizeof one, 24) == sizeof one &&
                         ::pwrite(fd, one, sizeof one, 92) == sizeof one;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!written) {
        return std::string("the copy's header could not be written");
    }
    return std::nullopt;
}

std::optional<std::string> quickCheckWith(const std::string& name, int flags) {
    Connection connection(name, flags);
    if (connection.error()) {
        return connection.error();
    }
    try {
        SQLiteStatement check(connection.db(), "PRAGMA quick_check");
        if (!check.step() || !check.isText(0)) {
            return std::string("the quick check gave no answer");
        }
        if (std::string answer = check.text(0); answer != "ok") {
            return answer;
        }
    } catch (const SQLiteError& error) {
        return error.message;
    }
    return std::nullopt;
}

bool syncFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return synced;
}

std::string folderOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

}  // namespace

std::optional<std::string> StoreSnapshot::copy(const std::string& source,
                                               const std::string& target) {
    const std::string part = target + ".part";
    for (const char* suffix : {"", "-journal"}) {
        ::unlink((part + suffix).c_str());
    }
    const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          static_cast<mode_t>(StoreFile::kFileMode));
    if (fd < 0) {
        return "the copy could not be created: " + std::string(std::strerror(errno));
    }
    ::close(fd);
    std::optional<std::string> error = backup(source, part);
    if (!error) {
        error = settleChangeCounter(part);
    }
    if (!error && !syncFile(part)) {
        error = "the copy could not be written to disk";
    }
    if (!error && ::rename(part.c_str(), target.c_str()) != 0) {
        error = "the copy could not be put in place: " + std::string(std::strerror(errno));
    }
    if (error) {
        ::unlink(part.c_str());
        return error;
    }
    syncFile(folderOf(target));
    return std::nullopt;
}

std::optional<std::string> StoreSnapshot::quickCheck(const std::string& path) {
    std::optional<std::string> damage = quickCheckWith(path, SQLITE_OPEN_READONLY);
    struct stat info {};
    if (damage && ::stat((path + "-wal").c_str(), &info) != 0) {
        // SQLite reads a file in WAL mode through a shared-memory file beside it; where that
        // cannot be made (a folder the user may not write), a file without a WAL file holds
        // its whole content and is read as it is.
        if (!quickCheckWith(SQLiteStore::immutableFileURI(path),
                            SQLITE_OPEN_READONLY | SQLITE_OPEN_URI)) {
            return std::nullopt;
        }
    }
    return damage;
}

std::optional<int> StoreSnapshot::modelVersion(const std::string& path) {
    Connection connection(path, SQLITE_OPEN_READONLY);
    if (connection.error()) {
        return std::nullopt;
    }
    try {
        SQLiteStatement version(connection.db(),
                                "SELECT value FROM pennora_metadata WHERE key='modelVersion'");
        if (version.step() && version.isText(0)) {
            return std::stoi(version.text(0));
        }
    } catch (const SQLiteError&) {
    } catch (const std::logic_error&) {  // not a number
    }
    return std::nullopt;
}

std::optional<std::string> StoreSnapshot::restore(const std::string& snapshot,
                                                  const std::string& store) {
    std::optional<std::string> bytes = StoreFile::readWhole(snapshot);
    if (!bytes) {
        return std::string("the snapshot could not be read");
    }
    // A write-ahead log left beside the store would be played over the restored content.
    for (const char* suffix : {"-wal", "-shm", "-journal"}) {
        if (::unlink((store + suffix).c_str()) != 0 && errno != ENOENT) {
            return "the store's " + std::string(suffix + 1) + " file could not be removed";
        }
    }
    return StoreFile::writeAtomically(store, *bytes);
}

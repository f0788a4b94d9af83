#include "SQLiteFaults.h"

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct State {
    sqlite3_vfs* real = nullptr;
    sqlite3_vfs vfs{};
    long writes = 0;
    long failAt = 0;  // 0: no fault armed
    SQLiteFaults::Fault fault = SQLiteFaults::Fault::DiskFull;
    bool failed = false;
    long growth = -1;             // -1: unlimited
    long refuseAt = -1;           // -1: no row refused
    std::vector<sqlite3*> armed;  // the connections opened while growth or refuseAt was set
};
State g_state;

// Our file, with the real file's own structure right behind it.
struct FaultyFile {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* realOf(sqlite3_file* file) {
    return reinterpret_cast<FaultyFile*>(file)->real;
}

int faultyWrite(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    ++g_state.writes;
    if (g_state.failAt > 0 && g_state.writes >= g_state.failAt) {
        const bool fails =
            g_state.fault == SQLiteFaults::Fault::DiskFull || g_state.writes == g_state.failAt;
        if (fails) {
            g_state.failed = true;
            return g_state.fault == SQLiteFaults::Fault::DiskFull ? SQLITE_FULL
                                                                  : SQLITE_IOERR_WRITE;
        }
    }
    sqlite3_file* real = realOf(file);
    return real->pMethods->xWrite(real, data, amount, offset);
}

int faultyClose(sqlite3_file* file) {
    sqlite3_file* real = realOf(file);
    return real->pMethods->xClose(real);
}

// Everything else passes through to the real file.
#define PN_FORWARD(name, signature, arguments) \
    int forward_##name signature {             \
        sqlite3_file* real = realOf(file);     \
        return real->pMethods->name arguments; \
    }

PN_FORWARD(xRead, (sqlite3_file * file, void* data, int amount, sqlite3_int64 offset),
           (real, data, amount, offset))
PN_FORWARD(xTruncate, (sqlite3_file * file, sqlite3_int64 size), (real, size))
PN_FORWARD(xSync, (sqlite3_file * file, int flags), (real, flags))
PN_FORWARD(xFileSize, (sqlite3_file * file, sqlite3_int64* size), (real, size))
PN_FORWARD(xLock, (sqlite3_file * file, int level), (real, level))
PN_FORWARD(xUnlock, (sqlite3_file * file, int level), (real, level))
PN_FORWARD(xCheckReservedLock, (sqlite3_file * file, int* out), (real, out))
PN_FORWARD(xFileControl, (sqlite3_file * file, int op, void* arg), (real, op, arg))
PN_FORWARD(xSectorSize, (sqlite3_file * file), (real))
PN_FORWARD(xDeviceCharacteristics, (sqlite3_file * file), (real))
PN_FORWARD(xShmMap, (sqlite3_file * file, int region, int size, int extend, void volatile** out),
           (real, region, size, extend, out))
PN_FORWARD(xShmLock, (sqlite3_file * file, int offset, int n, int flags), (real, offset, n, flags))
PN_FORWARD(xShmUnmap, (sqlite3_file * file, int deleteFlag), (real, deleteFlag))
#undef PN_FORWARD

void faultyShmBarrier(sqlite3_file* file) {
    sqlite3_file* real = realOf(file);
    real->pMethods->xShmBarrier(real);
}

const sqlite3_io_methods kMethods = {
    2,  // no memory-mapped reads
    faultyClose,
    forward_xRead,
    faultyWrite,
    forward_xTruncate,
    forward_xSync,
    forward_xFileSize,
    forward_xLock,
    forward_xUnlock,
    forward_xCheckReservedLock,
    forward_xFileControl,
    forward_xSectorSize,
    forward_xDeviceCharacteristics,
    forward_xShmMap,
    forward_xShmLock,
    faultyShmBarrier,
    forward_xShmUnmap,
    nullptr,
    nullptr,
};

int faultyOpen(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    auto* ours = reinterpret_cast<FaultyFile*>(file);
    ours->real = reinterpret_cast<sqlite3_file*>(ours + 1);
    const int rc = g_state.real->xOpen(g_state.real, name, ours->real, flags, outFlags);
    ours->base.pMethods = ours->real->pMethods != nullptr ? &kMethods : nullptr;
    return rc;
}

long pageCount(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    long count = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA page_count", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        count = static_cast<long>(sqlite3_column_int64(statement, 0));
    }
    sqlite3_finalize(statement);
    return count;
}

void setMaximumPages(sqlite3* db, long pages) {
    const std::string sql = "PRAGMA max_page_count=" + std::to_string(pages);
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

std::vector<std::string> tablesOf(sqlite3* db) {
    std::vector<std::string> tables;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name "
                           "NOT LIKE 'sqlite_%'",
                           -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        }
    }
    sqlite3_finalize(statement);
    return tables;
}

// Counts every row the connection writes and refuses the one numbered `failAt`.
void installRowRefusal(sqlite3* db, long failAt) {
    std::string sql =
        "CREATE TEMP TABLE pn_fault (n INTEGER, failAt INTEGER); "
        "INSERT INTO pn_fault VALUES (0, " +
        std::to_string(failAt) + ");";
    int trigger = 0;
    for (const std::string& table : tablesOf(db)) {
        for (const char* operation : {"INSERT", "UPDATE", "DELETE"}) {
            sql += " CREATE TEMP TRIGGER pn_fault_" + std::to_string(++trigger) + " BEFORE " +
                   operation + " ON main.\"" + table +
                   "\" BEGIN UPDATE pn_fault SET n = n + 1; SELECT RAISE(ABORT, 'the write "
                   "was refused') FROM pn_fault WHERE n = failAt; END;";
        }
    }
    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
}

// Run by SQLite for every connection it opens.
int onOpen(sqlite3* db, const char**, const struct sqlite3_api_routines*) {
    if (g_state.growth >= 0) {
        setMaximumPages(db, pageCount(db) + g_state.growth);
    }
    if (g_state.refuseAt >= 0) {
        installRowRefusal(db, g_state.refuseAt);
    }
    if (g_state.growth >= 0 || g_state.refuseAt >= 0) {
        g_state.armed.push_back(db);
    }
    return sqlite3_exec(db, "PRAGMA cache_size=4", nullptr, nullptr, nullptr);
}

}  // namespace

SQLiteFaults::SQLiteFaults() {
    if (g_state.real != nullptr) {
        throw std::logic_error("one SQLiteFaults at a time");
    }
    g_state = State{};
    g_state.real = sqlite3_vfs_find(nullptr);
    g_state.vfs = *g_state.real;
    g_state.vfs.zName = "pennora-faulty-disk";
    g_state.vfs.szOsFile = static_cast<int>(sizeof(FaultyFile)) + g_state.real->szOsFile;
    g_state.vfs.xOpen = faultyOpen;
    g_state.vfs.pNext = nullptr;
    sqlite3_vfs_register(&g_state.vfs, 1);
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(onOpen));
}

SQLiteFaults::~SQLiteFaults() {
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(onOpen));
    sqlite3_vfs_unregister(&g_state.vfs);
    sqlite3_vfs_register(g_state.real, 1);
    g_state.real = nullptr;
}

void SQLiteFaults::failWrite(long n, Fault fault) {
    g_state.writes = 0;
    g_state.failAt = n;
    g_state.fault = fault;
    g_state.failed = false;
}

void SQLiteFaults::limitGrowth(long pages) {
    g_state.growth = pages;
    g_state.armed.clear();
}

void SQLiteFaults::refuseRow(long n) {
    g_state.refuseAt = n;
    g_state.armed.clear();
}

void SQLiteFaults::disarm() {
    g_state.failAt = 0;
    for (sqlite3* db : g_state.armed) {
        if (g_state.growth >= 0) {
            setMaximumPages(db, 0x7ffffffe);
        }
        if (g_state.refuseAt >= 0) {
            sqlite3_exec(db, "UPDATE temp.pn_fault SET failAt = 0", nullptr, nullptr, nullptr);
        }
    }
    g_state.growth = -1;
    g_state.refuseAt = -1;
    g_state.armed.clear();
}

long SQLiteFaults::rowsWritten() const {
    long rows = 0;
    for (sqlite3* db : g_state.armed) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT n FROM temp.pn_fault", -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            rows += static_cast<long>(sqlite3_column_int64(statement, 0));
        }
        sqlite3_finalize(statement);
    }
    return rows;
}

long SQLiteFaults::writes() const {
    return g_state.writes;
}

void SQLiteFaults::resetCount() {
    g_state.writes = 0;
}

bool SQLiteFaults::hasFailed() const {
    return g_state.failed;
}

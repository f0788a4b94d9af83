#pragma once

// SQLite on a disk that fails on request. While it lives it is SQLite's default file system (a
// wrapper around the real one that every connection opened meanwhile uses). It fails in four
// ways:
//  - failWrite(n, Fault::DiskFull): the Nth write to any file (database, WAL, journal) from
//    now and every later one fail with SQLITE_FULL until disarm(), as on a disk that filled up;
//  - failWrite(n, Fault::IOError): the Nth write alone fails with SQLITE_IOERR_WRITE;
//  - limitGrowth(pages): connections opened from now on may add only so many pages to their
//    database (SQLite's max_page_count) until disarm(): the statement that needs one more
//    fails with SQLITE_FULL;
//  - refuseRow(n): connections opened from now on refuse the Nth row they write (insert,
//    update or delete, in any table) until disarm(): the statement fails in the middle, as a
//    constraint would fail it, and unlike after the faults above SQLite keeps the transaction
//    open, so what happens to the rows written before it is up to the program.
// It also keeps SQLite's page cache at a few pages, so that a save of more than a handful of
// rows writes to the WAL while its transaction is still open, not only when it commits.
// One at a time; not thread-safe.
class SQLiteFaults final {
public:
    enum class Fault { DiskFull, IOError };

    SQLiteFaults();
    ~SQLiteFaults();
    SQLiteFaults(const SQLiteFaults&) = delete;
    SQLiteFaults& operator=(const SQLiteFaults&) = delete;

    // REQUIRES: n >= 1. Also starts counting afresh.
    void failWrite(long n, Fault fault);
    void limitGrowth(long pages);
    // REQUIRES: n >= 1; a larger n than any save writes only counts.
    void refuseRow(long n);
    // Ends every fault. REQUIRES: the connections opened since limitGrowth or refuseRow are
    // still open.
    void disarm();
    // Writes to files since the last failWrite or resetCount (the failed ones included).
    long writes() const;
    // Rows written by the connections opened since refuseRow.
    long rowsWritten() const;
    void resetCount();
    // True when a write has failed since the last failWrite.
    bool hasFailed() const;
};

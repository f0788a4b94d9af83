#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class Account;
class AccountGroup;
class ObjectContext;
class Transaction;

// The transactions a register shows, newest first (date, then sortID, descending), in one of
// four modes: one account, an account group, the whole store, or a given list (search
// results, report drill-downs).
//
// The rows are fetched when a mode is chosen and again by refetch(); between the two, the
// register keeps them in step with its own changes (insert, remove, resort), so that a
// one-row change costs a binary search and a move, never a fetch of the store.
class RegisterRows final {
public:
    enum class Mode { None, Account, Group, All, List };

    explicit RegisterRows(ObjectContext& context) : m_context(context) {}

    void showAccount(Account& account);
    void showGroup(AccountGroup& group);
    void showAll();
    void showList(std::vector<Transaction*> transactions);
    // Replaces the list of list mode. REQUIRES: list mode (AssertionFailure otherwise).
    void reloadList(std::vector<Transaction*> transactions);
    // Fetches the shown transactions again, as the mode says: the account's or the group's
    // transactions now, every transaction of the store, or the list less what was deleted.
    void refetch();

    Mode mode() const { return m_mode; }
    Account* account() const { return m_account; }
    AccountGroup* group() const { return m_group; }
    ObjectContext& context() const { return m_context; }

    std::size_t size() const { return m_rows.size(); }
    Transaction* at(std::size_t row) const { return m_rows[row].transaction; }
    // The row of `transaction`: a binary search when its date and sortID are those it was
    // sorted with, else a scan. Nothing when it is not shown.
    std::optional<std::size_t> rowOf(const Transaction& transaction) const;

    // The row insert() would give `transaction`, without inserting it.
    std::size_t insertionRow(const Transaction& transaction) const;
    // The row resort() would move `row` to, without moving it.
    std::size_t resortedRow(std::size_t row) const;
    // Shows `transaction` at its place in the order and returns its row.
    std::size_t insert(Transaction& transaction);
    void remove(std::size_t row);
    // Moves the row's transaction to its place after its date changed; returns its new row.
    std::size_t resort(std::size_t row);

private:
    struct Row {
        std::int32_t day = 0;
        std::int64_t sortID = 0;
        Transaction* transaction = nullptr;
    };
    static Row rowFor(Transaction& transaction);
    static bool comesBefore(const Row& a, const Row& b);
    void reset(Mode mode);
    std::size_t place(Transaction& transaction);
    void fill(const std::vector<Transaction*>& transactions);
    // Adds a row for each of an account's transactions, newest first.
    void appendNewestFirst(const std::vector<Transaction*>& oldestFirst);
    bool mergeAccountOrders();

    ObjectContext& m_context;
    Mode m_mode = Mode::None;
    Account* m_account = nullptr;
    AccountGroup* m_group = nullptr;
    std::vector<Transaction*> m_list;
    std::vector<Row> m_rows;
};

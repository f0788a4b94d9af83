#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Alert.h"
#include "base/Date.h"
#include "base/DateFormatter.h"
#include "base/Decimal.h"

class Category;
class Transaction;

// The transaction editor without its widgets: the fields of the transaction being edited,
// either one category (single mode) or a list of split rows that must add up to the amount
// (split mode), the remainder those rows leave, which rows the advanced area shows, and the
// writing back into the transaction. The panel shows what this holds and forwards every edit
// to it. Created once and reused: setup() for every opening, writeFieldsToTransaction() and
// clear() at every closing.
class TransactionEditorModel final {
public:
    struct SplitRow {
        Category* category = nullptr;
        std::optional<Decimal> amount;  // nothing: the row's amount field is empty
        // The user typed this row's amount: from then on a difference in the total shows as
        // a remainder instead of changing this row.
        bool amountChangedByUser = false;

        bool operator==(const SplitRow&) const = default;
    };
    // The rows of the advanced area, in the order they are stacked.
    enum class AdvancedRow { Match, BankData, Account };

    TransactionEditorModel();

    // Fills the fields from `transaction`. `isAdding`: the amount starts empty (so that the
    // amount field's assumed sign applies). `isAccountMode`: the register shows one account,
    // so the advanced area has no account row. Fewer than two splits: single mode with the
    // split's category; otherwise one row per split in sortedSplits order, a row whose split
    // has a category counting as typed by the user.
    void setup(Transaction& transaction, bool isAdding, bool isAccountMode);
    // Forgets the transaction.
    void clear();
    Transaction* transaction() const { return m_transaction; }

    // ---- Basic fields ----
    Date date() const { return m_date; }
    void setDate(Date date) { m_date = date; }
    const std::optional<std::int64_t>& checkNumber() const { return m_checkNumber; }
    void setCheckNumber(std::optional<std::int64_t> number) { m_checkNumber = number; }
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::string& notes() const { return m_notes; }
    void setNotes(std::string notes) { m_notes = std::move(notes); }
    const std::optional<Decimal>& amount() const { return m_amount; }
    // The transaction's amount field ended editing; in split mode the rows follow it.
    void amountChanged(std::optional<Decimal> amount);

    // ---- Category or splits ----
    bool isShowingSplits() const { return m_isShowingSplits; }
    // The category in single mode; nullptr in split mode.
    Category* currentCategory() const { return m_currentCategory; }
    // The single category field changed. REQUIRES: single mode (AssertionFailure otherwise).
    void categoryChanged(Category* category);
    const std::vector<SplitRow>& rows() const { return m_rows; }
    // The unassigned part of the amount, shown under the rows; nothing when none is shown.
    const std::optional<Decimal>& remainder() const { return m_remainder; }

    // Split mode with two rows: the current category with the amount, then an empty row.
    // REQUIRES: single mode.
    void split();
    // Single mode with the first row's category. REQUIRES: split mode.
    void merge();
    // Appends a row of amount 0. REQUIRES: split mode.
    void addSplitRow();
    // Removes the row; with one row left, merges. REQUIRES: split mode, a row index.
    void removeSplitRow(std::size_t index);
    // A row's amount field ended editing: the row counts as typed by the user when the value
    // differs from the one it had (a value where there was none included).
    void rowAmountChanged(std::size_t index, std::optional<Decimal> amount);
    void rowCategoryChanged(std::size_t index, Category* category);
    // Remainder = amount minus the sum of the rows (each as AmountFormatter::interpretAmount).
    // When it is not zero: shown as the remainder when the last row was typed by the user,
    // otherwise added to the last row, which so follows every change of the total.
    void updateSplitAmount();

    // ---- Writing back ----
    // Date, check number, title and notes (empty text: none), the amount (interpretAmount)
    // and then the categories. The register calls fixSplitsIfNecessary afterwards.
    // REQUIRES: a transaction.
    void writeFieldsToTransaction();
    // Makes the transaction's splits those of the editor (one split of the amount with the
    // current category in single mode, one per row otherwise) and posts PNCategoriesChanged.
    // Splits that already say the same are kept, so that an unchanged transaction stays
    // unchanged.
    void writeCategoriesToTransaction();

    // ---- Advanced area ----
    // Match row when the transaction is matched, bank-data row when it is imported, account
    // row outside account mode. Empty: no advanced area and no toggle.
    const std::vector<AdvancedRow>& advancedRows() const { return m_advancedRows; }
    bool showsAdvancedToggle() const { return !m_advancedRows.empty(); }
    // The bank's title and date ("MMM dd, yyyy") of the match and bank-data rows.
    std::string bankTitle() const;
    std::string bankDateText() const;
    std::string accountName() const;

    // Asked before a match is undone: "Undo Match" (default) or "Cancel".
    [[nodiscard]] static Alert undoMatchQuestion();

private:
    void requireTransaction() const;
    [[nodiscard]] bool splitsAlreadyMatch() const;

    DateFormatter m_dateFormatter;
    Transaction* m_transaction = nullptr;
    Date m_date;
    std::optional<std::int64_t> m_checkNumber;
    std::string m_title;
    std::string m_notes;
    std::optional<Decimal> m_amount;
    bool m_isShowingSplits = false;
    Category* m_currentCategory = nullptr;
    std::vector<SplitRow> m_rows;
    std::optional<Decimal> m_remainder;
    std::vector<AdvancedRow> m_advancedRows;
};

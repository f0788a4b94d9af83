#pragma once

#include <QAbstractTableModel>
#include <functional>

#include "ledger/RegisterRowHeight.h"

class RegisterRows;
class RegisterTexts;
class Transaction;

// The register's rows as a Qt table: a thin adapter over RegisterRows (which transactions,
// in which order) and the ledger's row figures (texts, colours, flags, line counts). Nothing
// is stored per row; every value is read from the transaction when asked.
//
// The controller changes the rows only through this model, which tells the views precisely:
// a one-row change is dataChanged, an addition an insert, a re-sort a move; a reset only
// for a new mode or a refetch.
class RegisterModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        FlagColumn,
        DateColumn,
        DescriptionColumn,
        CategoryColumn,
        AmountColumn,
        BalanceColumn,
        ColumnCount
    };
    enum Role {
        TransactionRole = Qt::UserRole + 1,  // Transaction* (as void*)
        FlagImageRole,                       // image name, "" for none
        TitleRole,
        NotesRole,            // null unless the notes are not blank
        CheckNumberRole,      // null without a check number
        CategoryLabelsRole,   // QStringList, one per category line
        CategoryAmountsRole,  // QStringList, "" for a transaction's one split
        IsGeneratedRole,
        NoteLinesRole,
        CategoryLinesRole,
        TextColorRole,  // hex colours ("237F00"), unhighlighted and highlighted
        SecondaryColorRole,
        HighlightedTextColorRole,
        HighlightedSecondaryColorRole,
    };

    // REQUIRES: `rows` and `texts` outlive the model.
    RegisterModel(RegisterRows& rows, RegisterTexts& texts, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    RegisterRows& rows() const { return m_rows; }
    Transaction* transactionAt(int row) const;
    // -1 when the transaction is not shown.
    int rowOf(const Transaction& transaction) const;
    // The line counts behind the row's height; cheaper than two data() calls per row.
    RegisterRowHeight::Lines linesAt(int row) const;

    // The row whose flag is under the mouse (-1: none): its flag shows what a click would set.
    int mouseOverFlagRow() const { return m_mouseOverFlagRow; }
    void setMouseOverFlagRow(int row);

    // Runs `change` on the rows (a new mode, a refetch) and resets the model around it.
    void reload(const std::function<void()>& change);
    // Every cell of the row was redrawn from its transaction.
    void rowChanged(int row);
    // Shows a new transaction at its place; returns its row.
    int insertTransaction(Transaction& transaction);
    void removeTransactionAt(int row);
    // Moves the row's transaction to its place after its date changed; returns its new row.
    int resortRow(int row);

private:
    QVariant cellText(int column, Transaction& transaction) const;
    QVariant cellColor(int column, const Transaction& transaction, bool highlighted,
                       bool secondary) const;

    RegisterRows& m_rows;
    RegisterTexts& m_texts;
    int m_mouseOverFlagRow = -1;
};

#pragma once

#include <QAbstractTableModel>
#include <map>
#include <vector>

#include "base/DateFormatter.h"
#include "ledger/CurrencyFormatter.h"

class Account;
class Transaction;

// The transactions behind a breakdown figure, one row each by date: date, account,
// title, category (a "Name: amount" part per split) and amount in the account's currency.
// Texts are made when a row is drawn; the model keeps only the pointers.
class BreakdownTransactionsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DateColumn, AccountColumn, TitleColumn, CategoryColumn, AmountColumn, Columns };

    explicit BreakdownTransactionsModel(QObject* parent = nullptr);
    ~BreakdownTransactionsModel() override;

    // REQUIRES: every transaction stays alive while it is listed.
    void setTransactions(std::vector<Transaction*> transactions);
    Transaction* transactionAt(int row) const { return m_transactions.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const Transaction& transaction, int column) const;
    const CurrencyFormatter& formatterFor(const Transaction& transaction) const;

    std::vector<Transaction*> m_transactions;
    // ICU formatters are dear to make for every cell: one for dates, one per listed account.
    DateFormatter m_dateFormatter;
    mutable std::map<const Account*, CurrencyFormatter> m_formatters;
};

#pragma once

#include <QPointer>
#include <vector>

#include "ui/breakdown/TransactionListView.h"

class PlaceholderView;

// Stands in for the register in list mode while this version has none: one line saying how
// many transactions the register would list there.
class PlaceholderTransactionList final : public TransactionListView {
public:
    PlaceholderTransactionList();
    ~PlaceholderTransactionList() override;

    QWidget* widget() override;
    void showTransactions(const std::vector<Transaction*>& transactions) override;
    void reloadTransactions(const std::vector<Transaction*>& transactions) override;

    // A factory for views that want a list (the budget view's zoom into a row).
    static TransactionListFactory factory();

private:
    QPointer<PlaceholderView> m_view;
};

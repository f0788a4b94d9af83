#include "ui/budgets/PlaceholderTransactionList.h"

#include <QCoreApplication>

#include "base/StringHelpers.h"
#include "ui/common/PlaceholderView.h"

PlaceholderTransactionList::PlaceholderTransactionList() : m_view(new PlaceholderView) {
    m_view->setColor(QColor(QStringLiteral("#F6F7F9")));
}

PlaceholderTransactionList::~PlaceholderTransactionList() {
    // Placed in a view, the widget belongs to it; otherwise it is still ours.
    if (m_view != nullptr && m_view->parent() == nullptr) {
        delete m_view.data();
    }
}

QWidget* PlaceholderTransactionList::widget() {
    return m_view;
}

void PlaceholderTransactionList::showTransactions(const std::vector<Transaction*>& transactions) {
    const std::string count = countedNoun_pn(static_cast<int>(transactions.size()), "transaction");
    m_view->setText(QCoreApplication::translate("PlaceholderTransactionList",
                                                "The register is not available in this version: "
                                                "it would list %1 here.")
                        .arg(QString::fromStdString(count)));
}

void PlaceholderTransactionList::reloadTransactions(const std::vector<Transaction*>& transactions) {
    showTransactions(transactions);
}

TransactionListFactory PlaceholderTransactionList::factory() {
    return [](std::function<void(Transaction*)>) {
        return std::unique_ptr<TransactionListView>(std::make_unique<PlaceholderTransactionList>());
    };
}

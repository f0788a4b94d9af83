#include "ui/breakdown/BreakdownTransactionList.h"

#include <QHeaderView>
#include <QScrollBar>

#include "ui/breakdown/BreakdownTransactionsModel.h"

BreakdownTransactionList::BreakdownTransactionList()
    : m_table(new QTableView), m_model(new BreakdownTransactionsModel(m_table)) {
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setFrameShape(QFrame::NoFrame);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    // Uniform rows: the table never measures each of a large set's rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setSectionResizeMode(BreakdownTransactionsModel::TitleColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(BreakdownTransactionsModel::CategoryColumn, QHeaderView::Stretch);
    header->resizeSection(BreakdownTransactionsModel::DateColumn, 100);
    header->resizeSection(BreakdownTransactionsModel::AccountColumn, 120);
    header->resizeSection(BreakdownTransactionsModel::AmountColumn, 100);
}

BreakdownTransactionList::~BreakdownTransactionList() {
    if (m_table != nullptr && m_table->parent() == nullptr) {
        delete m_table.data();
    }
}

QWidget* BreakdownTransactionList::widget() {
    return m_table;
}

void BreakdownTransactionList::showTransactions(const std::vector<Transaction*>& transactions) {
    m_model->setTransactions(transactions);
    m_table->scrollToTop();
}

void BreakdownTransactionList::reloadTransactions(const std::vector<Transaction*>& transactions) {
    const int scrolled = m_table->verticalScrollBar()->value();
    m_model->setTransactions(transactions);
    m_table->verticalScrollBar()->setValue(scrolled);
}

TransactionListFactory BreakdownTransactionList::factory() {
    return [](std::function<void(Transaction*)>) {
        return std::unique_ptr<TransactionListView>(std::make_unique<BreakdownTransactionList>());
    };
}

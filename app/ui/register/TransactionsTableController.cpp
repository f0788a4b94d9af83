#include "ui/register/TransactionsTableController.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <algorithm>

#include "base/AssertionFailure.h"
#include "import/MatchTransactionsCommand.h"
#include "ledger/Account.h"
#include "ledger/RegisterEditing.h"
#include "ledger/RegisterRows.h"
#include "ledger/RegisterStatus.h"
#include "ledger/RegisterTexts.h"
#include "ledger/Transaction.h"
#include "ledger/TransactionDeletion.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/Alerts.h"
#include "ui/register/RegisterDelegate.h"
#include "ui/register/RegisterFonts.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RowEditor.h"
#include "ui/register/TransactionsTable.h"

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

void setColumnWidths(TransactionsTable& table, const RegisterFonts& fonts) {
    QHeaderView& header = *table.header();
    const double pt = fonts.pixelsPerPoint();
    const QFontMetrics metrics(fonts.cell());
    // Wide enough for the longest date and a five-digit amount, with the cell spacing.
    const int padding = static_cast<int>(10 * pt);
    const int date = metrics.horizontalAdvance(QStringLiteral("Sep 30, 2026")) + padding;
    const int amount = metrics.horizontalAdvance(QStringLiteral("-$10,000.00")) + padding;
    header.setMinimumSectionSize(static_cast<int>(20 * pt));
    header.setSectionResizeMode(QHeaderView::Interactive);
    header.setSectionResizeMode(RegisterModel::FlagColumn, QHeaderView::Fixed);
    header.setSectionResizeMode(RegisterModel::DescriptionColumn, QHeaderView::Stretch);
    header.resizeSection(RegisterModel::FlagColumn, static_cast<int>(20 * pt));
    header.resizeSection(RegisterModel::DateColumn, date);
    table.setYieldingColumn(RegisterModel::CategoryColumn, static_cast<int>(150 * pt));
    header.resizeSection(RegisterModel::AmountColumn, amount);
    header.resizeSection(RegisterModel::BalanceColumn, amount);
}

}  // namespace

TransactionsTableController::TransactionsTableController(ObjectContext& context, Alerts& alerts,
                                                         StickyDate& stickyDate, SaveFunction save,
                                                         RowEditor* editor, QWidget* parent)
    : QObject(parent),
      m_context(context),
      m_alerts(alerts),
      m_stickyDate(stickyDate),
      m_save(std::move(save)),
      m_rows(std::make_unique<RegisterRows>(context)),
      m_texts(std::make_unique<RegisterTexts>(context)),
      m_fonts(std::make_unique<RegisterFonts>()),
      m_editor(editor) {
    m_model = new RegisterModel(*m_rows, *m_texts, this);
    m_delegate = new RegisterDelegate(*m_fonts, this);
    m_table = new TransactionsTable(parent);
    m_table->setItemDelegate(m_delegate);
    m_table->setRowHeightFunction(
        [this](int row) { return m_fonts->rowHeight(m_model->linesAt(row)); });
    m_table->setModel(m_model);
    setColumnWidths(*m_table, *m_fonts);
    m_table->setColumnHidden(RegisterModel::BalanceColumn, true);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TransactionsTableController::selectionDidChange);
    connect(m_table, &TransactionsTable::flagClicked, this,
            &TransactionsTableController::clickedFlagAtRow);
    connect(m_table, &TransactionsTable::returnPressed, this,
            &TransactionsTableController::editTransaction);
    connect(m_table, &TransactionsTable::deletePressed, this,
            &TransactionsTableController::deleteSelectedTransactions);
    connect(m_table, &TransactionsTable::escapePressed, this, [this] { commitEditing(); });
    connect(m_table, &TransactionsTable::rowDoubleClicked, this,
            &TransactionsTableController::showEditPanel);

    if (m_editor) {
        m_editor->setParent(m_table->viewport());
        m_editor->hide();
        connect(m_editor, &RowEditor::saveAndCloseRequested, this, [this] {
            saveStore();
            focus();
        });
        connect(m_editor, &RowEditor::closeRequested, this, [this] {
            commitEditing();
            saveStore();
            focus();
        });
        connect(m_editor, &RowEditor::transactionsChanged, this,
                &TransactionsTableController::refreshTransactionsView);
        connect(m_editor, &RowEditor::editCategoriesRequested, this,
                &TransactionsTableController::editCategoriesRequested);
    }
}

TransactionsTableController::~TransactionsTableController() = default;

RowEditor* TransactionsTableController::editor() const {
    return m_editor;
}

// ---- Modes ----

void TransactionsTableController::showMode(const std::function<void()>& change) {
    commitEditing();
    m_model->reload(change);
    m_table->verticalScrollBar()->setValue(0);
    m_table->selectionModel()->clearSelection();
    m_table->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    updateStatusMessage();
    emit commandStateChanged();
}

void TransactionsTableController::showTransactionsForAccount(Account& account) {
    m_showReconciledBalance = false;
    showMode([&] { m_rows->showAccount(account); });
}

void TransactionsTableController::showTransactionsForAccountGroup(AccountGroup& group) {
    showMode([&] { m_rows->showGroup(group); });
}

void TransactionsTableController::showAllTransactions() {
    showMode([&] { m_rows->showAll(); });
}

void TransactionsTableController::showTransactions(std::vector<Transaction*> transactions) {
    showMode([&] { m_rows->showList(std::move(transactions)); });
}

void TransactionsTableController::reloadTransactions(std::vector<Transaction*> transactions) {
    commitEditing();
    reloadKeepingPlace([&] { m_rows->reloadList(std::move(transactions)); });
}

bool TransactionsTableController::isAccountSpecific() const {
    return m_rows->mode() == RegisterRows::Mode::Account;
}

// ---- Selection and status ----

std::vector<int> TransactionsTableController::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<Transaction*> TransactionsTableController::selectedTransactions() const {
    std::vector<Transaction*> transactions;
    for (const int row : selectedRows()) {
        transactions.push_back(m_model->transactionAt(row));
    }
    return transactions;
}

Decimal TransactionsTableController::totalOfSelectedTransactions() const {
    return RegisterStatus::totalOfSelectedTransactions(selectedTransactions());
}

Decimal TransactionsTableController::totalOfSelectedTransactionsInHomeCurrency() const {
    return RegisterStatus::totalOfSelectedTransactionsInHomeCurrency(selectedTransactions());
}

void TransactionsTableController::updateStatusMessage() {
    m_statusMessage = qs(RegisterStatus::message(*m_rows, selectedTransactions(),
                                                 m_showsSearchResults, m_showReconciledBalance));
    emit statusMessageChanged(m_statusMessage);
}

void TransactionsTableController::setShowReconciledBalance(bool show) {
    m_showReconciledBalance = show;
    updateStatusMessage();
}

void TransactionsTableController::toggleStatusMessage() {
    if (isAccountSpecific()) {
        setShowReconciledBalance(!m_showReconciledBalance);
    }
}

void TransactionsTableController::selectionDidChange(const QItemSelection&, const QItemSelection&) {
    if (m_editPanelIsOpen && !m_closing) {
        const std::vector<int> rows = selectedRows();
        if (rows.size() != 1 || rows.front() != m_indexOfEditedRow) {
            // Moving away from the edited row saves it (closing the editor) and keeps the
            // new selection.
            m_preserveSelectionWhenEditPanelIsClosed = true;
            saveStore();
        }
    }
    updateStatusMessage();
    emit commandStateChanged();
}

void TransactionsTableController::selectRow(int row) {
    if (row < 0) {
        return;
    }
    const QModelIndex index = m_model->index(row, RegisterModel::DescriptionColumn);
    m_table->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index);
}

void TransactionsTableController::selectTransaction(const Transaction& transaction) {
    selectRow(m_model->rowOf(transaction));
}

void TransactionsTableController::focus() {
    m_table->setFocus();
}

// ---- Saving and alerts ----

bool TransactionsTableController::saveStore() {
    commitEditing();
    return m_save ? m_save() : true;
}

int TransactionsTableController::answer(const Alert& alert) {
    return m_alerts.show(alert, m_table->window()).button;
}

// ---- The editor ----

void TransactionsTableController::addTransaction() {
    PN_ASSERT(isAccountSpecific(), "Transactions are added only to an account's register");
    saveStore();
    Transaction& transaction = RegisterEditing::addTransaction(*m_rows->account(), m_stickyDate);
    const int row = m_model->insertTransaction(transaction);
    m_closing = true;  // selecting the new row must not save it half-made
    selectRow(row);
    m_closing = false;
    renderEditPanelForAdd(true);
    updateStatusMessage();
}

void TransactionsTableController::showEditPanel() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1 || m_editPanelIsOpen) {
        return;
    }
    Transaction* transaction = m_model->transactionAt(rows.front());
    if (transaction->isGenerated()) {
        emit revealScheduledItemRequested(ScheduledItem::itemOfTransaction(*transaction));
        return;
    }
    renderEditPanelForAdd(false);
}

void TransactionsTableController::editTransaction() {
    if (m_editPanelIsOpen) {
        saveStore();
        focus();
    } else if (canEditTransaction()) {
        showEditPanel();
    }
}

void TransactionsTableController::renderEditPanelForAdd(bool isAdding) {
    const std::vector<int> rows = selectedRows();
    if (!m_editor || rows.size() != 1) {
        return;
    }
    const int row = rows.front();
    m_editor->beginEditing(*m_model->transactionAt(row), isAdding, !isAccountSpecific());
    m_editPanelIsOpen = true;
    m_indexOfEditedRow = row;
    m_table->openRowPanel(row, m_editor);
    m_table->scrollTo(m_model->index(row, 0));
    m_editor->focusFirstField();
    emit commandStateChanged();
}

bool TransactionsTableController::commitEditing() {
    // An undo may have taken the edited transaction away before this save.
    discardEditorIfGone();
    if (m_editPanelIsOpen && !m_closing) {
        closeEditPanel();
    }
    return true;
}

void TransactionsTableController::closeEditPanel() {
    PN_ASSERT(m_editPanelIsOpen, "The edit panel is not open");
    m_closing = true;
    Transaction* transaction = m_editor->transaction();
    m_editor->writeFieldsToTransaction();
    RegisterEditing::finishEditing(*transaction, m_stickyDate);
    const int row = m_indexOfEditedRow;
    m_indexOfEditedRow = -1;
    m_table->closeRowPanel();
    m_editor->endEditing();
    m_editPanelIsOpen = false;
    const int newRow = m_model->resortRow(row);
    if (!m_preserveSelectionWhenEditPanelIsClosed) {
        selectRow(newRow);
    } else {
        m_preserveSelectionWhenEditPanelIsClosed = false;
    }
    m_closing = false;
    m_table->viewport()->update();
    updateStatusMessage();
    emit didCloseEditPanelForTransaction(transaction);
    emit commandStateChanged();
}

void TransactionsTableController::discardEditorIfGone() {
    if (!m_editPanelIsOpen) {
        return;
    }
    Transaction* transaction = m_editor->transaction();
    if (transaction != nullptr && !transaction->isDeleted()) {
        return;
    }
    // An undo took the edited transaction away: there is nothing to write back.
    m_table->closeRowPanel();
    m_editor->endEditing();
    m_editPanelIsOpen = false;
    m_indexOfEditedRow = -1;
    m_preserveSelectionWhenEditPanelIsClosed = false;
}

void TransactionsTableController::refreshTransactionsView() {
    discardEditorIfGone();
    reloadKeepingPlace([this] { m_rows->refetch(); });
}

void TransactionsTableController::reloadKeepingPlace(const std::function<void()>& change) {
    const std::vector<Transaction*> selected = selectedTransactions();
    const int current = m_table->currentIndex().row();
    Transaction* currentTransaction = m_model->transactionAt(current);
    Transaction* edited = m_editPanelIsOpen ? m_editor->transaction() : nullptr;
    // The row at the top of the view stays where it is.
    const int scroll = m_table->verticalScrollBar()->value();
    const int topRow = m_table->rowAt(0);
    Transaction* top = m_model->transactionAt(topRow);
    const int topOffset = m_table->rowRect(topRow).top();
    m_closing = true;
    if (edited != nullptr) {
        m_table->closeRowPanel();
    }
    m_model->reload(change);
    QItemSelection selection;
    for (const Transaction* transaction : selected) {
        const int row = m_model->rowOf(*transaction);
        if (row >= 0) {
            selection.select(m_model->index(row, 0),
                             m_model->index(row, RegisterModel::ColumnCount - 1));
        }
    }
    m_table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (currentTransaction != nullptr && !currentTransaction->isDeleted()) {
        const int row = m_model->rowOf(*currentTransaction);
        if (row >= 0) {
            m_table->selectionModel()->setCurrentIndex(m_model->index(row, 0),
                                                       QItemSelectionModel::NoUpdate);
        }
    }
    if (edited != nullptr) {
        m_indexOfEditedRow = m_model->rowOf(*edited);
        m_table->openRowPanel(m_indexOfEditedRow, m_editor);
    }
    if (top != nullptr && !top->isDeleted() && m_model->rowOf(*top) >= 0) {
        m_table->scrollRowTo(m_model->rowOf(*top), topOffset);
    } else {
        m_table->verticalScrollBar()->setValue(scroll);
    }
    m_closing = false;
    updateStatusMessage();
    emit commandStateChanged();
}

// ---- Commands ----

void TransactionsTableController::deleteSelectedTransactions() {
    commitEditing();
    const std::vector<Transaction*> transactions =
        TransactionDeletion::deletable(selectedTransactions());
    if (transactions.empty()) {
        return;
    }
    if (answer(TransactionDeletion::confirmation(transactions)) == 0) {
        m_closing = true;
        for (Transaction* transaction : transactions) {
            const int row = m_model->rowOf(*transaction);
            if (row >= 0) {
                m_model->removeTransactionAt(row);
            }
        }
        m_closing = false;
        TransactionDeletion::perform(transactions);
    }
    saveStore();
    m_table->viewport()->update();
    updateStatusMessage();
    emit commandStateChanged();
}

TransactionFlag::MenuItem TransactionsTableController::toggleTransactionFlagMenuItem() const {
    return TransactionFlag::menuItem(selectedTransactions());
}

void TransactionsTableController::toggleTransactionFlag() {
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1 || !TransactionFlag::toggle(*m_model->transactionAt(rows.front()))) {
        return;
    }
    m_model->rowChanged(rows.front());
    saveStore();
    updateStatusMessage();
    emit commandStateChanged();
}

void TransactionsTableController::clickedFlagAtRow(int row) {
    Transaction* transaction = m_model->transactionAt(row);
    if (transaction == nullptr || !TransactionFlag::toggle(*transaction)) {
        return;
    }
    m_model->rowChanged(row);
    updateStatusMessage();
    if (!m_editPanelIsOpen) {
        saveStore();
    }
    emit commandStateChanged();
}

void TransactionsTableController::matchTransactions() {
    commitEditing();
    const std::vector<Transaction*> selection = selectedTransactions();
    if (const std::optional<Alert> refusal = MatchTransactionsCommand::refusal(selection)) {
        answer(*refusal);
        return;
    }
    if (answer(MatchTransactionsCommand::confirmation()) != 0) {
        return;
    }
    const TransactionMatching::Pair pair = MatchTransactionsCommand::pair(selection);
    auto choice = TransactionMatching::AmountChoice::UseImported;
    if (const std::optional<Alert> question = MatchTransactionsCommand::amountQuestion(pair)) {
        choice = MatchTransactionsCommand::choiceForButton(answer(*question));
    }
    Transaction* pending = pair.pending;
    const int importedRow = m_model->rowOf(*pair.imported);
    if (!MatchTransactionsCommand::perform(pair, choice)) {
        return;
    }
    m_closing = true;
    if (importedRow >= 0) {
        m_model->removeTransactionAt(importedRow);
    }
    m_closing = false;
    m_model->rowChanged(m_model->rowOf(*pending));
    saveStore();
    selectTransaction(*pending);
    updateStatusMessage();
}

void TransactionsTableController::toggleBalanceColumn() {
    m_table->setColumnHidden(RegisterModel::BalanceColumn, isBalanceColumnVisible());
    emit commandStateChanged();
}

void TransactionsTableController::hideBalanceColumn() {
    if (isBalanceColumnVisible()) {
        toggleBalanceColumn();
    }
}

bool TransactionsTableController::isBalanceColumnVisible() const {
    return !m_table->isColumnHidden(RegisterModel::BalanceColumn);
}

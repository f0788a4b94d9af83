#include "ui/shell/PlaceholderRegisterController.h"

#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ui/common/PlaceholderView.h"
#include "ui/shell/PlaceholderContentController.h"

PlaceholderRegisterController::PlaceholderRegisterController(QWidget& window)
    : m_window(window), m_view(PlaceholderContentController::makeView()) {}

PlaceholderRegisterController::~PlaceholderRegisterController() {
    delete m_view.data();
}

QWidget* PlaceholderRegisterController::view() {
    return m_view;
}

void PlaceholderRegisterController::showSubject(const QString& subject) {
    m_view->setText(tr("The register of %1 is not available in this version.").arg(subject));
}

void PlaceholderRegisterController::showItem(const SourceListItem& item) {
    m_showsAccount = item.account() != nullptr;
    if (const Account* account = item.account()) {
        showSubject(tr("\u201c%1\u201d").arg(QString::fromStdString(account->name())));
    } else if (const AccountGroup* group = item.group()) {
        showSubject(tr("the group \u201c%1\u201d").arg(QString::fromStdString(group->name())));
    } else {
        showSubject(tr("all accounts"));
    }
}

void PlaceholderRegisterController::refresh() {
    m_view->update();
}

void PlaceholderRegisterController::newItem() {
    PlaceholderContentController::showUnavailable(m_window, tr("Entering transactions"));
}

void PlaceholderRegisterController::showTransactions(const std::vector<Transaction*>&,
                                                     const QString& subject) {
    m_showsAccount = false;
    showSubject(subject);
}

void PlaceholderRegisterController::toggleBalanceColumn() {
    if (m_showsAccount) {
        m_balanceColumnVisible = !m_balanceColumnVisible;
    }
}

void PlaceholderRegisterController::toggleStatusMessage() {
    if (m_showsAccount) {
        m_showsReconciledBalance = !m_showsReconciledBalance;
    }
}

void PlaceholderRegisterController::resetColumnsAndStatus() {
    m_balanceColumnVisible = false;
    m_showsReconciledBalance = false;
}

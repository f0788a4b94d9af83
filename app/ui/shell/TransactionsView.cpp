#include "ui/shell/TransactionsView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ledger/Account.h"
#include "session/SourceListCommands.h"

namespace {

constexpr int kToolbarHeight = 36;

}  // namespace

TransactionsView::TransactionsView(QWidget* parent) : QWidget(parent) {
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_toolbar = new QWidget;
    m_toolbar->setObjectName(QStringLiteral("transactionsToolbar"));
    m_toolbar->setFixedHeight(kToolbarHeight);
    m_toolbar->setStyleSheet(QStringLiteral(
        "#transactionsToolbar { background: #EDEFF2; border-bottom: 1px solid #C9CDD2; }"));
    auto* strip = new QHBoxLayout(m_toolbar);
    strip->setContentsMargins(10, 4, 10, 4);
    m_title = new QLabel;
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    strip->addWidget(m_title, 1);
    auto* newTransaction = new QPushButton(tr("New Transaction"));
    connect(newTransaction, &QPushButton::clicked, this, &TransactionsView::newTransactionClicked);
    m_importButton = new QPushButton(tr("Import..."));
    connect(m_importButton, &QPushButton::clicked, this, &TransactionsView::importClicked);
    auto* edit = new QPushButton(tr("Edit Account..."));
    connect(edit, &QPushButton::clicked, this, &TransactionsView::editAccountClicked);
    for (QPushButton* button : {newTransaction, m_importButton, edit}) {
        strip->addWidget(button);
    }
    m_layout->addWidget(m_toolbar);
}

void TransactionsView::setRegisterView(QWidget* view) {
    if (view == m_registerView) {
        return;
    }
    if (m_registerView != nullptr) {
        m_layout->removeWidget(m_registerView);
        m_registerView->hide();
        m_registerView->setParent(nullptr);
    }
    m_registerView = view;
    if (view != nullptr) {
        m_layout->addWidget(view, 1);
        view->show();
    }
}

void TransactionsView::showToolbar(Account* account) {
    m_toolbar->setVisible(account != nullptr);
    if (account != nullptr) {
        updateToolbar(*account);
    }
}

void TransactionsView::updateToolbar(Account& account) {
    m_title->setText(QString::fromStdString(account.name()));
    // The strip offers import exactly when the menu does.
    m_importButton->setHidden(
        !SourceListCommands::importFromBankMenuItem(SourceListItem::forObject(&account)).enabled);
}

bool TransactionsView::isImportButtonHidden() const {
    return m_importButton->isHidden();
}

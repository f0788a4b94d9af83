#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;
class Account;

// The register's place in the content area: the toolbar strip (the account's name, New
// Transaction, Import..., Edit Account...), shown only while one account is selected, above
// the register's own view.
class TransactionsView final : public QWidget {
    Q_OBJECT
public:
    explicit TransactionsView(QWidget* parent = nullptr);

    // Puts the register's view below the strip (the previous one is taken out, not deleted).
    void setRegisterView(QWidget* view);
    QWidget* registerView() const { return m_registerView; }

    // Shows the strip for `account`, or hides it for nothing.
    void showToolbar(Account* account);
    void hideToolbar() { showToolbar(nullptr); }
    // The strip follows the account: its name, and no import button for a cash account.
    void updateToolbar(Account& account);
    bool isImportButtonHidden() const;

signals:
    void newTransactionClicked();
    void importClicked();
    void editAccountClicked();

private:
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_toolbar = nullptr;
    QLabel* m_title = nullptr;
    QPushButton* m_importButton = nullptr;
    QWidget* m_registerView = nullptr;
};

#pragma once

#include <QPointer>

#include "ui/common/RegisterController.h"

class PlaceholderView;

// Stands in for the register until it is built: says whose register would be shown and keeps
// the state of the balance column and the status line that the menus show.
class PlaceholderRegisterController final : public RegisterController {
    Q_OBJECT
public:
    explicit PlaceholderRegisterController(QWidget& window);
    ~PlaceholderRegisterController() override;

    QWidget* view() override;
    void showItem(const SourceListItem& item) override;
    void refresh() override;
    void newItem() override;
    void showTransactions(const std::vector<Transaction*>& transactions,
                          const QString& subject) override;
    bool isBalanceColumnVisible() const override { return m_balanceColumnVisible; }
    void toggleBalanceColumn() override;
    void toggleStatusMessage() override;
    void resetColumnsAndStatus() override;

private:
    void showSubject(const QString& subject);

    QWidget& m_window;
    QPointer<PlaceholderView> m_view;
    bool m_showsAccount = false;
    bool m_balanceColumnVisible = false;
    bool m_showsReconciledBalance = false;
};

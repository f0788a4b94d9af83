#pragma once

#include <QPointer>

#include "ui/common/ContentViewController.h"

class PlaceholderView;

// What "All Accounts" shows in a store without accounts: a panel on the welcome pattern that
// invites the person to add an account. Its button asks the main window for the new-account
// sheet through addAccountRequested().
class AddAccountMessageController final : public ContentViewController {
    Q_OBJECT
public:
    AddAccountMessageController();
    ~AddAccountMessageController() override;

    QWidget* view() override;
    void showItem(const SourceListItem&) override {}
    void refresh() override {}

signals:
    void addAccountRequested();

private:
    QPointer<PlaceholderView> m_view;
};

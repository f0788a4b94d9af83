#pragma once

#include <QLabel>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "ui/common/RegisterCommands.h"
#include "ui/common/TransactionListView.h"

// A stand-in for the register in list mode: remembers what it was asked to list and lets a
// test close its "editor". Its menu commands do nothing.
class FakeTransactionList final : public TransactionListView, public RegisterCommands {
public:
    explicit FakeTransactionList(std::function<void(Transaction*)> didCloseEditPanel)
        : m_widget(new QLabel), m_didCloseEditPanel(std::move(didCloseEditPanel)) {}

    QWidget* widget() override { return m_widget; }
    void showTransactions(const std::vector<Transaction*>& transactions) override {
        shown = transactions;
        reloaded.reset();
        m_widget->setAlignment(Qt::AlignCenter);
        m_widget->setText(
            QStringLiteral("The register lists %1 transactions here.").arg(transactions.size()));
    }
    void reloadTransactions(const std::vector<Transaction*>& transactions) override {
        reloaded = transactions;
    }
    bool commitEditing() override { return true; }
    RegisterCommands& commands() override { return *this; }
    std::vector<Transaction*> selectedTransactions() const override { return {}; }
    bool tableHasFocus() const override { return false; }
    void editTransaction() override {}
    void deleteTransactions() override {}
    void toggleTransactionFlag() override {}
    void matchTransactions() override {}
    void closeEditor(Transaction* transaction) { m_didCloseEditPanel(transaction); }

    std::vector<Transaction*> shown;
    std::optional<std::vector<Transaction*>> reloaded;

private:
    QLabel* m_widget;  // owned by the report once placed
    std::function<void(Transaction*)> m_didCloseEditPanel;
};

// Makes FakeTransactionLists and keeps a pointer to each.
struct FakeTransactionLists {
    std::vector<FakeTransactionList*> made;
    TransactionListFactory factory() {
        return [this](std::function<void(Transaction*)> didClose) {
            auto list = std::make_unique<FakeTransactionList>(std::move(didClose));
            made.push_back(list.get());
            return std::unique_ptr<TransactionListView>(std::move(list));
        };
    }
};

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

#include "UiTestApplication.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Node.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "ui/sourcelist/SourceListModel.h"

namespace {

class SourceListModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
    }
    void TearDown() override { Clock::reset(); }

    template <class T>
    T* add(const std::string& name, Node* parent) {
        T* node = ctx.insert<T>();
        node->setName(name);
        node->moveTo(parent, static_cast<std::int64_t>(parent->children().size()));
        return node;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
};

// The tester checks every index, parent and row count the model hands out, through resets,
// while the tree grows from empty to groups with accounts and budgets.
TEST_F(SourceListModelTest, PassesTheModelTesterThroughReloads) {
    SourceListModel model(ctx, *root);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    auto* bank = add<AccountGroup>("Bank", root);
    add<Account>("Checking", bank);
    add<Account>("Savings", bank);
    add<Account>("Wallet", root);
    ctx.insert<Budget>()->setName("Home");
    model.reload();

    const QModelIndex transactions = model.index(0, 0);
    ASSERT_EQ(model.rowCount(transactions), 4);  // All Accounts, Bank, Wallet, Scheduled
    const QModelIndex bankRow = model.index(1, 0, transactions);
    EXPECT_EQ(bankRow.data().toString(), "Bank");
    EXPECT_EQ(model.rowCount(bankRow), 2);
    EXPECT_EQ(model.parent(model.index(1, 0, bankRow)), bankRow);
    EXPECT_EQ(model.index(3, 0, transactions).data().toString(), "Scheduled");
    EXPECT_EQ(model.index(0, 0, model.index(2, 0)).data().toString(), "Home");
    EXPECT_EQ(model.index(0, 0).data().toString(), "TRANSACTIONS");
    EXPECT_TRUE(model.index(0, 0).data(SourceListModel::IsHeaderRole).toBool());
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);

    bank->removeFromParent();
    ctx.deleteObject(*bank);
    model.reload();
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 3);  // All Accounts, Wallet, Scheduled
}

}  // namespace

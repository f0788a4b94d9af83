#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QTest>

#include "UiTestApplication.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Node.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "ui/sourcelist/SourceListModel.h"
#include "ui/sourcelist/SourceListView.h"

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

// Headers are never selected: a click on one, an arrow key onto one or typing that finds one
// keeps the row selected before, as does a click below the rows, so the content view keeps the
// item it shows.
TEST_F(SourceListModelTest, AHeaderNeverTakesTheSelection) {
    add<Account>("Wallet", root);
    SourceListModel model(ctx, *root);
    model.reload();
    SourceListView view;
    view.setModel(&model);
    view.expandHeaders();
    view.resize(220, 400);
    view.show();
    const QModelIndex transactions = model.index(0, 0);
    const QModelIndex allAccounts = model.index(0, 0, transactions);
    const QModelIndex wallet = model.index(1, 0, transactions);
    const QModelIndex scheduled = model.index(2, 0, transactions);
    const QModelIndex charts = model.index(1, 0);
    ASSERT_EQ(charts.data().toString(), "CHARTS");
    const auto selected = [&] {
        const QModelIndexList rows = view.selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().data().toString().toStdString()
                                : std::to_string(rows.size()) + " rows";
    };

    view.setCurrentIndex(wallet);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(charts).center());
    EXPECT_EQ(selected(), "Wallet") << "clicked a header";

    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(20, view.viewport()->height() - 5));
    EXPECT_EQ(selected(), "Wallet") << "clicked below the rows";

    view.keyboardSearch("C");  // the first row from Wallet on that begins with C: CHARTS
    EXPECT_EQ(selected(), "Wallet") << "typed a header's first letter";

    view.setCurrentIndex(allAccounts);
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(selected(), "All Accounts") << "up from the first row";

    // The arrow keys step over a header to the next row.
    view.setCurrentIndex(scheduled);
    QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(selected(), "Breakdown");
    QTest::keyClick(&view, Qt::Key_Up);
    EXPECT_EQ(selected(), "Scheduled");
}

}  // namespace

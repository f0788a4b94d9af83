#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestApplicationModel.h"
#include "base/AssertionFailure.h"
#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Node.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

class AccountTree : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
    }
    void TearDown() override { Clock::reset(); }

    Account* addAccount(const std::string& name, Node* parent) {
        Account* account = ctx.insert<Account>();
        account->setName(name);
        account->moveTo(parent, static_cast<std::int64_t>(parent->children().size()));
        return account;
    }
    // The names of the children of `parent` in index order.
    static std::vector<std::string> order(const Node& parent) {
        std::vector<std::string> names;
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(parent.children().size()); ++i) {
            const Node* child = parent.childAtIndex(i);
            if (const auto* account = dynamic_cast<const Account*>(child)) {
                names.push_back(account->name());
            } else {
                names.push_back(static_cast<const AccountGroup*>(child)->name());
            }
        }
        return names;
    }

    ObjectContext ctx{applicationModel()};
    Node* root = nullptr;
};

using Names = std::vector<std::string>;

TEST_F(AccountTree, MovesWithinAndAcrossParents) {
    Account* a = addAccount("A", root);
    addAccount("B", root);
    addAccount("C", root);

    a->moveTo(root, 3);  // after the last: its own removal shifts the target down
    EXPECT_EQ(a->index(), 2);
    EXPECT_EQ(order(*root), (Names{"B", "C", "A"}));

    a->moveTo(root, 0);
    EXPECT_EQ(order(*root), (Names{"A", "B", "C"}));

    AccountGroup* group = ctx.insert<AccountGroup>();
    group->setName("G");
    group->moveTo(root, 3);
    Account* x = addAccount("X", group);
    addAccount("Y", group);

    Node* b = root->childAtIndex(1);
    b->moveTo(group, 0);
    EXPECT_EQ(order(*group), (Names{"B", "X", "Y"}));
    EXPECT_EQ(order(*root), (Names{"A", "C", "G"}));
    EXPECT_EQ(x->index(), 1);

    x->moveTo(root, 3);  // equal to the number of children: appends
    EXPECT_EQ(order(*root), (Names{"A", "C", "G", "X"}));
    EXPECT_EQ(order(*group), (Names{"B", "Y"}));
    EXPECT_NO_THROW(root->validateIndex());
}

TEST_F(AccountTree, BadMovesFailAndLeaveTheTreeAlone) {
    Account* a = addAccount("A", root);
    Account* b = addAccount("B", root);
    try {
        a->moveTo(root, 3);
        FAIL() << "moved past the end";
    } catch (const AssertionFailure& failure) {
        EXPECT_NE(std::string(failure.what()).find("index too big"), std::string::npos);
    }
    EXPECT_THROW(a->moveTo(nullptr, 0), AssertionFailure);
    EXPECT_EQ(order(*root), (Names{"A", "B"}));
    EXPECT_EQ(b->parent(), root);
}

TEST_F(AccountTree, RemoveFromParentClosesTheGapAndValidateIndexFindsHoles) {
    addAccount("A", root);
    Account* b = addAccount("B", root);
    addAccount("C", root);
    b->removeFromParent();
    EXPECT_EQ(b->parent(), nullptr);
    EXPECT_EQ(b->index(), 0);
    EXPECT_EQ(order(*root), (Names{"A", "C"}));
    EXPECT_THROW((void)root->childAtIndex(2), AssertionFailure);

    root->childAtIndex(1)->setIndex(5);  // a hole at 1
    EXPECT_THROW(root->validateIndex(), AssertionFailure);
}

TEST_F(AccountTree, NewNodesTakeTheDefaultPositionAndYesterdayAsStartDate) {
    addAccount("A", root);
    AccountGroup* group = ctx.insert<AccountGroup>();
    EXPECT_EQ(group->index(), 0);  // no top-level account yet counts, only the group itself
    Account* loose = ctx.insert<Account>();
    // One account without a parent (the new one) plus one group.
    EXPECT_EQ(loose->index(), 1);
    EXPECT_EQ(loose->startBalanceDate(), Date::dateWithYear_PN(2026, 3, 14));
}

TEST_F(AccountTree, SavingANodeOutsideTheTreeFails) {
    ctx.setPersistentStore(std::make_unique<InMemoryStore>());
    Account* a = addAccount("A", root);
    ASSERT_FALSE(ctx.save());
    a->removeFromParent();
    std::optional<ValidationError> error = ctx.save();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain, "org.pennora.Pennora.ErrorDomain");
    EXPECT_EQ(error->code, 0);
    EXPECT_EQ(error->localizedDescription, "Parent cannot be nil");
}

TEST_F(AccountTree, DefaultNamesSkipTakenNamesWhateverTheirCase) {
    struct Case {
        Names existing;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{}, "New Account"},
        {{"New Account", "New Account 2"}, "New Account 3"},
        {{"new account"}, "New Account 2"},
        {{"New Account", "NEW ACCOUNT 3"}, "New Account 2"},
        {{"Checking"}, "New Account"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        ObjectContext local(applicationModel());
        for (const std::string& name : c.existing) {
            local.insert<Account>()->setName(name);
        }
        EXPECT_EQ(Account::nextAvailableDefaultName(local), c.expected);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "base/Clock.h"
#include "ledger/Account.h"
#include "ledger/Node.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "ui/accounts/AccountSheetFields.h"
#include "ui/sourcelist/SourceListDropRules.h"

namespace {

class AccountSheetFieldsTest : public testing::Test {
protected:
    void SetUp() override {
        Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
    }
    void TearDown() override { Clock::reset(); }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
};

TEST_F(AccountSheetFieldsTest, TypePositionsFollowThePopUpAndUnknownTypesAreOther) {
    const struct {
        int index;
        const char* type;
    } cases[] = {{0, "checking"}, {1, "savings"}, {2, "credit_card"}, {3, "cash"}, {4, "other"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(AccountSheetFields::typeForIndex(c.index), c.type);
        EXPECT_EQ(AccountSheetFields::indexForType(std::string(c.type)), c.index);
    }
    EXPECT_EQ(AccountSheetFields::typeForIndex(7), "other");
    EXPECT_EQ(AccountSheetFields::indexForType(std::string("brokerage")), 4);
    EXPECT_EQ(AccountSheetFields::indexForType(std::nullopt), 4);
}

TEST_F(AccountSheetFieldsTest, EditedStartBalanceIsDatedBeforeTheEarliestTransactionOrToday) {
    AccountSheetFields fields = AccountSheetFields::forNewAccount(ctx);
    Account* account = fields.createAccount(ctx, *root);
    EXPECT_EQ(account->startBalanceDate(), Date::dateWithYear_PN(2026, 3, 14));

    // An unchanged amount keeps its date, whatever the text looked like.
    fields = AccountSheetFields::forAccount(*account);
    fields.startBalance = Decimal::fromString("0.00");
    fields.applyToAccount(*account, ctx);
    EXPECT_EQ(account->startBalanceDate(), Date::dateWithYear_PN(2026, 3, 14));

    fields.startBalance = Decimal(50);
    fields.applyToAccount(*account, ctx);
    EXPECT_EQ(account->startBalanceDate(), Date::dateWithYear_PN(2026, 3, 15));

    account->createTransactionWithDate(Date::dateWithYear_PN(2026, 2, 10), std::string("Rent"),
                                       Decimal(-500), nullptr, std::nullopt, std::nullopt);
    fields.startBalance = Decimal(80);
    fields.isClosed = true;
    fields.applyToAccount(*account, ctx);
    EXPECT_EQ(account->startBalanceDate(), Date::dateWithYear_PN(2026, 2, 9));
    EXPECT_TRUE(account->isClosed());
}

TEST(SourceListDropRules, ProposalsUnderTheHeaderAndOnGroups) {
    using Kind = SourceListItem::Kind;
    const auto header = SourceListItem::fixed(Kind::TransactionsHeader);
    const auto charts = SourceListItem::fixed(Kind::ChartsHeader);
    const auto account = SourceListItem::fixed(Kind::Account);
    const struct {
        SourceListItem parent;
        int position;
        bool scheduledShown;
        bool accepted;
    } cases[] = {
        {header, -1, true, false}, {header, 0, true, false}, {header, 1, true, true},
        {header, 3, true, true},   {header, 4, true, false},  // below "Scheduled"
        {header, 4, false, true},  // no "Scheduled": the last position is fine
        {charts, 1, true, false},  {account, -1, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.parent.kind()) << " @" << c.position);
        const SourceListDropRules::Proposal proposal{c.parent, c.position, 4, c.scheduledShown};
        EXPECT_EQ(SourceListDropRules::validateDrop(proposal, account), c.accepted);
    }
}

}  // namespace

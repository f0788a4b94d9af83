#include <gtest/gtest.h>

#include "session/SourceListDropRules.h"

namespace {

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
        {header, -1, true, false}, {header, 0, true, false},   {header, 1, true, true},
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

#include "session/SourceListDropRules.h"

#include "base/AssertionFailure.h"
#include "ledger/AccountGroup.h"
#include "ledger/AccountTreeCommands.h"

namespace {

using Place = AccountTreeCommands::Place;

}  // namespace

bool SourceListDropRules::validateDrop(const Proposal& proposal, const SourceListItem& dragged) {
    const Place child =
        dragged.kind() == SourceListItem::Kind::Account ? Place::Account : Place::Group;
    switch (proposal.parent.kind()) {
        case SourceListItem::Kind::TransactionsHeader:
            // Not above "All Accounts", not onto the header, not below "Scheduled".
            if (proposal.position <= 0) {
                return false;
            }
            return !(proposal.scheduledShown && proposal.position >= proposal.transactionsRowCount);
        case SourceListItem::Kind::AccountGroup:
            return AccountTreeCommands::mayPlace(child, Place::Group);
        default:
            return false;
    }
}

SourceListDropRules::Placement SourceListDropRules::placementForDrop(const Proposal& proposal,
                                                                     Node* root) {
    if (proposal.parent.kind() == SourceListItem::Kind::TransactionsHeader) {
        // The "All Accounts" row is not a child of the root.
        return {root, proposal.position - 1};
    }
    AccountGroup* group = proposal.parent.group();
    PN_ASSERT(group != nullptr, "Account group expected");
    return {group, proposal.position < 0 ? 0 : proposal.position};
}

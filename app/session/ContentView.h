#pragma once

#include "session/SourceListItem.h"

// The views the main window's content area can show.
enum class ContentView {
    None,
    AddAccountMessage,  // "All Accounts" in a store without accounts
    Register,           // an account, a group or "All Accounts"; also a given set of transactions
    ScheduledList,
    BudgetView,
    TrendsChart,
    BreakdownReport,
    SearchResults,  // shown by the search field, never by a selection
};

// The view a source-list selection puts in the content area; None (the content stays) for
// nothing selected and for a header.
[[nodiscard]] ContentView contentViewFor(const SourceListItem& item, bool storeHasAccounts);

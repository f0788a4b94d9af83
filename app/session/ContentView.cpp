#include "session/ContentView.h"

ContentView contentViewFor(const SourceListItem& item, bool storeHasAccounts) {
    using Kind = SourceListItem::Kind;
    switch (item.kind()) {
        case Kind::AllAccounts:
            return storeHasAccounts ? ContentView::Register : ContentView::AddAccountMessage;
        case Kind::Account:
        case Kind::AccountGroup:
            return ContentView::Register;
        case Kind::Scheduled:
            return ContentView::ScheduledList;
        case Kind::Budget:
            return ContentView::BudgetView;
        case Kind::TrendsChart:
            return ContentView::TrendsChart;
        case Kind::BreakdownChart:
            return ContentView::BreakdownReport;
        default:
            return ContentView::None;
    }
}

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
            return ContentView::Scheduled;
        case Kind::Budget:
            return ContentView::Budget;
        case Kind::TrendsChart:
            return ContentView::Trends;
        case Kind::BreakdownChart:
            return ContentView::Breakdown;
        default:
            return ContentView::None;
    }
}

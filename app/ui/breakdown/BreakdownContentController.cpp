#include "ui/breakdown/BreakdownContentController.h"

#include "ui/breakdown/BreakdownController.h"
#include "ui/common/MainWindowHost.h"

BreakdownContentController::BreakdownContentController(MainWindowHost& host,
                                                       TransactionListFactory makeTransactionList)
    : m_breakdown(new BreakdownController(host.context(), std::move(makeTransactionList))) {
    // A failed save has been shown to the person; the report still shows the store's figures.
    connect(m_breakdown, &BreakdownController::storeSaveRequested, this,
            [&host] { (void)host.save(); });
}

BreakdownContentController::~BreakdownContentController() {
    delete m_breakdown.data();
}

QWidget* BreakdownContentController::view() {
    return m_breakdown;
}

void BreakdownContentController::showItem(const SourceListItem&) {
    if (m_breakdown->isVisible()) {
        m_breakdown->updateView();
    } else {
        m_breakdown->setup();
    }
}

void BreakdownContentController::refresh() {
    m_breakdown->updateView();
}

RegisterCommands* BreakdownContentController::registerCommands() {
    return m_breakdown != nullptr ? m_breakdown->shownListCommands() : nullptr;
}

bool BreakdownContentController::commitEditing() {
    return m_breakdown == nullptr || m_breakdown->commitEditing();
}

#include "ui/shell/AppController.h"

#include <QLabel>
#include <QLineEdit>

#include "base/AssertionFailure.h"
#include "ledger/Account.h"
#include "scheduled/ScheduledItem.h"
#include "session/ContentView.h"
#include "store/ObjectContext.h"
#include "ui/budgets/BudgetContentController.h"
#include "ui/budgets/BudgetController.h"
#include "ui/common/Alerts.h"
#include "ui/common/RegisterCommands.h"
#include "ui/common/RegisterController.h"
#include "ui/common/SearchController.h"
#include "ui/preferences/CategoriesController.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/register/StatusField.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/ContentViews.h"
#include "ui/shell/MainWindow.h"
#include "ui/shell/MainWindowCommands.h"
#include "ui/shell/SourceListController.h"
#include "ui/shell/TransactionsView.h"
#include "ui/shell/ViewRouter.h"
#include "ui/sourcelist/SourceListView.h"

namespace {

using Kind = SourceListItem::Kind;

}  // namespace

AppController::AppController(MainWindow& window, ApplicationDelegate& delegate)
    : m_window(window),
      m_delegate(delegate),
      m_transactionsView(std::make_unique<TransactionsView>()),
      m_router(std::make_unique<ViewRouter>(*window.contentLayout(), *m_transactionsView, *this)),
      m_sourceList(std::make_unique<SourceListController>(*window.sourceList(), *this)),
      m_commands(std::make_unique<MainWindowCommands>(*this, delegate)),
      m_preferences(std::make_unique<MBPreferencesController>(delegate.defaults())) {
    ContentViews::registerAll(*m_router, *this);
    connect(m_sourceList.get(), &SourceListController::selectionChanged, this,
            [this] { outlineViewSelectionDidChange(); });
    connect(m_sourceList.get(), &SourceListController::renamed, this,
            [this](const SourceListItem& item) { nameChanged(item); });
    connect(m_window.searchField(), &QLineEdit::textChanged, this, [this] {
        if (!m_clearingSearchField) {
            search();
        }
    });
    // A click on the status line switches an account's balance to the reconciled one.
    connect(m_window.statusField(), &StatusField::clicked, this, [this] { toggleStatusMessage(); });
    TransactionsView* strip = m_transactionsView.get();
    connect(strip, &TransactionsView::newTransactionClicked, this,
            [this] { m_commands->newTransaction(); });
    connect(strip, &TransactionsView::importClicked, this,
            [this] { m_commands->importFromBank(); });
    connect(strip, &TransactionsView::editAccountClicked, this,
            [this] { m_commands->editAccount(); });
}

AppController::~AppController() {
    forgetStore();
}

void AppController::forgetStore() {
    m_sourceList->detach();
    m_undoObserver.cancel();
    m_redoObserver.cancel();
    m_categoriesObserver.cancel();
    m_router->reset();
    m_commands->forgetStore();
    // The panes work on this store; the next opening of the preferences makes new ones.
    m_preferences->setModules({});
    m_context = nullptr;
    m_accountsRoot = nullptr;
}

void AppController::reset(ObjectContext& context, Node& accountsRoot) {
    forgetStore();
    m_shouldKeepSearchString = false;
    clearSearchField();
    m_context = &context;
    m_accountsRoot = &accountsRoot;
    m_transactionsView->hideToolbar();
    NotificationCenter& center = NotificationCenter::defaultCenter();
    m_undoObserver = center.observe(kUndoManagerDidUndoChange, [this](auto&) { didUndoOrRedo(); });
    m_redoObserver = center.observe(kUndoManagerDidRedoChange, [this](auto&) { didUndoOrRedo(); });
    m_categoriesObserver =
        center.observe(kPNCategoriesChanged, [this](auto&) { updateAllViews(); });
    m_sourceList->attach(context, accountsRoot);
    // The view for the item is shown once, after the selection has settled: on a large store
    // each showing of All Accounts merges every account's transactions.
    m_handlingSelection = true;
    m_sourceList->selectItem(SourceListItem::fixed(Kind::AllAccounts));
    m_handlingSelection = false;
    outlineViewSelectionDidChange();
}

bool AppController::commitEditing() {
    m_sourceList->commitEditing();
    return m_router->commitEditing();
}

// ---- Queries ----

bool AppController::isShowingTransactionsView() const {
    return selectedSourceListItem().showsRegister() &&
           m_router->currentView() == ContentView::Register;
}

bool AppController::isShowingTransactionsViewForAccount() const {
    return selectedSourceListItem().account() != nullptr && isShowingTransactionsView();
}

bool AppController::isShowingSearchView() const {
    return m_router->currentView() == ContentView::SearchResults;
}

QWidget* AppController::addAccountMessageView() const {
    ContentViewController* message = m_router->existingController(ContentView::AddAccountMessage);
    return message != nullptr ? message->view() : nullptr;
}

RegisterController& AppController::registerController() const {
    return m_router->controllerAs<RegisterController>(ContentView::Register);
}

RegisterCommands* AppController::registerCommands() const {
    ContentViewController* shown = m_router->currentController();
    return shown != nullptr ? shown->registerCommands() : nullptr;
}

StickyDate& AppController::stickyDate() const {
    return m_delegate.stickyDate();
}

SourceListCommands::Selection AppController::selection() const {
    SourceListCommands::Selection selection{.item = selectedSourceListItem()};
    if (m_router->currentView() == ContentView::ScheduledList) {
        for (ManagedObject* object : m_router->currentController()->selectedObjects()) {
            if (auto* item = dynamic_cast<ScheduledItem*>(object)) {
                selection.scheduledItems.push_back(item);
            }
        }
    }
    return selection;
}

bool AppController::budgetLimitSelected() const {
    if (m_router->currentView() != ContentView::BudgetView) {
        return false;
    }
    return m_router->controllerAs<BudgetContentController>(ContentView::BudgetView)
        .budgetController()
        .canEditLimit();
}

MenuValidation::State AppController::menuState() const {
    const bool accountRegister = isShowingTransactionsViewForAccount();
    const RegisterCommands* commands = registerCommands();
    return {
        .storeOpen = m_context != nullptr,
        .selection = {.item = selectedSourceListItem()},
        .showsAccountRegister = accountRegister,
        .balanceColumnVisible = accountRegister && registerController().isBalanceColumnVisible(),
        .showsRegister = commands != nullptr,
        .selectedTransactions =
            commands != nullptr ? commands->selectedTransactions() : std::vector<Transaction*>{},
        .registerHasFocus = commands != nullptr && commands->tableHasFocus(),
        .budgetLimitSelected = budgetLimitSelected(),
        .canUndo = m_context != nullptr && m_context->undoManager().canUndo(),
        .canRedo = m_context != nullptr && m_context->undoManager().canRedo()};
}

// ---- Selection and refresh ----

// Empties the field without searching. Its signals stay on: the field's clear button hides
// itself on them.
void AppController::clearSearchField() {
    m_clearingSearchField = true;
    m_window.searchField()->clear();
    m_clearingSearchField = false;
}

void AppController::clearSearch() {
    clearSearchField();
    if (m_router->existingController(ContentView::SearchResults) != nullptr) {
        m_router->controllerAs<SearchController>(ContentView::SearchResults).clearResults();
    }
}

void AppController::outlineViewSelectionDidChange() {
    if (m_handlingSelection || m_context == nullptr) {
        return;
    }
    m_handlingSelection = true;
    save();
    setStatusMessage({});
    registerController().resetColumnsAndStatus();
    if (!m_shouldKeepSearchString) {
        clearSearch();
    }
    const SourceListItem item = selectedSourceListItem();
    const ContentView view = contentViewFor(item, Account::countInContext(*m_context) > 0);
    if (view != ContentView::None) {
        m_router->show(view, item);
    }
    if (view == ContentView::Register) {
        m_transactionsView->showToolbar(item.account());
    }
    m_handlingSelection = false;
}

void AppController::updateAllViews() {
    if (selectedSourceListItem().isNone()) {
        return;
    }
    if (ContentViewController* current = m_router->currentController()) {
        current->refresh();
    }
    repaintSourceList();
}

void AppController::didUndoOrRedo() {
    if (m_context == nullptr) {
        return;
    }
    reloadSourceList();
    if (isShowingSearchView()) {
        search();
    } else if (ContentViewController* current = m_router->currentController()) {
        current->didUndoOrRedo();
    }
}

void AppController::nameChanged(const SourceListItem& item) {
    if (item.account() != nullptr && isShowingTransactionsViewForAccount()) {
        m_transactionsView->updateToolbar(*item.account());
    }
    if (item.budget() != nullptr && m_router->currentView() == ContentView::BudgetView) {
        m_router->currentController()->refresh();
    }
}

// ---- Status line, toolbar commands, search ----

void AppController::setStatusMessage(const QString& message) {
    m_window.statusField()->setText(message);
}

void AppController::toggleStatusMessage() {
    if (isShowingTransactionsViewForAccount()) {
        registerController().toggleStatusMessage();
    }
}

void AppController::toggleBalanceColumn() {
    if (isShowingTransactionsViewForAccount()) {
        registerController().toggleBalanceColumn();
    }
}

void AppController::startSearch() {
    m_window.searchField()->setFocus();
    m_window.searchField()->selectAll();
}

void AppController::search() {
    if (m_context == nullptr) {
        return;
    }
    auto& results = m_router->controllerAs<SearchController>(ContentView::SearchResults);
    const QString text = m_window.searchField()->text();
    if (text.isEmpty()) {
        outlineViewSelectionDidChange();
        return;
    }
    save();
    if (!isShowingSearchView() && !isShowingTransactionsView()) {
        m_shouldKeepSearchString = true;
        selectSourceListItem(SourceListItem::fixed(Kind::AllAccounts));
        m_shouldKeepSearchString = false;
    }
    m_router->showAsIs(ContentView::SearchResults);
    results.search(text);
}

void AppController::repaintSourceList() {
    m_window.sourceList()->viewport()->update();
}

void AppController::switchToScheduled() {
    selectSourceListItem(SourceListItem::fixed(Kind::Scheduled));
}

// ---- MainWindowHost ----

ObjectContext& AppController::context() {
    PN_ASSERT(m_context != nullptr, "managedObjectContext missing");
    return *m_context;
}

Node& AppController::accountsRoot() {
    PN_ASSERT(m_accountsRoot != nullptr, "the store is not open");
    return *m_accountsRoot;
}

Alerts& AppController::alerts() {
    return Alerts::shared();
}

UserDefaults& AppController::defaults() {
    return m_delegate.defaults();
}

bool AppController::save() {
    return m_delegate.save();
}

void AppController::showPreferences() {
    m_commands->showPreferencePanel();
}

void AppController::editCategories() {
    m_commands->showPreferencePanel(CategoriesController::kIdentifier);
}

void AppController::revealScheduledItem(ScheduledItem& item) {
    switchToScheduled();
    if (m_router->currentView() == ContentView::ScheduledList) {
        m_router->currentController()->reveal(item);
    }
}

#include "ui/shell/AppController.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "ledger/Node.h"
#include "store/ObjectContext.h"
#include "ui/accounts/EditAccountController.h"
#include "ui/accounts/NewAccountController.h"
#include "ui/common/Alerts.h"
#include "ui/common/Images.h"
#include "ui/common/PlaceholderView.h"
#include "ui/common/UrlOpener.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/sourcelist/SourceListModel.h"
#include "ui/sourcelist/SourceListView.h"

namespace {

using Kind = SourceListItem::Kind;

const QColor kContentBackground(QStringLiteral("#F6F7F9"));
constexpr int kToolbarHeight = 36;

}  // namespace

AppController::AppController(MainWindow& window, ApplicationDelegate& delegate)
    : m_window(window), m_delegate(delegate) {
    buildTransactionsView();
    buildAddAccountMessageView();
    SourceListView* list = m_window.sourceList();
    connect(list, &QTreeView::expanded, this,
            [this](const QModelIndex& index) { groupExpansionChanged(index, true); });
    connect(list, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { groupExpansionChanged(index, false); });
    connect(m_window.searchField(), &QLineEdit::textChanged, this, [this] { search(); });
}

AppController::~AppController() {
    forgetStore();
}

void AppController::buildTransactionsView() {
    m_transactionsView = new QWidget;
    auto* layout = new QVBoxLayout(m_transactionsView);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_transactionsToolbar = new QWidget;
    m_transactionsToolbar->setObjectName(QStringLiteral("transactionsToolbar"));
    m_transactionsToolbar->setFixedHeight(kToolbarHeight);
    m_transactionsToolbar->setStyleSheet(QStringLiteral(
        "#transactionsToolbar { background: #EDEFF2; border-bottom: 1px solid #C9CDD2; }"));
    auto* strip = new QHBoxLayout(m_transactionsToolbar);
    strip->setContentsMargins(10, 4, 10, 4);
    m_toolbarTitle = new QLabel;
    QFont titleFont = m_toolbarTitle->font();
    titleFont.setBold(true);
    m_toolbarTitle->setFont(titleFont);
    strip->addWidget(m_toolbarTitle, 1);
    auto* newTransaction = new QPushButton(tr("New Transaction"));
    connect(newTransaction, &QPushButton::clicked, this, [this] { m_delegate.newTransaction(); });
    m_importButton = new QPushButton(tr("Import..."));
    connect(m_importButton, &QPushButton::clicked, this, [this] { importFromBank(); });
    auto* edit = new QPushButton(tr("Edit Account..."));
    connect(edit, &QPushButton::clicked, this, [this] { editAccount(); });
    for (QPushButton* button : {newTransaction, m_importButton, edit}) {
        strip->addWidget(button);
    }
    m_transactionsTablePlaceholder = new PlaceholderView;
    m_transactionsTablePlaceholder->setColor(kContentBackground);
    layout->addWidget(m_transactionsToolbar);
    layout->addWidget(m_transactionsTablePlaceholder, 1);
}

void AppController::buildAddAccountMessageView() {
    auto* background = new PlaceholderView;
    background->setPattern(Images::pixmap(QStringLiteral("welcomePattern"), 16, 1.0));
    auto* outer = new QVBoxLayout(background);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("addAccountPanel"));
    panel->setStyleSheet(QStringLiteral(
        "#addAccountPanel { background: white; border: 1px solid #C9CDD2; border-radius: 8px; }"));
    panel->setFixedWidth(380);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 20, 24, 20);
    auto* title = new QLabel(tr("You have no accounts yet"));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    font.setBold(true);
    title->setFont(font);
    auto* text =
        new QLabel(tr("Add your checking, savings or credit card account, or the cash "
                      "in your wallet, to start keeping your transactions."));
    text->setWordWrap(true);
    // Centred layouts ask for the size hint, which a wrapped label gets wrong.
    text->setFixedHeight(text->heightForWidth(380 - 48));
    auto* button = new QPushButton(tr("Add Account..."));
    connect(button, &QPushButton::clicked, this, [this] { addAccount(); });
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addWidget(button, 0, Qt::AlignLeft);
    outer->addStretch();
    outer->addWidget(panel, 0, Qt::AlignHCenter);
    outer->addStretch();
    m_addAccountMessageView = background;
}

void AppController::forgetStore() {
    if (m_model) {
        m_window.sourceList()->setModel(nullptr);
        m_model.reset();
    }
    m_undoObserver.cancel();
    m_redoObserver.cancel();
    m_categoriesObserver.cancel();
    m_context = nullptr;
    m_accountsRoot = nullptr;
    m_newAccountController.reset();
    m_editAccountController.reset();
    for (QPointer<PlaceholderView>* view :
         {&m_scheduledView, &m_budgetView, &m_trendsView, &m_breakdownView, &m_searchView}) {
        delete view->data();
        *view = nullptr;
    }
}

void AppController::reset(ObjectContext& context, Node& accountsRoot) {
    forgetStore();
    m_shouldKeepSearchString = false;
    {
        const QSignalBlocker blocker(m_window.searchField());
        m_window.searchField()->clear();
    }
    hideToolbar();
    switchView(m_transactionsView);
    m_context = &context;
    NotificationCenter& center = NotificationCenter::defaultCenter();
    m_undoObserver = center.observe(kUndoManagerDidUndoChange, [this](auto&) { didUndoOrRedo(); });
    m_redoObserver = center.observe(kUndoManagerDidRedoChange, [this](auto&) { didUndoOrRedo(); });
    m_categoriesObserver =
        center.observe(kPNCategoriesChanged, [this](auto&) { updateAllViews(); });
    m_accountsRoot = &accountsRoot;
    m_model = std::make_unique<SourceListModel>(context, *m_accountsRoot);
    m_model->setRenameHandler(
        [this](const SourceListItem& item, const QString& name) { renameItem(item, name); });
    m_model->setDropHandler(
        [this](const SourceListDropRules::Proposal& proposal) { return acceptDrop(proposal); });
    connect(m_model.get(), &SourceListModel::needsReload, this, [this] { reloadSourceList(); });
    SourceListView* list = m_window.sourceList();
    list->setModel(m_model.get());
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { outlineViewSelectionDidChange(); });
    expandStoredGroups();
    selectItem(SourceListItem::fixed(Kind::AllAccounts));
}

void AppController::expandStoredGroups() {
    m_restoringExpansion = true;
    SourceListView* list = m_window.sourceList();
    list->expandHeaders();
    for (AccountGroup* group : AccountGroup::findByPredicate(
             [](const AccountGroup& g) { return g.isExpanded(); }, *m_context)) {
        list->expand(m_model->indexForItem(SourceListItem::forObject(group)));
    }
    m_restoringExpansion = false;
}

void AppController::groupExpansionChanged(const QModelIndex& index, bool expanded) {
    if (m_restoringExpansion || !m_model) {
        return;
    }
    if (AccountGroup* group = m_model->itemForIndex(index).group()) {
        group->setIsExpanded(expanded);
    }
}

// ---- Queries ----

SourceListItem AppController::selectedSourceListItem() const {
    if (!m_model) {
        return {};
    }
    const QModelIndexList rows = m_window.sourceList()->selectionModel()->selectedRows();
    return rows.isEmpty() ? SourceListItem() : m_model->itemForIndex(rows.front());
}

QWidget* AppController::contentView() const {
    QLayoutItem* item = m_window.contentLayout()->itemAt(0);
    return item != nullptr ? item->widget() : nullptr;
}

bool AppController::isShowingTransactionsView() const {
    return selectedSourceListItem().showsRegister() && contentView() == m_transactionsView;
}

bool AppController::isShowingTransactionsViewForAccount() const {
    return selectedSourceListItem().account() != nullptr && isShowingTransactionsView();
}

bool AppController::isShowingSearchView() const {
    return m_searchView != nullptr && contentView() == m_searchView;
}

bool AppController::shouldShowScheduled() const {
    return m_context != nullptr && Account::countInContext(*m_context) > 0;
}

std::vector<Budget*> AppController::budgets() const {
    std::vector<Budget*> all = Budget::allInContext(*m_context);
    std::stable_sort(all.begin(), all.end(),
                     [](const Budget* a, const Budget* b) { return a->name() < b->name(); });
    return all;
}

bool AppController::isImportButtonHidden() const {
    return m_importButton->isHidden();
}

// ---- Content views ----

void AppController::switchView(QWidget* view) {
    QVBoxLayout* layout = m_window.contentLayout();
    PN_ASSERT(layout->count() <= 1, "more than one view in the content area");
    if (QWidget* current = contentView(); current != nullptr && current != view) {
        layout->removeWidget(current);
        current->hide();
        current->setParent(nullptr);
    }
    if (contentView() != view) {
        layout->addWidget(view);
    }
    view->show();
}

PlaceholderView* AppController::placeholderFor(QPointer<PlaceholderView>& slot,
                                               const QString& text) {
    if (slot == nullptr) {
        slot = new PlaceholderView;
        slot->setColor(kContentBackground);
    }
    slot->setText(text);
    return slot;
}

void AppController::showToolbar() {
    m_transactionsToolbar->show();
    updateToolbar();
}

void AppController::hideToolbar() {
    m_transactionsToolbar->hide();
}

void AppController::updateToolbar() {
    if (Account* account = selectedSourceListItem().account()) {
        m_toolbarTitle->setText(QString::fromStdString(account->name()));
        m_importButton->setHidden(account->type() == std::optional<std::string>(kAccountTypeCash));
    }
}

void AppController::showRegisterFor(const QString& subject, bool withToolbar) {
    m_transactionsTablePlaceholder->setText(
        tr("The register of %1 is not available in this version.").arg(subject));
    switchView(m_transactionsView);
    if (withToolbar) {
        showToolbar();
    } else {
        hideToolbar();
    }
}

void AppController::outlineViewSelectionDidChange() {
    if (m_handlingSelection || m_context == nullptr) {
        return;
    }
    m_handlingSelection = true;
    m_delegate.save();
    setStatusMessage({});
    m_balanceColumnVisible = false;
    m_showsReconciledBalance = false;
    if (!m_shouldKeepSearchString) {
        const QSignalBlocker blocker(m_window.searchField());
        m_window.searchField()->clear();
    }
    const SourceListItem item = selectedSourceListItem();
    switch (item.kind()) {
        case Kind::Account:
            showRegisterFor(
                tr("\u201c%1\u201d").arg(QString::fromStdString(item.account()->name())), true);
            break;
        case Kind::AllAccounts:
            if (Account::countInContext(*m_context) == 0) {
                switchView(m_addAccountMessageView);
            } else {
                showRegisterFor(tr("all accounts"), false);
            }
            break;
        case Kind::AccountGroup:
            showRegisterFor(
                tr("the group \u201c%1\u201d").arg(QString::fromStdString(item.group()->name())),
                false);
            break;
        case Kind::Scheduled:
            switchView(placeholderFor(m_scheduledView,
                                      tr("The list of scheduled transactions is not available in "
                                         "this version.")));
            break;
        case Kind::Budget:
            switchView(placeholderFor(
                m_budgetView, tr("The budget view of \u201c%1\u201d is not available in this "
                                 "version.")
                                  .arg(QString::fromStdString(item.budget()->name()))));
            break;
        case Kind::TrendsChart:
            switchView(placeholderFor(m_trendsView,
                                      tr("The trends chart is not available in this version.")));
            break;
        case Kind::BreakdownChart:
            switchView(placeholderFor(
                m_breakdownView, tr("The breakdown report is not available in this version.")));
            break;
        default:
            break;
    }
    m_handlingSelection = false;
}

void AppController::updateAllViews() {
    const SourceListItem item = selectedSourceListItem();
    if (item.isNone()) {
        return;
    }
    if (item.kind() == Kind::TrendsChart) {
        selectItem(item);
        outlineViewSelectionDidChange();
        return;
    }
    // The register, the budget view, the breakdown and the scheduled list are placeholders
    // in this version: redrawing them from the store is all a refresh can do.
    if (QWidget* view = contentView()) {
        view->update();
    }
    m_window.sourceList()->viewport()->update();
}

void AppController::didUndoOrRedo() {
    if (!m_model) {
        return;
    }
    reloadSourceList();
    if (isShowingTransactionsView()) {
        m_transactionsView->update();
    } else if (selectedSourceListItem().budget() != nullptr) {
        outlineViewSelectionDidChange();
    } else if (isShowingSearchView()) {
        search();
    }
}

void AppController::reloadSourceList() {
    if (!m_model) {
        return;
    }
    const SourceListItem selected = selectedSourceListItem();
    m_model->reload();
    expandStoredGroups();
    const QModelIndex index = m_model->indexForItem(selected);
    if (index.isValid()) {
        m_window.sourceList()->setCurrentIndex(index);
    }
    // The reload reposts the selection, as a new selection would.
    outlineViewSelectionDidChange();
}

void AppController::selectItem(const SourceListItem& item) {
    const QModelIndex index = m_model ? m_model->indexForItem(item) : QModelIndex();
    if (!index.isValid()) {
        return;
    }
    SourceListView* list = m_window.sourceList();
    if (list->currentIndex() == index && list->selectionModel()->isSelected(index)) {
        return;
    }
    list->setCurrentIndex(index);
    list->scrollTo(index);
}

void AppController::editSelectedName() {
    const QModelIndexList rows = m_window.sourceList()->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        m_window.sourceList()->edit(rows.front());
    }
}

void AppController::renameItem(const SourceListItem& item, const QString& name) {
    const std::string text = name.toStdString();
    if (Account* account = item.account()) {
        account->setName(text);
    } else if (AccountGroup* group = item.group()) {
        group->setName(text);
    } else if (Budget* budget = item.budget()) {
        budget->setName(text);
    } else {
        return;
    }
    m_delegate.save();
    updateToolbar();
    if (item.budget() != nullptr && m_budgetView != nullptr) {
        outlineViewSelectionDidChange();
    }
}

bool AppController::acceptDrop(const SourceListDropRules::Proposal& proposal) {
    const SourceListItem dragged = m_model->draggedItem();
    if (dragged.node() == nullptr || !SourceListDropRules::validateDrop(proposal, dragged)) {
        return false;
    }
    const SourceListItem selected = selectedSourceListItem();
    const auto placement = SourceListDropRules::placementForDrop(proposal, m_accountsRoot);
    dragged.node()->moveTo(placement.parent, placement.index);
    m_accountsRoot->validateIndex();
    m_delegate.save();
    m_model->reload();
    expandStoredGroups();
    m_window.sourceList()->expand(m_model->indexForItem(proposal.parent));
    m_model->forgetDraggedItem();
    selectItem(selected);
    outlineViewSelectionDidChange();
    return true;
}

// ---- Status line, toolbar commands, search ----

void AppController::setStatusMessage(const QString& message) {
    m_window.statusField()->setText(message);
}

void AppController::toggleStatusMessage() {
    if (isShowingTransactionsViewForAccount()) {
        m_showsReconciledBalance = !m_showsReconciledBalance;
    }
}

void AppController::toggleBalanceColumn() {
    if (isShowingTransactionsViewForAccount()) {
        m_balanceColumnVisible = !m_balanceColumnVisible;
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
    const QString text = m_window.searchField()->text();
    if (text.isEmpty()) {
        outlineViewSelectionDidChange();
        return;
    }
    m_delegate.save();
    if (!isShowingSearchView()) {
        if (!isShowingTransactionsView()) {
            m_shouldKeepSearchString = true;
            selectItem(SourceListItem::fixed(Kind::AllAccounts));
            m_shouldKeepSearchString = false;
        }
    }
    switchView(placeholderFor(
        m_searchView,
        tr("Searching for \u201c%1\u201d is not available in this version.").arg(text)));
}

void AppController::addAccount() {
    if (!m_newAccountController) {
        m_newAccountController = std::make_unique<NewAccountController>(*this, m_delegate);
    }
    m_newAccountController->run();
}

void AppController::addAccountGroup() {
    auto* group = m_context->insert<AccountGroup>();
    group->setName(tr("New Group").toStdString());
    group->moveTo(m_accountsRoot, static_cast<std::int64_t>(m_accountsRoot->children().size()));
    m_model->reload();
    expandStoredGroups();
    selectItem(SourceListItem::forObject(group));
    outlineViewSelectionDidChange();
    editSelectedName();
}

void AppController::editAccount() {
    Account* account = selectedSourceListItem().account();
    PN_ASSERT(account != nullptr, "editAccount: the selected item is not an account");
    if (!m_editAccountController) {
        m_editAccountController = std::make_unique<EditAccountController>(*this, m_delegate);
    }
    m_editAccountController->run(*account);
}

void AppController::importFromBank() {
    if (selectedSourceListItem().account() == nullptr) {
        Alerts::shared().run(
            {.message = tr("No account is selected."),
             .informativeText =
                 tr("Please select an account from the list on the left side of the window")},
            &m_window);
        return;
    }
    Alerts::shared().run({.message = tr("Importing statements is not available in this version."),
                          .style = AlertContent::Style::Informational},
                         &m_window);
}

void AppController::importFromApp() {
    Alerts::shared().run(
        {.message = tr("Importing from another application is not available in this version."),
         .style = AlertContent::Style::Informational},
        &m_window);
}

void AppController::addBudget() {
    Alerts::shared().run({.message = tr("Creating budgets is not available in this version."),
                          .style = AlertContent::Style::Informational},
                         &m_window);
}

void AppController::switchToScheduled() {
    selectItem(SourceListItem::fixed(Kind::Scheduled));
}

void AppController::showPreferencePanel() {
    Alerts::shared().run({.message = tr("Preferences are not available in this version."),
                          .style = AlertContent::Style::Informational},
                         &m_window);
}

void AppController::showWebsite() {
    UrlOpener::shared().open(QUrl("https://pennora.org/"));
}

void AppController::showSupport() {
    UrlOpener::shared().open(QUrl("https://pennora.org/support/"));
}

void AppController::setSegmentMenus(QMenu* addMenu, QMenu* actionMenu) {
    m_window.addButton()->setMenu(addMenu);
    m_window.actionButton()->setMenu(actionMenu);
}

void AppController::validateUserInterfaceItem(MenuCommand command, QAction& action) const {
    if (m_delegate.isWelcomeWindowVisible()) {
        action.setEnabled(command == MenuCommand::ShowSupport);
        return;
    }
    const SourceListItem item = selectedSourceListItem();
    switch (command) {
        case MenuCommand::ToggleBalanceColumn:
            if (isShowingTransactionsViewForAccount()) {
                action.setEnabled(true);
                action.setText(m_balanceColumnVisible ? tr("Hide Balance Column")
                                                      : tr("Show Balance Column"));
            } else {
                action.setEnabled(false);
                action.setText(tr("Show Balance Column"));
            }
            break;
        case MenuCommand::ToggleStatusMessage:
            action.setEnabled(isShowingTransactionsViewForAccount());
            break;
        case MenuCommand::ImportFromBank:
            action.setEnabled(item.account() != nullptr &&
                              item.account()->type() !=
                                  std::optional<std::string>(kAccountTypeCash));
            break;
        case MenuCommand::EditAccount:
            action.setEnabled(item.account() != nullptr);
            break;
        case MenuCommand::Undo:
            action.setEnabled(m_context != nullptr && m_context->undoManager().canUndo());
            break;
        case MenuCommand::Redo:
            action.setEnabled(m_context != nullptr && m_context->undoManager().canRedo());
            break;
        default:
            action.setEnabled(m_context != nullptr || command == MenuCommand::ShowSupport ||
                              command == MenuCommand::ShowWebsite);
            break;
    }
}

#include "ui/shell/ApplicationDelegate.h"

#include <QAction>
#include <QApplication>
#include <QSplitter>
#include <QTreeView>

#include "base/AssertionFailure.h"
#include "base/Log.h"
#include "budgets/Budget.h"
#include "ledger/Account.h"
#include "ledger/AccountGroup.h"
#include "scheduled/ReminderAlert.h"
#include "scheduled/ScheduledItem.h"
#include "session/ApplicationModel.h"
#include "session/StartSequence.h"
#include "store/ObjectContext.h"
#include "ui/common/Alerts.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/AppController.h"
#include "ui/shell/MainWindow.h"
#include "ui/sourcelist/SourceListModel.h"
#include "ui/sourcelist/SourceListView.h"
#include "ui/welcome/QuitSamplePanel.h"
#include "ui/welcome/SimpleSheetController.h"
#include "ui/welcome/WelcomeController.h"

namespace {

using Kind = SourceListItem::Kind;

}  // namespace

// The once-a-day work, run through the delegate.
class ApplicationDelegate::DayActions final : public DayChangeActions {
public:
    explicit DayActions(ApplicationDelegate& delegate) : m_delegate(delegate) {}
    bool needsToUpdateProjection() override {
        return ScheduledItem::needsToUpdateProjection(context(), Date::today_PN());
    }
    void updateProjections() override {
        ScheduledItem::updateProjections(context(), Date::today_PN());
    }
    void save() override { m_delegate.save(); }
    void updateAllViews() override { m_delegate.updateAllViews(); }
    void showReminders() override;
    bool processAutomaticPayments() override {
        return ScheduledItem::processAutomaticPayments(Date::today_PN(), context());
    }

private:
    ObjectContext& context() { return *m_delegate.managedObjectContext(); }
    ApplicationDelegate& m_delegate;
};

void ApplicationDelegate::DayActions::showReminders() {
    const std::vector<ScheduledItem*> due =
        ScheduledItem::checkReminders(context(), Date::today_PN());
    m_delegate.save();
    std::vector<ReminderAlert::Item> items;
    for (const ScheduledItem* item : due) {
        items.push_back({item->title(), item->nextDueDate()});
    }
    const auto alert = ReminderAlert::forItems(items, Date::today_PN());
    if (!alert) {
        return;
    }
    const AlertAnswer answer =
        Alerts::shared().run({.message = QString::fromStdString(alert->messageText),
                              .informativeText = QString::fromStdString(alert->informativeText),
                              .buttons = {QString::fromStdString(alert->defaultButton),
                                          QString::fromStdString(alert->alternateButton)},
                              .style = AlertContent::Style::Informational},
                             nullptr);
    const auto outcome = ReminderAlert::outcomeOfButton(
        answer.button == 1 ? ReminderAlert::Button::ShowInScheduled : ReminderAlert::Button::OK,
        items.size());
    if (outcome != ReminderAlert::Outcome::Nothing && m_delegate.m_contextOpened) {
        m_delegate.appController().switchToScheduled();
    }
}

ApplicationDelegate::ApplicationDelegate(StoreSession::Options storeOptions, UserDefaults& defaults,
                                         QObject* parent)
    : QObject(parent), m_defaults(defaults) {
    storeOptions.presentError = [this](const ValidationError& error) { presentError(error); };
    storeOptions.commitEditing = [this] { return commitEditing(); };
    m_session = std::make_unique<StoreSession>(ApplicationModel::shared(), std::move(storeOptions));
    m_window = std::make_unique<MainWindow>();
    m_appController = std::make_unique<AppController>(*m_window, *this);
    m_window->setCloseHandler([this] { return windowShouldClose(); });
}

ApplicationDelegate::~ApplicationDelegate() {
    m_appController->forgetStore();
    m_session->reset();
}

void ApplicationDelegate::awakeFromNib() {
    m_welcomeController = std::make_unique<WelcomeController>(*this);
    if (m_defaults.boolForKey(DefaultsKeys::kShouldShowWelcomeScreen)) {
        m_welcomeController->showWindow();
        return;
    }
    startPennora();
}

void ApplicationDelegate::startPennora(bool sample) {
    m_session->setSampleMode(sample);
    reset();
    ObjectContext* context = managedObjectContext();
    const StartSequence::Outcome outcome = StartSequence(*m_session).run();
    m_appController->reset(*context, *outcome.accountsRoot);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    if (sample) {
        if (!m_quitSamplePanel) {
            m_quitSamplePanel = std::make_unique<QuitSamplePanel>(*this);
        }
        m_quitSamplePanel->showNear(*m_window);
    }
    if (outcome.homeCurrencyAlert) {
        showHomeCurrencyAlert(*outcome.homeCurrencyAlert);
    }
}

void ApplicationDelegate::showHomeCurrencyAlert(const HomeCurrencyAlert& alert) {
    Alerts::shared().run({.message = QString::fromStdString(alert.messageText),
                          .informativeText = QString::fromStdString(alert.informativeText),
                          .style = AlertContent::Style::Informational},
                         m_window.get());
}

void ApplicationDelegate::reset() {
    m_appController->forgetStore();
    m_session->reset();
    m_contextOpened = false;
    ++m_generation;
}

ObjectContext* ApplicationDelegate::managedObjectContext() {
    if (!m_contextOpened) {
        m_contextOpened = true;
        // An open error has been shown by then; the context has no store and saves fail.
        ObjectContext& context = m_session->context();
        ++m_generation;
        ObjectContext::setApplicationContext(&context);
    }
    return &m_session->context();
}

ObjectContext* ApplicationDelegate::openContext() const {
    return m_session->hasContext() ? &m_session->context() : nullptr;
}

bool ApplicationDelegate::commitEditing() {
    // An open name editor in the source list writes its text back first.
    QTreeView* list = m_window->sourceList();
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && list->viewport()->isAncestorOf(focus)) {
        emit list->itemDelegate()->commitData(focus);
        emit list->itemDelegate()->closeEditor(focus);
    }
    return true;
}

bool ApplicationDelegate::save() {
    return m_session->save();
}

void ApplicationDelegate::outputSaveError(const ValidationError& error) {
    m_session->outputSaveError(error);
}

// The standard error alert, for a store that cannot be opened and for a failed save.
void ApplicationDelegate::presentError(const ValidationError& error) {
    QStringList details;
    for (const ValidationError& detail : error.detailedErrors) {
        details << QString::fromStdString(detail.localizedDescription);
    }
    Alerts::shared().run({.message = QString::fromStdString(error.localizedDescription),
                          .informativeText = details.join('\n'),
                          .style = AlertContent::Style::Critical},
                         m_window->isVisible() ? m_window.get() : nullptr);
}

void ApplicationDelegate::showHelpSheetAfterNewAccount(const Account& account) {
    const bool cash = account.type() == std::optional<std::string>(kAccountTypeCash);
    const QString layout = cash ? QStringLiteral("CashAccountHelp") : QStringLiteral("AccountHelp");
    const QString key =
        cash ? DefaultsKeys::kShouldShowCashAccountHelp : DefaultsKeys::kShouldShowAccountHelp;
    if (!m_defaults.boolForKey(key)) {
        return;
    }
    SimpleSheetController sheet(layout, m_defaults, m_window.get());
    sheet.beginSheet(m_window.get());
}

void ApplicationDelegate::updateAllViews() {
    m_appController->updateAllViews();
}

// ---- Application events ----

bool ApplicationDelegate::applicationShouldTerminate() {
    return m_session->applicationShouldTerminate() == TerminateReply::Now;
}

void ApplicationDelegate::applicationDidBecomeActive() {
    DayActions actions(*this);
    if (managedObjectContext() == nullptr) {
        return;
    }
    m_dayCheck.applicationDidBecomeActive(actions);
}

bool ApplicationDelegate::applicationShouldHandleReopen() {
    if (!isWelcomeWindowVisible() && !m_window->isVisible()) {
        m_window->show();
        m_window->raise();
    }
    return true;
}

// Closing the main window ends the program, as on every Linux desktop, unless the store
// cannot be saved; in the sample it goes back to the welcome window instead.
bool ApplicationDelegate::windowShouldClose() {
    if (sampleMode()) {
        quitSample();
        return false;
    }
    return applicationShouldTerminate();
}

bool ApplicationDelegate::isWelcomeWindowVisible() const {
    return m_welcomeController != nullptr && m_welcomeController->isVisible();
}

// ---- Menu commands ----

void ApplicationDelegate::newTransaction() {
    if (m_appController->isShowingTransactionsViewForAccount()) {
        showUnavailable(tr("Entering transactions"));
        return;
    }
    PN_ASSERT(m_appController->selectedSourceListItem().kind() == Kind::Scheduled,
              "newTransaction: Scheduled expected");
    showUnavailable(tr("Scheduling transactions"));
}

bool ApplicationDelegate::confirm(const QString& message, const QString& informativeText) {
    const AlertAnswer answer = Alerts::shared().run({.message = message,
                                                     .informativeText = informativeText,
                                                     .buttons = {tr("Delete"), tr("Cancel")}},
                                                    m_window.get());
    return answer.button == 0;
}

void ApplicationDelegate::showUnavailable(const QString& what) {
    Alerts::shared().run({.message = tr("%1 is not available in this version.").arg(what),
                          .style = AlertContent::Style::Informational},
                         m_window.get());
}

void ApplicationDelegate::deleteItem() {
    const SourceListItem item = m_appController->selectedSourceListItem();
    ManagedObject* doomed = nullptr;
    if (Account* account = item.account()) {
        save();
        if (!confirm(tr("Are you sure you want to delete this account?"),
                     tr("All transactions within the account will be deleted as well."))) {
            return;
        }
        account->removeFromParent();
        doomed = account;
    } else if (AccountGroup* group = item.group()) {
        if (!group->children().empty()) {
            Alerts::shared().run(
                {.message = tr("Account group cannot be deleted because it still contains "
                               "accounts."),
                 .informativeText =
                     tr("To delete this account group, first remove all accounts within it.")},
                m_window.get());
            return;
        }
        group->removeFromParent();
        doomed = group;
    } else if (Budget* budget = item.budget()) {
        if (!confirm(tr("Are you sure you want to delete this budget?"),
                     tr("This action cannot be undone."))) {
            return;
        }
        doomed = budget;
    } else {
        PN_ASSERTION_FAILURE("deleteItem: unexpected source list item");
    }
    const int row = visualRowOfSelection();
    managedObjectContext()->deleteObject(*doomed);
    m_appController->sourceListModel()->reload();
    fixSelectionAfterDelete(row);
    save();
}

int ApplicationDelegate::visualRowOfSelection() const {
    QTreeView* list = m_window->sourceList();
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        return -1;
    }
    int row = 0;
    for (QModelIndex index = list->model()->index(0, 0); index.isValid();
         index = list->indexBelow(index), ++row) {
        if (index == selected.front()) {
            return row;
        }
    }
    return -1;
}

// The row that held the deleted item keeps the selection, as a list that was reloaded in
// place would: onto the "Charts" header it moves up a row; past the end it goes to the last
// budget, or to "All Accounts" when there is none.
void ApplicationDelegate::fixSelectionAfterDelete(int row) {
    AppController& controller = *m_appController;
    SourceListModel& model = *controller.sourceListModel();
    SourceListView* list = m_window->sourceList();
    list->expandHeaders();
    controller.reloadSourceList();
    QModelIndex index = row < 0 ? QModelIndex() : model.index(0, 0);
    for (int i = 0; i < row && index.isValid(); ++i) {
        index = list->indexBelow(index);
    }
    if (model.itemForIndex(index).kind() == Kind::ChartsHeader) {
        index = list->indexAbove(index);
    }
    if (index.isValid() && (model.flags(index) & Qt::ItemIsSelectable)) {
        list->setCurrentIndex(index);
        return;
    }
    const auto budgets = controller.budgets();
    controller.selectItem(budgets.empty() ? SourceListItem::fixed(Kind::AllAccounts)
                                          : SourceListItem::forObject(budgets.back()));
}

void ApplicationDelegate::rename() {
    m_appController->editSelectedName();
}

void ApplicationDelegate::transfer() {
    showUnavailable(tr("Transfers between accounts"));
}

void ApplicationDelegate::toggleScheduledTransactions() {
    showUnavailable(tr("Showing projected scheduled transactions"));
}

void ApplicationDelegate::closeAllWindows() {
    m_window->hide();
    if (m_quitSamplePanel) {
        m_quitSamplePanel->hide();
    }
}

void ApplicationDelegate::showWelcomeScreen() {
    if (isWelcomeWindowVisible()) {
        return;
    }
    if (openContext() != nullptr) {
        save();
    }
    m_welcomeController->showWindow();
    closeAllWindows();
}

void ApplicationDelegate::quitSample() {
    // The welcome window opens first, so the program never runs without a window.
    m_welcomeController->showWindow();
    closeAllWindows();
}

void ApplicationDelegate::saveAs() {
    PN_ASSERT(openContext() != nullptr, "managedObjectContext missing");
    m_session->saveAs();
}

void ApplicationDelegate::sizeForScreenshot() {
    m_window->setGeometry(200, 143, 887, 546);
    QSplitter* split = m_window->splitView();
    const int total = split->width() > 0 ? split->width() : 887;
    split->setSizes({175, total - 175 - split->handleWidth()});
}

void ApplicationDelegate::undo() {
    ObjectContext* context = openContext();
    if (context != nullptr && context->undoManager().canUndo()) {
        context->undo();
        save();
    }
}

void ApplicationDelegate::redo() {
    ObjectContext* context = openContext();
    if (context != nullptr && context->undoManager().canRedo()) {
        context->redo();
        save();
    }
}

void ApplicationDelegate::validateUserInterfaceItem(MenuCommand command, QAction& action) const {
    const bool welcome = isWelcomeWindowVisible();
    const SourceListItem item = m_appController->selectedSourceListItem();
    const bool accountRegister = m_appController->isShowingTransactionsViewForAccount();
    switch (command) {
        case MenuCommand::DeleteItem:
            if (item.account() != nullptr) {
                action.setText(tr("Delete Account..."));
            } else if (item.group() != nullptr) {
                action.setText(tr("Delete Account Group"));
            } else if (item.budget() != nullptr) {
                action.setText(tr("Delete Budget..."));
            } else {
                action.setText(tr("Delete"));
            }
            action.setEnabled(!welcome && item.object() != nullptr);
            return;
        case MenuCommand::Rename:
            action.setEnabled(!welcome && item.object() != nullptr);
            return;
        case MenuCommand::NewTransaction:
            if (accountRegister) {
                action.setText(tr("New Transaction"));
                action.setEnabled(!welcome);
            } else if (item.kind() == Kind::Scheduled) {
                action.setText(tr("New Scheduled Transaction"));
                action.setEnabled(!welcome);
            } else {
                action.setText(tr("New Transaction"));
                action.setEnabled(false);
            }
            return;
        case MenuCommand::Transfer:
            action.setEnabled(!welcome && accountRegister);
            return;
        case MenuCommand::ToggleScheduledTransactions:
        case MenuCommand::SaveAs:
        case MenuCommand::SizeForScreenshot:
            action.setEnabled(!welcome && openContext() != nullptr);
            return;
        case MenuCommand::ShowWelcomeScreen:
            action.setEnabled(!welcome);
            return;
        case MenuCommand::QuitSample:
            action.setEnabled(!welcome && sampleMode());
            return;
        case MenuCommand::ShowMainWindow:
            action.setEnabled(!welcome && openContext() != nullptr);
            return;
        default:
            m_appController->validateUserInterfaceItem(command, action);
            return;
    }
}

#include "ui/budgets/BudgetController.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "budgets/Budget.h"
#include "budgets/BudgetViewFigures.h"
#include "budgets/CategoryLimit.h"
#include "ledger/Category.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "reports/TransactionReports.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/budgets/BudgetOutlineView.h"
#include "ui/budgets/EditBudgetController.h"
#include "ui/budgets/LimitSheetController.h"
#include "ui/common/Alerts.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/Sidebar.h"
#include "ui/common/SidebarButton.h"
#include "ui/summary/SummaryController.h"

namespace {

constexpr int kCategoryColumnWidth = 200;
constexpr int kLimitColumnWidth = 90;

QString labelStyle(const std::string& color, int pixelSize, bool bold) {
    return QStringLiteral("color: #%1; font-size: %2px; font-weight: %3;")
        .arg(QString::fromStdString(color))
        .arg(pixelSize)
        .arg(bold ? QStringLiteral("bold") : QStringLiteral("normal"));
}

}  // namespace

BudgetController::BudgetController(ObjectContext& context, Alerts& alerts,
                                   TransactionListFactory makeTransactionList, QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_alerts(alerts),
      m_makeTransactionList(std::move(makeTransactionList)) {
    setWindowTitle(tr("Budget"));
    buildViews();
}

BudgetController::~BudgetController() {
    // The outline reads the tracking results, which go before the child widgets do.
    m_model->clear();
}

// ---- Building ----

QWidget* BudgetController::buildTopBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("budgetBar"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setStyleSheet(QStringLiteral(
        "#budgetBar { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #5B616A, "
        "stop:1 #3F444B); border-bottom: 1px solid #2A2E33; }"));
    auto* strip = new QHBoxLayout(bar);
    strip->setContentsMargins(14, 8, 10, 8);
    strip->setSpacing(12);
    m_titleField = new QLabel;
    m_titleField->setStyleSheet(labelStyle("FFFFFF", 16, true));
    m_monthsLeftField = new QLabel;
    m_settingsButton = new QPushButton(tr("Edit Budget..."));
    connect(m_settingsButton, &QPushButton::clicked, this, [this] { showSettings(); });
    strip->addWidget(m_titleField);
    strip->addWidget(m_monthsLeftField, 0, Qt::AlignBaseline);
    strip->addStretch(1);
    strip->addWidget(m_settingsButton);
    return bar;
}

void BudgetController::buildSidebar() {
    m_sidebar = new Sidebar;
    m_sidebar->setShowOverallSavings(false);
    m_expenseButton = new SidebarButton(tr("Expense"));
    m_incomeButton = new SidebarButton(tr("Income"));
    m_summaryButton = new SidebarButton(tr("You'll Save"));
    m_incomeButton->setIsIncome(true);
    m_summaryButton->setColorCoded(true);
    for (SidebarButton* button : {m_expenseButton, m_incomeButton, m_summaryButton}) {
        button->setShowCents(false);
        m_sidebar->addButton(button);
    }
    connect(m_expenseButton, &SidebarButton::clicked, this, [this] { switchToExpense(); });
    connect(m_incomeButton, &SidebarButton::clicked, this, [this] { switchToIncome(); });
    connect(m_summaryButton, &SidebarButton::clicked, this, [this] { switchToSummary(); });
}

void BudgetController::buildViews() {
    buildSidebar();

    m_model = new BudgetOutlineModel(this);
    m_outlineView = new BudgetOutlineView;
    m_outlineView->setModel(m_model);
    m_outlineView->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_outlineView->header()->resizeSection(BudgetOutlineModel::CategoryColumn,
                                           kCategoryColumnWidth);
    m_outlineView->header()->resizeSection(BudgetOutlineModel::LimitColumn, kLimitColumnWidth);
    connect(m_outlineView, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { rowClicked(index); });
    connect(m_outlineView, &BudgetOutlineView::zoomClicked, this,
            [this](const QModelIndex& row) { zoomClickedForRow(row); });
    connect(m_outlineView, &BudgetOutlineView::editRequested, this,
            [this](const QModelIndex& row) { showEditSheetForLimit(row); });
    connect(m_outlineView, &BudgetOutlineView::sortRequested, this,
            [this](bool ascending) { sortRequested(ascending); });

    m_breadcrumbPath = new BreadcrumbPath;
    m_breadcrumbPath->setFixedHeight(28);
    connect(m_breadcrumbPath, &BreadcrumbPath::crumbClicked, this,
            [this](std::size_t, const Breadcrumb& crumb) { clickedCrumb(crumb); });
    auto* border = new QWidget;
    border->setFixedHeight(1);
    border->setStyleSheet(QStringLiteral("background: #B3B3B3;"));
    m_tablePlaceholder = new QStackedWidget;
    m_transactionsContainer = new QWidget;
    auto* transactions = new QVBoxLayout(m_transactionsContainer);
    transactions->setContentsMargins(0, 0, 0, 0);
    transactions->setSpacing(0);
    transactions->addWidget(m_breadcrumbPath);
    transactions->addWidget(border);
    transactions->addWidget(m_tablePlaceholder, 1);

    m_content = new QStackedWidget;
    m_content->addWidget(m_outlineView);
    m_content->addWidget(m_transactionsContainer);

    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(m_sidebar);
    body->addWidget(m_content, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    layout->addLayout(body, 1);
    setTabOrder(m_settingsButton, m_expenseButton);
    setTabOrder(m_expenseButton, m_incomeButton);
    setTabOrder(m_incomeButton, m_summaryButton);
    setTabOrder(m_summaryButton, m_outlineView);
}

// ---- Showing a budget ----

std::string BudgetController::homeCurrency() const {
    return Global::sharedInstanceInContext(m_context)->homeCurrency();
}

void BudgetController::setBudget(Budget* budget) {
    m_model->clear();
    m_budget = budget;
    m_tracking.setBudget(budget);
    m_currentCategory = nullptr;
}

void BudgetController::setup(bool keepSide) {
    PN_ASSERT(m_budget != nullptr, "The budget view has no budget");
    if (m_limitSheetController != nullptr && m_limitSheetController->isVisible()) {
        m_limitSheetController->save();
    }
    m_titleField->setText(QString::fromStdString(m_budget->name()));
    setTimeRemainingMessage();
    // The results are about to be replaced: the outline lets go of them first.
    m_model->clear();
    m_tracking.track();
    const std::optional<float> needle = m_tracking.needlePercentage(Date::today_PN());
    m_outlineView->setShouldDrawNeedle(needle.has_value());
    m_outlineView->setNeedlePercentage(needle.value_or(0));
    updateSidebarButtons();
    if (!keepSide) {
        switchToExpense();
        return;
    }
    SidebarButton* selected = m_sidebar->selectedButton();
    PN_ASSERT(selected != nullptr, "No side of the budget is selected");
    if (selected == m_expenseButton) {
        switchToExpense();
    } else if (selected == m_incomeButton) {
        switchToIncome();
    } else {
        switchToSummary();
    }
}

void BudgetController::setTimeRemainingMessage() {
    const BudgetViewFigures::TimeRemaining message =
        BudgetViewFigures::timeRemainingMessage(m_budget->period(), Date::today_PN());
    m_monthsLeftField->setText(QString::fromStdString(message.text));
    m_monthsLeftField->setStyleSheet(labelStyle(message.color, 12, false));
}

void BudgetController::updateSidebarButtons() {
    const BudgetViewFigures::Sidebar figures = m_tracking.sidebar();
    m_sidebar->setCurrencyCode(homeCurrency());
    m_expenseButton->setAmount(figures.expense);
    m_incomeButton->setAmount(figures.income);
    m_summaryButton->setTitle(tr(figures.summaryTitle.c_str()));
    m_summaryButton->setAmount(figures.savings);
    m_sidebar->setFixedWidth(m_sidebar->idealWidth());
}

void BudgetController::didSwitchToBudget() {
    if (m_budget == nullptr ||
        !BudgetViewFigures::shouldShowEndNotice(m_budget->period(), Date::today_PN(),
                                                m_budget->didShowEndNotice())) {
        return;
    }
    m_alerts.run({.message = tr(BudgetViewFigures::kEndNoticeTitle),
                  .informativeText = tr(BudgetViewFigures::kEndNoticeText),
                  .style = AlertContent::Style::Informational},
                 window());
    m_budget->setDidShowEndNotice(true);
    emit storeSaveRequested();
}

// ---- Pages ----

QWidget* BudgetController::currentContent() const {
    return m_content->currentWidget();
}

void BudgetController::switchToExpense() {
    switchToSide(BudgetTracking::Side::Expense);
}

void BudgetController::switchToIncome() {
    switchToSide(BudgetTracking::Side::Income);
}

void BudgetController::switchToSide(BudgetTracking::Side side) {
    emit storeSaveRequested();
    const bool expense = side == BudgetTracking::Side::Expense;
    m_sidebar->selectButton(expense ? m_expenseButton : m_incomeButton);
    if (m_tracking.switchToSide(side)) {
        m_model->setResult(m_tracking.currentData(), homeCurrency());
        m_outlineView->setSortAscending(false);
        m_outlineView->clearSelection();
        m_outlineView->collapseAll();
        m_model->setActualHeader(
            tr(BudgetViewFigures::actualColumnHeader(expense, m_budget->hasEnded()).c_str()));
    }
    if (currentContent() != m_outlineView) {
        switchToBudgetView();
    }
}

void BudgetController::switchToBudgetView() {
    m_content->setCurrentWidget(m_outlineView);
    m_outlineView->updateTrackingAreas();
    m_outlineView->setFocus();
}

void BudgetController::switchToSummary() {
    emit storeSaveRequested();
    m_sidebar->selectButton(m_summaryButton);
    m_tracking.hideSides();
    if (m_summaryController == nullptr) {
        m_summaryController = new SummaryController;
        m_content->addWidget(m_summaryController);
    }
    m_summaryController->setBudget(m_budget);
    m_summaryController->setExpenseData(&m_tracking.expenseData());
    m_summaryController->setIncomeData(&m_tracking.incomeData());
    m_summaryController->setup();
    m_content->setCurrentWidget(m_summaryController);
}

// ---- The outline ----

void BudgetController::rowClicked(const QModelIndex& index) {
    const TrackRow* row = m_model->rowForIndex(index);
    if (row == nullptr || !row->isGroup()) {
        return;
    }
    const QModelIndex group = index.siblingAtColumn(0);
    m_outlineView->setExpanded(group, !m_outlineView->isExpanded(group));
}

void BudgetController::sortRequested(bool ascending) {
    if (!m_tracking.shownSide()) {
        return;
    }
    m_model->changeResult([this, ascending] { m_tracking.sortShownSide(ascending); });
}

bool BudgetController::canEditLimit() const {
    if (!m_tracking.shownSide() || currentContent() != m_outlineView) {
        return false;
    }
    const QModelIndexList selected = m_outlineView->selectionModel()->selectedRows();
    const TrackRow* row = selected.isEmpty() ? nullptr : m_model->rowForIndex(selected.front());
    return row != nullptr && row->type == TrackRow::Type::Category;
}

void BudgetController::editLimit() {
    if (canEditLimit()) {
        showEditSheetForLimit(m_outlineView->selectionModel()->selectedRows().front());
    }
}

void BudgetController::showEditSheetForLimit(const QModelIndex& index) {
    TrackRow* row = m_model->rowForIndex(index);
    PN_ASSERT(row != nullptr && row->type == TrackRow::Type::Category,
              "The limit sheet is only for category rows");
    if (m_limitSheetController == nullptr) {
        m_limitSheetController = new LimitSheetController(this);
    }
    const QPersistentModelIndex edited(index);
    m_limitSheetController->showOnWindow(
        window(), *row, static_cast<int>(m_budget->months()), homeCurrency(),
        [this, edited](const LimitSheetFields& fields, const std::string& notes) {
            saveLimit(edited, fields, notes);
        });
}

void BudgetController::saveLimit(const QModelIndex& index, const LimitSheetFields& fields,
                                 const std::string& notes) {
    TrackRow* row = m_model->rowForIndex(index);
    PN_ASSERT(row != nullptr && row->type == TrackRow::Type::Category,
              "Only a category row's limit is saved");
    m_model->changeResult([&] { m_tracking.saveLimit(*row, fields, notes); });
    m_outlineView->clearSelection();
    emit storeSaveRequested();
    updateSidebarButtons();
    // The edited row stays where it is: the outline is no longer sorted.
    m_outlineView->setSortAscending(std::nullopt);
    m_outlineView->viewport()->update();
}

void BudgetController::showSettings() {
    if (m_budget == nullptr) {
        return;
    }
    if (m_editBudgetController == nullptr) {
        m_editBudgetController = new EditBudgetController(m_context, m_alerts, this);
    }
    if (!m_editBudgetController->showOnWindow(window(), *m_budget)) {
        return;
    }
    emit storeSaveRequested();
    emit budgetChanged(m_budget);
    setup(true);
}

// ---- The transactions of a row ----

std::vector<Transaction*> BudgetController::currentTransactions() const {
    return TransactionReports::allWithDateRange({m_budget->startDate(), m_budget->endDate()},
                                                m_currentCategory, m_context);
}

void BudgetController::zoomClickedForRow(const QModelIndex& index) {
    const TrackRow* row = m_model->rowForIndex(index);
    PN_ASSERT(row != nullptr && (row->type == TrackRow::Type::Category ||
                                 row->type == TrackRow::Type::Uncategorized),
              "Only category and uncategorized rows list their transactions");
    m_currentCategory = row->categoryLimit != nullptr ? row->categoryLimit->category() : nullptr;
    if (m_transactionList == nullptr) {
        PN_ASSERT(m_makeTransactionList, "The budget view has no transaction list to show");
        m_transactionList = m_makeTransactionList(
            [this](Transaction* transaction) { didCloseEditPanel(transaction); });
        m_tablePlaceholder->addWidget(m_transactionList->widget());
    }
    m_transactionList->showTransactions(currentTransactions());
    m_breadcrumbPath->clearCrumbs();
    const bool expense = m_sidebar->selectedButton() == m_expenseButton;
    m_breadcrumbPath->addBreadcrumb(expense ? tr("Expense") : tr("Income"), QVariant());
    if (m_currentCategory != nullptr) {
        m_breadcrumbPath->addBreadcrumb(
            QString::fromStdString(m_currentCategory->name()),
            QVariant::fromValue(reinterpret_cast<quintptr>(m_currentCategory)));
    } else {
        m_breadcrumbPath->addBreadcrumb(tr("Uncategorized"), QVariant());
    }
    m_content->setCurrentWidget(m_transactionsContainer);
}

void BudgetController::clickedCrumb(const Breadcrumb& crumb) {
    if (crumb.representedObject.isValid()) {
        return;
    }
    emit storeSaveRequested();
    switchToBudgetView();
    m_currentCategory = nullptr;
    setup(true);
}

void BudgetController::didCloseEditPanel(Transaction* /*transaction*/) {
    if (m_transactionList == nullptr || currentContent() != m_transactionsContainer) {
        return;
    }
    m_transactionList->reloadTransactions(currentTransactions());
}

RegisterCommands* BudgetController::shownListCommands() const {
    if (m_transactionList == nullptr || currentContent() != m_transactionsContainer) {
        return nullptr;
    }
    return &m_transactionList->commands();
}

bool BudgetController::commitEditing() {
    return m_transactionList == nullptr || m_transactionList->commitEditing();
}

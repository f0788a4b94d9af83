#include "ui/breakdown/BreakdownController.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "base/AssertionFailure.h"
#include "ledger/Global.h"
#include "ledger/Transaction.h"
#include "reports/TransactionReports.h"
#include "ui/breakdown/BreakdownView.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/PlaceholderView.h"
#include "ui/common/Sidebar.h"
#include "ui/common/SidebarButton.h"

namespace {

using FixedPeriod = BreakdownPeriods::FixedPeriod;

QString fixedPeriodTitle(FixedPeriod period) {
    switch (period) {
        case FixedPeriod::ThisMonth:
            return BreakdownController::tr("This Month");
        case FixedPeriod::ThisYear:
            return BreakdownController::tr("This Year");
        case FixedPeriod::Last12Months:
            return BreakdownController::tr("Last 12 Months");
    }
    return {};
}

BreakdownPeriods::Period fixedPeriod(FixedPeriod period) {
    return BreakdownPeriods::fixedPeriod(static_cast<int>(period),
                                         fixedPeriodTitle(period).toStdString(), Date::today_PN());
}

PlaceholderView* makePlaceholder(const QString& text) {
    auto* view = new PlaceholderView;
    view->setColor(Qt::white);
    view->setText(text);
    return view;
}

}  // namespace

BreakdownController::BreakdownController(ObjectContext& context,
                                         TransactionListFactory makeTransactionList,
                                         QWidget* parent)
    : QWidget(parent),
      m_context(context),
      m_makeTransactionList(std::move(makeTransactionList)),
      m_report(std::make_unique<BreakdownReport>(context, fixedPeriod(FixedPeriod::ThisMonth))) {
    setWindowTitle(tr("Breakdown"));
    buildViews();
}

BreakdownController::~BreakdownController() = default;

QWidget* BreakdownController::buildTopBar() {
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("breakdownBar"));
    bar->setStyleSheet(
        QStringLiteral("#breakdownBar { background: #EDEFF2; border-bottom: 1px solid #B3B3B3; }"));
    auto* strip = new QHBoxLayout(bar);
    strip->setContentsMargins(10, 4, 10, 4);
    m_periodsMenu = new QMenu(this);
    m_periodsButton = new QPushButton;
    m_periodsButton->setMenu(m_periodsMenu);
    auto* label = new QLabel(tr("Period:"));
    label->setBuddy(m_periodsButton);
    strip->addWidget(label);
    strip->addWidget(m_periodsButton);
    strip->addStretch(1);
    return bar;
}

void BreakdownController::buildViews() {
    m_sidebar = new Sidebar;
    m_sidebar->setOnLeft(false);
    m_expenseButton = new SidebarButton(tr("Expense"));
    m_incomeButton = new SidebarButton(tr("Income"));
    m_incomeButton->setIsIncome(true);
    m_sidebar->addButton(m_expenseButton);
    m_sidebar->addButton(m_incomeButton);
    connect(m_expenseButton, &SidebarButton::clicked, this, [this] { switchToExpense(); });
    connect(m_incomeButton, &SidebarButton::clicked, this, [this] { switchToIncome(); });

    m_breadcrumbPath = new BreadcrumbPath;
    m_breadcrumbPath->setFixedHeight(28);
    connect(m_breadcrumbPath, &BreadcrumbPath::crumbClicked, this,
            [this](std::size_t index, const Breadcrumb&) { clickedCrumb(index); });
    auto* topBorder = new QWidget;
    topBorder->setFixedHeight(1);
    topBorder->setStyleSheet(QStringLiteral("background: #B3B3B3;"));

    m_breakdownView = new BreakdownView;
    connect(m_breakdownView, &BreakdownView::keyClicked, this,
            [this](const BreakdownKey& key) { clickedKey(key); });
    m_scrollView = new QScrollArea;
    m_scrollView->setFrameShape(QFrame::NoFrame);
    m_scrollView->setWidgetResizable(true);
    m_scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollView->setWidget(m_breakdownView);
    QPalette white = m_scrollView->viewport()->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_scrollView->viewport()->setPalette(white);
    m_scrollView->viewport()->setAutoFillBackground(true);
    m_noExpenseView = makePlaceholder(tr("There is no spending in this period."));
    m_noIncomeView = makePlaceholder(tr("There is no income in this period."));
    m_content = new QStackedWidget;
    for (QWidget* page :
         {static_cast<QWidget*>(m_scrollView), static_cast<QWidget*>(m_noExpenseView),
          static_cast<QWidget*>(m_noIncomeView)}) {
        m_content->addWidget(page);
    }

    auto* main = new QVBoxLayout;
    main->setSpacing(0);
    main->addWidget(m_breadcrumbPath);
    main->addWidget(topBorder);
    main->addWidget(m_content, 1);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addLayout(main, 1);
    body->addWidget(m_sidebar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    layout->addLayout(body, 1);
    setTabOrder(m_periodsButton, m_expenseButton);
    setTabOrder(m_expenseButton, m_incomeButton);
}

void BreakdownController::setup() {
    populatePeriodsMenu();
    showFixedPeriod(FixedPeriod::ThisMonth);
}

void BreakdownController::updateView() {
    populatePeriodsMenu();
    showCurrentLevel();
}

void BreakdownController::populatePeriodsMenu() {
    m_periodsMenu->clear();
    for (FixedPeriod period :
         {FixedPeriod::ThisMonth, FixedPeriod::ThisYear, FixedPeriod::Last12Months}) {
        m_periodsMenu->addAction(fixedPeriodTitle(period), this,
                                 [this, period] { showFixedPeriod(period); });
    }
    m_periodsMenu->addSeparator();
    for (const auto& year :
         BreakdownPeriods::menuYears(TransactionReports::reportDateRange(m_context))) {
        QMenu* submenu = m_periodsMenu->addMenu(
            QString::fromStdString(BreakdownPeriods::yearEntryTitle(year.year)));
        const int number = year.year;
        submenu->addAction(tr(BreakdownPeriods::kEntireYearTitle), this,
                           [this, number] { showPeriod(BreakdownPeriods::yearPeriod(number)); });
        submenu->addSeparator();
        for (const Date monthEnd : year.monthsNewestFirst) {
            submenu->addAction(
                QString::fromStdString(BreakdownPeriods::monthEntryTitle(monthEnd)), this,
                [this, monthEnd] { showPeriod(BreakdownPeriods::monthPeriod(monthEnd)); });
        }
    }
}

void BreakdownController::showFixedPeriod(FixedPeriod period) {
    showPeriod(fixedPeriod(period));
}

void BreakdownController::showPeriod(const BreakdownPeriods::Period& period) {
    m_report->setPeriod(period);
    m_periodsButton->setText(QString::fromStdString(period.buttonTitle));
    showCurrentLevel();
}

void BreakdownController::switchToExpense() {
    m_report->switchToExpense();
    showCurrentLevel();
}

void BreakdownController::switchToIncome() {
    m_report->switchToIncome();
    showCurrentLevel();
}

void BreakdownController::clickedKey(const BreakdownKey& key) {
    m_report->clickedKey(key);
    showCurrentLevel();
}

void BreakdownController::clickedCrumb(std::size_t index) {
    m_report->clickedCrumb(index);
    showCurrentLevel();
}

void BreakdownController::didCloseEditPanel(Transaction* /*transaction*/) {
    if (m_transactionList == nullptr || currentContent() != m_transactionList->widget()) {
        return;
    }
    m_report->dropDeletedLevels();
    BreakdownReport::Page page = m_report->page();
    showTotals(page.totals);
    if (page.showsTransactions) {
        m_transactionList->reloadTransactions(page.transactions);
    } else {
        showCrumbs();
        showRows(page);
    }
}

RegisterCommands* BreakdownController::shownListCommands() const {
    if (m_transactionList == nullptr || currentContent() != m_transactionList->widget()) {
        return nullptr;
    }
    return &m_transactionList->commands();
}

bool BreakdownController::commitEditing() {
    return m_transactionList == nullptr || m_transactionList->commitEditing();
}

QWidget* BreakdownController::currentContent() const {
    QWidget* page = m_content->currentWidget();
    return page == m_scrollView ? m_breakdownView : page;
}

void BreakdownController::showCurrentLevel() {
    emit storeSaveRequested();
    m_report->dropDeletedLevels();
    BreakdownReport::Page page = m_report->page();
    showTotals(page.totals);
    showCrumbs();
    m_sidebar->selectButton(m_report->showingExpense() ? m_expenseButton : m_incomeButton);
    if (page.showsTransactions) {
        showTransactions(page);
    } else {
        showRows(page);
    }
}

void BreakdownController::showTotals(const BreakdownTotals& totals) {
    m_sidebar->setCurrencyCode(Global::sharedInstanceInContext(m_context)->homeCurrency());
    m_expenseButton->setAmount(totals.expense);
    m_incomeButton->setAmount(totals.income);
    m_sidebar->setOverallSavings(totals.overallSavings);
    m_sidebar->setFixedWidth(m_sidebar->idealWidth());
}

void BreakdownController::showCrumbs() {
    m_breadcrumbPath->clearCrumbs();
    for (const BreakdownReport::Level& level : m_report->levels()) {
        // The side's root crumb is one of the program's titles; the others are names.
        const bool root = level.kind == BreakdownReport::Level::Kind::AllCategories;
        m_breadcrumbPath->addBreadcrumb(
            root ? tr(level.title.c_str()) : QString::fromStdString(level.title), QVariant());
    }
}

void BreakdownController::showRows(BreakdownReport::Page& page) {
    if (page.rows.empty()) {
        m_content->setCurrentWidget(m_report->showingExpense() ? m_noExpenseView : m_noIncomeView);
        return;
    }
    m_breakdownView->setRows(std::move(page.rows), page.maxAmount);
    m_content->setCurrentWidget(m_scrollView);
}

void BreakdownController::showTransactions(const BreakdownReport::Page& page) {
    if (m_transactionList == nullptr) {
        PN_ASSERT(m_makeTransactionList, "The breakdown has no transaction list to show");
        m_transactionList = m_makeTransactionList(
            [this](Transaction* transaction) { didCloseEditPanel(transaction); });
        m_content->addWidget(m_transactionList->widget());
    }
    m_transactionList->showTransactions(page.transactions);
    m_content->setCurrentWidget(m_transactionList->widget());
}

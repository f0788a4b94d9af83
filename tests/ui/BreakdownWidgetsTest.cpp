#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "../reports/ReportTestStore.h"
#include "FakeTransactionList.h"
#include "ReportStores.h"
#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ui/breakdown/BreakdownController.h"
#include "ui/breakdown/BreakdownView.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/PlaceholderView.h"
#include "ui/common/Sidebar.h"
#include "ui/common/SidebarButton.h"
#include "ui/register/RegisterModel.h"
#include "ui/register/RegisterTransactionList.h"
#include "ui/register/TransactionsTableController.h"

namespace {

using S = ReportTestStore;

// March 2012 (today the 15th): Home (Rent 300, Power 150, Water 0), Food 75 and two
// uncategorized splits of one transaction; income 1000 from Salary. February: only Salary.
class BreakdownWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        Clock::setFixedToday(S::day(2012, 3, 15));
        Account* checking = m_store.account("Checking");
        CategoryGroup* home = m_store.group("Home");
        m_home = home;
        m_rent = m_store.category("Rent", home);
        m_power = m_store.category("Power", home);
        m_water = m_store.category("Water", home);
        m_food = m_store.category("Food");
        Category* salary = m_store.category("Salary");
        m_rentPaid = m_store.add(checking, S::day(2012, 3, 1), "-300", m_rent);
        m_store.add(checking, S::day(2012, 3, 2), "-150", m_power);
        m_store.add(checking, S::day(2012, 3, 3), "-20", m_water);
        m_store.add(checking, S::day(2012, 3, 4), "20", m_water);
        m_store.add(checking, S::day(2012, 3, 5), "-75", m_food);
        m_uncategorized =
            m_store.addSplits(checking, S::day(2012, 3, 6), {{"-10", nullptr}, {"-15", nullptr}});
        m_store.add(checking, S::day(2012, 3, 7), "1000", salary);
        m_store.add(checking, S::day(2011, 11, 7), "900", salary);
        m_controller = std::make_unique<BreakdownController>(m_store.context(), m_lists.factory());
        QObject::connect(m_controller.get(), &BreakdownController::storeSaveRequested,
                         m_controller.get(), [this] { ++m_saves; });
        m_controller->resize(760, 480);
        m_controller->show();
        m_controller->setup();
    }
    void TearDown() override {
        m_controller.reset();
        Clock::reset();
        UserLocale::reset();
    }
    std::string crumbs() const {
        std::string text;
        for (const Breadcrumb& crumb : m_controller->breadcrumbPath().crumbs()) {
            text += (text.empty() ? "" : " > ") + crumb.name.toStdString();
        }
        return text;
    }
    std::string rows() const {
        std::string text;
        for (const auto& row : m_controller->breakdownView().rows()) {
            text += row.title + " " + row.amountText + "; ";
        }
        return text;
    }
    static void release(QWidget& widget, const QPointF& at) {
        QMouseEvent event(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    // Clicks the name of the row titled `title`.
    void clickRow(const std::string& title) {
        BreakdownView& view = m_controller->breakdownView();
        for (std::size_t i = 0; i < view.rows().size(); ++i) {
            if (view.rows()[i].title == title) {
                release(view, view.nameRect(i).center());
                return;
            }
        }
        ADD_FAILURE() << "no row " << title;
    }
    void clickCrumb(std::size_t index) {
        BreadcrumbPath& path = m_controller->breadcrumbPath();
        const QPointF at = path.linkRect(index).value().center();
        QMouseEvent move(QEvent::MouseMove, at, path.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&path, &move);
        release(path, at);
    }

    S m_store;
    FakeTransactionLists m_lists;
    std::unique_ptr<BreakdownController> m_controller;
    CategoryGroup* m_home = nullptr;
    Category* m_rent = nullptr;
    Category* m_power = nullptr;
    Category* m_water = nullptr;
    Category* m_food = nullptr;
    Transaction* m_rentPaid = nullptr;
    Transaction* m_uncategorized = nullptr;
    int m_saves = 0;
};

TEST_F(BreakdownWidgets, OpensOnThisMonthsExpensesLargestFirstWithBarsToScale) {
    EXPECT_EQ(m_controller->periodsButton().text(), "This Month");
    EXPECT_EQ(crumbs(), "Expense");
    EXPECT_EQ(m_controller->sidebar().selectedButton(), &m_controller->expenseButton());
    EXPECT_EQ(m_controller->expenseButton().figures().subtitle, "$550.00");
    EXPECT_EQ(m_controller->incomeButton().figures().subtitle, "$1,000.00");
    EXPECT_EQ(m_controller->sidebar().savingsText(), "Savings: $450.00");
    EXPECT_EQ(rows(), "Home $450.00; Food $75.00; Uncategorized $25.00; Total $550.00; ");
    EXPECT_GT(m_saves, 0);

    // Into the group: 300, 150 and 0 give a full bar, half of it and none.
    clickRow("Home");
    EXPECT_EQ(crumbs(), "Expense > Home");
    EXPECT_EQ(rows(), "Rent $300.00; Power $150.00; Water $0.00; Total $450.00; ");
    BreakdownView& view = m_controller->breakdownView();
    const qreal barArea = view.width() - view.barRect(0)->left();
    EXPECT_DOUBLE_EQ(view.barRect(0)->width(), barArea - 28);
    EXPECT_DOUBLE_EQ(view.barRect(1)->width(), (barArea - 28) / 2);
    EXPECT_FALSE(view.barRect(2).has_value());
    EXPECT_FALSE(view.barRect(3).has_value()) << "the total has no bar";
    EXPECT_FALSE(view.separatorY(3).has_value());
    EXPECT_EQ(view.height(), 13 + 31 * 4);
    // Names, amounts and bars share each row's line; amounts end where the lines end.
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(view.nameRect(i).top(), view.amountRect(i).top());
        EXPECT_LT(view.amountRect(i).right(), view.barRect(0)->left());
        EXPECT_LT(view.nameRect(i).bottom(), *view.separatorY(i));
        EXPECT_LT(*view.separatorY(i), view.nameRect(i + 1).top());
    }
    EXPECT_EQ(m_controller->expenseButton().figures().subtitle, "$550.00");
}

TEST_F(BreakdownWidgets, DrillsDownToTheTransactionsAndBackThroughEveryCrumb) {
    clickRow("Home");
    BreakdownView& view = m_controller->breakdownView();
    release(view, view.barRect(0)->center());  // the bar of Rent
    EXPECT_EQ(crumbs(), "Expense > Home > Rent");
    ASSERT_EQ(m_lists.made.size(), 1u);
    FakeTransactionList& list = *m_lists.made[0];
    EXPECT_EQ(m_controller->currentContent(), list.widget());
    EXPECT_EQ(m_controller->shownListCommands(), &list.commands()) << "the menus act on its rows";
    EXPECT_EQ(list.shown, std::vector<Transaction*>{m_rentPaid});
    EXPECT_FALSE(m_controller->breadcrumbPath().linkRect(2).has_value());

    clickCrumb(1);
    EXPECT_EQ(crumbs(), "Expense > Home");
    EXPECT_EQ(m_controller->currentContent(), &view);
    EXPECT_EQ(m_controller->shownListCommands(), nullptr) << "no hidden rows to act on";
    EXPECT_EQ(rows(), "Rent $300.00; Power $150.00; Water $0.00; Total $450.00; ");
    clickCrumb(0);
    EXPECT_EQ(crumbs(), "Expense");
    EXPECT_EQ(rows(), "Home $450.00; Food $75.00; Uncategorized $25.00; Total $550.00; ");

    clickRow("Uncategorized");
    EXPECT_EQ(crumbs(), "Expense > Uncategorized");
    EXPECT_EQ(list.shown, std::vector<Transaction*>{m_uncategorized});
    EXPECT_EQ(m_lists.made.size(), 1u) << "the list is made once";
    clickCrumb(0);
    clickRow("Food");
    EXPECT_EQ(crumbs(), "Expense > Food");
}

TEST_F(BreakdownWidgets, AnEditInTheDrillDownListReloadsItAndTheTotals) {
    clickRow("Home");
    clickRow("Rent");
    FakeTransactionList& list = *m_lists.made.at(0);
    // The user moves the rent to Food in the list's editor and closes it.
    (*m_rentPaid->splits().begin())->setCategory(m_food);
    list.closeEditor(m_rentPaid);
    EXPECT_EQ(list.reloaded, std::vector<Transaction*>{});
    EXPECT_EQ(crumbs(), "Expense > Home > Rent");
    EXPECT_EQ(m_controller->expenseButton().figures().subtitle, "$550.00");
    m_rentPaid->setAmount(S::dec("-400"));
    list.closeEditor(m_rentPaid);
    EXPECT_EQ(m_controller->expenseButton().figures().subtitle, "$650.00");
    clickCrumb(0);
    EXPECT_EQ(rows(), "Food $475.00; Home $150.00; Uncategorized $25.00; Total $650.00; ");
    // Closing an editor while the bars show changes nothing.
    list.closeEditor(m_rentPaid);
    EXPECT_EQ(crumbs(), "Expense");
}

TEST_F(BreakdownWidgets, PeriodsMenuListsTheFixedSpansAndEachYearWithData) {
    QMenu& menu = m_controller->periodsMenu();
    QStringList titles;
    for (QAction* action : menu.actions()) {
        titles << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(titles.join(", "), "This Month, This Year, Last 12 Months, -, 2012, 2011");
    QMenu* year2011 = menu.actions().at(5)->menu();
    ASSERT_NE(year2011, nullptr);
    QStringList months;
    for (QAction* action : year2011->actions()) {
        months << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(months.join(", "), "Entire Year, -, December, November");
    m_controller->setup();
    EXPECT_EQ(menu.actions().size(), 6) << "set-up refills, never appends";

    // Another period while the income side shows goes back to the expense side.
    m_controller->switchToIncome();
    EXPECT_EQ(crumbs(), "Income");
    year2011->actions().at(3)->trigger();  // November
    EXPECT_EQ(m_controller->periodsButton().text(), "November, 2011");
    EXPECT_EQ(crumbs(), "Expense");
    EXPECT_EQ(m_controller->sidebar().selectedButton(), &m_controller->expenseButton());
    // A month without spending shows its placeholder; its income still shows.
    EXPECT_EQ(m_controller->currentContent(), &m_controller->noExpenseView());
    EXPECT_EQ(m_controller->incomeButton().figures().subtitle, "$900.00");
    m_controller->switchToIncome();
    EXPECT_EQ(rows(), "Salary $900.00; Total $900.00; ");
    year2011->actions().at(0)->trigger();  // Entire Year
    EXPECT_EQ(m_controller->periodsButton().text(), "Year 2011");
}

TEST_F(BreakdownWidgets, AnUndoneGroupDropsItsLevelOnUpdate) {
    clickRow("Home");
    clickRow("Power");
    m_store.context().deleteObject(*m_power);
    m_controller->updateView();
    EXPECT_EQ(crumbs(), "Expense > Home");
    m_store.context().deleteObject(*m_home);
    m_controller->updateView();
    EXPECT_EQ(crumbs(), "Expense");
}

// The register lists a figure's transactions newest first, a transaction with several splits
// in the figure once.
TEST_F(BreakdownWidgets, TheRegisterListsEachTransactionOnceNewestFirst) {
    Account* euros = m_store.account("Euro Savings", m_store.currency("EUR", "1.25"));
    Transaction* market =
        m_store.addSplits(euros, S::day(2012, 3, 2), {{"-12.5", m_food}, {"-7.5", nullptr}});
    market->setTitle("Market");
    ReportRegisterLists lists(m_store.context());
    BreakdownController controller(m_store.context(), lists.factory());
    controller.resize(760, 480);
    controller.setup();
    auto click = [&](const std::string& title) {
        for (const auto& row : controller.breakdownView().rows()) {
            if (row.title == title) {
                controller.clickedKey(*row.key);
                return;
            }
        }
        FAIL() << "no row " << title;
    };
    click("Food");
    auto* list = dynamic_cast<RegisterTransactionList*>(controller.transactionList());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(controller.currentContent(), list->widget());
    const RegisterModel& model = list->tableController().model();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.transactionAt(0)->amount(), Decimal::fromString("-75"));
    EXPECT_EQ(model.transactionAt(1), market);

    // Back up and into "Uncategorized": the two-split transaction and the market's split.
    controller.clickedCrumb(0);
    click("Uncategorized");
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.transactionAt(0), m_uncategorized);
    EXPECT_EQ(model.transactionAt(1), market);
}

TEST_F(BreakdownWidgets, AnEmptyStoreShowsBothPlaceholders) {
    ReportTestStore empty;
    FakeTransactionLists lists;
    BreakdownController controller(empty.context(), lists.factory());
    controller.resize(600, 400);
    controller.setup();
    EXPECT_EQ(controller.currentContent(), &controller.noExpenseView());
    controller.switchToIncome();
    EXPECT_EQ(controller.currentContent(), &controller.noIncomeView());
    EXPECT_EQ(controller.sidebar().savingsText(), "Savings: $0.00");
    EXPECT_EQ(controller.periodsMenu().actions().size(), 5);
}

}  // namespace

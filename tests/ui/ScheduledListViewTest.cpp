// The scheduled list as a person uses it: its rows, the red due dates, the pay and deposit
// buttons, and deleting and skipping with the list sorted again.
#include <QAbstractItemModelTester>
#include <QAction>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "ScheduledUiFixture.h"
#include "ledger/Account.h"
#include "scheduled/ScheduledItem.h"
#include "ui/scheduled/PayController.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/scheduled/ScheduledListDelegate.h"
#include "ui/scheduled/ScheduledListModel.h"
#include "ui/scheduled/ScheduledListView.h"

namespace {

using Model = ScheduledListModel;

class ScheduledListViewTest : public ScheduledUiFixture {
protected:
    QString cell(int row, int column) {
        return list().model().index(row, column).data().toString();
    }
    QVariant role(int row, int column, int which) {
        return list().model().index(row, column).data(which);
    }
    void selectRows(std::initializer_list<int> rows) {
        QTableView* table = list().listView().table();
        table->clearSelection();
        for (int row : rows) {
            table->selectionModel()->select(
                list().model().index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
};

TEST_F(ScheduledListViewTest, RowsAreSortedWithRedDueDatesAndADepositButton) {
    addItem("Water", ymd(2026, 3, 23), "-40");
    addItem("Rent", ymd(2026, 3, 10), "-1150");
    ScheduledItem* payroll = addItem("Payroll", ymd(2026, 3, 22), "1925.4", "Week");
    ScheduledItem* power = addItem("Power", ymd(2026, 3, 18), "-85", nullptr);
    power->setReminderDays(5);
    power->setHasReminded(true);
    ScheduledItem* savings = addItem("Savings", ymd(2026, 3, 16), "-300");
    savings->setToAccount(m_reserve);
    QAbstractItemModelTester tester(&list().model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);

    EXPECT_EQ(listedTitles(), QStringList({"Rent", "Savings", "Power", "Payroll", "Water"}));
    struct Expected {
        const char* due;
        bool red;
        const char* amount;
        const char* color;
        const char* button;
        bool repeats, transfer;
    } const rows[] = {
        {"5 days ago", true, "-$1,150.00", "212121", "Pay", true, false},
        {"Tomorrow", false, "-$300.00", "212121", "Pay", true, true},
        {"In 3 days", true, "-$85.00", "212121", "Pay", false, false},
        {"In 7 days", false, "$1,925.40", "237F00", "Deposit", true, false},
        {"Mar 23", false, "-$40.00", "212121", "Pay", true, false},
    };
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        const Expected& e = rows[row];
        EXPECT_EQ(cell(row, Model::DueDateColumn), e.due);
        EXPECT_EQ(role(row, Model::DueDateColumn, Model::DueRole).toBool(), e.red);
        EXPECT_EQ(cell(row, Model::AmountColumn), e.amount);
        EXPECT_EQ(role(row, Model::AmountColumn, Qt::ForegroundRole).value<QColor>(),
                  QColor(QStringLiteral("#") + e.color));
        EXPECT_EQ(cell(row, Model::ActionColumn), e.button);
        EXPECT_EQ(role(row, Model::TitleColumn, Model::RepeatsRole).toBool(), e.repeats);
        EXPECT_EQ(role(row, Model::TitleColumn, Model::TransferRole).toBool(), e.transfer);
    }
    QTableView* table = list().listView().table();
    EXPECT_EQ(table->rowHeight(0), ScheduledListDelegate::kFirstRowHeight);
    EXPECT_EQ(table->rowHeight(1), ScheduledListDelegate::kRowHeight);

    // A click on the deposit's button opens the pay sheet for that item; the row is selected.
    list().view()->resize(640, 400);
    list().view()->show();
    const QRect cell = table->visualRect(list().model().index(3, Model::ActionColumn));
    const QPoint button = ScheduledListDelegate::buttonRect(cell, 3).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, button);
    ASSERT_NE(list().payController(), nullptr);
    EXPECT_TRUE(list().payController()->isVisible());
    EXPECT_EQ(list().payController()->item(), payroll);
    list().payController()->cancel();
    EXPECT_EQ(list().selectedItems(), std::vector<ScheduledItem*>{payroll});
    // "Scheduled" selected again while the list is up keeps the selection; selected anew
    // (the list was hidden) it starts with none.
    list().showItem(SourceListItem::fixed(SourceListItem::Kind::Scheduled));
    EXPECT_EQ(list().selectedItems(), std::vector<ScheduledItem*>{payroll});
    list().view()->hide();
    list().showItem(SourceListItem::fixed(SourceListItem::Kind::Scheduled));
    EXPECT_TRUE(list().selectedItems().empty());
    list().view()->show();
    // A click beside the button selects its row and pays nothing.
    QTest::mouseClick(
        table->viewport(), Qt::LeftButton, {},
        table->visualRect(list().model().index(0, Model::ActionColumn)).topLeft() + QPoint(2, 20));
    EXPECT_FALSE(list().payController()->isVisible());
    EXPECT_EQ(list().selectedItems().size(), 1u);
}

TEST_F(ScheduledListViewTest, SkippingSortsAgainAndKeepsTheItemSelected) {
    ScheduledItem* rent = addItem("Rent", ymd(2026, 3, 10), "-1150");
    addItem("Water", ymd(2026, 3, 23), "-40");
    ScheduledItem* once = addItem("Concert", ymd(2026, 3, 20), "-60", nullptr);
    QSignalSpy badge(&list(), &ScheduledController::scheduledItemsChanged);
    EXPECT_EQ(listedTitles(), QStringList({"Rent", "Concert", "Water"}));

    selectRows({0});
    list().validateActions();
    ASSERT_TRUE(list().skipAction()->isEnabled());
    list().skipAction()->trigger();
    EXPECT_EQ(rent->nextDueDate(), ymd(2026, 4, 10));
    EXPECT_EQ(listedTitles(), QStringList({"Concert", "Water", "Rent"}));
    EXPECT_EQ(list().selectedItems(), std::vector<ScheduledItem*>{rent});
    EXPECT_EQ(role(2, Model::DueDateColumn, Model::DueRole).toBool(), false);
    EXPECT_GE(badge.count(), 1);
    EXPECT_FALSE(m_context.hasChanges());

    // Skipping a one-time item ends it.
    selectRows({0});
    list().skip();
    EXPECT_TRUE(once->isDeleted());
    EXPECT_EQ(listedTitles(), QStringList({"Water", "Rent"}));
}

TEST_F(ScheduledListViewTest, DeletingAsksAndCountsTheSelection) {
    addItem("Rent", ymd(2026, 3, 10), "-1150");
    addItem("Water", ymd(2026, 3, 23), "-40");
    addItem("Power", ymd(2026, 3, 18), "-85");
    addItem("Phone", ymd(2026, 3, 19), "-35");
    ASSERT_FALSE(m_context.save());

    selectRows({0, 1, 3});
    list().validateActions();
    EXPECT_TRUE(list().deleteAction()->isEnabled());
    EXPECT_FALSE(list().editAction()->isEnabled());
    EXPECT_FALSE(list().skipAction()->isEnabled());
    m_alerts.answers = {{1, false}};  // Cancel
    list().deleteSelected();
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message,
              "Are you sure you want to delete the selected 3 scheduled transactions?");
    EXPECT_EQ(m_alerts.shown[0].buttons, QStringList({"Delete", "Cancel"}));
    EXPECT_EQ(listedTitles().size(), 4);

    list().deleteAction()->trigger();  // answered "Delete"
    EXPECT_EQ(m_alerts.shown.back().message,
              "Are you sure you want to delete the selected 3 scheduled transactions?");
    EXPECT_EQ(listedTitles(), QStringList({"Phone"}));
    EXPECT_FALSE(m_context.hasChanges());

    selectRows({0});
    list().deleteSelected();
    EXPECT_EQ(m_alerts.shown.back().message,
              "Are you sure you want to delete the scheduled transaction \"Phone\"?");
    EXPECT_TRUE(list().listView().isShowingWelcome());

    // Nothing selected: the command is off and does nothing.
    list().validateActions();
    EXPECT_FALSE(list().deleteAction()->isEnabled());
    const std::size_t alerts = m_alerts.shown.size();
    list().deleteAction()->trigger();
    EXPECT_EQ(m_alerts.shown.size(), alerts);
}

}  // namespace

// Renders the budget view, its sheets and the summary page of the shipped sample to
// build/screenshots/ for a person to look at ("@2x" under QT_SCALE_FACTOR=2).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>

#include "FakeTransactionList.h"
#include "ReportStores.h"
#include "SheetTestSupport.h"
#include "ShellFixture.h"
#include "base/Clock.h"
#include "budgets/Budget.h"
#include "store/ObjectContext.h"
#include "ui/budgets/BudgetController.h"
#include "ui/budgets/BudgetOutlineModel.h"
#include "ui/budgets/BudgetOutlineView.h"
#include "ui/budgets/NewBudgetController.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"

namespace {

void save(QWidget& widget, const QString& name) {
    saveSheetScreenshot(widget, name);
}

// Shoots the next modal dialog, then cancels it.
void shootNextDialog(const QString& name) {
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        save(*dialog, name);
        dialog->done(0);
    });
}

// The category row that spent the most so far, its group expanded.
QModelIndex largestSpending(BudgetOutlineView& view, BudgetOutlineModel& model) {
    QModelIndex largest;
    Decimal most;
    const auto consider = [&](const QModelIndex& index) {
        const auto* row = index.data(BudgetOutlineModel::TrackRowRole).value<const TrackRow*>();
        if (row->type == TrackRow::Type::Category && row->actual.negate_pn() > most) {
            most = row->actual.negate_pn();
            largest = index;
        }
    };
    for (int top = 0; top < model.rowCount(); ++top) {
        const QModelIndex index = model.index(top, 0);
        consider(index);
        for (int child = 0; child < model.rowCount(index); ++child) {
            consider(model.index(child, 0, index));
        }
    }
    if (largest.parent().isValid()) {
        view.expand(largest.parent());
    }
    return largest;
}

class BudgetScreenshots : public ShellFixture {};

TEST_F(BudgetScreenshots, SampleBudget) {
    QTemporaryDir folder;
    std::unique_ptr<StoreSession> session = ReportStores::openSample(folder.path());
    ObjectContext& context = session->context();
    const std::vector<Budget*> budgets = Budget::allInContext(context);
    ASSERT_EQ(budgets.size(), 1U);
    FakeTransactionLists lists;
    BudgetController controller(context, m_alerts, lists.factory());
    controller.resize(820, 520);
    controller.show();
    QApplication::setActiveWindow(&controller);
    controller.setBudget(budgets.front());
    controller.setup();
    save(controller, "budget-sample-expense");

    BudgetOutlineView& view = controller.outlineView();
    // A limit set below what was spent already.
    const QModelIndex hovered = largestSpending(view, controller.outlineModel());
    ASSERT_TRUE(hovered.isValid());
    const auto* spent = hovered.data(BudgetOutlineModel::TrackRowRole).value<const TrackRow*>();
    LimitSheetFields tight;
    tight.fieldValue = (spent->actual.negate_pn() / Decimal(2)).rounded(0);
    controller.saveLimit(hovered, tight, "Trying to cut down");
    const QPointF button = BudgetBarCell::buttonRectForFrame(view.barCellFrame(hovered)).center();
    QMouseEvent move(QEvent::MouseMove, button, view.viewport()->mapToGlobal(button), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    save(controller, "budget-sample-hovered-over-limit");

    shootNextDialog("budget-limit-sheet");
    controller.showEditSheetForLimit(hovered);

    controller.zoomClickedForRow(hovered);
    save(controller, "budget-sample-transactions");
    controller.clickedCrumb(controller.breadcrumbPath().crumbs().front());

    controller.switchToIncome();
    save(controller, "budget-sample-income");
    controller.switchToSummary();
    save(controller, "budget-sample-summary-running");

    Clock::setFixedToday(budgets.front()->endDate().daysLater_PN(1));
    controller.switchToSummary();
    controller.setup(true);
    save(controller, "budget-sample-summary-ended");
    controller.switchToExpense();
    save(controller, "budget-sample-expense-ended");

    NewBudgetController newBudget(context, m_alerts, *m_defaults, &controller);
    shootNextDialog("budget-new-budget-sheet");
    EXPECT_EQ(newBudget.addBudget(&controller), nullptr);
}

}  // namespace

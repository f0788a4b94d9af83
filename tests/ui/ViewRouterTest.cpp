#include <gtest/gtest.h>

#include <QVBoxLayout>
#include <QWidget>

#include "UiTestApplication.h"
#include "base/AssertionFailure.h"
#include "ui/common/MainWindowHost.h"
#include "ui/shell/TransactionsView.h"
#include "ui/shell/ViewRouter.h"

namespace {

// A view that counts how the router drives it.
class CountingController final : public ContentViewController {
public:
    explicit CountingController(int& alive) : m_alive(alive) { ++m_alive; }
    ~CountingController() override {
        --m_alive;
        delete m_view;
    }
    QWidget* view() override { return m_view; }
    void showItem(const SourceListItem& item) override { shown.push_back(item.kind()); }
    void refresh() override {}
    bool commitEditing() override { return commits; }

    std::vector<SourceListItem::Kind> shown;
    bool commits = true;

private:
    int& m_alive;
    QWidget* m_view = new QWidget;
};

// The router hands the host to factories only.
class NoHost final : public MainWindowHost {
public:
    ObjectContext& context() override { PN_ASSERTION_FAILURE("no store"); }
    Node& accountsRoot() override { PN_ASSERTION_FAILURE("no store"); }
    QWidget& window() override { return m_window; }
    Alerts& alerts() override { PN_ASSERTION_FAILURE("no alerts"); }
    UserDefaults& defaults() override { PN_ASSERTION_FAILURE("no defaults"); }
    bool save() override { return true; }
    void updateAllViews() override {}
    void reloadSourceList() override {}
    void selectSourceListItem(const SourceListItem&) override {}
    void setStatusMessage(const QString&) override {}
    void showPreferences() override {}
    void editCategories() override {}
    void revealScheduledItem(ScheduledItem&) override {}

private:
    QWidget m_window;
};

TEST(ViewRouterTest, MakesEachControllerOnFirstUseShowsOneViewAndDropsThemOnReset) {
    ensureUiTestApplication();
    QWidget area;
    auto* layout = new QVBoxLayout(&area);
    TransactionsView transactions;
    NoHost host;
    ViewRouter router(*layout, transactions, host);
    int alive = 0;
    int made = 0;
    for (ContentView view : {ContentView::Register, ContentView::TrendsChart}) {
        router.setFactory(view, [&](MainWindowHost&) {
            ++made;
            return std::make_unique<CountingController>(alive);
        });
    }
    const auto all = SourceListItem::fixed(SourceListItem::Kind::AllAccounts);
    const auto trends = SourceListItem::fixed(SourceListItem::Kind::TrendsChart);
    EXPECT_EQ(router.existingController(ContentView::TrendsChart), nullptr);

    router.show(ContentView::Register, all);
    // The register sits below the toolbar strip; the strip is the content.
    EXPECT_EQ(router.contentWidget(), &transactions);
    EXPECT_EQ(transactions.registerView(), router.controller(ContentView::Register).view());
    router.show(ContentView::TrendsChart, trends);
    router.show(ContentView::Register, all);
    router.show(ContentView::TrendsChart, trends);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(layout->count(), 1);
    EXPECT_EQ(router.currentView(), ContentView::TrendsChart);
    auto& chart = dynamic_cast<CountingController&>(*router.currentController());
    EXPECT_EQ(router.contentWidget(), chart.view());
    EXPECT_EQ(chart.shown.size(), 2u);

    chart.commits = false;
    EXPECT_FALSE(router.commitEditing());
    router.reset();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(router.contentWidget(), nullptr);
    EXPECT_EQ(router.currentController(), nullptr);
    router.show(ContentView::TrendsChart, trends);
    EXPECT_EQ(made, 3);
    EXPECT_THROW(router.controller(ContentView::BudgetView), AssertionFailure);
}

}  // namespace

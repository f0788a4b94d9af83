#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include "UiTestApplication.h"
#include "base/AssertionFailure.h"
#include "base/UserLocale.h"
#include "ui/common/BreadcrumbPath.h"
#include "ui/common/Images.h"
#include "ui/common/Sidebar.h"
#include "ui/common/SidebarButton.h"

namespace {

class ChromeWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
    }
    void TearDown() override { UserLocale::reset(); }
};

void sendMouse(QWidget& widget, QEvent::Type type, const QPointF& at) {
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// How many pixels of `image` inside `area` are close to `color`.
int pixelsNear(const QImage& image, const QRect& area, const QColor& color) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) < 40 &&
                std::abs(pixel.green() - color.green()) < 40 &&
                std::abs(pixel.blue() - color.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(ChromeWidgets, SidebarIsAsWideAsItsWidestButtonOrItsSavingsLine) {
    Sidebar sidebar;
    auto* narrow = new SidebarButton(QStringLiteral("Income"));
    auto* wide = new SidebarButton(QStringLiteral("A much longer side title"));
    sidebar.addButton(narrow);
    sidebar.addButton(wide);
    sidebar.setShowOverallSavings(false);
    ASSERT_GT(wide->idealSize().width(), narrow->idealSize().width());
    EXPECT_EQ(sidebar.idealWidth(), wide->idealSize().width() + 1);
    EXPECT_EQ(wide->idealSize().height(), 54);

    // A loss in the millions is wider than both buttons: the line sets the width.
    sidebar.setOverallSavings(Decimal::fromString("-123456789012.34"));
    sidebar.setShowOverallSavings(true);
    EXPECT_GT(sidebar.idealWidth(), wide->idealSize().width() + 1);
    sidebar.resize(10, 200);
    sidebar.sizeToFit();
    EXPECT_EQ(sidebar.width(), sidebar.idealWidth());
    EXPECT_EQ(wide->geometry(), QRect(0, 54, sidebar.width() - 1, 54));
    sidebar.setOnLeft(false);
    EXPECT_EQ(narrow->geometry(), QRect(1, 0, sidebar.width() - 1, 54));
}

TEST_F(ChromeWidgets, ClickingAButtonSelectsOnlyItBeforeItsActionRuns) {
    Sidebar sidebar;
    auto* expense = new SidebarButton(QStringLiteral("Expense"));
    auto* income = new SidebarButton(QStringLiteral("Income"));
    sidebar.addButton(expense);
    sidebar.addButton(income);
    sidebar.resize(200, 200);
    sidebar.selectButton(expense);
    SidebarButton* selectedInAction = nullptr;
    QObject::connect(income, &SidebarButton::clicked, &sidebar,
                     [&] { selectedInAction = sidebar.selectedButton(); });
    const QPointF centre = QRectF(income->rect()).center();
    sendMouse(*income, QEvent::MouseButtonPress, centre);
    EXPECT_TRUE(expense->isSelected()) << "a press alone changes nothing";
    sendMouse(*income, QEvent::MouseButtonRelease, centre);
    EXPECT_EQ(selectedInAction, income);
    EXPECT_FALSE(expense->isSelected());
    // Clicking the selected button keeps it selected.
    sendMouse(*income, QEvent::MouseButtonPress, centre);
    sendMouse(*income, QEvent::MouseButtonRelease, centre);
    EXPECT_EQ(sidebar.selectedButton(), income);
}

TEST_F(ChromeWidgets, ButtonsShowTheirAmountInTheSidebarCurrency) {
    Sidebar sidebar;
    auto* expense = new SidebarButton(QStringLiteral("Expense"));
    auto* income = new SidebarButton(QStringLiteral("Income"));
    income->setIsIncome(true);
    sidebar.addButton(expense);
    sidebar.addButton(income);
    EXPECT_EQ(expense->arrowName(), "downArrow");
    expense->setShowCents(false);
    expense->setAmount(Decimal::fromString("1234.56"));
    EXPECT_EQ(expense->figures().subtitle, "$1,235");
    EXPECT_EQ(expense->arrowName(), "upArrow");
    sidebar.setCurrencyCode("EUR");
    EXPECT_EQ(expense->figures().subtitle, "\u20ac1,235");
    EXPECT_THROW(income->setAmount(Decimal::fromString("-1")), AssertionFailure);
    for (const char* name : {"downArrow", "upArrow", "redDownArrow", "greenUpArrow",
                             "smallDownArrow", "smallUpArrow", "sidebarHighlight"}) {
        EXPECT_FALSE(Images::image(name, 2.0).isNull()) << name;
    }
}

TEST_F(ChromeWidgets, ALossIsDrawnInRedWithTheDownArrow) {
    Sidebar sidebar;
    sidebar.addButton(new SidebarButton(QStringLiteral("Expense")));
    sidebar.resize(220, 120);
    const QRect line(0, 55, 220, 30);
    sidebar.setOverallSavings(Decimal::fromString("-200"));
    EXPECT_EQ(sidebar.savingsText(), "Loss: $200.00");
    QImage image = sidebar.grab().toImage();
    EXPECT_GT(pixelsNear(image, line, QColor(0xCC, 0, 0)), 20);
    EXPECT_EQ(pixelsNear(image, line, QColor(0x25, 0x8B, 0x19)), 0);
    sidebar.setOverallSavings(Decimal::fromString("200"));
    EXPECT_EQ(sidebar.savingsText(), "Savings: $200.00");
    image = sidebar.grab().toImage();
    EXPECT_EQ(pixelsNear(image, line, QColor(0xCC, 0, 0)), 0);
    EXPECT_GT(pixelsNear(image, line, QColor(0x25, 0x8B, 0x19)), 20);
}

TEST_F(ChromeWidgets, CrumbsBeforeTheLastAreLinksThatCutThePathBack) {
    BreadcrumbPath path;
    path.resize(400, 28);
    path.addBreadcrumb(QStringLiteral("Expense"), QStringLiteral("root"));
    path.addBreadcrumb(QStringLiteral("Home"), 7);
    path.addBreadcrumb(QStringLiteral("Food"), 8);
    const auto& records = path.records();
    ASSERT_EQ(records.size(), 5u);  // three names, two chevrons
    EXPECT_EQ(records[0].topLeft.x(), 19);
    EXPECT_EQ(records[0].color, QColor(QStringLiteral("#234E79")));
    EXPECT_FALSE(records[0].font.bold());
    EXPECT_EQ(records[1].text, QStringLiteral("\u203A"));
    EXPECT_EQ(records[4].text, "Food");
    EXPECT_EQ(records[4].color, QColor(Qt::black));
    EXPECT_TRUE(records[4].font.bold());
    ASSERT_TRUE(path.linkRect(0).has_value());
    ASSERT_TRUE(path.linkRect(1).has_value());
    EXPECT_FALSE(path.linkRect(2).has_value());
    // Texts and chevrons follow each other without overlapping.
    for (std::size_t i = 1; i < records.size(); ++i) {
        EXPECT_GT(records[i].topLeft.x(), records[i - 1].topLeft.x() + 5);
    }

    std::vector<std::size_t> clicked;
    QObject::connect(&path, &BreadcrumbPath::crumbClicked, &path,
                     [&](std::size_t index, const Breadcrumb&) { clicked.push_back(index); });
    const QPointF onHome = path.linkRect(1)->center();
    sendMouse(path, QEvent::MouseMove, onHome);
    EXPECT_EQ(path.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(path.currentCrumb(), 1u);
    sendMouse(path, QEvent::MouseButtonPress, onHome);
    EXPECT_EQ(path.crumbs().size(), 3u) << "a press alone changes nothing";
    sendMouse(path, QEvent::MouseButtonRelease, onHome);
    EXPECT_EQ(clicked, std::vector<std::size_t>{1});
    ASSERT_EQ(path.crumbs().size(), 2u);
    EXPECT_EQ(path.crumbs()[1].representedObject.toInt(), 7);
    // The last crumb is no link.
    sendMouse(path, QEvent::MouseMove, path.records().back().topLeft + QPointF(3, 6));
    EXPECT_NE(path.cursor().shape(), Qt::PointingHandCursor);
    sendMouse(path, QEvent::MouseButtonRelease, path.records().back().topLeft + QPointF(3, 6));
    EXPECT_EQ(clicked.size(), 1u);

    path.resetToRoot();
    EXPECT_EQ(path.crumbs().size(), 1u);
    path.clearCrumbs();
    EXPECT_THROW(path.resetToRoot(), AssertionFailure);
}

TEST_F(ChromeWidgets, PerpendicularRotationsSwapTheSides) {
    const QPixmap arrow = Images::image(QStringLiteral("tooltipArrow"), 1.0);
    ASSERT_EQ(arrow.size(), QSize(14, 8));
    EXPECT_EQ(Images::rotateBy(arrow, 90).size(), QSize(8, 14));
    EXPECT_EQ(Images::rotateBy(arrow, 180).size(), QSize(14, 8));
    EXPECT_EQ(Images::rotateBy(arrow, 270).size(), QSize(8, 14));
    EXPECT_THROW((void)Images::rotateBy(arrow, 45), AssertionFailure);
    // The arrow points down; turned 90 degrees counter-clockwise it points right: its base
    // runs down the left edge and the right edge is empty but for the tip.
    const QImage right = Images::rotateBy(arrow, 90).toImage();
    EXPECT_GT(qAlpha(right.pixel(0, 1)), 100);
    EXPECT_EQ(qAlpha(right.pixel(7, 1)), 0);
    const QImage left = Images::rotateBy(arrow, 270).toImage();
    EXPECT_EQ(qAlpha(left.pixel(0, 1)), 0);
    EXPECT_GT(qAlpha(left.pixel(7, 1)), 100);
}

}  // namespace

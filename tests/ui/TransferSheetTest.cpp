// The transfer sheet driven as a person would. What the fields hold is the core's
// TransferSheetModel; these tests catch a sheet that shows something else, loses what was
// typed, or does not resize with its pane.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <set>
#include <string>

#include "UiTestApplication.h"
#include "WidgetInput.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Currency.h"
#include "ledger/Node.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/PNDatePicker.h"
#include "ui/common/SheetResize.h"
#include "ui/transfer/TransferController.h"
#include "ui/transfer/TransferSheet.h"

namespace {

const Date kToday = Date::dateWithYear_PN(2026, 3, 15);

class TransferSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        Clock::setFixedToday(kToday);
        UserLocale::set("en_US");
        SheetResize::setAnimationsEnabled(false);
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        checking = account("Checking");
        reserve = account("Reserve");
        ASSERT_FALSE(ctx.save());
        window = std::make_unique<QWidget>();
        window->resize(900, 600);
        window->show();
        controller = std::make_unique<TransferController>(
            ctx, *window, [this](const ValidationError&) { ++saveErrors; });
        QObject::connect(controller.get(), &TransferController::transferMade, window.get(),
                         [this](Account* from, Account* to) { made.emplace_back(from, to); });
    }
    void TearDown() override {
        controller.reset();
        window.reset();
        SheetResize::setAnimationsEnabled(true);
        UserLocale::reset();
        Clock::reset();
    }

    Account* account(const std::string& name, Currency* currency = nullptr) {
        Account* a = ctx.insert<Account>();
        a->setName(name);
        a->setCurrency(currency);
        a->moveTo(root, static_cast<std::int64_t>(root->children().size()));
        return a;
    }
    TransferSheet& sheet() { return *controller->sheet(); }
    void typeAmount(const QString& text) {
        AmountField* field = sheet().amountField()->amountField();
        focusWidget(field);
        field->selectAll();
        typeText(text);
    }
    void chooseDestination(const QString& name) {
        QComboBox& popup = *sheet().toAccountPopup();
        const int index = popup.findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        popup.setCurrentIndex(index);
        emit popup.activated(index);
    }
    // "destination, amount text, title (placeholder), category, pane" as the sheet shows them.
    std::string shown() {
        TransferSheet& s = sheet();
        const Category* category = s.categoryField()->categoryValue();
        return s.toAccountPopup()->currentText().toStdString() + ", '" +
               s.amountField()->amountField()->text().toStdString() + "', '" +
               s.titleField()->text().toStdString() + "' (" +
               s.titleField()->placeholderText().toStdString() + "), " +
               (category ? category->name() : "no category") +
               (s.advancedPane()->isHidden() ? "" : ", pane");
    }
    // "title amount" of the account's transactions, in alphabetical order.
    static std::string rows(const Account& a) {
        std::set<std::string> lines;
        for (const Transaction* t : a.transactions()) {
            lines.insert(std::string(t->title().value_or("")) + " " + t->amount().toString(2));
        }
        std::string text;
        for (const std::string& line : lines) {
            text += (text.empty() ? "" : "; ") + line;
        }
        return text;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    Node* root = nullptr;
    Account* checking = nullptr;
    Account* reserve = nullptr;
    std::unique_ptr<QWidget> window;
    std::unique_ptr<TransferController> controller;
    int saveErrors = 0;
    std::vector<std::pair<Account*, Account*>> made;
};

TEST_F(TransferSheetTest, PaneResetsWhenClosedAndSettingsAreRemembered) {
    Category* savings = ctx.insert<Category>();
    savings->setName("Savings");
    controller->showSheet(*checking);
    EXPECT_EQ(shown(), "Reserve, '', '' (To Reserve), Transfer");
    EXPECT_TRUE(sheet().transferButton()->isEnabled());
    QStringList destinations;
    for (int i = 0; i < sheet().toAccountPopup()->count(); ++i) {
        destinations << sheet().toAccountPopup()->itemText(i);
    }
    EXPECT_EQ(destinations, QStringList{"Reserve"});  // not the source itself
    const QRect closed = sheet().geometry();

    sheet().disclosureButton()->click();
    EXPECT_FALSE(sheet().advancedPane()->isHidden());
    EXPECT_TRUE(sheet().disclosureButton()->isChecked());
    EXPECT_EQ(sheet().geometry().top(), closed.top());
    EXPECT_GT(sheet().height(), closed.height());

    // Closing the pane puts back the default category, no title and today.
    sheet().titleField()->setText("Moved by mistake");
    sheet().datePicker()->setDateValue(Date::dateWithYear_PN(2026, 3, 1));
    sheet().categoryField()->setCategoryValue(savings);
    sheet().disclosureButton()->click();
    EXPECT_EQ(shown(), "Reserve, '', '' (To Reserve), Transfer");
    EXPECT_EQ(sheet().datePicker()->dateValue(), kToday);
    EXPECT_EQ(sheet().geometry(), closed);

    sheet().disclosureButton()->click();
    typeAmount("20");
    sheet().titleField()->setText("Monthly saving");
    sheet().categoryField()->setCategoryValue(savings);
    sheet().transferButton()->click();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(rows(*checking), "Monthly saving -20.00");
    EXPECT_EQ(rows(*reserve), "Monthly saving 20.00");
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(made, (std::vector<std::pair<Account*, Account*>>{{checking, reserve}}));

    // The next time the sheet opens on that setting, with the pane open.
    controller->showSheet(*checking);
    EXPECT_EQ(shown(), "Reserve, '20.00', 'Monthly saving' (To Reserve), Savings, pane");
    // A plain transfer afterwards opens closed.
    sheet().disclosureButton()->click();
    sheet().transferButton()->click();
    controller->showSheet(*checking);
    EXPECT_EQ(shown(), "Reserve, '20.00', '' (To Reserve), Transfer");
    EXPECT_EQ(rows(*reserve), "From Checking 20.00; Monthly saving 20.00");
    sheet().cancelButton()->click();
    EXPECT_FALSE(sheet().isVisible());
    EXPECT_EQ(saveErrors, 0);
}

TEST_F(TransferSheetTest, TypedAmountSurvivesAChangeOfDestination) {
    Account* travel = account("Travel");
    Category* trips = ctx.insert<Category>();
    trips->setName("Trips");
    checking->transfer(Decimal(30), *reserve, nullptr, std::nullopt, std::nullopt);
    checking->transfer(Decimal(75), *travel, trips, std::string("Holiday fund"), std::nullopt);
    controller->showSheet(*checking);
    EXPECT_EQ(shown(), "Travel, '75.00', 'Holiday fund' (To Travel), Trips, pane");

    // Untouched, the amount follows each destination's setting.
    chooseDestination("Reserve");
    EXPECT_EQ(shown(), "Reserve, '30.00', '' (To Reserve), no category, pane");
    typeAmount("42");
    chooseDestination("Travel");
    EXPECT_EQ(shown(), "Travel, '42.00', 'Holiday fund' (To Travel), Trips, pane");
    sheet().cancelButton()->click();
    EXPECT_EQ(travel->transactions().size(), 1u);
}

TEST_F(TransferSheetTest, AmountsAreExchangedBetweenCurrencies) {
    Currency* euro = ctx.insert<Currency>();
    euro->setCode("EUR");
    euro->setName("Euro");
    euro->setRate(Decimal::fromString("0.8"));
    Account* euros = account("Euro Savings", euro);
    struct Case {
        Account* from;
        Account* to;
        const char* symbolCode;
        const char* received;
    };
    const Case cases[] = {
        {checking, euros, "USD", "From Checking 80.00"},
        {euros, checking, "EUR", "From Euro Savings 125.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from->name());
        controller->showSheet(*c.from);
        EXPECT_EQ(sheet().amountField()->currencyCode(), c.symbolCode);
        chooseDestination(QString::fromStdString(c.to->name()));
        typeAmount("100");
        sheet().transferButton()->click();
        EXPECT_NE(rows(*c.to).find(c.received), std::string::npos) << rows(*c.to);
    }
    EXPECT_EQ(rows(*checking), "From Euro Savings 125.00; To Euro Savings -100.00");
}

TEST_F(TransferSheetTest, OnlyAccountCannotTransfer) {
    Account* alone = account("Alone");
    ctx.deleteObject(*checking);
    ctx.deleteObject(*reserve);
    controller->showSheet(*alone);
    EXPECT_EQ(sheet().toAccountPopup()->count(), 0);
    EXPECT_FALSE(sheet().transferButton()->isEnabled());
    sheet().transferButton()->click();
    EXPECT_TRUE(alone->transactions().empty());
}

}  // namespace

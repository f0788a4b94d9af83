// Renders the entry controls and the transaction editor to build/screenshots/ for a person to
// look at; run with QT_SCALE_FACTOR=2 for the "@2x" pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "UiTestApplication.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "store/ObjectContext.h"
#include "store/PersistentStore.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CheckNumberField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/PNDatePicker.h"
#include "ui/editor/AdvancedAreaView.h"
#include "ui/editor/EditViewController.h"
#include "ui/editor/RemainderView.h"
#include "ui/editor/SplitRowController.h"

namespace {

// Grabs `widget` to build/screenshots/<name>.png, or <name>@2x.png at a scale of 2.
void saveShot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
    const QString suffix = qApp->devicePixelRatio() > 1.0 ? QStringLiteral("@2x") : QString();
    widget.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/") + name + suffix + ".png");
}

class EditorScreenshots : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        auto* home = ctx.insert<CategoryGroup>();
        home->setName("Home");
        for (const char* name : {"Rent", "Utilities", "Phone & Internet"}) {
            category(name)->setGroup(home);
        }
        for (const char* name : {"Dining", "Groceries", "Income", "Gas"}) {
            category(name);
        }
    }
    void TearDown() override { UserLocale::reset(); }
    Category* category(const char* name) {
        auto* created = ctx.insert<Category>();
        created->setName(name);
        return created;
    }

    ObjectContext ctx{ApplicationModel::shared()};
};

TEST_F(EditorScreenshots, EntryControls) {
    QWidget panel;
    auto* form = new QFormLayout(&panel);
    form->setLabelAlignment(Qt::AlignRight);
    auto* amount = new AmountField;
    amount->setValue(Decimal::fromString("-1234.5"));
    auto* assumed = new AmountField;
    assumed->setValue(Decimal(0));
    auto* dollars = new CurrencyField(ControlSize::Regular);
    dollars->amountField()->setValue(Decimal::fromString("-42.1"));
    UserLocale::set("de_DE");
    auto* euros = new CurrencyField(ControlSize::Small);
    euros->setCurrencyCode("EUR");
    euros->amountField()->setValue(Decimal::fromString("1234.5"));
    UserLocale::set("en_US");
    auto* regular = new CategoryField(ControlSize::Regular);
    regular->setContext(ctx);
    regular->setCategoryValue(Category::findByName("Phone & Internet", ctx));
    auto* small = new CategoryField(ControlSize::Small);
    small->setContext(ctx);
    auto* check = new CheckNumberField;
    check->setCheckNumber(1042);
    auto* date = new PNDatePicker;
    date->setDateValue(Date::dateWithYear_PN(2012, 3, 5));
    form->addRow("Amount field:", amount);
    form->addRow("Zero, assumed sign:", assumed);
    form->addRow("Currency field:", dollars);
    form->addRow("Small, de_DE:", euros);
    form->addRow("Category field:", regular);
    form->addRow("Small, empty:", small);
    form->addRow("Check number:", check);
    form->addRow("Date picker:", date);
    for (QWidget* field : std::initializer_list<QWidget*>{regular, small, dollars, euros}) {
        field->setMinimumWidth(200);
    }
    panel.resize(380, panel.sizeHint().height());
    panel.show();
    saveShot(panel, "entry-controls");
    EXPECT_EQ(regular->height(), 22);
    EXPECT_EQ(small->height(), 21);

    std::unique_ptr<QMenu> menu = regular->generateMenu();
    menu->adjustSize();
    saveShot(*menu, "category-menu");

    // The calendar pops up under the picker, as its arrow would open it.
    QWidget* popup = date->calendarWidget()->window();
    popup->move(date->mapToGlobal(QPoint(0, date->height())));
    popup->show();
    saveShot(*popup, "date-picker-calendar");
    popup->close();
}

// The editor over the shipped sample store, as it opens over a row of the register; the
// sample is read into memory only and never saved.
class EditorOnSample : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        std::unique_ptr<PersistentStore> sample =
            FileStores::make(StoreKind::XML, FileStores::sampleResourcePath());
        ASSERT_FALSE(sample->load(ctx).has_value());
        // White around the panel shows its edges as they lie over the table.
        host = std::make_unique<QWidget>();
        host->setAutoFillBackground(true);
        QPalette palette = host->palette();
        palette.setColor(QPalette::Window, Qt::white);
        host->setPalette(palette);
        editor = new EditViewController(ctx, host.get());
        editor->setAnimated(false);
        editor->move(0, 12);
        editor->resize(760, editor->height());
    }
    void TearDown() override {
        host.reset();
        UserLocale::reset();
    }

    Transaction* transactionTitled(const std::string& title) {
        return Transaction::findFirstByPredicate(
            [&](const Transaction& t) { return t.title() == title; }, ctx);
    }
    void open(Transaction& transaction, bool accountMode = true) {
        editor->beginEditing(transaction, false, !accountMode);
        host->resize(760, editor->height() + 24);
        host->show();
        editor->show();
        QApplication::setActiveWindow(host.get());
        editor->focusFirstField();
    }
    void shoot(const QString& name) {
        host->resize(760, editor->height() + 24);
        saveShot(*host, name);
    }

    ObjectContext ctx{ApplicationModel::shared()};
    std::unique_ptr<QWidget> host;
    EditViewController* editor = nullptr;
};

TEST_F(EditorOnSample, SingleSplitAndMatchedTransactions) {
    Transaction* rent = transactionTitled("Greenleaf Property Rent");
    ASSERT_NE(rent, nullptr);
    rent->setCheckNumber(1042);
    rent->setNotes(std::string("September"));
    open(*rent);
    shoot("editor-single-category");

    Transaction* groceries = transactionTitled("Northwind Telecom");
    ASSERT_NE(groceries, nullptr);
    open(*groceries);
    editor->split();
    SplitRowController* first = editor->rowControllers().at(0);
    first->amountField()->setFocus();
    first->amountField()->setText("-40.00");
    first->amountField()->commitEditing();
    SplitRowController* second = editor->rowControllers().at(1);
    second->categoryField()->setCategoryValue(Category::findByName("Household", ctx));
    emit second->categoryField()->categoryChanged();
    second->amountField()->setFocus();
    second->amountField()->setText("-15.00");
    second->amountField()->commitEditing();
    ASSERT_TRUE(editor->remainderView()->isVisible());
    editor->titleField()->setFocus();
    shoot("editor-splits-remainder");

    Transaction* payroll = transactionTitled("Acme Corp Payroll");
    ASSERT_NE(payroll, nullptr);
    payroll->setOfxAmount(payroll->amount());
    payroll->setOfxTitle(std::string("ACME CORP PAYROLL PPD ID: 9912345"));
    payroll->setOfxDate(payroll->date().advanceDays_PN(-1));
    open(*payroll, false);
    shoot("editor-matched-collapsed");
    editor->showAdvanced();
    ASSERT_TRUE(editor->advancedView()->matchRow()->isVisible());
    shoot("editor-advanced-matched");
}

}  // namespace

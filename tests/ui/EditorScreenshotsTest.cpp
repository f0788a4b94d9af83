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
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "ui/common/AmountField.h"
#include "ui/common/CategoryField.h"
#include "ui/common/CheckNumberField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/PNDatePicker.h"

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

}  // namespace

// The shared entry controls driven through their widgets: the amount field's assumed sign,
// the currency symbol's side, the category field's completion, question and menu, the check
// number field and the date picker.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "WidgetInput.h"
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

class EntryControls : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        Alerts::setShared(&alerts);
        window = std::make_unique<QWidget>();
        window->resize(400, 120);
        other = new QLineEdit(window.get());
        other->move(0, 60);
    }
    void TearDown() override {
        Alerts::setShared(nullptr);
        UserLocale::reset();
    }
    Category* category(const std::string& name, CategoryGroup* group = nullptr) {
        auto* created = ctx.insert<Category>();
        created->setName(name);
        created->setGroup(group);
        return created;
    }
    // Moves the focus away from the control under test, which ends its editing.
    void leave() { focusWidget(other); }

    ObjectContext ctx{ApplicationModel::shared()};
    ScriptedAlerts alerts;
    std::unique_ptr<QWidget> window;
    QLineEdit* other = nullptr;
};

TEST_F(EntryControls, AnEmptyAmountFieldAssumesAnExpenseUnlessTheSignIsDeleted) {
    auto* field = new AmountField(window.get());
    int actions = 0;
    QObject::connect(field, &AmountField::amountChanged, field, [&] { ++actions; });

    focusWidget(field);
    EXPECT_EQ(field->text(), "-");
    EXPECT_EQ(field->value(), std::nullopt);
    typeText("12.50");
    leave();
    EXPECT_EQ(field->text(), "-12.50");
    EXPECT_EQ(field->amount(), Decimal::fromString("-12.50"));
    EXPECT_EQ(actions, 1);

    field->setValue(std::nullopt);
    focusWidget(field);
    pressKey(Qt::Key_Backspace);
    typeText("12.50");
    pressKey(Qt::Key_Return);
    EXPECT_EQ(field->amount(), Decimal::fromString("12.50"));
    EXPECT_EQ(field->text(), "12.50");
    EXPECT_EQ(actions, 2);

    // A click into the empty field, left of the right-aligned sign, still types after it.
    field->setValue(std::nullopt);
    leave();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    QApplication::processEvents();
    typeText("7");
    leave();
    EXPECT_EQ(field->amount(), Decimal(-7));
}

TEST_F(EntryControls, AmountFieldEdgeCases) {
    auto* field = new AmountField(window.get());

    // "-" alone is no value, and the field is empty again once editing ends.
    focusWidget(field);
    leave();
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(field->value(), std::nullopt);
    EXPECT_EQ(field->amount(), Decimal(0));

    // With a value, the focus selects the digits but not the sign; typing keeps the sign.
    field->setValue(Decimal::fromString("-40"));
    focusWidget(field);
    EXPECT_EQ(field->selectedText(), "40.00");
    typeText("7.255");
    leave();
    EXPECT_EQ(field->text(), "-7.26");
    EXPECT_EQ(field->value(), Decimal::fromString("-7.255"));
    EXPECT_EQ(field->amount(), Decimal::fromString("-7.26"));

    // Zero keeps the assumed sign in view; without the assumption it shows plainly.
    field->setValue(Decimal(0));
    EXPECT_EQ(field->text(), "-0.00");
    field->setShouldAssumeSign(false);
    EXPECT_EQ(field->text(), "0.00");
    field->setValue(std::nullopt);
    focusWidget(field);
    EXPECT_EQ(field->text(), "");

    // Text that is not an amount goes back to the last value.
    field->setValue(Decimal::fromString("5"));
    focusWidget(field);
    field->setText("5x");
    EXPECT_FALSE(field->isValid());
    EXPECT_EQ(field->value(), Decimal(5));
    leave();
    EXPECT_EQ(field->text(), "5.00");
}

TEST_F(EntryControls, CurrencySymbolGoesWhereTheLocaleWritesIt) {
    const struct {
        const char* locale;
        const char* code;
        const char* symbol;
        bool before;
    } cases[] = {{"en_US", "USD", "$", true},
                 {"en_US", "EUR", "\u20ac", true},
                 {"de_DE", "EUR", "\u20ac", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.code);
        UserLocale::set(c.locale);
        CurrencyField field(ControlSize::Regular);
        field.resize(120, 22);
        field.show();
        field.setCurrencyCode(c.code);
        EXPECT_EQ(field.symbol(), QString::fromUtf8(c.symbol));
        const QRect amount = field.amountField()->geometry();
        if (c.before) {
            EXPECT_EQ(field.symbolRect().left(), 0);
            EXPECT_EQ(amount.left(), field.symbolRect().right() + 1 + 5);
            EXPECT_EQ(amount.right(), 119);
        } else {
            EXPECT_EQ(amount.left(), 0);
            EXPECT_EQ(field.symbolRect().left(), amount.right() + 1 + 5);
        }
    }
    EXPECT_EQ(CurrencyField(ControlSize::Regular).height(), 22);
    EXPECT_EQ(CurrencyField(ControlSize::Small).height(), 21);
    EXPECT_EQ(CategoryField(ControlSize::Regular).height(), 22);
    EXPECT_EQ(CategoryField(ControlSize::Small).height(), 21);
}

TEST_F(EntryControls, CategoryFieldCompletesAndConfirmsWithReturn) {
    Category* groceries = category("Groceries");
    category("Gas");
    category("Dining");
    auto* field = new CategoryField(ControlSize::Regular, window.get());
    field->setContext(ctx);
    field->resize(200, 22);
    int changes = 0;
    int returns = 0;
    QObject::connect(field, &CategoryField::categoryChanged, field, [&] { ++changes; });
    QObject::connect(field, &CategoryField::returnPressedInField, field, [&] { ++returns; });

    focusWidget(field->textField());
    typeText("g");
    QAbstractItemModel* completions = field->completer()->completionModel();
    ASSERT_EQ(completions->rowCount(), 2);
    EXPECT_EQ(completions->index(0, 0).data().toString(), "gas");
    EXPECT_EQ(completions->index(1, 0).data().toString(), "groceries");
    typeText("ro");
    ASSERT_EQ(completions->rowCount(), 1);
    ASSERT_TRUE(field->completer()->popup()->isVisible());
    // The completion list takes the keys while it is up: Return picks a completion.
    QWidget* popup = field->completer()->popup();
    for (const int key : {int(Qt::Key_Down), int(Qt::Key_Return)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(popup, &press);
    }
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(field->textField()->text(), "groceries");
    EXPECT_EQ(changes, 0);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(field->categoryValue(), groceries);
    EXPECT_EQ(field->textField()->text(), "Groceries");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(returns, 1);

    // A Return that ends no edit is not the field's.
    pressKey(Qt::Key_Return);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(alerts.shown.empty());
}

TEST_F(EntryControls, AnUnknownCategoryIsCreatedOnlyWhenTheUserSaysSo) {
    Category* dining = category("Dining");
    auto* field = new CategoryField(ControlSize::Regular, window.get());
    field->setContext(ctx);
    field->setCategoryValue(dining);
    int changes = 0;
    QObject::connect(field, &CategoryField::categoryChanged, field, [&] { ++changes; });

    alerts.answers = {1};  // Cancel
    field->selectText();
    focusWidget(field->textField());
    typeText("Books");
    leave();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message,
              "The category \"Books\" does not exist, do you want to create it?");
    EXPECT_EQ(alerts.shown[0].buttons, QStringList({"Create", "Cancel"}));
    EXPECT_EQ(field->categoryValue(), dining);
    EXPECT_EQ(field->textField()->text(), "Dining");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Category::findByName("Books", ctx), nullptr);

    alerts.answers = {0};  // Create
    focusWidget(field->textField());
    field->textField()->selectAll();
    typeText("Books");
    leave();
    Category* books = Category::findByName("Books", ctx);
    ASSERT_NE(books, nullptr);
    EXPECT_EQ(field->categoryValue(), books);
    EXPECT_EQ(changes, 1);

    // Emptied text: no category, and no question.
    focusWidget(field->textField());
    field->textField()->selectAll();
    pressKey(Qt::Key_Backspace);
    leave();
    EXPECT_EQ(field->categoryValue(), nullptr);
    EXPECT_EQ(alerts.shown.size(), 2u);
}

TEST_F(EntryControls, CategoryMenuShowsGroupsAsDisabledBoldTitlesAndActsOnChoices) {
    auto* living = ctx.insert<CategoryGroup>();
    living->setName("Living");
    Category* rent = category("Rent", living);
    category("Dining");
    CategoryField field;
    field.setContext(ctx);
    field.setCategoryValue(rent);
    int editRequests = 0;
    QObject::connect(&field, &CategoryField::editCategoriesRequested, &field,
                     [&] { ++editRequests; });

    std::unique_ptr<QMenu> menu = field.generateMenu();
    QStringList lines;
    for (QAction* action : menu->actions()) {
        QString line = action->isSeparator() ? "---" : action->text();
        if (action->isChecked()) {
            line = "* " + line;
        }
        if (!action->isEnabled()) {
            line = "[" + line + "]";
        }
        if (action->font().bold()) {
            line += " (bold)";
        }
        lines << line;
    }
    EXPECT_EQ(lines, QStringList({"None", "---", "Dining", "[Living] (bold)",
                                  "* " + QString(6, ' ') + "Rent", "---", "Edit Categories..."}));
    menu->actions()[0]->trigger();
    EXPECT_EQ(field.categoryValue(), nullptr);
    menu->actions()[2]->trigger();
    EXPECT_EQ(field.categoryValue()->name(), "Dining");
    menu->actions().back()->trigger();
    EXPECT_EQ(editRequests, 1);
}

TEST_F(EntryControls, CheckNumberFieldTakesDigitsOnly) {
    auto* field = new CheckNumberField(window.get());
    focusWidget(field);
    typeText("10a4-2");
    EXPECT_EQ(field->text(), "1042");
    EXPECT_EQ(field->checkNumber(), 1042);
    field->setCheckNumber(std::nullopt);
    EXPECT_EQ(field->checkNumber(), std::nullopt);
}

TEST_F(EntryControls, DatePickerHoldsACalendarDayInTheLocalesMediumStyle) {
    PNDatePicker picker;
    EXPECT_EQ(picker.displayFormat(), "MMM d, yyyy");
    picker.setDateValue(Date::dateWithYear_PN(2012, 3, 5));
    EXPECT_EQ(picker.text(), "Mar 5, 2012");
    EXPECT_EQ(picker.dateValue(), Date::dateWithYear_PN(2012, 3, 5));
    Date changed;
    QObject::connect(&picker, &PNDatePicker::dateValueChanged, &picker,
                     [&](Date date) { changed = date; });
    picker.setCurrentSection(QDateTimeEdit::DaySection);
    picker.stepBy(1);
    EXPECT_EQ(changed, Date::dateWithYear_PN(2012, 3, 6));

    const std::pair<const char*, const char*> patterns[] = {
        {"MMM d, y", "MMM d, yyyy"},
        {"dd.MM.y", "dd.MM.yyyy"},
        {"d 'de' MMM 'de' y", "d 'de' MMM 'de' yyyy"},
        {"y/MM/dd", "yyyy/MM/dd"},
        {"d MMM yy G", "d MMM yy"},
    };
    for (const auto& [icu, qt] : patterns) {
        SCOPED_TRACE(icu);
        EXPECT_EQ(PNDatePicker::displayFormatForPattern(icu), qt);
    }
}

}  // namespace

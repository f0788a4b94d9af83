// The transaction editor driven through its widgets, with the test in the register's place:
// it writes the panel back and saves when asked to save and close.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <memory>

#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "WidgetInput.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "session/ApplicationModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"
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

Decimal dec(const char* text) {
    return Decimal::fromString(text);
}

class Editor : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        Alerts::setShared(&alerts);
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        auto* root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        account = ctx.insert<Account>();
        account->setName("Checking");
        account->moveTo(root, 0);
        food = category("Food");
        gas = category("Gas");
        ASSERT_FALSE(ctx.save().has_value());

        host = std::make_unique<QWidget>();
        host->resize(720, 240);
        editor = new EditViewController(ctx, host.get());
        editor->setAnimated(false);
        editor->resize(700, editor->height());
        QObject::connect(editor, &RowEditor::saveAndCloseRequested, editor, [this] {
            ++saves;
            close();
            saveError = ctx.save();
        });
        QObject::connect(editor, &RowEditor::closeRequested, editor, [this] {
            ++closes;
            close();
        });
        QObject::connect(editor, &RowEditor::transactionsChanged, editor,
                         [this] { ++transactionsChanges; });
    }
    void TearDown() override {
        host.reset();
        Alerts::setShared(nullptr);
        UserLocale::reset();
    }

    Category* category(const char* name) {
        auto* created = ctx.insert<Category>();
        created->setName(name);
        return created;
    }
    Transaction* add(const char* amount, Category* category) {
        return account->createTransactionWithDate(Date::dateWithYear_PN(2012, 3, 5),
                                                  std::string("Market"), dec(amount), category,
                                                  std::nullopt, std::nullopt);
    }
    void makeBankFields(Transaction* t, bool imported) {
        t->setIsImported(imported);
        t->setIsPending(false);
        t->setOfxAmount(t->amount());
        t->setOfxTitle(std::string("SHELL OIL 1234"));
        t->setOfxDate(Date::dateWithYear_PN(2012, 3, 4));
    }
    void open(Transaction* t, bool adding = false, bool accountMode = true) {
        editor->beginEditing(*t, adding, !accountMode);
        editor->show();
        focusWidget(editor->titleField());
    }
    // What the register does when it closes the panel.
    void close() {
        if (Transaction* t = editor->transaction()) {
            editor->writeFieldsToTransaction();
            t->fixSplitsIfNecessary();
            editor->endEditing();
        }
    }
    SplitRowController* row(std::size_t index) { return editor->rowControllers().at(index); }
    // "Category amount" per split of `t` in sortedSplits order; "-" for no category.
    static std::vector<std::string> splitsOf(const Transaction* t) {
        std::vector<std::string> splits;
        for (const Split* split : t->sortedSplits()) {
            splits.push_back((split->category() ? split->category()->name() : "-") + " " +
                             split->amount().toString(2));
        }
        return splits;
    }

    ObjectContext ctx{ApplicationModel::shared()};
    ScriptedAlerts alerts;
    Account* account = nullptr;
    Category* food = nullptr;
    Category* gas = nullptr;
    std::unique_ptr<QWidget> host;
    EditViewController* editor = nullptr;
    int saves = 0;
    int closes = 0;
    int transactionsChanges = 0;
    std::optional<ValidationError> saveError;
};

TEST_F(Editor, SplittingFollowsTheTotalUntilARowIsTypedThenShowsTheRemainder) {
    Transaction* t = add("-100", food);
    open(t);
    EXPECT_EQ(editor->height(), 68);

    editor->splitButton()->click();
    ASSERT_EQ(editor->rowControllers().size(), 2u);
    EXPECT_EQ(row(0)->category(), food);
    EXPECT_EQ(row(0)->amountField()->text(), "-100.00");
    EXPECT_EQ(row(1)->category(), nullptr);
    EXPECT_EQ(row(1)->amountField()->text(), "");
    EXPECT_FALSE(row(0)->plusButton()->isVisibleTo(editor));
    EXPECT_TRUE(row(1)->plusButton()->isVisibleTo(editor));
    EXPECT_EQ(QApplication::focusWidget(), row(0)->amountField());

    typeText("60");
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), row(1)->categoryField()->textField());
    EXPECT_EQ(row(0)->amountField()->text(), "-60.00");
    EXPECT_EQ(row(1)->amountField()->text(), "-40.00");
    EXPECT_FALSE(editor->remainderView()->isVisibleTo(editor));

    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), row(1)->amountField());
    typeText("30");
    pressKey(Qt::Key_Tab);
    EXPECT_TRUE(editor->remainderView()->isVisibleTo(editor));
    EXPECT_EQ(editor->remainderField()->text(), "-10.00");
    EXPECT_EQ(editor->height(), 68 + 22 + 5 + 5 + 17);

    row(1)->plusButton()->click();
    ASSERT_EQ(editor->rowControllers().size(), 3u);
    EXPECT_EQ(row(2)->amountField()->text(), "-10.00");
    EXPECT_FALSE(editor->remainderView()->isVisibleTo(editor));
    EXPECT_EQ(editor->height(), 68 + 2 * (22 + 5));
    EXPECT_EQ(QApplication::focusWidget(), row(2)->categoryField()->textField());

    pressKey(Qt::Key_Return);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(saveError.has_value());
    EXPECT_EQ(splitsOf(t), (std::vector<std::string>{"Food -60.00", "- -10.00", "- -30.00"}));
}

TEST_F(Editor, RemovingRowsDownToOneReturnsToOneCategoryField) {
    Transaction* t = add("-100", nullptr);
    ctx.deleteObject(**t->splits().begin());
    for (const auto& [amount, category] : {std::pair{"-60", food}, std::pair{"-40", gas}}) {
        auto* split = ctx.insert<Split>();
        split->setAmount(dec(amount));
        split->setCategory(category);
        t->addSplitsObject(split);
    }
    open(t);
    ASSERT_EQ(editor->rowControllers().size(), 2u);
    EXPECT_EQ(row(0)->category(), gas);
    EXPECT_FALSE(editor->singleCategoryField()->isVisibleTo(editor));

    row(0)->minusButton()->click();
    EXPECT_FALSE(editor->isShowingSplits());
    EXPECT_TRUE(editor->singleCategoryField()->isVisibleTo(editor));
    EXPECT_TRUE(editor->splitButton()->isVisibleTo(editor));
    EXPECT_EQ(editor->singleCategoryField()->textField()->text(), "Food");
    EXPECT_EQ(editor->height(), 68);
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(splitsOf(t), (std::vector<std::string>{"Food -100.00"}));
}

TEST_F(Editor, ReturnThatConfirmsACategoryDoesNotSaveTheNextOneDoes) {
    Transaction* t = add("-100", food);
    open(t);
    CategoryField* field = editor->singleCategoryField();
    focusWidget(field->textField());
    field->textField()->selectAll();
    typeText("Gas");
    field->completer()->popup()->hide();
    pressKey(Qt::Key_Return);
    EXPECT_EQ(saves, 0);
    EXPECT_EQ(editor->model().currentCategory(), gas);
    EXPECT_FALSE(editor->disableSaveOnEnter());
    pressKey(Qt::Key_Return);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(splitsOf(t), (std::vector<std::string>{"Gas -100.00"}));
}

TEST_F(Editor, CancellingANewCategoryKeepsTheOldOne) {
    Transaction* t = add("-100", food);
    open(t);
    CategoryField* field = editor->singleCategoryField();
    focusWidget(field->textField());
    field->textField()->selectAll();
    typeText("Books");
    alerts.answers = {1};
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(field->textField()->text(), "Food");
    EXPECT_EQ(editor->model().currentCategory(), food);
    EXPECT_EQ(QApplication::focusWidget(), editor->notesField());
}

TEST_F(Editor, AnAddedTransactionIsAnExpenseUnlessTheSignIsDeleted) {
    for (const bool deleteSign : {false, true}) {
        SCOPED_TRACE(deleteSign ? "sign deleted" : "sign kept");
        Transaction* t = add("0", nullptr);
        open(t, true);
        EXPECT_EQ(editor->amountField()->text(), "");
        pressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), editor->amountField());
        EXPECT_EQ(editor->amountField()->text(), "-");
        if (deleteSign) {
            pressKey(Qt::Key_Backspace);
        }
        typeText("12.50");
        pressKey(Qt::Key_Return);
        EXPECT_EQ(t->amount(), deleteSign ? dec("12.50") : dec("-12.50"));
    }
    EXPECT_EQ(saves, 2);
}

TEST_F(Editor, TheAdvancedAreaShowsWhatAppliesAndOpensCollapsed) {
    struct Case {
        const char* what;
        bool bankFields;
        bool imported;
        bool accountMode;
        bool match, original, account;
    };
    const Case cases[] = {
        {"imported", true, true, true, false, true, false},
        {"matched", true, false, true, true, false, false},
        {"matched, all accounts", true, false, false, true, false, true},
        {"hand-entered, all accounts", false, false, false, false, false, true},
        {"hand-entered, account mode", false, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Transaction* t = add("-20", gas);
        if (c.bankFields) {
            makeBankFields(t, c.imported);
        }
        open(t, false, c.accountMode);
        AdvancedAreaView* area = editor->advancedView();
        const bool anyRow = c.match || c.original || c.account;
        EXPECT_EQ(editor->advancedToggleButton()->isVisibleTo(editor), anyRow);
        EXPECT_FALSE(area->isVisibleTo(editor));
        if (!anyRow) {
            continue;
        }
        editor->advancedToggleButton()->click();
        EXPECT_TRUE(editor->advancedViewIsShown());
        EXPECT_FALSE(editor->advancedToggleButton()->isVisibleTo(editor));
        EXPECT_EQ(area->matchRow()->isVisibleTo(editor), c.match);
        EXPECT_EQ(area->originalRow()->isVisibleTo(editor), c.original);
        EXPECT_EQ(area->accountRow()->isVisibleTo(editor), c.account);
        const int rows = int(c.match) + int(c.original) + int(c.account);
        EXPECT_EQ(editor->height(), 68 + 26 * rows + 8);
        if (c.match) {
            EXPECT_EQ(area->matchedTitle()->text(), "SHELL OIL 1234");
            EXPECT_EQ(area->matchedMoreInfo()->text(), "Mar 04, 2012");
            EXPECT_TRUE(area->undoMatchButton()->isVisibleTo(editor));
            // Lined up 5 points apart.
            EXPECT_EQ(area->matchedMoreInfo()->x(),
                      area->matchedTitle()->x() + area->matchedTitle()->width() + 5);
        }
        if (c.original) {
            EXPECT_EQ(area->originalTitle()->text(), "SHELL OIL 1234");
            EXPECT_EQ(area->originalMoreInfo()->text(), "Mar 04, 2012");
        }
        if (c.account) {
            EXPECT_EQ(area->accountName()->text(), "Checking");
        }
        area->hideButton()->click();
        EXPECT_EQ(editor->height(), 68);
        EXPECT_TRUE(editor->advancedToggleButton()->isVisibleTo(editor));
        editor->advancedToggleButton()->click();
        pressKey(Qt::Key_Escape);
        // Opening again starts collapsed.
        open(t, false, c.accountMode);
        EXPECT_FALSE(editor->advancedViewIsShown());
        EXPECT_EQ(editor->height(), 68);
        pressKey(Qt::Key_Escape);
    }
}

TEST_F(Editor, UndoMatchAsksThenSavesUndoesAndSavesAgain) {
    Transaction* t = add("-20", gas);
    makeBankFields(t, false);
    ASSERT_FALSE(ctx.save().has_value());
    open(t);
    editor->showAdvanced();

    alerts.answers = {1};
    editor->advancedView()->undoMatchButton()->click();
    ASSERT_EQ(alerts.shown.size(), 1u);
    EXPECT_EQ(alerts.shown[0].message, "Are you sure you want to undo this match?");
    EXPECT_EQ(alerts.shown[0].buttons, QStringList({"Undo Match", "Cancel"}));
    EXPECT_TRUE(t->isMatched());
    EXPECT_EQ(editor->transaction(), t);
    EXPECT_EQ(saves, 0);

    editor->advancedView()->undoMatchButton()->click();
    EXPECT_EQ(saves, 2);
    EXPECT_FALSE(saveError.has_value());
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(editor->transaction(), nullptr);
    EXPECT_FALSE(t->isMatched());
    EXPECT_TRUE(t->isPending());
    EXPECT_EQ(transactionsChanges, 1);
    ASSERT_EQ(account->transactions().size(), 2u);
    for (Transaction* other : account->transactions()) {
        if (other != t) {
            EXPECT_TRUE(other->isImported());
            EXPECT_TRUE(other->isNew());
            EXPECT_EQ(other->title(), "Shell Oil 1234");
        }
    }
}

TEST_F(Editor, TabGoesRoundTheFieldsInOrder) {
    Transaction* t = add("-100", food);
    open(t);
    const std::vector<QWidget*> single = {
        editor->titleField(), editor->amountField(), editor->singleCategoryField()->textField(),
        editor->notesField(), editor->datePicker(),  editor->checkNumberField()};
    EXPECT_EQ(editor->keyLoop(), single);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), editor->amountField());
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), editor->titleField());
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), editor->checkNumberField());

    editor->split();
    const std::vector<QWidget*> splits = {editor->titleField(),
                                          editor->amountField(),
                                          row(0)->categoryField()->textField(),
                                          row(0)->amountField(),
                                          row(1)->categoryField()->textField(),
                                          row(1)->amountField(),
                                          editor->notesField(),
                                          editor->datePicker(),
                                          editor->checkNumberField()};
    EXPECT_EQ(editor->keyLoop(), splits);
}

}  // namespace

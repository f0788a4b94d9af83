// The transaction editor's model: split rows and their remainder, single and split mode,
// writing back, and the rows of the advanced area.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LedgerTestSupport.h"
#include "TestApplicationModel.h"
#include "base/NotificationCenter.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/AmountFormatter.h"
#include "ledger/Category.h"
#include "ledger/Node.h"
#include "ledger/Split.h"
#include "ledger/Transaction.h"
#include "ledger/TransactionEditorModel.h"
#include "store/InMemoryStore.h"
#include "store/ObjectContext.h"

namespace {

using Model = TransactionEditorModel;

class TransactionEditorModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        UserLocale::set("en_US");
        ctx.setPersistentStore(std::make_unique<InMemoryStore>());
        auto* root = ctx.insert<Node>();
        root->setIdentifier("accounts");
        account->setName("Checking");
        account->moveTo(root, 0);
        food->setName("Food");
        gas->setName("Gas");
    }
    void TearDown() override { UserLocale::reset(); }

    Transaction* add(const char* amount, Category* category) {
        return account->createTransactionWithDate(ymd(2012, 3, 5), std::string("Market"),
                                                  dec(amount), category, std::nullopt,
                                                  std::nullopt);
    }
    Split* addSplit(Transaction* t, const char* amount, Category* category) {
        auto* split = ctx.insert<Split>();
        split->setAmount(dec(amount));
        split->setCategory(category);
        t->addSplitsObject(split);
        return split;
    }
    // "Food -60.00* | - -40.00 | remainder -10.00": each row's category ("-" for none) and
    // amount ("" for an empty field), "*" when typed by the user; or "single Food".
    static std::string describe(const Model& model) {
        auto name = [](const Category* c) { return c ? c->name() : std::string("-"); };
        if (!model.isShowingSplits()) {
            return "single " + name(model.currentCategory());
        }
        std::string text;
        for (const Model::SplitRow& row : model.rows()) {
            text += text.empty() ? "" : " | ";
            text += name(row.category) + " " + (row.amount ? row.amount->toString(2) : "") +
                    (row.amountChangedByUser ? "*" : "");
        }
        if (model.remainder()) {
            text += " | remainder " + model.remainder()->toString(2);
        }
        return text;
    }

    ObjectContext ctx{applicationModel()};
    Account* account = ctx.insert<Account>();
    Category* food = ctx.insert<Category>();
    Category* gas = ctx.insert<Category>();
    Model model;
};

TEST_F(TransactionEditorModelTest, SplitRowsFollowTheTotalUntilTypedThenShowARemainder) {
    Transaction* t = add("-100", food);
    model.setup(*t, false, true);
    struct Step {
        const char* what;
        std::function<void()> act;
        const char* expected;
    };
    const Step steps[] = {
        {"open", [] {}, "single Food"},
        {"split", [&] { model.split(); }, "Food -100.00 | - "},
        {"type -60 in row one", [&] { model.rowAmountChanged(0, dec("-60")); },
         "Food -60.00* | - -40.00"},
        {"type -30 in row two", [&] { model.rowAmountChanged(1, dec("-30")); },
         "Food -60.00* | - -30.00* | remainder -10.00"},
        {"add a row", [&] { model.addSplitRow(); }, "Food -60.00* | - -30.00* | - -10.00"},
        {"change the total", [&] { model.amountChanged(dec("-120")); },
         "Food -60.00* | - -30.00* | - -30.00"},
        {"retype row one unchanged", [&] { model.rowAmountChanged(0, dec("-60.00")); },
         "Food -60.00* | - -30.00* | - -30.00"},
        {"type the last row", [&] { model.rowAmountChanged(2, dec("-20")); },
         "Food -60.00* | - -30.00* | - -20.00* | remainder -10.00"},
        {"remove row two", [&] { model.removeSplitRow(1); },
         "Food -60.00* | - -20.00* | remainder -40.00"},
        {"name the last row", [&] { model.rowCategoryChanged(1, gas); },
         "Food -60.00* | Gas -20.00* | remainder -40.00"},
        {"remove row one", [&] { model.removeSplitRow(0); }, "single Gas"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(describe(model), step.expected);
    }
}

TEST_F(TransactionEditorModelTest, OpeningASplitTransactionCountsCategorizedRowsAsTyped) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, Category*>> splits;
        const char* expected;
    };
    const Case cases[] = {
        {"adding up", {{"-60", food}, {"-40", gas}}, "Gas -40.00* | Food -60.00*"},
        {"short, categorized",
         {{"-60", food}, {"-30", gas}},
         "Gas -30.00* | Food -60.00* | remainder -10.00"},
        {"short, last uncategorized", {{"-60", food}, {"-30", nullptr}}, "Food -60.00* | - -40.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Transaction* t = add("-100", nullptr);
        ctx.deleteObject(**t->splits().begin());
        for (const auto& [amount, category] : c.splits) {
            addSplit(t, amount, category);
        }
        model.setup(*t, false, true);
        EXPECT_EQ(describe(model), c.expected);
    }
}

TEST_F(TransactionEditorModelTest, AnAddedTransactionsAmountStartsEmptyAndTakesTheTypedSign) {
    // The amount field starts with "-" when it takes the focus; what the user leaves in it
    // is read as typed.
    const std::pair<const char*, const char*> cases[] = {
        {"-12.50", "-12.50"},  // typed after the assumed sign
        {"12.50", "12.50"},    // the sign deleted first
        {"-", "0.00"},         // nothing typed
    };
    for (const auto& [text, written] : cases) {
        SCOPED_TRACE(text);
        Transaction* t = add("0", nullptr);
        model.setup(*t, true, true);
        EXPECT_EQ(model.amount(), std::nullopt);
        model.amountChanged(AmountFormatter().read(text).value);
        model.writeFieldsToTransaction();
        EXPECT_EQ(t->amount().toString(2), written);
    }
}

TEST_F(TransactionEditorModelTest, WritingBackSetsFieldsAndSplitsAndKeepsUnchangedSplits) {
    Transaction* t = add("-100", food);
    ASSERT_FALSE(ctx.save().has_value());
    Split* original = *t->splits().begin();
    int posted = 0;
    NotificationObserver observer = NotificationCenter::defaultCenter().observe(
        kPNCategoriesChanged, [&](const std::string&) { ++posted; });

    model.setup(*t, false, true);
    model.writeFieldsToTransaction();
    EXPECT_FALSE(ctx.hasChanges());
    EXPECT_EQ(*t->splits().begin(), original);
    EXPECT_EQ(posted, 1);

    model.setTitle("");
    model.setNotes("weekly");
    model.setCheckNumber(1042);
    model.setDate(ymd(2012, 3, 9));
    model.split();
    model.rowAmountChanged(0, dec("-60.004"));
    model.rowCategoryChanged(1, gas);
    model.writeFieldsToTransaction();
    EXPECT_EQ(t->title(), std::nullopt);
    EXPECT_EQ(t->notes(), "weekly");
    EXPECT_EQ(t->checkNumber(), 1042);
    EXPECT_EQ(t->date(), ymd(2012, 3, 9));
    std::vector<std::string> splits;
    for (const Split* split : t->sortedSplits()) {
        splits.push_back(split->category()->name() + " " + split->amount().toString(2));
    }
    EXPECT_EQ(splits, (std::vector<std::string>{"Gas -40.00", "Food -60.00"}));
    EXPECT_FALSE(ctx.save().has_value());

    // Back to one category: one split, whose category is the one shown.
    model.setup(*t, false, true);
    model.removeSplitRow(1);
    model.writeFieldsToTransaction();
    ASSERT_EQ(t->splits().size(), 1u);
    EXPECT_EQ((*t->splits().begin())->category(), gas);
    EXPECT_EQ(posted, 3);
}

TEST_F(TransactionEditorModelTest, SingleCategoryChangesOnlyInSingleMode) {
    Transaction* t = add("-100", food);
    model.setup(*t, false, true);
    model.categoryChanged(gas);
    EXPECT_EQ(model.currentCategory(), gas);
    model.split();
    EXPECT_EQ(assertionMessage([&] { model.categoryChanged(food); }),
              "The single category was changed in split mode");
    model.clear();
    EXPECT_EQ(assertionMessage([&] { model.writeFieldsToTransaction(); }),
              "The transaction editor has no transaction");
}

TEST_F(TransactionEditorModelTest, AdvancedRowsDependOnTheKindOfTransaction) {
    using Row = Model::AdvancedRow;
    struct Case {
        const char* what;
        bool imported;
        bool bankFields;
        bool accountMode;
        std::vector<Row> expected;
    };
    const Case cases[] = {
        {"hand-entered, account mode", false, false, true, {}},
        {"hand-entered, all accounts", false, false, false, {Row::Account}},
        {"imported, account mode", true, true, true, {Row::BankData}},
        {"matched, account mode", false, true, true, {Row::Match}},
        {"matched, group", false, true, false, {Row::Match, Row::Account}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Transaction* t = add("-20", nullptr);
        t->setIsImported(c.imported);
        if (c.bankFields) {
            t->setOfxAmount(dec("-20"));
            t->setOfxTitle(std::string("SHELL OIL 1234"));
            t->setOfxDate(ymd(2012, 3, 4));
        }
        model.setup(*t, false, c.accountMode);
        EXPECT_EQ(model.advancedRows(), c.expected);
        EXPECT_EQ(model.showsAdvancedToggle(), !c.expected.empty());
        EXPECT_EQ(model.bankTitle(), c.bankFields ? "SHELL OIL 1234" : "");
        EXPECT_EQ(model.bankDateText(), c.bankFields ? "Mar 04, 2012" : "");
        EXPECT_EQ(model.accountName(), "Checking");
    }
    EXPECT_EQ(Model::undoMatchQuestion(),
              (Alert{"Are you sure you want to undo this match?",
                     "You will end up with the original pending transaction and the "
                     "imported transaction, which will be marked as new.",
                     {"Undo Match", "Cancel"}}));
}

}  // namespace

// The preferences window and its categories and currencies panes over a copy of the shipped
// sample store, driven through their widgets and models, with scripted alerts.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QWheelEvent>
#include <map>
#include <memory>

#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Log.h"
#include "base/NotificationCenter.h"
#include "base/UserLocale.h"
#include "ledger/Account.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/Currency.h"
#include "ledger/CurrencyUpdater.h"
#include "ledger/Global.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "store/ObjectContext.h"
#include "ui/common/UserDefaults.h"
#include "ui/preferences/CategoriesController.h"
#include "ui/preferences/CategoriesModel.h"
#include "ui/preferences/CurrenciesController.h"
#include "ui/preferences/CurrenciesModel.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/preferences/PreferencePanes.h"

namespace {

using Names = std::vector<std::string>;

// A store opened on a copy of the sample, its currencies brought up to date as at start.
struct SampleCopy {
    explicit SampleCopy(const QTemporaryDir& folder, const QString& name) {
        const QString path = folder.filePath(name);
        QFile::copy(QString::fromStdString(FileStores::sampleResourcePath()), path);
        setLogSink([](std::string_view) {});  // "Added currency ..." for each one
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        context.setPersistentStore(FileStores::make(StoreKind::XML, path.toStdString()));
        loadError = context.persistentStore()->load(context);
        if (!loadError) {
            loadError = CurrencyUpdater(context, CurrenciesFile::defaultPath())
                            .updateCurrencies()
                            .saveError;
        }
        setLogSink(nullptr);
        context.undoManager().removeAllActions();
    }
    ObjectContext context{ApplicationModel::shared()};
    std::optional<ValidationError> loadError;
};

class Preferences : public ::testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        UserLocale::set("en_US");
        ASSERT_TRUE(folder.isValid());
        defaults = std::make_unique<UserDefaults>(folder.filePath("settings.ini"));
        sample = std::make_unique<SampleCopy>(folder, "Sample.xml");
        ASSERT_FALSE(sample->loadError.has_value());
        Alerts::setShared(&alerts);
        announcements = NotificationCenter::defaultCenter().observe(
            kPNCategoriesChanged, [this](const std::string&) { ++announced; });
    }
    void TearDown() override {
        window.reset();
        Alerts::setShared(nullptr);
        UserLocale::reset();
    }

    ObjectContext& ctx() { return sample->context; }
    PreferencePanes::Services services() {
        return {ctx(),
                [this] {
                    ++saves;
                    return !ctx().save().has_value();
                },
                alerts, CurrenciesFile::defaultPath()};
    }
    // The window with both panes, unanimated.
    void open() {
        window = std::make_unique<MBPreferencesController>(*defaults);
        window->setAnimated(false);
        PreferencePanes::showPreferencePanel(*window, services());
    }
    CategoriesController& categories() {
        return *dynamic_cast<CategoriesController*>(
            window->moduleForIdentifier(CategoriesController::kIdentifier));
    }
    CurrenciesController& currencies() {
        return *dynamic_cast<CurrenciesController*>(
            window->moduleForIdentifier(CurrenciesController::kIdentifier));
    }
    Category* category(const std::string& name) { return Category::findByName(name, ctx()); }
    CategoryGroup* group(const std::string& name) {
        return CategoryGroup::findFirstByPredicate(
            [&](const CategoryGroup& g) { return g.name() == name; }, ctx());
    }
    // The outline as shown: "Group: member member" or a loose category, in row order.
    Names outline() {
        const CategoriesModel& model = categories().model();
        Names rows;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex index = model.index(row, 0);
            std::string text = model.data(index, Qt::DisplayRole).toString().toStdString();
            if (model.groupAt(index) != nullptr) {
                text += ":";
                for (int child = 0; child < model.rowCount(index); ++child) {
                    text += " " + model.data(model.index(child, 0, index), Qt::DisplayRole)
                                      .toString()
                                      .toStdString();
                }
            }
            rows.push_back(text);
        }
        return rows;
    }
    // Selects the row of `object` and opens its name for editing; returns the editor.
    QLineEdit* edit(const QModelIndex& index) {
        QTreeView* view = categories().outlineView();
        view->setCurrentIndex(index);
        view->edit(index);
        return openEditor();
    }
    QLineEdit* openEditor() {
        for (QLineEdit* editor : categories().outlineView()->findChildren<QLineEdit*>()) {
            if (editor->isVisible()) {
                return editor;
            }
        }
        return nullptr;
    }
    // Types `name` over the editor's text and confirms it with Return. The editor commits on
    // a queued call, and a refusal's alert comes after the editor has closed.
    static void confirm(QLineEdit* editor, const QString& name) {
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        editor->insert(name);
        QTest::keyClick(editor, Qt::Key_Return);
        QApplication::processEvents();
        QApplication::processEvents();
    }
    std::map<std::string, std::string> balances() {
        std::map<std::string, std::string> text;
        for (const Account* account : Account::allInContext(ctx())) {
            text[account->name()] = account->balance().toString(2);
        }
        return text;
    }

    QTemporaryDir folder;
    std::unique_ptr<UserDefaults> defaults;
    std::unique_ptr<SampleCopy> sample;
    std::unique_ptr<MBPreferencesController> window;
    ScriptedAlerts alerts;
    NotificationObserver announcements;
    int announced = 0;
    int saves = 0;
};

// ---- The window ----

TEST_F(Preferences, FirstOpeningShowsCategoriesThenTheStoredPane) {
    open();
    ASSERT_EQ(window->modules().size(), 2u);
    EXPECT_EQ(window->currentModule()->identifier(), "CategoriesPane");
    EXPECT_EQ(window->window().windowTitle(), "Categories");
    EXPECT_TRUE(window->window().isVisible());
    QStringList labels;
    for (QAction* item : window->toolbar().actions()) {
        labels << item->text() + (item->isChecked() ? "*" : "");
    }
    EXPECT_EQ(labels, (QStringList{"Categories*", "Currencies"}));

    window->toolbar().actions().at(1)->trigger();
    EXPECT_EQ(window->window().windowTitle(), "Currencies");
    EXPECT_EQ(defaults->stringForKey(MBPreferencesController::kSelectionKey), "CurrenciesPane");
    // The window is its toolbar over the pane's view, and keeps its top edge.
    const QPoint topLeft = window->window().pos();
    const int currenciesHeight = window->window().height();
    window->showModule(CategoriesController::kIdentifier);
    QApplication::processEvents();
    EXPECT_EQ(window->window().pos(), topLeft);
    EXPECT_EQ(window->contentArea().size(), window->targetContentSize());
    EXPECT_EQ(window->window().height(),
              window->toolbar().height() + window->contentArea().height());
    EXPECT_NE(window->window().height(), currenciesHeight);
    window->showModule(CurrenciesController::kIdentifier);

    // A new run remembers the pane; an unknown stored identifier falls back to the first.
    open();
    EXPECT_EQ(window->currentModule()->identifier(), "CurrenciesPane");
    defaults->setValue(MBPreferencesController::kSelectionKey, "Gone");
    open();
    EXPECT_EQ(window->currentModule()->identifier(), "CategoriesPane");
}

TEST_F(Preferences, ReopenedStoreGetsNewPanesAndEditCategoriesShowsThatPane) {
    open();
    window->showModule(CurrenciesController::kIdentifier);
    // Opening the preferences again reads the categories from the store again.
    category("Gifts")->setName("Presents");
    PreferencePanes::showPreferencePanel(*window, services(), CategoriesController::kIdentifier);
    EXPECT_EQ(window->currentModule()->identifier(), "CategoriesPane");
    EXPECT_EQ(outline()[1], "Home: Household Phone & Internet Rent Utilities");
    EXPECT_EQ(outline()[4], "Presents");

    // The store goes: the panes go and the window closes; the next opening builds them anew.
    window->setModules({});
    EXPECT_TRUE(window->modules().empty());
    EXPECT_FALSE(window->window().isVisible());
    SampleCopy other(folder, "Other.xml");
    ASSERT_FALSE(other.loadError.has_value());
    PreferencePanes::showPreferencePanel(
        *window, {other.context, [] { return true; }, alerts, CurrenciesFile::defaultPath()});
    ASSERT_EQ(window->modules().size(), 2u);
    EXPECT_EQ(outline()[1], "Gifts");
    window->setModules({});
}

// ---- Models ----

TEST_F(Preferences, PaneModelsPassTheModelTesterThroughTheirChanges) {
    open();
    QAbstractItemModelTester categoriesTester(
        &categories().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester currenciesTester(
        &currencies().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    categories().addGroup();
    categories().addCategory();
    categories().dropCategories({category("Gifts")}, group("Food"));
    categories().reloadData();
    currencies().switchHomeCurrency(currencies().homeCurrencyMenu()->findText("Euros"));
    EXPECT_EQ(currencies().model().rowCount(),
              static_cast<int>(Currency::allInContext(ctx()).size()));
}

// ---- Categories ----

TEST_F(Preferences, OutlineShowsGroupsAndLooseCategoriesByName) {
    open();
    EXPECT_EQ(outline(),
              (Names{"Food: Dining Groceries", "Gifts",
                     "Home: Household Phone & Internet Rent "
                     "Utilities",
                     "Income: Interest Salary", "Personal: Clothing Entertainment Fitness Travel",
                     "Transfer", "Transport: Gas Public Transit"}));
    const QModelIndex gifts = categories().model().indexOf(category("Gifts"));
    EXPECT_EQ(categories().model().data(gifts.siblingAtColumn(1), Qt::DisplayRole).toInt(), 4);
}

TEST_F(Preferences, RenamingACategoryIsSavedAnnouncedAndUndoneInOneStep) {
    open();
    confirm(edit(categories().model().indexOf(category("Dining"))), "Takeaway");
    EXPECT_EQ(category("Takeaway")->numberOfUses(), 14u);
    EXPECT_EQ(outline().front(), "Food: Groceries Takeaway");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(announced, 1);
    EXPECT_FALSE(ctx().hasChanges());
    // The renamed row stays selected.
    EXPECT_EQ(categories().outlineView()->currentIndex(),
              categories().model().indexOf(category("Takeaway")));

    ctx().undo();
    EXPECT_NE(category("Dining"), nullptr);
    EXPECT_EQ(outline().front(), "Food: Dining Groceries");
}

TEST_F(Preferences, ANameThatClashesIsRefusedAndReopenedWithTheTypedText) {
    open();
    const struct {
        const char* row;
        const char* typed;
    } cases[] = {
        {"Dining", "groceries"},  // a category, another case
        {"Dining", "DINING"},     // its own name in another case
        {"Transport", "gifts"},   // a group cannot take a category's name
        {"Income", "Salary"},     // nor can the group named like the sample's income
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        alerts.shown.clear();
        const QModelIndex index = category(c.row) != nullptr
                                      ? categories().model().indexOf(category(c.row))
                                      : categories().model().indexOf(group(c.row));
        confirm(edit(index), c.typed);
        ASSERT_EQ(alerts.shown.size(), 1u);
        EXPECT_EQ(alerts.shown[0].message, QString("The name %1 has already been taken. Please "
                                                   "choose a different name")
                                               .arg(c.typed));
        EXPECT_EQ(alerts.shown[0].informativeText, "");
        QLineEdit* reopened = openEditor();
        ASSERT_NE(reopened, nullptr);
        EXPECT_EQ(reopened->text(), c.typed);
        QTest::keyClick(reopened, Qt::Key_Escape);
        EXPECT_TRUE(category(c.row) != nullptr || group(c.row) != nullptr);
    }
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(ctx().hasChanges());
}

TEST_F(Preferences, NewGroupStartsEditingAnEmptyNameThatMayStayEmpty) {
    open();
    categories().addGroup();
    QLineEdit* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "");
    confirm(editor, "");
    EXPECT_TRUE(alerts.shown.empty());
    EXPECT_NE(group(""), nullptr);
    EXPECT_EQ(outline().front(), ":");

    // Renaming a group keeps its categories.
    confirm(edit(categories().model().indexOf(group("Food"))), "Meals");
    EXPECT_EQ(group("Meals")->numberOfUses(), 33u);
}

TEST_F(Preferences, NewCategoryIsNamedByDefaultThenRenamedInPlace) {
    open();
    categories().addCategory();
    QLineEdit* editor = openEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "New Category");
    confirm(editor, "Books");
    EXPECT_NE(category("Books"), nullptr);
    EXPECT_EQ(category("New Category"), nullptr);
    EXPECT_FALSE(ctx().hasChanges());
}

TEST_F(Preferences, DeletingFollowsTheRulesWithTheirAlerts) {
    open();
    auto remove = [&](const QModelIndex& index, int answer) {
        alerts.shown.clear();
        alerts.answers = {answer};
        categories().outlineView()->setCurrentIndex(index);
        categories().removeButton()->click();
        return alerts.shown.empty() ? QString() : alerts.shown[0].message;
    };
    CategoriesModel& model = categories().model();
    EXPECT_EQ(remove(model.indexOf(category("Gifts")), 0),
              "Cannot delete this category because it is still used by some transactions.");
    EXPECT_EQ(alerts.shown[0].informativeText,
              "To delete this category, update all transactions using this category to use "
              "another category.");
    EXPECT_EQ(remove(model.indexOf(group("Food")), 0),
              "Cannot delete this group because it still contains categories.");
    EXPECT_NE(category("Gifts"), nullptr);
    EXPECT_NE(group("Food"), nullptr);
    EXPECT_EQ(saves, 0);

    categories().addCategory();
    QTest::keyClick(openEditor(), Qt::Key_Escape);
    const QString question = "Are you sure you want to delete this category?";
    EXPECT_EQ(remove(model.indexOf(category("New Category")), 1), question);
    EXPECT_EQ(alerts.shown[0].buttons, (QStringList{"Delete this Category", "Cancel"}));
    EXPECT_NE(category("New Category"), nullptr);
    EXPECT_EQ(remove(model.indexOf(category("New Category")), 0), question);
    EXPECT_EQ(category("New Category"), nullptr);

    categories().addGroup();
    QTest::keyClick(openEditor(), Qt::Key_Escape);
    EXPECT_EQ(remove(model.indexOf(group("")), 0), QString());
    EXPECT_EQ(group(""), nullptr);
    EXPECT_FALSE(ctx().hasChanges());

    // Each addition and deletion is its own undo step.
    ctx().undo();
    EXPECT_NE(group(""), nullptr);
    ctx().undo();
    EXPECT_EQ(group(""), nullptr);
    EXPECT_EQ(category("New Category"), nullptr);
    ctx().undo();
    EXPECT_NE(category("New Category"), nullptr);
}

TEST_F(Preferences, DraggingMovesCategoriesIntoAndOutOfAGroup) {
    open();
    CategoriesModel& model = categories().model();
    auto drag = [&](const std::vector<const char*>& names) {
        QModelIndexList indexes;
        for (const char* name : names) {
            indexes << (category(name) ? model.indexOf(category(name))
                                       : model.indexOf(group(name)));
        }
        return std::unique_ptr<QMimeData>(model.mimeData(indexes));
    };
    EXPECT_EQ(drag({"Food"}), nullptr);  // groups are not dragged

    std::unique_ptr<QMimeData> gifts = drag({"Gifts", "Food"});
    ASSERT_NE(gifts, nullptr);
    EXPECT_FALSE(model.canDropMimeData(gifts.get(), Qt::MoveAction, -1, 0,
                                       model.indexOf(category("Transfer"))));
    EXPECT_FALSE(
        model.canDropMimeData(gifts.get(), Qt::MoveAction, -1, 0, model.indexOf(category("Rent"))));
    EXPECT_TRUE(
        model.dropMimeData(gifts.get(), Qt::MoveAction, -1, 0, model.indexOf(group("Personal"))));
    EXPECT_EQ(category("Gifts")->group(), group("Personal"));
    EXPECT_EQ(outline()[3], "Personal: Clothing Entertainment Fitness Gifts Travel");
    EXPECT_EQ(announced, 1);

    // Onto the top level, between rows or below them all, takes it out of its group.
    std::unique_ptr<QMimeData> back = drag({"Gifts", "Rent"});
    EXPECT_TRUE(model.dropMimeData(back.get(), Qt::MoveAction, 1, 0, QModelIndex()));
    EXPECT_EQ(category("Gifts")->group(), nullptr);
    EXPECT_EQ(category("Rent")->group(), nullptr);
    EXPECT_EQ(saves, 2);
    EXPECT_FALSE(ctx().hasChanges());

    ctx().undo();
    EXPECT_EQ(category("Rent")->group(), group("Home"));
    EXPECT_EQ(category("Gifts")->group(), group("Personal"));
}

// ---- Currencies ----

TEST_F(Preferences, SwitchingTheHomeCurrencyAndBackKeepsEveryBalance) {
    open();
    CurrenciesController& pane = currencies();
    QComboBox* menu = pane.homeCurrencyMenu();
    auto header = [&] {
        return pane.model().headerData(CurrenciesModel::RateColumn, Qt::Horizontal,
                                       Qt::DisplayRole);
    };
    EXPECT_EQ(menu->itemText(0), "US Dollars");
    EXPECT_EQ(header(), "Units per USD");
    const std::map<std::string, std::string> before = balances();
    const std::string overall = Account::overallBalanceInContext(ctx()).toString(2);
    const QString euroRate =
        pane.model()
            .data(pane.model().index(menu->findText("Euros") - 1, CurrenciesModel::RateColumn),
                  Qt::DisplayRole)
            .toString();

    // Arrows and the wheel over the closed menu choose nothing by the way.
    QTest::keyClick(menu, Qt::Key_Down);
    menu->hidePopup();
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(menu, &wheel);
    EXPECT_EQ(menu->currentIndex(), 0);
    EXPECT_EQ(saves, 0);

    emit menu->activated(menu->findText("Euros"));
    EXPECT_EQ(Global::sharedInstanceInContext(ctx())->homeCurrency(), "EUR");
    EXPECT_EQ(menu->currentIndex(), 0);
    EXPECT_EQ(menu->itemText(0), "Euros");
    EXPECT_EQ(menu->findText("US Dollars") > 0, true);
    EXPECT_EQ(header(), "Units per EUR");
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(balances(), before);  // stored amounts are never converted
    const Account* euroAccount = Account::findFirstByPredicate(
        [](const Account& a) { return a.name() == "Euro Account"; }, ctx());
    EXPECT_EQ(euroAccount->currency(), nullptr);
    EXPECT_NE(Account::overallBalanceInContext(ctx()).toString(2), overall);

    // The first item is the home currency itself: choosing it changes nothing.
    emit menu->activated(0);
    EXPECT_EQ(saves, 1);

    emit menu->activated(menu->findText("US Dollars"));
    EXPECT_EQ(header(), "Units per USD");
    EXPECT_EQ(balances(), before);
    EXPECT_EQ(Account::overallBalanceInContext(ctx()).toString(2), overall);
    EXPECT_EQ(
        pane.model()
            .data(pane.model().index(menu->findText("Euros") - 1, CurrenciesModel::RateColumn),
                  Qt::DisplayRole)
            .toString(),
        euroRate);

    // Undo takes back one switch at a time, and the pane follows.
    ctx().undo();
    EXPECT_EQ(Global::sharedInstanceInContext(ctx())->homeCurrency(), "EUR");
    EXPECT_EQ(header(), "Units per EUR");
    EXPECT_EQ(menu->itemText(0), "Euros");
}

}  // namespace

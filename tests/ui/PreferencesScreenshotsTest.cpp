// Renders the preferences window's two panes over a copy of the sample store to
// build/screenshots/; run with QT_SCALE_FACTOR=2 for the "@2x" pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>

#include "ShellFixture.h"
#include "UiTestApplication.h"
#include "base/Log.h"
#include "base/UserLocale.h"
#include "ledger/Category.h"
#include "ledger/CategoryGroup.h"
#include "ledger/CurrenciesFile.h"
#include "ledger/CurrencyUpdater.h"
#include "session/ApplicationModel.h"
#include "session/FileStores.h"
#include "store/ObjectContext.h"
#include "ui/common/UserDefaults.h"
#include "ui/preferences/CategoriesController.h"
#include "ui/preferences/CategoriesModel.h"
#include "ui/preferences/CurrenciesController.h"
#include "ui/preferences/MBPreferencesController.h"
#include "ui/preferences/PreferencePanes.h"

namespace {

void saveShot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
    const QString suffix = qApp->devicePixelRatio() > 1.0 ? QStringLiteral("@2x") : QString();
    widget.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/") + name + suffix + ".png");
}

TEST(PreferencesScreenshots, CategoriesAndCurrenciesPanesOnTheSample) {
    ensureUiTestApplication();
    UserLocale::set("en_US");
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("Sample.xml");
    QFile::copy(QString::fromStdString(FileStores::sampleResourcePath()), path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    ObjectContext context(ApplicationModel::shared());
    context.setPersistentStore(FileStores::make(StoreKind::XML, path.toStdString()));
    ASSERT_FALSE(context.persistentStore()->load(context).has_value());
    setLogSink([](std::string_view) {});
    ASSERT_FALSE(
        CurrencyUpdater(context, CurrenciesFile::defaultPath()).updateCurrencies().saveError);
    setLogSink(nullptr);
    UserDefaults defaults(folder.filePath("settings.ini"));
    ScriptedAlerts alerts;

    MBPreferencesController preferences(defaults);
    preferences.setAnimated(false);
    PreferencePanes::showPreferencePanel(
        preferences, {context, [] { return true; }, alerts, CurrenciesFile::defaultPath()});

    auto& categories = *dynamic_cast<CategoriesController*>(
        preferences.moduleForIdentifier(CategoriesController::kIdentifier));
    QTreeView* outline = categories.outlineView();
    outline->collapseAll();
    const CategoryGroup* food = CategoryGroup::findFirstByPredicate(
        [](const CategoryGroup& g) { return g.name() == "Food"; }, context);
    const QModelIndex foodRow = categories.model().indexOf(food);
    outline->expand(foodRow);
    outline->setCurrentIndex(categories.model().index(1, 0, foodRow));
    saveShot(preferences.window(), "preferences-categories");

    preferences.showModule(CurrenciesController::kIdentifier);
    auto& currencies = *dynamic_cast<CurrenciesController*>(
        preferences.moduleForIdentifier(CurrenciesController::kIdentifier));
    QTableView* table = currencies.tableView();
    table->selectRow(60);
    table->scrollTo(table->model()->index(60, 0), QAbstractItemView::PositionAtCenter);
    saveShot(preferences.window(), "preferences-currencies");
    EXPECT_GT(table->verticalScrollBar()->value(), 0);
    UserLocale::reset();
}

}  // namespace

#include "ui/preferences/PreferencePanes.h"

#include "ui/preferences/CategoriesController.h"
#include "ui/preferences/CurrenciesController.h"
#include "ui/preferences/MBPreferencesController.h"

std::vector<std::unique_ptr<PreferencesModule>> PreferencePanes::makeModules(
    const Services& services) {
    std::vector<std::unique_ptr<PreferencesModule>> modules;
    modules.push_back(
        std::make_unique<CategoriesController>(services.context, services.save, services.alerts));
    modules.push_back(std::make_unique<CurrenciesController>(services.context, services.save,
                                                             services.currenciesFile));
    return modules;
}

void PreferencePanes::showPreferencePanel(MBPreferencesController& preferences,
                                          const Services& services, const QString& paneIdentifier) {
    if (preferences.modules().empty()) {
        preferences.setModules(makeModules(services));
    } else if (auto* categories = dynamic_cast<CategoriesController*>(
                   preferences.moduleForIdentifier(CategoriesController::kIdentifier))) {
        categories->reloadData();
    }
    if (!paneIdentifier.isEmpty()) {
        preferences.showModule(paneIdentifier);
    }
    preferences.showWindow();
}

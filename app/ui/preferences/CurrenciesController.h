#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/NotificationCenter.h"
#include "ui/preferences/PreferencesModule.h"

class QComboBox;
class QTableView;
class CurrenciesModel;
class ObjectContext;

// The currencies pane: the exchange rates of every currency against the home currency, and
// the menu that chooses the home currency. Its first item stands for the current home
// currency; choosing another makes that one the home currency (one undo step), which
// re-expresses every account and every total, then the pane is set up again, saves through
// the function its creator gives, and posts PNCategoriesChanged so that the open views show
// the new home currency. It sets itself up again after undo and redo.
class CurrenciesController final : public PreferencesModule {
    Q_OBJECT
public:
    static inline const QString kIdentifier = QStringLiteral("CurrenciesPane");

    // `currenciesFile`: the currencies file the store's currencies come from.
    // REQUIRES: `context` outlives the pane.
    CurrenciesController(ObjectContext& context, std::function<bool()> save,
                         std::string currenciesFile);
    ~CurrenciesController() override;

    // ---- PreferencesModule ----
    QString identifier() const override { return kIdentifier; }
    QString title() const override;
    QIcon image() const override;
    QWidget* view() override;

    // ---- Commands ----
    // Refills the home-currency menu (the home currency's name first, then every currency by
    // name), selects its first item, and reads the table and its rate header again.
    void resetHomeCurrencySettings();
    // The menu's action: makes the currency of item `menuIndex` the home currency (item 0,
    // the home currency itself, changes nothing).
    void switchHomeCurrency(int menuIndex);

    // ---- State, for tests ----
    CurrenciesModel& model() const { return *m_model; }
    QTableView* tableView() const { return m_tableView; }
    QComboBox* homeCurrencyMenu() const { return m_homeCurrencyMenu; }

protected:
    // A closed home-currency menu opens on keys and ignores the wheel, so that no arrow press
    // or scroll over it switches the home currency by the way.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildView();

    ObjectContext& m_context;
    std::function<bool()> m_save;
    std::string m_currenciesFile;
    std::unique_ptr<QWidget> m_view;
    CurrenciesModel* m_model = nullptr;
    QTableView* m_tableView = nullptr;
    QComboBox* m_homeCurrencyMenu = nullptr;
    NotificationObserver m_undoObserver;
    NotificationObserver m_redoObserver;
};

#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <deque>
#include <memory>
#include <ostream>
#include <vector>

#include "base/Date.h"
#include "session/ApplicationModel.h"
#include "store/ObjectContext.h"
#include "ui/common/Alerts.h"
#include "ui/common/MainWindowHost.h"
#include "ui/common/UrlOpener.h"
#include "ui/common/UserDefaults.h"
#include "ui/scheduled/ScheduledController.h"

class QComboBox;
class Account;
class Category;
class InMemoryStore;
class ScheduledItem;

// Failures print texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Answers alerts from a script of answers (button and suppression box) and keeps what they
// said; the default button, unticked, once the script runs out.
class AnsweringAlerts final : public Alerts {
public:
    AlertAnswer run(const AlertContent& content, QWidget* parent) override;
    // Message and informative text of every alert shown, in order.
    QStringList texts() const;
    std::vector<AlertContent> shown;
    std::deque<AlertAnswer> answers;
};

// Keeps the addresses it was asked to open.
class RecordingUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};

// The main window as the scheduled list sees it: the fixture's store, window, alerts and
// settings; it counts saves and keeps what the list asked to select.
class TestHost final : public MainWindowHost {
public:
    TestHost(ObjectContext& context, QWidget& window, Alerts& alerts, UserDefaults& defaults)
        : m_context(context), m_window(window), m_alerts(alerts), m_defaults(defaults) {}

    ObjectContext& context() override { return m_context; }
    Node& accountsRoot() override { return *root; }
    QWidget& window() override { return m_window; }
    Alerts& alerts() override { return m_alerts; }
    UserDefaults& defaults() override { return m_defaults; }
    bool save() override;
    void updateAllViews() override { ++viewUpdates; }
    void reloadSourceList() override {}
    void selectSourceListItem(const SourceListItem& item) override { selected.push_back(item); }
    void setStatusMessage(const QString&) override {}
    void showPreferences() override {}
    void editCategories() override {}
    void revealScheduledItem(ScheduledItem& item) override { revealed.push_back(&item); }

    Node* root = nullptr;
    int saves = 0;
    int viewUpdates = 0;
    std::vector<SourceListItem> selected;
    std::vector<ScheduledItem*> revealed;

private:
    ObjectContext& m_context;
    QWidget& m_window;
    Alerts& m_alerts;
    UserDefaults& m_defaults;
};

// A store in memory on 15 March 2026 (en_US) with the accounts "Checking" and "Reserve" and a
// category, a window for the sheets, settings in a temporary folder, scripted alerts and a
// recording URL opener; the scheduled list is made on first use.
class ScheduledUiFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A monthly item (or weekly, or with no repeat type) paid from checking.
    ScheduledItem* addItem(const char* title, Date due, const char* amount,
                           const char* repeatType = "Month");
    ScheduledController& list();
    // The titles of the list's rows, top to bottom.
    QStringList listedTitles();
    // "date amount kind" per transaction of the account, sorted; kind "real" or "generated".
    static QStringList transactionsOf(const Account& account);
    // Picks the item of `tag` as a person would.
    static void choose(QComboBox* popUp, int tag);

    static Date ymd(int y, int m, int d) { return Date::dateWithYear_PN(y, m, d); }

    QTemporaryDir m_folder;
    std::unique_ptr<UserDefaults> m_defaults;
    AnsweringAlerts m_alerts;
    RecordingUrlOpener m_urls;
    ObjectContext m_context{ApplicationModel::shared()};
    InMemoryStore* m_memory = nullptr;
    Account* m_checking = nullptr;
    Account* m_reserve = nullptr;
    Category* m_utilities = nullptr;
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<TestHost> m_host;
    std::unique_ptr<ScheduledController> m_list;
};

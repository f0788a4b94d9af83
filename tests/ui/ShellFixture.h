#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "session/StoreSession.h"
#include "ui/common/Alerts.h"

class ApplicationDelegate;
class MainMenu;
class ObjectContext;
class UserDefaults;
class QDialog;

// Answers alerts from a script and remembers what they said.
class ScriptedAlerts final : public Alerts {
public:
    AlertAnswer run(const AlertContent& content, QWidget* parent) override;
    std::vector<AlertContent> shown;
    std::deque<int> answers;  // button per alert; 0 (default) when the script runs out
};

// The whole desktop shell on the program's store files in a temporary data folder, with
// settings there too and scripted alerts. The sample is the shipped sample store.
class ShellFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the delegate and the menus and runs awakeFromNib.
    void start();
    ObjectContext& context();
    // Runs `answer` on the next modal dialog once it is on screen (ends it if `answer` does not).
    static void whenDialogShows(std::function<void(QDialog&)> answer);
    // Grabs `widget` to build/screenshots/<name>.png.
    static void saveScreenshot(QWidget& widget, const QString& name);

    QTemporaryDir m_folder;
    std::unique_ptr<UserDefaults> m_defaults;
    ScriptedAlerts m_alerts;
    // How often the store of each kind was opened.
    int openCount(StoreKind kind) const {
        return kind == StoreKind::SQLite ? m_sqliteOpens : m_xmlOpens;
    }
    int m_sqliteOpens = 0;
    int m_xmlOpens = 0;
    std::unique_ptr<ApplicationDelegate> m_delegate;
    MainMenu* m_menu = nullptr;
};

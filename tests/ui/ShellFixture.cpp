#include "ShellFixture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>

#include "UiTestApplication.h"
#include "base/Clock.h"
#include "base/UserLocale.h"
#include "session/FileStores.h"
#include "store/ObjectContext.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainMenu.h"

AlertAnswer ScriptedAlerts::run(const AlertContent& content, QWidget*) {
    shown.push_back(content);
    AlertAnswer answer;
    if (!answers.empty()) {
        answer.button = answers.front();
        answers.pop_front();
    }
    return answer;
}

void ShellFixture::SetUp() {
    ensureUiTestApplication();
    Clock::setFixedToday(Date::dateWithYear_PN(2026, 3, 15));
    UserLocale::set("en_US");
    ASSERT_TRUE(m_folder.isValid());
    m_defaults = std::make_unique<UserDefaults>(m_folder.filePath("settings.ini"));
    m_defaults->registerDefaults(DefaultsKeys::registeredDefaults());
    Alerts::setShared(&m_alerts);
}

void ShellFixture::TearDown() {
    m_delegate.reset();
    Alerts::setShared(nullptr);
    UserLocale::reset();
    Clock::reset();
}

void ShellFixture::start() {
    StoreSession::Options options = FileStores::sessionOptions();
    options.dataFolder = m_folder.filePath("Pennora").toStdString();
    options.makeStore = [this](StoreKind kind, const std::string& path) {
        ++(kind == StoreKind::SQLite ? m_sqliteOpens : m_xmlOpens);
        return FileStores::make(kind, path);
    };
    m_delegate = std::make_unique<ApplicationDelegate>(std::move(options), *m_defaults);
    m_menu = new MainMenu(*m_delegate);
    m_delegate->awakeFromNib();
}

ObjectContext& ShellFixture::context() {
    return *m_delegate->managedObjectContext();
}

void ShellFixture::whenDialogShows(std::function<void(QDialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
        if (dialog->isVisible()) {
            dialog->done(0);
        }
    });
}

void ShellFixture::saveScreenshot(QWidget& widget, const QString& name) {
    // Pending layout changes (a hidden toolbar strip) take effect first.
    QApplication::processEvents();
    QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
    // At QT_SCALE_FACTOR=2 the pictures are "<name>@2x.png".
    const QString suffix = widget.devicePixelRatioF() > 1.5 ? QStringLiteral("@2x") : QString();
    widget.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/") + name + suffix + ".png");
}

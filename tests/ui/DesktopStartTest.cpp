// The desktop program's start: its command-line answers, a first start in a data home that
// does not exist yet, and internal failures during the start.
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <optional>
#include <string>

#include "ProcessRunner.h"
#include "ShellFixture.h"
#include "base/AssertionFailure.h"
#include "session/FileStores.h"
#include "ui/common/DefaultsKeys.h"
#include "ui/common/UserDefaults.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/DesktopLaunch.h"
#include "ui/shell/MainMenu.h"
#include "ui/shell/MainWindow.h"

namespace {

// Runs the desktop program as a terminal user would, with no display to open a window on.
ProcessResult desktop(const std::string& option) {
    return runProcess(PENNORA_DESKTOP_PATH, {option},
                      {{"QT_QPA_PLATFORM", std::nullopt},
                       {"DISPLAY", std::nullopt},
                       {"WAYLAND_DISPLAY", std::nullopt}});
}

TEST(DesktopProcess, HelpAndVersionArePrintedBeforeAnyWindow) {
    for (const char* option : {"--help", "-h"}) {
        SCOPED_TRACE(option);
        const ProcessResult help = desktop(option);
        EXPECT_EQ(help.exitStatus, 0) << help.err;
        EXPECT_EQ(help.out.rfind("usage: pennora [--help] [--version]\n", 0), 0u) << help.out;
    }
    const ProcessResult version = desktop("--version");
    EXPECT_EQ(version.exitStatus, 0) << version.err;
    EXPECT_EQ(version.out, "pennora 0.1.0\n");
}

TEST(DesktopLaunch, OnlyHelpAndVersionAreAnsweredOnTheCommandLine) {
    EXPECT_FALSE(DesktopLaunch::commandLineAnswer({}));
    EXPECT_FALSE(DesktopLaunch::commandLineAnswer({"-platform", "offscreen"}));
    EXPECT_EQ(DesktopLaunch::commandLineAnswer({"-platform", "offscreen", "--version"}),
              "pennora 0.1.0\n");
    EXPECT_EQ(DesktopLaunch::commandLineAnswer({"-h"}),
              DesktopLaunch::commandLineAnswer({"--help"}));
}

class DesktopStart : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        if (const char* old = std::getenv("XDG_DATA_HOME")) {
            m_oldDataHome = old;
        }
    }
    void TearDown() override {
        if (m_oldDataHome) {
            ::setenv("XDG_DATA_HOME", m_oldDataHome->c_str(), 1);
        } else {
            ::unsetenv("XDG_DATA_HOME");
        }
        ShellFixture::TearDown();
    }
    // Starts the program's delegate on the user's data folder under `dataHome`.
    void startInDataHome(const QString& dataHome) {
        ::setenv("XDG_DATA_HOME", dataHome.toUtf8().constData(), 1);
        m_delegate =
            std::make_unique<ApplicationDelegate>(FileStores::sessionOptions(), *m_defaults);
        m_menu = new MainMenu(*m_delegate);
        m_delegate->awakeFromNib();
    }
    std::optional<std::string> m_oldDataHome;
};

// A new account has no ~/.local/share yet, or XDG_DATA_HOME names a folder still to be made.
TEST_F(DesktopStart, AFirstStartMakesTheWholeDataFolderPath) {
    m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);
    const QString dataHome = m_folder.filePath("not/made/yet");
    startInDataHome(dataHome);
    EXPECT_TRUE(m_delegate->window().isVisible());
    EXPECT_TRUE(QFileInfo::exists(dataHome + "/Pennora/Database.pennorasql"));
    EXPECT_TRUE(m_alerts.shown.empty());
}

TEST_F(DesktopStart, AnInternalFailureDuringTheStartIsShownAndStopsTheStart) {
    bool ran = false;
    EXPECT_TRUE(DesktopLaunch::runStartStep([&ran] { ran = true; }, m_alerts));
    EXPECT_TRUE(ran);
    EXPECT_TRUE(m_alerts.shown.empty());

    EXPECT_FALSE(DesktopLaunch::runStartStep(
        [] { PN_ASSERTION_FAILURE("Failed to create App Support folder /x : Not a directory"); },
        m_alerts));
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    const AlertContent& alert = m_alerts.shown.front();
    EXPECT_EQ(alert.message, "Pennora could not start.");
    EXPECT_TRUE(alert.informativeText.startsWith(
        "Failed to create App Support folder /x : Not a directory (DesktopStartTest.cpp:"))
        << alert.informativeText.toStdString();
    EXPECT_EQ(alert.buttons, QStringList({"Quit"}));
    EXPECT_EQ(alert.style, AlertContent::Style::Critical);

    // A data home that cannot be made gives that failure at a real start.
    m_defaults->setBool(DefaultsKeys::kShouldShowWelcomeScreen, false);
    const QString file = m_folder.filePath("a file");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_FALSE(DesktopLaunch::runStartStep([&] { startInDataHome(file); }, m_alerts));
    ASSERT_EQ(m_alerts.shown.size(), 2u);
    EXPECT_TRUE(m_alerts.shown.back().informativeText.startsWith(
        "Failed to create App Support folder " + file + "/Pennora : "));
}

}  // namespace

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "UiTestApplication.h"
#include "ui/common/UserDefaults.h"

namespace {

class UserDefaultsTest : public testing::Test {
protected:
    void SetUp() override {
        ensureUiTestApplication();
        ASSERT_TRUE(m_folder.isValid());
    }
    QString path() const { return m_folder.filePath("settings.ini"); }

    QTemporaryDir m_folder;
};

TEST_F(UserDefaultsTest, RegisteredValueAnswersUntilTheUserSetsTheKey) {
    UserDefaults defaults(path());
    defaults.registerDefaults({{"PNShouldShowWelcomeScreen", true}, {"Other", 3}});
    EXPECT_TRUE(defaults.boolForKey("PNShouldShowWelcomeScreen"));
    EXPECT_EQ(defaults.integerForKey("Other"), 3);
    EXPECT_FALSE(defaults.boolForKey("NeverRegistered"));

    defaults.setBool("PNShouldShowWelcomeScreen", false);
    EXPECT_FALSE(defaults.boolForKey("PNShouldShowWelcomeScreen"));

    defaults.removeKey("PNShouldShowWelcomeScreen");
    EXPECT_TRUE(defaults.boolForKey("PNShouldShowWelcomeScreen"));
}

TEST_F(UserDefaultsTest, KeepsUserValuesAcrossRunsButNeverWritesRegisteredOnes) {
    {
        UserDefaults defaults(path());
        defaults.registerDefaults({{"PNShouldShowBudgetHelp", true}});
        defaults.setBool("PNShouldShowPaymentNotice", false);
        defaults.synchronize();
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_TRUE(written.contains("PNShouldShowPaymentNotice"));
    EXPECT_FALSE(written.contains("PNShouldShowBudgetHelp"));

    UserDefaults nextRun(path());
    nextRun.registerDefaults({{"PNShouldShowPaymentNotice", true}});
    EXPECT_FALSE(nextRun.boolForKey("PNShouldShowPaymentNotice"));
}

}  // namespace

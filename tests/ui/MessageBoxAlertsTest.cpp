#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "UiTestApplication.h"
#include "ui/common/MessageBoxAlerts.h"

namespace {

// Runs `answer` on the alert once it is on screen.
void whenAlertShows(std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(*box);
    });
}

QPushButton* buttonTitled(QMessageBox& box, const QString& title) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == title) {
            return qobject_cast<QPushButton*>(button);
        }
    }
    return nullptr;
}

AlertContent deleteAccountAlert() {
    return {.message = "Are you sure you want to delete this account?",
            .informativeText = "All transactions within the account will be deleted as well.",
            .buttons = {"Delete", "Cancel"},
            .suppressionText = "Do not show this message again",
            .style = AlertContent::Style::Warning};
}

class MessageBoxAlertsTest : public testing::Test {
protected:
    void SetUp() override { ensureUiTestApplication(); }
    MessageBoxAlerts m_alerts;
};

TEST_F(MessageBoxAlertsTest, ShowsTheTextsAndReportsTheButtonAndSuppressionBox) {
    whenAlertShows([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Are you sure you want to delete this account?");
        EXPECT_EQ(box.informativeText(),
                  "All transactions within the account will be deleted as well.");
        EXPECT_EQ(box.defaultButton(), buttonTitled(box, "Delete"));
        ASSERT_NE(box.checkBox(), nullptr);
        box.checkBox()->setChecked(true);
        QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
        box.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/alert-delete-account.png"));
        buttonTitled(box, "Cancel")->click();
    });
    const AlertAnswer answer = m_alerts.run(deleteAccountAlert(), nullptr);
    EXPECT_EQ(answer.button, 1);
    EXPECT_TRUE(answer.suppressed);
}

TEST_F(MessageBoxAlertsTest, ReturnChoosesTheDefaultAndEscapeTheAlternate) {
    struct Case {
        int key;
        int expectedButton;
    };
    for (const Case c : {Case{Qt::Key_Return, 0}, Case{Qt::Key_Escape, 1}}) {
        SCOPED_TRACE(c.key);
        whenAlertShows([key = c.key](QMessageBox& box) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QApplication::sendEvent(&box, &press);
        });
        const AlertAnswer answer = m_alerts.run(deleteAccountAlert(), nullptr);
        EXPECT_EQ(answer.button, c.expectedButton);
        EXPECT_FALSE(answer.suppressed);
    }
}

TEST_F(MessageBoxAlertsTest, AlertWithoutButtonsOffersOkAndNoSuppressionBox) {
    whenAlertShows([](QMessageBox& box) {
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.checkBox(), nullptr);
        box.buttons().front()->click();
    });
    const AlertAnswer answer = m_alerts.run(
        {.message = "Account group cannot be deleted because it still contains accounts."},
        nullptr);
    EXPECT_EQ(answer.button, 0);
}

}  // namespace

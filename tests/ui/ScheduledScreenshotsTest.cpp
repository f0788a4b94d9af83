// Renders the scheduled list on the sample store, its editor sheet, the pay sheet and the
// reminder alert to build/screenshots/ for a person to look at; run with QT_SCALE_FACTOR=2 for
// the "@2x" pictures.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include "ShellFixture.h"
#include "WidgetInput.h"
#include "ledger/Account.h"
#include "scheduled/ScheduledItem.h"
#include "ui/common/AmountField.h"
#include "ui/common/CurrencyField.h"
#include "ui/common/MessageBoxAlerts.h"
#include "ui/common/UserDefaults.h"
#include "ui/scheduled/OnRow.h"
#include "ui/scheduled/PayController.h"
#include "ui/scheduled/ScheduledController.h"
#include "ui/scheduled/ScheduledDueHandler.h"
#include "ui/scheduled/ScheduledListModel.h"
#include "ui/scheduled/ScheduledSheetController.h"
#include "ui/shell/AppController.h"
#include "ui/shell/ApplicationDelegate.h"
#include "ui/shell/MainWindow.h"
#include "ui/welcome/WelcomeController.h"

namespace {

void saveShot(QWidget& widget, const QString& name) {
    QApplication::processEvents();
    QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
    const QString suffix = qApp->devicePixelRatio() > 1.0 ? QStringLiteral("@2x") : QString();
    widget.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/") + name + suffix + ".png");
}

void choose(QComboBox* popUp, int tag) {
    popUp->setCurrentIndex(popUp->findData(tag));
    emit popUp->activated(popUp->currentIndex());
}

class ScheduledScreenshots : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        start();
        m_delegate->welcomeController().showSample();
        m_delegate->sizeForScreenshot();
        QApplication::processEvents();
        AppController& mainWindow = m_delegate->appController();
        mainWindow.switchToScheduled();
        m_list = &mainWindow.router().controllerAs<ScheduledController>(ContentView::ScheduledList);
    }

    ScheduledController* m_list = nullptr;
};

TEST_F(ScheduledScreenshots, ListEditorPaySheetAndReminder) {
    saveShot(m_delegate->window(), "scheduled-main-window-sample");
    QWidget& list = *m_list->view();
    m_list->selectItem(*m_list->model().itemAt(2));
    saveShot(list, "scheduled-list-sample");
    // The sample's earliest item falls due today.
    EXPECT_TRUE(m_list->model()
                    .index(0, ScheduledListModel::DueDateColumn)
                    .data(ScheduledListModel::DueRole)
                    .toBool());

    m_list->add();
    ScheduledSheetController& sheet = *m_list->editor();
    sheet.titleField()->setText("Car Loan");
    sheet.amountField()->amountField()->setValue(Decimal::fromString("-245.5"));
    emit sheet.amountField()->amountField()->amountChanged();
    sheet.transferCheckBox()->click();
    sheet.reminderCheckBox()->click();
    sheet.reminderDaysField()->setValue(5);
    sheet.addressField()->setText("www.examplebank.com/loans");
    saveShot(sheet, "scheduled-editor-monthly-transfer");

    choose(sheet.repeatTypePopUp(), RepeatForm::kWeeklyTag);
    sheet.intervalField()->setValue(2);
    sheet.customRulesButton()->click();
    sheet.onRows()[0]->addButton()->click();
    choose(sheet.onRows()[1]->popUp(), 6);
    choose(sheet.endsPopUp(), RepeatForm::kEndsAfterTag);
    sheet.notesButton()->click();
    sheet.noteField()->setText("Last payment is smaller");
    saveShot(sheet, "scheduled-editor-custom-rules");
    choose(sheet.repeatTypePopUp(), RepeatForm::kMonthlyTag);
    sheet.customRulesButton()->click();
    saveShot(sheet, "scheduled-editor-monthly-rules");
    sheet.cancel();

    ScheduledItem* power = m_list->model().itemAt(0);
    power->setPaymentURL(std::string("https://www.citypower.example/residents/pay/"));
    m_list->payItem(*power);
    saveShot(*m_list->payController(), "scheduled-pay-sheet-link");
    m_list->payController()->cancel();
    power->setPaymentURL(std::nullopt);
    power->setPaymentInstructions(std::string(
        "Leave a cheque made out to City Power & Light in the box at the town hall, with the "
        "meter number on the back."));
    m_list->payItem(*power);
    saveShot(*m_list->payController(), "scheduled-pay-sheet-instructions");
    m_list->payController()->cancel();

    // The reminder alert as the desktop shows it: a title of 25 characters and one of 26.
    ScheduledItem* payroll = m_list->model().itemAt(1);
    payroll->setTitle("Twenty-six characters long");
    payroll->setReminderDays(5);
    ScheduledItem* rent = m_list->model().itemAt(2);
    rent->setTitle("Greenleaf Property Rent 1");
    rent->setReminderDays(10);
    MessageBoxAlerts boxes;
    ScheduledDueHandler due(context(), boxes, [this] { return m_delegate->save(); });
    bool shown = false;
    whenDialogShows([&shown](QDialog& alert) {
        shown = true;
        saveShot(alert, "scheduled-reminder-alert");
    });
    due.showReminders();
    EXPECT_TRUE(shown);
}

}  // namespace

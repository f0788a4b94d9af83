#include "ui/importing/ImportController.h"

#include <QComboBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include "base/Log.h"
#include "import/ImportSession.h"
#include "ledger/Account.h"
#include "ui/common/Alerts.h"
#include "ui/common/BulkChangeSnapshot.h"
#include "ui/common/FilePicker.h"
#include "ui/common/UrlOpener.h"
#include "ui/importing/ImportDateOrderPage.h"
#include "ui/importing/ImportMainPage.h"
#include "ui/importing/ImportProgressPage.h"
#include "ui/importing/ImportProgressView.h"
#include "ui/importing/ImportSettingsPage.h"
#include "ui/importing/ImportSheet.h"
#include "ui/importing/ImportStatementPage.h"
#include "ui/importing/ImportSummaryPage.h"

namespace {

using Page = ImportSession::Page;
using StatementRead = ImportSession::StatementRead;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ImportController::ImportController(QWidget& window, Alerts& alerts, FilePicker& picker,
                                   UrlOpener& urls)
    : m_window(window), m_alerts(alerts), m_picker(picker), m_urls(urls) {
    m_sheet = std::make_unique<ImportSheet>(&window);
    connectPages();
}

ImportController::~ImportController() {
    setStepping(false);
}

void ImportController::setStepping(bool stepping) {
    if (stepping == m_stepping) {
        return;
    }
    m_stepping = stepping;
    if (stepping) {
        emit importStarted();
    } else {
        emit importEnded();
    }
}

void ImportController::connectPages() {
    ImportSheet& sheet = *m_sheet;
    ImportMainPage& main = *sheet.mainView();
    connect(main.chooseButton(), &QPushButton::clicked, this, [this] { chooseFile(); });
    connect(main.importButton(), &QPushButton::clicked, this, [this] { import(); });
    connect(main.cancelButton(), &QPushButton::clicked, this, [this] { closeSheet(0); });
    connect(main.settingsButton(), &QPushButton::clicked, this, [this] { showSettings(); });
    connect(main.learnMoreLink(), &QLabel::linkActivated, this,
            [this] { m_urls.open(QUrl(QStringLiteral("https://pennora.org/help/import"))); });
    connect(sheet.settingsView()->saveButton(), &QPushButton::clicked, this,
            [this] { saveSettings(); });
    connect(sheet.settingsView()->cancelButton(), &QPushButton::clicked, this,
            [this] { showMainPage(); });
    connect(sheet.dateOrderView()->continueButton(), &QPushButton::clicked, this,
            [this] { continueFromDateOrder(); });
    connect(sheet.dateOrderView()->cancelButton(), &QPushButton::clicked, this,
            [this] { cancelFromDialog(); });
    connect(sheet.accountSelectionView()->continueButton(), &QPushButton::clicked, this,
            [this] { continueFromAccountSelector(); });
    connect(sheet.accountSelectionView()->cancelButton(), &QPushButton::clicked, this,
            [this] { cancelFromDialog(); });
    connect(sheet.progressView()->cancelButton(), &QPushButton::clicked, this,
            [this] { cancelImport(); });
    connect(sheet.summaryView()->doneButton(), &QPushButton::clicked, this,
            [this] { closeSheet(1); });
    connect(&sheet, &ImportSheet::escapePressed, this, [this] { escapePressed(); });
}

void ImportController::showImportSheetForAccount(Account& account) {
    ++m_generation;
    m_reading = false;
    setStepping(false);
    m_session = std::make_unique<ImportSession>(account);
    m_session->setEntriesPerStep(kEntriesPerStep);
    m_loggedLines = 0;
    ImportMainPage& main = *m_sheet->mainView();
    main.fileField()->clear();
    main.importButton()->setEnabled(false);
    main.startDateField()->setText(fromStd(m_session->startDateText()));
    m_sheet->showView(&main);
    m_sheet->open();
    main.chooseButton()->setFocus();
}

void ImportController::chooseFile() {
    const std::optional<QString> path =
        m_picker.openFile(m_sheet.get(), tr("Choose a Statement File"),
                          {tr("Statements (*.ofx *.qfx *.qif *.OFX *.QFX *.QIF)")});
    if (!path) {
        return;
    }
    m_session->chooseFile(path->toStdString());
    m_sheet->mainView()->fileField()->setText(*path);
    m_sheet->mainView()->importButton()->setEnabled(true);
    m_sheet->mainView()->importButton()->setFocus();
}

void ImportController::import() {
    if (!m_session || !m_session->canImport() || isBusy()) {
        return;
    }
    BulkChangeSnapshot::before(SnapshotReason::StatementImport);
    if (m_session->needsReading()) {
        readFileInBackground();
        return;
    }
    m_session->import();
    showSessionPage();
}

void ImportController::readFileInBackground() {
    const std::string path = *m_session->filename();
    const unsigned generation = ++m_generation;
    m_reading = true;
    ImportProgressPage& page = *m_sheet->progressView();
    page.progress()->showReading(path);
    page.cancelButton()->setEnabled(true);
    m_sheet->showView(&page);

    auto* watcher = new QFutureWatcher<StatementRead>(this);
    connect(watcher, &QFutureWatcher<StatementRead>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        StatementRead read = watcher->future().takeResult();
        if (generation != m_generation) {
            return;  // cancelled, or the sheet was opened again
        }
        m_reading = false;
        m_session->import(std::move(read));
        showSessionPage();
    });
    watcher->setFuture(
        QtConcurrent::run([path] { return ImportSession::readStatementFile(path); }));
}

void ImportController::cancelImport() {
    if (m_reading) {
        m_reading = false;
    } else if (m_stepping && m_session->page() == Page::Importing && !onlySaveLeft()) {
        m_session->cancelImport();
        setStepping(false);
    } else {
        return;
    }
    ++m_generation;
    showMainPage();
}

void ImportController::showSessionPage() {
    writeSessionLog();
    switch (m_session->page()) {
        case Page::Main:
            showMainPage();
            break;
        case Page::StatementChoice:
            showAccountSelector();
            break;
        case Page::DateOrder:
            showDateOrderPrompt();
            break;
        case Page::Importing:
            showImportProgress();
            QTimer::singleShot(0, this,
                               [this, generation = m_generation] { importNextStep(generation); });
            return;  // the alert, if any, comes with the page the import ends on
        case Page::Summary:
            showSummary();
            break;
    }
    showSessionAlert();
}

void ImportController::showImportProgress() {
    setStepping(true);
    ImportProgressPage& page = *m_sheet->progressView();
    page.cancelButton()->setEnabled(!onlySaveLeft());
    page.progress()->showImporting(m_session->entriesImported(), m_session->entriesToImport());
    if (m_sheet->currentView() != &page) {
        m_sheet->showView(&page);
    }
}

bool ImportController::onlySaveLeft() const {
    return m_session->entriesImported() == m_session->entriesToImport();
}

void ImportController::importNextStep(unsigned generation) {
    if (generation != m_generation) {
        return;  // cancelled, or the sheet was opened again
    }
    try {
        m_session->continueImport();
    } catch (...) {
        setStepping(false);
        throw;
    }
    if (m_session->page() != Page::Importing) {
        setStepping(false);
    }
    showSessionPage();
}

void ImportController::showSummary() {
    const ImportSession::SummaryTexts texts = m_session->summaryTexts();
    ImportSummaryPage& page = *m_sheet->summaryView();
    page.titleLabel()->setText(fromStd(texts.title));
    page.matchedLabel()->setText(fromStd(texts.matched));
    page.newLabel()->setText(fromStd(texts.created));
    page.duplicateLabel()->setText(fromStd(texts.duplicate.value_or(std::string())));
    m_sheet->setSummaryHasDuplicateLine(texts.duplicate.has_value());
    m_sheet->showView(&page);
    page.doneButton()->setFocus();
    emit transactionsImported(&m_session->account());
}

void ImportController::showDateOrderPrompt() {
    const ImportSession::DateOrderQuestion& question = m_session->dateOrderQuestion();
    ImportDateOrderPage& page = *m_sheet->dateOrderView();
    page.dateOrderPopup()->setCurrentIndex(page.dateOrderPopup()->findData(question.selectedTag));
    page.dateText()->setText(fromStd(question.sampleText));
    page.dateInstructions()->setText(fromStd(question.instructions));
    m_sheet->showView(&page);
    page.dateOrderPopup()->setFocus();
}

void ImportController::showAccountSelector() {
    ImportStatementPage& page = *m_sheet->accountSelectionView();
    page.accountsPopup()->clear();
    for (const std::string& label : m_session->statementLabels()) {
        page.accountsPopup()->addItem(fromStd(label));
    }
    m_sheet->showView(&page);
    page.accountsPopup()->setFocus();
}

void ImportController::showMainPage() {
    m_sheet->showView(m_sheet->mainView());
}

void ImportController::showSessionAlert() {
    if (std::optional<ImportSession::Alert> alert = m_session->takeAlert()) {
        m_alerts.run({.message = fromStd(alert->message),
                      .informativeText = fromStd(alert->informativeText)},
                     m_sheet.get());
    }
}

void ImportController::writeSessionLog() {
    const std::vector<std::string>& lines = m_session->log();
    for (; m_loggedLines < lines.size(); ++m_loggedLines) {
        logLine(lines[m_loggedLines]);
    }
}

void ImportController::continueFromDateOrder() {
    m_session->continueFromDateOrder(
        m_sheet->dateOrderView()->dateOrderPopup()->currentData().toInt());
    showSessionPage();
}

void ImportController::continueFromAccountSelector() {
    const int index = m_sheet->accountSelectionView()->accountsPopup()->currentIndex();
    if (index < 0) {
        return;
    }
    m_session->continueFromStatementChoice(static_cast<std::size_t>(index));
    showSessionPage();
}

void ImportController::cancelFromDialog() {
    m_session->cancelFromDialog();
    showMainPage();
}

void ImportController::showSettings() {
    Account& account = m_session->account();
    ImportSettingsPage& page = *m_sheet->settingsView();
    page.selectTags(ImportSession::specialBankTag(account), ImportSession::dateOrderTag(account));
    m_sheet->showView(&page);
    page.specialBanksPopup()->setFocus();
}

void ImportController::saveSettings() {
    ImportSettingsPage& page = *m_sheet->settingsView();
    ImportSession::saveSettings(m_session->account(), page.specialBankTag(), page.dateOrderTag());
    showMainPage();
}

void ImportController::closeSheet(int returnCode) {
    if (isBusy()) {
        return;
    }
    m_sheet->done(returnCode);
}

void ImportController::escapePressed() {
    ImportPage* page = m_sheet->currentView();
    if (page == m_sheet->progressView()) {
        cancelImport();
    } else if (page == m_sheet->dateOrderView() || page == m_sheet->accountSelectionView()) {
        cancelFromDialog();
    } else if (page == m_sheet->settingsView()) {
        showMainPage();
    } else {
        closeSheet(page == m_sheet->summaryView() ? 1 : 0);
    }
}

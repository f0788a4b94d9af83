#include "ui/importing/ImportFromAppController.h"

#include <QFutureWatcher>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <variant>

#include "import/AppImportInsertion.h"
#include "import/ImportFromApp.h"
#include "import/ImportFromAppSheet.h"
#include "ui/common/Alerts.h"
#include "ui/common/BulkChangeSnapshot.h"
#include "ui/common/FilePicker.h"
#include "ui/importing/ImportFromAppDialog.h"
#include "ui/importing/ImportProgressView.h"

namespace {

using PlanOrProblem = std::variant<AppImportPlan, std::string>;

}  // namespace

ImportFromAppController::ImportFromAppController(ObjectContext& context, QWidget& window,
                                                 Alerts& alerts, FilePicker& picker)
    : m_context(context),
      m_alerts(alerts),
      m_picker(picker),
      m_dialog(std::make_unique<ImportFromAppDialog>(&window)),
      m_sheet(std::make_unique<ImportFromAppSheet>(context)) {
    connect(m_dialog->chooseButton(), &QPushButton::clicked, this, [this] { chooseFile(); });
    connect(m_dialog->importButton(), &QPushButton::clicked, this, [this] { import(); });
    connect(m_dialog->cancelButton(), &QPushButton::clicked, this, [this] { cancel(); });
    connect(m_dialog.get(), &ImportFromAppDialog::escapePressed, this, [this] { cancel(); });
}

ImportFromAppController::~ImportFromAppController() {
    if (m_insertion) {
        m_insertion->cancel();
        endInsertion();
    }
}

void ImportFromAppController::endInsertion() {
    m_insertion.reset();
    emit importEnded();
}

void ImportFromAppController::showSheet() {
    m_sheet->show();
    m_dialog->fileField()->clear();
    m_dialog->importButton()->setEnabled(false);
    m_dialog->setProgressShown(false);
    m_dialog->open();
    m_dialog->chooseButton()->setFocus();
}

void ImportFromAppController::chooseFile() {
    const std::optional<QString> path = m_picker.openFile(
        m_dialog.get(), tr("Choose an Exported File"), {tr("QIF files (*.qif *.QIF)")});
    if (!path) {
        return;
    }
    m_sheet->chooseFile(path->toStdString());
    m_dialog->fileField()->setText(*path);
    m_dialog->importButton()->setEnabled(true);
    m_dialog->importButton()->setFocus();
}

void ImportFromAppController::import() {
    if (!m_sheet->canImport() || isBusy()) {
        return;
    }
    m_dialog->importButton()->setEnabled(false);
    m_dialog->setProgressShown(true);
    readFileInBackground(*m_sheet->filename());
}

void ImportFromAppController::readFileInBackground(const std::string& path) {
    const unsigned generation = ++m_readGeneration;
    m_reading = true;
    m_dialog->progress()->showReading(path);
    auto* watcher = new QFutureWatcher<PlanOrProblem>(this);
    connect(watcher, &QFutureWatcher<PlanOrProblem>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        PlanOrProblem plan = watcher->future().takeResult();
        if (generation != m_readGeneration) {
            return;  // cancelled
        }
        m_reading = false;
        if (const std::string* problem = std::get_if<std::string>(&plan)) {
            showFailure(*problem);
            return;
        }
        BulkChangeSnapshot::before(SnapshotReason::ApplicationImport);
        emit importStarted();
        m_insertion = std::make_unique<AppImportInsertion>(std::get<AppImportPlan>(std::move(plan)),
                                                           m_context);
        insertNextStep();
    });
    watcher->setFuture(QtConcurrent::run([path] { return ImportFromApp::planFile(path); }));
}

void ImportFromAppController::insertNextStep() {
    if (!m_insertion) {
        return;  // cancelled between two steps
    }
    if (!m_insertion->isFinished()) {
        try {
            m_insertion->insertNext(kTransactionsPerStep);
        } catch (...) {
            endInsertion();  // the insertion has taken itself back
            throw;
        }
    }
    const std::size_t total = m_insertion->transactionCount();
    if (m_insertion->isFinished()) {
        m_dialog->cancelButton()->setEnabled(false);
        m_dialog->progress()->showImporting(total, total);
        // The save blocks the event loop: let "Saving..." reach the screen first.
        QTimer::singleShot(0, this, [this] { save(); });
        return;
    }
    QTimer::singleShot(0, this, [this] { insertNextStep(); });
    m_dialog->progress()->showImporting(m_insertion->insertedCount(), total);
}

void ImportFromAppController::save() {
    if (!m_insertion) {
        return;
    }
    ImportFromAppResult result = m_insertion->save();
    endInsertion();
    m_dialog->cancelButton()->setEnabled(true);
    if (!result.succeeded()) {
        showFailure(*result.error);
        return;
    }
    m_dialog->done(1);
    QList<Account*> accounts;
    for (const ImportFromAppResult::CreatedAccount& created : result.accounts) {
        accounts.push_back(created.account);
    }
    emit accountsImported(accounts);
}

void ImportFromAppController::cancel() {
    if (m_insertion) {
        m_insertion->cancel();
        endInsertion();
    }
    if (m_reading) {
        ++m_readGeneration;
        m_reading = false;
    }
    m_dialog->done(0);
}

void ImportFromAppController::showFailure(const std::string& error) {
    m_dialog->setProgressShown(false);
    m_dialog->importButton()->setEnabled(true);
    m_alerts.run({.message = tr("The file could not be imported."),
                  .informativeText = QString::fromStdString(error)},
                 m_dialog.get());
}

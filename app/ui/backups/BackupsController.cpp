#include "ui/backups/BackupsController.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QUrl>

#include "ui/backups/BackupsWindow.h"
#include "ui/backups/SnapshotListModel.h"
#include "ui/common/UrlOpener.h"

BackupsController::BackupsController(Actions actions, UrlOpener& opener, QObject* parent)
    : QObject(parent),
      m_actions(std::move(actions)),
      m_opener(opener),
      m_window(std::make_unique<BackupsWindow>()),
      m_model(new SnapshotListModel(this)) {
    m_window->table()->setModel(m_model);
    connect(m_window->table()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });
    connect(m_window->table(), &QTableView::doubleClicked, this,
            [this] { openSelectedReadOnly(); });
    connect(m_window->revealButton(), &QPushButton::clicked, this,
            [this] { revealInFileManager(); });
    connect(m_window->openReadOnlyButton(), &QPushButton::clicked, this,
            [this] { openSelectedReadOnly(); });
    connect(m_window->restoreButton(), &QPushButton::clicked, this, [this] { restoreSelected(); });
    updateButtons();
}

BackupsController::~BackupsController() = default;

void BackupsController::showWindow(const StoreSnapshots& snapshots) {
    m_snapshots = snapshots;
    m_window->folderLabel()->setText(tr("Pennora keeps snapshots of your data in %1.")
                                         .arg(QString::fromStdString(snapshots.folder())));
    reload();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void BackupsController::reload() {
    if (!m_snapshots) {
        return;
    }
    m_model->setSnapshots(m_snapshots->list());
    QHeaderView* header = m_window->table()->horizontalHeader();
    header->resizeSections(QHeaderView::ResizeToContents);
    // Room between the columns; the last one takes what is left.
    for (int column = 0; column + 1 < header->count(); ++column) {
        header->resizeSection(column, header->sectionSize(column) + 16);
    }
    if (m_model->rowCount() > 0) {
        m_window->table()->selectRow(0);
    }
    updateButtons();
}

const SnapshotManifest* BackupsController::selected() const {
    const QModelIndexList rows = m_window->table()->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->snapshotAt(rows.front().row());
}

void BackupsController::updateButtons() {
    const bool one = selected() != nullptr;
    m_window->openReadOnlyButton()->setEnabled(one);
    m_window->restoreButton()->setEnabled(one);
    m_window->revealButton()->setEnabled(m_snapshots.has_value());
}

void BackupsController::revealInFileManager() {
    if (m_snapshots) {
        m_opener.open(QUrl::fromLocalFile(QString::fromStdString(m_snapshots->folder())));
    }
}

void BackupsController::openSelectedReadOnly() {
    if (const SnapshotManifest* snapshot = selected(); snapshot && m_actions.openReadOnly) {
        m_actions.openReadOnly(m_snapshots->pathOf(*snapshot));
    }
}

void BackupsController::restoreSelected() {
    if (const SnapshotManifest* snapshot = selected(); snapshot && m_actions.restore) {
        const SnapshotManifest chosen = *snapshot;  // the list is reloaded by the restore
        m_actions.restore(chosen);
    }
}

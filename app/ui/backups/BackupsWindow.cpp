#include "ui/backups/BackupsWindow.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

BackupsWindow::BackupsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_folder(new QLabel(this)),
      m_table(new QTableView(this)),
      m_reveal(new QPushButton(tr("Reveal in File Manager"), this)),
      m_openReadOnly(new QPushButton(tr("Open Read-Only"), this)),
      m_restore(new QPushButton(tr("Restore..."), this)) {
    setWindowTitle(tr("Backups"));
    m_folder->setWordWrap(true);
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_reveal);
    buttons->addStretch(1);
    buttons->addWidget(m_openReadOnly);
    buttons->addWidget(m_restore);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folder);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    setTabOrder(m_table, m_reveal);
    setTabOrder(m_reveal, m_openReadOnly);
    setTabOrder(m_openReadOnly, m_restore);

    auto* close = new QAction(this);
    close->setShortcut(QKeySequence::Close);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    resize(620, 360);
}

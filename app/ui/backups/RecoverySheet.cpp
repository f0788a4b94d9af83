#include "ui/backups/RecoverySheet.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

RecoverySheet::RecoverySheet(const StoreRecovery& recovery, QWidget* parent)
    : QDialog(parent),
      m_message(new QLabel(tr(StoreRecovery::kMessage), this)),
      m_informative(new QLabel(QString::fromStdString(recovery.informativeText()), this)),
      m_restore(new QPushButton(tr(StoreRecovery::kRestoreButton), this)),
      m_readOnly(new QPushButton(tr(StoreRecovery::kReadOnlyButton), this)),
      m_quit(new QPushButton(tr(StoreRecovery::kQuitButton), this)) {
    setWindowModality(Qt::WindowModal);
    setWindowTitle(tr(StoreRecovery::kMessage));
    QFont bold = m_message->font();
    bold.setBold(true);
    m_message->setFont(bold);
    m_informative->setWordWrap(true);
    m_informative->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_informative->setMinimumWidth(420);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->addWidget(m_message);
    texts->addWidget(m_informative);
    texts->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    m_restore->setVisible(recovery.snapshot.has_value());
    QPushButton* preferred = recovery.snapshot ? m_restore : m_quit;
    preferred->setDefault(true);
    preferred->setFocus();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_quit);
    buttons->addStretch(1);
    buttons->addWidget(m_readOnly);
    buttons->addWidget(m_restore);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setTabOrder(m_quit, m_readOnly);
    setTabOrder(m_readOnly, m_restore);

    connect(m_restore, &QPushButton::clicked, this, [this] { done(Restore); });
    connect(m_readOnly, &QPushButton::clicked, this, [this] { done(OpenReadOnly); });
    connect(m_quit, &QPushButton::clicked, this, [this] { done(Quit); });
}

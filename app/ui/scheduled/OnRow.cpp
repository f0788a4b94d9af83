#include "ui/scheduled/OnRow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

OnRow::OnRow(int labelWidth, QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label = new QLabel;
    m_label->setFixedWidth(labelWidth);
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_popUp = new QComboBox;
    m_popUp->setMaxVisibleItems(16);
    // Every row as wide as its longest day, so the rows line up.
    m_popUp->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_remove = new QToolButton;
    m_remove->setText(QStringLiteral("\u2212"));
    m_remove->setToolTip(tr("Remove this rule"));
    m_add = new QToolButton;
    m_add->setText(QStringLiteral("+"));
    m_add->setToolTip(tr("Add a rule"));
    for (QToolButton* button : {m_remove, m_add}) {
        button->setFixedSize(22, 22);
    }
    layout->addWidget(m_label);
    layout->addWidget(m_popUp);
    layout->addWidget(m_remove);
    layout->addWidget(m_add);
    layout->addStretch();
    connect(m_popUp, &QComboBox::activated, this,
            [this](int index) { emit tagChosen(m_popUp->itemData(index).toInt()); });
    connect(m_remove, &QToolButton::clicked, this, &OnRow::removeClicked);
    connect(m_add, &QToolButton::clicked, this, &OnRow::addClicked);
}

void OnRow::setPopUpItems(const std::vector<RulePopUpItem>& items) {
    if (items == m_items) {
        return;
    }
    m_items = items;
    const QSignalBlocker blocker(m_popUp);
    m_popUp->clear();
    for (const RulePopUpItem& item : items) {
        if (item.isSeparator) {
            m_popUp->insertSeparator(m_popUp->count());
        } else {
            m_popUp->addItem(QString::fromStdString(item.title), item.tag);
        }
    }
}

void OnRow::showRule(const QString& label, int tag, RepeatForm::RuleRowButtons buttons) {
    m_label->setText(label);
    const QSignalBlocker blocker(m_popUp);
    m_popUp->setCurrentIndex(m_popUp->findData(tag));
    m_remove->setVisible(buttons.remove);
    m_add->setVisible(buttons.add);
}

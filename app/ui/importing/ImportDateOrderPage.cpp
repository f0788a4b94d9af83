#include "ui/importing/ImportDateOrderPage.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/importing/DateOrderItems.h"

ImportDateOrderPage::ImportDateOrderPage(QWidget* parent) : ImportPage(tr("Date Format"), parent) {
    m_instructions = wrappingLabel();
    rows()->addWidget(m_instructions);
    m_dateText = new QLabel;
    QFont mono = m_dateText->font();
    mono.setBold(true);
    m_dateText->setFont(mono);
    m_dateText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_popup = new QComboBox;
    DateOrderItems::addTo(*m_popup);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("Date in the file:"), m_dateText);
    form->addRow(tr("Date format:"), m_popup);
    rows()->addLayout(form);
    m_cancel = addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setAutoDefault(false);
    m_continue = addButton(tr("Continue"), QDialogButtonBox::AcceptRole);
    m_continue->setDefault(true);
}

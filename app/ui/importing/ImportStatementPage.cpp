#include "ui/importing/ImportStatementPage.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

ImportStatementPage::ImportStatementPage(QWidget* parent)
    : ImportPage(tr("Choose a Statement"), parent) {
    rows()->addWidget(
        wrappingLabel(tr("The file holds statements of several accounts. Choose "
                         "the one to import into this account.")));
    m_popup = new QComboBox;
    m_popup->setMinimumWidth(220);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("Statement:"), m_popup);
    rows()->addLayout(form);
    m_cancel = addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setAutoDefault(false);
    m_continue = addButton(tr("Continue"), QDialogButtonBox::AcceptRole);
    m_continue->setDefault(true);
}

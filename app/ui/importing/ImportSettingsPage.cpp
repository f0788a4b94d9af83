#include "ui/importing/ImportSettingsPage.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/importing/DateOrderItems.h"

namespace {

void selectTag(QComboBox& popup, int tag) {
    const int index = popup.findData(tag);
    popup.setCurrentIndex(index >= 0 ? index : 0);
}

}  // namespace

ImportSettingsPage::ImportSettingsPage(QWidget* parent)
    : ImportPage(tr("Import Settings"), parent) {
    rows()->addWidget(
        wrappingLabel(tr("These settings apply to every statement you import into this account.")));
    m_specialBanks = new QComboBox;
    m_specialBanks->addItem(tr("None"), -1);
    // Tag 0: a bank whose transaction IDs repeat and whose credit line dates lack the year.
    m_specialBanks->addItem(tr("Bank with repeated IDs and day/month dates"), 0);
    m_dateOrder = new QComboBox;
    m_dateOrder->addItem(tr("Not set (guess from each file)"), -1);
    DateOrderItems::addTo(*m_dateOrder);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("Special bank:"), m_specialBanks);
    form->addRow(tr("QIF date order:"), m_dateOrder);
    rows()->addLayout(form);
    m_cancel = addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setAutoDefault(false);
    m_save = addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    m_save->setDefault(true);
}

void ImportSettingsPage::selectTags(int specialBankTag, int dateOrderTag) {
    selectTag(*m_specialBanks, specialBankTag);
    selectTag(*m_dateOrder, dateOrderTag);
}

int ImportSettingsPage::specialBankTag() const {
    return m_specialBanks->currentData().toInt();
}

int ImportSettingsPage::dateOrderTag() const {
    return m_dateOrder->currentData().toInt();
}
